// "Facturas Emitidas": saving an invoice as one `femi` row.

#include "App.h"

#include "entries/InvoiceAmounts.h"
#include "entries/InvoiceSaving.h"
#include "storage/InvoiceStore.h"
#include "widgets/MessageBoxes.h"

#include "entries/InvoiceChecks.h"
#include "widgets/FieldMarking.h"
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>

#include <array>
#include <optional>

namespace {

LineFields columnFields(const IssuedQuotaLine &line)
{
    return { line.base, line.rate, line.quota, line.surchargeRate, line.surchargeQuota };
}

// The row the form stands for, its options in the order of the table's flag columns.
InvoiceRow invoiceOf(const IssuedPage &form, const QDate &date, qlonglong client)
{
    InvoiceRow row;
    row.party = client;
    row.series = form.series->text();
    row.number = form.number->text();
    row.date = date;
    row.type = form.type->currentIndex();
    for (const OptionBox *option : { &form.retail, &form.surcharge, &form.reverseCharge, &form.cashBasis,
             &form.withholding, &form.rental, &form.professionals, &form.fixedAssetSale })
        row.flags << option->box->isChecked();
    readInvoiceAmounts(row, issuedInvoices(),
        { columnFields(form.lines[0]), columnFields(form.lines[1]), columnFields(form.lines[2]) },
        form.withholdingLine, form.total, form.account);
    return row;
}

} // namespace

void App::Save2()
{
    const IssuedPage &form = m_issued;
    const QString required = QStringLiteral("Este campo es obligatorio.");
    if (!passOrRefuse(this, form.client, form.client->currentIndex() >= 0,
            QStringLiteral("Debe seleccionar un cliente."))
        || !passOrRefuse(this, form.type, form.type->currentIndex() >= 0,
            QStringLiteral("Debe seleccionar un tipo de factura."))
        || !passOrRefuse(this, form.account, form.account->currentIndex() >= 0,
            QStringLiteral("Debe seleccionar una cuenta contable."))
        || !passOrRefuse(this, form.number, !form.number->text().isEmpty(), required))
        return;

    // A shown surcharge rate is required on line 1, and on lines 2 and 3 goes with the base.
    for (size_t i = 0; i < form.lines.size(); ++i) {
        const IssuedQuotaLine &line = form.lines[i];
        const QString rate = line.surchargeRate->text();
        const bool passes = line.surchargeRate->isHidden()
            || (i == 0 ? !rate.isEmpty() : rate.isEmpty() == line.base->text().isEmpty());
        if (!passOrRefuse(this, line.surchargeRate, passes, required))
            return;
    }
    if (!passOrRefuse(this, form.lines[0].base, !form.lines[0].base->text().isEmpty(), required))
        return;

    for (const IssuedQuotaLine &line : form.lines) {
        for (const QLineEdit *rate : { line.rate, line.surchargeRate }) {
            if (!rate->isHidden() && rate->text().isEmpty() != line.base->text().isEmpty()) {
                MessageBoxes::warning(this, tr("Error"), QStringLiteral("Revise los valores introducidos."));
                return;
            }
        }
    }

    const WithholdingLine &withholding = form.withholdingLine;
    for (QLineEdit *field : { withholding.base, withholding.percentage }) {
        if (!passOrRefuse(this, field, field->isHidden() || !field->text().isEmpty(), required))
            return;
    }
    if (!withholdingModeChosen(this, form.withholding, form.rental, form.professionals))
        return;

    const QDate date = m_dates[0].edit->date();
    const bool stored = storeInvoice(issuedInvoices(), form.number->text(), form.client->currentText(),
        QStringLiteral("Error al encontrar el cliente."),
        [&](qlonglong account) { return invoiceOf(form, date, account); });
    if (stored)
        resetIssuedPage();
}
