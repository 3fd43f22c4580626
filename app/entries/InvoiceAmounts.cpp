#include "InvoiceAmounts.h"

#include "entries/Amount.h"
#include "entries/InvoiceArithmetic.h"

#include <QLineEdit>

float amountOf(const QLineEdit *field)
{
    return amountFromText(field->text());
}

float sumOfLines(const QLineEdit *line1, const QLineEdit *line2, const QLineEdit *line3)
{
    return sumOfLines(amountOf(line1), amountOf(line2), amountOf(line3));
}

void writeTotal(QLineEdit *total, const std::vector<float> &lineTerms, const QLineEdit *withholdingQuota)
{
    total->setText(displayAmount(invoiceTotal(lineTerms, amountOf(withholdingQuota))));
}

void hideAndEmpty(QLineEdit *field)
{
    field->hide();
    field->clear();
}
