#pragma once

#include <QDate>

// Quarters are calendar quarters, indexed 0 (January to March) to 3 (October to December).

// Whether a and b lie in the same quarter of the same year.
bool sameQuarter(const QDate &a, const QDate &b);

// The first day (end false) or the last day (end true) of the quarter that holds date.
QDate quarterBoundaryOf(const QDate &date, bool end);

// The first or last day of quarter 0..3 of year; year 0 means today's year.
QDate quarterBoundary(int quarter, bool end, int year, const QDate &today);

// The first or last day of a month.
QDate monthBoundary(int year, int month, bool end);

// What the rule of a "Fecha" field makes of a date chosen on today: a date of today's
// quarter up to today is kept; a later one becomes today; one of another quarter becomes
// the first day of today's quarter.
enum class DateVerdict { Kept, AfterToday, OtherQuarter };
struct DateCorrection {
    DateVerdict verdict = DateVerdict::Kept;
    QDate date; // what the field is set to; null when kept
};
DateCorrection correctedFieldDate(const QDate &date, const QDate &today);
