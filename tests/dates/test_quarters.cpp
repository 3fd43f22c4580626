// The quarter helpers that the date rule and the results rely on.

#include "WindowFixture.h"

#include "dates/Quarters.h"

#include <QTest>

class TestQuarters final : public QObject {
    Q_OBJECT

private slots:
    void sameQuarter_data();
    void sameQuarter();
    void quarterBoundaryOf_data();
    void quarterBoundaryOf();
    void quarterBoundary_data();
    void quarterBoundary();
};

void TestQuarters::sameQuarter_data()
{
    QTest::addColumn<QDate>("a");
    QTest::addColumn<QDate>("b");
    QTest::addColumn<bool>("same");

    QTest::newRow("30 September, 1 October") << QDate(2015, 9, 30) << QDate(2015, 10, 1) << false;
    QTest::newRow("1 October, 31 December") << QDate(2015, 10, 1) << QDate(2015, 12, 31) << true;
    QTest::newRow("same quarter, different years") << QDate(2014, 5, 15) << QDate(2015, 5, 15) << false;
    QTest::newRow("31 December, 1 January next year") << QDate(2014, 12, 31) << QDate(2015, 1, 1) << false;
    QTest::newRow("1 January, 31 March") << QDate(2016, 1, 1) << QDate(2016, 3, 31) << true;
    QTest::newRow("31 March, 1 April") << QDate(2015, 3, 31) << QDate(2015, 4, 1) << false;
    QTest::newRow("1 April, 30 June") << QDate(2015, 4, 1) << QDate(2015, 6, 30) << true;
    QTest::newRow("30 June, 1 July") << QDate(2015, 6, 30) << QDate(2015, 7, 1) << false;
    QTest::newRow("1 July, 30 September") << QDate(2015, 7, 1) << QDate(2015, 9, 30) << true;
    QTest::newRow("January, December") << QDate(2015, 1, 15) << QDate(2015, 12, 15) << false;
    QTest::newRow("the same day") << QDate(2015, 5, 15) << QDate(2015, 5, 15) << true;
}

void TestQuarters::sameQuarter()
{
    QFETCH(QDate, a);
    QFETCH(QDate, b);
    QFETCH(bool, same);
    QCOMPARE(::sameQuarter(a, b), same);
    QCOMPARE(::sameQuarter(b, a), same);
}

void TestQuarters::quarterBoundaryOf_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QDate>("first");
    QTest::addColumn<QDate>("last");

    QTest::newRow("29 February 2016") << QDate(2016, 2, 29) << QDate(2016, 1, 1) << QDate(2016, 3, 31);
    QTest::newRow("1 January") << QDate(2015, 1, 1) << QDate(2015, 1, 1) << QDate(2015, 3, 31);
    QTest::newRow("15 May") << QDate(2015, 5, 15) << QDate(2015, 4, 1) << QDate(2015, 6, 30);
    QTest::newRow("30 June") << QDate(2015, 6, 30) << QDate(2015, 4, 1) << QDate(2015, 6, 30);
    QTest::newRow("1 July") << QDate(2015, 7, 1) << QDate(2015, 7, 1) << QDate(2015, 9, 30);
    QTest::newRow("15 November") << QDate(2015, 11, 15) << QDate(2015, 10, 1) << QDate(2015, 12, 31);
    QTest::newRow("31 December") << QDate(2014, 12, 31) << QDate(2014, 10, 1) << QDate(2014, 12, 31);
}

void TestQuarters::quarterBoundaryOf()
{
    QFETCH(QDate, date);
    QTEST(::quarterBoundaryOf(date, false), "first");
    QTEST(::quarterBoundaryOf(date, true), "last");
}

void TestQuarters::quarterBoundary_data()
{
    QTest::addColumn<int>("quarter");
    QTest::addColumn<bool>("end");
    QTest::addColumn<int>("year");
    QTest::addColumn<QDate>("expected");

    QTest::newRow("first quarter 2015, start") << 0 << false << 2015 << QDate(2015, 1, 1);
    QTest::newRow("first quarter 2015, end") << 0 << true << 2015 << QDate(2015, 3, 31);
    QTest::newRow("second quarter 2015, end") << 1 << true << 2015 << QDate(2015, 6, 30);
    QTest::newRow("third quarter 2015, start") << 2 << false << 2015 << QDate(2015, 7, 1);
    QTest::newRow("third quarter 2015, end") << 2 << true << 2015 << QDate(2015, 9, 30);
    QTest::newRow("fourth quarter 2015, start") << 3 << false << 2015 << QDate(2015, 10, 1);
    QTest::newRow("fourth quarter 2015, end") << 3 << true << 2015 << QDate(2015, 12, 31);
    // Year 0 is today's year (2016 here).
    QTest::newRow("second quarter this year, start") << 1 << false << 0 << QDate(2016, 4, 1);
    QTest::newRow("first quarter this year, end") << 0 << true << 0 << QDate(2016, 3, 31);
    QTest::newRow("fourth quarter this year, end") << 3 << true << 0 << QDate(2016, 12, 31);
}

void TestQuarters::quarterBoundary()
{
    QFETCH(int, quarter);
    QFETCH(bool, end);
    QFETCH(int, year);
    WindowFixture window;
    QVERIFY(window.startOn(QDate(2016, 5, 15)));
    QTEST(window.app->quarterBoundary(quarter, end, year), "expected");
    QCOMPARE(window.takeBoxes(), QStringList());
}

QTEST_MAIN(TestQuarters)
#include "test_quarters.moc"
