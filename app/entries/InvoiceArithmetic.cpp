#include "InvoiceArithmetic.h"

Decimal quotaOf(const Decimal &base, const Decimal &rate)
{
    return base.percentRoundedToCents(rate);
}

Decimal sumOfLines(const Decimal &line1, const Decimal &line2, const Decimal &line3)
{
    return line1 + line2 + line3;
}

Decimal invoiceTotal(const std::vector<Decimal> &lineTerms, const Decimal &withholdingQuota)
{
    Decimal sum;
    for (const Decimal &term : lineTerms)
        sum = sum + term;
    return sum - withholdingQuota;
}

QString accountNumberOf(const QString &accountText)
{
    return accountText.left(8);
}
