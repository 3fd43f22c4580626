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

std::array<const QLineEdit *, 5> columnFields(const ReceivedQuotaLine &line)
{
    return { line.base, line.rate, line.quota, line.fourth, line.fifth };
}

QVariant storedField(const QLineEdit *field)
{
    return storedAmount(amountOf(field));
}

// Prepares the insert and binds the form into it, in the statement's order.
void bindInvoice(QSqlQuery &query, const ReceivedPage &form, const QDate &date, uint supplier)
{
    query.prepare(insertStatement);
    query.bindValue(QStringLiteral(":proveedor"), supplier);
    query.bindValue(QStringLiteral(":nfac"), form.number->text());
    query.bindValue(QStringLiteral(":fecha"), date.toString(QStringLiteral("dd/MM/yyyy")));
    query.bindValue(QStringLiteral(":type"), form.type->currentIndex());
    // Hidden boxes are stored too, as they stand.
    const std::pair<const char *, const OptionBox *> flags[] = { { ":inv", &form.investments },
        { ":cm", &form.retail }, { ":isp", &form.reverseCharge }, { ":cc", &form.cashBasis },
        { ":ret", &form.withholding }, { ":alq", &form.rental }, { ":pyo", &form.professionals } };
    for (const auto &[placeholder, option] : flags)
        query.bindValue(QString::fromLatin1(placeholder), storedFlag(option->box->isChecked()));

    for (size_t i = 0; i < form.lines.size(); ++i) {
        const auto fields = columnFields(form.lines[i]);
        for (size_t column = 0; column < lineColumns.size(); ++column)
            query.bindValue(
                QStringLiteral(":%1%2").arg(lineColumns[column]).arg(i), storedField(fields[column]));
    }
    // Column 3 holds the sums over the lines; piva3 adds up the rates too (21 + 10 + 4 gives 35).
    const auto line1 = columnFields(form.lines[0]);
    const auto line2 = columnFields(form.lines[1]);
    const auto line3 = columnFields(form.lines[2]);
    for (size_t column = 0; column < lineColumns.size(); ++column)
        query.bindValue(QStringLiteral(":%1%2").arg(lineColumns[column]).arg(3),
            storedAmount(sumOfLines(line1[column], line2[column], line3[column])));

    const WithholdingLine &withholding = form.withholdingLine;
    query.bindValue(QStringLiteral(":bret"), storedField(withholding.base));
    query.bindValue(QStringLiteral(":pret"), storedField(withholding.percentage));
    query.bindValue(QStringLiteral(":cret"), storedField(withholding.quota));
    query.bindValue(QStringLiteral(":total"), storedField(form.total));
    query.bindValue(QStringLiteral(":ctc"), accountNumberOf(form.account));
}

} // namespace

void App::Save3()
{
    const ReceivedPage &form = m_received;
    // A field that passes loses an earlier mark; one that fails is refused and ends the save.
    const auto fieldPasses = [this](QWidget *field, bool passes, const QString &message) {
        if (passes)
            markField(field, false);
        else
            refuseField(field, message);
        return passes;
    };

    if (!fieldPasses(form.supplier, form.supplier->currentIndex() >= 0,
            QStringLiteral("Debe seleccionar un proveedor."))
        || !fieldPasses(
            form.type, form.type->currentIndex() >= 0, QStringLiteral("Debe seleccionar un tipo de factura."))
        || !fieldPasses(form.account, form.account->currentIndex() >= 0,
            QStringLiteral("Debe seleccionar una cuenta contable.")))
        return;

    // Here the text has no full stop; for the base of line 1 it has one.
    const WithholdingLine &withholding = form.withholdingLine;
    for (QLineEdit *field : { form.number, withholding.base, withholding.percentage, withholding.quota }) {
        if (!fieldPasses(field, field->isHidden() || !field->text().isEmpty(),
                QStringLiteral("Este campo es obligatorio")))
            return;
    }
    // Required even when hidden: no mode hides it.
    if (!fieldPasses(form.lines[0].base, !form.lines[0].base->text().isEmpty(),
            QStringLiteral("Este campo es obligatorio.")))
        return;

    for (const ReceivedQuotaLine &line : form.lines) {
        if (!line.rate->isHidden() && line.rate->text().isEmpty() != line.base->text().isEmpty()) {
            MessageBoxes::warning(this, tr("Error"), QStringLiteral("Revise los valores introducidos."));
            return;
        }
    }
    if (form.withholding.box->isChecked() && !form.rental.box->isChecked()
        && !form.professionals.box->isChecked()) {
        MessageBoxes::warning(
            this, tr("Error"), QStringLiteral("Debe seleccionar una modalidad de retención."));
        return;
    }

    // Today is asked for once the fields pass, so the user first learns what to correct.
    if (!todayKnownOrWarn() || !openDatabase())
        return;
    QSqlQuery query(m_db);
    if (!invoiceNumberIsFree(query, QStringLiteral("frec"), form.number->text()))
        return;
    const std::optional<uint> supplier = partyAccount(
        query, 1, form.supplier->currentText(), QStringLiteral("Error al encontrar el proveedor."));
    if (!supplier || !confirmInvoiceSave())
        return;

    bindInvoice(query, form, m_dates[1].edit->date(), *supplier);
    if (!execOrReport(query))
        return;

    MessageBoxes::information(this, tr("Información"), QStringLiteral("Datos guardados"));
    resetReceivedPage();
}
