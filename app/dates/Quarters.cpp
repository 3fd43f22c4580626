#include "Quarters.h"

namespace {
int quarterOfMonth(int month)
{
    return (month - 1) / 3;
}
} // namespace

bool sameQuarter(const QDate &a, const QDate &b)
{
    return a.year() == b.year() && quarterOfMonth(a.month()) == quarterOfMonth(b.month());
}

QDate monthBoundary(int year, int month, bool end)
{
    const QDate first(year, month, 1);
    return end ? first.addDays(first.daysInMonth() - 1) : first;
}

QDate quarterBoundaryOf(const QDate &date, bool end)
{
    const int firstMonth = (date.month() + 2) / 3 * 3 - 2;
    return monthBoundary(date.year(), end ? firstMonth + 2 : firstMonth, end);
}

QDate quarterBoundary(int quarter, bool end, int year, const QDate &today)
{
    if (year == 0)
        year = today.year();
    return monthBoundary(year, end ? 3 * quarter + 3 : 3 * quarter + 1, end);
}

DateCorrection correctedFieldDate(const QDate &date, const QDate &today)
{
    // While today is unknown its date is null, which every real date is after; the
    // field does not take the null date, so it keeps what it shows.
    if (date > today)
        return { DateVerdict::AfterToday, today };
    if (!sameQuarter(date, today))
        return { DateVerdict::OtherQuarter, quarterBoundaryOf(today, false) };
    return {};
}
