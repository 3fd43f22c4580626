#include "WindowFixture.h"

#include "storage/StoredForms.h"
#include "widgets/PieChart.h"

#include <QComboBox>
#include <QLineEdit>
#include <QLocale>
#include <QRandomGenerator>
#include <QTest>

#include <cmath>

namespace {

struct Invoice {
    QString fecha;
    float total = 0.0f;
    float base3 = 0.0f;
};

// Stores invoices in femi (issued) or frec (received), every column in its stored form: a
// party, a number, the date, and zero in every flag and amount but base3 and total.
bool seed(const QString &table, const QList<Invoice> &invoices)
{
    if (invoices.isEmpty())
        return true;
    for (const QString &statement : schemaStatements())
        execStatement(statement);
    const bool issued = table == QLatin1String("femi");
    const QString zero = storedAmount(0.0f).toString();
    static int number = 0;
    QStringList rows;
    for (const Invoice &invoice : invoices) {
        // Four lines of five amounts (base3 is the 16th), then bret, pret and cret.
        QStringList amounts(23, zero);
        amounts[15] = storedAmount(invoice.base3).toString();
        const QStringList values = QStringList{ QStringLiteral("NULL"),
            issued ? QStringLiteral("43000001, 'A'") : QStringLiteral("40000001"),
            QStringLiteral("'%1'").arg(++number), QStringLiteral("'%1'").arg(invoice.fecha),
            QStringLiteral("0") }
            + QStringList(issued ? 8 : 7, storedFlag(false).toString()) + amounts
            + QStringList{ storedAmount(invoice.total).toString(),
                  issued ? QStringLiteral("70500000") : QStringLiteral("60000000") };
        rows << QLatin1Char('(') + values.join(QLatin1Char(',')) + QLatin1Char(')');
    }
    return execStatement(QStringLiteral("INSERT INTO %1 VALUES %2").arg(table, rows.join(QLatin1Char(','))));
}

bool seedIssued(const QList<Invoice> &invoices)
{
    return seed(QStringLiteral("femi"), invoices);
}

bool seedReceived(const QList<Invoice> &invoices)
{
    return seed(QStringLiteral("frec"), invoices);
}

// Switches the default locale for one test and restores it afterwards.
class LocaleScope {
public:
    explicit LocaleScope(bool decimalComma)
    {
        if (decimalComma)
            QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
    }
    ~LocaleScope() { QLocale::setDefault(m_previous); }

private:
    QLocale m_previous;
};

// "IVA Soportado", "IVA Repercutido", the quarter's result and the final result.
QStringList quarterTexts(const App &app)
{
    const ResultsPage &page = app.resultsPage();
    return textsOf({ page.supported, page.charged, page.quarterResult, page.finalResult });
}

// The month's income, expenses and result.
QStringList monthTexts(const App &app)
{
    const ResultsPage &page = app.resultsPage();
    return textsOf({ page.income, page.expenses, page.monthResult });
}

} // namespace

Q_DECLARE_METATYPE(Invoice)

class TestQuarterResults final : public QObject {
    Q_OBJECT

private slots:
    void quarterSumsBalanceAndCompensation_data();
    void quarterSumsBalanceAndCompensation();
    void quarterSums_data();
    void quarterSums();
    void runningSumMatchesWriteAndReadBack_data();
    void runningSumMatchesWriteAndReadBack();
    void pieShares_data();
    void pieShares();
    void monthSumsBases();
    void failedSelect_data();
    void failedSelect();
};

void TestQuarterResults::quarterSumsBalanceAndCompensation_data()
{
    QTest::addColumn<bool>("decimalComma");
    QTest::addColumn<QString>("compensation");
    QTest::newRow("point") << false << QStringLiteral("2.5");
    QTest::newRow("decimal comma") << true << QStringLiteral("2,5");
}

