#pragma once

class QLineEdit;

// Arithmetic that both invoice pages share.

// The amount a field's text stands for (the amount conversion).
float amountOf(const QLineEdit *field);

// A quota: amount × percentage / 100, formed in double precision from the two
// single-precision amounts.
double quotaOf(const QLineEdit *amount, const QLineEdit *percentage);

// A running sum kept in single precision: each partial sum is rounded to a float
// before the next term is added, as the invoice totals are defined.
class SinglePrecisionSum {
public:
    void add(const QLineEdit *field) { m_value = m_value + amountOf(field); }
    void subtract(const QLineEdit *field) { m_value = m_value - amountOf(field); }
    float value() const { return m_value; }

private:
    float m_value = 0.0f;
};

// The stored sum of one column over the three lines: (line 1 + line 2) rounded to
// single precision, plus line 3, rounded again.
float sumOfLines(const QLineEdit *line1, const QLineEdit *line2, const QLineEdit *line3);

// Hides a field, then empties it (which runs whatever its text change is connected to).
void hideAndEmpty(QLineEdit *field);
