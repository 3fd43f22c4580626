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

    page.label(QStringLiteral("Proveedor"), QPoint(24, 32));
    form.supplier = page.comboBox(QStringLiteral("received.supplier"), QPoint(100, 29), {}, 192);
    page.label(QStringLiteral("Nº Factura"), QPoint(24, 96));
    form.number = page.lineEdit(
        QStringLiteral("received.number"), QPoint(100, 93), QSize(160, 20), invoiceCodePattern(24));
    form.search = addInvoiceSearch(page, QStringLiteral("received"));
    page.label(QStringLiteral("Fecha"), QPoint(24, 128));
    addDateField(1, page, QPoint(100, 125), QPoint(188, 124));
    page.label(QStringLiteral("Tipo de Factura"), QPoint(24, 160));
    form.type = page.comboBox(QStringLiteral("received.type"), QPoint(120, 157),
        { QStringLiteral("Operaciones Interiores"), QStringLiteral("Adquisiciones intracomunitarias"),
            QStringLiteral("Importaciones") });

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

    form.accountLabel = page.label(QStringLiteral("Cuenta contable"), QPoint(324, 192));
    form.account
        = page.comboBox(QStringLiteral("received.account"), QPoint(416, 189), purchaseAccounts(), 320);

    page.label(QStringLiteral("TOTAL"), QPoint(324, 424));
    form.total = page.readOnlyField(QStringLiteral("received.total"), QPoint(384, 421), QSize(80, 20));
    form.save = page.button(QStringLiteral("received.save"), QStringLiteral("Continuar"), QPoint(512, 419));
    form.clear = page.button(QStringLiteral("received.clear"), QStringLiteral("Limpiar"), QPoint(612, 419));
    addHelpButton(2, page);
}
