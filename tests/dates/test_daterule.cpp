// The three "Fecha" fields each apply the date rule: a date after today or outside today's
// quarter is corrected, with its box, and a corrected date passes without one.

#include "TestSupport.h"

class TestDateRule final : public QObject {
    Q_OBJECT

private slots:
    // Today (or unknown), one date entered, the three fields' dates after it and the one box
    // seen. The field cannot take an unknown today: it keeps the date.
    void ruleOnEnteredDates_data()
    {
        QTest::addColumn<QString>("row");
        for (const char *row : { "15/05/2015 issued.date=16/05/2015 15/05/2015 15/05/2015 15/05/2015 after",
                 "15/05/2015 received.date=31/03/2015 15/05/2015 01/04/2015 15/05/2015 quarter",
                 "15/05/2015 other.date=15/05/2014 15/05/2015 15/05/2015 01/04/2015 quarter",
                 "unknown issued.date=31/12/1999 31/12/1999 01/01/2000 01/01/2000 after" })
            QTest::newRow(row) << QString(row);
    }
    void ruleOnEnteredDates()
    {
        QFETCH(QString, row);
        const QStringList words = row.split(' ');
        WindowFixture f;
        QVERIFY(f.start(-1, QDate::fromString(words[0], QStringLiteral("dd/MM/yyyy"))));
        f.nameWidgetsOf(f.app.get());
        f.perform({ words[1] });
        QStringList dates;
        for (const DateField &field : f.app->dateFields())
            dates << field.edit->text();
        QCOMPARE(dates, words.mid(2, 3));
        QCOMPARE(f.takeBoxes(), QStringList{ words[5] == "after" ? box::afterToday : box::earlierQuarter });
    }
};

QTEST_MAIN(TestDateRule)
#include "test_daterule.moc"
