#include "TestSupport.h"

#include "storage/StoredForms.h"
#include "widgets/PieChart.h"

#include <QApplication>
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

// The columns of femi (issued) or frec (received) after auid, each with a stored value:
// a party, a number, the date, and zero in every flag and amount but total and base3.
QString invoiceInsert(const QString &table, const QList<Invoice> &invoices)
{
    const bool issued = table == QLatin1String("femi");
    QStringList columns{ issued ? QStringLiteral("cliente") : QStringLiteral("proveedor") };
    if (issued)
        columns << QStringLiteral("serie");
    columns << QStringLiteral("nfac") << QStringLiteral("fecha") << QStringLiteral("type");
    const QStringList flags = issued ? QStringList{ "cm", "rec", "isp", "cc", "ret", "alq", "pyo", "vin" }
                                     : QStringList{ "inv", "cm", "isp", "cc", "ret", "alq", "pyo" };
    columns << flags;
    const QStringList perLine = issued ? QStringList{ "base", "piva", "civa", "prec", "crec" }
                                       : QStringList{ "base", "piva", "civa", "ivas", "ivar" };
    QStringList zeroAmounts;
    for (int line = 0; line <= 3; ++line)
        for (const QString &name : perLine)
            zeroAmounts << name + QString::number(line);
    zeroAmounts << QStringLiteral("bret") << QStringLiteral("pret") << QStringLiteral("cret");
    zeroAmounts.removeAll(QStringLiteral("base3"));
    columns << zeroAmounts << QStringLiteral("base3") << QStringLiteral("total") << QStringLiteral("ctc");

    QStringList rows;
    static int number = 0;
    for (const Invoice &invoice : invoices) {
        QStringList values{ issued ? QStringLiteral("43000001") : QStringLiteral("40000001") };
        if (issued)
            values << QStringLiteral("'A'");
        values << QStringLiteral("'%1'").arg(++number) << QStringLiteral("'%1'").arg(invoice.fecha)
               << QStringLiteral("0");
        for (int i = 0; i < flags.size(); ++i)
            values << QString::number(storedFlag(false).toInt());
        for (int i = 0; i < zeroAmounts.size(); ++i)
            values << storedAmount(0.0f).toString();
        values << storedAmount(invoice.base3).toString() << storedAmount(invoice.total).toString()
               << (issued ? QStringLiteral("70500000") : QStringLiteral("60000000"));
        rows << QStringLiteral("(%1)").arg(values.join(QLatin1Char(',')));
    }
    return QStringLiteral("INSERT INTO %1 (%2) VALUES %3")
        .arg(table, columns.join(QLatin1Char(',')), rows.join(QLatin1Char(',')));
}

bool seed(const QString &table, const QList<Invoice> &invoices)
{
    if (invoices.isEmpty())
        return true;
    for (const QString &statement : schemaStatements())
        execStatement(statement);
    return execStatement(invoiceInsert(table, invoices));
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

struct QuarterTexts {
    QString supported, charged, result, final;
};

QuarterTexts quarterTexts(const App &app)
{
    const ResultsPage &page = app.resultsPage();
    return { page.supported->text(), page.charged->text(), page.quarterResult->text(),
        page.finalResult->text() };
}

QStringList monthTexts(const App &app)
{
    const ResultsPage &page = app.resultsPage();
    return { page.income->text(), page.expenses->text(), page.monthResult->text() };
}

} // namespace

