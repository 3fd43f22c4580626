// "Facturas Recibidas": saving an invoice as one `frec` row.

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

LineFields columnFields(const ReceivedQuotaLine &line)
{
    return { line.base, line.rate, line.quota, line.fourth, line.fifth };
}

// The row the form stands for, its options in the order of the table's flag columns.
InvoiceRow invoiceOf(const ReceivedPage &form, const QDate &date, qlonglong supplier)
{
    InvoiceRow row;
    row.party = supplier;
    row.number = form.number->text();
    row.date = date;
    row.type = form.type->currentIndex();
    // Hidden boxes are stored too, as they stand.
    for (const OptionBox *option : { &form.investments, &form.retail, &form.reverseCharge, &form.cashBasis,
             &form.withholding, &form.rental, &form.professionals })
        row.flags << option->box->isChecked();
    readInvoiceAmounts(row, receivedInvoices(),
        { columnFields(form.lines[0]), columnFields(form.lines[1]), columnFields(form.lines[2]) },
        form.withholdingLine, form.total, form.account);
    return row;
}

} // namespace

void App::Save3()
{
    const ReceivedPage &form = m_received;
    if (!passOrRefuse(this, form.supplier, form.supplier->currentIndex() >= 0,
            QStringLiteral("Debe seleccionar un proveedor."))
        || !passOrRefuse(this, form.type, form.type->currentIndex() >= 0,
            QStringLiteral("Debe seleccionar un tipo de factura."))
        || !passOrRefuse(this, form.account, form.account->currentIndex() >= 0,
            QStringLiteral("Debe seleccionar una cuenta contable.")))
        return;

    // Here the text has no full stop; for the base of line 1 it has one.
    const WithholdingLine &withholding = form.withholdingLine;
    for (QLineEdit *field : { form.number, withholding.base, withholding.percentage, withholding.quota }) {
        if (!passOrRefuse(this, field, field->isHidden() || !field->text().isEmpty(),
                QStringLiteral("Este campo es obligatorio")))
            return;
    }
    // Required even when hidden: no mode hides it.
    if (!passOrRefuse(this, form.lines[0].base, !form.lines[0].base->text().isEmpty(),
            QStringLiteral("Este campo es obligatorio.")))
        return;

    for (const ReceivedQuotaLine &line : form.lines) {
        if (!line.rate->isHidden() && line.rate->text().isEmpty() != line.base->text().isEmpty()) {
            MessageBoxes::warning(this, tr("Error"), QStringLiteral("Revise los valores introducidos."));
            return;
        }
    }
    if (!withholdingModeChosen(this, form.withholding, form.rental, form.professionals))
        return;

    const QDate date = m_dates[1].edit->date();
    const bool stored = storeInvoice(receivedInvoices(), form.number->text(), form.supplier->currentText(),
        QStringLiteral("Error al encontrar el proveedor."),
        [&](qlonglong account) { return invoiceOf(form, date, account); });
    if (stored)
        resetReceivedPage();
}
