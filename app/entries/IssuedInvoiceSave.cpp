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

LineFields columnFields(const IssuedQuotaLine &line)
{
    return { line.base, line.rate, line.quota, line.surchargeRate, line.surchargeQuota };
}

// Prepares the insert and binds the form into it, in the statement's order.
void bindInvoice(QSqlQuery &query, const IssuedPage &form, const QDate &date, uint client)
{
    query.prepare(insertStatement);
    query.bindValue(QStringLiteral(":cliente"), client);
    query.bindValue(QStringLiteral(":serie"), form.series->text());
    query.bindValue(QStringLiteral(":nfac"), form.number->text());
    query.bindValue(QStringLiteral(":fecha"), date.toString(StoredDateFormat));
    query.bindValue(QStringLiteral(":type"), form.type->currentIndex());
    const std::pair<const char *, const OptionBox *> flags[]
        = { { ":cm", &form.retail }, { ":rec", &form.surcharge }, { ":isp", &form.reverseCharge },
              { ":cc", &form.cashBasis }, { ":ret", &form.withholding }, { ":alq", &form.rental },
              { ":pyo", &form.professionals }, { ":vin", &form.fixedAssetSale } };
    for (const auto &[placeholder, option] : flags)
        query.bindValue(QString::fromLatin1(placeholder), storedFlag(option->box->isChecked()));
    bindInvoiceAmounts(query, lineColumns,
        { columnFields(form.lines[0]), columnFields(form.lines[1]), columnFields(form.lines[2]) },
        form.withholdingLine, form.total, form.account);
}

} // namespace

void App::Save2()
{
    const IssuedPage &form = m_issued;
    const QString required = QStringLiteral("Este campo es obligatorio.");
    if (!passOrRefuse(
            form.client, form.client->currentIndex() >= 0, QStringLiteral("Debe seleccionar un cliente."))
        || !passOrRefuse(
            form.type, form.type->currentIndex() >= 0, QStringLiteral("Debe seleccionar un tipo de factura."))
        || !passOrRefuse(form.account, form.account->currentIndex() >= 0,
            QStringLiteral("Debe seleccionar una cuenta contable."))
        || !passOrRefuse(form.number, !form.number->text().isEmpty(), required))
        return;

    // A shown surcharge rate is required on line 1, and on lines 2 and 3 goes with the base.
    for (size_t i = 0; i < form.lines.size(); ++i) {
        const IssuedQuotaLine &line = form.lines[i];
        const QString rate = line.surchargeRate->text();
        const bool passes = line.surchargeRate->isHidden()
            || (i == 0 ? !rate.isEmpty() : rate.isEmpty() == line.base->text().isEmpty());
        if (!passOrRefuse(line.surchargeRate, passes, required))
            return;
    }
    if (!passOrRefuse(form.lines[0].base, !form.lines[0].base->text().isEmpty(), required))
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
        if (!passOrRefuse(field, field->isHidden() || !field->text().isEmpty(), required))
            return;
    }
    if (!withholdingModeChosen(form.withholding, form.rental, form.professionals))
        return;

    const InvoiceTable table{ QStringLiteral("femi"), 0, QStringLiteral("Error al encontrar el cliente.") };
    const QDate date = m_dates[0].edit->date();
    const bool stored = storeInvoice(table, form.number->text(), form.client->currentText(),
        [&](QSqlQuery &query, uint account) { bindInvoice(query, form, date, account); });
    if (stored)
        resetIssuedPage();
}
