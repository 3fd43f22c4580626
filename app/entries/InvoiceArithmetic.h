#pragma once

#include "storage/Decimal.h"

#include <QString>

#include <vector>

// The invoice arithmetic on amounts, shared by both invoice pages and their saves. Every
// step is exact; only a quota is rounded, to the cent.

// A quota (VAT, surcharge or withholding): base × rate / 100, rounded to the cent half away
// from zero (1250.50 at 21 % is 262.61).
Decimal quotaOf(const Decimal &base, const Decimal &rate);

// The stored sum of one column over the three lines.
Decimal sumOfLines(const Decimal &line1, const Decimal &line2, const Decimal &line3);

// An invoice total: the lines' terms in their order (a term that comes off is given
// negated), less the withholding quota.
Decimal invoiceTotal(const std::vector<Decimal> &lineTerms, const Decimal &withholdingQuota);

// The account number that starts the text of an item of an account list.
QString accountNumberOf(const QString &accountText);
