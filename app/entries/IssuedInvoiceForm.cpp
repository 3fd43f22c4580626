// "Facturas Emitidas": what the invoice type and the option boxes show and hide, the
// account and contact messages, and the reset shared by saving and clearing.
//
// Ticking, unticking and emptying run the connected slots at once, before the rule that
// caused them goes on; the rules below are written with that in force.

#include "App.h"

#include "entries/InvoiceAmounts.h"
#include "entries/InvoicePageParts.h"
#include "widgets/MessageBoxes.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>

#include <array>

namespace {

void untick(const OptionBox &option)
{
    option.box->setChecked(false);
}

void showOption(const OptionBox &option)
{
    option.box->show();
    option.label->show();
}

// What total-only mode hides: every field of the quota lines but the base of line 1.
std::array<QLineEdit *, 8> totalOnlyFields(const IssuedPage &form)
{
    const auto &lines = form.lines;
    return { lines[0].rate, lines[0].quota, lines[1].base, lines[1].rate, lines[1].quota, lines[2].base,
        lines[2].rate, lines[2].quota };
}

// One amount only, the invoice total, in the base field of line 1.
void enterTotalOnly(const IssuedPage &form)
{
    for (QLineEdit *field : totalOnlyFields(form))
        hideAndEmpty(field);
    form.baseHeading->setText(QStringLiteral("Total factura"));
    form.rateHeading->hide();
    form.quotaHeading->hide();
}

// The eight fields come back empty.
void leaveTotalOnly(const IssuedPage &form)
{
    form.baseHeading->setText(QStringLiteral("Base imponible"));
    form.rateHeading->show();
    form.quotaHeading->show();
    for (QLineEdit *field : totalOnlyFields(form))
        field->show();
}

} // namespace

void App::tf0(int index)
{
    const IssuedPage &form = m_issued;
    form.accountLabel->show();
    form.account->show();
    if (index == 0) {
        for (const OptionBox &option :
            { form.retail, form.surcharge, form.reverseCharge, form.withholding, form.cashBasis })
            showOption(option);
        form.baseHeading->setText(QStringLiteral("Base imponible"));
        for (QLabel *heading : { form.baseHeading, form.rateHeading, form.quotaHeading })
            heading->show();
        for (const IssuedQuotaLine &line : form.lines) {
            line.base->show();
            line.rate->show();
            line.quota->show();
        }
    } else if (index == 1 || index == 2) {
        // Intra-community supplies and exports take no options: only the invoice total.
        for (const OptionBox &option : { form.retail, form.surcharge, form.reverseCharge, form.withholding,
                 form.rental, form.professionals, form.cashBasis }) {
            option.box->hide();
            untick(option);
        }
        for (QLabel *label : { form.retail.label, form.surcharge.label, form.reverseCharge.label,
                 form.withholding.label, form.baseHeading, form.rateHeading, form.quotaHeading })
            label->hide();
        form.baseHeading->setText(QStringLiteral("Total factura"));
        form.baseHeading->show();
        form.cashBasis.label->hide();
        form.lines[0].base->show();
        for (QLineEdit *field : totalOnlyFields(form))
            hideAndEmpty(field);
    }
}

void App::cm0(int state)
{
    const IssuedPage &form = m_issued;
    if (state == Qt::Checked) {
        for (const OptionBox &option : { form.surcharge, form.reverseCharge, form.withholding, form.rental,
                 form.professionals, form.cashBasis })
            untick(option);
        enterTotalOnly(form);
    } else if (state == Qt::Unchecked) {
        leaveTotalOnly(form);
    }
}

void App::isp0(int state)
{
    // Reverse charge may go with a withholding, so "Retención" keeps its state.
    const IssuedPage &form = m_issued;
    if (state == Qt::Checked) {
        for (const OptionBox &option :
            { form.retail, form.surcharge, form.rental, form.professionals, form.cashBasis })
            untick(option);
        enterTotalOnly(form);
    } else if (state == Qt::Unchecked) {
        leaveTotalOnly(form);
    }
}

