// "Facturas Emitidas": loading a stored invoice by its number.

#include "App.h"

#include "storage/StoredForms.h"

#include "entries/Amount.h"
#include "widgets/MessageBoxes.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QSqlQuery>
#include <QSqlRecord>

namespace {

// Positions in `SELECT * FROM femi`.
enum Column {
    Client = 1,
    Series,
    Number,
    Date,
    Type,
    Retail,
    Surcharge,
    ReverseCharge,
    CashBasis,
    Withholding,
    Rental,
    Professionals,
    FixedAssetSale,
    FirstLine,
    WithholdingBase = 34,
    WithholdingPercentage,
    WithholdingQuota,
    Total,
    Account,
};

// What the user typed comes back editable, exactly as stored; what the program computed
// comes back in the display format.
QString typedAmount(const QVariant &value)
{
    return editableAmount(value.toFloat());
}

QString computedAmount(const QVariant &value)
{
    return displayAmount(value.toFloat());
}

void tick(const OptionBox &option, const QVariant &value)
{
    option.box->setChecked(value.toBool());
}

} // namespace

void App::SearchNfe()
{
    const std::optional<QSqlRecord> found
        = findInvoice(QStringLiteral("femi"), m_issued.search.number->text());
    if (!found)
        return;
    const QSqlRecord &row = *found;

    // Each write runs the same reactions as the user's input would, in this order, so a
    // later write may replace what an earlier one computed.
    const IssuedPage &form = m_issued;
    form.series->setText(row.value(Series).toString());
    form.number->setText(row.value(Number).toString());
    m_dates[0].edit->setDate(QDate::fromString(row.value(Date).toString(), StoredDateFormat));
    form.type->setCurrentIndex(row.value(Type).toInt());
    tick(form.retail, row.value(Retail));
    tick(form.surcharge, row.value(Surcharge));
    tick(form.reverseCharge, row.value(ReverseCharge));
    // Loading is no new choice: no contact message.
    changeQuietly(form.cashBasis.box, &QCheckBox::stateChanged, &App::crit0,
        [&] { tick(form.cashBasis, row.value(CashBasis)); });
    tick(form.withholding, row.value(Withholding));
    tick(form.rental, row.value(Rental));
    tick(form.professionals, row.value(Professionals));
    changeQuietly(form.fixedAssetSale.box, &QCheckBox::stateChanged, &App::vin,
        [&] { tick(form.fixedAssetSale, row.value(FixedAssetSale)); });

    for (size_t i = 0; i < form.lines.size(); ++i) {
        const IssuedQuotaLine &line = form.lines[i];
        const int first = FirstLine + 5 * int(i);
        line.base->setText(typedAmount(row.value(first)));
        line.rate->setText(typedAmount(row.value(first + 1)));
        line.quota->setText(computedAmount(row.value(first + 2)));
        line.surchargeRate->setText(typedAmount(row.value(first + 3)));
        line.surchargeQuota->setText(computedAmount(row.value(first + 4)));
    }
    const WithholdingLine &withholding = form.withholdingLine;
    withholding.base->setText(typedAmount(row.value(WithholdingBase)));
    withholding.percentage->setText(typedAmount(row.value(WithholdingPercentage)));
    withholding.quota->setText(computedAmount(row.value(WithholdingQuota)));
    form.total->setText(computedAmount(row.value(Total)));

    const QString account = row.value(Account).toString();
    for (int i = 0; i < form.account->count(); ++i) {
        if (form.account->itemText(i).left(8) == account) {
            changeQuietly(form.account, &QComboBox::currentIndexChanged, &App::cc0,
                [&] { form.account->setCurrentIndex(i); });
            break;
        }
    }

    selectInvoiceParty(form.client, row.value(Client));
}
