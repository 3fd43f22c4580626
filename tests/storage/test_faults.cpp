// Faults around data.db through the window: a file that is no database, another program
// holding it locked, no statement left open while a box waits, a start that cannot open
// it, and a second window on the same folder.

#include "../entries/FormDriving.h"

#include <QDir>
#include <QLockFile>
#include <QProcess>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSqlQuery>

namespace {

// Another connection holding data.db in a transaction; it gives up at once when it cannot.
struct Lock {
    QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "lock");
    bool held = false;
    explicit Lock(const char *begin)
    {
        db.setDatabaseName("data.db");
        db.setConnectOptions("QSQLITE_BUSY_TIMEOUT=0");
        held = db.open() && QSqlQuery(db).exec(begin);
    }
    ~Lock()
    {
        db.close();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase("lock");
    }
};

} // namespace

class TestFaults final : public QObject {
    Q_OBJECT

private slots:
    void fileThatIsNoDatabaseIsLeftAlone();
    void lockedSavesStoreNothing();
    void startRefused_data();
    void startRefused();
};

void TestFaults::fileThatIsNoDatabaseIsLeftAlone()
{
    Form f;
    QByteArray garbage(64 * 1024, '\0');
    QRandomGenerator(20160515).fillRange(reinterpret_cast<quint32 *>(garbage.data()), garbage.size() / 4);
    QFile file(f.scratch.filePath("data.db"));
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(garbage) == garbage.size());
    file.close();
    // Each statement of the start fails (the tables, the counter, the parties, the owner, the
    // lists, the month's sums once today is known); the registration form shows.
    QVERIFY(f.open(-1));
    QCOMPARE(f.act(""), QStringList(13, "execute_statement").join(' '));
    f.run({ "nif=12345678Z name=R address=M postalCode=04001 town=A province=A country=E technician=1 "
            "register#execute_statement#nif=12345678Z name=R" });
    QCOMPARE(f.app->centralWidget(), f.frame);
    f.app.reset();
    QCOMPARE(readFile(f.scratch.filePath("data.db")), garbage);
    QCOMPARE(QDir().entryList(QDir::Files | QDir::Hidden).size(), ScratchDirectory::imageNames().size() + 1);
}

// One save per kind of statement that fails under the lock: a read kept out by an exclusive
// lock, a write kept out while readers are let in, the update of the counter and an insert.
// The form keeps what was typed and nothing is stored; while each box of a save waits, the
// window holds no statement, so another program can take the file.
void TestFaults::lockedSavesStoreNothing()
{
    Form f;
    insertOwner();
    QVERIFY(f.open(0));
    QSqlDatabase::database(QSqlDatabase::defaultConnection, false)
        .setConnectOptions("QSQLITE_BUSY_TIMEOUT=0");
    f.act("type=0 nif=87654321X name=Dos address=Sol2 postalCode=04100 town=x province=x country=x");
    const QString stored = storedRows("cap") + storedRows("lasts");
    const QRegularExpression unfocused("^[^@]");
    const QStringList typed = f.snapshot().filter(unfocused);
    {
        Lock exclusive("BEGIN EXCLUSIVE");
        QVERIFY(exclusive.held);
        QCOMPARE(f.act("save"), "execute_statement");
    }
    {
        Lock immediate("BEGIN IMMEDIATE");
        QVERIFY(immediate.held);
        QCOMPARE(f.act(">Guardar save"), "de_continuar. fetch_row");
        const OtherEntriesPage &other = f.app->otherEntriesPage();
        typeText(other.amount, "5");
        other.account->setCurrentIndex(0);
        other.save->click();
        QCOMPARE(f.act(""), "account:62500000 fetch_row");
    }
    QCOMPARE(storedRows("cap") + storedRows("lasts") + storedRows("ogei"), stored);
    QCOMPARE(f.snapshot().filter(unfocused), typed);

    QStringList keptOut;
    f.responder.whileOpen([&](const BoxResponder::Box &box) {
        if (!Lock("BEGIN EXCLUSIVE").held)
            keptOut << box.text;
    });
    QCOMPARE(f.act(">Guardar save"), "de_continuar. guardado_correctamente.");
    f.app->otherEntriesPage().save->click();
    QCOMPARE(f.act(""), "Datos_guardados");
    QCOMPARE(keptOut, QStringList());
}

void TestFaults::startRefused_data()
{
    QTest::addColumn<QString>("obstacle");
    QTest::addColumn<QByteArray>("output");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QStringList>("files"); // afterwards, data.db only when it is a file

    QTest::newRow("nothing in the way") << "" << QByteArray("started\n") << 0 << QStringList{ "data.db" };
    QTest::newRow("data.db is a folder")
        << "data.db"
        << QByteArray("3|Error|No se ha podido establecer la conexión a la base de datos interna.\n") << 255
        << QStringList();
    QTest::newRow("another window open")
        << ".data.db.lock"
        << QByteArray("3|Error|Brivana ya está abierto con estos datos en otra ventana.\nCierre la otra "
                      "ventana antes de volver a abrirlo.\n")
        << 1 << QStringList{ ".data.db.lock" };
}

void TestFaults::startRefused()
{
    QFETCH(QString, obstacle);
    ScratchDirectory scratch;
    QLockFile otherWindow(scratch.filePath(".data.db.lock"));
    QVERIFY(obstacle != "data.db" || QDir().mkdir("data.db"));
    QVERIFY(obstacle != ".data.db.lock" || otherWindow.tryLock(0));
    QProcess process;
    // The start that cannot go on ends the process at once by design: no leak to report.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("ASAN_OPTIONS", "detect_leaks=0");
    process.setProcessEnvironment(environment);
    process.start(BRIVANA_BINARY_DIR "/tests/helper_fatal_start", {});
    QVERIFY(process.waitForFinished(60000));
    QTEST(process.readAllStandardOutput(), "output");
    QTEST(process.exitCode(), "exitCode");
    QStringList files = QDir().entryList(QDir::Files | QDir::Hidden);
    for (const QString &image : ScratchDirectory::imageNames())
        files.removeOne(image);
    QTEST(files, "files");
}

QTEST_MAIN(TestFaults)
#include "test_faults.moc"
