#pragma once

// Helpers shared by the tests of the owner and the clients and suppliers register.

#include "TestSupport.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

// Each box seen as "icon|title|text", with "|unexpected" when no answer fitted it.
inline QStringList describeBoxes(const BoxResponder &responder)
{
    static const char *const icons[] = { "none", "information", "warning", "critical", "question" };
    QStringList result;
    for (const BoxResponder::Box &box : responder.boxes())
        result << QStringLiteral("%1|%2|%3%4")
                      .arg(QLatin1String(icons[box.icon]), box.title, box.text,
                          box.unexpected ? QStringLiteral("|unexpected") : QString());
    return result;
}

// Starts the window and waits until the first time-server reply has been handled, so
// that reply cannot land in the middle of a test.
inline std::unique_ptr<App> startWithToday(FakeTimeServer &server)
{
    server.answerWith(noonOn(2016, 5, 15));
    auto app = startApp(server);
    if (!QTest::qWaitFor([&] { return app->today().isValid(); }))
        QTest::qFail("the time server never answered", __FILE__, __LINE__);
    return app;
}

// Picks an item of a list with the keyboard, as a user without a mouse would.
inline void choose(QComboBox *list, int index)
{
    QTest::keyClick(list, Qt::Key_Home);
    for (int i = 0; i < index; ++i)
        QTest::keyClick(list, Qt::Key_Down);
}

inline bool marked(const QWidget *field)
{
    return field->property("error").toBool();
}

// A party stored by hand, before the window starts; the schema is created first.
inline void insertParty(int type, int account, const QString &nif, const QString &name,
    const QString &address = QStringLiteral("Calle Mayor 1"), int postalCode = 4001)
{
    for (const QString &statement : schemaStatements())
        execStatement(statement);
    execStatement(
        QStringLiteral("INSERT INTO cap (type, id, nif, rs, dir, cp, pobl, prov, pais) VALUES (%1, %2, "
                       "'%3', '%4', '%5', %6, 'almería', 'almería', 'España')")
            .arg(type)
            .arg(account)
            .arg(nif, name, address)
            .arg(postalCode));
}

// No box left open and every queued answer used.
inline bool boxesSettled(const BoxResponder &responder)
{
    return !QApplication::activeModalWidget() && responder.pendingAnswers() == 0;
}
