#pragma once

#include "storage/InvoiceStore.h"
#include "storage/StoredForms.h"

#include <QDate>
#include <QList>
#include <QString>

// Whether date lies from first to last, both included. While today is unknown there is
// no year, the boundaries are invalid and no date lies between them; an invalid date lies
// in no quarter.
bool inQuarter(const QDate &date, const QDate &first, const QDate &last);
// Whether date lies in this month (1..12) of this year; an invalid date lies in no month.
bool inMonth(const QDate &date, int year, int month);

// The exact sum of the amounts of the rows whose stored date passes counts.
template <typename Counts> Decimal sumOfDated(const QList<DatedAmount> &rows, Counts counts)
{
    Decimal sum;
    for (const DatedAmount &row : rows) {
        if (counts(storedDate(row.date)))
            sum = sum + row.amount;
    }
    return sum;
}
