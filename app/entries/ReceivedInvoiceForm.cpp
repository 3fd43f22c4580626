// "Facturas Recibidas": the invoice type and the options that move the quota lines
// between their three modes, the account lists, the save, the clear and the look-up.

#include "App.h"

#include "entries/InvoiceAmounts.h"
#include "entries/InvoiceSaving.h"
#include "entries/ReceivedAccounts.h"
#include "storage/StoredForms.h"
#include "widgets/MessageBoxes.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QSqlQuery>

#include <array>
#include <optional>
#include <utility>

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
    for (ReceivedQuotaLine &line : form.lines) {
        line.base->show();
        line.rate->show();
        line.quota->show();
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
    MessageBoxes::information(this, tr("Información"),
        QStringLiteral("Ha seleccionado usted la cuenta contable:\n\n") + m_received.account->currentText()
            + QStringLiteral("\n\nPor favor, verifique si es correcto."));
}

bool App::receivedFieldsPass()
{
    ReceivedPage &form = m_received;
    const auto chosen = [this](QComboBox *list, const QString &message) {
        if (list->currentIndex() < 0) {
            refuseField(list, message);
            return false;
        }
        markField(list, false);
        return true;
    };
    if (!chosen(form.supplier, QStringLiteral("Debe seleccionar un proveedor."))
        || !chosen(form.type, QStringLiteral("Debe seleccionar un tipo de factura."))
        || !chosen(form.account, QStringLiteral("Debe seleccionar una cuenta contable.")))
        return false;

    const WithholdingLine &withholding = form.withholdingLine;
    // This page's text for these fields has no full stop; the base of line 1 has one.
    for (QLineEdit *field : { form.number, withholding.base, withholding.percentage, withholding.quota }) {
        if (!field->isHidden() && field->text().isEmpty()) {
            refuseField(field, QStringLiteral("Este campo es obligatorio"));
            return false;
        }
        markField(field, false);
    }
    QLineEdit *firstBase = form.lines[0].base;
    if (firstBase->text().isEmpty()) {
        refuseField(firstBase, QStringLiteral("Este campo es obligatorio."));
        return false;
    }
    markField(firstBase, false);

    for (const ReceivedQuotaLine &line : form.lines) {
        if (!line.rate->isHidden() && line.base->text().isEmpty() != line.rate->text().isEmpty()) {
            MessageBoxes::warning(this, tr("Error"), QStringLiteral("Revise los valores introducidos."));
            return false;
        }
    }
    if (form.withholding.box->isChecked() && !form.rental.box->isChecked()
        && !form.professionals.box->isChecked()) {
        MessageBoxes::warning(
            this, tr("Error"), QStringLiteral("Debe seleccionar una modalidad de retención."));
        return false;
    }
    return true;
}

bool App::insertReceivedInvoice(QSqlQuery &query, uint supplier)
{
    const ReceivedPage &form = m_received;
    query.prepare(QStringLiteral(
        "INSERT INTO frec ( proveedor, nfac, fecha, type, inv, cm, isp, cc, ret, alq, pyo, base0, piva0, "
        "civa0, "
        "ivas0, ivar0, base1, piva1, civa1, ivas1, ivar1, base2, piva2, civa2, ivas2, ivar2, base3, piva3, "
        "civa3, ivas3, ivar3, bret, pret, cret, total, ctc) VALUES( :proveedor, :nfac, :fecha, :type, :inv, "
        ":cm, :isp, :cc, :ret, :alq, :pyo, :base0, :piva0, :civa0, :ivas0, :ivar0, :base1, :piva1, :civa1, "
        ":ivas1, :ivar1, :base2, :piva2, :civa2, :ivas2, :ivar2, :base3, :piva3, :civa3, :ivas3, :ivar3, "
        ":bret, :pret, :cret, :total, :ctc)"));
    query.bindValue(QStringLiteral(":proveedor"), supplier);
    query.bindValue(QStringLiteral(":nfac"), form.number->text());
    query.bindValue(QStringLiteral(":fecha"), m_dates[1].edit->date().toString(QStringLiteral("dd/MM/yyyy")));
    query.bindValue(QStringLiteral(":type"), form.type->currentIndex());

    // Hidden boxes are stored too, as they stand.
    const std::pair<const char *, const OptionBox *> flags[] = { { "inv", &form.investments },
        { "cm", &form.retail }, { "isp", &form.reverseCharge }, { "cc", &form.cashBasis },
        { "ret", &form.withholding }, { "alq", &form.rental }, { "pyo", &form.professionals } };
    for (const auto &[column, option] : flags)
        query.bindValue(QStringLiteral(":") + QLatin1String(column), storedFlag(option->box->isChecked()));

    const auto bindAmount = [&query](const QString &column, float value) {
        query.bindValue(QStringLiteral(":") + column, storedAmount(value));
    };
    const auto fieldsOf = [](const ReceivedQuotaLine &line) {
        return std::array<const QLineEdit *, 5>{ line.base, line.rate, line.quota, line.fourth, line.fifth };
    };
    const std::array<QLatin1String, 5> columns{ QLatin1String("base"), QLatin1String("piva"),
        QLatin1String("civa"), QLatin1String("ivas"), QLatin1String("ivar") };
    for (int line = 0; line < 3; ++line) {
        for (size_t column = 0; column < columns.size(); ++column)
            bindAmount(columns[column] + QString::number(line), amountOf(fieldsOf(form.lines[line])[column]));
    }
    // Column 3 holds the sums over the lines; piva3 adds up the rates too (21 + 10 + 4 gives 35).
    for (size_t column = 0; column < columns.size(); ++column)
        bindAmount(columns[column] + QLatin1Char('3'),
            sumOfLines(fieldsOf(form.lines[0])[column], fieldsOf(form.lines[1])[column],
                fieldsOf(form.lines[2])[column]));

    bindAmount(QStringLiteral("bret"), amountOf(form.withholdingLine.base));
    bindAmount(QStringLiteral("pret"), amountOf(form.withholdingLine.percentage));
    bindAmount(QStringLiteral("cret"), amountOf(form.withholdingLine.quota));
    bindAmount(QStringLiteral("total"), amountOf(form.total));
    query.bindValue(QStringLiteral(":ctc"), accountNumberOf(form.account));
    return execOrReport(query);
}

