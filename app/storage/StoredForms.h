#pragma once

#include <QDate>
#include <QString>
#include <QVariant>

// How values are bound into the database, the same in every table.

// Amounts: the shortest decimal text that reads back as the single-precision value
// (21.105f is stored as 21.105, not as 21.104999542236328); the FLOAT column's real
// affinity stores it as a number.
QVariant storedAmount(float value);

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
