#include "InvoicePageParts.h"

#include "widgets/PageBuilder.h"

#include <QCheckBox>
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
