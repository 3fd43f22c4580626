// "IVA y resultados" through the window: each block sums what it is asked for, and the pie
// shares the quarter's two sums.

#include "TestSupport.h"

#include "widgets/PieChart.h"

namespace {

// An invoice in femi or frec, zero in every flag and amount but the total and base3.
bool seed(const QString &table, const QString &fecha, double total, double base3)
{
    const bool issued = table == "femi";
    QStringList amounts(23, "0");
    amounts[15] = QString::number(base3);
    return execStatement(
        QStringLiteral("INSERT INTO %1 VALUES (NULL, 1, %2'%3', 0, %4, %5, %6, 1)")
            .arg(table, issued ? "'A', 'n', " : "'n', ", fecha, QStringList(issued ? 8 : 7, "0").join(','),
                amounts.join(','), QString::number(total)));
}

} // namespace

class TestQuarterResults final : public QObject {
    Q_OBJECT

private slots:
    void blocks_data()
    {
        QTest::addColumn<QStringList>("steps");
        // "IVA Soportado", "IVA Repercutido", the quarter's and the final result, the month's
        // income, expenses and result, and the pie's blue share.
        QTest::addColumn<QString>("shown");
        QTest::newRow("quarter") << QStringList{ "results.quarter=0" }
                                 << "363 60.5 302.5 302.5 0 0 0 85.7143";
        QTest::newRow("compensation") << QStringList{ "results.quarter=0", "results.compensation=2.5" }
                                      << "363 60.5 302.5 300 0 0 0 85.7143";
        QTest::newRow("month") << QStringList{ "results.year=2026", "results.month=Marzo" }
                               << "0 0 0 0 200 50 250 0";
        // A date that does not read counts nowhere; a month without a year matches nothing.
        QTest::newRow("unreadable dates") << QStringList{ "results.quarter=1", "results.year=2026",
            "results.month=Mayo" } << "0 0 0 0 0 0 0 0";
        QTest::newRow("month, no year") << QStringList{ "results.month=Marzo" } << "0 0 0 0 0 0 0 0";
    }
    void blocks()
    {
        QFETCH(QStringList, steps);
        WindowFixture f;
        insertOwner();
        QVERIFY(seed("femi", "10/01/2026", 121, 100) && seed("femi", "31/03/2026", 242, 200)
            && seed("femi", "2026-05-10", 1000, 700) && seed("frec", "15/03/2026", 60.5, 50)
            && seed("frec", "", 40, 9));
        QVERIFY(f.start(4, QDate(2026, 5, 15)));
        f.perform(steps);
        QStringList shown;
        for (const QString name :
            { "supported", "charged", "quarterResult", "finalResult", "income", "expenses", "monthResult" })
            shown << f.text("results." + name);
        QTEST((shown << QString::number(f.app->pie()->blue())).join(' '), "shown");
        QCOMPARE(f.takeBoxes(), QStringList());
    }
};

QTEST_MAIN(TestQuarterResults)
#include "test_quarter_results.moc"
