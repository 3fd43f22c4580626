// The rules without a window: quarters and "Fecha" fields given today, the tax identifier, the
// invoice arithmetic, the results' sums and the pie's slices.

#include "dates/Quarters.h"
#include "entries/InvoiceArithmetic.h"
#include "parties/Nif.h"
#include "results/Sums.h"
#include "widgets/PieChart.h"

#include <QTest>

class TestRules final : public QObject {
    Q_OBJECT

private slots:
    void boundaries_data()
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
    void boundaries()
    {
        QFETCH(QDate, date);
        QFETCH(QDate, first);
        QFETCH(QDate, last);
        for (const QDate &other : { first, last, date })
            QVERIFY(sameQuarter(date, other) && sameQuarter(other, date));
        for (const QDate &other : { first.addDays(-1), last.addDays(1), date.addYears(1), date.addYears(-1) })
            QVERIFY(!sameQuarter(date, other) && !sameQuarter(other, date));
        const int quarter = (first.month() - 1) / 3;
        QCOMPARE(QList<QDate>({ quarterBoundaryOf(date, false), quarterBoundaryOf(date, true),
                     quarterBoundary(quarter, false, date.year(), date.addYears(2)),
                     quarterBoundary(quarter, true, date.year(), date.addYears(-2)),
                     quarterBoundary(quarter, false, 0, date), quarterBoundary(quarter, true, 0, last) }),
            QList<QDate>({ first, last, first, last, first, last }));
    }

    // A date after today gives way to today, one of another quarter to the first day of today's.
    // While today is unknown every date is after it, and the field cannot take the null date.
    void fieldDate()
    {
        const auto corrected = [](const QDate &date, const QDate &today) {
            const DateCorrection correction = correctedFieldDate(date, today);
            return QVariantList({ int(correction.verdict), correction.date });
        };
        const QDate today(2016, 5, 15);
        QCOMPARE(corrected(today, today), QVariantList({ int(DateVerdict::Kept), QDate() }));
        QCOMPARE(corrected(today.addDays(1), today), QVariantList({ int(DateVerdict::AfterToday), today }));
        QCOMPARE(corrected(QDate(2016, 3, 31), today),
            QVariantList({ int(DateVerdict::OtherQuarter), QDate(2016, 4, 1) }));
        QCOMPARE(corrected(today, QDate()), QVariantList({ int(DateVerdict::AfterToday), QDate() }));
    }

    void nif_data()
    {
        QTest::addColumn<QString>("nif");
        QTest::addColumn<bool>("valid");
        const auto add = [](const QString &nifs, bool valid) {
            for (const QString &nif : nifs.split(' '))
                QTest::newRow(qPrintable(nif)) << nif << valid;
        };
        // Personal numbers: eight digits and the letter of the number modulo 23, in upper case.
        add("12345678Z 00000000T 87654321X", true);
        add("12345678A 12345678z 1234567AZ", false);
        // Entities over 1234567 (control digit 4, letter D): K, Q and S need the letter, A, B, E
        // and H the digit, C, D, F, G, J, L, M, N and P take either; the other letters are excluded.
        for (const QChar first : QStringLiteral("KQSABEHCDFGJLMNPIORTUVWXYZ")) {
            add(first + QStringLiteral("1234567D"), QStringLiteral("KQSCDFGJLMNP").contains(first));
            add(first + QStringLiteral("12345674"), QStringLiteral("ABEHCDFGJLMNP").contains(first));
            if (QStringLiteral("CDFGJLMNP").contains(first))
                add(first + QStringLiteral("1234567E ") + first + QStringLiteral("12345675"), false);
        }
        // The sum 0 gives control 0 or J, the sum 10 control 0, not 10. The control letter is
        // upper case; so are the letter classes, and a lower-case first letter is in none of them.
        add("A00000000 K0000000J A00000190 P0000019J b1234567D", true);
        add("P0000019A Q1234567d X1234567L -1234567D P1234567D0 P12345X7D", false);
    }
    void nif()
    {
        QFETCH(QString, nif);
        QTEST(validNif(nif), "valid");
    }

