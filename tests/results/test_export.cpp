#include "ProgramBoxes.h"
#include "WindowFixture.h"

#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QScopeGuard>
#include <QStorageInfo>
#include <QTabWidget>
#include <QTest>

#include <sys/mount.h>

namespace {

const QString fileName = QStringLiteral("12345678Z_20160515.csv");

// Rows in the stored forms: amounts REAL, flags 1/0, dates text.
const QString cap1
    = QStringLiteral("INSERT INTO cap VALUES (NULL, 0, 43000001, '12345678Z', 'Talleres Núñez', "
                     "'Calle Real 5', 04001, 'Almería', 'Almería', 'España')");
const QString cap2 = QStringLiteral("INSERT INTO cap VALUES (NULL, 1, 40000001, 'B12345674', "
                                    "'Suministros Levante SL', 'Av. del Puerto 12', 46024, 'Valencia', "
                                    "'Valencia', 'España')");
const QString cap3 = QStringLiteral("INSERT INTO cap VALUES (NULL, 0, 43000002, 'X1234567L', 'Ana Pérez', "
                                    "'C/ Sol 3', 8001, 'Barcelona', 'Barcelona', 'España')");
// serie and nfac are filled in.
const QString femi1 = QStringLiteral(
    "INSERT INTO femi VALUES (NULL, 43000001, '%1', '%2', '15/05/2016', 0, 1, 0, 0, 1, 0, 0, 1, 0, "
    "100.0, 21.0, 21.0, 5.2, 5.2, 100.5, 21.0, 21.105, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, "
    "200.5, 42.0, 42.105, 5.2, 5.2, 1493830.0, 15.0, 0.00001, 2100000.0, 70000000)");
const QString frec1
    = QStringLiteral("INSERT INTO frec VALUES (NULL, 40000001, 'F-77', '02/05/2016', 1, 1, 0, 1, 0, 1, 0, 0, "
                     "250.0, 21.0, 52.5, 52.5, 52.5, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, "
                     "250.0, 21.0, 52.5, 52.5, 52.5, 0.0, 0.0, 0.0, 302.5, 62900000)");
const QString frec2
    = QStringLiteral("INSERT INTO frec VALUES (NULL, 40000001, 'F-78', '03/05/2016', 0, 0, 0, 0, 0, 0, 0, 0, "
                     "1000.0, 10.0, 100.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, "
                     "1000.0, 10.0, 100.0, 0.0, 0.0, 0.0, 0.0, 0.0, 1100.0, 60000000)");
const QString ogei1 = QStringLiteral("INSERT INTO ogei VALUES (NULL, '04/05/2016', 59.9, 62800000)");
const QString ogei2 = QStringLiteral("INSERT INTO ogei VALUES (NULL, '10/05/2016', 1493830.0, 75900000)");

QByteArray expectedFile(const QString &name)
{
    const QByteArray content = readFile(QStringLiteral(BRIVANA_TEST_DATA "/export/") + name);
    if (content.isEmpty())
        qWarning("missing expected file %s", qPrintable(name));
    return content;
}

// Every file of the working directory (or another) but data.db, the images and "work":
// whatever the export left.
QStringList filesInWorkingDirectory(const QString &path = QStringLiteral("."))
{
    QStringList files = QDir(path).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot);
    files.removeAll(QStringLiteral("data.db"));
    files.removeAll(QStringLiteral("work"));
    for (const QString &image : ScratchDirectory::imageNames())
        files.removeAll(image);
    return files;
}

// Moves the working directory down into "work", with data.db and the images, so that
// its parent holds nothing but what the test put there.
bool moveToWorkFolder()
{
    QDir::current().mkpath(QStringLiteral("work"));
    for (const QString &name : ScratchDirectory::imageNames() + QStringList{ QStringLiteral("data.db") }) {
        if (!QFile::copy(name, QStringLiteral("work/") + name))
            return false;
    }
    return QDir::setCurrent(QStringLiteral("work"));
}

} // namespace

