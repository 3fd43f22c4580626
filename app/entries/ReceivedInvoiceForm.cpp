// "Facturas Recibidas": the invoice type and the options that move the quota lines
// between their three modes, the two account lists, the clear and the reset.

#include "App.h"

#include "entries/InvoiceAmounts.h"
#include "entries/InvoicePageParts.h"
#include "entries/ReceivedAccounts.h"
#include "widgets/MessageBoxes.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>

namespace {

void setBaseHeadingText(ReceivedPage &form, const QString &text)
{
    form.baseHeading->setText(text);
    form.baseHeading->adjustSize();
}

void showOption(const OptionBox &option)
{
    option.box->show();
    option.label->show();
}

// The fourth and fifth fields stay hidden in every mode; leaving a mode empties what it hides.

// Full: base, rate and quota in every line under their three headings.
void setFullMode(ReceivedPage &form)
{
    form.baseHeading->show();
    form.rateHeading->show();
    form.quotaHeading->show();
    form.blankHeading1->hide();
    form.blankHeading2->hide();
    // All three lines are shown before anything is emptied, so that the quotas recomputed
    // meanwhile find their lines shown.
    for (ReceivedQuotaLine &line : form.lines) {
        line.base->show();
        line.rate->show();
        line.quota->show();
    }
    for (ReceivedQuotaLine &line : form.lines) {
        hideAndEmpty(line.fourth);
        hideAndEmpty(line.fifth);
    }
}

// Reverse charge: base and rate only; the quota column goes and the two blank headings come.
void setNoQuotaMode(ReceivedPage &form)
{
    form.baseHeading->show();
    form.rateHeading->show();
    form.quotaHeading->hide();
    form.blankHeading1->show();
    form.blankHeading2->show();
    for (ReceivedQuotaLine &line : form.lines) {
        line.base->show();
        line.rate->show();
        hideAndEmpty(line.quota);
        line.fourth->hide();
        line.fifth->hide();
    }
}

// Total only: the base field of line 1 takes the invoice total; the other fourteen go.
void setTotalOnlyMode(ReceivedPage &form)
{
    form.baseHeading->show();
    form.rateHeading->hide();
    form.quotaHeading->hide();
    form.blankHeading1->hide();
    form.blankHeading2->hide();
    form.lines[0].base->show();
    for (ReceivedQuotaLine &line : form.lines) {
        for (QLineEdit *field : { line.base, line.rate, line.quota, line.fourth, line.fifth }) {
            if (field != form.lines[0].base)
                hideAndEmpty(field);
        }
    }
}

} // namespace

void App::tf1(int index)
{
    ReceivedPage &form = m_received;
    showOption(form.investments);
    form.accountLabel->show();
    form.account->show();

    if (index == 0) {
        for (const OptionBox &option : { form.retail, form.reverseCharge, form.cashBasis, form.withholding })
            showOption(option);
        setBaseHeadingText(form, QStringLiteral("Base imponible"));
        setFullMode(form);
        // Emptying fields that were already empty changes nothing, so the quotas come back here.
        IVA1(QString());
    } else if (index == 1 || index == 2) {
        // Only "Inversiones" survives a foreign type; it keeps its tick.
        const std::initializer_list<OptionBox> options{ form.retail, form.reverseCharge, form.cashBasis,
            form.withholding, form.rental, form.professionals };
        for (const OptionBox &option : options) {
            option.box->hide();
            option.box->setChecked(false);
        }
        for (const OptionBox &option : options)
            option.label->hide();
        if (index == 1) {
            setBaseHeadingText(form, QStringLiteral("Base imponible"));
            setNoQuotaMode(form);
            IVA1(QString());
        } else {
            setBaseHeadingText(form, QStringLiteral("Total factura"));
            setTotalOnlyMode(form);
        }
    }
}

void App::cm1(int state)
{
    ReceivedPage &form = m_received;
    if (state == Qt::Checked) {
        form.reverseCharge.box->setChecked(false);
        form.withholding.box->setChecked(false);
        setBaseHeadingText(form, QStringLiteral("Total factura"));
        setTotalOnlyMode(form);
    } else if (state == Qt::Unchecked) {
        setBaseHeadingText(form, QStringLiteral("Base imponible"));
        setFullMode(form);
        IVA1(QString());
    }
}

