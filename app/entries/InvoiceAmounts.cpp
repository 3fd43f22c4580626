#include "InvoiceAmounts.h"

#include "entries/Amount.h"

#include <QLineEdit>

float amountOf(const QLineEdit *field)
{
    return amountFromText(field->text());
}

double quotaOf(const QLineEdit *amount, const QLineEdit *percentage)
{
    return double(amountOf(amount)) * double(amountOf(percentage)) / 100.0;
}

float sumOfLines(const QLineEdit *line1, const QLineEdit *line2, const QLineEdit *line3)
{
    SinglePrecisionSum sum;
    sum.add(line1);
    sum.add(line2);
    sum.add(line3);
    return sum.value();
}

void hideAndEmpty(QLineEdit *field)
{
    field->hide();
    field->clear();
}
