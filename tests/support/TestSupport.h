#pragma once

#include "App.h"
#include "BoxResponder.h"
#include "FakeTimeServer.h"
#include "storage/Database.h"

#include <QDateTime>
#include <QString>
#include <QTemporaryDir>
#include <QVariant>

#include <memory>

class QWidget;

// A fresh working directory for one test, holding only the four images the program
// reads from its working directory, as installed; the previous one is restored and the
// directory removed when it goes out of scope.
class ScratchDirectory {
public:
    ScratchDirectory();
    ~ScratchDirectory();
    QString path() const { return m_dir.path(); }
    QString filePath(const QString &name) const { return m_dir.filePath(name); }

    // The names of the images it starts with.
    static QStringList imageNames();

private:
    QTemporaryDir m_dir;
    QString m_previous;
};

// Types text into a widget key by key, so validators apply. Characters outside ASCII
// ("Almería", "ñ", an emoji) are sent as key events carrying their text.
void typeText(QWidget *widget, const QString &text);

// Selects the widget's whole text, then types over it.
void replaceText(QWidget *widget, const QString &text);

// Starts the window against the fake time server and, when the server answers,
// waits until today is known. The responder must exist already, for boxes the
// start-up may show.
std::unique_ptr<App> startApp(FakeTimeServer &server);

// A moment at noon UTC (the tests run with TZ=UTC) of the given day.
QDateTime noonOn(int year, int month, int day);

// Rows of a query on data.db in the working directory, read through a connection of
// their own: every value of every row.
QList<QVariantList> queryRows(const QString &statement);
// The first value of the first row, or an invalid variant.
QVariant queryValue(const QString &statement);
// Runs a statement on data.db through its own connection; true on success.
bool execStatement(const QString &statement);

// Inserts an owner directly, so the window starts with its tabs.
void insertOwner(const QString &nif = QStringLiteral("12345678Z"),
    const QString &name = QStringLiteral("Reformas del Sur"));