void TestQuarterResults::quarterSumsBalanceAndCompensation()
{
    QFETCH(bool, decimalComma);
    QFETCH(QString, compensation);
    LocaleScope locale(decimalComma);
    WindowFixture window;
    QVERIFY(seedIssued({ { "10/01/2026", 121.0f }, { "31/03/2026", 242.0f } }));
    QVERIFY(seedReceived({ { "15/02/2026", 60.5f } }));
    QVERIFY(window.startOn(QDate(2026, 5, 15)));
    const ResultsPage &page = window.app->resultsPage();

    page.quarter->setCurrentIndex(0);
    QCOMPARE(quarterTexts(*window.app), QStringList({ "363", "60.5", "302.5", "302.5" }));
    typeText(page.compensation, compensation);
    QCOMPARE(quarterTexts(*window.app), QStringList({ "363", "60.5", "302.5", "300" }));
    // Another quarter keeps the compensation typed.
    page.quarter->setCurrentIndex(1);
    QCOMPARE(quarterTexts(*window.app), QStringList({ "0", "0", "0", "-2.5" }));
    QCOMPARE(window.takeBoxes(), QStringList());
}

void TestQuarterResults::quarterSums_data()
{
    QTest::addColumn<QDate>("today");
    QTest::addColumn<int>("quarter");
    QTest::addColumn<QList<Invoice>>("issued");
    QTest::addColumn<QList<Invoice>>("received");
    // "IVA Soportado", "IVA Repercutido" and the quarter's result.
    QTest::addColumn<QStringList>("texts");

    const QDate may2026(2026, 5, 15);
    const QStringList none(3, QStringLiteral("0"));
    // One issued invoice of 100 and one received of 40, both on fecha.
    const auto onDay = [&](const char *name, int quarter, const char *fecha, bool counts) {
        QTest::newRow(name) << may2026 << quarter << QList<Invoice>{ { fecha, 100.0f } }
                            << QList<Invoice>{ { fecha, 40.0f } }
                            << (counts ? QStringList{ "100", "40", "60" } : none);
    };
    onDay("first day of the quarter", 0, "01/01/2026", true);
    onDay("last day of the quarter", 0, "31/03/2026", true);
    onDay("first day of the next quarter", 0, "01/04/2026", false);
    onDay("same quarter of the previous year", 0, "15/02/2025", false);
    onDay("last day of the year", 3, "31/12/2026", true);
    onDay("date in another form", 1, "2026-05-10", false);
    // Nor does a date that does not parse count in the month block, with no year or month.
    QTest::newRow("unreadable dates") << may2026 << 1 << QList<Invoice>{ { "2026-05-10", 100.0f, 7.0f } }
                                      << QList<Invoice>{ { "", 40.0f, 9.0f } } << none;

    // Six significant digits after every addition: issued totals of the second quarter.
    const auto summed = [&](const char *name, const QList<float> &totals, const QString &sum) {
        QList<Invoice> invoices;
        for (const float total : totals)
            invoices << Invoice{ QStringLiteral("20/04/2026"), total };
        QTest::newRow(name) << may2026 << 1 << invoices << QList<Invoice>() << QStringList{ sum, "0", sum };
    };
    summed("a million in exponent notation", { 999999.0f, 1.0f }, QStringLiteral("1e+06"));
    // 1000008 unrounded; each step reads 1e+06 back and loses the 4.
    summed("later steps read the rounded text", { 999999.0f, 1.0f, 4.0f, 4.0f }, QStringLiteral("1e+06"));
    summed("six digits", { 12345.67f }, QStringLiteral("12345.7"));
    summed("fractions", { 0.5f, 0.25f, 21.105f }, QStringLiteral("21.855"));

    // While today is unknown nothing is summed, not even the rows of Qt's first date's year.
    QTest::newRow("today unknown") << QDate() << 0
                                   << QList<Invoice>{ { "10/01/2026", 121.0f }, { "10/01/2000", 5.0f } }
                                   << QList<Invoice>{ { "10/01/2026", 21.0f } } << none;
}

void TestQuarterResults::quarterSums()
{
    QFETCH(QDate, today);
    QFETCH(int, quarter);
    QFETCH(QList<Invoice>, issued);
    QFETCH(QList<Invoice>, received);
    WindowFixture window;
    QVERIFY(seedIssued(issued));
    QVERIFY(seedReceived(received));
    QVERIFY(today.isNull() ? window.startWithoutToday() : window.startOn(today));

    // The first reply fills the year list and leaves no year or month chosen.
    QCOMPARE(monthTexts(*window.app), QStringList(3, QStringLiteral("0")));
    window.app->resultsPage().quarter->setCurrentIndex(quarter);
    QTEST(quarterTexts(*window.app).mid(0, 3), "texts");
    QCOMPARE(window.takeBoxes(), QStringList());
}

