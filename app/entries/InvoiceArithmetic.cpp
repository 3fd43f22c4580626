#include "InvoiceArithmetic.h"

double quotaOf(float amount, float percentage)
{
    return double(amount) * double(percentage) / 100.0;
}

float sumOfLines(float line1, float line2, float line3)
{
    SinglePrecisionSum sum;
    sum.add(line1);
    sum.add(line2);
    sum.add(line3);
    return sum.value();
}

double invoiceTotal(const std::vector<float> &lineTerms, float withholdingQuota)
{
    SinglePrecisionSum sum;
    for (const float term : lineTerms)
        sum.add(term);
    return double(sum.value()) - double(withholdingQuota);
}

QString accountNumberOf(const QString &accountText)
{
    return accountText.left(8);
}
