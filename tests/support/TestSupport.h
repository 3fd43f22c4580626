#pragma once

// The shared harness: box responder, fake time server, scratch folder, typing, data.db, window.

#include "App.h"
#include "storage/Database.h"

#include <QtNetwork>
#include <QtSql>
#include <QtTest>
#include <QtWidgets>

#include <cstdio>
#include <functional>
#include <memory>
#include <optional>

// Answers modal boxes by button texts queued before the call that opens them, and records each.
// With the queue empty a box gets "OK", else its leftmost button and is recorded as unexpected,
// so that a missing answer fails instead of hanging. Its timer runs inside the boxes' loops too.
class BoxResponder : public QObject {
public:
    struct Box {
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QString title, text;
        QStringList buttons;
        bool unexpected = false;
    };
    explicit BoxResponder(QObject *parent = nullptr)
        : QObject(parent)
    {
        connect(&m_timer, &QTimer::timeout, this, [this] { poll(); });
        m_timer.start(5);
    }
    void answer(const QString &buttonText) { m_answers << buttonText; }
    void answer(const QStringList &buttonTexts) { m_answers << buttonTexts; }
    const QList<Box> &boxes() const { return m_boxes; }
    void clear() { m_boxes.clear(); }
    int pendingAnswers() const { return int(m_answers.size()); }
    // Prints each box ("icon|title|text") as it is seen, for tests that read a child process.
    void setEcho(bool echo) { m_echo = echo; }
    // Runs step on each box while it is still open, before it is answered.
    void whileOpen(std::function<void(const Box &)> step) { m_whileOpen = std::move(step); }

private:
    void poll()
    {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box || box->property("answered").toBool())
            return;
        box->setProperty("answered", true);
        const QList<QAbstractButton *> buttons = box->buttons();
        Box seen{ box->icon(), box->windowTitle(), box->text(), {} };
        for (const QAbstractButton *button : buttons)
            seen.buttons << button->text().remove('&');
        const qsizetype index = seen.buttons.indexOf(m_answers.isEmpty() ? "OK" : m_answers.takeFirst());
        seen.unexpected = index < 0;
        m_boxes << seen;
        if (m_echo)
            std::printf("%d|%s|%s\n", int(seen.icon), qPrintable(seen.title), qPrintable(seen.text));
        std::fflush(stdout);
        if (m_whileOpen)
            m_whileOpen(seen);
        QAbstractButton *chosen = index >= 0 ? buttons[index]
                                             : *std::min_element(buttons.begin(), buttons.end(),
                                                 [](auto *a, auto *b) { return a->x() < b->x(); });
        QMetaObject::invokeMethod(chosen, &QAbstractButton::click, Qt::QueuedConnection);
    }

    QTimer m_timer;
    QStringList m_answers;
    QList<Box> m_boxes;
    bool m_echo = false;
    std::function<void(const Box &)> m_whileOpen;
};

// A time server on 127.0.0.1 that answers each request with the reply chosen, if any.
class FakeTimeServer : public QObject {
public:
    explicit FakeTimeServer(QObject *parent = nullptr)
        : QObject(parent)
    {
        m_socket.bind(QHostAddress::LocalHost, 0);
        connect(&m_socket, &QUdpSocket::readyRead, this, [this] {
            for (QNetworkDatagram request; m_socket.hasPendingDatagrams(); ++m_requests) {
                request = m_socket.receiveDatagram();
                m_lastRequest = request.data();
                if (m_reply)
                    m_socket.writeDatagram(*m_reply, request.senderAddress(), quint16(request.senderPort()));
            }
        });
    }
    quint16 port() const { return m_socket.localPort(); }
    void answerWith(const QDateTime &moment) { m_reply = replyWithSeconds(ntpSeconds(moment)); }
    void answerWithBytes(const QByteArray &reply) { m_reply = reply; }
    void stayQuiet() { m_reply.reset(); }
    int requestCount() const { return m_requests; }
    QByteArray lastRequest() const { return m_lastRequest; }
    static quint32 ntpSeconds(const QDateTime &moment)
    {
        return quint32(moment.toSecsSinceEpoch() + 2208988800LL);
    }
    // A server's reply (leap 0, version 4, mode 4) with these transmit seconds.
    static QByteArray replyWithSeconds(quint32 seconds)
    {
        QByteArray reply(48, '\0');
        reply[0] = 0x24;
        qToBigEndian(seconds, reply.data() + 40);
        return reply;
    }

private:
    QUdpSocket m_socket;
    std::optional<QByteArray> m_reply;
    int m_requests = 0;
    QByteArray m_lastRequest;
};

// A fresh working folder with the four images the program reads, left when it goes.
class ScratchDirectory {
public:
    ScratchDirectory()
    {
        for (const QString &image : imageNames())
            QFile::copy(BRIVANA_IMAGES_DIR "/" + image, m_dir.filePath(image));
        QDir::setCurrent(m_dir.path());
    }
    ~ScratchDirectory() { QDir::setCurrent(m_previous); }
    QString path() const { return m_dir.path(); }
    QString filePath(const QString &name) const { return m_dir.filePath(name); }
    static QStringList imageNames()
    {
        return { "Calendar-selection-day-icon.png", "background.png", "logo.png", "search-icon.png" };
    }

private:
    QString m_previous = QDir::currentPath();
    QTemporaryDir m_dir;
};

