// Today's date from the time server: what the first reply sets, the replies ignored, and the
// request sent again by a save refused for want of today.

#include "TestSupport.h"

#include <ctime>

namespace {

const QByteArray request = '\x23' + QByteArray(47, '\0');

// The three "Fecha" fields / the "Año" list / its current index.
QString dates(const App &app)
{
    QStringList texts;
    for (const DateField &field : app.dateFields())
        texts << field.edit->text();
    return QStringList{ texts.join(' '), itemsOf(app.resultsPage().year).join(' '),
        QString::number(app.resultsPage().year->currentIndex()) }
        .join(" / ");
}

} // namespace

class TestTimeServer final : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { qputenv("TZ", "UTC"), tzset(); }

    void firstReply_data()
    {
        QTest::addColumn<QByteArray>("zone");
        QTest::addColumn<QDateTime>("moment");
        QTest::addColumn<QString>("dates");
        QTest::newRow("UTC") << QByteArray("UTC") << QDateTime(QDate(2016, 5, 15), QTime(12, 0), Qt::UTC)
                             << "15/05/2016 15/05/2016 15/05/2016 / 2014 2015 2016 / -1";
        QTest::newRow("2013, no year yet")
            << QByteArray("UTC") << QDateTime(QDate(2013, 6, 15), QTime(12, 0), Qt::UTC)
            << "15/06/2013 15/06/2013 15/06/2013 /  / -1";
        // Today is Madrid's: its new year comes an hour before UTC's.
        QTest::newRow("Madrid, new year")
            << QByteArray("CET-1") << QDateTime(QDate(2013, 12, 31), QTime(23, 30), Qt::UTC)
            << "01/01/2014 01/01/2014 01/01/2014 / 2014 / -1";
    }
    void firstReply()
    {
        QFETCH(QByteArray, zone);
        QFETCH(QDateTime, moment);
        qputenv("TZ", zone);
        tzset();
        WindowFixture f;
        f.server.answerWith(moment);
        f.launch();
        QTRY_VERIFY(f.app->today().isValid());
        QCOMPARE(f.app->today(), moment);
        QTEST(dates(*f.app), "dates");
        QCOMPARE(f.server.lastRequest(), request);
        QCOMPARE(f.takeBoxes(), QStringList());
    }

    void ignoredReplyThenRefusedSaveAsksAgain_data()
    {
        QTest::addColumn<QByteArray>("reply");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("47 bytes") << FakeTimeServer::replyWithSeconds(3631780800u).left(47);
        QTest::newRow("transmit seconds 0") << FakeTimeServer::replyWithSeconds(0);
    }
    void ignoredReplyThenRefusedSaveAsksAgain()
    {
        QFETCH(QByteArray, reply);
        WindowFixture f;
        insertOwner();
        f.server.answerWithBytes(reply);
        f.launch();
        QTRY_COMPARE(f.server.requestCount(), 1);
        f.server.answerWith(QDateTime(QDate(2015, 5, 15), QTime(12, 0), Qt::UTC));
        f.perform({ "other.amount=40", "other.account=62500000\tSeguros", "other.save" });
        QTRY_VERIFY(f.app->today().isValid());
        QCOMPARE(dates(*f.app), "15/05/2015 15/05/2015 15/05/2015 / 2014 2015 / -1");
        QCOMPARE(f.server.requestCount(), 2);
        QCOMPARE(f.server.lastRequest(), request);
        f.perform({ "other.save" });
        QCOMPARE(f.takeBoxes(),
            (QStringList{ box::accountChosen("62500000\tSeguros"), box::todayUnknown, box::dataSaved }));
        QCOMPARE(queryRows("SELECT fecha, importe FROM ogei"), "15/05/2015 40");
    }
};

QTEST_MAIN(TestTimeServer)
#include "test_timeserver.moc"