void App::Save3()
{
    // Today is checked once the fields pass, so that the user learns what to correct first.
    if (!receivedFieldsPass() || !todayKnownOrWarn() || !openDatabase())
        return;

    QSqlQuery query(m_db);
    if (!invoiceNumberIsFree(query, QStringLiteral("frec"), m_received.number->text()))
        return;
    const std::optional<uint> supplier = partyAccount(
        query, 1, m_received.supplier->currentText(), QStringLiteral("Error al encontrar el proveedor."));
    if (!supplier || !confirmInvoiceSave() || !insertReceivedInvoice(query, *supplier))
        return;

    MessageBoxes::information(this, tr("Información"), QStringLiteral("Datos guardados"));
    resetReceivedPage();
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
    // No type shows "Inversiones" and the account selector again; the steps below hide them.
    form.supplier->setCurrentIndex(-1);
    form.type->setCurrentIndex(-1);
    changeQuietly(
        form.account, &QComboBox::currentIndexChanged, &App::cc1, [&] { form.account->setCurrentIndex(-1); });
    form.account->hide();

    // Unticking runs each box's slot: "Inversiones" brings the purchase accounts back and
    // "Retención" empties the withholding line.
    const std::initializer_list<OptionBox> options{ form.investments, form.retail, form.reverseCharge,
        form.cashBasis, form.withholding, form.rental, form.professionals };
    for (const OptionBox &option : options) {
        option.box->hide();
        option.box->setChecked(false);
    }
    for (const OptionBox &option : options)
        option.label->hide();
    const WithholdingLine &withholding = form.withholdingLine;
    for (QLabel *label : { form.baseHeading, form.rateHeading, form.quotaHeading, form.blankHeading1,
             form.blankHeading2, withholding.baseHeading, withholding.percentageHeading,
             withholding.quotaHeading, form.accountLabel })
        label->hide();

    form.number->clear();
    hideAndEmpty(withholding.base);
    hideAndEmpty(withholding.percentage);
    hideAndEmpty(withholding.quota);
    for (ReceivedQuotaLine &line : form.lines) {
        for (QLineEdit *field : { line.base, line.rate, line.quota, line.fourth, line.fifth })
            hideAndEmpty(field);
    }

    m_dates[1].edit->setDate(m_today.date());
    form.supplier->setFocus();
}

void App::SearchNfr()
{
    const QString number = m_received.search.number->text();
    if (number.isEmpty() || !openDatabase())
        return;

    QSqlQuery query(m_db);
    query.prepare(QStringLiteral("SELECT * FROM frec WHERE nfac=:nfac"));
    query.bindValue(QStringLiteral(":nfac"), number);
    if (!execOrReport(query))
        return;
    if (!query.next()) {
        MessageBoxes::critical(
            this, tr("Información"), QStringLiteral("No existe ninguna factura con el nº introducido."));
        return;
    }
    // Only the number and the supplier are shown (columns nfac and proveedor).
    m_received.number->setText(query.value(2).toString());
    const QVariant supplier = query.value(1);
    selectInvoiceParty(query, m_received.supplier, supplier);
}
