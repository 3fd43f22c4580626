// data.db locked by another connection while the user saves. Each save waits for
// SQLite's busy timeout (5 s in Qt's driver), shows the driver's error, keeps what was
// typed and writes nothing; once the lock is gone the same save succeeds.
//
// Two kinds of lock: BEGIN EXCLUSIVE keeps everyone out, readers too, so a save fails at
// its first statement; BEGIN IMMEDIATE lets readers in and keeps writers out, so a save
// passes its checks and confirmations and fails at its first write.
//
// The other way round: while the window waits for an answer to any of its boxes, it holds
// no statement open, so another connection can take the whole file (BEGIN EXCLUSIVE, which
// waits for every reader as a commit does).

#include "ProgramBoxes.h"
#include "WindowFixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTabWidget>
#include <QTest>

namespace {

// The other connection's transaction: readers kept out too, or only writers.
const char exclusive[] = "BEGIN EXCLUSIVE";
const char immediate[] = "BEGIN IMMEDIATE";

// SQLite's busy wait is 5000 ms; a save that fails must have waited most of it.
constexpr qint64 busyWaitAtLeast = 4500;

// The driver's error: a statement that cannot even be prepared (it needs the schema, which
// BEGIN EXCLUSIVE keeps from readers), and a write that cannot take its lock.
const QString cannotPrepare = box::error(QStringLiteral("database is locked Unable to execute statement"));
const QString cannotWrite = box::error(QStringLiteral("database is locked Unable to fetch row"));

const QStringList tables{ QStringLiteral("admin"), QStringLiteral("cap"), QStringLiteral("lasts"),
    QStringLiteral("femi"), QStringLiteral("frec"), QStringLiteral("ogei") };

// Every row of the six tables.
QList<QList<QVariantList>> contents()
{
    QList<QList<QVariantList>> result;
    for (const QString &table : tables)
        result << queryRows(QStringLiteral("SELECT * FROM ") + table);
    return result;
}

// Everything a page shows: each field's text, each list's choice, each box's tick, each
// date, whether each is hidden or read-only or marked wrong.
QStringList formState(const QWidget *page)
{
    QStringList state;
    for (const QWidget *widget : page->findChildren<QWidget *>()) {
        QString value;
        if (const auto *edit = qobject_cast<const QDateEdit *>(widget))
            value = QStringLiteral("date ") + edit->date().toString(Qt::ISODate);
        else if (const auto *field = qobject_cast<const QLineEdit *>(widget))
            value = QStringLiteral("text ") + field->text() + (field->isReadOnly() ? " read-only" : "");
        else if (const auto *list = qobject_cast<const QComboBox *>(widget))
            value = QStringLiteral("item %1 %2 of %3")
                        .arg(list->currentIndex())
                        .arg(list->currentText())
                        .arg(list->count());
        else if (const auto *box = qobject_cast<const QCheckBox *>(widget))
            value = box->isChecked() ? QStringLiteral("ticked") : QStringLiteral("unticked");
        else
            continue;
        state << widget->objectName() + QLatin1Char(' ') + value + (widget->isHidden() ? " hidden" : "")
                + (widget->property("error").toBool() ? " marked" : "");
    }
    return state;
}

// Fills the party form with a client of this identifier and name.
void fillClient(const PartiesPage &page, const QString &nif, const QString &name)
{
    page.type->setCurrentIndex(0);
    const QStringList values{ nif, name, "Calle Sol 3", "04100", "níjar", "almería", "España" };
    for (std::size_t i = 0; i < page.textFields().size(); ++i)
        typeText(page.textFields()[i], values.at(int(i)));
}

// A second connection to data.db holding a transaction open, as another program would.
class DatabaseLock {
public:
    explicit DatabaseLock(const char *begin)
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(QDir::current().filePath(QStringLiteral("data.db")));
        if (!db.open()) {
            m_error = db.lastError().text();
            return;
        }
        QSqlQuery query(db);
        if (!query.exec(QString::fromLatin1(begin)))
            m_error = query.lastError().text();
    }
    ~DatabaseLock()
    {
        {
            QSqlDatabase db = QSqlDatabase::database(name, false);
            QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
            db.close();
        }
        QSqlDatabase::removeDatabase(name);
    }
    // Empty while the lock is held.
    const QString &error() const { return m_error; }

private:
    const QString name = QStringLiteral("brivana-test-lock");
    QString m_error;
};

} // namespace

