// Today's date from the time server: the one request, the replies that set today, the
// replies that are ignored, and what the first reply initialises.

#include "TestSupport.h"

#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QNetworkDatagram>
#include <QSignalSpy>
#include <QTest>
#include <QUdpSocket>

#include <ctime>

namespace {

// Runs one test in another time zone and goes back to UTC afterwards.
class TimeZone {
public:
    explicit TimeZone(const char *zone)
    {
        qputenv("TZ", zone);
        tzset();
    }
    ~TimeZone()
    {
        qputenv("TZ", "UTC");
        tzset();
    }
};

// A time server that the test drives by hand: it takes the window's request, then sends
// whatever the test chooses, as often as it likes.
class ScriptedServer {
public:
    explicit ScriptedServer(const QHostAddress &address = QHostAddress(QHostAddress::LocalHost))
    {
        m_socket.bind(address, 0);
    }
    quint16 port() const { return m_socket.localPort(); }

    bool takeRequest()
    {
        if (!m_socket.hasPendingDatagrams())
            return false;
        const QNetworkDatagram request = m_socket.receiveDatagram();
        m_peer = request.senderAddress();
        m_peerPort = quint16(request.senderPort());
        m_requests << request.data();
        return true;
    }
    // Every request received so far, including any still waiting in the socket.
    const QList<QByteArray> &requests()
    {
        while (takeRequest()) { }
        return m_requests;
    }

    // Sends a reply and waits until the window has handled it.
    bool deliver(App &app, const QByteArray &reply)
    {
        auto *socket = app.findChild<QUdpSocket *>();
        if (!socket)
            return false;
        QSignalSpy handled(socket, &QUdpSocket::readyRead);
        m_socket.writeDatagram(reply, m_peer, m_peerPort);
        return handled.wait(5000);
    }

private:
    QUdpSocket m_socket;
    QHostAddress m_peer;
    quint16 m_peerPort = 0;
    QList<QByteArray> m_requests;
};

QByteArray expectedRequest()
{
    QByteArray request(48, '\0');
    request[0] = '\x23';
    return request;
}

QByteArray bigEndian(quint32 value)
{
    QByteArray bytes(4, '\0');
    for (int i = 0; i < 4; ++i)
        bytes[i] = char((value >> (24 - 8 * i)) & 0xff);
    return bytes;
}

QList<QDate> fieldDates(const App &app)
{
    QList<QDate> dates;
    for (const DateField &field : app.dateFields())
        dates << field.edit->date();
    return dates;
}

QStringList items(const QComboBox *list)
{
    QStringList result;
    for (int i = 0; i < list->count(); ++i)
        result << list->itemText(i);
    return result;
}

QStringList yearsUpTo(int last)
{
    QStringList years;
    for (int year = 2014; year <= last; ++year)
        years << QString::number(year);
    return years;
}

QDateTime utc(int year, int month, int day, int hour, int minute, int second = 0)
{
    return QDateTime(QDate(year, month, day), QTime(hour, minute, second), Qt::UTC);
}

const QDate qtInitialDate(2000, 1, 1);

} // namespace

class TestTimeServer final : public QObject {
    Q_OBJECT

private slots:
    void firstReplySetsTodayDatesAndYears_data();
    void firstReplySetsTodayDatesAndYears();
    void todayIsLocalTime_data();
    void todayIsLocalTime();
    void silentServerLeavesTodayUnknown();
    void unusableReplyIsIgnored_data();
    void unusableReplyIsIgnored();
    void longReplyIsReadUpTo48Bytes();
    void laterReplyOnlyReplacesToday();
    void hostNameIsLookedUpFirst();
};

void TestTimeServer::firstReplySetsTodayDatesAndYears_data()
{
    QTest::addColumn<quint32>("seconds");
    QTest::addColumn<QDateTime>("today");
    QTest::addColumn<QStringList>("years");

    const auto row = [](const char *name, const QDateTime &moment, const QStringList &years) {
        QTest::newRow(name) << FakeTimeServer::ntpSeconds(moment) << moment << years;
    };
    row("2013", utc(2013, 6, 15, 12, 0), {});
    row("last second of 2013", utc(2013, 12, 31, 23, 59, 59), {});
    row("first second of 2014", utc(2014, 1, 1, 0, 0), yearsUpTo(2014));
    row("2015", utc(2015, 5, 15, 12, 0), yearsUpTo(2015));
    row("2016", utc(2016, 5, 15, 12, 0), yearsUpTo(2016));
    QTest::newRow("1 December 2014 (3,626,380,800 seconds)")
        << quint32(3626380800u) << utc(2014, 12, 1, 0, 0) << yearsUpTo(2014);
    // Seconds below the 1900-1970 offset wrap round in unsigned 32-bit arithmetic.
    QTest::newRow("seconds 1 wrap into 2036") << quint32(1) << utc(2036, 2, 7, 6, 28, 17) << yearsUpTo(2036);
}

