// "Facturas Recibidas": the VAT quotas, the withholding quota and the total, recomputed
// as the user types and as the modes change.

#include "ReceivedInvoiceTesting.h"

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
    // "name=text" for each read-only field checked afterwards.
    QTest::addColumn<QStringList>("expected");

    const QStringList full{ "type=0" };
    QTest::newRow("100 at 21") << full + QStringList{ "line1.base=100", "line1.rate=21" }
                               << QStringList{ "line1.quota=21", "total=121" };
    QTest::newRow("six significant digits") << full + QStringList{ "line1.base=1234567", "line1.rate=21" }
                                            << QStringList{ "line1.quota=259259", "total=1.49383e+06" };
    QTest::newRow("decimals") << full + QStringList{ "line1.base=12345.67", "line1.rate=21" }
                              << QStringList{ "line1.quota=2592.59", "total=14938.3" };
    QTest::newRow("rate without base")
        << full + QStringList{ "line1.rate=21" } << QStringList{ "line1.quota=0", "total=0" };
    QTest::newRow("a lone point counts 0")
        << full + QStringList{ "line1.base=.", "line1.rate=21", "line2.base=100", "line2.rate=." }
        << QStringList{ "line1.quota=0", "line2.quota=0", "total=100" };
    QTest::newRow("a lone comma counts 0")
        << full + QStringList{ "line1.base=,", "line1.rate=21" } << QStringList{ "line1.quota=0", "total=0" };
    QTest::newRow("withholding 1000 at 15")
        << full
            + QStringList{ "line1.base=1000", "line1.rate=21", "withholding", "professionals",
                  "withholding.base=1000", "withholding.percentage=15" }
        << QStringList{ "line1.quota=210", "withholding.quota=150", "total=1060" };
    QTest::newRow("withholding unticked: the total no longer subtracts it")
        << full
            + QStringList{ "line1.base=1000", "line1.rate=21", "withholding", "withholding.base=1000",
                  "withholding.percentage=15", "withholding" }
        << QStringList{ "withholding.base=", "withholding.percentage=", "withholding.quota=", "total=1210" };
    QTest::newRow("the total can fall below zero")
        << full + QStringList{ "withholding", "withholding.base=1000", "withholding.percentage=15" }
        << QStringList{ "withholding.quota=150", "total=-150" };
    QTest::newRow("intra-community after a full invoice: quotas empty, bases summed")
        << full
            + QStringList{ "line1.base=100", "line1.rate=21", "line2.base=200", "line2.rate=10", "type=1" }
        << QStringList{ "line1.quota=", "line2.quota=", "line3.quota=", "line1.rate=21", "total=300" };
    QTest::newRow("reverse charge: quotas empty")
        << full + QStringList{ "line1.base=100", "line1.rate=21", "reverseCharge" }
        << QStringList{ "line1.quota=", "total=100" };
    QTest::newRow("reverse charge with withholding")
        << full
            + QStringList{ "withholding", "reverseCharge", "line1.base=1000", "line1.rate=21", "rental",
                  "withholding.base=1000", "withholding.percentage=15" }
        << QStringList{ "line1.quota=", "withholding.quota=150", "total=850" };
    QTest::newRow("imports: the total as typed")
        << QStringList{ "type=2", "line1.base=250.5" } << QStringList{ "total=250.5" };
    QTest::newRow("retail after a full invoice keeps the first base only")
        << full + QStringList{ "line1.base=100", "line1.rate=21", "line2.base=10", "line2.rate=4", "retail" }
        << QStringList{ "line1.base=100", "line1.rate=", "line1.quota=", "line2.base=", "total=100" };
    QTest::newRow("emptying every field") << full
            + QStringList{ "line1.base=100", "line1.rate=21", "line2.base=7", "line2.rate=4",
                  "line1.base=", "line1.rate=", "line2.base=", "line2.rate=" }
                                          << QStringList{ "line1.quota=0", "line2.quota=0", "total=0" };
    QTest::newRow("the fourth and fifth fields stay empty")
        << full + QStringList{ "line1.base=100", "line1.rate=21" }
        << QStringList{ "line1.fourth=", "line1.fifth=", "line2.fourth=", "line3.fifth=" };
}

void TestReceivedAmounts::liveAmounts()
{
    QFETCH(QStringList, steps);
    QFETCH(QStringList, expected);

    Fixture f;
    QVERIFY(f.start());
    f.perform(steps);
    if (QTest::currentTestFailed())
        return;
    for (const QString &pair : expected) {
        const QString name = pair.section(QLatin1Char('='), 0, 0);
        QCOMPARE(name + QLatin1Char('=') + f.text(name), pair);
    }
    f.verifyBoxes({});
}

void TestReceivedAmounts::decimalCommaUnderASpanishLocale()
{
    DecimalCommaScope spanish;
    Fixture f;
    QVERIFY(f.start());
    f.perform({ "type=0", "line1.base=100,5", "line1.rate=21", "line2.base=1.5", "line2.rate=10" });
    // Read with the decimal comma, written with a point.
    QCOMPARE(f.text("line1.quota"), QStringLiteral("21.105"));
    QCOMPARE(f.text("line2.quota"), QStringLiteral("0.15"));
    QCOMPARE(f.text("total"), QStringLiteral("123.255"));
    f.verifyBoxes({});
}

QTEST_MAIN(TestReceivedAmounts)
#include "test_received_amounts.moc"
