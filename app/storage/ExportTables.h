#pragma once

#include "storage/RowSource.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>

#include <array>
#include <memory>

class QSqlDatabase;

// The rows of one SELECT, in the order of its columns.
class QueryRows final : public RowSource {
public:
    QueryRows(const QSqlDatabase &db, QString table, QStringList columns);

    // Runs the SELECT; the driver's error, invalid on success.
    QSqlError run();
    void finish() { m_query.finish(); }

    int columnCount() const override { return int(m_columns.size()); }
    bool next() override { return m_query.next(); }
    QVariant value(int column) const override { return m_query.value(column); }
    QString errorString() const override;

private:
    QSqlQuery m_query;
    QString m_table;
    QStringList m_columns;
};

// What the export file holds: cap, femi, frec and ogei, each with the columns it writes in
// their stored order. The rows are read once and none is kept.
class ExportTables {
public:
    explicit ExportTables(const QSqlDatabase &db);

    // Runs the four SELECTs in order, up to the first that fails; its error, or an invalid one.
    QSqlError run();
    // Ends every SELECT, so that none is left open.
    void finish();

    RowSource &parties() { return *m_tables[0]; }
    RowSource &issued() { return *m_tables[1]; }
    RowSource &received() { return *m_tables[2]; }
    RowSource &otherEntries() { return *m_tables[3]; }

private:
    std::array<std::unique_ptr<QueryRows>, 4> m_tables;
};
