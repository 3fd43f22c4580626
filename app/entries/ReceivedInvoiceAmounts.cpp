// "Facturas Recibidas": the live amounts. The read-only fields are the only state;
// every run recomputes them from the texts as they stand, and the save stores those
// texts, which hold the exact amounts.

#include "App.h"

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
        writeQuota(quota, line.base, line.rate);
}

// The terms of the total: the lines' bases, quotas and fourth fields, less their fifth
// fields.
std::vector<Decimal> totalTerms(const ReceivedPage &page)
{
    std::vector<Decimal> terms;
    for (const ReceivedQuotaLine &line : page.lines) {
        for (const QLineEdit *field : { line.base, line.quota, line.fourth })
            terms.push_back(moneyOf(field));
        terms.push_back(-moneyOf(line.fifth));
    }
    return terms;
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
    writeTotal(m_received.total, totalTerms(m_received), m_received.withholdingLine.quota);
}

void App::calcRet1(const QString &)
{
    WithholdingLine &withholding = m_received.withholdingLine;
    writeShownQuota(withholding.quota, withholding.base, withholding.percentage);
    writeTotal(m_received.total, totalTerms(m_received), m_received.withholdingLine.quota);
}
