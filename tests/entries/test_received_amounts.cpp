// "Facturas Recibidas": the VAT quotas, the withholding quota and the total, recomputed
// as the user types and as the modes change.

#include "InvoiceTesting.h"

using namespace received;

class TestReceivedAmounts final : public QObject {
    Q_OBJECT

private slots:
    void liveAmounts_data();
    void liveAmounts();
    void decimalCommaUnderASpanishLocale();
};

void TestReceivedAmounts::liveAmounts_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("expected"); // "name=text" for each field checked afterwards

    // Type 0 unless the row chooses another.
    const struct {
        const char *name, *steps, *expected;
    } rows[] = {
        { "100 at 21", "line1.base=100 line1.rate=21", "line1.quota=21 total=121" },
        { "six significant digits", "line1.base=1234567 line1.rate=21",
            "line1.quota=259259 total=1.49383e+06" },
        { "decimals", "line1.base=12345.67 line1.rate=21", "line1.quota=2592.59 total=14938.3" },
        { "rate without base", "line1.rate=21", "line1.quota=0 total=0" },
        { "a lone point counts 0", "line1.base=. line1.rate=21 line2.base=100 line2.rate=.",
            "line1.quota=0 line2.quota=0 total=100" },
        { "a lone comma counts 0", "line1.base=, line1.rate=21", "line1.quota=0 total=0" },
        { "withholding 1000 at 15",
            "line1.base=1000 line1.rate=21 withholding professionals withholding.base=1000 "
            "withholding.percentage=15",
            "line1.quota=210 withholding.quota=150 total=1060" },
        { "withholding unticked: the total no longer subtracts it",
            "line1.base=1000 line1.rate=21 withholding withholding.base=1000 withholding.percentage=15 "
            "withholding",
            "withholding.base= withholding.percentage= withholding.quota= total=1210" },
        { "the total can fall below zero", "withholding withholding.base=1000 withholding.percentage=15",
            "withholding.quota=150 total=-150" },
        { "intra-community after a full invoice: quotas empty, bases summed",
            "line1.base=100 line1.rate=21 line2.base=200 line2.rate=10 type=1",
            "line1.quota= line2.quota= line3.quota= line1.rate=21 total=300" },
        { "reverse charge: quotas empty", "line1.base=100 line1.rate=21 reverseCharge",
            "line1.quota= total=100" },
        { "reverse charge with withholding",
            "withholding reverseCharge line1.base=1000 line1.rate=21 rental withholding.base=1000 "
            "withholding.percentage=15",
            "line1.quota= withholding.quota=150 total=850" },
        { "imports: the total as typed", "type=2 line1.base=250.5", "total=250.5" },
        { "retail after a full invoice keeps the first base only",
            "line1.base=100 line1.rate=21 line2.base=10 line2.rate=4 retail",
            "line1.base=100 line1.rate= line1.quota= line2.base= total=100" },
        { "emptying every field",
            "line1.base=100 line1.rate=21 line2.base=7 line2.rate=4 line1.base= line1.rate= line2.base= "
            "line2.rate=",
            "line1.quota=0 line2.quota=0 total=0" },
        { "the fourth and fifth fields stay empty", "line1.base=100 line1.rate=21",
            "line1.fourth= line1.fifth= line2.fourth= line3.fifth=" },
    };
    for (const auto &row : rows)
        QTest::newRow(row.name) << words(
            QString(row.steps).startsWith("type=") ? row.steps : "type=0 " + QString(row.steps))
                                << words(row.expected);
}

void TestReceivedAmounts::liveAmounts()
{
    QFETCH(QStringList, steps);
    QFETCH(QStringList, expected);

    Fixture f;
    QVERIFY(f.start());
    f.perform(steps);
    f.expectTexts(expected);
    f.verifyBoxes({});
}

void TestReceivedAmounts::decimalCommaUnderASpanishLocale()
{
    LocaleScope spanish;
    Fixture f;
    QVERIFY(f.start());
    f.perform({ "type=0", "line1.base=100,5", "line1.rate=21", "line2.base=1.5", "line2.rate=10" });
    // Read with the decimal comma, written with a point.
    f.expectTexts({ "line1.quota=21.105", "line2.quota=0.15", "total=123.255" });
    f.verifyBoxes({});
}

QTEST_MAIN(TestReceivedAmounts)
#include "test_received_amounts.moc"
