#pragma once

#include <QString>

// The one conversion of an amount's text to a number: the text is read in the number
// format of the default locale and, failing that, in the C format, group separators
// refused in both. So a point is always a decimal separator and a comma is one under a
// decimal-comma locale. Empty or unconvertible text ("1.2.3") counts as 0.
float amountFromText(const QString &text);

// The one display format of a computed amount: at most six significant digits, a point
// as decimal separator, exponent notation from 1000000 up (1.21e+06).
QString displayAmount(double value);

// The shortest plain decimal text, without exponent, that reads back as value
// (12345.67f gives 12345.67, 1000000 gives 1000000): how a stored amount that the user
// typed is shown again for editing.
QString editableAmount(float value);
