#pragma once

#include "storage/Decimal.h"
#include "storage/Schema.h"

#include <QDate>
#include <QString>

class QSqlDatabase;

// Other expenses and income: the rows of `ogei`, a dated amount against an account.
struct OtherEntryRow {
    QDate date;
    Decimal amount;
    // The account number, as the text it was chosen with.
    QString account;
};

const TableColumns &otherEntryColumns();
// The columns the export writes: all but the row's own number.
QStringList exportedOtherEntryColumns();

QSqlError insertOtherEntry(const QSqlDatabase &db, const OtherEntryRow &entry);
