#include "Decimal.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace {

using Units = Decimal::Units;

constexpr Units power10(int exponent)
{
    Units power = 1;
    for (int i = 0; i < exponent; ++i)
        power *= 10;
    return power;
}

// The largest magnitude of units held: at most MaxPlaces more digits still fit in 127 bits,
// which is what aligning two values for a sum needs.
constexpr Units unitsLimit = power10(28);
// The largest magnitude of a factor of a product: two of them still fit.
constexpr Units factorLimit = power10(18);

Units clamped(Units units, Units limit)
{
    return units > limit ? limit : units < -limit ? -limit : units;
}

// units / 10^drop, rounded half away from zero.
Units dropPlaces(Units units, int drop)
{
    if (drop <= 0)
        return units;
    const Units divisor = power10(drop);
    Units quotient = units / divisor;
    const Units remainder = units % divisor;
    if (2 * (remainder < 0 ? -remainder : remainder) >= divisor)
        quotient += units < 0 ? -1 : 1;
    return quotient;
}

} // namespace

Decimal::Decimal(Units units, int places)
    : m_units(clamped(units, unitsLimit))
    , m_places(places)
{
}

std::optional<Decimal> Decimal::fromPlainText(QStringView text)
{
    const bool negative = text.startsWith(u'-');
    if (negative)
        text = text.mid(1);
    const qsizetype point = text.indexOf(u'.');
    const QStringView whole = point < 0 ? text : text.left(point);
    const QStringView fraction = point < 0 ? QStringView() : text.mid(point + 1);
    const auto digitsOnly = [](QStringView digits) {
        return std::all_of(digits.begin(), digits.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
    };
    if (whole.size() + fraction.size() == 0 || !digitsOnly(whole) || !digitsOnly(fraction))
        return std::nullopt;
    Units units = 0;
    int significant = 0;
    for (const QChar digit : whole) {
        units = units * 10 + (digit.unicode() - u'0');
        significant += units != 0;
        if (significant > 19)
            return std::nullopt;
    }
    const int places = int(std::min<qsizetype>(fraction.size(), MaxPlaces));
    for (int i = 0; i < places; ++i)
        units = units * 10 + (fraction[i].unicode() - u'0');
    // Half away from zero needs only the first digit dropped.
    if (fraction.size() > MaxPlaces && fraction[MaxPlaces] >= u'5')
        ++units;
    return Decimal(negative ? -units : units, places);
}

Decimal Decimal::fromDouble(double value)
{
    if (!std::isfinite(value))
        return Decimal();
    // Held within 10^18, the shortest fixed text is at most 19 digits before the point and
    // a few hundred after it (for the smallest subnormal), and it always fits.
    const double edge = 1e18;
    value = std::clamp(value, -edge, edge);
    char text[512];
    const std::to_chars_result end = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed);
    return fromPlainText(QString::fromLatin1(text, int(end.ptr - text))).value_or(Decimal());
}

Decimal Decimal::roundedToCents() const
{
    if (m_places <= 2)
        return *this;
    return Decimal(dropPlaces(m_units, m_places - 2), 2);
}

Decimal Decimal::percentRoundedToCents(const Decimal &rate) const
{
    // The product has the places of both factors, and two more for the hundredth.
    const Units product = clamped(m_units, factorLimit) * clamped(rate.m_units, factorLimit);
    return Decimal(dropPlaces(product, m_places + rate.m_places), 2);
}

QString Decimal::text() const
{
    Units magnitude = m_units < 0 ? -m_units : m_units;
    int places = m_places;
    while (places > 0 && magnitude % 10 == 0) {
        magnitude /= 10;
        --places;
    }
    char digits[64];
    int length = 0;
    do {
        digits[length++] = char('0' + int(magnitude % 10));
        magnitude /= 10;
    } while (magnitude != 0 || length <= places);
    QString text;
    text.reserve(length + 2);
    if (m_units < 0)
        text += u'-';
    for (int i = length - 1; i >= 0; --i) {
        text += QLatin1Char(digits[i]);
        if (i == places && places > 0)
            text += u'.';
    }
    return text;
}

double Decimal::percentageOf(const Decimal &whole) const
{
    const auto [part, all] = aligned(*this, whole);
    return 100.0 * double(part) / double(all);
}

std::pair<Decimal::Units, Decimal::Units> Decimal::aligned(const Decimal &a, const Decimal &b)
{
    const int places = std::max(a.m_places, b.m_places);
    return { a.m_units * power10(places - a.m_places), b.m_units * power10(places - b.m_places) };
}

Decimal operator+(const Decimal &a, const Decimal &b)
{
    const auto [first, second] = Decimal::aligned(a, b);
    return Decimal(first + second, std::max(a.m_places, b.m_places));
}

bool operator==(const Decimal &a, const Decimal &b)
{
    const auto [first, second] = Decimal::aligned(a, b);
    return first == second;
}
