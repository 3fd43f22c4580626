#include "PartyStore.h"

#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>

namespace {

// The counter column of each type.
QString counterOf(int type)
{
    return type == 0 ? QStringLiteral("lastc") : QStringLiteral("lastp");
}

PartyRow partyOf(const QSqlRecord &row)
{
    return PartyRow{ row.value(QStringLiteral("type")).toInt(), row.value(QStringLiteral("id")).toLongLong(),
        row.value(QStringLiteral("nif")).toString(), row.value(QStringLiteral("rs")).toString(),
        row.value(QStringLiteral("dir")).toString(), row.value(QStringLiteral("cp")).toString(),
        row.value(QStringLiteral("pobl")).toString(), row.value(QStringLiteral("prov")).toString(),
        row.value(QStringLiteral("pais")).toString() };
}

// Runs a SELECT and reads every row it gives with read.
template <typename Read>
QSqlError readRows(const QSqlDatabase &db, const QString &statement, const QList<Binding> &values, Read read)
{
    QSqlQuery query(db);
    query.setForwardOnly(true);
    const QSqlError error = runPrepared(query, statement, values);
    if (!error.isValid()) {
        while (query.next())
            read(query.record());
    }
    return error;
}

// The columns from the one at index from on, as they are read: the postal code, stored as a
// whole number, with its five digits (08001), for the register and the export alike.
QStringList readPartyColumns(int from)
{
    return partyColumns().names(from).replaceInStrings(
        QRegularExpression(QStringLiteral("^cp$")), QStringLiteral("printf('%05d', cp) AS cp"));
}

QString selectParties(const QString &where)
{
    return selectStatement(partyColumns().table, readPartyColumns(0), where);
}

// One column of the first party that where selects, made a T by convert; none when no party.
template <typename T, typename Convert>
StoreResult<std::optional<T>> firstPartyValue(const QSqlDatabase &db, const QString &column,
    const QString &where, const QList<Binding> &values, Convert convert)
{
    StoreResult<std::optional<T>> result;
    result.error = readRows(
        db, selectStatement(partyColumns().table, { column }, where), values, [&](const QSqlRecord &row) {
            if (!result.value)
                result.value = convert(row.value(column));
        });
    return result;
}

} // namespace

const TableColumns &partyColumns()
{
    static const TableColumns columns{ QStringLiteral("cap"),
        {
            { QStringLiteral("auid"), QStringLiteral("INTEGER PRIMARY KEY AUTOINCREMENT") },
            { QStringLiteral("type"), QStringLiteral("INT(11) NOT NULL") },
            { QStringLiteral("id"), QStringLiteral("INT(11) NOT NULL") },
            { QStringLiteral("nif"), QStringLiteral("VARCHAR(9) NOT NULL") },
            { QStringLiteral("rs"), QStringLiteral("VARCHAR(64) NOT NULL") },
            { QStringLiteral("dir"), QStringLiteral("VARCHAR(64) NOT NULL") },
            { QStringLiteral("cp"), QStringLiteral("INT(11) NOT NULL") },
            { QStringLiteral("pobl"), QStringLiteral("VARCHAR(40) NOT NULL") },
            { QStringLiteral("prov"), QStringLiteral("VARCHAR(24) NOT NULL") },
            { QStringLiteral("pais"), QStringLiteral("VARCHAR(24) NOT NULL") },
        } };
    return columns;
}

const TableColumns &counterColumns()
{
    static const TableColumns columns{ QStringLiteral("lasts"),
        {
            { QStringLiteral("lastc"), QStringLiteral("INT(11) DEFAULT 43000000") },
            { QStringLiteral("lastp"), QStringLiteral("INT(11) DEFAULT 40000000") },
        } };
    return columns;
}

QStringList exportedPartyColumns()
{
    return readPartyColumns(2);
}

QSqlError seedCounters(const QSqlDatabase &db)
{
    bool empty = true;
    const QSqlError error = readRows(db, selectStatement(counterColumns().table, counterColumns().names()),
        {}, [&](const QSqlRecord &) { empty = false; });
    if (error.isValid() || !empty)
        return error;
    return insertRow(db, counterColumns().table,
        { { QStringLiteral("lastc"), 43000000 }, { QStringLiteral("lastp"), 40000000 } });
}

StoreResult<int> partyCount(const QSqlDatabase &db)
{
    StoreResult<int> result;
    result.error = readRows(db, selectParties(QString()), {}, [&](const QSqlRecord &) { ++result.value; });
    return result;
}

StoreResult<QStringList> partyNames(const QSqlDatabase &db, int type)
{
    StoreResult<QStringList> result;
    result.error = readRows(db,
        selectStatement(partyColumns().table, { QStringLiteral("rs") }, QStringLiteral("type=:type")),
        { { QStringLiteral("type"), type } },
        [&](const QSqlRecord &row) { result.value << row.value(QStringLiteral("rs")).toString(); });
    return result;
}

StoreResult<QList<PartyRow>> partiesWithNif(const QSqlDatabase &db, const QString &nif)
{
    StoreResult<QList<PartyRow>> result;
    result.error = readRows(db, selectParties(QStringLiteral("nif=:nif")), { { QStringLiteral("nif"), nif } },
        [&](const QSqlRecord &row) { result.value << partyOf(row); });
    return result;
}

