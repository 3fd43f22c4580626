// "Facturas Recibidas": the three quota-line modes set by the invoice type and the
// options, the boxes the options untick, and the two account lists.

#include "InvoiceTesting.h"

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
    verifyStartState(f);
    QCOMPARE(itemsOf(f.page().supplier),
        (QStringList{ "Suministros Norte", "Talleres Sur", "Papelería Central" }));
    f.verifyBoxes({});
}

void TestReceivedModes::modes_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("parts");
    QTest::addColumn<QString>("heading");
    QTest::addColumn<QStringList>("tickedAfter"); // sorted
    QTest::addColumn<QStringList>("expectedBoxes");

    // What a chosen type shows whatever its mode: "Inversiones" and the account; type 0
    // adds its four other options.
    const QStringList typeParts = words("investments investments.label accountLabel account");
    const QStringList interior = typeParts
        + words("retail retail.label reverseCharge reverseCharge.label cashBasis cashBasis.label withholding "
                "withholding.label");
    const QStringList full = words("baseHeading rateHeading quotaHeading line1.base line1.rate line1.quota "
                                   "line2.base line2.rate line2.quota line3.base line3.rate line3.quota");
    const QStringList noQuota
        = words("baseHeading rateHeading blankHeading1 blankHeading2 line1.base line1.rate "
                "line2.base line2.rate line3.base line3.rate");
    const QStringList totalOnly{ "baseHeading", "line1.base" };
    const QString base = QStringLiteral("Base imponible"), total = QStringLiteral("Total factura");

    const struct {
        const char *name, *steps;
        QStringList parts;
        QString heading;
        const char *tickedAfter;
        bool contact; // the contact message shown
    } rows[] = {
        { "interior operations: full mode", "type=0", interior + full, base, "", false },
        { "intra-community: no quota, only Inversiones", "type=1", typeParts + noQuota, base, "", false },
        { "imports: total only", "type=2", typeParts + totalOnly, total, "", false },
        { "imports, then interior: the full lines again", "type=2 type=0", interior + full, base, "", false },
        { "reverse charge ticked: no quota", "type=0 reverseCharge", interior + noQuota, base,
            "reverseCharge", false },
        { "reverse charge unticked: full again", "type=0 reverseCharge reverseCharge", interior + full, base,
            "", false },
        { "retail ticked: total only", "type=0 retail", interior + totalOnly, total, "retail", false },
        { "retail unticked: full with the base heading back", "type=0 retail retail", interior + full, base,
            "", false },
        { "retail while withholding and reverse charge: both unticked, line emptied",
            "type=0 withholding reverseCharge withholding.base=1000 withholding.percentage=15 rental retail",
            interior + totalOnly, total, "retail", false },
        { "withholding while retail: retail unticked, full lines back", "type=0 retail withholding",
            interior + full + withholdingParts, base, "withholding", false },
        { "reverse charge while retail", "type=0 retail reverseCharge", interior + noQuota, base,
            "reverseCharge", false },
        { "reverse charge keeps withholding", "type=0 withholding reverseCharge",
            interior + noQuota + withholdingParts, base, "reverseCharge withholding", false },
        { "rental and professionals exclude each other", "type=0 withholding rental professionals",
            interior + full + withholdingParts, base, "professionals withholding", false },
        { "withholding unticked: its mode unticked and hidden", "type=0 withholding rental withholding",
            interior + full, base, "", false },
        { "cash basis: contact message, stays ticked", "type=0 cashBasis", interior + full, base, "cashBasis",
            true },
        { "cash basis unticked: no message", "type=0 cashBasis cashBasis", interior + full, base, "", true },
        { "a foreign type unticks every option but Inversiones",
            "type=0 investments cashBasis withholding professionals reverseCharge type=1",
            typeParts + noQuota, base, "investments", true },
        { "imports after retail", "type=0 retail type=2", typeParts + totalOnly, total, "", false },
        { "Inversiones keeps its tick through the types", "type=0 investments type=2 type=1 type=0",
            interior + full, base, "investments", false },
    };
    for (const auto &row : rows)
        QTest::newRow(row.name) << words(row.steps) << row.parts << row.heading << words(row.tickedAfter)
                                << (row.contact ? QStringList{ contactText } : QStringList());
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
    QCOMPARE(f.shown(), shownWith(parts));
    QCOMPARE(f.page().baseHeading->text(), heading);
    QCOMPARE(f.ticked(), tickedAfter);
    // Every mode empties what it hides, the fourth and fifth fields included.
    for (const QString &name : lineFields()) {
        if (f.widget(name)->isHidden())
            QVERIFY2(f.text(name).isEmpty(), qPrintable(name));
    }
    // A withholding typed and then dropped leaves nothing behind.
    if (steps.contains("withholding.base=1000") && !tickedAfter.contains("withholding"))
        f.expectTexts({ "withholding.base=", "withholding.percentage=", "withholding.quota=" });
    f.verifyBoxes(expectedBoxes);
}

void TestReceivedModes::investmentsSwapsTheAccountListSilently()
{
    Fixture f;
    QVERIFY(f.start());
    f.perform({ "type=0", "account=13" });
    QCOMPARE(f.page().account->currentIndex(), 13);
    f.perform({ "investments" });
    QCOMPARE(itemsOf(f.page().account), fixedAssetAccounts());
    QCOMPARE(f.page().account->currentIndex(), -1);

    f.perform({ "account=5", "investments" });
    QCOMPARE(itemsOf(f.page().account), purchaseAccounts());
    QCOMPARE(f.page().account->currentIndex(), -1);
    // Only the two choices spoke; the swaps said nothing.
    f.verifyBoxes({ box::accountChosen("62900009\tOtros gastos diversos"),
        box::accountChosen("21700000\tCompra de equipos informáticos") });
}

void TestReceivedModes::accountChoiceNamesTheAccount()
{
    Fixture f;
    QVERIFY(f.start());
    f.perform({ "type=0", "account=0", "account=8" });
    f.verifyBoxes({ box::accountChosen("60000000\tCompras de mercaderías"),
        box::accountChosen("62800000\tConsumo de luz") });
}

QTEST_MAIN(TestReceivedModes)
#include "test_received_modes.moc"
