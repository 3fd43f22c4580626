// The quarter helpers and the rule of the "Fecha" fields, given today.

#include "dates/Quarters.h"

#include <QTest>

Q_DECLARE_METATYPE(DateVerdict)

class TestQuarters final : public QObject {
    Q_OBJECT

private slots:
    void boundaries_data();
    void boundaries();
    void fieldDate_data();
    void fieldDate();
};

void TestQuarters::boundaries_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QDate>("first");
    QTest::addColumn<QDate>("last");
    QTest::newRow("1 January") << QDate(2015, 1, 1) << QDate(2015, 1, 1) << QDate(2015, 3, 31);
    QTest::newRow("29 February") << QDate(2016, 2, 29) << QDate(2016, 1, 1) << QDate(2016, 3, 31);
    QTest::newRow("30 June") << QDate(2015, 6, 30) << QDate(2015, 4, 1) << QDate(2015, 6, 30);
    QTest::newRow("1 July") << QDate(2015, 7, 1) << QDate(2015, 7, 1) << QDate(2015, 9, 30);
    QTest::newRow("15 November") << QDate(2015, 11, 15) << QDate(2015, 10, 1) << QDate(2015, 12, 31);
}

// Each date shares its quarter with the quarter's first and last day and with no day
// just outside it, nor with the same day of another year. The quarter's boundaries by its
// index are those of the given year, or of today's for year 0.
void TestQuarters::boundaries()
{
    QFETCH(QDate, date);
    QFETCH(QDate, first);
    QFETCH(QDate, last);
    QCOMPARE(quarterBoundaryOf(date, false), first);
    QCOMPARE(quarterBoundaryOf(date, true), last);
    for (const QDate &other : { first, last, date })
        QVERIFY(sameQuarter(date, other) && sameQuarter(other, date));
    for (const QDate &other : { first.addDays(-1), last.addDays(1), date.addYears(1), date.addYears(-1) })
        QVERIFY(!sameQuarter(date, other) && !sameQuarter(other, date));
    const int quarter = (first.month() - 1) / 3;
    QCOMPARE(quarterBoundary(quarter, false, date.year(), date.addYears(2)), first);
    QCOMPARE(quarterBoundary(quarter, true, date.year(), date.addYears(-2)), last);
    QCOMPARE(quarterBoundary(quarter, false, 0, date), first);
    QCOMPARE(quarterBoundary(quarter, true, 0, last), last);
}

void TestQuarters::fieldDate_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QDate>("today");
    QTest::addColumn<DateVerdict>("verdict");
    QTest::addColumn<QDate>("corrected");
    const QDate today(2016, 5, 15);
    QTest::newRow("today") << today << today << DateVerdict::Kept << QDate();
    QTest::newRow("first of the quarter") << QDate(2016, 4, 1) << today << DateVerdict::Kept << QDate();
    QTest::newRow("tomorrow") << today.addDays(1) << today << DateVerdict::AfterToday << today;
    QTest::newRow("last quarter") << QDate(2016, 3, 31) << today << DateVerdict::OtherQuarter
                                  << QDate(2016, 4, 1);
    QTest::newRow("on the first day")
        << QDate(2015, 12, 31) << QDate(2016, 1, 1) << DateVerdict::OtherQuarter << QDate(2016, 1, 1);
    // While today is unknown every date is after it, and the field cannot take the null date.
    QTest::newRow("today unknown") << today << QDate() << DateVerdict::AfterToday << QDate();
}

void TestQuarters::fieldDate()
{
    QFETCH(QDate, date);
    QFETCH(QDate, today);
    const DateCorrection correction = correctedFieldDate(date, today);
    QTEST(correction.verdict, "verdict");
    QTEST(correction.date, "corrected");
}

QTEST_APPLESS_MAIN(TestQuarters)
#include "test_quarters.moc"