class TestQuarterResults final : public QObject {
    Q_OBJECT

private slots:
    void quarterSumsBalanceAndCompensation_data();
    void quarterSumsBalanceAndCompensation();
    void quarterBoundaries_data();
    void quarterBoundaries();
    void sumsKeepSixSignificantDigits_data();
    void sumsKeepSixSignificantDigits();
    void runningSumMatchesWriteAndReadBack_data();
    void runningSumMatchesWriteAndReadBack();
    void pieShares_data();
    void pieShares();
    void noQuarterSumsWhileTodayUnknown();
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
    ScratchDirectory scratch;
    BoxResponder responder;
    FakeTimeServer server;
    server.answerWith(noonOn(2026, 5, 15));
    QVERIFY(seedIssued({ { "10/01/2026", 121.0f }, { "31/03/2026", 242.0f } }));
    QVERIFY(seedReceived({ { "15/02/2026", 60.5f } }));
    auto app = startApp(server);
    QTRY_VERIFY(app->today().isValid());
    const ResultsPage &page = app->resultsPage();

    page.quarter->setCurrentIndex(0);
    QuarterTexts texts = quarterTexts(*app);
    QCOMPARE(texts.supported, QStringLiteral("363"));
    QCOMPARE(texts.charged, QStringLiteral("60.5"));
    QCOMPARE(texts.result, QStringLiteral("302.5"));
    QCOMPARE(texts.final, QStringLiteral("302.5"));

    typeText(page.compensation, compensation);
    texts = quarterTexts(*app);
    QCOMPARE(texts.result, QStringLiteral("302.5"));
    QCOMPARE(texts.final, QStringLiteral("300"));

    // Another quarter keeps the compensation typed.
    page.quarter->setCurrentIndex(1);
    texts = quarterTexts(*app);
    QCOMPARE(texts.supported, QStringLiteral("0"));
    QCOMPARE(texts.charged, QStringLiteral("0"));
    QCOMPARE(texts.result, QStringLiteral("0"));
    QCOMPARE(texts.final, QStringLiteral("-2.5"));
    QVERIFY(responder.boxes().isEmpty());
}

void TestQuarterResults::quarterBoundaries_data()
{
    QTest::addColumn<int>("quarter");
    QTest::addColumn<QString>("fecha");
    QTest::addColumn<bool>("counts");

    // Today is 15 May 2026.
    QTest::newRow("first day of the quarter") << 0 << QStringLiteral("01/01/2026") << true;
    QTest::newRow("last day of the quarter") << 0 << QStringLiteral("31/03/2026") << true;
    QTest::newRow("first day of the next quarter") << 0 << QStringLiteral("01/04/2026") << false;
    QTest::newRow("same quarter of the previous year") << 0 << QStringLiteral("15/02/2025") << false;
    QTest::newRow("last day of the year") << 3 << QStringLiteral("31/12/2026") << true;
    QTest::newRow("date in another form") << 1 << QStringLiteral("2026-05-10") << false;
}

void TestQuarterResults::quarterBoundaries()
{
    QFETCH(int, quarter);
    QFETCH(QString, fecha);
    QFETCH(bool, counts);
    ScratchDirectory scratch;
    BoxResponder responder;
    FakeTimeServer server;
    server.answerWith(noonOn(2026, 5, 15));
    QVERIFY(seedIssued({ { fecha, 100.0f } }));
    QVERIFY(seedReceived({ { fecha, 40.0f } }));
    auto app = startApp(server);
    QTRY_VERIFY(app->today().isValid());

    app->resultsPage().quarter->setCurrentIndex(quarter);
    const QuarterTexts texts = quarterTexts(*app);
    QCOMPARE(texts.supported, counts ? QStringLiteral("100") : QStringLiteral("0"));
    QCOMPARE(texts.charged, counts ? QStringLiteral("40") : QStringLiteral("0"));
    QCOMPARE(texts.result, counts ? QStringLiteral("60") : QStringLiteral("0"));
    QVERIFY(responder.boxes().isEmpty());
}

