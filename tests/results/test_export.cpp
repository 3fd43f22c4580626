#include "TestSupport.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFrame>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

namespace {

const QString fileName = QStringLiteral("12345678Z_20160515.csv");
const QString confirmText = QStringLiteral("Está a punto de enviar todos los registros,\nesta operación es "
                                           "irrevirsible, ¿está seguro\nde que desea enviar los datos?");
const QString successText = QStringLiteral("Archivo exportado correctamente:\n\n") + fileName;

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

QByteArray readFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

QByteArray expectedFile(const QString &name)
{
    const QByteArray content = readFile(QStringLiteral(BRIVANA_TEST_DATA "/export/") + name);
    if (content.isEmpty())
        qWarning("missing expected file %s", qPrintable(name));
    return content;
}

// Every file of the working directory: data.db and whatever the export left.
QStringList filesInWorkingDirectory()
{
    QStringList files = QDir::current().entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot);
    files.removeAll(QStringLiteral("data.db"));
    for (const QString &image : ScratchDirectory::imageNames())
        files.removeAll(image);
    return files;
}

struct SeenBox {
    QMessageBox::Icon icon;
    QString title;
    QString text;
};

} // namespace

class TestExport final : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void writesTheTablesSideBySide_data();
    void writesTheTablesSideBySide();
    void aSecondExportOnTheSameDayReplacesTheFirst();
    void answeringNoWritesNothing();
    void refusalsWriteNoFile_data();
    void refusalsWriteNoFile();
    void aConnectionThatCannotOpenShowsItsOwnText();
    void anUnwritableTargetIsReported();
    void aFailingQueryLeavesTheEarlierFile();
    void aRowThatCannotBeReadLeavesTheEarlierFile();

private:
    // Owner 12345678Z, today 15 May 2016; the window is left on the export page.
    void start(bool answerTime = true);
    // Presses "Enviar" and answers the confirmation with "Sí", then whatever follows.
    void send(const QStringList &moreAnswers = {});
    void compareBoxes(const QList<SeenBox> &expected);

    std::unique_ptr<ScratchDirectory> m_scratch;
    std::unique_ptr<BoxResponder> m_responder;
    std::unique_ptr<FakeTimeServer> m_server;
    std::unique_ptr<App> m_app;
};

void TestExport::init()
{
    m_scratch = std::make_unique<ScratchDirectory>();
    m_responder = std::make_unique<BoxResponder>();
    m_server = std::make_unique<FakeTimeServer>();
}

void TestExport::cleanup()
{
    // No box left open, none left unanswered.
    QVERIFY(!QApplication::activeModalWidget());
    QCOMPARE(m_responder->pendingAnswers(), 0);
    m_app.reset();
    m_server.reset();
    m_responder.reset();
    m_scratch.reset();
}

void TestExport::start(bool answerTime)
{
    insertOwner();
    if (answerTime)
        m_server->answerWith(noonOn(2016, 5, 15));
    else
        m_server->stayQuiet();
    m_app = startApp(*m_server);
    if (answerTime)
        QTRY_VERIFY(m_app->today().isValid());
    m_app->tabs()->setCurrentWidget(m_app->exportPage().frame);
    m_responder->clear();
}

void TestExport::send(const QStringList &moreAnswers)
{
    m_responder->answer(QStringLiteral("Sí"));
    m_responder->answer(moreAnswers);
    QTest::mouseClick(m_app->exportPage().send, Qt::LeftButton);
}

void TestExport::compareBoxes(const QList<SeenBox> &expected)
{
    const QList<BoxResponder::Box> &seen = m_responder->boxes();
    QCOMPARE(m_responder->texts().size(), expected.size());
    for (int i = 0; i < expected.size(); ++i) {
        QCOMPARE(seen[i].text, expected[i].text);
        QCOMPARE(seen[i].icon, expected[i].icon);
        QCOMPARE(seen[i].title, expected[i].title);
        QVERIFY(!seen[i].unexpected);
    }
    m_responder->clear();
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

    send();
    compareBoxes({ { QMessageBox::Information, QStringLiteral("Información"), confirmText },
        { QMessageBox::Information, QStringLiteral("Información"), successText } });
    QCOMPARE(filesInWorkingDirectory(), QStringList{ fileName });
    QCOMPARE(readFile(fileName), expectedFile(expected));
}

void TestExport::aSecondExportOnTheSameDayReplacesTheFirst()
{
    start();
    send();
    QCOMPARE(readFile(fileName), expectedFile(QStringLiteral("empty.csv")));
    QVERIFY(execStatement(cap1));

    m_responder->clear();
    send();
    QCOMPARE(m_responder->boxes().size(), 2);
    QCOMPARE(m_responder->boxes().at(0).buttons, (QStringList{ QStringLiteral("No"), QStringLiteral("Sí") }));
    compareBoxes({ { QMessageBox::Information, QStringLiteral("Información"), confirmText },
        { QMessageBox::Information, QStringLiteral("Información"), successText } });
    QCOMPARE(filesInWorkingDirectory(), QStringList{ fileName });
    QCOMPARE(readFile(fileName), expectedFile(QStringLiteral("one_client.csv")));
}

