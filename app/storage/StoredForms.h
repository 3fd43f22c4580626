#pragma once

#include <QVariant>

// How values are bound into the database, the same in every table.

// Amounts: the shortest decimal text that reads back as the single-precision value
// (21.105f is stored as 21.105, not as 21.104999542236328); the FLOAT column's real
// affinity stores it as a number.
QVariant storedAmount(float value);

// Flags: the integers 1 and 0.
inline QVariant storedFlag(bool value)
{
    return QVariant(value ? 1 : 0);
}