StoreResult<std::optional<PartyRow>> partyAt(const QSqlDatabase &db, unsigned auid)
{
    StoreResult<std::optional<PartyRow>> result;
    result.error = readRows(db, selectParties(QStringLiteral("auid=:auid")),
        { { QStringLiteral("auid"), auid } }, [&](const QSqlRecord &row) {
            if (!result.value)
                result.value = partyOf(row);
        });
    return result;
}

StoreResult<std::optional<unsigned>> partyRowOfNif(const QSqlDatabase &db, const QString &nif, int type)
{
    return firstPartyValue<unsigned>(db, QStringLiteral("auid"), QStringLiteral("nif=:nif AND type=:type"),
        { { QStringLiteral("nif"), nif }, { QStringLiteral("type"), type } },
        [](const QVariant &value) { return value.toUInt(); });
}

StoreResult<bool> partyExists(const QSqlDatabase &db, const QString &nif, const QString &name, int type)
{
    StoreResult<bool> result;
    result.error = readRows(db,
        selectStatement(partyColumns().table, { QStringLiteral("NULL") },
            QStringLiteral("(nif = :nif OR rs = :rs) AND type = :type")),
        { { QStringLiteral("nif"), nif }, { QStringLiteral("rs"), name }, { QStringLiteral("type"), type } },
        [&](const QSqlRecord &) { result.value = true; });
    return result;
}

StoreResult<std::optional<qlonglong>> accountOfParty(const QSqlDatabase &db, int type, const QString &name)
{
    return firstPartyValue<qlonglong>(db, QStringLiteral("id"), QStringLiteral("rs=:rs AND type=:type"),
        { { QStringLiteral("rs"), name }, { QStringLiteral("type"), type } },
        [](const QVariant &value) { return value.toLongLong(); });
}

StoreResult<std::optional<QString>> nameOfAccount(const QSqlDatabase &db, qlonglong account)
{
    return firstPartyValue<QString>(db, QStringLiteral("rs"), QStringLiteral("id=:id"),
        { { QStringLiteral("id"), account } }, [](const QVariant &value) { return value.toString(); });
}

StoreResult<std::optional<qlonglong>> lastAccount(const QSqlDatabase &db, int type)
{
    StoreResult<std::optional<qlonglong>> result;
    const QString column = counterOf(type);
    std::optional<QVariant> stored;
    result.error
        = readRows(db, selectStatement(counterColumns().table, { column }), {}, [&](const QSqlRecord &row) {
              if (!stored)
                  stored = row.value(column);
          });
    // Only a whole number whose next account is still an eight-digit account of its kind is
    // used: anything else would give a party an account that no invoice can refer to.
    const qlonglong first = type == 0 ? 43000000 : 40000000;
    const bool whole
        = stored && (stored->typeId() == QMetaType::LongLong || stored->typeId() == QMetaType::Int);
    if (whole && stored->toLongLong() >= first && stored->toLongLong() < first + 999999)
        result.value = stored->toLongLong();
    return result;
}

StoreResult<int> advanceLastAccount(const QSqlDatabase &db, int type, qlonglong account)
{
    StoreResult<int> result;
    QSqlQuery query(db);
    const QString column = counterOf(type);
    result.error = runPrepared(query,
        QStringLiteral("UPDATE ") + counterColumns().table + QStringLiteral(" SET ") + column
            + QStringLiteral("=:") + column,
        { { column, account } });
    if (result.ok())
        result.value = query.numRowsAffected();
    return result;
}

QSqlError insertParty(const QSqlDatabase &db, const PartyRow &party)
{
    return insertRow(db, partyColumns().table,
        { { QStringLiteral("id"), party.id }, { QStringLiteral("type"), party.type },
            { QStringLiteral("nif"), party.nif }, { QStringLiteral("rs"), party.name },
            { QStringLiteral("dir"), party.address },
            { QStringLiteral("cp"), party.postalCode.toInt(nullptr, 10) },
            { QStringLiteral("pobl"), party.town }, { QStringLiteral("prov"), party.province },
            { QStringLiteral("pais"), party.country } });
}

StoreResult<int> updateParty(const QSqlDatabase &db, const PartyRow &party)
{
    StoreResult<int> result;
    QSqlQuery query(db);
    result.error = runPrepared(query,
        QStringLiteral("UPDATE %1 SET dir=:dir, cp=:cp, pobl=:pobl, prov=:prov, pais=:pais "
                       "WHERE nif=:nif AND rs=:rs AND type=:type")
            .arg(partyColumns().table),
        { { QStringLiteral("dir"), party.address },
            { QStringLiteral("cp"), party.postalCode.toInt(nullptr, 10) },
            { QStringLiteral("pobl"), party.town }, { QStringLiteral("prov"), party.province },
            { QStringLiteral("pais"), party.country }, { QStringLiteral("nif"), party.nif },
            { QStringLiteral("rs"), party.name }, { QStringLiteral("type"), party.type } });
    if (result.ok())
        result.value = query.numRowsAffected();
    return result;
}