void TestExport::answeringNoWritesNothing()
{
    start();
    m_responder->answer(QStringLiteral("No"));
    QTest::mouseClick(m_app->exportPage().send, Qt::LeftButton);
    compareBoxes({ { QMessageBox::Information, QStringLiteral("Información"), confirmText } });
    QVERIFY(filesInWorkingDirectory().isEmpty());
}

void TestExport::refusalsWriteNoFile_data()
{
    QTest::addColumn<bool>("todayKnown");
    QTest::addColumn<QString>("statement");
    QTest::addColumn<int>("icon");
    QTest::addColumn<QString>("text");

    QTest::newRow("today unknown") << false << QString() << int(QMessageBox::Warning)
                                   << QStringLiteral(
                                          "No se ha podido obtener la fecha actual del servidor de hora.");
    QTest::newRow("no owner") << true << QStringLiteral("DELETE FROM admin") << int(QMessageBox::Critical)
                              << QStringLiteral("Error inesperado en la base de datos.");
    QTest::newRow("owner query fails")
        << true << QStringLiteral("DROP TABLE admin") << int(QMessageBox::Critical)
        << QStringLiteral("no such table: admin Unable to execute statement");
}

void TestExport::refusalsWriteNoFile()
{
    QFETCH(bool, todayKnown);
    QFETCH(QString, statement);
    QFETCH(int, icon);
    QFETCH(QString, text);
    start(todayKnown);
    QVERIFY(execStatement(cap1));
    if (!statement.isEmpty())
        QVERIFY(execStatement(statement));

    send();
    compareBoxes({ { QMessageBox::Information, QStringLiteral("Información"), confirmText },
        { QMessageBox::Icon(icon), QStringLiteral("Error"), text } });
    QVERIFY(filesInWorkingDirectory().isEmpty());
}

void TestExport::aConnectionThatCannotOpenShowsItsOwnText()
{
    start();
    // The window closed its connection after start-up; a directory cannot be opened in its place.
    QVERIFY(QFile::remove(QStringLiteral("data.db")));
    QVERIFY(QDir::current().mkdir(QStringLiteral("data.db")));

    send();
    compareBoxes({ { QMessageBox::Information, QStringLiteral("Información"), confirmText },
        { QMessageBox::Critical, QStringLiteral("Error"),
            QStringLiteral("unable to open database file Error opening database") } });
    QVERIFY(filesInWorkingDirectory().isEmpty());
}

void TestExport::anUnwritableTargetIsReported()
{
    start();
    // A directory of the file's name can be neither replaced nor written.
    QVERIFY(QDir::current().mkdir(fileName));

    send();
    compareBoxes({ { QMessageBox::Information, QStringLiteral("Información"), confirmText },
        { QMessageBox::Critical, QStringLiteral("Error"),
            QStringLiteral("Filename refers to a directory") } });
    QCOMPARE(filesInWorkingDirectory(), QStringList{ fileName });
    QVERIFY(QFileInfo(fileName).isDir());
}

void TestExport::aFailingQueryLeavesTheEarlierFile()
{
    start();
    QVERIFY(execStatement(cap1));
    send();
    m_responder->clear();
    QVERIFY(execStatement(cap2));
    QVERIFY(execStatement(QStringLiteral("DROP TABLE ogei")));

    send();
    compareBoxes({ { QMessageBox::Information, QStringLiteral("Información"), confirmText },
        { QMessageBox::Critical, QStringLiteral("Error"),
            QStringLiteral("no such table: ogei Unable to execute statement") } });
    QCOMPARE(filesInWorkingDirectory(), QStringList{ fileName });
    QCOMPARE(readFile(fileName), expectedFile(QStringLiteral("one_client.csv")));
}

void TestExport::aRowThatCannotBeReadLeavesTheEarlierFile()
{
    start();
    send();
    m_responder->clear();
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

    send();
    compareBoxes({ { QMessageBox::Information, QStringLiteral("Información"), confirmText },
        { QMessageBox::Critical, QStringLiteral("Error"),
            QStringLiteral("database disk image is malformed Unable to fetch row") } });
    QCOMPARE(filesInWorkingDirectory(), QStringList{ fileName });
    QCOMPARE(readFile(fileName), expectedFile(QStringLiteral("empty.csv")));
}

QTEST_MAIN(TestExport)
#include "test_export.moc"
