// "Facturas Emitidas": the page's widgets.

#include "App.h"

#include "entries/InvoicePageParts.h"
#include "widgets/PageBuilder.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

void App::buildIssuedPage()
{
    PageBuilder page(QStringLiteral("issued"), this);
    IssuedPage &form = m_issued;
    form.frame = page.page();

    const InvoiceHeader header = addInvoiceHeader(page,
        { QStringLiteral("Cliente"), QStringLiteral("client"), true,
            { QStringLiteral("Operaciones Interiores"),
                QStringLiteral("Entregas y servicios intracomunitarios"),
                QStringLiteral("Exportaciones") } });
    form.client = header.party;
    form.series = header.series;
    form.number = header.number;
    form.search = header.search;
    m_dates[0] = header.date;
    form.type = header.type;

    form.retail = addOptionBox(
        page, QStringLiteral("issued.retail"), QStringLiteral("Comercio minorista"), QPoint(24, 192));
    form.surcharge = addOptionBox(
        page, QStringLiteral("issued.surcharge"), QStringLiteral("Recargo de Equivalencia"), QPoint(24, 212));
    form.reverseCharge = addOptionBox(page, QStringLiteral("issued.reverseCharge"),
        QStringLiteral("Inversión de Sujeto Pasivo"), QPoint(24, 232));
    form.cashBasis = addOptionBox(
        page, QStringLiteral("issued.cashBasis"), QStringLiteral("Criterio de caja"), QPoint(24, 252));
    form.withholding = addOptionBox(
        page, QStringLiteral("issued.withholding"), QStringLiteral("Retención"), QPoint(24, 272));
    form.rental = addOptionBox(page, QStringLiteral("issued.rental"),
        QStringLiteral("Alquiler de local de negocios"), QPoint(48, 292));
    form.professionals = addOptionBox(page, QStringLiteral("issued.professionals"),
        QStringLiteral("Profesionales y otros"), QPoint(48, 312));
    form.fixedAssetSale = addOptionBox(page, QStringLiteral("issued.fixedAssetSale"),
        QStringLiteral("Seleccionar en caso de venta de inmovilizado"), QPoint(24, 424));

    form.baseHeading
        = page.label(QStringLiteral("Base Imponible"), QPoint(350, 12), QStringLiteral("issued.baseHeading"));
    form.rateHeading = page.label(QStringLiteral("% IVA"), QPoint(440, 12));
    form.quotaHeading = page.label(QStringLiteral("Cuota IVA"), QPoint(530, 12));
    form.surchargeRateHeading = page.label(QStringLiteral("Rec. Equiv. (%)"), QPoint(620, 12));
    // A little left of its column, clear of the help button.
    form.surchargeQuotaHeading = page.label(QStringLiteral("Cuota R.E."), QPoint(707, 12));
    const int lineY[] = { 29, 61, 93 };
    for (size_t i = 0; i < form.lines.size(); ++i) {
        IssuedQuotaLine &line = form.lines[i];
        const QString name = QStringLiteral("issued.line%1.").arg(i + 1);
        const int y = lineY[i];
        line.base = addAmountField(page, name + QStringLiteral("base"), QPoint(350, y), false);
        line.rate = addAmountField(page, name + QStringLiteral("rate"), QPoint(440, y), false);
        line.quota = addAmountField(page, name + QStringLiteral("quota"), QPoint(530, y), true);
        line.surchargeRate
            = addAmountField(page, name + QStringLiteral("surchargeRate"), QPoint(620, y), false);
        line.surchargeQuota
            = addAmountField(page, name + QStringLiteral("surchargeQuota"), QPoint(710, y), true);
    }
    form.withholdingLine = addWithholdingLine(page, QStringLiteral("issued"));

    const InvoiceFooter footer = addInvoiceFooter(page,
        { QStringLiteral("70000000    Venta de mercaderías"),
            QStringLiteral("70500000    Prestaciones de servicios"),
            QStringLiteral("75200000    Ingresos por arrendamientos"),
            QStringLiteral("75900000    Ingresos por servicios diversos") });
    form.accountLabel = footer.accountLabel;
    form.account = footer.account;
    form.total = footer.total;
    form.save = footer.save;
    form.clear = footer.clear;
    addHelpButton(1, page);
}
