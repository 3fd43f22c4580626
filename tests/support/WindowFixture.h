#pragma once

#include "TestSupport.h"

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QStringList>

#include <initializer_list>
#include <memory>

#include <QLineEdit>

class QComboBox;

// One window under test: a fresh working directory, the box responder, the fake time
// server and, once started, the window. Seed data.db between constructing it and starting
// the window. Members go in reverse order, so the window goes before its directory.
struct WindowFixture {
    ScratchDirectory scratch;
    BoxResponder responder;
    FakeTimeServer server;
    std::unique_ptr<App> app;

    // Starts the window with the server answering noon of day; true once today is known.
    bool startOn(const QDate &day);
    // Starts the window with a server that never answers; true once its one request came.
    bool startWithoutToday();
    // As takeBoxes(responder, withButtons).
    QStringList takeBoxes(bool withButtons = false);
};

// The boxes the responder saw, one line each: "icon|title|text", the icon by name
// ("information", "warning", "critical", "question"), then "|unexpected" when no queued
// answer fitted the box.
QStringList boxLines(const BoxResponder &responder);
// The same with the buttons after the text: "icon|title|text|No,Sí".
QStringList boxLinesWithButtons(const BoxResponder &responder);
// The boxes seen since the last call, as boxLines (or boxLinesWithButtons), which are then
// forgotten. A box still open and queued answers left unused come as lines of their own, so
// that comparing the result also checks that nothing is left open or unanswered.
QStringList takeBoxes(BoxResponder &responder, bool withButtons = false);

// The items of a list, in order.
QStringList itemsOf(const QComboBox *list);
// The texts of these fields, in order.
QStringList textsOf(std::initializer_list<const QLineEdit *> fields);
template <typename Fields> QStringList textsOf(const Fields &fields)
{
    QStringList texts;
    for (const QLineEdit *field : fields)
        texts << field->text();
    return texts;
}
// The dates of the three "Fecha" fields.
QList<QDate> fieldDates(const App &app);
// The whole content of a file, or nothing when it cannot be read.
QByteArray readFile(const QString &path);
