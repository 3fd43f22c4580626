// "Facturas Emitidas": the live quotas and total. The fields' texts are the only state;
// every slot reads what the fields show and writes its results back in the display format.

#include "App.h"

#include "entries/InvoiceAmounts.h"

#include <QLineEdit>

namespace {

// The terms of the total: base, VAT quota and surcharge quota of each line; hidden fields
// count as they stand.
std::vector<Decimal> totalTerms(const IssuedPage &page)
{
    std::vector<Decimal> terms;
    for (const IssuedQuotaLine &line : page.lines) {
        for (const QLineEdit *field : { line.base, line.quota, line.surchargeQuota })
            terms.push_back(moneyOf(field));
    }
    return terms;
}

} // namespace

void App::IVA0(const QString &)
{
    // A VAT quota is itself connected here, so each changed quota runs this slot again
    // before the loop goes on; the nested run recomputes the same texts from the same
    // bases and rates, so the texts end as after one pass.
    for (const IssuedQuotaLine &line : m_issued.lines)
        writeShownQuota(line.quota, line.base, line.rate);
    writeTotal(m_issued.total, totalTerms(m_issued), m_issued.withholdingLine.quota);
}

void App::calcRE(const QString &)
{
    for (const IssuedQuotaLine &line : m_issued.lines)
        writeShownQuota(line.surchargeQuota, line.base, line.surchargeRate);
    writeTotal(m_issued.total, totalTerms(m_issued), m_issued.withholdingLine.quota);
}

void App::calcRet0(const QString &)
{
    const WithholdingLine &withholding = m_issued.withholdingLine;
    writeShownQuota(withholding.quota, withholding.base, withholding.percentage);
    writeTotal(m_issued.total, totalTerms(m_issued), m_issued.withholdingLine.quota);
}
