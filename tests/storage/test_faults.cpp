// Faults around data.db through the window: a file that is no database, another program
// holding it locked, no statement open while a box waits, starts refused.

#include "../entries/FormDriving.h"

#include <QDir>
#include <QLockFile>
#include <QProcess>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSqlQuery>

class TestFaults final : public QObject {
    Q_OBJECT

private slots:
    void fileThatIsNoDatabaseIsLeftAlone()
    {
        Form f;
        f.probing = false;
        QByteArray garbage(64 * 1024, '\0');
        QRandomGenerator(20160515).fillRange(reinterpret_cast<quint32 *>(garbage.data()), garbage.size() / 4);
        QFile file(f.scratch.filePath("data.db"));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(garbage) == garbage.size());
        file.close();
        // Every statement of the start fails, the month's sums once today is known too.
        QVERIFY(f.open(-1));
        QCOMPARE(f.act(""), QStringList(13, "execute_statement").join(' '));
        f.run({ "nif=12345678Z name=R address=M postalCode=04001 town=A province=A country=E technician=1 "
                "register#execute_statement#nif=12345678Z name=R" });
        QCOMPARE(f.app->centralWidget(), f.frame);
        f.app.reset();
        QCOMPARE(readFile("data.db"), garbage);
        QCOMPARE(
            QDir().entryList(QDir::Files | QDir::Hidden).size(), ScratchDirectory::imageNames().size() + 1);
    }

    // A save per kind of statement failing under a lock: a read kept out by an exclusive
    // one, the update of the counter and an insert kept out while readers are let in.
    // Nothing is stored and the form keeps what was typed.
    void lockedSavesStoreNothing()
    {
        Form f;
        insertOwner();
        insertParty(0, 43000001, "11111111H", "Alfa");
        QVERIFY(f.open(0));
        f.probing = false;
        for (const char *name : { "qt_sql_default_connection", "other" }) {
            QSqlDatabase db = QSqlDatabase::contains(name) ? QSqlDatabase::database(name, false)
                                                           : QSqlDatabase::addDatabase("QSQLITE", name);
            db.setConnectOptions("QSQLITE_BUSY_TIMEOUT=0"); // fail at once instead of waiting 5 s
            db.setDatabaseName("data.db");
        }
        QVERIFY(QSqlDatabase::database("other").isOpen());
        QSqlQuery other(QSqlDatabase::database("other"));
        f.act("type=0 nif=87654321X name=Dos address=Sol2 postalCode=04100 town=x province=x country=x");
        const QString stored = storedRows("cap") + storedRows("lasts");
        const QStringList typed = f.snapshot().filter(QRegularExpression("^[^@]"));
        QVERIFY(other.exec("BEGIN EXCLUSIVE"));
        QCOMPARE(f.act("save"), "execute_statement");
        QVERIFY(other.exec("ROLLBACK") && other.exec("BEGIN IMMEDIATE"));
        QCOMPARE(f.act(">Guardar save"), "de_continuar. fetch_row");
        typeText(f.app->otherEntriesPage().amount, "5");
        f.app->otherEntriesPage().account->setCurrentIndex(0);
        f.app->otherEntriesPage().save->click();
        QCOMPARE(f.act(""), "account:62500000 fetch_row");
        QVERIFY(other.exec("ROLLBACK"));
        QCOMPARE(storedRows("cap") + storedRows("lasts") + storedRows("ogei"), stored);
        QCOMPARE(f.snapshot().filter(QRegularExpression("^[^@]")), typed);

        f.probing = true;
        QCOMPARE(
            f.act("name=Alfa save name=Dos >Guardar save"), "de_alta. de_continuar. guardado_correctamente.");
    }

    void startRefused_data()
    {
        QTest::addColumn<QString>("obstacle");
        QTest::addColumn<QByteArray>("output");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QStringList>("files"); // beside the images; the lock gone after a normal end
        QTest::newRow("nothing in the way") << "" << QByteArray("started\n") << 0 << QStringList{ "data.db" };
        QTest::newRow("data.db a folder")
            << "data.db"
            << QByteArray("3|Error|No se ha podido establecer la conexión a la base de datos interna.\n")
            << 255 << QStringList();
        QTest::newRow("another window open")
            << ".data.db.lock"
            << QByteArray("3|Error|Brivana ya está abierto con estos datos en otra "
                          "ventana.\nCierre la otra ventana antes de volver a abrirlo.\n")
            << 1 << QStringList{ ".data.db.lock" };
    }
    void startRefused()
    {
        QFETCH(QString, obstacle);
        ScratchDirectory scratch;
        QLockFile otherWindow(scratch.filePath(".data.db.lock"));
        QVERIFY(obstacle != "data.db" || QDir().mkdir("data.db"));
        QVERIFY(obstacle != ".data.db.lock" || otherWindow.tryLock(0));
        QProcess process; // a start that ends the process at once leaks by design
        process.setEnvironment(QProcess::systemEnvironment() << "ASAN_OPTIONS=detect_leaks=0");
        process.start(BRIVANA_BINARY_DIR "/tests/helper_fatal_start", {});
        QVERIFY(process.waitForFinished(60000));
        QTEST(process.readAllStandardOutput(), "output");
        QTEST(process.exitCode(), "exitCode");
        QStringList files = QDir().entryList(QDir::Files | QDir::Hidden);
        for (const QString &image : ScratchDirectory::imageNames())
            files.removeOne(image);
        QTEST(files, "files");
    }
};

QTEST_MAIN(TestFaults)
#include "test_faults.moc"
