#pragma once

#include <QDate>

// Quarters are calendar quarters, indexed 0 (January to March) to 3 (October to December).

// Whether a and b lie in the same quarter of the same year.
bool sameQuarter(const QDate& a, const QDate& b);

// The first day (end false) or the last day (end true) of the quarter that holds date.
QDate quarterBoundaryOf(const QDate& date, bool end);

// The first or last day of a month.
QDate monthBoundary(int year, int month, bool end);
