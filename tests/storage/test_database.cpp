// Start-up of the database: the six tables, the seed of `lasts`, the count of `cap`,
// statements that fail, a database that cannot be opened at all, and a folder that
// another window already holds.

#include "ProgramBoxes.h"
#include "WindowFixture.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QProcess>
#include <QSqlDatabase>
#include <QTest>

#include <unistd.h>

namespace {

const QString connectionFailed
    = QStringLiteral("No se ha podido establecer la conexión a la base de datos interna.");

// The tables as SQLite keeps them: the creating statements without "IF NOT EXISTS " and
// without the final semicolon.
const QStringList storedTables{
    QStringLiteral("CREATE TABLE `admin`(`id` INTEGER PRIMARY KEY AUTOINCREMENT,`nif` VARCHAR(9) NOT NULL,"
                   "`rs` VARCHAR(64) NOT NULL,`dir` VARCHAR(64) NOT NULL,`cp` INT(11) NOT NULL,"
                   "`pobl` VARCHAR(40) NOT NULL,`prov` VARCHAR(24) NOT NULL,`pais` VARCHAR(24) NOT NULL,"
                   "`tecn` INT(11) NOT NULL)"),
    QStringLiteral("CREATE TABLE `cap`(`auid` INTEGER PRIMARY KEY AUTOINCREMENT,`type` INT(11) NOT NULL,"
                   "`id` INT(11) NOT NULL,`nif` VARCHAR(9) NOT NULL,`rs` VARCHAR(64) NOT NULL,"
                   "`dir` VARCHAR(64) NOT NULL,`cp` INT(11) NOT NULL,`pobl` VARCHAR(40) NOT NULL,"
                   "`prov` VARCHAR(24) NOT NULL,`pais` VARCHAR(24) NOT NULL)"),
    QStringLiteral("CREATE TABLE `lasts`(`lastc` INT(11) DEFAULT 43000000,`lastp` INT(11) DEFAULT 40000000)"),
    QStringLiteral(
        "CREATE TABLE `femi`(`auid` INTEGER PRIMARY KEY AUTOINCREMENT,`cliente` INT(11) NOT NULL,"
        "`serie` VARCHAR(12) NOT NULL,`nfac` VARCHAR(24) NOT NULL,`fecha` DATE NOT NULL,"
        "`type` INT(1) NOT NULL,`cm` BOOLEAN NOT NULL,`rec` BOOLEAN NOT NULL,`isp` BOOLEAN NOT NULL,"
        "`cc` BOOLEAN NOT NULL,`ret` BOOLEAN NOT NULL,`alq` BOOLEAN NOT NULL,`pyo` BOOLEAN NOT NULL,"
        "`vin` BOOLEAN NOT NULL,`base0` FLOAT(11) NOT NULL,`piva0` FLOAT(11) NOT NULL,"
        "`civa0` FLOAT(11) NOT NULL,`prec0` FLOAT(11) NOT NULL,`crec0` FLOAT(11) NOT NULL,"
        "`base1` FLOAT(11) NOT NULL,`piva1` FLOAT(11) NOT NULL,`civa1` FLOAT(11) NOT NULL,"
        "`prec1` FLOAT(11) NOT NULL,`crec1` FLOAT(11) NOT NULL,`base2` FLOAT(11) NOT NULL,"
        "`piva2` FLOAT(11) NOT NULL,`civa2` FLOAT(11) NOT NULL,`prec2` FLOAT(11) NOT NULL,"
        "`crec2` FLOAT(11) NOT NULL,`base3` FLOAT(11) NOT NULL,`piva3` FLOAT(11) NOT NULL,"
        "`civa3` FLOAT(11) NOT NULL,`prec3` FLOAT(11) NOT NULL,`crec3` FLOAT(11) NOT NULL,"
        "`bret` FLOAT(11) NOT NULL,`pret` FLOAT(11) NOT NULL,`cret` FLOAT(11) NOT NULL,"
        "`total` FLOAT(11) NOT NULL,`ctc` INT(8) NOT NULL)"),
    QStringLiteral(
        "CREATE TABLE `frec`(`auid` INTEGER PRIMARY KEY AUTOINCREMENT,`proveedor` INT(11) NOT NULL,"
        "`nfac` VARCHAR(24) NOT NULL,`fecha` DATE NOT NULL,`type` INT(1) NOT NULL,`inv` BOOLEAN NOT NULL,"
        "`cm` BOOLEAN NOT NULL,`isp` BOOLEAN NOT NULL,`cc` BOOLEAN NOT NULL,`ret` BOOLEAN NOT NULL,"
        "`alq` BOOLEAN NOT NULL,`pyo` BOOLEAN NOT NULL,`base0` FLOAT(11) NOT NULL,"
        "`piva0` FLOAT(11) NOT NULL,`civa0` FLOAT(11) NOT NULL,`ivas0` FLOAT(11) NOT NULL,"
        "`ivar0` FLOAT(11) NOT NULL,`base1` FLOAT(11) NOT NULL,`piva1` FLOAT(11) NOT NULL,"
        "`civa1` FLOAT(11) NOT NULL,`ivas1` FLOAT(11) NOT NULL,`ivar1` FLOAT(11) NOT NULL,"
        "`base2` FLOAT(11) NOT NULL,`piva2` FLOAT(11) NOT NULL,`civa2` FLOAT(11) NOT NULL,"
        "`ivas2` FLOAT(11) NOT NULL,`ivar2` FLOAT(11) NOT NULL,`base3` FLOAT(11) NOT NULL,"
        "`piva3` FLOAT(11) NOT NULL,`civa3` FLOAT(11) NOT NULL,`ivas3` FLOAT(11) NOT NULL,"
        "`ivar3` FLOAT(11) NOT NULL,`bret` FLOAT(11) NOT NULL,`pret` FLOAT(11) NOT NULL,"
        "`cret` FLOAT(11) NOT NULL,`total` FLOAT(11) NOT NULL,`ctc` INT(8) NOT NULL)"),
    QStringLiteral("CREATE TABLE `ogei`(`auid` INTEGER PRIMARY KEY AUTOINCREMENT,`fecha` DATE NOT NULL,"
                   "`importe` FLOAT(11) NOT NULL,`ctc` INT(8) NOT NULL)"),
};

const QStringList tableNames{ QStringLiteral("admin"), QStringLiteral("cap"), QStringLiteral("lasts"),
    QStringLiteral("femi"), QStringLiteral("frec"), QStringLiteral("ogei") };

// The program's own tables in the order they were created, each as its name and stored SQL.
QList<QVariantList> storedSchema()
{
    return queryRows(QStringLiteral("SELECT name, sql FROM sqlite_master WHERE type='table' "
                                    "AND name NOT LIKE 'sqlite_%' ORDER BY rowid"));
}

QStringList storedTableNames()
{
    QStringList names;
    for (const QVariantList &row : storedSchema())
        names << row[0].toString();
    return names;
}

QList<QVariantList> lastsRows()
{
    return queryRows(QStringLiteral("SELECT lastc, lastp FROM lasts"));
}

const QList<QVariantList> seedRow{ { 43000000, 40000000 } };

void insertParty(int type, int account, const QString &nif, const QString &name)
{
    QVERIFY(execStatement(QStringLiteral("INSERT INTO cap (type, id, nif, rs, dir, cp, pobl, prov, pais) "
                                         "VALUES (%1, %2, '%3', '%4', 'Calle Real 3', 4001, 'almería', "
                                         "'almería', 'España')")
                              .arg(type)
                              .arg(account)
                              .arg(nif, name)));
}

// Starts the window and closes it again: the start-up's statements have all run by then.
void startAndClose(WindowFixture &window)
{
    window.app = startApp(window.server);
    // The window keeps no connection open between statements.
    QVERIFY(!QSqlDatabase::database(QSqlDatabase::defaultConnection, false).isOpen());
}

} // namespace

