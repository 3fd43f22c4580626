// One quarter through the real window, as a person keeps the books: the owner, clients and suppliers,
// four issued and two received invoices, two other entries, the quarter and two months read, and all
// sent in a file compared byte for byte with tests/data/e2e/one_quarter.csv, worked out by hand.

#include "TestSupport.h"

#include "widgets/PieChart.h"

namespace {

// Steps on one page: "name=value|name|..." with the page's name before each.
QStringList on(const QString &page, const QString &steps)
{
    return steps.split('|').replaceInStrings(QRegularExpression("^"), page + '.');
}

// Steps on the registration form or the register, the first seven its text fields' values.
QStringList form(const QString &page, const QString &steps)
{
    const QStringList fields = words("nif name address postalCode town province country");
    QStringList named = on(page, steps);
    for (int i = 0; i < fields.size(); ++i)
        named[i].insert(page.size() + 1, fields[i] + '=');
    return named;
}

} // namespace

class TestOneQuarter final : public QObject {
    Q_OBJECT

    WindowFixture f;

private slots:
    void initTestCase() { QVERIFY(f.start(-1, QDate(2026, 11, 20))); }

    void registerOwnerAndParties()
    {
        f.perform(form("registration",
            "27450913E|Reformas Ortega SL|Calle Mayor 1|04001|Almería|Almería|España|"
            "technician=Belisor|register"));
        QCOMPARE(f.takeBoxes(), QStringList{ box::info("Se ha registrado correctamente.") });
        for (const QString party :
            { "Cliente|B04123451|Talleres Núñez SL|Calle Real 5; bajo|04002|Almería|Almería|España",
                "Cliente|A46987657|Comercial Levante SA|Av. del Puerto "
                "12|12540|Vila-real|Castelló/Castellón|España",
                "Proveedor|B33123456|Suministros Norte SL|"
                "Polígono Industrial 7|08908|L'Hospitalet de Llobregat|Barcelona|España" }) {
            f.responder.answer("Guardar");
            f.perform(on("parties", "type=" + party.section('|', 0, 0))
                + form("parties", party.section('|', 1) + "|save"));
            QCOMPARE(f.takeBoxes(), (QStringList{ box::confirmSave, box::partySaved }));
        }
        // A client's identifier typed again: "Sí" fills the form with it as a supplier.
        f.responder.m_answers = QStringList{ "Sí", "Guardar" };
        f.perform(on("parties", "nif=B04123451|save"));
        QCOMPARE(f.takeBoxes(),
            (QStringList{
                box::info("El Nif/Cif introducido ya corresponde a un cliente.\n¿Desea darlo de alta como "
                          "proveedor?"),
                box::confirmSave, box::partySaved }));
    }

