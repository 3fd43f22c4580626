#pragma once

#include "storage/Decimal.h"

#include <QString>

// The one conversion of an amount's text to a number, whatever the system's locale: a comma
// and a point are both decimal separators ("120,50" and "120.50" are 120.50). When both
// occur, the last one is the decimal separator and the others are the other sign, grouping
// the digits in threes ("1.234,56" and "1,234.56" are 1234.56); one sign occurring more
// than once only groups ("1.234.567" is 1234567); a single separator is the decimal one
// ("1.234" is 1.234). A computed amount may start with "-". Any other text ("1.2.3", ".",
// "1.23,4,5") cannot be read and counts as 0. The value is exact: a rate keeps every place.
Decimal amountFromText(const QString &text);
// The same, for money: rounded to the cent, half away from zero.
Decimal moneyFromText(const QString &text);

// The one display format of an amount: its exact value with a point as the decimal
// separator, no exponent, and no trailing zeros after the point (21, 302.5, 1493826.07).
QString displayAmount(const Decimal &value);
