// "Facturas Recibidas": the page's widgets.

#include "App.h"

#include "entries/InvoicePageParts.h"
#include "entries/ReceivedAccounts.h"
#include "widgets/PageBuilder.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

void App::buildReceivedPage()
{
    PageBuilder page(QStringLiteral("received"), this);
    ReceivedPage &form = m_received;
    form.frame = page.page();

    const InvoiceHeader header = addInvoiceHeader(page,
        { QStringLiteral("Proveedor"), QStringLiteral("supplier"), false,
            { QStringLiteral("Operaciones Interiores"), QStringLiteral("Adquisiciones intracomunitarias"),
                QStringLiteral("Importaciones") } });
    form.supplier = header.party;
    form.number = header.number;
    form.search = header.search;
    m_dates[1] = header.date;
    form.type = header.type;

    form.investments = addOptionBox(
        page, QStringLiteral("received.investments"), QStringLiteral("Inversiones"), QPoint(24, 192));
    form.retail = addOptionBox(
        page, QStringLiteral("received.retail"), QStringLiteral("Comercio minorista"), QPoint(24, 212));
    form.reverseCharge = addOptionBox(page, QStringLiteral("received.reverseCharge"),
        QStringLiteral("Inversión de Sujeto Pasivo"), QPoint(24, 232));
    form.cashBasis = addOptionBox(
        page, QStringLiteral("received.cashBasis"), QStringLiteral("Criterio de caja"), QPoint(24, 252));
    form.withholding = addOptionBox(
        page, QStringLiteral("received.withholding"), QStringLiteral("Retención"), QPoint(24, 272));
    form.rental
        = addOptionBox(page, QStringLiteral("received.rental"), QStringLiteral("Alquiler"), QPoint(48, 292));
    form.professionals = addOptionBox(page, QStringLiteral("received.professionals"),
        QStringLiteral("Profesionales y otros"), QPoint(48, 312));

    form.baseHeading = page.label(
        QStringLiteral("Base Imponible"), QPoint(350, 12), QStringLiteral("received.baseHeading"));
    form.rateHeading = page.label(QStringLiteral("% IVA"), QPoint(440, 12));
    form.quotaHeading = page.label(QStringLiteral("Cuota IVA"), QPoint(536, 12));
    form.blankHeading1 = page.label(QString(), QPoint(538, 12));
    form.blankHeading2 = page.label(QString(), QPoint(654, 12));
    const int lineY[] = { 29, 61, 93 };
    for (size_t i = 0; i < form.lines.size(); ++i) {
        ReceivedQuotaLine &line = form.lines[i];
        const QString name = QStringLiteral("received.line%1.").arg(i + 1);
        const int y = lineY[i];
        line.base = addAmountField(page, name + QStringLiteral("base"), QPoint(350, y), false);
        line.rate = addAmountField(page, name + QStringLiteral("rate"), QPoint(440, y), false);
        line.quota = addAmountField(page, name + QStringLiteral("quota"), QPoint(530, y), true);
        line.fourth = addAmountField(page, name + QStringLiteral("fourth"), QPoint(560, y), true);
        line.fifth = addAmountField(page, name + QStringLiteral("fifth"), QPoint(680, y), true);
    }
    form.withholdingLine = addWithholdingLine(page, QStringLiteral("received"));

    const InvoiceFooter footer = addInvoiceFooter(page, purchaseAccounts());
    form.accountLabel = footer.accountLabel;
    form.account = footer.account;
    form.total = footer.total;
    form.save = footer.save;
    form.clear = footer.clear;
    addHelpButton(2, page);
}