void TestQuarterResults::sumsKeepSixSignificantDigits_data()
{
    QTest::addColumn<QList<float>>("totals");
    QTest::addColumn<QString>("sum");

    QTest::newRow("a million in exponent notation")
        << QList<float>{ 999999.0f, 1.0f } << QStringLiteral("1e+06");
    // 1000008 unrounded; each step reads 1e+06 back and loses the 4.
    QTest::newRow("later steps read the rounded text")
        << QList<float>{ 999999.0f, 1.0f, 4.0f, 4.0f } << QStringLiteral("1e+06");
    QTest::newRow("six digits") << QList<float>{ 12345.67f } << QStringLiteral("12345.7");
    QTest::newRow("fractions") << QList<float>{ 0.5f, 0.25f, 21.105f } << QStringLiteral("21.855");
}

void TestQuarterResults::sumsKeepSixSignificantDigits()
{
    QFETCH(QList<float>, totals);
    ScratchDirectory scratch;
    BoxResponder responder;
    FakeTimeServer server;
    server.answerWith(noonOn(2026, 5, 15));
    QList<Invoice> invoices;
    for (const float total : totals)
        invoices << Invoice{ QStringLiteral("20/04/2026"), total };
    QVERIFY(seedIssued(invoices));
    auto app = startApp(server);
    QTRY_VERIFY(app->today().isValid());

    app->resultsPage().quarter->setCurrentIndex(1);
    QTEST(app->resultsPage().supported->text(), "sum");
    QTEST(app->resultsPage().quarterResult->text(), "sum");
    QVERIFY(responder.boxes().isEmpty());
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
    ScratchDirectory scratch;
    BoxResponder responder;
    FakeTimeServer server;
    server.answerWith(noonOn(2026, 8, 20));

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

    auto app = startApp(server);
    QTRY_VERIFY(app->today().isValid());
    app->resultsPage().quarter->setCurrentIndex(2);
    const QuarterTexts texts = quarterTexts(*app);
    QCOMPARE(texts.supported, supported);
    QCOMPARE(texts.charged, charged);
    QVERIFY(texts.supported.contains(QLatin1String("e+07")));
    QCOMPARE(texts.result, QString::number(double(supported.toFloat()) - double(charged.toFloat()), 'g', 6));
    QVERIFY(responder.boxes().isEmpty());
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
    ScratchDirectory scratch;
    BoxResponder responder;
    FakeTimeServer server;
    server.answerWith(noonOn(2026, 11, 2));
    const auto invoicesOf = [](const QList<float> &totals) {
        QList<Invoice> invoices;
        for (const float total : totals)
            invoices << Invoice{ QStringLiteral("02/11/2026"), total };
        return invoices;
    };
    QVERIFY(seedIssued(invoicesOf(issued)));
    QVERIFY(seedReceived(invoicesOf(received)));
    auto app = startApp(server);
    QTRY_VERIFY(app->today().isValid());

    app->resultsPage().quarter->setCurrentIndex(3);
    const PieChart *pie = app->pie();
    QCOMPARE(pie->blue(), blue);
    QCOMPARE(pie->red(), float(100.0 - double(blue)));
    QTEST(PieChart::slicesFor(pie->blue(), pie->red()).draw, "drawn");

    // An empty quarter after a full one: both sums 0, the share 0 ÷ 0, nothing drawn.
    app->resultsPage().quarter->setCurrentIndex(0);
    QVERIFY(std::isnan(pie->blue()));
    QVERIFY(!PieChart::slicesFor(pie->blue(), pie->red()).draw);
    QVERIFY(responder.boxes().isEmpty());
}

void TestQuarterResults::noQuarterSumsWhileTodayUnknown()
{
    ScratchDirectory scratch;
    BoxResponder responder;
    FakeTimeServer server;
    server.stayQuiet();
    QVERIFY(seedIssued({ { "10/01/2026", 121.0f }, { "10/01/2000", 5.0f } }));
    QVERIFY(seedReceived({ { "10/01/2026", 21.0f } }));
    auto app = startApp(server);

    app->resultsPage().quarter->setCurrentIndex(0);
    const QuarterTexts texts = quarterTexts(*app);
    QCOMPARE(texts.supported, QStringLiteral("0"));
    QCOMPARE(texts.charged, QStringLiteral("0"));
    QCOMPARE(texts.result, QStringLiteral("0"));
    QCOMPARE(app->resultsPage().year->count(), 0);
    QVERIFY(responder.boxes().isEmpty());
}

