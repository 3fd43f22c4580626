// A data.db that is no database at all: 64 KiB of random bytes. The start-up reports the
// driver's errors and goes on; the saves and the export report them again; nothing
// crashes, the process does not end, and the file is never written.

#include "TestSupport.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTabWidget>
#include <QTest>

namespace {

// What the driver says of a file that is not a database, for a statement it cannot run.
const QString notADatabase = QStringLiteral("file is not a database Unable to execute statement");

QByteArray randomBytes()
{
    QByteArray bytes(64 * 1024, '\0');
    QRandomGenerator generator(20160515);
    generator.fillRange(reinterpret_cast<quint32 *>(bytes.data()), bytes.size() / int(sizeof(quint32)));
    return bytes;
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Each box as "icon|title|text|buttons", with "|unexpected" when no answer fitted it.
QStringList describe(const QList<BoxResponder::Box> &boxes)
{
    static const char *const icons[] = { "none", "information", "warning", "critical", "question" };
    QStringList result;
    for (const BoxResponder::Box &box : boxes)
        result << QStringLiteral("%1|%2|%3|%4%5")
                      .arg(QLatin1String(icons[box.icon]), box.title, box.text,
                          box.buttons.join(QLatin1Char(',')),
                          box.unexpected ? QStringLiteral("|unexpected") : QString());
    return result;
}


QStringList driverErrors(int count)
{
    QStringList result;
    for (int i = 0; i < count; ++i)
        result << QStringLiteral("critical|Error|") + notADatabase + QStringLiteral("|OK");
    return result;
}

} // namespace

class TestCorruptDatabase final : public QObject {
    Q_OBJECT

private slots:
    void randomBytesAreReportedAndLeftAlone();
};

void TestCorruptDatabase::randomBytesAreReportedAndLeftAlone()
{
    ScratchDirectory scratch;
    const QString path = scratch.filePath(QStringLiteral("data.db"));
    const QByteArray garbage = randomBytes();
    QVERIFY(!garbage.startsWith("SQLite format 3"));
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(garbage), qint64(garbage.size()));
    }

    // The constructor's boxes show before startApp returns.
    BoxResponder responder;
    FakeTimeServer server;
    server.answerWith(noonOn(2016, 5, 15));
    auto app = startApp(server);
    // Opening succeeds (SQLite reads nothing yet), so the start-up is not the fatal one. Every
    // statement then fails: the six tables, reading `lasts` (no seed is tried), counting
    // `cap`, looking for the owner, and filling the client and the supplier lists.
    QCOMPARE(describe(responder.boxes()), driverErrors(11));
    // Today's reply fills the "Año" list, whose first item and then no item run the month's
    // sums: two more reads of `femi` that fail.
    QTRY_VERIFY(app->today().isValid());
    QTRY_COMPARE(describe(responder.boxes()), driverErrors(13));
    QVERIFY(app->isVisible());
    QCOMPARE(app->recordCount(), 0);
    QCOMPARE(app->issuedPage().client->count(), 0);
    QCOMPARE(app->receivedPage().supplier->count(), 0);
    QVERIFY(app->ownerNif().isEmpty());
    // No owner could be read, so the registration form is what the user sees.
    const RegistrationPage &registration = app->registrationPage();
    QCOMPARE(app->centralWidget(), registration.frame);
    QCOMPARE(readFile(path), garbage);

    // Registering the owner: the insert fails, the form keeps what was typed.
    responder.clear();
    const QStringList owner{ QStringLiteral("12345678Z"), QStringLiteral("Reformas del Sur"),
        QStringLiteral("Calle Mayor 1"), QStringLiteral("04001"), QStringLiteral("Almería"),
        QStringLiteral("Almería"), QStringLiteral("España") };
    const auto fields = registration.textFields();
    for (std::size_t i = 0; i < fields.size(); ++i)
        typeText(fields[i], owner.at(int(i)));
    registration.technician->setCurrentIndex(1);
    QTest::mouseClick(registration.registerButton, Qt::LeftButton);
    QCOMPARE(describe(responder.boxes()), driverErrors(1));
    for (std::size_t i = 0; i < fields.size(); ++i)
        QCOMPARE(fields[i]->text(), owner.at(int(i)));
    QCOMPARE(registration.technician->currentIndex(), 1);
    QVERIFY(app->ownerNif().isEmpty());
    QCOMPARE(app->centralWidget(), registration.frame);
    QCOMPARE(app->windowTitle(), QStringLiteral("Brivana"));

    // The tabs cannot be reached without an owner; their buttons are pressed all the same,
    // since each slot has to cope with the file on its own.
    // A client: the duplicate check fails first, before any confirmation.
    responder.clear();
    const PartiesPage &parties = app->partiesPage();
    parties.type->setCurrentIndex(0);
    const QStringList client{ QStringLiteral("87654321X"), QStringLiteral("Talleres Níjar"),
        QStringLiteral("Calle Sol 3"), QStringLiteral("04100"), QStringLiteral("níjar"),
        QStringLiteral("almería"), QStringLiteral("España") };
    const auto partyFields = parties.textFields();
    for (std::size_t i = 0; i < partyFields.size(); ++i)
        partyFields[i]->setText(client.at(int(i)));
    // The identifier's lookup ran on the file too.
    QCOMPARE(describe(responder.boxes()), driverErrors(1));
    responder.clear();
    parties.save->click();
    QCOMPARE(describe(responder.boxes()), driverErrors(1));
    for (std::size_t i = 0; i < partyFields.size(); ++i)
        QCOMPARE(partyFields[i]->text(), client.at(int(i)));
    QCOMPARE(app->recordCount(), 0);

    // An other entry: its insert fails.
    responder.clear();
    const OtherEntriesPage &other = app->otherEntriesPage();
    other.amount->setText(QStringLiteral("120.5"));
    other.account->setCurrentIndex(0);
    other.save->click();
    QStringList expected{ QStringLiteral("information|Información|Ha seleccionado usted la cuenta "
                                         "contable:\n\n62500000\tSeguros\n\nPor favor, verifique si es "
                                         "correcto.|OK") };
    QCOMPARE(describe(responder.boxes()), expected + driverErrors(1));
    QCOMPARE(other.amount->text(), QStringLiteral("120.5"));
    QCOMPARE(other.account->currentIndex(), 0);

    // The export: the owner cannot be read, so no file is made.
    responder.clear();
    responder.answer(QStringLiteral("Sí"));
    app->exportPage().send->click();
    expected = QStringList{ QStringLiteral("information|Información|Está a punto de enviar todos los "
                                           "registros,\nesta operación es irrevirsible, ¿está seguro\nde "
                                           "que desea enviar los datos?|No,Sí") };
    QCOMPARE(describe(responder.boxes()), expected + driverErrors(1));
    QVERIFY(!QApplication::activeModalWidget());
    QCOMPARE(responder.pendingAnswers(), 0);

    // Still running, and the file was never touched, not even once the window is gone.
    QVERIFY(app->isVisible());
    QCOMPARE(readFile(path), garbage);
    app.reset();
    QCOMPARE(readFile(path), garbage);
    // No journal, no export file: nothing but what was there.
    QStringList files = QDir(scratch.path()).entryList(QDir::Files | QDir::Hidden | QDir::System);
    files.sort();
    QStringList expectedFiles = ScratchDirectory::imageNames() << QStringLiteral("data.db");
    expectedFiles.sort();
    QCOMPARE(files, expectedFiles);
}

QTEST_MAIN(TestCorruptDatabase)
#include "test_corrupt_database.moc"