// Types text key by key, so validators apply; a character outside ASCII (an emoji's two units
// together) comes in one key event carrying its text, as a keyboard sends it.
inline void typeText(QWidget *widget, const QString &text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i).unicode() < 0x80) {
            QTest::keyClick(widget, text.at(i).toLatin1());
            continue;
        }
        const QString character = text.mid(i, text.at(i).isHighSurrogate() ? 2 : 1);
        i += character.size() - 1;
        for (auto action : { QTest::KeyAction::Press, QTest::KeyAction::Release })
            QTest::sendKeyEvent(action, widget, Qt::Key_unknown, character, Qt::NoModifier);
    }
}

inline void replaceText(QWidget *widget, const QString &text)
{
    QTest::keyClick(widget, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(widget, Qt::Key_Delete);
    typeText(widget, text);
}

inline std::unique_ptr<App> startApp(FakeTimeServer &server)
{
    return std::make_unique<App>(QStringLiteral("127.0.0.1"), server.port());
}

inline QDateTime noonOn(int year, int month, int day)
{
    return QDateTime(QDate(year, month, day), QTime(12, 0), Qt::UTC);
}

// Every value of every row of a statement on the working folder's data.db.
inline QList<QVariantList> queryRows(const QString &statement, bool *ok = nullptr)
{
    QList<QVariantList> rows;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("check"));
        db.setDatabaseName(QDir::current().filePath(QStringLiteral("data.db")));
        const bool opened = db.open();
        QSqlQuery query(db);
        const bool done = opened && query.exec(statement);
        if (!done)
            qWarning("%s: %s", qPrintable(statement), qPrintable(query.lastError().text()));
        while (query.next()) {
            QVariantList &row = rows.emplace_back();
            for (int i = 0; i < query.record().count(); ++i)
                row << query.value(i);
        }
        if (ok)
            *ok = done;
    }
    QSqlDatabase::removeDatabase(QStringLiteral("check"));
    return rows;
}
inline QVariant queryValue(const QString &statement)
{
    return queryRows(statement).value(0).value(0);
}
inline bool execStatement(const QString &statement)
{
    bool ok = false;
    queryRows(statement, &ok);
    return ok;
}

// An owner stored before the window starts, so that it starts with its tabs.
inline void insertOwner(const QString &nif = "12345678Z", const QString &name = "Reformas del Sur")
{
    for (const QString &statement : schemaStatements())
        execStatement(statement);
    execStatement(QStringLiteral("INSERT INTO admin (nif, rs, dir, cp, pobl, prov, pais, tecn) VALUES ('%1', "
                                 "'%2', 'Calle Mayor 1', 4001, 'Almería', 'Almería', 'España', 1)")
                      .arg(nif, name));
}

// The boxes seen: "icon|title|text", then "|No,Sí" (the buttons) when asked, and "|unexpected".
inline QStringList boxLines(const BoxResponder &responder, bool withButtons = false)
{
    static const char *const icons[] = { "none", "information", "warning", "critical", "question" };
    QStringList lines;
    for (const BoxResponder::Box &box : responder.boxes())
        lines << QStringList{ icons[box.icon], box.title, box.text }.join('|')
                + (withButtons ? '|' + box.buttons.join(',') : QString())
                + (box.unexpected ? QStringLiteral("|unexpected") : QString());
    return lines;
}
inline QStringList boxLinesWithButtons(const BoxResponder &responder)
{
    return boxLines(responder, true);
}
// The boxes seen since the last call, then forgotten; a box still open and unused answers too.
inline QStringList takeBoxes(BoxResponder &responder, bool withButtons = false)
{
    QStringList lines = boxLines(responder, withButtons);
    if (QApplication::activeModalWidget())
        lines << QStringLiteral("a box is still open");
    if (responder.pendingAnswers() > 0)
        lines << QStringLiteral("%1 answers left unused").arg(responder.pendingAnswers());
    responder.clear();
    return lines;
}

inline QStringList itemsOf(const QComboBox *list)
{
    QStringList items;
    for (int i = 0; i < list->count(); ++i)
        items << list->itemText(i);
    return items;
}
template <typename Fields> QStringList textsOf(const Fields &fields)
{
    QStringList texts;
    for (const QLineEdit *field : fields)
        texts << field->text();
    return texts;
}
inline QStringList textsOf(std::initializer_list<const QLineEdit *> fields)
{
    return textsOf<std::initializer_list<const QLineEdit *>>(fields);
}
inline QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// One window under test; seed data.db before starting it. The window goes before its folder.
struct WindowFixture {
    ScratchDirectory scratch;
    BoxResponder responder;
    FakeTimeServer server;
    std::unique_ptr<App> app;

    // The server answers noon (UTC) of day; true once today is known.
    bool startOn(const QDate &day)
    {
        server.answerWith(QDateTime(day, QTime(12, 0), Qt::UTC));
        app = startApp(server);
        return QTest::qWaitFor([this] { return app->today().isValid(); });
    }
    // The server never answers; true once its one request came.
    bool startWithoutToday()
    {
        server.stayQuiet();
        app = startApp(server);
        return QTest::qWaitFor([this] { return server.requestCount() == 1; });
    }
    QStringList takeBoxes(bool withButtons = false) { return ::takeBoxes(responder, withButtons); }
};
