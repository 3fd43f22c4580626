// "Enviar" on a large book, timed against the sqlite3 command-line shell writing the
// same four tables as ";"-separated text, in the same run on the same machine.
//
//   bench_export [rows per table, default 100000] [rounds, default 5]
//
// Run it with QT_QPA_PLATFORM=offscreen and sqlite3 on the PATH. The export is the real
// button of a real window: its confirmation and closing boxes are answered by a box
// responder, so the time includes them (a few milliseconds). The writer's share alone is
// timed too, on the same queries.

#include "App.h"
#include "BenchSupport.h"
#include "DataGenerator.h"
#include "TestSupport.h"
#include "results/ExportWriter.h"
#include "storage/ExportTables.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QFrame>
#include <QProcess>
#include <QPushButton>
#include <QSaveFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

// The reference: the shell's own text of the four tables into one file.
double timeShell(const QString &output)
{
    QProcess shell;
    shell.setStandardOutputFile(output);
    QElapsedTimer timer;
    timer.start();
    shell.start(QStringLiteral("sqlite3"),
        { QStringLiteral("-separator"), QStringLiteral(";"), QStringLiteral("data.db"),
            QStringLiteral(
                "SELECT * FROM cap; SELECT * FROM femi; SELECT * FROM frec; SELECT * FROM ogei;") });
    if (!shell.waitForFinished(-1) || shell.exitStatus() != QProcess::NormalExit || shell.exitCode() != 0)
        qFatal("sqlite3 failed: %s", shell.readAllStandardError().constData());
    return millisecondsOf(timer);
}

double timeSend(App &app, BoxResponder &responder, const QString &fileName)
{
    responder.m_boxes.clear();
    responder.answer(QStringLiteral("Sí"));
    QElapsedTimer timer;
    timer.start();
    QTest::mouseClick(app.exportPage().send, Qt::LeftButton);
    const double elapsed = millisecondsOf(timer);
    if (responder.m_boxes.size() != 2
        || !responder.m_boxes.last().text.startsWith(QStringLiteral("Archivo exportado correctamente")))
        qFatal("the export did not succeed: %s",
            qPrintable(responder.m_boxes.isEmpty() ? QString() : responder.m_boxes.last().text));
    if (!QFileInfo::exists(fileName))
        qFatal("no export file %s", qPrintable(fileName));
    return elapsed;
}

// The four queries and the writer, with no window and no boxes.
double timeWriter(const QString &output)
{
    QSqlDatabase db = QSqlDatabase::database();
    if (!db.open())
        qFatal("cannot open data.db");
    QElapsedTimer timer;
    timer.start();
    {
        ExportTables tables(db);
        if (const QSqlError error = tables.run(); error.isValid())
            qFatal("the export's tables cannot be read: %s", qPrintable(error.text()));
        QSaveFile file(output);
        if (!file.open(QIODevice::WriteOnly))
            qFatal("cannot write %s", qPrintable(output));
        ExportWriter writer(file);
        if (!writer.write(tables.parties(), tables.issued(), tables.received(), tables.otherEntries())
            || !file.commit())
            qFatal("writing failed: %s", qPrintable(writer.errorString()));
    }
    const double elapsed = millisecondsOf(timer);
    db.close();
    return elapsed;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    const QStringList arguments = application.arguments();
    const int rows = arguments.size() > 1 ? arguments.at(1).toInt() : 100000;
    const int rounds = arguments.size() > 2 ? arguments.at(2).toInt() : 5;
    if (rows <= 0 || rounds <= 0)
        qFatal("usage: bench_export [rows per table] [rounds]");

    QTemporaryDir scratch;
    QDir::setCurrent(scratch.path());
    const QDateTime now = QDateTime::currentDateTimeUtc();
    QElapsedTimer generation;
    generation.start();
    generateDatabase(scratch.filePath(QStringLiteral("data.db")), rows, now.date().year());
    std::printf("generated %d rows per table in %.0f ms\n", rows, millisecondsOf(generation));

    BoxResponder responder;
    FakeTimeServer server;
    server.answerWith(now);
    App app(QStringLiteral("127.0.0.1"), server.m_socket.localPort());
    waitForToday(app);
    app.tabs()->setCurrentWidget(app.exportPage().frame);
    QCoreApplication::processEvents();
    const QString fileName
        = QStringLiteral("12345678Z_") + app.today().date().toString(u"yyyyMMdd") + QStringLiteral(".csv");

    std::vector<double> sending, writing, shelling;
    // One warm-up round of each, then interleaved rounds.
    for (int round = -1; round < rounds; ++round) {
        const double send = timeSend(app, responder, fileName);
        const double write = timeWriter(QStringLiteral("writer.csv"));
        const double shell = timeShell(QStringLiteral("shell.txt"));
        if (round >= 0) {
            sending.push_back(send);
            writing.push_back(write);
            shelling.push_back(shell);
        }
    }

    const double send = median(sending);
    const double write = median(writing);
    const double shell = median(shelling);
    std::printf("export file: %lld bytes; shell's text: %lld bytes\n", QFileInfo(fileName).size(),
        QFileInfo(QStringLiteral("shell.txt")).size());
    std::printf("Enviar (whole slot):    median %.0f ms over %d rounds\n", send, rounds);
    std::printf("writer and queries:     median %.0f ms over %d rounds\n", write, rounds);
    std::printf("sqlite3 shell:          median %.0f ms over %d rounds\n", shell, rounds);
    std::printf("ratio Enviar / shell: %.2f (target at most 1.5)\n", send / shell);
    return 0;
}
