// "Facturas Emitidas": the quotas and the total as the user types.

#include "InvoiceTesting.h"

using namespace issued;

class TestIssuedAmounts final : public QObject {
    Q_OBJECT

private slots:
    void amountsFollowTheTyping_data();
    void amountsFollowTheTyping();
    void surchargeQuotaFollowsOnlyItsRate();
    void decimalCommaUnderASpanishLocale();
};

void TestIssuedAmounts::amountsFollowTheTyping_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("expected"); // "field=text", checked after the steps

    // Type 0 unless the row chooses another.
    const struct {
        const char *name, *steps, *expected;
    } rows[] = {
        { "100 at 21", "line1.base=100 line1.rate=21", "line1.quota=21 total=121" },
        { "six significant digits", "line1.base=12345.67 line1.rate=21",
            "line1.quota=2592.59 total=14938.3" },
        { "exponent from a million", "line1.base=1000000 line1.rate=21",
            "line1.quota=210000 total=1.21e+06" },
        { "1.2.3 counts 0", "line1.base=1.2.3 line1.rate=21", "line1.quota=0 total=0" },
        { "three lines",
            "line1.base=100 line1.rate=21 line2.base=50 line2.rate=10 line3.base=20 line3.rate=4",
            "line1.quota=21 line2.quota=5 line3.quota=0.8 total=196.8" },
        { "emptied line leaves the total",
            "line1.base=100 line1.rate=21 line2.base=50 line2.rate=10 line2.base= line2.rate=",
            "line2.quota=0 total=121" },
        { "withholding 1000 at 15",
            "line1.base=1000 line1.rate=21 withholding rental withholding.base=1000 "
            "withholding.percentage=15",
            "withholding.quota=150 total=1060" },
        { "withholding quota waits for its own fields",
            "withholding rental withholding.base=1000 withholding.percentage=15 line1.base=2000 "
            "line1.rate=21",
            "withholding.quota=150 line1.quota=420 total=2270" },
        { "total only, less the withholding",
            "line1.base=100 line1.rate=21 withholding professionals withholding.base=100 "
            "withholding.percentage=15 reverseCharge",
            "line1.quota=0 withholding.quota=15 total=85" },
        { "exports: the invoice total", "type=2 line1.base=1210", "line1.quota=0 total=1210" },
        // Each 1.9 is lost against 33554440 in single precision: in double the total
        // would read 3.35545e+07.
        { "single-precision sum",
            "surcharge line1.base=33554440 line1.rate=0 line1.surchargeRate=0 line2.base=1.9 line2.rate=100 "
            "line2.surchargeRate=100 line3.base=1.9 line3.rate=100 line3.surchargeRate=100",
            "line2.quota=1.9 line3.surchargeQuota=1.9 total=3.35544e+07" },
        { "surcharge unticked", "line1.base=100 line1.rate=21 surcharge line1.surchargeRate=5.2 surcharge",
            "line1.surchargeRate= total=121" },
    };
    for (const auto &row : rows)
        QTest::newRow(row.name) << words(
            QString(row.steps).startsWith("type=") ? row.steps : "type=0 " + QString(row.steps))
                                << words(row.expected);
}

void TestIssuedAmounts::amountsFollowTheTyping()
{
    QFETCH(QStringList, steps);
    QFETCH(QStringList, expected);

    Fixture f;
    QVERIFY(f.start());
    f.perform(steps);
    f.expectTexts(expected);
    f.verifyBoxes({});
}

void TestIssuedAmounts::surchargeQuotaFollowsOnlyItsRate()
{
    Fixture f;
    QVERIFY(f.start());
    f.perform({ "type=0", "line1.base=100", "line1.rate=21", "surcharge", "line1.surchargeRate=5.2" });
    f.expectTexts({ "line1.surchargeQuota=5.2", "total=126.2" });
    // A new base recomputes the VAT quota and the total, not the surcharge quota.
    f.perform({ "line1.base=200" });
    f.expectTexts({ "line1.quota=42", "line1.surchargeQuota=5.2", "total=247.2" });
    f.perform({ "line1.surchargeRate=5.2" });
    f.expectTexts({ "line1.surchargeQuota=10.4", "total=252.4" });
    f.verifyBoxes({});
}

void TestIssuedAmounts::decimalCommaUnderASpanishLocale()
{
    LocaleScope decimalComma;
    Fixture f;
    QVERIFY(f.start());
    f.perform({ "type=0", "line1.base=100,5", "line1.rate=21" });
    f.expectTexts({ "line1.quota=21.105", "total=121.605" });
    f.verifyBoxes({});
}

QTEST_MAIN(TestIssuedAmounts)
#include "test_issued_amounts.moc"
