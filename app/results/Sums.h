#pragma once

#include "storage/InvoiceStore.h"
#include "storage/StoredForms.h"

#include <QDate>
#include <QList>
#include <QString>

// A sum as the results page shows it: every step is written with six significant digits
// and the next step reads the written text back, so the rounding of each step carries on.
struct RunningSum {
    QString text = QStringLiteral("0");
    float value = 0.0f;

    void add(float term);
};

// Whether date lies from first to last, both included. While today is unknown there is
// no year, the boundaries are invalid and no date lies between them; an invalid date lies
// in no quarter.
bool inQuarter(const QDate &date, const QDate &first, const QDate &last);
// Whether date lies in this month (1..12) of this year; an invalid date lies in no month.
bool inMonth(const QDate &date, int year, int month);

// The sum of the amounts of the rows whose stored date passes counts, in stored order.
template <typename Counts> RunningSum sumOfDated(const QList<DatedAmount> &rows, Counts counts)
{
    RunningSum sum;
    for (const DatedAmount &row : rows) {
        if (counts(storedDate(row.date)))
            sum.add(row.amount);
    }
    return sum;
}
