#pragma once

#include "storage/Decimal.h"

#include <QDate>
#include <QString>
#include <QVariant>

// How values are bound into the database, the same in every table.

// Amounts: bound as their exact decimal text, which the FLOAT column's real affinity turns
// into the real nearest to it, so the database holds 14938.26, and a rate 5.2. The driver
// gives a real back as a double: money comes to the nearest cent (rows of earlier versions
// may hold fractions of one) and a rate to the shortest decimal the double stands for.
QVariant storedAmount(const Decimal &value);
Decimal readAmount(const QVariant &stored, bool rate);

// Dates: text in this form (05/12/2014); they are parsed back before any comparison.
inline const QString StoredDateFormat = QStringLiteral("dd/MM/yyyy");
// A stored date's text read back; invalid when it is not in that form.
inline QDate storedDate(const QString &text)
{
    return QDate::fromString(text, StoredDateFormat);
}

// Flags: the integers 1 and 0.
inline QVariant storedFlag(bool value)
{
    return QVariant(value ? 1 : 0);
}