void App::isp1(int state)
{
    ReceivedPage &form = m_received;
    if (state == Qt::Checked) {
        form.retail.box->setChecked(false);
        setBaseHeadingText(form, QStringLiteral("Base imponible"));
        setNoQuotaMode(form);
        IVA1(QString());
    } else if (state == Qt::Unchecked) {
        setFullMode(form);
        IVA1(QString());
    }
}

void App::ret1(int state)
{
    ReceivedPage &form = m_received;
    WithholdingLine &withholding = form.withholdingLine;
    if (state == Qt::Checked) {
        form.retail.box->setChecked(false);
        showOption(form.rental);
        showOption(form.professionals);
        for (QWidget *widget :
            std::initializer_list<QWidget *>{ withholding.base, withholding.percentage, withholding.quota,
                withholding.baseHeading, withholding.percentageHeading, withholding.quotaHeading })
            widget->show();
    } else if (state == Qt::Unchecked) {
        for (const OptionBox &option : { form.rental, form.professionals }) {
            option.box->hide();
            option.box->setChecked(false);
        }
        hideAndEmpty(withholding.base);
        hideAndEmpty(withholding.percentage);
        hideAndEmpty(withholding.quota);
        for (QWidget *widget :
            std::initializer_list<QWidget *>{ withholding.baseHeading, withholding.percentageHeading,
                withholding.quotaHeading, form.rental.label, form.professionals.label })
            widget->hide();
    }
}

void App::alq1(int state)
{
    if (state == Qt::Checked)
        m_received.professionals.box->setChecked(false);
}

void App::pyo1(int state)
{
    if (state == Qt::Checked)
        m_received.rental.box->setChecked(false);
}

void App::crit1(int state)
{
    if (state == Qt::Checked)
        MessageBoxes::information(this, tr("Información"),
            QStringLiteral("Por favor, póngase en contacto\ncon la asesoría.\n\n\t900 111 222"));
}

void App::invs(int state)
{
    QComboBox *accounts = m_received.account;
    // Swapping the list is no choice of the user's: it shows no account message, and a
    // chosen account is dropped.
    changeQuietly(accounts, &QComboBox::currentIndexChanged, &App::cc1, [&] {
        if (state != Qt::Checked && state != Qt::Unchecked)
            return;
        accounts->clear();
        accounts->addItems(state == Qt::Checked ? fixedAssetAccounts() : purchaseAccounts());
        accounts->setCurrentIndex(-1);
    });
}

void App::cc1(int)
{
    showChosenAccount(m_received.account);
}

void App::Clear3()
{
    if (MessageBoxes::confirm(this, QMessageBox::Warning, tr("Información"),
            QStringLiteral("¿Está seguro de que desea limpiar todos los campos?"), QStringLiteral("No"),
            QStringLiteral("Sí")))
        resetReceivedPage();
}

void App::resetReceivedPage()
{
    ReceivedPage &form = m_received;
    form.supplier->setCurrentIndex(-1);
    form.type->setCurrentIndex(-1);
    changeQuietly(
        form.account, &QComboBox::currentIndexChanged, &App::cc1, [&] { form.account->setCurrentIndex(-1); });
    // Unticking runs each box's slot: "Inversiones" brings the purchase accounts back and
    // "Retención" empties the withholding line.
    for (const OptionBox &option : { form.investments, form.retail, form.reverseCharge, form.cashBasis,
             form.withholding, form.rental, form.professionals })
        option.box->setChecked(false);

    form.number->clear();
    const WithholdingLine &withholding = form.withholdingLine;
    hideAndEmpty(withholding.base);
    hideAndEmpty(withholding.percentage);
    hideAndEmpty(withholding.quota);
    for (ReceivedQuotaLine &line : form.lines) {
        for (QLineEdit *field : { line.base, line.rate, line.quota, line.fourth, line.fifth })
            hideAndEmpty(field);
    }
    // No type shows "Inversiones" and the account list again; this hides them.
    hideWhenEmpty(form);

    m_dates[1].edit->setDate(m_today.date());
    form.supplier->setFocus();
}