    void quota()
    {
        // 0.1 held as a float is 0.100000001490116...; in float arithmetic the quota would be 0.00999999977.
        QCOMPARE(quotaOf(0.1f, 10.0f), 0.0100000001490116119);
    }

    // 2^24 + 1 is no float: added to 2^24 a 1 is lost, added to 2 it is kept.
    void sums_data()
    {
        QTest::addColumn<std::vector<float>>("terms");
        QTest::addColumn<float>("withholding");
        QTest::addColumn<double>("total");
        const float big = 16777216.0f;
        QTest::newRow("rounded after each term") << std::vector<float>{ big, 1, 1 } << 0.0f << 16777216.0;
        QTest::newRow("small terms first") << std::vector<float>{ 1, 1, big } << 0.0f << 16777218.0;
        QTest::newRow("withholding in double") << std::vector<float>{ big, 1, 1 } << 0.5f << 16777215.5;
        QTest::newRow("a term taken off") << std::vector<float>{ 100, 21, 0, -21 } << 0.0f << 100.0;
        QTest::newRow("single-precision withholding")
            << std::vector<float>{ 100 } << 0.1f << 99.8999999985098839;
    }
    void sums()
    {
        QFETCH(std::vector<float>, terms);
        QFETCH(float, withholding);
        QFETCH(double, total);
        QCOMPARE(invoiceTotal(terms, withholding), total);
        if (terms.size() == 3 && withholding == 0.0f)
            QCOMPARE(double(sumOfLines(terms[0], terms[1], terms[2])), total);
    }

    // Each step of a sum is written with six significant digits and read back, so 0.06 more on
    // 12467.17 rounds up. A date that does not read, a month without a year, or a quarter while
    // today is unknown, counts nowhere.
    void resultSums()
    {
        const QList<DatedAmount> rows{ { "10/01/2026", 121.5f }, { "31/03/2026", 12345.67f },
            { "15/02/2026", 0.06f }, { "01/04/2026", 5 }, { "31/12/2025", 11 }, { "2026-03-10", 7 },
            { "", 9 } };
        const auto quarter = [&](const QDate &today) {
            const QDate first = quarterBoundary(0, false, 0, today),
                        last = quarterBoundary(0, true, 0, today);
            return sumOfDated(rows, [&](const QDate &date) { return inQuarter(date, first, last); }).text;
        };
        const auto month = [&](int year, int month) {
            return sumOfDated(rows, [&](const QDate &date) { return inMonth(date, year, month); }).text;
        };
        QCOMPARE(QStringList({ quarter(QDate(2026, 5, 15)), quarter(QDate()), month(2026, 3), month(0, 3),
                     month(2025, 12) }),
            QStringList({ "12467.3", "0", "12345.7", "0", "11" }));
    }

    // Two shares in, whether anything is drawn and the blue span, the red start and span out
    // (sixteenths of a degree, truncated). Shares are held within 0 to 100; a share that is
    // not finite, or no positive one, draws nothing.
    void pieSlices_data()
    {
        QTest::addColumn<QString>("row");
        for (const char *row : { "25 75 1 1440 1440 4320", "33.3 66.7 1 1918 1918 3841",
                 "150 -50 1 5760 5760 0", "-10 50 1 0 0 2880", "0 0 0 0 0 0", "nan nan 0 0 0 0",
                 "nan 50 0 0 0 0", "inf 0 0 0 0 0", "0 inf 0 0 0 0" })
            QTest::newRow(row) << QString(row);
    }
    void pieSlices()
    {
        QFETCH(QString, row);
        const QStringList words = row.split(' ');
        const PieChart::Slices slices = PieChart::slicesFor(words[0].toFloat(), words[1].toFloat());
        QCOMPARE(QList<int>({ slices.draw, slices.blueSpan, slices.redStart, slices.redSpan }),
            QList<int>({ words[2].toInt(), words[3].toInt(), words[4].toInt(), words[5].toInt() }));
    }
};

QTEST_APPLESS_MAIN(TestRules)
#include "test_rules.moc"
