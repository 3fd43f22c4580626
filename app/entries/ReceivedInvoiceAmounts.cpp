// "Facturas Recibidas": the live amounts. The read-only fields are the only state;
// every run recomputes them from the texts as they stand, and the save stores those
// texts, so the six-digit display rounding is also what is stored.

#include "App.h"

#include "entries/Amount.h"
#include "entries/InvoiceAmounts.h"

#include <QLineEdit>

namespace {

// A quota column of the received lines: shown, it takes base × rate / 100; hidden, it
// is emptied (the issued page writes "0" there instead).
void writeLineQuota(QLineEdit *quota, const ReceivedQuotaLine &line)
{
    if (quota->isHidden())
        quota->clear();
    else
        quota->setText(displayAmount(quotaOf(line.base, line.rate)));
}

// The lines' bases, quotas and fourth fields, less their fifth fields, in single
// precision; then the withholding quota comes off in double precision.
void writeTotal(const ReceivedPage &page)
{
    SinglePrecisionSum sum;
    for (const ReceivedQuotaLine &line : page.lines) {
        sum.add(line.base);
        sum.add(line.quota);
        sum.add(line.fourth);
        sum.subtract(line.fifth);
    }
    const double total = double(sum.value()) - double(amountOf(page.withholdingLine.quota));
    page.total->setText(displayAmount(total));
}

} // namespace

void App::IVA1(const QString &)
{
    // Each write that changes a quota runs this slot again at once; the nested run finds
    // the same inputs and writes the same texts, so the nesting ends by itself.
    for (const ReceivedQuotaLine &line : m_received.lines)
        writeLineQuota(line.quota, line);
    for (const ReceivedQuotaLine &line : m_received.lines)
        writeLineQuota(line.fourth, line);
    for (const ReceivedQuotaLine &line : m_received.lines)
        writeLineQuota(line.fifth, line);
    writeTotal(m_received);
}

void App::calcRet1(const QString &)
{
    WithholdingLine &withholding = m_received.withholdingLine;
    if (withholding.quota->isHidden())
        withholding.quota->setText(QStringLiteral("0"));
    else
        withholding.quota->setText(displayAmount(quotaOf(withholding.base, withholding.percentage)));
    writeTotal(m_received);
}
