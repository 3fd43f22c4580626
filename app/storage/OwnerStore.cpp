#include "OwnerStore.h"

#include <QSqlDatabase>
#include <QSqlQuery>

const TableColumns &ownerColumns()
{
    static const TableColumns columns{ QStringLiteral("admin"),
        {
            { QStringLiteral("id"), QStringLiteral("INTEGER PRIMARY KEY AUTOINCREMENT") },
            { QStringLiteral("nif"), QStringLiteral("VARCHAR(9) NOT NULL") },
            { QStringLiteral("rs"), QStringLiteral("VARCHAR(64) NOT NULL") },
            { QStringLiteral("dir"), QStringLiteral("VARCHAR(64) NOT NULL") },
            { QStringLiteral("cp"), QStringLiteral("INT(11) NOT NULL") },
            { QStringLiteral("pobl"), QStringLiteral("VARCHAR(40) NOT NULL") },
            { QStringLiteral("prov"), QStringLiteral("VARCHAR(24) NOT NULL") },
            { QStringLiteral("pais"), QStringLiteral("VARCHAR(24) NOT NULL") },
            { QStringLiteral("tecn"), QStringLiteral("INT(11) NOT NULL") },
        } };
    return columns;
}

StoreResult<std::optional<OwnerRow>> readOwner(const QSqlDatabase &db)
{
    StoreResult<std::optional<OwnerRow>> result;
    QSqlQuery query(db);
    query.setForwardOnly(true);
    result.error = runPrepared(query,
        selectStatement(
            ownerColumns().table, { QStringLiteral("nif"), QStringLiteral("rs"), QStringLiteral("tecn") }));
    if (result.ok() && query.next()) {
        OwnerRow owner;
        owner.nif = query.value(QStringLiteral("nif")).toString();
        owner.businessName = query.value(QStringLiteral("rs")).toString();
        owner.technician = query.value(QStringLiteral("tecn")).toInt();
        result.value = owner;
    }
    return result;
}

StoreResult<std::optional<QString>> readOwnerNif(const QSqlDatabase &db)
{
    StoreResult<std::optional<QString>> result;
    QSqlQuery query(db);
    query.setForwardOnly(true);
    result.error = runPrepared(query, selectStatement(ownerColumns().table, { QStringLiteral("nif") }));
    if (result.ok() && query.next())
        result.value = query.value(QStringLiteral("nif")).toString();
    return result;
}

QSqlError insertOwner(const QSqlDatabase &db, const OwnerRow &owner)
{
    return insertRow(db, ownerColumns().table,
        { { QStringLiteral("nif"), owner.nif }, { QStringLiteral("rs"), owner.businessName },
            { QStringLiteral("dir"), owner.address },
            { QStringLiteral("cp"), owner.postalCode.toInt(nullptr, 10) },
            { QStringLiteral("pobl"), owner.town }, { QStringLiteral("prov"), owner.province },
            { QStringLiteral("pais"), owner.country }, { QStringLiteral("tecn"), owner.technician } });
}
