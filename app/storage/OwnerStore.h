#pragma once

#include "storage/Schema.h"
#include "storage/StoreResult.h"

#include <QString>

#include <optional>

class QSqlDatabase;

// The owner of the books: the one row of `admin`.
struct OwnerRow {
    QString nif;
    QString businessName;
    QString address;
    // Stored as the number its text stands for.
    QString postalCode;
    QString town;
    QString province;
    QString country;
    int technician = -1;
};

const TableColumns &ownerColumns();

// The first owner stored, or none when the table is empty. Only what names the owner is
// read: the identifier, the business name and the technician.
StoreResult<std::optional<OwnerRow>> readOwner(const QSqlDatabase &db);
// The first owner's identifier, or none when the table is empty.
StoreResult<std::optional<QString>> readOwnerNif(const QSqlDatabase &db);
QSqlError insertOwner(const QSqlDatabase &db, const OwnerRow &owner);
