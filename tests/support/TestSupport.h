#pragma once

// The shared harness: box responder, fake time server, scratch folder, typing, data.db, and one
// window under test driven as a person would, its widgets by their names.

#include "App.h"
#include "storage/Database.h"

#include <QtNetwork>
#include <QtSql>
#include <QtTest>
#include <QtWidgets>

#include <functional>
#include <memory>
#include <optional>
#include <utility>

// Answers modal boxes by button texts queued before the call that opens them, and records each.
// With the queue empty a box gets "OK", else its first button and is recorded as unexpected,
// so that a missing answer fails instead of hanging. Its timer runs inside the boxes' loops too.
// While each box is open it notes whether another program could take data.db: it must.
struct BoxResponder : QObject {
    struct Box {
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QString title, text;
        QStringList buttons;
        bool unexpected = false;
    };
    BoxResponder()
    {
        connect(&m_timer, &QTimer::timeout, this, [this] { poll(); });
        m_timer.start(5);
    }
    void answer(const QString &buttonText) { m_answers << buttonText; }

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
        m_held |= dataBaseHeld();
        if (m_onBox)
            m_onBox(seen);
        QMetaObject::invokeMethod(buttons[qMax(index, 0)], &QAbstractButton::click, Qt::QueuedConnection);
    }
    static bool dataBaseHeld()
    {
        if (!QFileInfo(QStringLiteral("data.db")).isFile())
            return false;
        QSqlDatabase db = QSqlDatabase::contains("probe") ? QSqlDatabase::database("probe", false)
                                                          : QSqlDatabase::addDatabase("QSQLITE", "probe");
        db.setDatabaseName(QDir::current().filePath("data.db"));
        db.setConnectOptions("QSQLITE_BUSY_TIMEOUT=0");
        QSqlQuery probe(db.open() ? db : QSqlDatabase());
        const bool held = !probe.exec("BEGIN EXCLUSIVE") && probe.lastError().text().contains("locked");
        db.close();
        return held;
    }

    QTimer m_timer;
    QStringList m_answers;
    QList<Box> m_boxes;
    bool m_held = false;
    std::function<void(const Box &)> m_onBox;
};

// A time server on 127.0.0.1 that answers each request with the reply chosen, if any.
struct FakeTimeServer : QObject {
    FakeTimeServer()
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
    void answerWith(const QDateTime &moment)
    {
        m_reply = replyWithSeconds(quint32(moment.toSecsSinceEpoch() + 2208988800LL));
    }
    // A server's reply (leap 0, version 4, mode 4) with these transmit seconds.
    static QByteArray replyWithSeconds(quint32 seconds)
    {
        QByteArray reply(48, '\0');
        reply[0] = 0x24;
        qToBigEndian(seconds, reply.data() + 40);
        return reply;
    }

    QUdpSocket m_socket;
    std::optional<QByteArray> m_reply;
    int m_requests = 0;
    QByteArray m_lastRequest;
};

// A fresh working folder with the four images the program reads, left when it goes.
struct ScratchDirectory {
    ScratchDirectory()
    {
        for (const char *image :
            { "Calendar-selection-day-icon.png", "background.png", "logo.png", "search-icon.png" })
            QFile::copy(QStringLiteral(BRIVANA_IMAGES_DIR "/") + image, m_dir.filePath(image));
        QDir::setCurrent(m_dir.path());
    }
    ~ScratchDirectory() { QDir::setCurrent(m_previous); }

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

// The rows a statement on the working folder's data.db gives, each its values apart by blanks;
// none when it fails.
inline std::optional<QString> queryRows(const QString &statement)
{
    QStringList rows;
    bool done = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("check"));
        db.setDatabaseName(QStringLiteral("data.db"));
        QSqlQuery query(db);
        done = db.open() && query.exec(statement);
        if (!done)
            qWarning("%s: %s", qPrintable(statement), qPrintable(query.lastError().text()));
        for (QStringList row; query.next(); rows << row.join(' '), row.clear())
            for (int i = 0; i < query.record().count(); ++i)
                row << query.value(i).toString();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("check"));
    return done ? std::optional(rows.join('\n')) : std::nullopt;
}
// The rows of a table, each its values in column order.
inline QString storedRows(const QString &table)
{
    return queryRows("SELECT * FROM " + table).value_or(QString());
}

// An owner, or a client (type 0) or supplier (type 1), stored before the window starts.
inline void insertRow(const QString &values)
{
    for (const QString &statement : schemaStatements())
        queryRows(statement);
    queryRows(values);
}
inline void insertOwner(const QString &nif = "12345678Z", const QString &name = "Reformas del Sur")
{
    insertRow(QStringLiteral("INSERT INTO admin (nif, rs, dir, cp, pobl, prov, pais, tecn) VALUES ('%1', "
                             "'%2', 'Calle Mayor 1', 4001, 'Almería', 'Almería', 'España', 1)")
                  .arg(nif, name));
}
inline void insertParty(int type, int account, const QString &nif, const QString &name,
    const QString &address = QStringLiteral("Calle Mayor 1"))
{
    insertRow(QStringLiteral("INSERT INTO cap (type, id, nif, rs, dir, cp, pobl, prov, pais) VALUES (%1, %2, "
                             "'%3', '%4', '%5', 4001, 'almería', 'almería', 'España')")
                  .arg(QString::number(type), QString::number(account), nif, name, address));
}