class TestExport final : public QObject {
    Q_OBJECT

private slots:
    void cleanup();

    void writesTheTablesSideBySide_data();
    void writesTheTablesSideBySide();
    void aSecondExportOnTheSameDayReplacesTheFirst();
    void aFailingQueryLeavesTheEarlierFile();
    void aRowThatCannotBeReadLeavesTheEarlierFile();
    void aFullDiskLeavesTheEarlierFile_data();
    void aFullDiskLeavesTheEarlierFile();
    void answeringNoWritesNothing();
    void refusalsWriteNoFile_data();
    void refusalsWriteNoFile();

private:
    // Owner 12345678Z, today 15 May 2016 unless todayKnown is false; the window is left
    // on the export page.
    void start(bool todayKnown = true);
    // Presses "Enviar", goes ahead at the confirmation, and returns the boxes seen after it
    // (the confirmation is checked here, with its buttons).
    QStringList send();

    std::unique_ptr<WindowFixture> m_window;
};

void TestExport::cleanup()
{
    m_window.reset();
}

void TestExport::start(bool todayKnown)
{
    m_window = std::make_unique<WindowFixture>();
    insertOwner();
    QVERIFY(todayKnown ? m_window->startOn(QDate(2016, 5, 15)) : m_window->startWithoutToday());
    m_window->app->tabs()->setCurrentWidget(m_window->app->exportPage().frame);
    QCOMPARE(m_window->takeBoxes(), QStringList());
}

QStringList TestExport::send()
{
    m_window->responder.answer(QStringLiteral("Sí"));
    QTest::mouseClick(m_window->app->exportPage().send, Qt::LeftButton);
    QStringList seen = m_window->takeBoxes(true);
    if (seen.value(0) != box::confirmSending + QStringLiteral("|No,Sí"))
        return seen;
    seen.removeFirst();
    // The boxes after the confirmation, each with only "OK".
    for (QString &line : seen) {
        if (line.endsWith(QLatin1String("|OK")))
            line.chop(3);
    }
    return seen;
}

void TestExport::writesTheTablesSideBySide_data()
{
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QString>("expected");

    QTest::newRow("all tables empty") << QStringList() << QStringLiteral("empty.csv");
    // Postal code 04001 is stored as the number 4001.
    QTest::newRow("one client only") << QStringList{ cap1 } << QStringLiteral("one_client.csv");
    QTest::newRow("3 cap, 1 femi, 0 frec, 2 ogei") << QStringList{ cap1, cap2, cap3,
        femi1.arg(QStringLiteral("A"), QStringLiteral("0001")), ogei1, ogei2 }
                                                   << QStringLiteral("three_cap_one_femi_two_ogei.csv");
    QTest::newRow("frec the longest")
        << QStringList{ cap2, frec1, frec2, ogei1 } << QStringLiteral("two_frec.csv");
    // "€" and an emoji each become one "?"; values with ";", a quote or a line end are quoted.
    QTest::newRow("characters") << QStringList{
        QStringLiteral("INSERT INTO cap VALUES (NULL, 0, 43000001, '12345678Z', 'Café € 😀 ñ', "
                       "'Plaza \"Mayor\"; 3', 4001, 'Línea 1' || char(13, 10) || 'Línea 2', "
                       "'Almería', 'España')"),
        femi1.arg(QStringLiteral("B\""), QStringLiteral("A;1"))
    } << QStringLiteral("characters.csv");
}

void TestExport::writesTheTablesSideBySide()
{
    QFETCH(QStringList, rows);
    QFETCH(QString, expected);
    start();
    for (const QString &row : rows)
        QVERIFY(execStatement(row));

    QCOMPARE(send(), QStringList{ box::exported(fileName) });
    QCOMPARE(filesInWorkingDirectory(), QStringList{ fileName });
    QCOMPARE(readFile(fileName), expectedFile(expected));
}

