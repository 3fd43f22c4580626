#include "Amount.h"

#include <QList>

#include <algorithm>

namespace {

// Whether the groups between these separators are thousands: one to three digits, then
// three each.
bool groupsOfThree(const QList<QStringView> &groups)
{
    if (groups.first().isEmpty() || groups.first().size() > 3)
        return false;
    return std::all_of(groups.begin() + 1, groups.end(), [](QStringView group) { return group.size() == 3; });
}

// The text with its separators read: the digits and, where there is one, a point before
// the decimals; empty when the separators do not follow the rule.
std::optional<QString> plainDigits(QStringView text)
{
    const qsizetype lastComma = text.lastIndexOf(u','), lastPoint = text.lastIndexOf(u'.');
    if (lastComma < 0 && lastPoint < 0)
        return text.toString();
    const QChar decimal = lastComma > lastPoint ? u',' : u'.';
    const QChar grouping = decimal == u',' ? u'.' : u',';
    const bool bothSigns = lastComma >= 0 && lastPoint >= 0;
    const qsizetype decimalAt = std::max(lastComma, lastPoint);
    // With one sign only, several of it group the digits; a single one is the decimal point.
    if (!bothSigns && text.count(decimal) > 1) {
        const QList<QStringView> groups = text.split(decimal);
        if (!groupsOfThree(groups))
            return std::nullopt;
        return text.toString().remove(decimal);
    }
    const QStringView whole = text.left(decimalAt);
    if (bothSigns && (whole.contains(decimal) || !groupsOfThree(whole.split(grouping))))
        return std::nullopt;
    return whole.toString().remove(grouping) + u'.' + text.mid(decimalAt + 1).toString();
}

} // namespace

Decimal amountFromText(const QString &text)
{
    const bool negative = text.startsWith(u'-');
    const std::optional<QString> digits = plainDigits(QStringView(text).mid(negative ? 1 : 0));
    if (!digits || digits->startsWith(u'-'))
        return Decimal();
    const std::optional<Decimal> value = Decimal::fromPlainText(*digits);
    if (!value)
        return Decimal();
    return negative ? -*value : *value;
}

Decimal moneyFromText(const QString &text)
{
    return amountFromText(text).roundedToCents();
}

QString displayAmount(const Decimal &value)
{
    return value.text();
}
