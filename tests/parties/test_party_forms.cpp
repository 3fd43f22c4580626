// The owner's registration and the clients and suppliers register through the window.

#include "TestSupport.h"

class TestPartyForms final : public QObject {
    Q_OBJECT

private slots:
    // An owner stored meanwhile stays the only one; names and addresses keep no half character.
    void registration()
    {
        WindowFixture f;
        QVERIFY(f.open(-1));
        QGuiApplication::clipboard()->setText("😀");
        const PartiesPage &party = f.app->partiesPage();
        for (QLineEdit *field : { party.name, party.address, f.app->registrationPage().address }) {
            typeText(field, QString(63, 'a') + "😀");
            field->home(false);
            field->paste();
            QCOMPARE(field->text(), QString(63, 'a'));
        }
        f.run({ "nif=1234567 register#no_válido.#!nif @nif",
            "nif=B12345674 name=Reformas address= register#es_obligatorio.#!address",
            "address=Mayor1 postalCode=04001 town=A province=A country=E "
            "register#es_obligatorio.#!technician" });
        insertOwner();
        const QString boxes = f.act("technician=2 register");
        QCOMPARE(boxes + '|' + f.app->windowTitle() + '|' + storedRows("admin"),
            "sus_datos.|Brivana - Reformas del Sur ( Belisor )|"
            "1 12345678Z Reformas del Sur Calle Mayor 1 4001 Almería Almería España 1");
        typeText(party.nif, f.app->ownerNif()); // the owner is no party
        QCOMPARE(f.act("") + party.nif->text(), "la_asesoría");
    }

    void register_()
    {
        WindowFixture f;
        insertOwner();
        for (const QString party : { "0 43000001 11111111H Alfa", "1 40000001 22222222J Beta",
                 "1 40000002 11111111H Alfa", "0 43000002 33333333P Gamma", "0 43000003 33333333P Delta" })
            insertParty(party.left(1).toInt(), party.mid(2, 8).toInt(), party.mid(11, 9), party.mid(21), "M");
        QVERIFY(queryRows("INSERT INTO lasts VALUES (43000003, 40000002)") && f.open(0));
        f.run({ "save#es_obligatorio.#!type", "type=0 nif=1111111 save#no_válido.#!nif @nif",
            "nif=44444444A name=Gamma save#es_obligatorio.#!address",
            "address=L postalCode=04002 town=L'Hospitalet-Vila-real/Sigüenza province=Sta.Ávila·Ñ country=E "
            "save#de_alta.#name=Gamma",
            "name=Épsilon >Rectificar save#de_continuar.#type=0 address=L",
            ">Guardar save#de_continuar. guardado_correctamente.#type=-1 nif= name= address= @type",
            ">Sí ~nif=33333333P#como_proveedor?#type=1 name=Delta",
            ">Guardar save#de_continuar. guardado_correctamente.#type=-1 name=",
            ">No ~nif=22222222J#como_cliente?#nif=", "~nif=11111111H#de_alta.#nif=",
            "~nif=12345678Z#la_asesoría#nif=", "name=Z >No clear#los_campos?#name=Z",
            ">Sí clear#los_campos?#type=-1 name= @type",
            "browse##-browse -clear next previous search type=0 name=Alfa", "previous##type=1 name=Delta",
            "next next##type=1 name=Beta", "searchNif=33333333P##type=0 name=Gamma postalCode=04001",
            "searchSupplier searchNif=22222222J##type=1 name=Beta",
            "searchClient searchNif=22222222J#NiF/CiF_introducido#",
            "address=N save#actualizados_correctamente.#type=-1 name=" });
        QCOMPARE(storedRows("cap WHERE auid IN (2, 6)") + storedRows("lasts"),
            "2 1 40000001 22222222J Beta N 4001 almería almería España\n"
            "6 0 43000004 44444444A Épsilon L 4002 L'Hospitalet-Vila-real/Sigüenza Sta.Ávila·Ñ E43000004 "
            "40000003");
        QCOMPARE(itemsOf(f.app->receivedPage().supplier).join(' '), "Beta Alfa Delta");
        f.run({ "browse sql:DELETE_FROM_cap_WHERE_auid=2 address=x save#ningún_dato.#address=x",
            "previous next nif=4#no_encontrado.#type=-1 nif=4",
            "sql:DELETE_FROM_lasts type=0 nif=55555555K name=Eta address=L postalCode=1 town=n province=a "
            "country=E >Guardar save#de_continuar. de_datos#name=Eta" });
    }
};

QTEST_MAIN(TestPartyForms)
#include "test_party_forms.moc"
