#include "OtherEntryStore.h"

#include "storage/StoredForms.h"

const TableColumns &otherEntryColumns()
{
    static const TableColumns columns{ QStringLiteral("ogei"),
        {
            { QStringLiteral("auid"), QStringLiteral("INTEGER PRIMARY KEY AUTOINCREMENT") },
            { QStringLiteral("fecha"), QStringLiteral("DATE NOT NULL") },
            { QStringLiteral("importe"), QStringLiteral("FLOAT(11) NOT NULL") },
            { QStringLiteral("ctc"), QStringLiteral("INT(8) NOT NULL") },
        } };
    return columns;
}

QStringList exportedOtherEntryColumns()
{
    return otherEntryColumns().names(1);
}

QSqlError insertOtherEntry(const QSqlDatabase &db, const OtherEntryRow &entry)
{
    return insertRow(db, otherEntryColumns().table,
        { { QStringLiteral("fecha"), entry.date.toString(StoredDateFormat) },
            { QStringLiteral("importe"), storedAmount(entry.amount) },
            { QStringLiteral("ctc"), entry.account } });
}
