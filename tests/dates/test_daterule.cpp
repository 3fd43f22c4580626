// The rule of the three "Fecha" fields: only days of today's quarter, up to today; a date
// outside it is corrected, with its box.

#include "TestSupport.h"

class TestDateRule final : public QObject {
    Q_OBJECT

private slots:
    void ruleOnEnteredDates_data()
    {
        // Today is 15/05/2015 (or unknown); one date goes into one field, then the three
        // fields' dates and the boxes seen.
        QTest::addColumn<bool>("todayKnown");
        QTest::addColumn<QString>("step");
        QTest::addColumn<QString>("dates");
        QTest::addColumn<QStringList>("boxes");
        QTest::newRow("after today") << true << "issued.date=16/05/2015"
                                     << "15/05/2015 15/05/2015 15/05/2015" << QStringList{ box::afterToday };
        QTest::newRow("next year") << true << "received.date=15/05/2016"
                                   << "15/05/2015 15/05/2015 15/05/2015" << QStringList{ box::afterToday };
        QTest::newRow("earlier quarter")
            << true << "received.date=31/03/2015"
            << "15/05/2015 01/04/2015 15/05/2015" << QStringList{ box::earlierQuarter };
        QTest::newRow("same quarter, last year")
            << true << "other.date=15/05/2014"
            << "15/05/2015 15/05/2015 01/04/2015" << QStringList{ box::earlierQuarter };
        QTest::newRow("first day of the quarter") << true << "other.date=01/04/2015"
                                                  << "15/05/2015 15/05/2015 01/04/2015" << QStringList();
        // Every day is after an unknown today; the field keeps it.
        QTest::newRow("today unknown")
            << false << "issued.date=31/12/1999"
            << "31/12/1999 01/01/2000 01/01/2000" << QStringList{ box::afterToday };
    }
    void ruleOnEnteredDates()
    {
        QFETCH(bool, todayKnown);
        QFETCH(QString, step);
        WindowFixture f;
        QVERIFY(f.start(-1, todayKnown ? QDate(2015, 5, 15) : QDate()));
        f.nameWidgetsOf(f.app.get());
        f.perform({ step });
        QStringList dates;
        for (const DateField &field : f.app->dateFields())
            dates << field.edit->text();
        QTEST(dates.join(' '), "dates");
        QTEST(f.takeBoxes(), "boxes");
    }
};

QTEST_MAIN(TestDateRule)
#include "test_daterule.moc"