void TestExport::aSecondExportOnTheSameDayReplacesTheFirst()
{
    start();
    QCOMPARE(send(), QStringList{ box::exported(fileName) });
    QCOMPARE(readFile(fileName), expectedFile(QStringLiteral("empty.csv")));
    QVERIFY(execStatement(cap1));

    QCOMPARE(send(), QStringList{ box::exported(fileName) });
    QCOMPARE(filesInWorkingDirectory(), QStringList{ fileName });
    QCOMPARE(readFile(fileName), expectedFile(QStringLiteral("one_client.csv")));
}

void TestExport::aFailingQueryLeavesTheEarlierFile()
{
    start();
    QVERIFY(execStatement(cap1));
    QCOMPARE(send(), QStringList{ box::exported(fileName) });
    QVERIFY(execStatement(cap2));
    QVERIFY(execStatement(QStringLiteral("DROP TABLE ogei")));

    QCOMPARE(
        send(), QStringList{ box::error(QStringLiteral("no such table: ogei Unable to execute statement")) });
    QCOMPARE(filesInWorkingDirectory(), QStringList{ fileName });
    QCOMPARE(readFile(fileName), expectedFile(QStringLiteral("one_client.csv")));
}

void TestExport::aRowThatCannotBeReadLeavesTheEarlierFile()
{
    start();
    QCOMPARE(send(), QStringList{ box::exported(fileName) });
    // Enough rows for ogei to span many pages; the last page, written last, is one of
    // its leaves. Breaking that page's header fails the read of rows near the end only.
    QVERIFY(execStatement(QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n "
                                         "WHERE i < 2000) INSERT INTO ogei SELECT NULL, '04/05/2016', i, "
                                         "62800000 FROM n")));
    {
        QFile database(QStringLiteral("data.db"));
        QVERIFY(database.open(QIODevice::ReadWrite));
        const qint64 pageSize = 4096;
        QVERIFY(database.size() > 10 * pageSize);
        QVERIFY(database.seek(database.size() - pageSize));
        QVERIFY(database.write(QByteArray(16, '\xff')) == 16);
    }

    QCOMPARE(send(),
        QStringList{ box::error(QStringLiteral("database disk image is malformed Unable to fetch row")) });
    QCOMPARE(filesInWorkingDirectory(), QStringList{ fileName });
    QCOMPARE(readFile(fileName), expectedFile(QStringLiteral("empty.csv")));
}

void TestExport::aFullDiskLeavesTheEarlierFile_data()
{
    QTest::addColumn<int>("rows");
    QTest::addColumn<qint64>("room");

    // 100 rows of ogei make an export of about 12 KB, 700 rows one of about 75 KB.
    QTest::newRow("4 KiB free, 12 KB") << 100 << qint64(4096);
    QTest::newRow("8 KiB free, 12 KB") << 100 << qint64(8192);
    QTest::newRow("4 KiB free, 75 KB") << 700 << qint64(4096);
}

void TestExport::aFullDiskLeavesTheEarlierFile()
{
    QFETCH(int, rows);
    QFETCH(qint64, room);
    start();
    // The working directory moves to a disk of its own, of 1 MiB, unmounted lazily at the
    // end as the window's connection is still open there.
    QVERIFY(QDir::current().mkdir(QStringLiteral("work")));
    const QByteArray disk = QFile::encodeName(QFileInfo(QStringLiteral("work")).absoluteFilePath());
    if (::mount("tmpfs", disk.constData(), "tmpfs", 0, "size=1m") != 0)
        QSKIP("A tmpfs cannot be mounted here");
    const auto unmount = qScopeGuard([&disk] { ::umount2(disk.constData(), MNT_DETACH); });
    QVERIFY(moveToWorkFolder());
    QCOMPARE(send(), QStringList{ box::exported(fileName) });
    QVERIFY(execStatement(QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n "
                                         "WHERE i < %1) INSERT INTO ogei SELECT NULL, '04/05/2016', i, "
                                         "62800000 FROM n")
                              .arg(rows)));
    {
        QFile filler(QStringLiteral("filler"));
        const qint64 size = QStorageInfo(QDir::current()).bytesAvailable() - room;
        QVERIFY(filler.open(QIODevice::WriteOnly) && filler.write(QByteArray(size, 'x')) == size);
    }
    QCOMPARE(QStorageInfo(QDir::current()).bytesAvailable(), room);

    QCOMPARE(send(), QStringList{ box::error(QStringLiteral("No space left on device")) });
    QCOMPARE(filesInWorkingDirectory(), (QStringList{ fileName, QStringLiteral("filler") }));
    QCOMPARE(readFile(fileName), expectedFile(QStringLiteral("empty.csv")));
}

