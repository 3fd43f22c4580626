#pragma once

#include "storage/Decimal.h"

#include <vector>

class QLineEdit;

// The amount fields of both invoice pages: reading them and writing what the arithmetic
// (entries/InvoiceArithmetic.h) makes of them.

// The amount a field's text stands for (the amount conversion): money to the cent, a rate
// exactly as typed.
Decimal moneyOf(const QLineEdit *field);
Decimal rateOf(const QLineEdit *field);

// Writes into quota the quota of the base and rate fields, in the display format.
void writeQuota(QLineEdit *quota, const QLineEdit *base, const QLineEdit *rate);
// The same, but a quota whose field is hidden is not computed: it reads "0" and adds nothing.
void writeShownQuota(QLineEdit *quota, const QLineEdit *base, const QLineEdit *rate);

// Writes the invoice total of the lines' terms less the withholding quota field, in the
// display format.
void writeTotal(QLineEdit *total, const std::vector<Decimal> &lineTerms, const QLineEdit *withholdingQuota);

// Hides a field, then empties it (which runs whatever its text change is connected to).
void hideAndEmpty(QLineEdit *field);
