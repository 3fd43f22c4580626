// "Facturas Emitidas": saving an invoice as one `femi` row.

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
    "INSERT INTO femi ( cliente, serie, nfac, fecha, type, cm, rec, isp, cc, ret, alq, pyo, vin, base0, "
    "piva0, civa0, prec0, crec0, base1, piva1, civa1, prec1, crec1, base2, piva2, civa2, prec2, crec2, "
    "base3, "
    "piva3, civa3, prec3, crec3, bret, pret, cret, total, ctc) VALUES( :cliente, :serie, :nfac, :fecha, "
    ":type, :cm, :rec, :isp, :cc, :ret, :alq, :pyo, :vin, :base0, :piva0, :civa0, :prec0, :crec0, :base1, "
    ":piva1, :civa1, :prec1, :crec1, :base2, :piva2, :civa2, :prec2, :crec2, :base3, :piva3, :civa3, "
    ":prec3, :crec3, :bret, :pret, :cret, :total, :ctc);");

// The five columns of a quota line, in the order of the row and of columnFields.
const std::array<QString, 5> lineColumns{ QStringLiteral("base"), QStringLiteral("piva"),
    QStringLiteral("civa"), QStringLiteral("prec"), QStringLiteral("crec") };

std::array<const QLineEdit *, 5> columnFields(const IssuedQuotaLine &line)
{
    return { line.base, line.rate, line.quota, line.surchargeRate, line.surchargeQuota };
}

QVariant storedField(const QLineEdit *field)
{
    return storedAmount(amountOf(field));
}

// Prepares the insert and binds the form into it, in the statement's order.
void bindInvoice(QSqlQuery &query, const IssuedPage &form, const QDate &date, uint client)
{
    query.prepare(insertStatement);
    query.bindValue(QStringLiteral(":cliente"), client);
    query.bindValue(QStringLiteral(":serie"), form.series->text());
    query.bindValue(QStringLiteral(":nfac"), form.number->text());
    query.bindValue(QStringLiteral(":fecha"), date.toString(QStringLiteral("dd/MM/yyyy")));
    query.bindValue(QStringLiteral(":type"), form.type->currentIndex());
    const std::pair<const char *, const OptionBox *> flags[]
        = { { ":cm", &form.retail }, { ":rec", &form.surcharge }, { ":isp", &form.reverseCharge },
              { ":cc", &form.cashBasis }, { ":ret", &form.withholding }, { ":alq", &form.rental },
              { ":pyo", &form.professionals }, { ":vin", &form.fixedAssetSale } };
    for (const auto &[placeholder, option] : flags)
        query.bindValue(QString::fromLatin1(placeholder), storedFlag(option->box->isChecked()));
    for (size_t i = 0; i < form.lines.size(); ++i) {
        const auto fields = columnFields(form.lines[i]);
        for (size_t column = 0; column < lineColumns.size(); ++column)
            query.bindValue(
                QStringLiteral(":%1%2").arg(lineColumns[column]).arg(i), storedField(fields[column]));
    }
    // Column 3 holds the sums over the lines, the rates included.
    const auto line1 = columnFields(form.lines[0]);
    const auto line2 = columnFields(form.lines[1]);
    const auto line3 = columnFields(form.lines[2]);
    for (size_t column = 0; column < lineColumns.size(); ++column) {
        query.bindValue(QStringLiteral(":%1%2").arg(lineColumns[column]).arg(3),
            storedAmount(sumOfLines(line1[column], line2[column], line3[column])));
    }
    const WithholdingLine &withholding = form.withholdingLine;
    query.bindValue(QStringLiteral(":bret"), storedField(withholding.base));
    query.bindValue(QStringLiteral(":pret"), storedField(withholding.percentage));
    query.bindValue(QStringLiteral(":cret"), storedField(withholding.quota));
    query.bindValue(QStringLiteral(":total"), storedField(form.total));
    query.bindValue(QStringLiteral(":ctc"), accountNumberOf(form.account));
}

} // namespace

void App::Save2()
{
    const IssuedPage &form = m_issued;
    const QString required = QStringLiteral("Este campo es obligatorio.");
    // A field that passes loses an earlier mark; one that fails is refused and ends the save.
    const auto fieldPasses = [this](QWidget *field, bool passes, const QString &message) {
        if (passes)
            markField(field, false);
        else
            refuseField(field, message);
        return passes;
    };

    if (!fieldPasses(
            form.client, form.client->currentIndex() >= 0, QStringLiteral("Debe seleccionar un cliente."))
        || !fieldPasses(
            form.type, form.type->currentIndex() >= 0, QStringLiteral("Debe seleccionar un tipo de factura."))
        || !fieldPasses(form.account, form.account->currentIndex() >= 0,
            QStringLiteral("Debe seleccionar una cuenta contable."))
        || !fieldPasses(form.number, !form.number->text().isEmpty(), required))
        return;

    // A shown surcharge rate is required on line 1, and on lines 2 and 3 goes with the base.
    for (size_t i = 0; i < form.lines.size(); ++i) {
        const IssuedQuotaLine &line = form.lines[i];
        const QString rate = line.surchargeRate->text();
        const bool passes = line.surchargeRate->isHidden()
            || (i == 0 ? !rate.isEmpty() : rate.isEmpty() == line.base->text().isEmpty());
        if (!fieldPasses(line.surchargeRate, passes, required))
            return;
    }
    if (!fieldPasses(form.lines[0].base, !form.lines[0].base->text().isEmpty(), required))
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
        if (!fieldPasses(field, field->isHidden() || !field->text().isEmpty(), required))
            return;
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
    if (!invoiceNumberIsFree(query, QStringLiteral("femi"), form.number->text()))
        return;
    const std::optional<uint> client = partyAccount(
        query, 0, form.client->currentText(), QStringLiteral("Error al encontrar el cliente."));
    if (!client || !confirmInvoiceSave())
        return;

    bindInvoice(query, form, m_dates[0].edit->date(), *client);
    if (!execOrReport(query))
        return;

    MessageBoxes::information(this, tr("Información"), QStringLiteral("Datos guardados"));
    resetIssuedPage();
}
