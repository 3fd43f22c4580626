#include "Sums.h"

bool inQuarter(const QDate &date, const QDate &first, const QDate &last)
{
    return first.isValid() && last.isValid() && date.isValid() && first <= date && date <= last;
}

bool inMonth(const QDate &date, int year, int month)
{
    return date.isValid() && date.year() == year && date.month() == month;
}
