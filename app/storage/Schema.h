#pragma once

#include <QList>
#include <QSqlError>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <utility>

class QSqlDatabase;
class QSqlQuery;

// One column of a table as it is declared.
struct Column {
    QString name;
    QString declaration;
};

// A table: its name and its columns in the order they are declared. Each storage module
// writes its tables' columns once; the CREATE TABLE statement, the inserts and the
// explicit column lists of the SELECTs all come from them.
struct TableColumns {
    QString table;
    QList<Column> columns;

    // The names, from the column at index from on.
    QStringList names(int from = 0) const;
};

// A value bound into a statement under its column's name.
using Binding = std::pair<QString, QVariant>;

QString createStatement(const TableColumns &table);
// A SELECT of these columns; where, when given, is the condition after WHERE.
QString selectStatement(const QString &table, const QStringList &columns, const QString &where = QString());

// Prepares statement, binds each value under ":<name>" and runs it. A statement that
// could not be prepared is not run, so that its error is the driver's reason for it.
// Returns the driver's error, invalid on success.
QSqlError runPrepared(QSqlQuery &query, const QString &statement, const QList<Binding> &values = {});
// Inserts one row of table: the bound columns, each value under the column's own name.
QSqlError insertRow(const QSqlDatabase &db, const QString &table, const QList<Binding> &values);
