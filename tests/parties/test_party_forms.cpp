// The owner's registration and the clients and suppliers register through the window: the
// checks in their order, the offers of the other role, browsing, the search, the update.

#include "../entries/FormDriving.h"

#include <QClipboard>
#include <QGuiApplication>

class TestPartyForms final : public QObject {
    Q_OBJECT

private slots:
    void registration_data();
    void registration();
    void register_();
    void halfCharactersCut();
};

void TestPartyForms::registration_data()
{
    QTest::addColumn<bool>("ownerMeanwhile"); // stored by another window since the start
    QTest::addColumn<QString>("boxes");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("owner");
    QTest::newRow("registered") << false << "registrado_correctamente."
                                << "Brivana - Reformas ( Corvena )"
                                << "1 'B12345674' 'Reformas' 'Mayor1' 4001 'Almería' 'Almería' 'España' 2";
    QTest::newRow("an owner stored meanwhile")
        << true << "sus_datos."
        << "Brivana - Reformas del Sur ( Belisor )"
        << "1 '12345678Z' 'Reformas del Sur' 'Calle Mayor 1' 4001 'Almería' "
           "'Almería' 'España' 1";
}

void TestPartyForms::registration()
{
    QFETCH(bool, ownerMeanwhile);
    Form f;
    QVERIFY(f.open(-1));
    f.run({ "nif=1234567 register#no_válido.#!nif @nif",
        "nif=B12345674 name=Reformas register#es_obligatorio.#!address",
        "address=Mayor1 postalCode=04001 town=Almería province=Almería country=España "
        "register#es_obligatorio.#!technician" });
    if (ownerMeanwhile)
        insertOwner();
    QTEST(f.act("technician=2 register"), "boxes");
    QTEST(f.app->windowTitle(), "title");
    QTEST(storedRows("admin"), "owner");
    QCOMPARE(f.app->centralWidget(), f.app->tabs());
    // The owner is no party.
    typeText(f.app->partiesPage().nif, f.app->ownerNif());
    QCOMPARE(f.act(""), "la_asesoría");
    QCOMPARE(f.app->partiesPage().nif->text(), QString());
}

void TestPartyForms::register_()
{
    Form f;
    insertOwner();
    insertParty(0, 43000001, "11111111H", "Alfa", "Mayor1");
    insertParty(1, 40000001, "22222222J", "Beta", "Mayor1");
    insertParty(1, 40000002, "11111111H", "Alfa", "Mayor1");
    insertParty(0, 43000002, "33333333P", "Gamma", "Sol1");
    insertParty(0, 43000003, "33333333P", "Delta", "Sol2");
    QVERIFY(execStatement("INSERT INTO lasts VALUES (43000003, 40000002)"));
    QVERIFY(f.open(0));
    f.run({ "save#es_obligatorio.#!type", "type=0 nif=1111111 save#no_válido.#!nif @nif",
        "nif=44444444A name=Épsilon save#es_obligatorio.#!address",
        "address=Luna1 postalCode=04002 town=níjar province=almería country=España >Rectificar "
        "save#de_continuar.#type=0 address=Luna1",
        ">Guardar save#de_continuar. guardado_correctamente.#type=-1 nif= name= address= @type",
        // A client's identifier: offered as a supplier with the data of its last row, locked.
        ">Sí ~nif=33333333P#como_proveedor?#type=1 name=Delta address=Sol2",
        ">Guardar save#de_continuar. guardado_correctamente.#type=-1 name=",
        ">No ~nif=22222222J#como_cliente?#nif=", "~nif=11111111H#de_alta.#nif=",
        "~nif=12345678Z#la_asesoría#nif=",
        "type=1 nif=55555555K name=Beta address=x postalCode=04000 town=x province=x country=x "
        "save#de_alta.#name=Beta",
        ">No clear#los_campos?#name=Beta", ">Sí clear#los_campos?#type=-1 name= @type",
        "browse##-browse -clear next previous search type=0 name=Alfa", "previous##type=1 name=Delta",
        "next next##type=1 name=Beta", "searchNif=33333333P##type=0 name=Gamma",
        "searchSupplier searchNif=22222222J##type=1 name=Beta",
        "searchClient searchNif=22222222J#NiF/CiF_introducido#name=Beta",
        "address=Nueva1 save#actualizados_correctamente.#type=-1 name=" });
    QCOMPARE(storedRows("cap"),
        "1 0 43000001 '11111111H' 'Alfa' 'Mayor1' 4001 'almería' 'almería' 'España'\n"
        "2 1 40000001 '22222222J' 'Beta' 'Nueva1' 4001 'almería' 'almería' 'España'\n"
        "3 1 40000002 '11111111H' 'Alfa' 'Mayor1' 4001 'almería' 'almería' 'España'\n"
        "4 0 43000002 '33333333P' 'Gamma' 'Sol1' 4001 'almería' 'almería' 'España'\n"
        "5 0 43000003 '33333333P' 'Delta' 'Sol2' 4001 'almería' 'almería' 'España'\n"
        "6 0 43000004 '44444444A' 'Épsilon' 'Luna1' 4002 'níjar' 'almería' 'España'\n"
        "7 1 40000003 '33333333P' 'Delta' 'Sol2' 4001 'almería' 'almería' 'España'");
    QCOMPARE(queryRows("SELECT * FROM lasts"), QList<QVariantList>({ { 43000004, 40000003 } }));
    QCOMPARE(itemsOf(f.app->receivedPage().supplier), QStringList({ "Beta", "Alfa", "Delta" }));
    // A record gone meanwhile: an update of no row, then browsing onto it.
    f.run({ "browse sql:DELETE_FROM_cap_WHERE_auid=2 address=x save#ningún_dato.#address=x",
        "previous next#no_encontrado.#type=-1 name=" });
}

// Names and addresses hold 64 units: where the cut falls inside a character of two, the
// whole character goes, typed or pasted, on both party forms.
void TestPartyForms::halfCharactersCut()
{
    Form f;
    QVERIFY(f.open(-1));
    const QString letters(63, 'a');
    QGuiApplication::clipboard()->setText("😀");
    const PartiesPage &parties = f.app->partiesPage();
    const RegistrationPage &owner = f.app->registrationPage();
    for (QLineEdit *field : { parties.name, parties.address, owner.name, owner.address }) {
        typeText(field, letters + "😀");
        field->home(false);
        field->paste();
    }
    QCOMPARE(textsOf({ parties.name, parties.address, owner.name, owner.address }), QStringList(4, letters));
}

QTEST_MAIN(TestPartyForms)
#include "test_party_forms.moc"
