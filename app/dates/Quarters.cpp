#include "Quarters.h"

#include "App.h"

namespace {
int quarterOfMonth(int month)
{
    return (month - 1) / 3;
}
} // namespace

bool sameQuarter(const QDate& a, const QDate& b)
{
    return a.year() == b.year() && quarterOfMonth(a.month()) == quarterOfMonth(b.month());
}

QDate monthBoundary(int year, int month, bool end)
{
    const QDate first(year, month, 1);
    return end ? first.addDays(first.daysInMonth() - 1) : first;
}

QDate quarterBoundaryOf(const QDate& date, bool end)
{
    const int firstMonth = (date.month() + 2) / 3 * 3 - 2;
    return monthBoundary(date.year(), end ? firstMonth + 2 : firstMonth, end);
}

QDate App::quarterBoundary(int quarter, bool end, int year) const
{
    if (year == 0)
        year = m_today.date().year();
    return monthBoundary(year, end ? 3 * quarter + 3 : 3 * quarter + 1, end);
}
