// The rule of the three "Fecha" fields: only days of today's quarter, up to today.

#include "ProgramBoxes.h"
#include "WindowFixture.h"

#include <QCalendarWidget>
#include <QDateEdit>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QTimer>

namespace {

const QDate today(2015, 5, 15);
const char *const fieldNames[] = { "issued", "received", "other" };

QString day(const QDate &date)
{
    return date.toString(QStringLiteral("dd/MM/yyyy"));
}

// One entry per date the field takes, with the number of boxes shown by then. The rule
// runs before the log, so a date the rule puts back is logged before the date that set it off.
QString logEntry(const QDate &date, int boxes)
{
    return QStringLiteral("%1 with %2 boxes shown").arg(day(date)).arg(boxes);
}

void logDates(QDateEdit *field, QStringList &log, const BoxResponder &responder)
{
    QObject::connect(field, &QDateEdit::dateChanged, field,
        [&log, &responder](const QDate &date) { log << logEntry(date, int(responder.boxes().size())); });
}

// Clicks a day of the month the calendar shows. Days of the neighbouring months fill the
// first and last rows, so an early day is the first cell with its number, a late day the last.
bool clickDay(QCalendarWidget *calendar, int dayOfMonth)
{
    auto *view = calendar->findChild<QTableView *>();
    if (!view)
        return false;
    const QAbstractItemModel *model = view->model();
    QModelIndexList matches;
    for (int row = 0; row < model->rowCount(); ++row) {
        for (int column = 0; column < model->columnCount(); ++column) {
            const QModelIndex index = model->index(row, column);
            if (model->data(index).toString() == QString::number(dayOfMonth))
                matches << index;
        }
    }
    if (matches.isEmpty())
        return false;
    const QModelIndex target = dayOfMonth <= 15 ? matches.first() : matches.last();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(target).center());
    return true;
}

} // namespace

class TestDateRule final : public QObject {
    Q_OBJECT

private slots:
    void ruleOnEnteredDates_data();
    void ruleOnEnteredDates();
    void dateChosenInCalendar_data();
    void dateChosenInCalendar();
};

void TestDateRule::ruleOnEnteredDates_data()
{
    QTest::addColumn<int>("field");
    // Today 15 May 2015, or unknown when null; the field set to from first, when valid.
    QTest::addColumn<QDate>("from");
    QTest::addColumn<QDate>("entered");
    QTest::addColumn<QDate>("kept");
    QTest::addColumn<QStringList>("log");
    QTest::addColumn<QStringList>("boxes");

    const QDate quarterStart(2015, 4, 1);
    for (int field = 0; field < 3; ++field) {
        const auto row = [&](const QDate &from, const QDate &entered, const QDate &kept,
                             const QStringList &log, const QStringList &boxes) {
            QTest::addRow("%s: %s%s", fieldNames[field], qPrintable(day(entered)),
                from.isNull() ? ", today unknown" : "")
                << field << from << entered << kept << log << boxes;
        };
        // After today, in this year or the next: the box first, then the field goes back to today.
        for (const QDate &later : { QDate(2015, 5, 16), QDate(2016, 5, 15) })
            row(today, later, today, { logEntry(today, 1), logEntry(later, 1) }, { box::afterToday });
        // An earlier quarter, of this year or the last: the field goes to the quarter's first
        // day first, then the box.
        for (const QDate &earlier : { QDate(2015, 3, 31), QDate(2014, 5, 15) })
            row(today, earlier, quarterStart, { logEntry(quarterStart, 0), logEntry(earlier, 1) },
                { box::earlierQuarter });
        // The bounds of what the field takes pass silently.
        row(today, quarterStart, quarterStart, { logEntry(quarterStart, 0) }, {});
        row(quarterStart, today, today, { logEntry(today, 0) }, {});
        // Every day is after an unknown today, even one before the fields' first date, and the
        // field keeps what it is given.
        const QDate early(1999, 12, 31);
        row(QDate(), early, early, { logEntry(early, 1) }, { box::afterToday });
    }
}

void TestDateRule::ruleOnEnteredDates()
{
    QFETCH(int, field);
    QFETCH(QDate, from);
    QFETCH(QDate, entered);
    QFETCH(QDate, kept);

    WindowFixture window;
    QVERIFY(from.isNull() ? window.startWithoutToday() : window.startOn(today));
    QDateEdit *edit = window.app->dateFields()[size_t(field)].edit;
    if (!from.isNull())
        edit->setDate(from);
    QCOMPARE(window.takeBoxes(), QStringList());

    QStringList log;
    logDates(edit, log, window.responder);
    edit->setDate(entered);

    QCOMPARE(edit->date(), kept);
    QCOMPARE(edit->text(), day(kept));
    QTEST(log, "log");
    QTEST(window.takeBoxes(), "boxes");
    QList<QDate> expected(3, from.isNull() ? QDate(2000, 1, 1) : today);
    expected[field] = kept;
    QCOMPARE(fieldDates(*window.app), expected);
    QCOMPARE(window.app->today().isNull(), from.isNull());
}

void TestDateRule::dateChosenInCalendar_data()
{
    QTest::addColumn<int>("field");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("dayOfMonth");
    QTest::addColumn<QDate>("kept");
    QTest::addColumn<QStringList>("boxes");

    for (int field = 0; field < 3; ++field) {
        QTest::addRow("%s: 4 May 2015", fieldNames[field])
            << field << 5 << 4 << QDate(2015, 5, 4) << QStringList();
        QTest::addRow("%s: 26 May 2015", fieldNames[field])
            << field << 5 << 26 << today << QStringList{ box::afterToday };
        QTest::addRow("%s: 31 March 2015", fieldNames[field])
            << field << 3 << 31 << QDate(2015, 4, 1) << QStringList{ box::earlierQuarter };
    }
}

void TestDateRule::dateChosenInCalendar()
{
    QFETCH(int, field);
    QFETCH(int, month);
    QFETCH(int, dayOfMonth);

    WindowFixture window;
    insertOwner();
    QVERIFY(window.startOn(today));
    App &app = *window.app;
    QCOMPARE(app.centralWidget(), app.tabs());
    app.tabs()->setCurrentIndex(field + 1);
    const DateField &date = app.dateFields()[size_t(field)];
    QVERIFY(date.calendarButton->isVisible());
    date.calendar->setCurrentPage(2015, month);

    // The pop-up runs its own event loop; the day is clicked from inside it.
    bool openWhenClicked = false;
    bool clicked = false;
    bool closedByChoice = false;
    connect(
        date.calendarMenu, &QMenu::aboutToShow, this,
        [&] {
            QTimer::singleShot(0, this, [&] {
                openWhenClicked = date.calendarMenu->isVisible();
                clicked = clickDay(date.calendar, dayOfMonth);
                closedByChoice = !date.calendarMenu->isVisible();
                // Whatever happened, the pop-up's loop must end for the test to go on.
                date.calendarMenu->close();
            });
        },
        Qt::SingleShotConnection);
    QTest::mouseClick(date.calendarButton, Qt::LeftButton);
    QTRY_VERIFY(clicked);

    QVERIFY(openWhenClicked);
    QVERIFY(closedByChoice);
    QTEST(date.edit->date(), "kept");
    QTEST(window.takeBoxes(), "boxes");
}

QTEST_MAIN(TestDateRule)
#include "test_daterule.moc"