void TestTimeServer::firstReplySetsTodayDatesAndYears()
{
    QFETCH(quint32, seconds);
    QFETCH(QDateTime, today);
    QFETCH(QStringList, years);

    ScratchDirectory scratch;
    BoxResponder responder;
    FakeTimeServer server;
    server.answerWithSeconds(seconds);
    auto app = startApp(server);
    QTRY_VERIFY(app->today().isValid());

    QCOMPARE(server.requestCount(), 1);
    QCOMPARE(server.lastRequest(), expectedRequest());
    QCOMPARE(app->today(), today);
    QCOMPARE(app->today().timeSpec(), Qt::LocalTime);
    const QDate date = today.date();
    QCOMPARE(fieldDates(*app), (QList<QDate>{ date, date, date }));
    QCOMPARE(items(app->resultsPage().year), years);
    QCOMPARE(app->resultsPage().year->currentIndex(), -1);
    QVERIFY(responder.boxes().isEmpty());
    QVERIFY(!QApplication::activeModalWidget());
}

void TestTimeServer::todayIsLocalTime_data()
{
    QTest::addColumn<quint32>("seconds");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QTime>("time");

    QTest::newRow("1 December 2014, 01:00") << quint32(3626380800u) << QDate(2014, 12, 1) << QTime(1, 0);
    QTest::newRow("new year comes an hour early")
        << FakeTimeServer::ntpSeconds(utc(2013, 12, 31, 23, 30)) << QDate(2014, 1, 1) << QTime(0, 30);
}

void TestTimeServer::todayIsLocalTime()
{
    QFETCH(quint32, seconds);
    QFETCH(QDate, date);
    QFETCH(QTime, time);

    const TimeZone centralEurope("CET-1");
    ScratchDirectory scratch;
    BoxResponder responder;
    FakeTimeServer server;
    server.answerWithSeconds(seconds);
    auto app = startApp(server);
    QTRY_VERIFY(app->today().isValid());

    QCOMPARE(app->today().date(), date);
    QCOMPARE(app->today().time(), time);
    QCOMPARE(app->today().toSecsSinceEpoch(), qint64(seconds) - 2208988800LL);
    QCOMPARE(fieldDates(*app), (QList<QDate>{ date, date, date }));
    QCOMPARE(items(app->resultsPage().year), yearsUpTo(2014));
    QCOMPARE(app->resultsPage().year->currentIndex(), -1);
    QVERIFY(responder.boxes().isEmpty());
}

void TestTimeServer::silentServerLeavesTodayUnknown()
{
    ScratchDirectory scratch;
    BoxResponder responder;
    FakeTimeServer server;
    server.stayQuiet();
    auto app = startApp(server);
    QTRY_COMPARE(server.requestCount(), 1);

    QCOMPARE(server.lastRequest(), expectedRequest());
    QVERIFY(app->today().isNull());
    QCOMPARE(fieldDates(*app), (QList<QDate>{ qtInitialDate, qtInitialDate, qtInitialDate }));
    QCOMPARE(app->resultsPage().year->count(), 0);
    QVERIFY(responder.boxes().isEmpty());
}

void TestTimeServer::unusableReplyIsIgnored_data()
{
    QTest::addColumn<QByteArray>("reply");

    // Short replies whose every four bytes hold the seconds of a real day, wherever a
    // careless reader might look for them.
    const QByteArray seconds = bigEndian(FakeTimeServer::ntpSeconds(utc(2015, 2, 2, 12, 0)));
    for (int size : { 4, 7, 44, 47 })
        QTest::newRow(qPrintable(QStringLiteral("%1 bytes").arg(size))) << seconds.repeated(12).left(size);

    // A full reply whose transmit seconds are 0, with a plausible receive time stamp.
    QByteArray zero = FakeTimeServer::replyWithSeconds(0);
    zero.replace(32, 4, seconds);
    zero.replace(44, 4, QByteArray("\x80\x00\x00\x00", 4));
    QTest::newRow("transmit seconds 0") << zero;
}

