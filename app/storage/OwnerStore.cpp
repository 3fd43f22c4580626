#include "OwnerStore.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>

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
    result.error = runPrepared(query, selectStatement(ownerColumns().table, ownerColumns().names(1)));
    if (result.ok() && query.next()) {
        const QSqlRecord row = query.record();
        result.value = OwnerRow{ row.value(QStringLiteral("nif")).toString(),
            row.value(QStringLiteral("rs")).toString(), row.value(QStringLiteral("dir")).toString(),
            row.value(QStringLiteral("cp")).toString(), row.value(QStringLiteral("pobl")).toString(),
            row.value(QStringLiteral("prov")).toString(), row.value(QStringLiteral("pais")).toString(),
            row.value(QStringLiteral("tecn")).toInt() };
    }
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
