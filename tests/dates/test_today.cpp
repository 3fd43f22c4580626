// Today's date from the time server: what the first reply sets, the replies ignored, and the
// request sent again by a save refused for want of today. Then the "Fecha" fields' rule: a date
// after today or outside today's quarter is corrected, with its box, and the corrected one kept.

#include "TestSupport.h"

#include <ctime>

namespace {

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

class TestToday final : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { qputenv("TZ", "UTC"), tzset(); }

    void firstReply_data()
    {
        QTest::addColumn<QByteArray>("zone");
        QTest::addColumn<QDateTime>("moment");
        QTest::addColumn<QString>("dates");
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
        qputenv("TZ", zone), tzset();
        WindowFixture f;
        f.server.answerWith(moment);
        f.launch();
        QTRY_COMPARE(f.app->today(), moment);
        QTEST(dates(*f.app), "dates");
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
        f.server.m_reply = reply;
        f.launch();
        QTRY_COMPARE(f.server.m_requests, 1);
        f.server.answerWith(QDateTime(QDate(2015, 5, 15), QTime(12, 0), Qt::UTC));
        f.perform({ "other.amount=40", "other.account=62500000\tSeguros", "other.save" });
        QTRY_VERIFY(f.app->today().isValid());
        QCOMPARE(dates(*f.app), "15/05/2015 15/05/2015 15/05/2015 / 2014 2015 / -1");
        QCOMPARE(f.server.m_requests, 2);
        QCOMPARE(f.server.m_lastRequest, '\x23' + QByteArray(47, '\0')); // a client's request, version 4
        f.perform({ "other.save" });
        QCOMPARE(f.takeBoxes(),
            (QStringList{ box::accountChosen("62500000\tSeguros"), box::todayUnknown, box::dataSaved }));
        QCOMPARE(queryRows("SELECT fecha, importe FROM ogei"), QString("15/05/2015 40"));
    }

    // Today (or unknown), one date entered, the three fields' dates after it and the one box
    // seen. The field cannot take an unknown today: it keeps the date.
    void dateRule_data()
    {
        QTest::addColumn<QString>("row");
        for (const char *row : { "15/05/2015 issued.date=16/05/2015 15/05/2015 15/05/2015 15/05/2015 after",
                 "15/05/2015 received.date=31/03/2015 15/05/2015 01/04/2015 15/05/2015 quarter",
                 "15/05/2015 other.date=15/05/2014 15/05/2015 15/05/2015 01/04/2015 quarter",
                 "unknown issued.date=31/12/1999 31/12/1999 01/01/2000 01/01/2000 after" })
            QTest::newRow(row) << QString(row);
    }
    void dateRule()
    {
        QFETCH(QString, row);
        WindowFixture f;
        QVERIFY(f.start(-1, QDate::fromString(row.section(' ', 0, 0), QStringLiteral("dd/MM/yyyy"))));
        f.perform({ row.section(' ', 1, 1) });
        QCOMPARE(dates(*f.app).section(" / ", 0, 0), row.section(' ', 2, 4));
        const QString text
            = row.endsWith("after") ? "La fecha introducida es posterior a la actual" : "trimestre error";
        QCOMPARE(f.takeBoxes(), QStringList{ "warning|Información|" + text });
    }
};

QTEST_MAIN(TestToday)
#include "test_today.moc"
