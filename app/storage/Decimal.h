#pragma once

#include <QMetaType>
#include <QString>
#include <QtGlobal>

#include <optional>
#include <utility>

// An exact decimal number, units × 10^-places: the form in which every amount of the books
// is held, summed and stored. Money is kept to the cent (roundedToCents); a rate keeps the
// places it was typed with. No binary fraction takes part, so a quota, a total and a sum
// are what the paper invoice and the advisor's arithmetic say.
//
// Magnitudes are held far beyond anything the forms can produce (a typed field has nine
// characters); a value that would leave that range is held at its edge, so no operation
// can overflow.
class Decimal {
public:
    __extension__ using Units = __int128;

    // Places kept when a value is read: a rate typed in nine characters has at most eight.
    static constexpr int MaxPlaces = 9;

    constexpr Decimal() = default;
    static Decimal fromCents(qint64 cents) { return Decimal(cents, 2); }
    // The number written with these digits: an optional "-", digits, and optionally a
    // point with more digits. Places beyond MaxPlaces are rounded half away from zero.
    // Empty when the text is not of that form or has more than 19 integer digits.
    static std::optional<Decimal> fromPlainText(QStringView text);
    // The shortest decimal that reads back as value, as a database holds a real; a value
    // that is not finite is 0.
    static Decimal fromDouble(double value);

    // Half away from zero, as Spanish invoices round.
    Decimal roundedToCents() const;
    // This × rate / 100, rounded to the cent: the quota of a base at a percentage.
    Decimal percentRoundedToCents(const Decimal &rate) const;

    // This as a percentage of whole, to draw a share (the pie): nothing is computed from it.
    double percentageOf(const Decimal &whole) const;
    // The exact value: a point as decimal separator, no exponent, no trailing zeros after
    // the point ("21", "302.5", "1493826.07", "-116").
    QString text() const;

    Decimal operator-() const { return Decimal(-m_units, m_places); }
    friend Decimal operator+(const Decimal &a, const Decimal &b);
    friend Decimal operator-(const Decimal &a, const Decimal &b) { return a + -b; }
    friend bool operator==(const Decimal &a, const Decimal &b);
    friend bool operator!=(const Decimal &a, const Decimal &b) { return !(a == b); }

private:
    Decimal(Units units, int places);
    // The units of a and b at the places of the one with more.
    static std::pair<Units, Units> aligned(const Decimal &a, const Decimal &b);

    Units m_units = 0;
    int m_places = 0;
};

Q_DECLARE_METATYPE(Decimal)