void TestTimeServer::unusableReplyIsIgnored()
{
    QFETCH(QByteArray, reply);

    ScratchDirectory scratch;
    BoxResponder responder;
    ScriptedServer server;
    auto app = std::make_unique<App>(QStringLiteral("127.0.0.1"), server.port());
    QTRY_VERIFY(!server.requests().isEmpty());

    QVERIFY(server.deliver(*app, reply));
    QVERIFY(app->today().isNull());
    QCOMPARE(fieldDates(*app), (QList<QDate>{ qtInitialDate, qtInitialDate, qtInitialDate }));
    QCOMPARE(app->resultsPage().year->count(), 0);

    // The next valid reply is the first one.
    const QDateTime moment = utc(2016, 5, 15, 12, 0);
    QVERIFY(server.deliver(*app, FakeTimeServer::replyWithSeconds(FakeTimeServer::ntpSeconds(moment))));
    QCOMPARE(app->today(), moment);
    const QDate date = moment.date();
    QCOMPARE(fieldDates(*app), (QList<QDate>{ date, date, date }));
    QCOMPARE(items(app->resultsPage().year), yearsUpTo(2016));
    QCOMPARE(app->resultsPage().year->currentIndex(), -1);
    QCOMPARE(server.requests(), QList<QByteArray>{ expectedRequest() });
    QVERIFY(responder.boxes().isEmpty());
}

void TestTimeServer::longReplyIsReadUpTo48Bytes()
{
    ScratchDirectory scratch;
    BoxResponder responder;
    ScriptedServer server;
    auto app = std::make_unique<App>(QStringLiteral("127.0.0.1"), server.port());
    QTRY_VERIFY(!server.requests().isEmpty());

    // Bytes beyond the 48th are dropped, so their last 8 bytes play no part.
    const QDateTime moment = utc(2015, 5, 15, 12, 0);
    QByteArray reply = FakeTimeServer::replyWithSeconds(FakeTimeServer::ntpSeconds(moment));
    reply += QByteArray(12, '\0') + bigEndian(FakeTimeServer::ntpSeconds(utc(2019, 1, 1, 12, 0)))
        + QByteArray(4, '\0');
    QCOMPARE(reply.size(), 68);
    QVERIFY(server.deliver(*app, reply));
    QCOMPARE(app->today(), moment);
    QCOMPARE(items(app->resultsPage().year), yearsUpTo(2015));
    QVERIFY(responder.boxes().isEmpty());
}

void TestTimeServer::laterReplyOnlyReplacesToday()
{
    ScratchDirectory scratch;
    BoxResponder responder;
    ScriptedServer server;
    auto app = std::make_unique<App>(QStringLiteral("127.0.0.1"), server.port());
    QTRY_VERIFY(!server.requests().isEmpty());

    const QDateTime first = utc(2015, 5, 15, 12, 0);
    QVERIFY(server.deliver(*app, FakeTimeServer::replyWithSeconds(FakeTimeServer::ntpSeconds(first))));
    QCOMPARE(app->today(), first);
    // The user picks other days of the quarter.
    app->dateFields()[0].edit->setDate(QDate(2015, 4, 1));
    app->dateFields()[2].edit->setDate(QDate(2015, 5, 4));

    const QDateTime second = utc(2016, 6, 20, 8, 30);
    QVERIFY(server.deliver(*app, FakeTimeServer::replyWithSeconds(FakeTimeServer::ntpSeconds(second))));
    QCOMPARE(app->today(), second);
    QCOMPARE(fieldDates(*app), (QList<QDate>{ QDate(2015, 4, 1), QDate(2015, 5, 15), QDate(2015, 5, 4) }));
    QCOMPARE(items(app->resultsPage().year), yearsUpTo(2015));
    QCOMPARE(app->resultsPage().year->currentIndex(), -1);
    QCOMPARE(server.requests(), QList<QByteArray>{ expectedRequest() });
    QVERIFY(responder.boxes().isEmpty());
}

void TestTimeServer::hostNameIsLookedUpFirst()
{
    ScratchDirectory scratch;
    BoxResponder responder;
    // Listening on every local address: "localhost" may stand for ::1 as well as 127.0.0.1.
    ScriptedServer server{ QHostAddress(QHostAddress::Any) };
    auto app = std::make_unique<App>(QStringLiteral("localhost"), server.port());
    QTRY_VERIFY(!server.requests().isEmpty());

    const QDateTime moment = utc(2015, 5, 15, 12, 0);
    QVERIFY(server.deliver(*app, FakeTimeServer::replyWithSeconds(FakeTimeServer::ntpSeconds(moment))));
    QCOMPARE(app->today(), moment);
    QCOMPARE(server.requests(), QList<QByteArray>{ expectedRequest() });
    QVERIFY(responder.boxes().isEmpty());
}

QTEST_MAIN(TestTimeServer)
#include "test_timeserver.moc"