class TestLockedDatabase final : public QObject {
    Q_OBJECT

private slots:
    void cleanup();
    void savesWaitReportAndSucceedLater();
    void counterStaysAdvancedWhenTheInsertFails();

private:
    // The window on data.db holding a client and a supplier, and an owner if withOwner,
    // today known.
    void startWindow(bool withOwner);
    // Presses button while the lock of kind begin is held, and checks: the wait, the boxes
    // (those before the failure, then the driver's error), the form and the tables unchanged.
    void pressLocked(const char *begin, QPushButton *button, const QWidget *page, const QStringList &answers,
        const QStringList &boxesBefore);
    // Presses button with nothing in the way: these answers, these boxes, and while each box
    // is open, another connection can take the file.
    void pressFree(QPushButton *button, const QStringList &answers, const QStringList &boxes);

    std::unique_ptr<WindowFixture> m_window;
};

void TestLockedDatabase::cleanup()
{
    m_window.reset();
}

void TestLockedDatabase::startWindow(bool withOwner)
{
    m_window = std::make_unique<WindowFixture>();
    for (const QString &statement : schemaStatements())
        QVERIFY(execStatement(statement));
    if (withOwner)
        insertOwner();
    QVERIFY(execStatement(QStringLiteral("INSERT INTO lasts VALUES (43000001, 40000001)")));
    QVERIFY(
        execStatement(QStringLiteral("INSERT INTO cap (type, id, nif, rs, dir, cp, pobl, prov, pais) VALUES "
                                     "(0, 43000001, 'B04000001', 'Cliente Uno', 'Calle Real 2', 4002, "
                                     "'almería', 'almería', 'España'), "
                                     "(1, 40000001, 'A04000002', 'Suministros Norte', 'Calle Sol 3', "
                                     "4100, 'níjar', 'almería', 'España')")));
    QVERIFY(m_window->startOn(QDate(2016, 5, 15)));
    QCOMPARE(m_window->takeBoxes(), QStringList());
    m_window->app->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window->app.get()));
}

void TestLockedDatabase::pressLocked(const char *begin, QPushButton *button, const QWidget *page,
    const QStringList &answers, const QStringList &boxesBefore)
{
    const QStringList formBefore = formState(page);
    const auto tablesBefore = contents();
    m_window->responder.answer(answers);
    {
        DatabaseLock lock(begin);
        QVERIFY2(lock.error().isEmpty(), qPrintable(lock.error()));
        QElapsedTimer timer;
        timer.start();
        QTest::mouseClick(button, Qt::LeftButton);
        const qint64 waited = timer.elapsed();
        qInfo("%s: %s failed after %lld ms", begin, qPrintable(button->text()), waited);
        QVERIFY2(waited >= busyWaitAtLeast, qPrintable(QString::number(waited)));
    }
    QCOMPARE(m_window->takeBoxes(),
        QStringList(boxesBefore) << (qstrcmp(begin, exclusive) == 0 ? cannotPrepare : cannotWrite));
    QCOMPARE(formState(page), formBefore);
    QCOMPARE(contents(), tablesBefore);
}

void TestLockedDatabase::pressFree(QPushButton *button, const QStringList &answers, const QStringList &boxes)
{
    QStringList keptOut;
    m_window->responder.whileOpen([&](const BoxResponder::Box &box) {
        const DatabaseLock other(exclusive);
        if (!other.error().isEmpty())
            keptOut << box.text + QStringLiteral(": ") + other.error();
    });
    m_window->responder.answer(answers);
    QTest::mouseClick(button, Qt::LeftButton);
    m_window->responder.whileOpen(nullptr);
    QCOMPARE(m_window->takeBoxes(), boxes);
    QVERIFY2(keptOut.isEmpty(), qPrintable(keptOut.join(QLatin1Char('\n'))));
}

