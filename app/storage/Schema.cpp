#include "Schema.h"

#include <QSqlDatabase>
#include <QSqlQuery>

QStringList TableColumns::names(int from) const
{
    QStringList result;
    for (int i = from; i < columns.size(); ++i)
        result << columns[i].name;
    return result;
}

QString createStatement(const TableColumns &table)
{
    QStringList declarations;
    for (const Column &column : table.columns)
        declarations << QLatin1Char('`') + column.name + QStringLiteral("` ") + column.declaration;
    return QStringLiteral("CREATE TABLE IF NOT EXISTS `%1`(%2);").arg(table.table, declarations.join(u','));
}

QString selectStatement(const QString &table, const QStringList &columns, const QString &where)
{
    QString statement = QStringLiteral("SELECT %1 FROM %2").arg(columns.join(QStringLiteral(", ")), table);
    if (!where.isEmpty())
        statement += QStringLiteral(" WHERE ") + where;
    return statement;
}

QSqlError runPrepared(QSqlQuery &query, const QString &statement, const QList<Binding> &values)
{
    if (!query.prepare(statement))
        return query.lastError();
    for (const auto &[name, value] : values)
        query.bindValue(QLatin1Char(':') + name, value);
    if (!query.exec())
        return query.lastError();
    return QSqlError();
}

QSqlError insertRow(const QSqlDatabase &db, const QString &table, const QList<Binding> &values)
{
    QStringList columns;
    QStringList placeholders;
    for (const Binding &value : values) {
        columns << value.first;
        placeholders << QLatin1Char(':') + value.first;
    }
    QSqlQuery query(db);
    return runPrepared(query,
        QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
            .arg(table, columns.join(QStringLiteral(", ")), placeholders.join(QStringLiteral(", "))),
        values);
}
