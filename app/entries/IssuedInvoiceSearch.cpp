// "Facturas Emitidas": loading a stored invoice by its number.

#include "App.h"

#include "entries/Amount.h"
#include "storage/InvoiceStore.h"
#include "widgets/MessageBoxes.h"

#include "entries/InvoiceArithmetic.h"
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>

namespace {

void tick(const OptionBox &option, bool value)
{
    option.box->setChecked(value);
}

} // namespace

void App::SearchNfe()
{
    const std::optional<InvoiceRow> found = findInvoice(issuedInvoices(), m_issued.search.number->text());
    if (!found)
        return;
    const InvoiceRow &row = *found;

    // Each write runs the same reactions as the user's input would, in this order, so a
    // later write may replace what an earlier one computed.
    const IssuedPage &form = m_issued;
    form.series->setText(row.series);
    form.number->setText(row.number);
    m_dates[0].edit->setDate(row.date);
    form.type->setCurrentIndex(row.type);
    // The options in the order of the table's flag columns.
    const auto flag = [&](int index) { return row.flags.value(index); };
    tick(form.retail, flag(0));
    tick(form.surcharge, flag(1));
    tick(form.reverseCharge, flag(2));
    // Loading is no new choice: no contact message.
    changeQuietly(
        form.cashBasis.box, &QCheckBox::stateChanged, &App::crit0, [&] { tick(form.cashBasis, flag(3)); });
    tick(form.withholding, flag(4));
    tick(form.rental, flag(5));
    tick(form.professionals, flag(6));
    changeQuietly(form.fixedAssetSale.box, &QCheckBox::stateChanged, &App::vin,
        [&] { tick(form.fixedAssetSale, flag(7)); });

    for (size_t i = 0; i < form.lines.size(); ++i) {
        const IssuedQuotaLine &line = form.lines[i];
        const std::array<Decimal, 5> &amounts = row.lines[i];
        line.base->setText(displayAmount(amounts[0]));
        line.rate->setText(displayAmount(amounts[1]));
        line.quota->setText(displayAmount(amounts[2]));
        line.surchargeRate->setText(displayAmount(amounts[3]));
        line.surchargeQuota->setText(displayAmount(amounts[4]));
    }
    const WithholdingLine &withholding = form.withholdingLine;
    withholding.base->setText(displayAmount(row.withholdingBase));
    withholding.percentage->setText(displayAmount(row.withholdingPercentage));
    withholding.quota->setText(displayAmount(row.withholdingQuota));
    form.total->setText(displayAmount(row.total));

    for (int i = 0; i < form.account->count(); ++i) {
        if (accountNumberOf(form.account->itemText(i)) == row.account) {
            changeQuietly(form.account, &QComboBox::currentIndexChanged, &App::cc0,
                [&] { form.account->setCurrentIndex(i); });
            break;
        }
    }

    selectInvoiceParty(form.client, row.party);
}