void TestQuarterResults::runningSumMatchesWriteAndReadBack_data()
{
    QTest::addColumn<bool>("decimalComma");
    QTest::newRow("point locale") << false;
    QTest::newRow("decimal comma locale") << true;
}

void TestQuarterResults::runningSumMatchesWriteAndReadBack()
{
    QFETCH(bool, decimalComma);
    LocaleScope locale(decimalComma);
    WindowFixture window;

    // Enough rows of up to 9999.99 for the sums to pass a million and to round at every step.
    QRandomGenerator random(20260820);
    QList<Invoice> issued;
    QList<Invoice> received;
    for (int i = 0; i < 3000; ++i) {
        const QString fecha = QDate(2026, 7 + i % 3, 1 + i % 28).toString(QStringLiteral("dd/MM/yyyy"));
        issued << Invoice{ fecha, float(random.bounded(1000000)) / 100.0f };
        received << Invoice{ fecha, float(random.bounded(100000)) / 100.0f };
    }
    QVERIFY(seedIssued(issued));
    QVERIFY(seedReceived(received));

    // Each row written into a field and read back from it, as the page's first design did.
    const auto writeAndReadBack = [](const QList<Invoice> &invoices) {
        QLineEdit field(QStringLiteral("0"));
        for (const Invoice &invoice : invoices)
            field.setText(QString::number(double(field.text().toFloat()) + double(invoice.total), 'g', 6));
        return field.text();
    };
    const QString supported = writeAndReadBack(issued);
    const QString charged = writeAndReadBack(received);
    QVERIFY(supported.contains(QLatin1String("e+07")));

    QVERIFY(window.startOn(QDate(2026, 8, 20)));
    window.app->resultsPage().quarter->setCurrentIndex(2);
    QCOMPARE(quarterTexts(*window.app).mid(0, 3),
        QStringList({ supported, charged,
            QString::number(double(supported.toFloat()) - double(charged.toFloat()), 'g', 6) }));
    QCOMPARE(window.takeBoxes(), QStringList());
}

void TestQuarterResults::pieShares_data()
{
    QTest::addColumn<QList<float>>("issued");
    QTest::addColumn<QList<float>>("received");
    QTest::addColumn<float>("blue");
    QTest::addColumn<bool>("drawn");

    QTest::newRow("example") << QList<float>{ 363.0f } << QList<float>{ 60.5f }
                             << float(363.0 / 423.5 * 100.0) << true;
    QTest::newRow("halves") << QList<float>{ 121.0f } << QList<float>{ 121.0f } << 50.0f << true;
    QTest::newRow("only issued") << QList<float>{ 80.0f } << QList<float>{} << 100.0f << true;
    QTest::newRow("only received") << QList<float>{} << QList<float>{ 80.0f } << 0.0f << true;
    // A received total made negative by its withholding cancels the issued one: s ÷ 0.
    QTest::newRow("received total cancels issued") << QList<float>{ 121.0f } << QList<float>{ -121.0f }
                                                   << std::numeric_limits<float>::infinity() << false;
}

void TestQuarterResults::pieShares()
{
    QFETCH(QList<float>, issued);
    QFETCH(QList<float>, received);
    QFETCH(float, blue);
    WindowFixture window;
    const auto invoicesOf = [](const QList<float> &totals) {
        QList<Invoice> invoices;
        for (const float total : totals)
            invoices << Invoice{ QStringLiteral("02/11/2026"), total };
        return invoices;
    };
    QVERIFY(seedIssued(invoicesOf(issued)));
    QVERIFY(seedReceived(invoicesOf(received)));
    QVERIFY(window.startOn(QDate(2026, 11, 2)));

    window.app->resultsPage().quarter->setCurrentIndex(3);
    const PieChart *pie = window.app->pie();
    QCOMPARE(pie->blue(), blue);
    QCOMPARE(pie->red(), float(100.0 - double(blue)));
    QTEST(PieChart::slicesFor(pie->blue(), pie->red()).draw, "drawn");

    // An empty quarter after a full one: both sums 0, the share 0 ÷ 0, nothing drawn.
    window.app->resultsPage().quarter->setCurrentIndex(0);
    QVERIFY(std::isnan(pie->blue()));
    QVERIFY(!PieChart::slicesFor(pie->blue(), pie->red()).draw);
    QCOMPARE(window.takeBoxes(), QStringList());
}

