#include "Database.h"

#include "storage/InvoiceStore.h"
#include "storage/OtherEntryStore.h"
#include "storage/OwnerStore.h"
#include "storage/PartyStore.h"

#include <QSqlDatabase>
#include <QSqlQuery>

const QStringList &schemaStatements()
{
    static const QStringList statements{
        createStatement(ownerColumns()),
        createStatement(partyColumns()),
        createStatement(counterColumns()),
        createStatement(invoiceColumns(issuedInvoices())),
        createStatement(invoiceColumns(receivedInvoices())),
        createStatement(otherEntryColumns()),
    };
    return statements;
}

QSqlError runStatement(const QSqlDatabase &db, const QString &statement)
{
    QSqlQuery query(db);
    return runPrepared(query, statement);
}

QString connectionFailedText()
{
    return QStringLiteral("No se ha podido establecer la conexión a la base de datos interna.");
}
