#include "InvoiceAmounts.h"

#include "entries/Amount.h"
#include "entries/InvoiceArithmetic.h"

#include <QLineEdit>

Decimal moneyOf(const QLineEdit *field)
{
    return moneyFromText(field->text());
}

Decimal rateOf(const QLineEdit *field)
{
    return amountFromText(field->text());
}

void writeQuota(QLineEdit *quota, const QLineEdit *base, const QLineEdit *rate)
{
    quota->setText(displayAmount(quotaOf(moneyOf(base), rateOf(rate))));
}

void writeShownQuota(QLineEdit *quota, const QLineEdit *base, const QLineEdit *rate)
{
    if (quota->isHidden())
        quota->setText(QStringLiteral("0"));
    else
        writeQuota(quota, base, rate);
}

void writeTotal(QLineEdit *total, const std::vector<Decimal> &lineTerms, const QLineEdit *withholdingQuota)
{
    total->setText(displayAmount(invoiceTotal(lineTerms, moneyOf(withholdingQuota))));
}

void hideAndEmpty(QLineEdit *field)
{
    field->hide();
    field->clear();
}
