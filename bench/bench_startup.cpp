// Start-up to the window shown: constructing App (its constructor shows the window) and
// processing the pending events until the window is exposed, with N parties in `cap`
// against an empty `cap`, and a bare Qt window with six empty tabs as the floor.
//
//   bench_startup [timed rounds, default 15] [parties, default 10000]
//
// Every round starts each variant on a fresh working directory holding a copy of its
// data.db (made once, before the rounds) and the four images the window reads; both
// books hold an owner, so the tabs are the central widget. The time server is the tests'
// fake one, kept quiet, so no reply arrives while a window is timed. The three variants
// are interleaved, their order rotated from round to round, after one warm-up round.
//
// Run it with QT_QPA_PLATFORM=offscreen, or under a real X server (xvfb-run).

#include "App.h"
#include "BenchSupport.h"
#include "DataGenerator.h"
#include "TestSupport.h"

#include <QApplication>
#include <QComboBox>
#include <QDate>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QFrame>
#include <QMainWindow>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <array>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

// The images the window reads from its working directory, in the repository.
QString imagesDirectory()
{
    return QFileInfo(QStringLiteral(__FILE__)).dir().absoluteFilePath(QStringLiteral("../images"));
}

void copyOrDie(const QString &from, const QString &to)
{
    if (!QFile::copy(from, to))
        qFatal("cannot copy %s to %s", qPrintable(from), qPrintable(to));
}

// A book with the owner and `parties` rows in `cap`, nothing in the other tables.
void makeBook(const QString &path, int parties)
{
    generateDatabase(path, parties, QDate::currentDate().year());
    const QString connection = QStringLiteral("bench-startup-trim");
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(path);
        if (!db.open())
            qFatal("cannot open %s", qPrintable(path));
        QSqlQuery query(db);
        for (const char *statement : { "DELETE FROM femi", "DELETE FROM frec", "DELETE FROM ogei", "VACUUM" })
            if (!query.exec(QString::fromLatin1(statement)))
                qFatal("%s: %s", statement, qPrintable(query.lastError().text()));
        query.exec(QStringLiteral("SELECT COUNT(*) FROM cap"));
        if (!query.next() || query.value(0).toInt() != parties)
            qFatal("the book does not hold %d parties", parties);
        query.finish();
        db.close();
    }
    QSqlDatabase::removeDatabase(connection);
}

// The floor: a main window whose central widget is a tab widget of six empty frames.
std::unique_ptr<QMainWindow> bareWindow()
{
    auto window = std::make_unique<QMainWindow>();
    window->setWindowTitle(QStringLiteral("Brivana"));
    window->setFixedSize(800, 480);
    auto *tabs = new QTabWidget(window.get());
    for (int i = 1; i <= 6; ++i)
        tabs->addTab(new QFrame, QStringLiteral("Tab %1").arg(i));
    window->setCentralWidget(tabs);
    window->show();
    return window;
}

struct Timing {
    double constructed = 0; // the constructor (or the bare window's set-up and show) returned
    double shown = 0; // then the window exposed and the pending events processed
};

enum Variant { Bare, Empty, Full, VariantCount };
const char *const variantNames[VariantCount]
    = { "bare window, six empty tabs", "App, empty cap", "App, N parties in cap" };

} // namespace

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    const QStringList arguments = application.arguments();
    const int rounds = arguments.size() > 1 ? arguments.at(1).toInt() : 15;
    const int parties = arguments.size() > 2 ? arguments.at(2).toInt() : 10000;
    if (rounds <= 0 || parties <= 0)
        qFatal("usage: bench_startup [timed rounds] [parties]");

    QTemporaryDir scratch;
    const QString emptyBook = scratch.filePath(QStringLiteral("empty.db"));
    const QString fullBook = scratch.filePath(QStringLiteral("full.db"));
    QElapsedTimer generation;
    generation.start();
    makeBook(emptyBook, 0);
    makeBook(fullBook, parties);
    std::printf("books generated in %.0f ms (%lld and %lld bytes)\n", millisecondsOf(generation),
        QFileInfo(emptyBook).size(), QFileInfo(fullBook).size());
    const QStringList images = QDir(imagesDirectory()).entryList({ QStringLiteral("*.png") }, QDir::Files);
    if (images.size() < 4)
        qFatal("the images were not found in %s", qPrintable(imagesDirectory()));

    FakeTimeServer server;
    server.m_reply.reset();

    std::array<std::vector<Timing>, VariantCount> timings;
    int fullClients = -1;
    int fullSuppliers = -1;
    for (int round = -1; round < rounds; ++round) {
        for (int step = 0; step < VariantCount; ++step) {
            const Variant variant = Variant((step + round + 1) % VariantCount);
            QTemporaryDir working;
            for (const QString &image : images)
                copyOrDie(QDir(imagesDirectory()).filePath(image), working.filePath(image));
            if (variant != Bare)
                copyOrDie(
                    variant == Full ? fullBook : emptyBook, working.filePath(QStringLiteral("data.db")));
            QDir::setCurrent(working.path());
            QCoreApplication::processEvents();

            Timing timing;
            QElapsedTimer timer;
            std::unique_ptr<QMainWindow> window;
            timer.start();
            if (variant == Bare)
                window = bareWindow();
            else
                window = std::make_unique<App>(QStringLiteral("127.0.0.1"), server.m_socket.localPort());
            timing.constructed = millisecondsOf(timer);
            if (!QTest::qWaitForWindowExposed(window.get()))
                qFatal("the window was not exposed");
            QCoreApplication::processEvents();
            timing.shown = millisecondsOf(timer);

            if (variant != Bare) {
                const App *app = static_cast<const App *>(window.get());
                if (app->centralWidget() != app->tabs())
                    qFatal("the tabs are not the central widget");
                if (variant == Full) {
                    fullClients = app->issuedPage().client->count();
                    fullSuppliers = app->receivedPage().supplier->count();
                }
            }
            window.reset();
            if (variant != Bare)
                QSqlDatabase::removeDatabase(QSqlDatabase::defaultConnection);
            QCoreApplication::processEvents();
            QDir::setCurrent(scratch.path());
            if (round >= 0)
                timings[variant].push_back(timing);
        }
    }

    std::printf("platform %s, %d timed rounds after one warm-up, N = %d parties (%d clients and %d "
                "suppliers listed)\n",
        qPrintable(QGuiApplication::platformName()), rounds, parties, fullClients, fullSuppliers);
    std::array<double, VariantCount> constructed{};
    std::array<double, VariantCount> shown{};
    for (int variant = 0; variant < VariantCount; ++variant) {
        std::vector<double> construction;
        std::vector<double> showing;
        for (const Timing &timing : timings[variant]) {
            construction.push_back(timing.constructed);
            showing.push_back(timing.shown);
        }
        constructed[variant] = median(construction);
        shown[variant] = median(showing);
        std::printf("%-30s constructor %8.2f ms   to shown %8.2f ms   (medians; shown min %.2f, max %.2f)\n",
            variantNames[variant], constructed[variant], shown[variant],
            *std::min_element(showing.begin(), showing.end()),
            *std::max_element(showing.begin(), showing.end()));
    }
    std::printf(
        "ratio N parties / empty cap, to shown: %.2f (target at most 1.5)\n", shown[Full] / shown[Empty]);
    std::printf("ratio empty cap / bare window, to shown: %.2f\n", shown[Empty] / shown[Bare]);
    std::printf("ratio N parties / bare window, to shown: %.2f\n", shown[Full] / shown[Bare]);
    return 0;
}