void App::rec(int state)
{
    const IssuedPage &form = m_issued;
    if (state == Qt::Checked) {
        for (const OptionBox &option : { form.retail, form.reverseCharge, form.withholding, form.rental })
            untick(option);
        form.surchargeRateHeading->show();
        form.surchargeQuotaHeading->show();
        for (const IssuedQuotaLine &line : form.lines) {
            line.surchargeRate->show();
            line.surchargeQuota->show();
        }
    } else if (state == Qt::Unchecked) {
        form.surchargeRateHeading->hide();
        form.surchargeQuotaHeading->hide();
        for (const IssuedQuotaLine &line : form.lines) {
            hideAndEmpty(line.surchargeRate);
            hideAndEmpty(line.surchargeQuota);
        }
    }
}

void App::ret0(int state)
{
    const IssuedPage &form = m_issued;
    const WithholdingLine &line = form.withholdingLine;
    if (state == Qt::Checked) {
        untick(form.retail);
        untick(form.surcharge);
        showOption(form.rental);
        showOption(form.professionals);
        for (QWidget *widget : std::initializer_list<QWidget *>{ line.baseHeading, line.percentageHeading,
                 line.quotaHeading, line.base, line.percentage, line.quota })
            widget->show();
    } else if (state == Qt::Unchecked) {
        for (const OptionBox &option : { form.rental, form.professionals }) {
            option.box->hide();
            untick(option);
        }
        for (QLabel *label : { form.rental.label, form.professionals.label, line.baseHeading,
                 line.percentageHeading, line.quotaHeading })
            label->hide();
        hideAndEmpty(line.base);
        hideAndEmpty(line.percentage);
        hideAndEmpty(line.quota);
    }
}

void App::alq0(int state)
{
    if (state == Qt::Checked)
        untick(m_issued.professionals);
}

void App::pyo0(int state)
{
    if (state == Qt::Checked)
        untick(m_issued.rental);
}

void App::crit0(int state)
{
    if (state != Qt::Checked)
        return;
    untick(m_issued.retail);
    MessageBoxes::information(this, tr("Información"),
        QStringLiteral("Por favor, póngase en contacto\ncon la asesoría.\n\n\t900 111 222"));
}

void App::vin(int state)
{
    if (state != Qt::Checked)
        return;
    MessageBoxes::information(this, tr("Información"),
        QStringLiteral("Por favor, llámenos para completar\nel último dato variable.\n\n\t900 111 222"));
}

void App::cc0(int)
{
    showChosenAccount(m_issued.account);
}

void App::Clear2()
{
    if (!MessageBoxes::confirm(this, QMessageBox::Warning, tr("Información"),
            QStringLiteral("¿Está seguro de que desea limpiar todos los campos?"), QStringLiteral("No"),
            QStringLiteral("Sí")))
        return;
    resetIssuedPage();
    m_issued.client->setFocus();
}

void App::resetIssuedPage()
{
    const IssuedPage &form = m_issued;
    form.client->setCurrentIndex(-1);
    form.type->setCurrentIndex(-1);
    // The reset is no choice of the user's: it shows no account message.
    changeQuietly(
        form.account, &QComboBox::currentIndexChanged, &App::cc0, [&] { form.account->setCurrentIndex(-1); });
    for (const OptionBox &option : { form.retail, form.surcharge, form.reverseCharge, form.withholding,
             form.rental, form.professionals, form.cashBasis, form.fixedAssetSale })
        untick(option);

    form.series->clear();
    form.number->clear();
    for (const IssuedQuotaLine &line : form.lines) {
        hideAndEmpty(line.surchargeRate);
        hideAndEmpty(line.surchargeQuota);
    }
    for (const IssuedQuotaLine &line : form.lines) {
        hideAndEmpty(line.base);
        hideAndEmpty(line.rate);
        hideAndEmpty(line.quota);
    }
    hideAndEmpty(form.withholdingLine.base);
    hideAndEmpty(form.withholdingLine.percentage);
    hideWhenEmpty(form);

    m_dates[0].edit->setDate(m_today.date());
}
