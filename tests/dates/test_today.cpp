// Today's date from the time server: what the first reply sets, the replies ignored, and the
// request sent again by a save refused for want of today. Then the "Fecha" fields' rule: a date
// after today or outside today's quarter is corrected, with its box, and the corrected one kept.

#include "TestSupport.h"

#include <ctime>
#include <sched.h>
#include <sys/mount.h>

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

public:
    bool m_ownHosts = false;

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

    // While today is unknown the program asks by itself (the minute shortened here), after an
    // error datagram or a name that could not be looked up, until today is known.
    void keepsAsking()
    {
        for (const QString host : { "127.0.0.1", "brivana-time.invalid" }) {
            WindowFixture f;
            const quint16 port = f.server.m_socket.localPort();
            f.server.m_socket.close(); // the first request meets a closed port, or none goes out
            f.server.answerWith(QDateTime(QDate(2026, 12, 7), QTime(12, 0), Qt::UTC));
            f.app = std::make_unique<App>(host, port);
            QTRY_VERIFY(f.app->findChild<QUdpSocket *>()->error() != QAbstractSocket::UnknownSocketError);
            QFile hosts("/etc/hosts"); // private to this test: the name resolves from now on
            if (host != "127.0.0.1"
                && !(m_ownHosts && hosts.open(QIODevice::Append)
                    && hosts.write("127.0.0.1 " + host.toLatin1() + '\n') && hosts.flush()))
                QSKIP("No private /etc/hosts here: a name cannot be made to resolve.");
            auto *retry = f.app->findChild<QTimer *>("dates.timeRetry");
            retry->setInterval(10);
            QVERIFY(f.server.m_socket.bind(QHostAddress::LocalHost, port));
            QTRY_VERIFY(f.app->today().isValid() && !retry->isActive());
        }
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

int main(int argc, char *argv[])
{
    // A private copy of /etc/hosts, taken before any thread starts so that every thread shares
    // it, lets a test make a name resolvable; it needs the right to mount, or the test is skipped.
    const QTemporaryDir folder;
    const QString copy = folder.filePath("hosts");
    TestToday test;
    test.m_ownHosts = QFile::copy("/etc/hosts", copy) && unshare(CLONE_NEWNS) == 0
        && mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0
        && mount(qPrintable(copy), "/etc/hosts", nullptr, MS_BIND, nullptr) == 0;
    QApplication application(argc, argv);
    return QTest::qExec(&test, argc, argv);
}
#include "test_today.moc"
