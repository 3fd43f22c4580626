// The rule of the three "Fecha" fields: only days of today's quarter, up to today.

#include "TestSupport.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QDateEdit>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QTimer>

namespace {

const QString afterToday = QStringLiteral("2|Información|La fecha introducida es posterior a la actual");
const QString earlierQuarter = QStringLiteral("2|Información|trimestre error");
const QDate today(2015, 5, 15);
const QStringList fieldNames{ QStringLiteral("issued"), QStringLiteral("received"), QStringLiteral("other") };

QStringList describe(const QList<BoxResponder::Box> &boxes)
{
    QStringList result;
    for (const BoxResponder::Box &box : boxes)
        result << QStringLiteral("%1|%2|%3").arg(int(box.icon)).arg(box.title, box.text);
    return result;
}

QString day(const QDate &date)
{
    return date.toString(QStringLiteral("dd/MM/yyyy"));
}

// One entry per date the field takes, with the number of boxes shown by then. The rule
// runs before the log, so a date the rule puts back is logged before the date that
// set the rule off.
QString logEntry(const QDate &date, int boxes)
{
    return QStringLiteral("%1 with %2 boxes shown").arg(day(date)).arg(boxes);
}

void logDates(QDateEdit *field, QStringList &log, const BoxResponder &responder)
{
    QObject::connect(field, &QDateEdit::dateChanged, field,
        [&log, &responder](const QDate &date) { log << logEntry(date, int(responder.boxes().size())); });
}

QList<QDate> fieldDates(const App &app)
{
    QList<QDate> dates;
    for (const DateField &field : app.dateFields())
        dates << field.edit->date();
    return dates;
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
    void ruleWithTodayKnown_data();
    void ruleWithTodayKnown();
    void dateBeforeTodayIsKnown_data();
    void dateBeforeTodayIsKnown();
    void dateChosenInCalendar_data();
    void dateChosenInCalendar();
};

void TestDateRule::ruleWithTodayKnown_data()
{
    QTest::addColumn<int>("field");
    QTest::addColumn<QDate>("from");
    QTest::addColumn<QDate>("entered");
    QTest::addColumn<QDate>("kept");
    QTest::addColumn<QStringList>("log");
    QTest::addColumn<QStringList>("boxes");

    const QDate quarterStart(2015, 4, 1);
    for (int field = 0; field < 3; ++field) {
        const auto row = [&](const char *name, const QDate &from, const QDate &entered, const QDate &kept,
                             const QStringList &log, const QStringList &boxes) {
            QTest::addRow("%s: %s", qPrintable(fieldNames[field]), name)
                << field << from << entered << kept << log << boxes;
        };
        // After today: the box first, then the field goes back to today.
        for (const QDate &later : { QDate(2015, 5, 20), QDate(2015, 5, 16), QDate(2016, 5, 15) })
            row(qPrintable(day(later)), today, later, today, { logEntry(today, 1), logEntry(later, 1) },
                { afterToday });
        // An earlier quarter: the field goes to the quarter's first day first, then the box.
        for (const QDate &earlier : { QDate(2015, 3, 31), QDate(2014, 5, 15), QDate(2015, 1, 1) })
            row(qPrintable(day(earlier)), today, earlier, quarterStart,
                { logEntry(quarterStart, 0), logEntry(earlier, 1) }, { earlierQuarter });
        // The bounds of what the field takes pass silently.
        row("first day of the quarter", today, quarterStart, quarterStart, { logEntry(quarterStart, 0) }, {});
        row("today", quarterStart, today, today, { logEntry(today, 0) }, {});
    }
}

void TestDateRule::ruleWithTodayKnown()
{
    QFETCH(int, field);
    QFETCH(QDate, from);
    QFETCH(QDate, entered);
    QFETCH(QDate, kept);
    QFETCH(QStringList, log);
    QFETCH(QStringList, boxes);

    ScratchDirectory scratch;
    BoxResponder responder;
    FakeTimeServer server;
    server.answerWith(noonOn(2015, 5, 15));
    auto app = startApp(server);
    QTRY_VERIFY(app->today().isValid());
    QDateEdit *edit = app->dateFields()[size_t(field)].edit;
    edit->setDate(from);
    QVERIFY(responder.boxes().isEmpty());

    QStringList seen;
    logDates(edit, seen, responder);
    edit->setDate(entered);

    QCOMPARE(edit->date(), kept);
    QCOMPARE(edit->text(), day(kept));
    QCOMPARE(seen, log);
    QCOMPARE(describe(responder.boxes()), boxes);
    QList<QDate> expected{ today, today, today };
    expected[field] = kept;
    QCOMPARE(fieldDates(*app), expected);
    QVERIFY(!QApplication::activeModalWidget());
}

void TestDateRule::dateBeforeTodayIsKnown_data()
{
    QTest::addColumn<int>("field");
    QTest::addColumn<QDate>("entered");

    for (int field = 0; field < 3; ++field) {
        QTest::addRow("%s: 3 March 2015", qPrintable(fieldNames[field])) << field << QDate(2015, 3, 3);
        QTest::addRow("%s: 31 December 1999", qPrintable(fieldNames[field])) << field << QDate(1999, 12, 31);
    }
}

void TestDateRule::dateBeforeTodayIsKnown()
{
    QFETCH(int, field);
    QFETCH(QDate, entered);

    ScratchDirectory scratch;
    BoxResponder responder;
    FakeTimeServer server;
    server.stayQuiet();
    auto app = startApp(server);
    QTRY_COMPARE(server.requestCount(), 1);
    QDateEdit *edit = app->dateFields()[size_t(field)].edit;

    QStringList seen;
    logDates(edit, seen, responder);
    edit->setDate(entered);

    // Every day counts as after an unknown today, and the field keeps what it shows.
    QCOMPARE(describe(responder.boxes()), QStringList{ afterToday });
    QCOMPARE(seen, QStringList{ logEntry(entered, 1) });
    QList<QDate> expected{ QDate(2000, 1, 1), QDate(2000, 1, 1), QDate(2000, 1, 1) };
    expected[field] = entered;
    QCOMPARE(fieldDates(*app), expected);
    QVERIFY(app->today().isNull());
    QVERIFY(!QApplication::activeModalWidget());
}

void TestDateRule::dateChosenInCalendar_data()
{
    QTest::addColumn<int>("field");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("dayOfMonth");
    QTest::addColumn<QDate>("kept");
    QTest::addColumn<QStringList>("boxes");

    for (int field = 0; field < 3; ++field) {
        const QString name = fieldNames[field];
        QTest::addRow("%s: 4 May 2015", qPrintable(name))
            << field << 5 << 4 << QDate(2015, 5, 4) << QStringList();
        QTest::addRow("%s: 26 May 2015", qPrintable(name))
            << field << 5 << 26 << today << QStringList{ afterToday };
        QTest::addRow("%s: 31 March 2015", qPrintable(name))
            << field << 3 << 31 << QDate(2015, 4, 1) << QStringList{ earlierQuarter };
    }
}

void TestDateRule::dateChosenInCalendar()
{
    QFETCH(int, field);
    QFETCH(int, month);
    QFETCH(int, dayOfMonth);
    QFETCH(QDate, kept);
    QFETCH(QStringList, boxes);

    ScratchDirectory scratch;
    insertOwner();
    BoxResponder responder;
    FakeTimeServer server;
    server.answerWith(noonOn(2015, 5, 15));
    auto app = startApp(server);
    QTRY_VERIFY(app->today().isValid());
    QCOMPARE(app->centralWidget(), app->tabs());
    app->tabs()->setCurrentIndex(field + 1);
    const DateField &date = app->dateFields()[size_t(field)];
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
    QCOMPARE(date.edit->date(), kept);
    QCOMPARE(describe(responder.boxes()), boxes);
    QVERIFY(!QApplication::activeModalWidget());
}

QTEST_MAIN(TestDateRule)
#include "test_daterule.moc"