void TestLockedDatabase::savesWaitReportAndSucceedLater()
{
    // No owner yet: the window starts on the registration form.
    startWindow(false);
    if (QTest::currentTestFailed())
        return;
    App &app = *m_window->app;
    const QStringList invoiceConfirmations{ box::checkTotal, box::confirmSave };
    const QStringList invoiceAnswers{ QStringLiteral("Continuar"), QStringLiteral("Guardar") };

    // The owner (reg): its one statement is the insert.
    const RegistrationPage &registration = app.registrationPage();
    const QStringList owner{ "12345678Z", "Reformas del Sur", "Calle Mayor 1", "04001", "Almería", "Almería",
        "España" };
    for (std::size_t i = 0; i < registration.textFields().size(); ++i)
        typeText(registration.textFields()[i], owner.at(int(i)));
    registration.technician->setCurrentIndex(2);
    pressLocked(exclusive, registration.registerButton, registration.frame, {}, {});
    QCOMPARE(app.centralWidget(), registration.frame);
    QVERIFY(app.ownerNif().isEmpty());
    pressFree(registration.registerButton, {}, { box::ownerRegistered });
    QCOMPARE(app.centralWidget(), app.tabs());
    QCOMPARE(queryRows(QStringLiteral("SELECT nif, rs, cp, tecn FROM admin")),
        (QList<QVariantList>{ { "12345678Z", "Reformas del Sur", 4001, 2 } }));

    // A client (Save1): the duplicate check, the confirmation, the counter in `lasts`, the insert.
    app.tabs()->setCurrentIndex(0);
    const PartiesPage &parties = app.partiesPage();
    // Locked out entirely: the duplicate check fails, before the confirmation.
    fillClient(parties, QStringLiteral("87654321X"), QStringLiteral("Talleres Níjar"));
    QCOMPARE(m_window->takeBoxes(), QStringList());
    pressLocked(exclusive, parties.save, parties.frame, {}, {});
    pressFree(parties.save, { QStringLiteral("Guardar") }, { box::confirmSave, box::partySaved });
    // Readers let in: the confirmation is answered, the counter is read, and its update is
    // what fails, so the insert is never tried and `lasts` keeps its value.
    fillClient(parties, QStringLiteral("11111111H"), QStringLiteral("Gamma Servicios"));
    pressLocked(immediate, parties.save, parties.frame, { QStringLiteral("Guardar") }, { box::confirmSave });
    pressFree(parties.save, { QStringLiteral("Guardar") }, { box::confirmSave, box::partySaved });
    QCOMPARE(queryRows(QStringLiteral("SELECT id, nif, rs FROM cap WHERE type=0 ORDER BY auid")),
        (QList<QVariantList>{ { 43000001, "B04000001", "Cliente Uno" },
            { 43000002, "87654321X", "Talleres Níjar" }, { 43000003, "11111111H", "Gamma Servicios" } }));
    QCOMPARE(queryRows(QStringLiteral("SELECT lastc, lastp FROM lasts")),
        (QList<QVariantList>{ { 43000003, 40000001 } }));
    QCOMPARE(app.recordCount(), 4);

    // An issued invoice (Save2): the number check, the client's account, two confirmations, the insert.
    app.tabs()->setCurrentIndex(1);
    const IssuedPage &issued = app.issuedPage();
    issued.client->setCurrentIndex(0);
    issued.type->setCurrentIndex(0);
    issued.account->setCurrentIndex(1);
    typeText(issued.series, QStringLiteral("A"));
    typeText(issued.number, QStringLiteral("F-1"));
    typeText(issued.lines[0].base, QStringLiteral("100"));
    typeText(issued.lines[0].rate, QStringLiteral("21"));
    QCOMPARE(issued.total->text(), QStringLiteral("121"));
    QCOMPARE(
        m_window->takeBoxes(), QStringList{ box::accountChosen("70500000    Prestaciones de servicios") });
    pressLocked(exclusive, issued.save, issued.frame, {}, {});
    pressLocked(immediate, issued.save, issued.frame, invoiceAnswers, invoiceConfirmations);
    pressFree(issued.save, invoiceAnswers, invoiceConfirmations + QStringList{ box::dataSaved });
    QCOMPARE(queryRows(QStringLiteral(
                 "SELECT cliente, serie, nfac, fecha, base0, piva0, civa0, total, ctc FROM femi")),
        (QList<QVariantList>{ { 43000001, "A", "F-1", "15/05/2016", 100, 21, 21, 121, 70500000 } }));
    QCOMPARE(issued.number->text(), QString());

    // A received invoice (Save3): the same steps on `frec`.
    app.tabs()->setCurrentIndex(2);
    const ReceivedPage &received = app.receivedPage();
    received.supplier->setCurrentIndex(0);
    received.type->setCurrentIndex(0);
    received.account->setCurrentIndex(0);
    typeText(received.number, QStringLiteral("R-1"));
    typeText(received.lines[0].base, QStringLiteral("50"));
    typeText(received.lines[0].rate, QStringLiteral("10"));
    QCOMPARE(received.total->text(), QStringLiteral("55"));
    QCOMPARE(m_window->takeBoxes(), QStringList{ box::accountChosen("60000000\tCompras de mercaderías") });
    pressLocked(exclusive, received.save, received.frame, {}, {});
    pressFree(received.save, invoiceAnswers, invoiceConfirmations + QStringList{ box::dataSaved });
    QCOMPARE(
        queryRows(QStringLiteral("SELECT proveedor, nfac, fecha, base0, piva0, civa0, total, ctc FROM frec")),
        (QList<QVariantList>{ { 40000001, "R-1", "15/05/2016", 50, 10, 5, 55, 60000000 } }));
    QCOMPARE(received.number->text(), QString());

    // An other entry (Save4): its one statement is the insert.
    app.tabs()->setCurrentIndex(3);
    const OtherEntriesPage &other = app.otherEntriesPage();
    typeText(other.amount, QStringLiteral("120.5"));
    other.account->setCurrentIndex(0);
    QCOMPARE(m_window->takeBoxes(), QStringList{ box::accountChosen("62500000\tSeguros") });
    pressLocked(exclusive, other.save, other.frame, {}, {});
    pressFree(other.save, {}, { box::dataSaved });
    QCOMPARE(queryRows(QStringLiteral("SELECT fecha, importe, ctc FROM ogei")),
        (QList<QVariantList>{ { "15/05/2016", 120.5, 62500000 } }));
    QCOMPARE(other.amount->text(), QString());
}