    void recordEntries_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("account");
        const auto row = [](int tab, const QString &account, const QString &steps) {
            const QString page = QStringList{ "", "issued", "received", "other" }[tab];
            QTest::newRow(qPrintable(steps.section('|', 1, 1)))
                << tab << on(page, steps + "|account=" + account + "|save") << account;
        };
        const QString goods = QStringLiteral("70000000    Venta de mercaderías");
        row(1, goods,
            "client=Talleres Núñez SL|number=F-101|series=A-2026|date=05/10/2026|type=Operaciones Interiores|"
            "surcharge|line1.base=1250.5|line1.rate=21|line1.surchargeRate=5.2|line2.base=300|line2.rate=10|"
            "line2.surchargeRate=1.4|line3.base=80.25|line3.rate=4|line3.surchargeRate=0.5");
        row(1, "70500000    Prestaciones de servicios",
            "client=Comercial Levante SA|number=F-102|series=A-2026|date=15/10/2026|type=Operaciones "
            "Interiores|line1.base=1875.40|line1.rate=21|withholding|professionals|withholding.base=1875.40|"
            "withholding.percentage=15");
        row(1, "75900000    Ingresos por servicios diversos",
            "client=Talleres Núñez SL|number=F-103|date=02/11/2026|type=Entregas y servicios "
            "intracomunitarios|line1.base=3500");
        row(1, goods,
            "client=Comercial Levante SA|number=F-104|series=B|type=Operaciones Interiores|retail|"
            "line1.base=726.99");
        row(2, "62100000\tArrendamiento",
            "supplier=Suministros Norte SL|number=P-501|date=08/10/2026|type=Operaciones Interiores|"
            "line1.base=400,5|line1.rate=21|withholding|rental|withholding.base=4000|"
            "withholding.percentage=15");
        row(2, "21700000\tCompra de equipos informáticos",
            "supplier=Talleres Núñez SL|number=P-502|date=12/11/2026|type=Importaciones|investments|"
            "line1.base=1530.75");
        row(3, "62500000\tSeguros", "date=30/10/2026|amount=125.40");
        row(3, "76900000\tCobro intereses bancarios", "date=16/11/2026|amount=1.089,90");
    }
    void recordEntries()
    {
        QFETCH(int, tab);
        QFETCH(QStringList, steps);
        QFETCH(QString, account);
        f.app->tabs()->setCurrentIndex(tab);
        const bool invoice = tab < 3;
        f.responder.m_answers << (invoice ? QStringList{ "OK", "Continuar", "Guardar" } : QStringList());
        f.perform(steps);
        QCOMPARE(f.takeBoxes(),
            QStringList(box::accountChosen(account))
                + (invoice ? QStringList{ box::info("Verifique que el total calculado coincide con el total "
                                                    "de su factura."),
                       box::confirmSave }
                           : QStringList())
                + QStringList(box::dataSaved));
    }

    // Exact sums of totals (1996.20 + 1987.92 + 3500 + 726.99; 400.50 + 84.11 - 600 + 1530.75), less the
    // compensation typed first once the quarter is chosen; a month adds bases; the pie the issued share.
    void readResults_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("shown");
        QTest::newRow("quarter") << "compensation=250.5|quarter=4º Trimestre"
                                 << "8211.11 1415.36 6795.75 6545.25 0 0 0 85.2972";
        QTest::newRow("October") << "year=2026|month=Octubre"
                                 << "8211.11 1415.36 6795.75 6545.25 3506.15 400.5 3906.65 85.2972";
        QTest::newRow("November") << "month=Noviembre"
                                  << "8211.11 1415.36 6795.75 6545.25 4226.99 1530.75 5757.74 85.2972";
    }
    void readResults()
    {
        QFETCH(QString, steps);
        f.app->tabs()->setCurrentIndex(4);
        f.perform(on("results", steps));
        QStringList shown;
        for (const QString &name :
            words("supported charged quarterResult finalResult income expenses monthResult"))
            shown << f.text("results." + name);
        QTEST((shown << QString::number(f.app->pie()->blue())).join(' '), "shown");
        QCOMPARE(f.takeBoxes(), QStringList());
    }

    void sendEverythingThenLookUp()
    {
        f.app->tabs()->setCurrentIndex(5);
        f.responder.answer("Sí");
        f.perform({ "export.send" });
        const QString name = QStringLiteral("27450913E_20261120.csv");
        QCOMPARE(f.takeBoxes(), (QStringList{ box::confirmSending, box::exported(name) }));
        // Line by line, so that a difference shows where it is.
        QCOMPARE(readFile(name).split('\n'), readFile(BRIVANA_TEST_DATA "/e2e/one_quarter.csv").split('\n'));
        // An invoice looked up shows its options again.
        f.perform({ "issued.find=F-101" });
        QVERIFY(
            f.app->issuedPage().surcharge.box->isChecked() && f.text("issued.line3.surchargeRate") == "0.5");
    }
};

QTEST_MAIN(TestOneQuarter)
#include "test_one_quarter.moc"
