// "Facturas Recibidas": saving an invoice as one `frec` row.

#include "App.h"

#include "entries/InvoiceAmounts.h"
#include "entries/InvoiceSaving.h"
#include "storage/StoredForms.h"
#include "widgets/MessageBoxes.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QSqlQuery>

#include <array>
#include <optional>
#include <utility>

namespace {

const QString insertStatement = QStringLiteral(
    "INSERT INTO frec ( proveedor, nfac, fecha, type, inv, cm, isp, cc, ret, alq, pyo, base0, piva0, civa0, "
    "ivas0, ivar0, base1, piva1, civa1, ivas1, ivar1, base2, piva2, civa2, ivas2, ivar2, base3, piva3, "
    "civa3, "
    "ivas3, ivar3, bret, pret, cret, total, ctc) VALUES( :proveedor, :nfac, :fecha, :type, :inv, :cm, :isp, "
    ":cc, :ret, :alq, :pyo, :base0, :piva0, :civa0, :ivas0, :ivar0, :base1, :piva1, :civa1, :ivas1, :ivar1, "
    ":base2, :piva2, :civa2, :ivas2, :ivar2, :base3, :piva3, :civa3, :ivas3, :ivar3, :bret, :pret, :cret, "
    ":total, :ctc)");

// The five columns of a quota line, in the order of the row and of columnFields.
const std::array<QString, 5> lineColumns{ QStringLiteral("base"), QStringLiteral("piva"),
    QStringLiteral("civa"), QStringLiteral("ivas"), QStringLiteral("ivar") };

LineFields columnFields(const ReceivedQuotaLine &line)
{
    return { line.base, line.rate, line.quota, line.fourth, line.fifth };
}

// Prepares the insert and binds the form into it, in the statement's order.
void bindInvoice(QSqlQuery &query, const ReceivedPage &form, const QDate &date, uint supplier)
{
    query.prepare(insertStatement);
    query.bindValue(QStringLiteral(":proveedor"), supplier);
    query.bindValue(QStringLiteral(":nfac"), form.number->text());
    query.bindValue(QStringLiteral(":fecha"), date.toString(StoredDateFormat));
    query.bindValue(QStringLiteral(":type"), form.type->currentIndex());
    // Hidden boxes are stored too, as they stand.
    const std::pair<const char *, const OptionBox *> flags[] = { { ":inv", &form.investments },
        { ":cm", &form.retail }, { ":isp", &form.reverseCharge }, { ":cc", &form.cashBasis },
        { ":ret", &form.withholding }, { ":alq", &form.rental }, { ":pyo", &form.professionals } };
    for (const auto &[placeholder, option] : flags)
        query.bindValue(QString::fromLatin1(placeholder), storedFlag(option->box->isChecked()));

    bindInvoiceAmounts(query, lineColumns,
        { columnFields(form.lines[0]), columnFields(form.lines[1]), columnFields(form.lines[2]) },
        form.withholdingLine, form.total, form.account);
}

} // namespace

void App::Save3()
{
    const ReceivedPage &form = m_received;
    if (!passOrRefuse(form.supplier, form.supplier->currentIndex() >= 0,
            QStringLiteral("Debe seleccionar un proveedor."))
        || !passOrRefuse(
            form.type, form.type->currentIndex() >= 0, QStringLiteral("Debe seleccionar un tipo de factura."))
        || !passOrRefuse(form.account, form.account->currentIndex() >= 0,
            QStringLiteral("Debe seleccionar una cuenta contable.")))
        return;

    // Here the text has no full stop; for the base of line 1 it has one.
    const WithholdingLine &withholding = form.withholdingLine;
    for (QLineEdit *field : { form.number, withholding.base, withholding.percentage, withholding.quota }) {
        if (!passOrRefuse(field, field->isHidden() || !field->text().isEmpty(),
                QStringLiteral("Este campo es obligatorio")))
            return;
    }
    // Required even when hidden: no mode hides it.
    if (!passOrRefuse(form.lines[0].base, !form.lines[0].base->text().isEmpty(),
            QStringLiteral("Este campo es obligatorio.")))
        return;

    for (const ReceivedQuotaLine &line : form.lines) {
        if (!line.rate->isHidden() && line.rate->text().isEmpty() != line.base->text().isEmpty()) {
            MessageBoxes::warning(this, tr("Error"), QStringLiteral("Revise los valores introducidos."));
            return;
        }
    }
    if (!withholdingModeChosen(form.withholding, form.rental, form.professionals))
        return;

    const InvoiceTable table{ QStringLiteral("frec"), 1, QStringLiteral("Error al encontrar el proveedor.") };
    const QDate date = m_dates[1].edit->date();
    const bool stored = storeInvoice(table, form.number->text(), form.supplier->currentText(),
        [&](QSqlQuery &query, uint account) { bindInvoice(query, form, date, account); });
    if (stored)
        resetReceivedPage();
}
