// "Facturas Emitidas": the quotas and the total as the user types.

#include "IssuedInvoiceTesting.h"

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
    // "field=text" pairs, checked after the steps.
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("100 at 21") << QStringList{ "type=0", "line1.base=100", "line1.rate=21" }
                               << QStringList{ "line1.quota=21", "total=121" };
    QTest::newRow("six significant digits") << QStringList{ "type=0", "line1.base=12345.67", "line1.rate=21" }
                                            << QStringList{ "line1.quota=2592.59", "total=14938.3" };
    QTest::newRow("exponent from a million") << QStringList{ "type=0", "line1.base=1000000", "line1.rate=21" }
                                             << QStringList{ "line1.quota=210000", "total=1.21e+06" };
    QTest::newRow("1.2.3 counts 0") << QStringList{ "type=0", "line1.base=1.2.3", "line1.rate=21" }
                                    << QStringList{ "line1.quota=0", "total=0" };
    QTest::newRow("three lines") << QStringList{ "type=0", "line1.base=100", "line1.rate=21", "line2.base=50",
        "line2.rate=10", "line3.base=20", "line3.rate=4" }
                                 << QStringList{ "line1.quota=21", "line2.quota=5", "line3.quota=0.8",
                                        "total=196.8" };
    QTest::newRow("emptied line leaves the total") << QStringList{ "type=0", "line1.base=100",
        "line1.rate=21", "line2.base=50", "line2.rate=10", "line2.base=", "line2.rate=" }
                                                   << QStringList{ "line2.quota=0", "total=121" };
    QTest::newRow("withholding 1000 at 15") << QStringList{ "type=0", "line1.base=1000", "line1.rate=21",
        "withholding", "rental", "withholding.base=1000", "withholding.percentage=15" }
                                            << QStringList{ "withholding.quota=150", "total=1060" };
    QTest::newRow("withholding quota waits for its own fields") << QStringList{ "type=0", "withholding",
        "rental", "withholding.base=1000", "withholding.percentage=15", "line1.base=2000",
        "line1.rate=21" } << QStringList{ "withholding.quota=150", "line1.quota=420", "total=2270" };
    QTest::newRow("total only, less the withholding") << QStringList{ "type=0", "line1.base=100",
        "line1.rate=21", "withholding", "professionals", "withholding.base=100", "withholding.percentage=15",
        "reverseCharge" } << QStringList{ "line1.quota=0", "withholding.quota=15", "total=85" };
    QTest::newRow("exports: the invoice total")
        << QStringList{ "type=2", "line1.base=1210" } << QStringList{ "line1.quota=0", "total=1210" };
    // Each 1.9 is lost against 33554440 in single precision: in double the total would
    // read 3.35545e+07.
    QTest::newRow("single-precision sum")
        << QStringList{ "type=0", "surcharge", "line1.base=33554440", "line1.rate=0", "line1.surchargeRate=0",
               "line2.base=1.9", "line2.rate=100", "line2.surchargeRate=100", "line3.base=1.9",
               "line3.rate=100", "line3.surchargeRate=100" }
        << QStringList{ "line2.quota=1.9", "line3.surchargeQuota=1.9", "total=3.35544e+07" };
    QTest::newRow("surcharge unticked") << QStringList{ "type=0", "line1.base=100", "line1.rate=21",
        "surcharge", "line1.surchargeRate=5.2", "surcharge" }
                                        << QStringList{ "line1.surchargeRate=", "total=121" };
}

void TestIssuedAmounts::amountsFollowTheTyping()
{
    QFETCH(QStringList, steps);
    QFETCH(QStringList, expected);

    Fixture f;
    QVERIFY(f.start());
    f.perform(steps);
    for (const QString &pair : expected) {
        const QString name = pair.section(QLatin1Char('='), 0, 0);
        QCOMPARE(f.text(name), pair.section(QLatin1Char('='), 1));
    }
    f.verifyBoxes({});
}

void TestIssuedAmounts::surchargeQuotaFollowsOnlyItsRate()
{
    Fixture f;
    QVERIFY(f.start());
    f.perform({ "type=0", "line1.base=100", "line1.rate=21", "surcharge", "line1.surchargeRate=5.2" });
    QCOMPARE(f.text("line1.surchargeQuota"), QStringLiteral("5.2"));
    QCOMPARE(f.text("total"), QStringLiteral("126.2"));

    // A new base recomputes the VAT quota and the total, not the surcharge quota.
    f.perform({ "line1.base=200" });
    QCOMPARE(f.text("line1.quota"), QStringLiteral("42"));
    QCOMPARE(f.text("line1.surchargeQuota"), QStringLiteral("5.2"));
    QCOMPARE(f.text("total"), QStringLiteral("247.2"));

    f.perform({ "line1.surchargeRate=5.2" });
    QCOMPARE(f.text("line1.surchargeQuota"), QStringLiteral("10.4"));
    QCOMPARE(f.text("total"), QStringLiteral("252.4"));
    f.verifyBoxes({});
}

void TestIssuedAmounts::decimalCommaUnderASpanishLocale()
{
    DecimalCommaScope decimalComma;
    Fixture f;
    QVERIFY(f.start());
    f.perform({ "type=0", "line1.base=100,5", "line1.rate=21" });
    QCOMPARE(f.text("line1.quota"), QStringLiteral("21.105"));
    QCOMPARE(f.text("total"), QStringLiteral("121.605"));
    f.verifyBoxes({});
}

QTEST_MAIN(TestIssuedAmounts)
#include "test_issued_amounts.moc"
