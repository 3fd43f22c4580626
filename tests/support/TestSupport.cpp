#include "TestSupport.h"

#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTest>
#include <QWidget>

ScratchDirectory::ScratchDirectory()
    : m_previous(QDir::currentPath())
{
    for (const QString &image : imageNames())
        QFile::copy(QStringLiteral(BRIVANA_IMAGES_DIR "/") + image, m_dir.filePath(image));
    QDir::setCurrent(m_dir.path());
}

QStringList ScratchDirectory::imageNames()
{
    return { QStringLiteral("Calendar-selection-day-icon.png"), QStringLiteral("background.png"),
        QStringLiteral("logo.png"), QStringLiteral("search-icon.png") };
}

ScratchDirectory::~ScratchDirectory()
{
    QDir::setCurrent(m_previous);
}

void typeText(QWidget *widget, const QString &text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i).unicode() < 0x80) {
            QTest::keyClick(widget, text.at(i).toLatin1());
            continue;
        }
        // A character of two 16-bit units (an emoji) comes in one key event, as a keyboard sends it.
        const qsizetype units = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        const QString character = text.mid(i, units);
        i += units - 1;
        QTest::sendKeyEvent(QTest::KeyAction::Press, widget, Qt::Key_unknown, character, Qt::NoModifier);
        QTest::sendKeyEvent(QTest::KeyAction::Release, widget, Qt::Key_unknown, character, Qt::NoModifier);
    }
}

void replaceText(QWidget *widget, const QString &text)
{
    QTest::keyClick(widget, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(widget, Qt::Key_Delete);
    typeText(widget, text);
}

std::unique_ptr<App> startApp(FakeTimeServer &server)
{
    auto app = std::make_unique<App>(QStringLiteral("127.0.0.1"), server.port());
    return app;
}

QDateTime noonOn(int year, int month, int day)
{
    return QDateTime(QDate(year, month, day), QTime(12, 0), Qt::UTC);
}

namespace {
const QString checkConnection = QStringLiteral("brivana-test-check");

template <typename Work> auto withCheckConnection(Work work)
{
    decltype(work(std::declval<QSqlDatabase &>())) result{};
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), checkConnection);
        db.setDatabaseName(QDir::current().filePath(QStringLiteral("data.db")));
        if (db.open())
            result = work(db);
        else
            qWarning("cannot open data.db: %s", qPrintable(db.lastError().text()));
        db.close();
    }
    QSqlDatabase::removeDatabase(checkConnection);
    return result;
}
} // namespace

QList<QVariantList> queryRows(const QString &statement)
{
    return withCheckConnection([&](QSqlDatabase &db) {
        QList<QVariantList> rows;
        QSqlQuery query(db);
        if (!query.exec(statement)) {
            qWarning("query failed: %s", qPrintable(query.lastError().text()));
            return rows;
        }
        while (query.next()) {
            QVariantList row;
            for (int i = 0; i < query.record().count(); ++i)
                row << query.value(i);
            rows << row;
        }
        return rows;
    });
}

QVariant queryValue(const QString &statement)
{
    const QList<QVariantList> rows = queryRows(statement);
    return rows.isEmpty() || rows.first().isEmpty() ? QVariant() : rows.first().first();
}

bool execStatement(const QString &statement)
{
    return withCheckConnection([&](QSqlDatabase &db) {
        QSqlQuery query(db);
        const bool ok = query.exec(statement);
        if (!ok)
            qWarning("statement failed: %s", qPrintable(query.lastError().text()));
        return ok;
    });
}

void insertOwner(const QString &nif, const QString &name)
{
    for (const QString &statement : schemaStatements())
        execStatement(statement);
    execStatement(
        QStringLiteral("INSERT INTO admin (nif, rs, dir, cp, pobl, prov, pais, tecn) VALUES ('%1', '%2', "
                       "'Calle Mayor 1', 4001, 'Almería', 'Almería', 'España', 1)")
            .arg(nif, name));
}