// The one half-written state the rules allow: a client's save advances `lasts` before its
// insert, without a transaction. A lock cannot bring it about (the update is the first
// write, so a lock that refuses the insert refuses the update first), so here the insert is
// refused by a trigger. The counter stays advanced and its number is never given.
void TestLockedDatabase::counterStaysAdvancedWhenTheInsertFails()
{
    startWindow(true);
    if (QTest::currentTestFailed())
        return;
    QVERIFY(execStatement(QStringLiteral("CREATE TRIGGER refuse BEFORE INSERT ON cap "
                                         "BEGIN SELECT RAISE(ABORT, 'no room for parties'); END")));
    const PartiesPage &parties = m_window->app->partiesPage();
    fillClient(parties, QStringLiteral("87654321X"), QStringLiteral("Talleres Níjar"));
    const QStringList formBefore = formState(parties.frame);

    pressFree(parties.save, { QStringLiteral("Guardar") },
        { box::confirmSave, box::error(QStringLiteral("no room for parties Unable to fetch row")) });
    QCOMPARE(formState(parties.frame), formBefore);
    QCOMPARE(queryRows(QStringLiteral("SELECT lastc, lastp FROM lasts")),
        (QList<QVariantList>{ { 43000002, 40000001 } }));
    QCOMPARE(queryValue(QStringLiteral("SELECT COUNT(*) FROM cap")).toInt(), 2);
    QCOMPARE(m_window->app->recordCount(), 2);

    QVERIFY(execStatement(QStringLiteral("DROP TRIGGER refuse")));
    pressFree(parties.save, { QStringLiteral("Guardar") }, { box::confirmSave, box::partySaved });
    QCOMPARE(queryRows(QStringLiteral("SELECT id, nif FROM cap WHERE type=0 ORDER BY auid")),
        (QList<QVariantList>{ { 43000001, "B04000001" }, { 43000003, "87654321X" } }));
    QCOMPARE(queryRows(QStringLiteral("SELECT lastc, lastp FROM lasts")),
        (QList<QVariantList>{ { 43000003, 40000001 } }));
}

QTEST_MAIN(TestLockedDatabase)
#include "test_locked_database.moc"