void TestExport::answeringNoWritesNothing()
{
    start();
    m_window->responder.answer(QStringLiteral("No"));
    QTest::mouseClick(m_window->app->exportPage().send, Qt::LeftButton);
    QCOMPARE(m_window->takeBoxes(), QStringList{ box::confirmSending });
    QVERIFY(filesInWorkingDirectory().isEmpty());
}

void TestExport::refusalsWriteNoFile_data()
{
    QTest::addColumn<bool>("todayKnown");
    // Run on data.db before sending (";" between statements), or in its place "data.db is a
    // directory".
    QTest::addColumn<QString>("statement");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QStringList>("filesLeft");

    const QString unexpected = box::error(QStringLiteral("Error inesperado en la base de datos."));
    QTest::newRow("today unknown") << false << QString() << box::todayUnknown << QStringList();
    QTest::newRow("no owner") << true << QStringLiteral("DELETE FROM admin") << unexpected << QStringList();
    QTest::newRow("owner query fails")
        << true << QStringLiteral("DROP TABLE admin")
        << box::error(QStringLiteral("no such table: admin Unable to execute statement")) << QStringList();
    // The window closed its connection after start-up; a directory cannot be opened in its place.
    QTest::newRow("connection cannot open")
        << true << QStringLiteral("data.db is a directory")
        << box::error(QStringLiteral("unable to open database file Error opening database")) << QStringList();
    // A directory of the file's name can be neither replaced nor written.
    QTest::newRow("unwritable target")
        << true << fileName + QStringLiteral(" is a directory")
        << box::error(QStringLiteral("Filename refers to a directory")) << QStringList{ fileName };
    // The identifier names the file; only one of nine digits or capital letters may.
    QTest::newRow("owner NULL") << true
                                << QStringLiteral("DROP TABLE admin;CREATE TABLE admin (nif);INSERT INTO "
                                                  "admin VALUES (NULL)")
                                << unexpected << QStringList();
    for (const char *nif :
        { "'../escaped'", "'12345678z'", "'1234567Z'", "'123456789Z'", "'1234/678Z'", "'12345678 '" }) {
        QTest::addRow("owner %s", nif)
            << true << QStringLiteral("UPDATE admin SET nif = %1").arg(nif) << unexpected << QStringList();
    }
}

void TestExport::refusalsWriteNoFile()
{
    QFETCH(bool, todayKnown);
    QFETCH(QString, statement);
    QFETCH(QString, shown);
    start(todayKnown);
    QVERIFY(execStatement(cap1));
    QVERIFY(moveToWorkFolder());
    if (statement.endsWith(QLatin1String(" is a directory"))) {
        const QString directory = statement.section(QLatin1Char(' '), 0, 0);
        QFile::remove(directory);
        QVERIFY(QDir::current().mkdir(directory));
    } else {
        for (const QString &part : statement.split(QLatin1Char(';'), Qt::SkipEmptyParts))
            QVERIFY(execStatement(part));
    }

    QCOMPARE(send(), QStringList{ shown });
    QTEST(filesInWorkingDirectory(), "filesLeft");
    QCOMPARE(filesInWorkingDirectory(QStringLiteral("..")), QStringList());
    QVERIFY(!QFileInfo::exists(fileName) || QFileInfo(fileName).isDir());
}

QTEST_MAIN(TestExport)
#include "test_export.moc"
