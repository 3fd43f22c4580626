// "Enviar" through the window: the question first, then the file named after the owner and
// today, or the box of what failed, which leaves the earlier file as it was.

#include "TestSupport.h"

#include <sys/mount.h>

class TestExport final : public QObject {
    Q_OBJECT

    const QString fileName = QStringLiteral("12345678Z_20160515.csv");
    std::unique_ptr<WindowFixture> f;

    // Owner 12345678Z; today 15 May 2016 when known.
    void start(bool todayKnown = true)
    {
        f = std::make_unique<WindowFixture>();
        insertOwner();
        QVERIFY(f->start(5, todayKnown ? QDate(2016, 5, 15) : QDate()));
    }
    QStringList send(const QString &answer = "Sí")
    {
        f->perform({ '>' + answer, "export.send" });
        return f->takeBoxes(true);
    }
    // The question, with its buttons, then one box with "OK".
    QStringList sendingBoxes(const QString &box) { return { box::confirmSending + "|No,Sí", box + "|OK" }; }
    // What the export left in the working folder.
    QStringList files()
    {
        return QDir().entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot).filter(".csv");
    }

private slots:
    void cleanup() { f.reset(); }

    void sendWritesOrReplacesTheFile()
    {
        start();
        QCOMPARE(send("No"), QStringList{ box::confirmSending + "|No,Sí" });
        QCOMPARE(files(), QStringList());
        QCOMPARE(send(), sendingBoxes(box::exported(fileName)));
        QCOMPARE(readFile(fileName), readFile(BRIVANA_TEST_DATA "/export/empty.csv"));
        QVERIFY(queryRows("INSERT INTO cap VALUES (NULL, 0, 43000001, '12345678Z', 'Talleres Núñez 😀€', "
                          "'Calle Real 5' || char(13), 04001, 'Almería', 'Almería', 'España')"));
        QCOMPARE(send(), sendingBoxes(box::exported(fileName)));
        QCOMPARE(files(), QStringList{ fileName });
        QCOMPARE(readFile(fileName), readFile(BRIVANA_TEST_DATA "/export/one_client.csv"));
    }

    void failureKeepsTheEarlierFile_data()
    {
        // Run on data.db after a first export, or "X is a directory".
        QTest::addColumn<QString>("statement");
        QTest::addColumn<QString>("shown");
        const QString unexpected = box::error("Error inesperado en la base de datos.");
        QTest::newRow("no owner") << "DELETE FROM admin" << unexpected;
        QTest::newRow("owner query fails")
            << "DROP TABLE admin" << box::error("no such table: admin Unable to execute statement");
        // The owner's identifier names the file: it may not lead out of the folder.
        QTest::newRow("owner ../escaped") << "UPDATE admin SET nif = '../escaped'" << unexpected;
        QTest::newRow("table query fails")
            << "DROP TABLE ogei" << box::error("no such table: ogei Unable to execute statement");
        QTest::newRow("connection cannot open")
            << "data.db is a directory" << box::error("unable to open database file Error opening database");
        QTest::newRow("file name is a directory")
            << fileName + " is a directory" << box::error("Filename refers to a directory");
    }
    void failureKeepsTheEarlierFile()
    {
        QFETCH(QString, statement);
        QFETCH(QString, shown);
        start();
        QCOMPARE(send(), sendingBoxes(box::exported(fileName)));
        if (statement.endsWith(" is a directory")) {
            QFile::remove(statement.section(' ', 0, 0));
            QVERIFY(QDir().mkdir(statement.section(' ', 0, 0)));
        }
        QVERIFY(statement.endsWith(" is a directory") || queryRows(statement));
        QCOMPARE(send(), sendingBoxes(shown));
        QCOMPARE(files(), QStringList{ fileName });
        QCOMPARE(readFile(fileName),
            QFileInfo(fileName).isDir() ? QByteArray() : readFile(BRIVANA_TEST_DATA "/export/empty.csv"));
        QVERIFY(!QFileInfo::exists("../escaped_20160515.csv"));
    }

    void todayUnknownWritesNothing()
    {
        start(false);
        QCOMPARE(send(), sendingBoxes(box::todayUnknown));
        QCOMPARE(files(), QStringList());
    }

    // On a full disk of its own the export fails and the earlier file stays.
    void fullDiskKeepsTheEarlierFile()
    {
        start();
        QVERIFY(QDir().mkdir("disk"));
        const QByteArray disk = QFile::encodeName(QFileInfo("disk").absoluteFilePath());
        if (::mount("tmpfs", disk.constData(), "tmpfs", 0, "size=1m") != 0)
            QSKIP("A tmpfs cannot be mounted here");
        // Lazily, as the window's connection may still be open there.
        const auto unmount = qScopeGuard([&disk] { ::umount2(disk.constData(), MNT_DETACH); });
        QVERIFY(QFile::copy("data.db", "disk/data.db") && QDir::setCurrent("disk"));
        QCOMPARE(send(), sendingBoxes(box::exported(fileName)));
        QVERIFY(queryRows("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 100) "
                          "INSERT INTO ogei SELECT NULL, '04/05/2016', i, 62800000 FROM n"));
        QFile filler("filler");
        const qint64 size = QStorageInfo(QDir::current()).bytesAvailable() - 4096;
        QVERIFY(filler.open(QIODevice::WriteOnly) && filler.write(QByteArray(size, 'x')) == size);
        filler.close();
        QCOMPARE(send(), sendingBoxes(box::error("No space left on device")));
        QCOMPARE(files(), QStringList{ fileName });
        QCOMPARE(readFile(fileName), readFile(BRIVANA_TEST_DATA "/export/empty.csv"));
    }
};

QTEST_MAIN(TestExport)
#include "test_export.moc"
