// A data.db that is no database at all: 64 KiB of random bytes. The start-up reports the
// driver's errors and goes on; the saves and the export report them again; nothing
// crashes, the process does not end, and the file is never written.

#include "ProgramBoxes.h"
#include "WindowFixture.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTest>

namespace {

QByteArray randomBytes()
{
    QByteArray bytes(64 * 1024, '\0');
    QRandomGenerator generator(20160515);
    generator.fillRange(reinterpret_cast<quint32 *>(bytes.data()), bytes.size() / int(sizeof(quint32)));
    return bytes;
}

// What the driver says of a file that is not a database, for each statement it cannot run,
// in a critical box with only "OK".
QStringList driverErrors(int count)
{
    return QStringList(
        count, box::error(QStringLiteral("file is not a database Unable to execute statement|OK")));
}

} // namespace

class TestCorruptDatabase final : public QObject {
    Q_OBJECT

private slots:
    void randomBytesAreReportedAndLeftAlone();
};

void TestCorruptDatabase::randomBytesAreReportedAndLeftAlone()
{
    WindowFixture window;
    const QString path = window.scratch.filePath(QStringLiteral("data.db"));
    const QByteArray garbage = randomBytes();
    QVERIFY(!garbage.startsWith("SQLite format 3"));
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(garbage), qint64(garbage.size()));
    }

    // Opening succeeds (SQLite reads nothing yet), so the start-up is not the fatal one. Every
    // statement then fails: the six tables, reading `lasts` (no seed is tried), counting
    // `cap`, looking for the owner, and filling the client and the supplier lists. The
    // constructor's boxes show before it returns.
    window.server.answerWith(noonOn(2016, 5, 15));
    window.app = startApp(window.server);
    App &app = *window.app;
    QCOMPARE(boxLinesWithButtons(window.responder), driverErrors(11));
    // Today's reply fills the "Año" list, whose first item and then no item run the month's
    // sums: two more reads of `femi` that fail.
    QTRY_VERIFY(app.today().isValid());
    QTRY_COMPARE(boxLinesWithButtons(window.responder), driverErrors(13));
    QCOMPARE(window.takeBoxes(true), driverErrors(13));
    QVERIFY(app.isVisible());
    QCOMPARE(app.recordCount(), 0);
    QCOMPARE(app.issuedPage().client->count(), 0);
    QCOMPARE(app.receivedPage().supplier->count(), 0);
    QVERIFY(app.ownerNif().isEmpty());
    // No owner could be read, so the registration form is what the user sees.
    const RegistrationPage &registration = app.registrationPage();
    QCOMPARE(app.centralWidget(), registration.frame);
    QCOMPARE(readFile(path), garbage);

    // Registering the owner: the insert fails, the form keeps what was typed.
    const QStringList owner{ "12345678Z", "Reformas del Sur", "Calle Mayor 1", "04001", "Almería", "Almería",
        "España" };
    for (std::size_t i = 0; i < registration.textFields().size(); ++i)
        typeText(registration.textFields()[i], owner.at(int(i)));
    registration.technician->setCurrentIndex(1);
    QTest::mouseClick(registration.registerButton, Qt::LeftButton);
    QCOMPARE(window.takeBoxes(true), driverErrors(1));
    QCOMPARE(textsOf(registration.textFields()), owner);
    QCOMPARE(registration.technician->currentIndex(), 1);
    QVERIFY(app.ownerNif().isEmpty());
    QCOMPARE(app.centralWidget(), registration.frame);
    QCOMPARE(app.windowTitle(), QStringLiteral("Brivana"));

    // The tabs cannot be reached without an owner; their buttons are pressed all the same,
    // since each slot has to cope with the file on its own.
    // A client: the identifier's look-up fails as it is typed, the duplicate check fails
    // first on saving, before any confirmation.
    const PartiesPage &parties = app.partiesPage();
    parties.type->setCurrentIndex(0);
    const QStringList client{ "87654321X", "Talleres Níjar", "Calle Sol 3", "04100", "níjar", "almería",
        "España" };
    for (std::size_t i = 0; i < parties.textFields().size(); ++i)
        parties.textFields()[i]->setText(client.at(int(i)));
    QCOMPARE(window.takeBoxes(true), driverErrors(1));
    parties.save->click();
    QCOMPARE(window.takeBoxes(true), driverErrors(1));
    QCOMPARE(textsOf(parties.textFields()), client);
    QCOMPARE(app.recordCount(), 0);

    // An other entry: its insert fails.
    const OtherEntriesPage &other = app.otherEntriesPage();
    other.amount->setText(QStringLiteral("120.5"));
    other.account->setCurrentIndex(0);
    other.save->click();
    QCOMPARE(window.takeBoxes(true),
        QStringList{ box::accountChosen(QStringLiteral("62500000\tSeguros")) + "|OK" } + driverErrors(1));
    QCOMPARE(other.amount->text(), QStringLiteral("120.5"));
    QCOMPARE(other.account->currentIndex(), 0);

    // The export: the owner cannot be read, so no file is made.
    window.responder.answer(QStringLiteral("Sí"));
    app.exportPage().send->click();
    QCOMPARE(window.takeBoxes(true), QStringList{ box::confirmSending + "|No,Sí" } + driverErrors(1));

    // Still running, and the file was never touched, not even once the window is gone.
    QVERIFY(app.isVisible());
    QCOMPARE(readFile(path), garbage);
    window.app.reset();
    QCOMPARE(readFile(path), garbage);
    // No journal, no export file: nothing but what was there.
    QStringList files = QDir(window.scratch.path()).entryList(QDir::Files | QDir::Hidden | QDir::System);
    files.sort();
    QStringList expectedFiles = ScratchDirectory::imageNames() << QStringLiteral("data.db");
    expectedFiles.sort();
    QCOMPARE(files, expectedFiles);
}

QTEST_MAIN(TestCorruptDatabase)
#include "test_corrupt_database.moc"
