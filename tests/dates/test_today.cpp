// Today from the time server: the first reply, replies ignored, requests sent again (refused saves, every
// minute). The "Fecha" fields' rule: a date after today or of another quarter corrected, with its box.

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

// A private /etc/hosts, made before main (so before any thread), if this process may mount.
const QTemporaryDir hostsFolder;
const bool ownHosts = QFile::copy("/etc/hosts", hostsFolder.filePath("hosts")) && unshare(CLONE_NEWNS) == 0
    && mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0
    && mount(qPrintable(hostsFolder.filePath("hosts")), "/etc/hosts", nullptr, MS_BIND, nullptr) == 0;

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

    // Unknown, today is asked for every minute (shortened here): after an error datagram, after a
    // name not found.
    void keepsAsking()
    {
        for (const QString host : { "127.0.0.1", "brivana-time.invalid" }) {
            WindowFixture f;
            const quint16 port = f.server.m_socket.localPort();
            f.server.m_socket.close(); // the first request meets a closed port, or none goes out
            f.server.answerWith(QDateTime(QDate(2026, 12, 7), QTime(12, 0), Qt::UTC));
            f.app = std::make_unique<App>(host, port);
            QTRY_VERIFY(f.app->findChild<QUdpSocket *>()->error() != QAbstractSocket::UnknownSocketError);
            // The private /etc/hosts: from now on the name resolves.
            if (host != "127.0.0.1"
                && !(ownHosts
                    && QProcess::execute("sh", { "-c", "echo 127.0.0.1 " + host + " >>/etc/hosts" }) == 0))
                QSKIP("No private /etc/hosts here: a name cannot be made to resolve.");
            f.app->findChild<QTimer *>("dates.timeRetry")->setInterval(10);
            QVERIFY(f.server.m_socket.bind(QHostAddress::LocalHost, port));
            QTRY_VERIFY(
                f.app->today().isValid() && !f.app->findChild<QTimer *>("dates.timeRetry")->isActive());
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
        const DateField &field = f.app->dateFields()[0]; // its calendar opens on its date, not the clock's
        field.calendarMenu->popup({});
        QCOMPARE(field.calendar->selectedDate(), field.edit->date());
    }
};

QTEST_MAIN(TestToday)
#include "test_today.moc"