inline QStringList itemsOf(const QComboBox *list)
{
    QStringList items;
    for (int i = 0; i < list->count(); ++i)
        items << list->itemText(i);
    return items;
}
inline QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
inline QStringList words(const QString &text)
{
    return text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
}
inline QStringList sorted(QStringList items)
{
    items.sort();
    return items;
}

// The boxes the program shows on more than one page, as takeBoxes() writes them.
struct box {
    static QString info(const QString &text) { return "information|Información|" + text; }
    static QString error(const QString &text) { return "critical|Error|" + text; }
    static QString accountChosen(const QString &item)
    {
        return info("Ha seleccionado usted la cuenta contable:\n\n" + item
            + "\n\nPor favor, verifique si es correcto.");
    }
    static QString exported(const QString &name)
    {
        return info("Archivo exportado correctamente:\n\n" + name);
    }
    inline static const QString confirmSave
        = info("Está a punto de guardar estos datos, por favor,\nasegúrese de que son correctos antes de "
               "continuar.");
    inline static const QString partySaved = info("El usuario se ha guardado correctamente.");
    inline static const QString dataSaved = info("Datos guardados");
    inline static const QString confirmSending = info("Está a punto de enviar todos los registros,\nesta "
                                                      "operación es irrevirsible, ¿está seguro\nde que desea "
                                                      "enviar los datos?");
    inline static const QString todayUnknown
        = "warning|Error|No se ha podido obtener la fecha actual del servidor de hora.";
};

// One window under test; seed data.db before starting it. The window goes before its folder.
struct WindowFixture {
    ScratchDirectory scratch;
    BoxResponder responder;
    FakeTimeServer server;
    std::unique_ptr<App> app;
    QMap<QString, QWidget *> names;
    QWidget *frame = nullptr;
    QStringList atStart;

    void launch()
    {
        app = std::make_unique<App>(QStringLiteral("127.0.0.1"), server.m_socket.localPort());
        nameWidgetsOf(app.get());
    }
    // The server answers noon of today, or never when today is invalid. With a tab, that
    // tab is shown and the window made active, so that focus is real.
    bool start(int tab = -1, const QDate &today = QDate(2016, 5, 15))
    {
        today.isValid() ? server.answerWith(QDateTime(today, QTime(12, 0), Qt::UTC)) : server.m_reply.reset();
        launch();
        if (!QTest::qWaitFor([&] { return today.isValid() ? app->today().isValid() : server.m_requests; }))
            return false;
        if (tab < 0)
            return true;
        app->tabs()->setCurrentIndex(tab);
        app->activateWindow();
        return QTest::qWaitForWindowActive(app.get());
    }
    // Names every widget under root by its object name, or by what follows the page's name.
    void nameWidgetsOf(const QWidget *root, bool onPage = false)
    {
        for (QWidget *widget : root->findChildren<QWidget *>())
            names.insert(widget->objectName().section('.', onPage ? 1 : 0), widget);
        names.remove(QString());
    }
    // Starts on a page (-1: the registration form), its widgets named on it.
    bool open(int tab, const QDate &today = QDate(2016, 5, 15))
    {
        if (!start(tab, today))
            return false;
        frame = tab < 0 ? app->registrationPage().frame : app->tabs()->widget(tab);
        names.clear();
        nameWidgetsOf(frame, true);
        return !(atStart = seen()).isEmpty();
    }

    QString text(const QString &name) const { return names.value(name)->property("text").toString(); }

