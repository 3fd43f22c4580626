#pragma once

#include <QSqlError>
#include <QStringList>

class QSqlDatabase;

// The file that holds every record, in the working directory.
inline constexpr char DatabaseFileName[] = "data.db";
// Beside it, the lock that the one window working on it holds while it is open.
inline constexpr char DatabaseLockFileName[] = ".data.db.lock";

// The statements that create the six tables, in the order they are run.
const QStringList &schemaStatements();
// Runs one statement that binds nothing; the driver's error, invalid on success.
QSqlError runStatement(const QSqlDatabase &db, const QString &statement);

// The fixed text of a connection that cannot be opened.
QString connectionFailedText();