class TestDatabase final : public QObject {
    Q_OBJECT

private slots:
    void firstStartCreatesTablesAndSeed();
    void laterStartKeepsDataAndCountsParties_data();
    void laterStartKeepsDataAndCountsParties();
    void emptiedLastsIsSeededAgain();
    void failingStatementIsReportedAndStartUpGoesOn_data();
    void failingStatementIsReportedAndStartUpGoesOn();
    void unopenableDatabaseEndsTheProcess_data();
    void unopenableDatabaseEndsTheProcess();
};

void TestDatabase::firstStartCreatesTablesAndSeed()
{
    WindowFixture window;
    QVERIFY(!QFile::exists(window.scratch.filePath(QStringLiteral("data.db"))));
    startAndClose(window);
    QVERIFY(QFileInfo(window.scratch.filePath(QStringLiteral("data.db"))).isFile());
    QCOMPARE(window.app->recordCount(), 0);
    QCOMPARE(window.app->issuedPage().client->count(), 0);
    QCOMPARE(window.app->receivedPage().supplier->count(), 0);
    window.app.reset();

    QList<QVariantList> expectedSchema;
    for (int i = 0; i < tableNames.size(); ++i)
        expectedSchema << QVariantList{ tableNames[i], storedTables[i] };
    QCOMPARE(storedSchema(), expectedSchema);
    QCOMPARE(lastsRows(), seedRow);
    for (const QString &table : tableNames) {
        if (table != QLatin1String("lasts"))
            QCOMPARE(queryValue(QStringLiteral("SELECT COUNT(*) FROM ") + table).toInt(), 0);
    }
    QCOMPARE(window.takeBoxes(), QStringList());
}

