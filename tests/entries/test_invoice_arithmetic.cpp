// The invoice arithmetic: quotas, single-precision sums, totals; the account number of an item.

#include "entries/InvoiceArithmetic.h"

#include <QTest>

class TestInvoiceArithmetic final : public QObject {
    Q_OBJECT

private slots:
    void quota();
    void sums_data();
    void sums();
    void accountNumber();
};

void TestInvoiceArithmetic::quota()
{
    QCOMPARE(quotaOf(1250.0f, 21.0f), 262.5);
    // 0.1 held as a float is 0.100000001490116...; in float arithmetic the quota would be 0.00999999977.
    QCOMPARE(quotaOf(0.1f, 10.0f), 0.0100000001490116119);
}

// 2^24 + 1 is no float: added to 2^24 a 1 is lost, added to 2 it is kept.
void TestInvoiceArithmetic::sums_data()
{
    QTest::addColumn<std::vector<float>>("terms");
    QTest::addColumn<float>("withholding");
    QTest::addColumn<double>("total");
    const float big = 16777216.0f;
    QTest::newRow("rounded after each term") << std::vector<float>{ big, 1, 1 } << 0.0f << 16777216.0;
    QTest::newRow("small terms first") << std::vector<float>{ 1, 1, big } << 0.0f << 16777218.0;
    QTest::newRow("withholding in double") << std::vector<float>{ big, 1, 1 } << 0.5f << 16777215.5;
    QTest::newRow("a term taken off") << std::vector<float>{ 100, 21, 0, -21 } << 0.0f << 100.0;
    QTest::newRow("single-precision withholding") << std::vector<float>{ 100 } << 0.1f << 99.8999999985098839;
}

void TestInvoiceArithmetic::sums()
{
    QFETCH(std::vector<float>, terms);
    QFETCH(float, withholding);
    QTEST(invoiceTotal(terms, withholding), "total");
    if (terms.size() == 3 && withholding == 0.0f) {
        QFETCH(double, total);
        QCOMPARE(double(sumOfLines(terms[0], terms[1], terms[2])), total);
    }
}

void TestInvoiceArithmetic::accountNumber()
{
    QCOMPARE(
        accountNumberOf(QStringLiteral("70500000    Prestaciones de servicios")), QStringLiteral("70500000"));
    QCOMPARE(accountNumberOf(QStringLiteral("62100000\tArrendamiento")), QStringLiteral("62100000"));
}

QTEST_APPLESS_MAIN(TestInvoiceArithmetic)
#include "test_invoice_arithmetic.moc"
