#pragma once

#include <vector>

class QLineEdit;

// The amount fields of both invoice pages: reading them and writing what the arithmetic
// (entries/InvoiceArithmetic.h) makes of them.

// The amount a field's text stands for (the amount conversion).
float amountOf(const QLineEdit *field);

// The sum of one column over the three lines' fields (sumOfLines of their amounts).
float sumOfLines(const QLineEdit *line1, const QLineEdit *line2, const QLineEdit *line3);

// Writes the invoice total of the lines' terms less the withholding quota field, in the
// display format.
void writeTotal(QLineEdit *total, const std::vector<float> &lineTerms, const QLineEdit *withholdingQuota);

// Hides a field, then empties it (which runs whatever its text change is connected to).
void hideAndEmpty(QLineEdit *field);
