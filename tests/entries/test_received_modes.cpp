// "Facturas Recibidas": the three quota-line modes set by the invoice type and the
// options, the boxes the options untick, and the two account lists.

#include "ReceivedInvoiceTesting.h"

#include "entries/ReceivedAccounts.h"

using namespace received;

class TestReceivedModes final : public QObject {
    Q_OBJECT

private slots:
    void startState();
    void modes_data();
    void modes();
    void investmentsSwapsTheAccountListSilently();
    void accountChoiceNamesTheAccount();
};

void TestReceivedModes::startState()
{
    Fixture f;
    QVERIFY(f.start());
    QCOMPARE(shown(*f.app), shownWith({}));
    QCOMPARE(ticked(*f.app), QStringList());
    const ReceivedPage &page = f.app->receivedPage();
    for (const QComboBox *list : { page.supplier, page.type, page.account })
        QCOMPARE(list->currentIndex(), -1);
    QCOMPARE(page.supplier->count(), 3);
    QCOMPARE(page.supplier->itemText(1), QStringLiteral("Talleres Sur"));
    QCOMPARE(page.account->count(), purchaseAccounts().size());
    QCOMPARE(page.total->text(), QStringLiteral("0"));
    f.verifyBoxes({});
}

void TestReceivedModes::modes_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("parts");
    QTest::addColumn<QString>("heading");
    QTest::addColumn<QStringList>("tickedAfter");
    QTest::addColumn<QStringList>("expectedBoxes");

    const QString base = QStringLiteral("Base imponible");
    const QString total = QStringLiteral("Total factura");
    const QStringList interior = typeParts + interiorOptions;

    QTest::newRow("interior operations: full mode")
        << QStringList{ "type=0" } << interior + fullMode << base << QStringList() << QStringList();
    QTest::newRow("intra-community: no quota, only Inversiones")
        << QStringList{ "type=1" } << typeParts + noQuotaMode << base << QStringList() << QStringList();
    QTest::newRow("imports: total only")
        << QStringList{ "type=2" } << typeParts + totalOnlyMode << total << QStringList() << QStringList();
    QTest::newRow("imports, then interior: the full lines again")
        << QStringList{ "type=2", "type=0" } << interior + fullMode << base << QStringList() << QStringList();
    QTest::newRow("reverse charge ticked: no quota")
        << QStringList{ "type=0", "reverseCharge" } << interior + noQuotaMode << base
        << QStringList{ "reverseCharge" } << QStringList();
    QTest::newRow("reverse charge unticked: full again")
        << QStringList{ "type=0", "reverseCharge", "reverseCharge" } << interior + fullMode << base
        << QStringList() << QStringList();
    QTest::newRow("retail ticked: total only")
        << QStringList{ "type=0", "retail" } << interior + totalOnlyMode << total << QStringList{ "retail" }
        << QStringList();
    QTest::newRow("retail unticked: full with the base heading back") << QStringList{ "type=0", "retail",
        "retail" } << interior + fullMode << base << QStringList() << QStringList();
    QTest::newRow("retail while withholding and reverse charge: both unticked, line emptied")
        << QStringList{ "type=0", "withholding", "reverseCharge", "withholding.base=1000",
               "withholding.percentage=15", "rental", "retail" }
        << interior + totalOnlyMode << total << QStringList{ "retail" } << QStringList();
    QTest::newRow("withholding while retail: retail unticked, full lines back")
        << QStringList{ "type=0", "retail", "withholding" } << interior + fullMode + withholdingParts << base
        << QStringList{ "withholding" } << QStringList();
    QTest::newRow("reverse charge while retail")
        << QStringList{ "type=0", "retail", "reverseCharge" } << interior + noQuotaMode << base
        << QStringList{ "reverseCharge" } << QStringList();
    QTest::newRow("reverse charge keeps withholding")
        << QStringList{ "type=0", "withholding", "reverseCharge" }
        << interior + noQuotaMode + withholdingParts << base << QStringList{ "reverseCharge", "withholding" }
        << QStringList();
    QTest::newRow("rental and professionals exclude each other")
        << QStringList{ "type=0", "withholding", "rental", "professionals" }
        << interior + fullMode + withholdingParts << base << QStringList{ "withholding", "professionals" }
        << QStringList();
    QTest::newRow("withholding unticked: its mode unticked and hidden")
        << QStringList{ "type=0", "withholding", "rental", "withholding" } << interior + fullMode << base
        << QStringList() << QStringList();
    QTest::newRow("cash basis: contact message, stays ticked")
        << QStringList{ "type=0", "cashBasis" } << interior + fullMode << base << QStringList{ "cashBasis" }
        << QStringList{ contactText };
    QTest::newRow("cash basis unticked: no message")
        << QStringList{ "type=0", "cashBasis", "cashBasis" } << interior + fullMode << base << QStringList()
        << QStringList{ contactText };
    QTest::newRow("a foreign type unticks every option but Inversiones") << QStringList{
        "type=0", "investments", "cashBasis", "withholding", "professionals", "reverseCharge", "type=1"
    } << typeParts + noQuotaMode << base << QStringList{ "investments" } << QStringList{ contactText };
    QTest::newRow("imports after retail")
        << QStringList{ "type=0", "retail", "type=2" } << typeParts + totalOnlyMode << total << QStringList()
        << QStringList();
    QTest::newRow("Inversiones keeps its tick through the types")
        << QStringList{ "type=0", "investments", "type=2", "type=1", "type=0" } << interior + fullMode << base
        << QStringList{ "investments" } << QStringList();
}