    // "name=text" types over a field's text ("~name=text": whatever it then keeps), "name=n" picks a
    // list's item of that text or else item n, "name=dd/MM/yyyy" sets a date field, a bare name clicks
    // a shown check box or button; ">Sí" queues an answer, "sql:…" runs a statement with '_' for its
    // blanks, "find=F-1" (or "issued.find=F-1") looks an invoice number up.
    void perform(const QStringList &steps)
    {
        for (QString step : steps) {
            const QString name = step.section('=', 0, 0).remove('~'), value = step.section('=', 1);
            QWidget *widget = names.value(QString(name).replace(QRegularExpression("find$"), "searchNumber"));
            if (step.startsWith('>')) {
                responder.answer(step.mid(1));
            } else if (step.startsWith("sql:")) {
                queryRows(step.mid(4).replace('_', ' '));
            } else if (auto *field = qobject_cast<QLineEdit *>(widget)) {
                field->selectAll();
                QTest::keyClick(field, Qt::Key_Delete);
                typeText(field, value);
                if (name.endsWith("find"))
                    QTest::keyClick(field, Qt::Key_Return);
                else if (!step.startsWith('~'))
                    QCOMPARE(field->text(), value);
            } else if (auto *list = qobject_cast<QComboBox *>(widget)) {
                list->setCurrentIndex(list->findText(value) >= 0 ? list->findText(value) : value.toInt());
            } else if (auto *date = qobject_cast<QDateEdit *>(widget)) {
                date->setDate(QDate::fromString(value, QStringLiteral("dd/MM/yyyy")));
            } else {
                auto *button = qobject_cast<QAbstractButton *>(widget);
                QVERIFY2(button && !button->isHidden(), qPrintable(step));
                QTest::mouseClick(button, Qt::LeftButton);
            }
        }
    }
    // The boxes seen since the last call, then forgotten: "icon|title|text", then "|No,Sí" (the
    // buttons) when asked, and "|unexpected"; a box still open and unused answers too.
    QStringList takeBoxes(bool withButtons = false)
    {
        static const char *const icons[] = { "none", "information", "warning", "critical", "question" };
        QStringList lines;
        for (const BoxResponder::Box &box : responder.m_boxes)
            lines << QStringList{ icons[box.icon], box.title, box.text }.join('|')
                    + (withButtons ? '|' + box.buttons.join(',') : QString())
                    + (box.unexpected ? QStringLiteral("|unexpected") : QString());
        if (QApplication::activeModalWidget())
            lines << QStringLiteral("a box is still open");
        if (!responder.m_answers.isEmpty())
            lines << QStringLiteral("%1 answers left unused").arg(responder.m_answers.size());
        responder.m_boxes.clear();
        return lines;
    }
    // perform() steps, words apart; the boxes by their last two words.
    QString act(const QString &steps)
    {
        perform(words(steps));
        const QRegularExpression blank("[\\s|]+");
        QStringList seen{ std::exchange(responder.m_held, false) ? "held" : "" };
        for (const QString &line : takeBoxes())
            seen.insert(seen.size() - 1,
                line.contains("Ha seleccionado") ? "account:" + line.section("\n\n", 1, 1).left(8)
                                                 : line.section(blank, -2).replace(blank, "_"));
        return seen.join(' ').trimmed();
    }
    // Lines of "steps#boxes#check": the check's items are in the snapshot, its "!" items all it has.
    void run(const QStringList &script)
    {
        for (const QString &line : script) {
            QCOMPARE(act(line.section('#', 0, 0)), line.section('#', 1, 1));
            const QStringList check = words(line.section('#', 2)), now = snapshot();
            QVERIFY(check.isEmpty() || now.filter(QRegularExpression("^!")) == sorted(check.filter("!")));
            for (const QString &item : check)
                QVERIFY2(now.contains(item), qPrintable(item + " not in " + now.join(' ')));
        }
    }

    // Shown beyond the start ("-x": no longer), "+box" ticked, "!x" marked; quota lines by column.
    QStringList state() const
    {
        const QStringList now = seen();
        QStringList diff;
        for (auto it = names.cbegin(); it != names.cend(); ++it)
            diff << (it.value()->property("checked").toBool() ? '+' + it.key() : "")
                 << (it.value()->property("error").toBool() ? '!' + it.key() : "");
        for (const QString &item : now + atStart)
            diff << (now.contains(item) == atStart.contains(item) ? ""
                    : now.contains(item)                          ? item
                                                                  : '-' + item);
        diff.removeAll(QString());
        return sorted(diff);
    }
    QStringList seen() const
    {
        QStringList items;
        QMap<QString, QString> columns;
        for (auto it = names.cbegin(); it != names.cend(); ++it) {
            const QString name = it.key(), text = it.value()->property("text").toString().remove(' ');
            const auto line = QRegularExpression("^line(\\d)\\.(\\w+)$").match(name);
            if (!it.value()->isVisibleTo(frame) || name.endsWith(".label"))
                continue;
            if (line.hasMatch())
                columns[line.captured(2)] += line.captured(1);
            else
                items << (qobject_cast<QLabel *>(it.value()) ? text : name);
        }
        for (QLabel *label : frame->findChildren<QLabel *>(QString(), Qt::FindDirectChildrenOnly))
            items << (label->objectName().isEmpty() && !label->isHidden() ? label->text().remove(' ') : "");
        for (auto it = columns.cbegin(); it != columns.cend(); ++it)
            items << it.key() + ':' + it.value();
        return items.filter(QRegularExpression("."));
    }
    QStringList snapshot() const
    {
        QStringList items = state() << '@' + names.key(app->focusWidget());
        for (auto it = names.cbegin(); it != names.cend(); ++it) {
            const char *property = qobject_cast<QLineEdit *>(it.value()) ? "text" : "currentIndex";
            const QVariant value
                = it.value()->property(qobject_cast<QDateEdit *>(it.value()) ? "date" : property);
            items << (it.value()->isVisibleTo(frame) && value.isValid() ? it.key() + '=' + value.toString()
                                                                        : "");
        }
        return sorted(items.filter(QRegularExpression(".")));
    }
};
