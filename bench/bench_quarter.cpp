// Choosing a quarter on the results page, timed against a bare scan of the same rows:
// the two SELECTs of the quarter block and the parse of every date, nothing else.
//
//   bench_quarter [rows per table, default 100000] [rounds, default 15] [per-row rounds, default 3]
//
// For comparison it also times the first design of the quarter block, which wrote the
// running sum into its field and read it back for every row (so every row repainted
// the pie), and checks that it gives the same texts.
//
// Run it with QT_QPA_PLATFORM=offscreen. Today is set through a local fake time server
// that answers with the machine's current time; the generated rows fall in its year.

#include "App.h"
#include "BenchSupport.h"
#include "DataGenerator.h"
#include "TestSupport.h"
#include "dates/Quarters.h"
#include "entries/Amount.h"

#include <QApplication>
#include <QComboBox>
#include <QDate>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTabWidget>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

// The floor under any quarter sum: both SELECTs and the date of every row.
int bareScan(QSqlDatabase &db)
{
    int validDates = 0;
    for (const char *statement : { "SELECT fecha, total FROM femi", "SELECT fecha, total FROM frec" }) {
        QSqlQuery query(db);
        query.setForwardOnly(true);
        if (!query.exec(QString::fromLatin1(statement)))
            qFatal("bare scan: %s failed", statement);
        while (query.next())
            validDates
                += QDate::fromString(query.value(0).toString(), QStringLiteral("dd/MM/yyyy")).isValid();
    }
    return validDates;
}

// The quarter block as first designed: every matching row written into the field and
// read back from it. Returns the four texts of the block.
QStringList perRowWrites(const App &app, QSqlDatabase &db, int quarter)
{
    const ResultsPage &page = app.resultsPage();
    page.supported->setText(QStringLiteral("0"));
    page.charged->setText(QStringLiteral("0"));
    const QDate first = quarterBoundary(quarter, false, 0, app.today().date());
    const QDate last = quarterBoundary(quarter, true, 0, app.today().date());
    const auto addInto = [&](const char *statement, QLineEdit *field) {
        QSqlQuery query(db);
        query.setForwardOnly(true);
        if (!query.exec(QString::fromLatin1(statement)))
            qFatal("per-row writes: %s failed", statement);
        while (query.next()) {
            const QDate date = QDate::fromString(query.value(0).toString(), QStringLiteral("dd/MM/yyyy"));
            if (first <= date && date <= last)
                field->setText(displayAmount(amountFromText(field->text())
                    + Decimal::fromDouble(query.value(1).toDouble()).roundedToCents()));
        }
    };
    addInto("SELECT fecha, total FROM femi", page.supported);
    addInto("SELECT fecha, total FROM frec", page.charged);
    page.quarterResult->setText(
        displayAmount(amountFromText(page.supported->text()) - amountFromText(page.charged->text())));
    page.finalResult->setText(displayAmount(
        amountFromText(page.quarterResult->text()) - amountFromText(page.compensation->text())));
    return { page.supported->text(), page.charged->text(), page.quarterResult->text(),
        page.finalResult->text() };
}

QStringList quarterTexts(const App &app)
{
    const ResultsPage &page = app.resultsPage();
    return { page.supported->text(), page.charged->text(), page.quarterResult->text(),
        page.finalResult->text() };
}

} // namespace

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    const QStringList arguments = application.arguments();
    const int rows = arguments.size() > 1 ? arguments.at(1).toInt() : 100000;
    const int rounds = arguments.size() > 2 ? arguments.at(2).toInt() : 15;
    const int perRowRounds = arguments.size() > 3 ? arguments.at(3).toInt() : 3;
    if (rows <= 0 || rounds <= 0 || perRowRounds < 0)
        qFatal("usage: bench_quarter [rows per table] [rounds] [per-row rounds]");

    QTemporaryDir scratch;
    QDir::setCurrent(scratch.path());
    const QDateTime now = QDateTime::currentDateTimeUtc();
    QElapsedTimer generation;
    generation.start();
    generateDatabase(scratch.filePath(QStringLiteral("data.db")), rows, now.date().year());
    std::printf("generated %d rows per table in %.0f ms\n", rows, millisecondsOf(generation));

    FakeTimeServer server;
    server.answerWith(now);
    App app(QStringLiteral("127.0.0.1"), server.m_socket.localPort());
    waitForToday(app);
    // The results page is on show, so the pie really paints.
    app.tabs()->setCurrentIndex(4);
    QCoreApplication::processEvents();

    QComboBox *quarter = app.resultsPage().quarter;
    QSqlDatabase db = QSqlDatabase::database();
    std::vector<double> choosing;
    std::vector<double> scanning;
    int scanned = 0;
    // One warm-up round of each, then interleaved rounds; each round picks another quarter
    // so that the list's change runs the sum.
    for (int round = -1; round < rounds; ++round) {
        QElapsedTimer timer;
        timer.start();
        quarter->setCurrentIndex((round + 1) % 4);
        const double choice = millisecondsOf(timer);
        timer.restart();
        scanned = bareScan(db);
        const double scan = millisecondsOf(timer);
        if (round >= 0) {
            choosing.push_back(choice);
            scanning.push_back(scan);
        }
    }

    // The first design, on the same quarters; each round leaves the list on a quarter
    // whose texts it must reproduce.
    std::vector<double> writing;
    bool sameTexts = true;
    for (int round = 0; round < perRowRounds; ++round) {
        quarter->setCurrentIndex((quarter->currentIndex() + 1) % 4);
        const QStringList expected = quarterTexts(app);
        QElapsedTimer timer;
        timer.start();
        const QStringList texts = perRowWrites(app, db, quarter->currentIndex());
        writing.push_back(millisecondsOf(timer));
        sameTexts = sameTexts && texts == expected;
    }

    const double choice = median(choosing);
    const double scan = median(scanning);
    std::printf("rows scanned per round: %d (issued and received)\n", scanned);
    std::printf("choosing a quarter: median %.1f ms over %d rounds\n", choice, rounds);
    std::printf("bare scan:          median %.1f ms over %d rounds\n", scan, rounds);
    std::printf("ratio: %.2f (target at most 2)\n", choice / scan);
    if (!writing.empty())
        std::printf("per-row writes:     median %.1f ms over %d rounds, %s texts\n", median(writing),
            perRowRounds, sameTexts ? "same" : "DIFFERENT");
    return 0;
}