void TestReceivedModes::modes()
{
    QFETCH(QStringList, steps);
    QFETCH(QStringList, parts);
    QFETCH(QString, heading);
    QFETCH(QStringList, tickedAfter);
    QFETCH(QStringList, expectedBoxes);

    Fixture f;
    QVERIFY(f.start());
    f.perform(steps);
    if (QTest::currentTestFailed())
        return;

    QCOMPARE(shown(*f.app), shownWith(parts));
    QCOMPARE(f.app->receivedPage().baseHeading->text(), heading);
    QCOMPARE(ticked(*f.app), tickedAfter);
    // Every mode empties what it hides, the fourth and fifth fields included.
    for (const QString &name : lineFields()) {
        if (f.widget(name)->isHidden())
            QVERIFY2(f.text(name).isEmpty(), qPrintable(name));
    }
    // A withholding typed and then dropped leaves nothing behind.
    if (steps.contains(QStringLiteral("withholding.base=1000")) && !tickedAfter.contains("withholding")) {
        for (const char *name : { "withholding.base", "withholding.percentage", "withholding.quota" })
            QVERIFY2(f.text(name).isEmpty(), name);
    }
    f.verifyBoxes(expectedBoxes);
}

void TestReceivedModes::investmentsSwapsTheAccountListSilently()
{
    Fixture f;
    QVERIFY(f.start());
    const ReceivedPage &page = f.app->receivedPage();
    const auto items = [&] {
        QStringList texts;
        for (int i = 0; i < page.account->count(); ++i)
            texts << page.account->itemText(i);
        return texts;
    };

    f.perform({ "type=0", "account=13" });
    QCOMPARE(page.account->currentIndex(), 13);
    f.perform({ "investments" });
    QCOMPARE(items(), fixedAssetAccounts());
    QCOMPARE(page.account->currentIndex(), -1);

    f.perform({ "account=5" });
    f.perform({ "investments" });
    QCOMPARE(items(), purchaseAccounts());
    QCOMPARE(page.account->currentIndex(), -1);
    // Only the two choices spoke; the swaps said nothing.
    f.verifyBoxes({ accountText(QStringLiteral("62900009\tOtros gastos diversos")),
        accountText(QStringLiteral("21700000\tCompra de equipos informáticos")) });
}

void TestReceivedModes::accountChoiceNamesTheAccount()
{
    Fixture f;
    QVERIFY(f.start());
    f.perform({ "type=0", "account=0", "account=8" });
    f.verifyBoxes({ accountText(QStringLiteral("60000000\tCompras de mercaderías")),
        accountText(QStringLiteral("62800000\tConsumo de luz")) });
}

QTEST_MAIN(TestReceivedModes)
#include "test_received_modes.moc"
