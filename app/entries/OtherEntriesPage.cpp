// "Otros Gastos e Ingresos": the page's widgets.

#include "App.h"

#include "entries/InvoicePageParts.h"
#include "widgets/PageBuilder.h"

#include <QComboBox>
#include <QFrame>
#include <QLineEdit>
#include <QPushButton>

void App::buildOtherEntriesPage()
{
    PageBuilder page(QStringLiteral("other"), this);
    OtherEntriesPage &form = m_other;
    form.frame = page.page();

    page.label(QStringLiteral("Fecha"), QPoint(24, 32));
    m_dates[2] = addDateField(page, QPoint(100, 29), QPoint(188, 28));
    page.label(QStringLiteral("Importe"), QPoint(24, 64));
    form.amount
        = page.lineEdit(QStringLiteral("other.amount"), QPoint(100, 61), QSize(80, 20), amountPattern);
    page.label(QStringLiteral("Cuenta Gastos"), QPoint(24, 96));
    form.account = page.comboBox(QStringLiteral("other.account"), QPoint(100, 93),
        { QStringLiteral("62500000\tSeguros"), QStringLiteral("62600000\tComisiones bancarias"),
            QStringLiteral("63100000\tImpuestos municipales"), QStringLiteral("64000000\tSueldos brutos"),
            QStringLiteral("64200000\tAutonomo"),
            QStringLiteral("64200001\tSeguridad Social a cargo de la empresa"),
            QStringLiteral("66900000\tPago Intereses de préstamos"),
            QStringLiteral("66900001\tPago Intereses de cuentas bancarias"),
            QStringLiteral("67800000\tGasto extraordinario"),
            QStringLiteral("74000000\tSubvenciones recibidas"),
            QStringLiteral("76900000\tCobro intereses bancarios"),
            QStringLiteral("77800000\tIngreso extraordinario") },
        320);
    form.save = page.button(QStringLiteral("other.save"), QStringLiteral("Continuar"), QPoint(100, 125));
    addHelpButton(3, page);
}
