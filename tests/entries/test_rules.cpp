// The rules without a window: quarters given today, the tax identifier, amounts and the invoice
// arithmetic, the results' sums and the pie's slices. The "Fecha" fields' rule is tested through them.

#include "dates/Quarters.h"
#include "entries/Amount.h"
#include "entries/InvoiceArithmetic.h"
#include "parties/Nif.h"
#include "results/Sums.h"
#include "widgets/PieChart.h"

#include <QRandomGenerator>
#include <QTest>

char *toString(const Decimal &value)
{
    return qstrdup(qPrintable(value.text()));
}

// Rows of one text each, named by it.
void addRows(std::initializer_list<const char *> rows)
{
    QTest::addColumn<QString>("row");
    for (const char *row : rows)
        QTest::newRow(row) << QString(row);
}

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

    // Texts in, the exact amount and the money it stands for out, whatever the locale.
    void reading_data()
    {
        addRows({ "120,50 120.5 120.5", "120.50 120.5 120.5", "1.234,56 1234.56 1234.56",
            "1,234.56 1234.56 1234.56", "1.234.567 1234567 1234567", "1,234,567 1234567 1234567",
            "1.234 1.234 1.23", "2.675 2.675 2.68", "0,005 0.005 0.01", "0.0049 0.0049 0",
            "0.0000001 0.0000001 0", "999999999 999999999 999999999", ",5 0.5 0.5", ".5 0.5 0.5", "5, 5 5",
            "-116 -116 -116", "1.2.3 0 0", ". 0 0", "1.23,4,5 0 0", "12.34,5 0 0", "1.234.56 0 0",
            ",234.5 0 0", "--5 0 0", "1-2 0 0", "- 0 0", "a 0 0", "12345678901234567890 0 0" });
    }
    void reading()
    {
        QFETCH(QString, row);
        const QStringList words = row.split(' ');
        for (const QLocale &locale : { QLocale::c(), QLocale(QLocale::Spanish, QLocale::Spain) }) {
            QLocale::setDefault(locale);
            QCOMPARE(QStringList({ amountFromText(words[0]).text(), displayAmount(moneyFromText(words[0])) }),
                words.mid(1));
            QVERIFY(moneyFromText(words[0]) == amountFromText(words[2])); // two places, and fewer
        }
    }

    // Quotas rounded half away from zero, and the total of base, quotas, less a withholding.
    void quotasAndTotals_data()
    {
        addRows({ "1250.50 21 5.2 0 262.61 65.03 1578.14", "12345.67 21 0 0 2592.59 0 14938.26",
            "1234567 21 0 0 259259.07 0 1493826.07", "1000000 21 0 0 210000 0 1210000",
            "0.50 1 0 0 0.01 0 0.51", "0.01 50 49.99 0 0.01 0 0.02", "250 21 0 100 52.5 0 202.5",
            "100 0 0 216 0 0 -116", "999999999 999999999 0 0 9999999980000000.01 0 10000000979999999.01",
            "2.5 10 0 0 0.25 0 2.75", "0.05 10 10 0 0.01 0.01 0.07" });
    }
    void quotasAndTotals()
    {
        QFETCH(QString, row);
        QStringList words = row.split(' ');
        const Decimal base = moneyFromText(words[0]), quota = quotaOf(base, amountFromText(words[1])),
                      surcharge = quotaOf(base, amountFromText(words[2]));
        const Decimal total = invoiceTotal({ base, quota, surcharge }, moneyFromText(words[3]));
        QCOMPARE(QStringList({ quota.text(), surcharge.text(), displayAmount(total) }), words.mid(4));
    }

    // 12,000 invoices sum to what whole cents give; an unreadable date, or no year, counts nowhere.
    void resultSums()
    {
        const qint64 hundredths[] = { 2100, 1000, 400, 520, 140, 50, 1500 };
        QRandomGenerator random(20261207);
        QList<DatedAmount> rows{ { "2026-03-10", Decimal::fromCents(700) }, { "", Decimal::fromCents(900) } };
        qint64 quarterCents = 0, marchCents = 0;
        for (int i = 0; i < 12000; ++i) {
            const qint64 cents = random.bounded(5000, 300000), rate = hundredths[i % 7];
            const QDate date(2026, 1 + i % 6, 1 + i % 28);
            const Decimal base = Decimal::fromCents(cents);
            rows << DatedAmount{ date.toString("dd/MM/yyyy"),
                base + quotaOf(base, Decimal::fromCents(rate)) };
            const qint64 total = cents + (cents * rate + 5000) / 10000;
            quarterCents += date.month() <= 3 ? total : 0;
            marchCents += date.month() == 3 ? total : 0;
        }
        // The first quarter given today, or while today is unknown; March of 2026, or of no year.
        const auto sum = [&](const QDate &today, int year) {
            const QDate first = quarterBoundary(0, false, 0, today),
                        last = quarterBoundary(0, true, 0, today);
            return QStringList{
                sumOfDated(rows, [&](const QDate &date) { return inQuarter(date, first, last); }).text(),
                sumOfDated(rows, [&](const QDate &date) { return inMonth(date, year, 3); }).text()
            };
        };
        QCOMPARE(sum(QDate(2026, 5, 15), 2026) + sum(QDate(), 0),
            QStringList({ Decimal::fromCents(quarterCents).text(), Decimal::fromCents(marchCents).text(), "0",
                "0" }));
    }

    // Two shares in, whether anything is drawn and the blue span, the red start and span out
    // (sixteenths of a degree, truncated). Shares are held within 0 to 100; a share that is
    // not finite, or no positive one, draws nothing.
    void pieSlices_data()
    {
        addRows({ "25 75 1 1440 1440 4320", "33.3 66.7 1 1918 1918 3841", "150 -50 1 5760 5760 0",
            "-10 50 1 0 0 2880", "0 0 0 0 0 0", "nan nan 0 0 0 0", "nan 50 0 0 0 0", "inf 0 0 0 0 0",
            "0 inf 0 0 0 0" });
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
