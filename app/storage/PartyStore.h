#pragma once

#include "storage/Schema.h"
#include "storage/StoreResult.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

class QSqlDatabase;

// Clients (type 0) and suppliers (type 1): the rows of `cap`, and in `lasts` the last
// account number given to each kind.
struct PartyRow {
    int type = 0;
    // The account number.
    qlonglong id = 0;
    QString nif;
    QString name;
    QString address;
    // Stored as the number its text stands for.
    QString postalCode;
    QString town;
    QString province;
    QString country;
};

const TableColumns &partyColumns();
const TableColumns &counterColumns();

// The columns of cap that the export writes: all but the row's own number and the type.
QStringList exportedPartyColumns();

// Puts the first account numbers into an empty `lasts`.
QSqlError seedCounters(const QSqlDatabase &db);
// How many parties are stored.
StoreResult<int> partyCount(const QSqlDatabase &db);

// The names of the parties of this type, in stored order.
StoreResult<QStringList> partyNames(const QSqlDatabase &db, int type);
// Every party with this identifier, of either type, in stored order.
StoreResult<QList<PartyRow>> partiesWithNif(const QSqlDatabase &db, const QString &nif);
// The party stored as row number auid, if any.
StoreResult<std::optional<PartyRow>> partyAt(const QSqlDatabase &db, unsigned auid);
// The row number of the party of this type with this identifier.
StoreResult<std::optional<unsigned>> partyRowOfNif(const QSqlDatabase &db, const QString &nif, int type);
// Whether a party of this type already has this identifier or this name.
StoreResult<bool> partyExists(const QSqlDatabase &db, const QString &nif, const QString &name, int type);
// The account number of the party of this type with this name.
StoreResult<std::optional<qlonglong>> accountOfParty(const QSqlDatabase &db, int type, const QString &name);
// The name of the party with this account number.
StoreResult<std::optional<QString>> nameOfAccount(const QSqlDatabase &db, qlonglong account);

// The last account number given to this type, or none when `lasts` has no row or holds
// no usable counter (not a whole number, or one whose next account leaves its eight digits).
StoreResult<std::optional<qlonglong>> lastAccount(const QSqlDatabase &db, int type);
// Sets the last account number of this type; the value is the number of rows changed.
StoreResult<int> advanceLastAccount(const QSqlDatabase &db, int type, qlonglong account);
QSqlError insertParty(const QSqlDatabase &db, const PartyRow &party);
// Writes address, postal code, town, province and country of the party with this type,
// identifier and name; the value is the number of rows changed.
StoreResult<int> updateParty(const QSqlDatabase &db, const PartyRow &party);