void TestDatabase::laterStartKeepsDataAndCountsParties_data()
{
    QTest::addColumn<int>("clients");
    QTest::addColumn<int>("suppliers");

    QTest::newRow("no parties") << 0 << 0;
    QTest::newRow("clients and suppliers") << 3 << 2;
}

void TestDatabase::laterStartKeepsDataAndCountsParties()
{
    QFETCH(int, clients);
    QFETCH(int, suppliers);

    WindowFixture window;
    startAndClose(window);
    window.app.reset();

    // Clients and suppliers interleaved, as a user would have entered them.
    QStringList clientNames;
    QStringList supplierNames;
    for (int i = 0; i < qMax(clients, suppliers); ++i) {
        if (i < suppliers) {
            supplierNames << QStringLiteral("Suministros %1").arg(i + 1);
            insertParty(1, 40000001 + i,
                QStringLiteral("B%1").arg(1000000 + i, 7, 10, QLatin1Char('0')) + QLatin1Char('J'),
                supplierNames.last());
        }
        if (i < clients) {
            clientNames << QStringLiteral("Cliente %1").arg(i + 1);
            insertParty(0, 43000001 + i, QStringLiteral("%1Z").arg(12345670 + i), clientNames.last());
        }
    }
    QVERIFY(execStatement(QStringLiteral("UPDATE lasts SET lastc=%1, lastp=%2")
                              .arg(43000000 + clients)
                              .arg(40000000 + suppliers)));

    startAndClose(window);
    QCOMPARE(window.app->recordCount(), clients + suppliers);
    QCOMPARE(itemsOf(window.app->issuedPage().client), clientNames);
    QCOMPARE(itemsOf(window.app->receivedPage().supplier), supplierNames);
    QCOMPARE(window.app->issuedPage().client->currentIndex(), -1);
    QCOMPARE(window.app->receivedPage().supplier->currentIndex(), -1);
    window.app.reset();

    QCOMPARE(lastsRows(), (QList<QVariantList>{ { 43000000 + clients, 40000000 + suppliers } }));
    QCOMPARE(storedTableNames(), tableNames);
    QCOMPARE(window.takeBoxes(), QStringList());
}

void TestDatabase::emptiedLastsIsSeededAgain()
{
    WindowFixture window;
    startAndClose(window);
    window.app.reset();
    QVERIFY(execStatement(QStringLiteral("UPDATE lasts SET lastc=43000004")));
    QVERIFY(execStatement(QStringLiteral("DELETE FROM lasts")));
    QVERIFY(lastsRows().isEmpty());

    startAndClose(window);
    window.app.reset();
    QCOMPARE(lastsRows(), seedRow);
    QCOMPARE(window.takeBoxes(), QStringList());
}

void TestDatabase::failingStatementIsReportedAndStartUpGoesOn_data()
{
    QTest::addColumn<QString>("table");
    QTest::addColumn<QStringList>("errors");
    QTest::addColumn<bool>("seeded");

    // An index that already bears a table's name makes that table's statement fail.
    const auto taken
        = [](const char *name) { return QStringLiteral("there is already an index named ") + name; };
    const auto missing = [](const char *name) { return QStringLiteral("no such table: ") + name; };

    // The owner is looked for at start-up too.
    QTest::newRow("admin") << "admin" << QStringList{ taken("admin"), missing("admin") } << true;
    // Counting the parties and filling the client and supplier lists fail too.
    QTest::newRow("cap") << "cap"
                         << QStringList{ taken("cap"), missing("cap"), missing("cap"), missing("cap") }
                         << true;
    // The seed is not tried when `lasts` cannot be read.
    QTest::newRow("lasts") << "lasts" << QStringList{ taken("lasts"), missing("lasts") } << false;
    for (const char *table : { "femi", "frec", "ogei" })
        QTest::newRow(table) << QString::fromLatin1(table) << QStringList{ taken(table) } << true;
}