void TestQuarterResults::monthSumsBases()
{
    ScratchDirectory scratch;
    BoxResponder responder;
    FakeTimeServer server;
    server.answerWith(noonOn(2026, 5, 15));
    QVERIFY(seedIssued({ { "10/03/2015", 121.0f, 100.0f }, { "31/03/2015", 61.0f, 50.5f },
        { "01/04/2015", 1000.0f, 999.0f }, { "10/03/2016", 90.0f, 77.0f } }));
    QVERIFY(seedReceived({ { "15/03/2015", 24.2f, 20.0f }, { "28/02/2015", 6.0f, 5.0f } }));
    QVERIFY(execStatement(
        QStringLiteral("INSERT INTO ogei (fecha, importe, ctc) VALUES ('12/03/2015', 300, 62500000)")));
    auto app = startApp(server);
    QTRY_VERIFY(app->today().isValid());
    const ResultsPage &page = app->resultsPage();

    // A year without a month matches nothing.
    page.year->setCurrentIndex(page.year->findText(QStringLiteral("2015")));
    QCOMPARE(monthTexts(*app), QStringList({ "0", "0", "0" }));
    // The month result adds the two sums of bases.
    page.month->setCurrentIndex(2);
    QCOMPARE(monthTexts(*app), QStringList({ "150.5", "20", "170.5" }));
    page.year->setCurrentIndex(page.year->findText(QStringLiteral("2016")));
    QCOMPARE(monthTexts(*app), QStringList({ "77", "0", "77" }));
    // The quarter block is not touched.
    QCOMPARE(page.supported->text(), QStringLiteral("0"));
    QVERIFY(responder.boxes().isEmpty());
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
    ScratchDirectory scratch;
    BoxResponder responder;
    FakeTimeServer server;
    server.answerWith(noonOn(2026, 5, 15));
    QVERIFY(seedIssued({ { "10/03/2026", 121.0f, 100.0f }, { "10/04/2026", 12.1f, 10.0f },
        { "07/04/2015", 8.0f, 7.0f }, { "10/03/2015", 121.0f, 100.0f } }));
    QVERIFY(seedReceived({ { "15/03/2026", 60.5f, 50.0f }, { "15/03/2015", 24.2f, 20.0f } }));
    auto app = startApp(server);
    QTRY_VERIFY(app->today().isValid());
    const ResultsPage &page = app->resultsPage();
    typeText(page.compensation, QStringLiteral("1"));
    page.quarter->setCurrentIndex(0);
    page.year->setCurrentIndex(page.year->findText(QStringLiteral("2015")));
    page.month->setCurrentIndex(2);
    QVERIFY(responder.boxes().isEmpty());

    QVERIFY(execStatement(QStringLiteral("DROP TABLE ") + dropped));
    QStringList after;
    if (quarterBlock) {
        page.quarter->setCurrentIndex(1);
        const QuarterTexts texts = quarterTexts(*app);
        after = QStringList{ texts.supported, texts.charged, texts.result, texts.final };
    } else {
        page.month->setCurrentIndex(3);
        after = monthTexts(*app);
    }
    QTEST(after, "after");
    QCOMPARE(responder.boxes().size(), 1);
    QCOMPARE(responder.boxes()[0].icon, QMessageBox::Critical);
    QCOMPARE(responder.boxes()[0].title, QStringLiteral("Error"));
    QVERIFY2(responder.boxes()[0].text.contains(QStringLiteral("no such table")),
        qPrintable(responder.boxes()[0].text));
    QVERIFY(!QApplication::activeModalWidget());
}

QTEST_MAIN(TestQuarterResults)
#include "test_quarter_results.moc"
