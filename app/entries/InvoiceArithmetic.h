#pragma once

#include <QString>

#include <vector>

// The invoice arithmetic on amounts, shared by both invoice pages and their saves.

// A quota: amount × percentage / 100, formed in double precision from the two
// single-precision amounts.
double quotaOf(float amount, float percentage);

// A running sum kept in single precision: each partial sum is rounded to a float
// before the next term is added, as the invoice totals are defined.
class SinglePrecisionSum {
public:
    void add(float term) { m_value = m_value + term; }
    float value() const { return m_value; }

private:
    float m_value = 0.0f;
};

// The stored sum of one column over the three lines: (line 1 + line 2) rounded to
// single precision, plus line 3, rounded again.
float sumOfLines(float line1, float line2, float line3);

// An invoice total: the lines' terms summed in single precision, in their order (a term
// that comes off is given negated), then the withholding quota taken off in double precision.
double invoiceTotal(const std::vector<float> &lineTerms, float withholdingQuota);

// The account number that starts the text of an item of an account list.
QString accountNumberOf(const QString &accountText);