void TestDatabase::failingStatementIsReportedAndStartUpGoesOn()
{
    QFETCH(QString, table);
    QFETCH(QStringList, errors);
    QFETCH(bool, seeded);

    WindowFixture window;
    QVERIFY(execStatement(QStringLiteral("CREATE TABLE other(a)")));
    QVERIFY(execStatement(QStringLiteral("CREATE INDEX `%1` ON other(a)").arg(table)));
    startAndClose(window);
    QCOMPARE(window.app->recordCount(), 0);
    window.app.reset();

    // Every other table was created all the same.
    QStringList expected = tableNames;
    expected.removeOne(table);
    QCOMPARE(storedTableNames(), QStringList{ QStringLiteral("other") } + expected);
    if (seeded)
        QCOMPARE(lastsRows(), seedRow);

    // Each error in a critical box with only "OK", the driver's text after the reason.
    const QStringList seen = boxLinesWithButtons(window.responder);
    QCOMPARE(seen.size(), errors.size());
    for (int i = 0; i < seen.size(); ++i)
        QVERIFY2(seen[i].startsWith(box::error(errors[i])) && seen[i].endsWith(QLatin1String("|OK")),
            qPrintable(seen[i]));
}

void TestDatabase::unopenableDatabaseEndsTheProcess_data()
{
    QTest::addColumn<QString>("obstacle");
    QTest::addColumn<QByteArray>("output");
    QTest::addColumn<int>("exitCode");
    // The files the working folder holds afterwards (data.db only when it is a file).
    QTest::addColumn<QStringList>("files");

    const QByteArray fatal = "3|Error|" + connectionFailed.toUtf8() + '\n';
    const QByteArray refused = "3|Error|"
        + QStringLiteral("Brivana ya está abierto con estos datos en otra ventana.\nCierre la otra "
                         "ventana antes de volver a abrirlo.\n")
              .toUtf8();
    // The same start with nothing in the way, to show that the helper reaches its end.
    QTest::newRow("nothing in the way")
        << QString() << QByteArray("started\n") << 0 << QStringList{ "data.db" };
    QTest::newRow("data.db is a directory") << QStringLiteral("directory") << fatal << 255 << QStringList();
    QTest::newRow("read-only working directory")
        << QStringLiteral("read-only") << fatal << 255 << QStringList();
    // A window already open on the folder: this test holds its lock.
    QTest::newRow("another window open")
        << QStringLiteral("locked") << refused << 1 << QStringList{ ".data.db.lock" };
}

void TestDatabase::unopenableDatabaseEndsTheProcess()
{
    QFETCH(QString, obstacle);

    ScratchDirectory scratch;
    const QString workDir = scratch.filePath(QStringLiteral("work"));
    QVERIFY(QDir().mkdir(workDir));
    if (obstacle == QLatin1String("directory")) {
        QVERIFY(QDir().mkdir(workDir + QStringLiteral("/data.db")));
    } else if (obstacle == QLatin1String("read-only")) {
        if (geteuid() == 0)
            QSKIP("the superuser writes into read-only directories");
        QVERIFY(QFile::setPermissions(workDir, QFile::ReadOwner | QFile::ExeOwner));
    }
    QLockFile otherWindow(workDir + QStringLiteral("/.data.db.lock"));
    if (obstacle == QLatin1String("locked"))
        QVERIFY(otherWindow.tryLock(0));

    QProcess process;
    process.setWorkingDirectory(workDir);
    // The fatal start ends the process at once, window and all, by design: under the
    // sanitizer build that is no leak to report.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("ASAN_OPTIONS"), QStringLiteral("detect_leaks=0"));
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(BRIVANA_BINARY_DIR "/tests/helper_fatal_start"), QStringList());
    QVERIFY2(process.waitForFinished(60000), qPrintable(process.errorString()));
    QFile::setPermissions(workDir, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QTEST(process.readAllStandardOutput(), "output");
    QTEST(process.exitCode(), "exitCode");
    if (obstacle == QLatin1String("directory"))
        QVERIFY(QDir(workDir + QStringLiteral("/data.db")).isEmpty());
    QTEST(QDir(workDir).entryList(QDir::Files | QDir::Hidden), "files");
}

QTEST_MAIN(TestDatabase)
#include "test_database.moc"
