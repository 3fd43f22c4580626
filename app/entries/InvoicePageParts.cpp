#include "InvoicePageParts.h"

#include "widgets/PageBuilder.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWidgetAction>

QString invoiceCodePattern(int length)
{
    return QStringLiteral("[0-9A-Za-z/\\-_ñÑ]{%1}").arg(length);
}

OptionBox addOptionBox(PageBuilder &page, const QString &name, const QString &text, QPoint boxPos)
{
    OptionBox option;
    option.box = page.checkBox(name, boxPos);
    option.label = page.label(text, boxPos + QPoint(24, 0), name + QStringLiteral(".label"));
    return option;
}

QLineEdit *addAmountField(PageBuilder &page, const QString &name, QPoint pos, bool readOnly)
{
    QLineEdit *field = page.lineEdit(name, pos, QSize(60, 20), amountPattern);
    if (readOnly) {
        field->setText(QStringLiteral("0"));
        field->setReadOnly(true);
    }
    return field;
}

WithholdingLine addWithholdingLine(PageBuilder &page, const QString &prefix)
{
    WithholdingLine line;
    line.baseHeading = page.label(QStringLiteral("Base Ret IRPF"), QPoint(350, 140));
    line.percentageHeading = page.label(QStringLiteral("Retención (%)"), QPoint(440, 140));
    line.quotaHeading = page.label(QStringLiteral("Cuota Ret."), QPoint(530, 140));
    line.base = addAmountField(page, prefix + QStringLiteral(".withholding.base"), QPoint(350, 157), false);
    line.percentage
        = addAmountField(page, prefix + QStringLiteral(".withholding.percentage"), QPoint(440, 157), false);
    line.quota = addAmountField(page, prefix + QStringLiteral(".withholding.quota"), QPoint(530, 157), true);
    return line;
}

InvoiceSearch addInvoiceSearch(PageBuilder &page, const QString &prefix)
{
    InvoiceSearch search;
    search.button = page.iconButton(
        prefix + QStringLiteral(".search"), QStringLiteral("search-icon.png"), QPoint(264, 92));
    search.menu = new QMenu(search.button);
    auto *box = new QWidget(search.menu);
    auto *layout = new QVBoxLayout(box);
    search.number = new QLineEdit(box);
    search.number->setObjectName(prefix + QStringLiteral(".searchNumber"));
    layout->addWidget(search.number);
    auto *action = new QWidgetAction(search.menu);
    action->setDefaultWidget(box);
    search.menu->addAction(action);
    search.button->setMenu(search.menu);
    return search;
}

InvoiceHeader addInvoiceHeader(PageBuilder &page, const InvoiceHeaderContent &content)
{
    const QString prefix = page.page()->objectName() + QLatin1Char('.');
    InvoiceHeader header;
    page.label(content.partyLabel, QPoint(24, 32));
    header.party = page.comboBox(prefix + content.partyName, QPoint(100, 29), {}, 192);
    if (content.hasSeries) {
        page.label(QStringLiteral("Serie"), QPoint(24, 64));
        header.series = page.lineEdit(
            prefix + QStringLiteral("series"), QPoint(100, 61), QSize(80, 20), invoiceCodePattern(12));
    }
    page.label(QStringLiteral("Nº Factura"), QPoint(24, 96));
    header.number = page.lineEdit(
        prefix + QStringLiteral("number"), QPoint(100, 93), QSize(160, 20), invoiceCodePattern(24));
    header.search = addInvoiceSearch(page, page.page()->objectName());
    page.label(QStringLiteral("Fecha"), QPoint(24, 128));
    header.date = addDateField(page, QPoint(100, 125), QPoint(188, 124));
    page.label(QStringLiteral("Tipo de Factura"), QPoint(24, 160));
    header.type = page.comboBox(prefix + QStringLiteral("type"), QPoint(120, 157), content.types);
    return header;
}

InvoiceFooter addInvoiceFooter(PageBuilder &page, const QStringList &accounts)
{
    const QString prefix = page.page()->objectName() + QLatin1Char('.');
    InvoiceFooter footer;
    footer.accountLabel = page.label(QStringLiteral("Cuenta contable"), QPoint(324, 192));
    footer.account = page.comboBox(prefix + QStringLiteral("account"), QPoint(416, 189), accounts, 320);
    page.label(QStringLiteral("TOTAL"), QPoint(324, 424));
    footer.total = page.readOnlyField(prefix + QStringLiteral("total"), QPoint(384, 421), QSize(80, 20));
    footer.save = page.button(prefix + QStringLiteral("save"), QStringLiteral("Continuar"), QPoint(512, 419));
    footer.clear = page.button(prefix + QStringLiteral("clear"), QStringLiteral("Limpiar"), QPoint(612, 419));
    return footer;
}

namespace {

void hideAll(std::initializer_list<QWidget *> widgets)
{
    for (QWidget *widget : widgets)
        widget->hide();
}

void hideOptions(std::initializer_list<OptionBox> options)
{
    for (const OptionBox &option : options)
        hideAll({ option.box, option.label });
}

void hideWithholdingLine(const WithholdingLine &line)
{
    hideAll({ line.base, line.percentage, line.quota, line.baseHeading, line.percentageHeading,
        line.quotaHeading });
}

} // namespace

void hideWhenEmpty(const IssuedPage &page)
{
    hideOptions({ page.retail, page.surcharge, page.reverseCharge, page.cashBasis, page.withholding,
        page.rental, page.professionals });
    hideAll({ page.baseHeading, page.rateHeading, page.quotaHeading, page.surchargeRateHeading,
        page.surchargeQuotaHeading });
    for (const IssuedQuotaLine &line : page.lines)
        hideAll({ line.base, line.rate, line.quota, line.surchargeRate, line.surchargeQuota });
    hideWithholdingLine(page.withholdingLine);
    hideAll({ page.accountLabel, page.account });
}

void hideWhenEmpty(const ReceivedPage &page)
{
    hideOptions({ page.investments, page.retail, page.reverseCharge, page.cashBasis, page.withholding,
        page.rental, page.professionals });
    hideAll(
        { page.baseHeading, page.rateHeading, page.quotaHeading, page.blankHeading1, page.blankHeading2 });
    for (const ReceivedQuotaLine &line : page.lines)
        hideAll({ line.base, line.rate, line.quota, line.fourth, line.fifth });
    hideWithholdingLine(page.withholdingLine);
    hideAll({ page.accountLabel, page.account });
}
