// "Facturas Emitidas": the live quotas and total. The fields' texts are the only state;
// every slot reads what the fields show and writes its results back in the display format.

#include "App.h"

#include "entries/Amount.h"
#include "entries/InvoiceAmounts.h"

#include <QLineEdit>

namespace {

// A quota whose field is hidden is not computed: it reads "0" and adds nothing.
void writeQuota(QLineEdit *quota, const QLineEdit *amount, const QLineEdit *percentage)
{
    quota->setText(quota->isHidden() ? QStringLiteral("0") : displayAmount(quotaOf(amount, percentage)));
}

// The sum over the three lines of base, VAT quota and surcharge quota, in single
// precision, less the withholding quota; hidden fields count as they stand.
void writeTotal(const IssuedPage &page)
{
    SinglePrecisionSum lines;
    for (const IssuedQuotaLine &line : page.lines) {
        lines.add(line.base);
        lines.add(line.quota);
        lines.add(line.surchargeQuota);
    }
    const double total = double(lines.value()) - double(amountOf(page.withholdingLine.quota));
    page.total->setText(displayAmount(total));
}

} // namespace

void App::IVA0(const QString &)
{
    // A VAT quota is itself connected here, so each changed quota runs this slot again
    // before the loop goes on; the nested run recomputes the same texts from the same
    // bases and rates, so the texts end as after one pass.
    for (const IssuedQuotaLine &line : m_issued.lines)
        writeQuota(line.quota, line.base, line.rate);
    writeTotal(m_issued);
}

void App::calcRE(const QString &)
{
    for (const IssuedQuotaLine &line : m_issued.lines)
        writeQuota(line.surchargeQuota, line.base, line.surchargeRate);
    writeTotal(m_issued);
}

void App::calcRet0(const QString &)
{
    const WithholdingLine &withholding = m_issued.withholdingLine;
    writeQuota(withholding.quota, withholding.base, withholding.percentage);
    writeTotal(m_issued);
}
