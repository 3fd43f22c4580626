// Today's date from the time server: the request, asked again by a refused save, the replies that set today,
// the replies that are ignored, and what the first reply initialises.

#include "ProgramBoxes.h"
#include "WindowFixture.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QNetworkDatagram>
#include <QPushButton>
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

// A window whose time server the test drives by hand: the server takes the window's
// request, then sends whatever the test chooses, as often as it likes.
class ScriptedWindow {
public:
    ScratchDirectory scratch;
    BoxResponder responder;
    std::unique_ptr<App> app;

    // Starts the window against host, with the server listening on address; true once the
    // request came.
    bool start(const QString &host, const QHostAddress &address)
    {
        m_socket.bind(address, 0);
        app = std::make_unique<App>(host, m_socket.localPort());
        return QTest::qWaitFor([this] { return !requests().isEmpty(); });
    }

    // Every request received so far.
    const QList<QByteArray> &requests()
    {
        while (m_socket.hasPendingDatagrams()) {
            const QNetworkDatagram request = m_socket.receiveDatagram();
            m_peer = request.senderAddress();
            m_peerPort = quint16(request.senderPort());
            m_requests << request.data();
        }
        return m_requests;
    }

    // Sends a reply and waits until the window has handled it.
    bool deliver(const QByteArray &reply)
    {
        auto *socket = app->findChild<QUdpSocket *>();
        if (!socket)
            return false;
        QSignalSpy handled(socket, &QUdpSocket::readyRead);
        m_socket.writeDatagram(reply, m_peer, m_peerPort);
        return handled.wait(5000);
    }
    bool deliver(const QDateTime &moment)
    {
        return deliver(FakeTimeServer::replyWithSeconds(FakeTimeServer::ntpSeconds(moment)));
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

QDateTime utc(int year, int month, int day, int hour, int minute, int second = 0)
{
    return QDateTime(QDate(year, month, day), QTime(hour, minute, second), Qt::UTC);
}

// What the first reply sets: the three dates, and the "Año" list from 2014 to today's year
// with no year chosen.
void compareDatesAndYears(const App &app, const QList<QDate> &dates, int lastYear)
{
    QCOMPARE(fieldDates(app), dates);
    QStringList years;
    for (int year = 2014; year <= lastYear; ++year)
        years << QString::number(year);
    QCOMPARE(itemsOf(app.resultsPage().year), years);
    QCOMPARE(app.resultsPage().year->currentIndex(), -1);
}

const QList<QDate> qtInitialDates(3, QDate(2000, 1, 1));

} // namespace

class TestTimeServer final : public QObject {
    Q_OBJECT

private slots:
    void firstReplySetsTodayDatesAndYears_data();
    void firstReplySetsTodayDatesAndYears();
    void silentServerLeavesTodayUnknown();
    void onlyAFullReplySetsToday_data();
    void onlyAFullReplySetsToday();
    void laterReplyOnlyReplacesToday();
    void refusedSaveAsksAgain();
};

void TestTimeServer::firstReplySetsTodayDatesAndYears_data()
{
    QTest::addColumn<quint32>("seconds");
    QTest::addColumn<QByteArray>("zone");
    // Today in local time, and the last year of the "Año" list.
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QTime>("time");
    QTest::addColumn<int>("lastYear");

    const auto row = [](const char *name, const QDateTime &moment, int lastYear) {
        QTest::newRow(name) << FakeTimeServer::ntpSeconds(moment) << QByteArray("UTC") << moment.date()
                            << moment.time() << lastYear;
    };
    // Before 2014 the list stays empty.
    row("2013", utc(2013, 6, 15, 12, 0), 2013);
    row("last second of 2013", utc(2013, 12, 31, 23, 59, 59), 2013);
    row("first second of 2014", utc(2014, 1, 1, 0, 0), 2014);
    row("2015", utc(2015, 5, 15, 12, 0), 2015);
    row("2016", utc(2016, 5, 15, 12, 0), 2016);
    QTest::newRow("1 December 2014 (3,626,380,800 seconds)")
        << quint32(3626380800u) << QByteArray("UTC") << QDate(2014, 12, 1) << QTime(0, 0) << 2014;
    // Seconds below the 1900-1970 offset wrap round in unsigned 32-bit arithmetic.
    QTest::newRow("seconds 1 wrap into 2036")
        << quint32(1) << QByteArray("UTC") << QDate(2036, 2, 7) << QTime(6, 28, 17) << 2036;
    // Today is local time: in central Europe an hour later.
    QTest::newRow("central Europe: 1 December 2014, 01:00")
        << quint32(3626380800u) << QByteArray("CET-1") << QDate(2014, 12, 1) << QTime(1, 0) << 2014;
    QTest::newRow("central Europe: new year comes an hour early")
        << FakeTimeServer::ntpSeconds(utc(2013, 12, 31, 23, 30)) << QByteArray("CET-1") << QDate(2014, 1, 1)
        << QTime(0, 30) << 2014;
}

void TestTimeServer::firstReplySetsTodayDatesAndYears()
{
    QFETCH(quint32, seconds);
    QFETCH(QByteArray, zone);
    QFETCH(QDate, date);
    QFETCH(int, lastYear);

    const TimeZone timeZone(zone.constData());
    WindowFixture window;
    window.server.answerWithSeconds(seconds);
    window.app = startApp(window.server);
    QTRY_VERIFY(window.app->today().isValid());

    QCOMPARE(window.server.requestCount(), 1);
    QCOMPARE(window.server.lastRequest(), expectedRequest());
    QCOMPARE(window.app->today().toSecsSinceEpoch(), qint64(quint32(seconds - 2208988800u)));
    QCOMPARE(window.app->today().timeSpec(), Qt::LocalTime);
    QCOMPARE(window.app->today().date(), date);
    QTEST(window.app->today().time(), "time");
    compareDatesAndYears(*window.app, QList<QDate>(3, date), lastYear);
    QCOMPARE(window.takeBoxes(), QStringList());
}

void TestTimeServer::silentServerLeavesTodayUnknown()
{
    WindowFixture window;
    QVERIFY(window.startWithoutToday());

    QCOMPARE(window.server.lastRequest(), expectedRequest());
    QVERIFY(window.app->today().isNull());
    compareDatesAndYears(*window.app, qtInitialDates, 2013);
    QCOMPARE(window.takeBoxes(), QStringList());
}

void TestTimeServer::onlyAFullReplySetsToday_data()
{
    QTest::addColumn<QString>("host");
    QTest::addColumn<QByteArray>("reply");
    // Today as the reply sets it, or null when the reply is ignored.
    QTest::addColumn<QDateTime>("today");

    // Short replies whose every four bytes hold the seconds of a real day, wherever a
    // careless reader might look for them.
    const QByteArray seconds = bigEndian(FakeTimeServer::ntpSeconds(utc(2015, 2, 2, 12, 0)));
    for (int size : { 4, 7, 44, 47 })
        QTest::addRow("%d bytes", size)
            << QStringLiteral("127.0.0.1") << seconds.repeated(12).left(size) << QDateTime();

    // A full reply whose transmit seconds are 0, with a plausible receive time stamp.
    QByteArray zero = FakeTimeServer::replyWithSeconds(0);
    zero.replace(32, 4, seconds);
    zero.replace(44, 4, QByteArray("\x80\x00\x00\x00", 4));
    QTest::newRow("transmit seconds 0") << QStringLiteral("127.0.0.1") << zero << QDateTime();

    // Bytes beyond the 48th are dropped, so their last 8 bytes play no part.
    const QDateTime moment = utc(2015, 5, 15, 12, 0);
    const QByteArray full = FakeTimeServer::replyWithSeconds(FakeTimeServer::ntpSeconds(moment));
    QTest::newRow("68 bytes") << QStringLiteral("127.0.0.1")
                              << full + QByteArray(12, '\0')
            + bigEndian(FakeTimeServer::ntpSeconds(utc(2019, 1, 1, 12, 0))) + QByteArray(4, '\0')
                              << moment;
    // A host name is looked up before the one request goes out.
    QTest::newRow("host name") << QStringLiteral("localhost") << full << moment;
}

void TestTimeServer::onlyAFullReplySetsToday()
{
    QFETCH(QString, host);
    QFETCH(QByteArray, reply);
    QFETCH(QDateTime, today);

    // Listening on every local address: "localhost" may stand for ::1 as well as 127.0.0.1.
    ScriptedWindow window;
    QVERIFY(window.start(host, QHostAddress(QHostAddress::Any)));
    QVERIFY(window.deliver(reply));
    if (today.isNull()) {
        QVERIFY(window.app->today().isNull());
        compareDatesAndYears(*window.app, qtInitialDates, 2013);
        // The next valid reply is the first one.
        today = utc(2016, 5, 15, 12, 0);
        QVERIFY(window.deliver(today));
    }
    QCOMPARE(window.app->today(), today);
    compareDatesAndYears(*window.app, QList<QDate>(3, today.date()), today.date().year());
    QCOMPARE(window.requests(), QList<QByteArray>{ expectedRequest() });
    QCOMPARE(takeBoxes(window.responder), QStringList());
}

void TestTimeServer::laterReplyOnlyReplacesToday()
{
    ScriptedWindow window;
    QVERIFY(window.start(QStringLiteral("127.0.0.1"), QHostAddress(QHostAddress::LocalHost)));
    const QDateTime first = utc(2015, 5, 15, 12, 0);
    QVERIFY(window.deliver(first));
    QCOMPARE(window.app->today(), first);
    // The user picks other days of the quarter.
    window.app->dateFields()[0].edit->setDate(QDate(2015, 4, 1));
    window.app->dateFields()[2].edit->setDate(QDate(2015, 5, 4));

    const QDateTime second = utc(2016, 6, 20, 8, 30);
    QVERIFY(window.deliver(second));
    QCOMPARE(window.app->today(), second);
    compareDatesAndYears(*window.app, { QDate(2015, 4, 1), QDate(2015, 5, 15), QDate(2015, 5, 4) }, 2015);
    QCOMPARE(window.requests(), QList<QByteArray>{ expectedRequest() });
    QCOMPARE(takeBoxes(window.responder), QStringList());
}

// The first request is lost: a save refused for want of today asks again, and once the
// reply is in the next save goes through.
void TestTimeServer::refusedSaveAsksAgain()
{
    WindowFixture window;
    insertOwner();
    QVERIFY(window.startWithoutToday());
    window.server.answerWith(noonOn(2015, 5, 15));
    const OtherEntriesPage &page = window.app->otherEntriesPage();
    typeText(page.amount, "40");
    page.account->setCurrentIndex(8);
    const QString chosen = box::accountChosen(page.account->currentText());

    page.save->click();
    QCOMPARE(window.takeBoxes(), (QStringList{ chosen, box::todayUnknown }));
    QTRY_VERIFY(window.app->today().isValid());
    QCOMPARE(window.server.requestCount(), 2);
    QCOMPARE(window.server.lastRequest(), expectedRequest());
    page.save->click();
    QCOMPARE(window.takeBoxes(), QStringList{ box::dataSaved });
    QCOMPARE(queryValue("SELECT COUNT(*) FROM ogei").toInt(), 1);
}

QTEST_MAIN(TestTimeServer)
#include "test_timeserver.moc"