void TestQuarterResults::monthSumsBases()
{
    WindowFixture window;
    QVERIFY(seedIssued({ { "10/03/2015", 121.0f, 100.0f }, { "31/03/2015", 61.0f, 50.5f },
        { "01/04/2015", 1000.0f, 999.0f }, { "10/03/2016", 90.0f, 77.0f } }));
    QVERIFY(seedReceived({ { "15/03/2015", 24.2f, 20.0f }, { "28/02/2015", 6.0f, 5.0f } }));
    QVERIFY(execStatement(
        QStringLiteral("INSERT INTO ogei (fecha, importe, ctc) VALUES ('12/03/2015', 300, 62500000)")));
    QVERIFY(window.startOn(QDate(2026, 5, 15)));
    const ResultsPage &page = window.app->resultsPage();

    // A year without a month matches nothing.
    page.year->setCurrentIndex(page.year->findText(QStringLiteral("2015")));
    QCOMPARE(monthTexts(*window.app), QStringList({ "0", "0", "0" }));
    // The month result adds the two sums of bases.
    page.month->setCurrentIndex(2);
    QCOMPARE(monthTexts(*window.app), QStringList({ "150.5", "20", "170.5" }));
    page.year->setCurrentIndex(page.year->findText(QStringLiteral("2016")));
    QCOMPARE(monthTexts(*window.app), QStringList({ "77", "0", "77" }));
    // The quarter block is not touched.
    QCOMPARE(page.supported->text(), QStringLiteral("0"));
    QCOMPARE(window.takeBoxes(), QStringList());
}

void TestQuarterResults::failedSelect_data()
{
    QTest::addColumn<bool>("quarterBlock");
    QTest::addColumn<QString>("dropped");
    QTest::addColumn<QStringList>("after");

    // Quarter block: sums up to the failure, then the results from them.
    QTest::newRow("quarter, issued") << true << QStringLiteral("femi") << QStringList{ "0", "0", "0", "-1" };
    QTest::newRow("quarter, received")
        << true << QStringLiteral("frec") << QStringList{ "12.1", "0", "12.1", "11.1" };
    // Month block: it ends, the fields it had not reached keep their texts.
    QTest::newRow("month, issued") << false << QStringLiteral("femi") << QStringList{ "100", "20", "120" };
    QTest::newRow("month, received") << false << QStringLiteral("frec") << QStringList{ "7", "20", "120" };
}

void TestQuarterResults::failedSelect()
{
    QFETCH(bool, quarterBlock);
    QFETCH(QString, dropped);
    WindowFixture window;
    QVERIFY(seedIssued({ { "10/03/2026", 121.0f, 100.0f }, { "10/04/2026", 12.1f, 10.0f },
        { "07/04/2015", 8.0f, 7.0f }, { "10/03/2015", 121.0f, 100.0f } }));
    QVERIFY(seedReceived({ { "15/03/2026", 60.5f, 50.0f }, { "15/03/2015", 24.2f, 20.0f } }));
    QVERIFY(window.startOn(QDate(2026, 5, 15)));
    const ResultsPage &page = window.app->resultsPage();
    typeText(page.compensation, QStringLiteral("1"));
    page.quarter->setCurrentIndex(0);
    page.year->setCurrentIndex(page.year->findText(QStringLiteral("2015")));
    page.month->setCurrentIndex(2);
    QCOMPARE(window.takeBoxes(), QStringList());

    QVERIFY(execStatement(QStringLiteral("DROP TABLE ") + dropped));
    if (quarterBlock)
        page.quarter->setCurrentIndex(1);
    else
        page.month->setCurrentIndex(3);
    QTEST(quarterBlock ? quarterTexts(*window.app) : monthTexts(*window.app), "after");
    const QStringList seen = window.takeBoxes();
    QCOMPARE(seen.size(), 1);
    QVERIFY2(seen[0].startsWith(QLatin1String("critical|Error|"))
            && seen[0].contains(QLatin1String("no such table")),
        qPrintable(seen[0]));
}

QTEST_MAIN(TestQuarterResults)
#include "test_quarter_results.moc"
