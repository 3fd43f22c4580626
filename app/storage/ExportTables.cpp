#include "ExportTables.h"

#include "storage/InvoiceStore.h"
#include "storage/OtherEntryStore.h"
#include "storage/PartyStore.h"

#include <QSqlDatabase>

QueryRows::QueryRows(const QSqlDatabase &db, QString table, QStringList columns)
    : m_query(db)
    , m_table(std::move(table))
    , m_columns(std::move(columns))
{
    // Forward only: the rows are read once, and nothing is kept of those already read.
    m_query.setForwardOnly(true);
}

QSqlError QueryRows::run()
{
    return runPrepared(m_query, selectStatement(m_table, m_columns));
}

QString QueryRows::errorString() const
{
    return m_query.lastError().isValid() ? m_query.lastError().text() : QString();
}

ExportTables::ExportTables(const QSqlDatabase &db)
    : m_tables{ std::make_unique<QueryRows>(db, partyColumns().table, exportedPartyColumns()),
        std::make_unique<QueryRows>(db, issuedInvoices().name, exportedInvoiceColumns(issuedInvoices())),
        std::make_unique<QueryRows>(db, receivedInvoices().name, exportedInvoiceColumns(receivedInvoices())),
        std::make_unique<QueryRows>(db, otherEntryColumns().table, exportedOtherEntryColumns()) }
{
}

QSqlError ExportTables::run()
{
    for (const auto &table : m_tables) {
        const QSqlError error = table->run();
        if (error.isValid())
            return error;
    }
    return QSqlError();
}

void ExportTables::finish()
{
    for (const auto &table : m_tables)
        table->finish();
}
