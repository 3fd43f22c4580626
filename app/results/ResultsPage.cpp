// "IVA y resultados": the page's widgets.

#include "App.h"

#include "entries/InvoicePageParts.h"
#include "widgets/PageBuilder.h"
#include "widgets/PieChart.h"

#include <QComboBox>
#include <QFrame>
#include <QLineEdit>

void App::buildResultsPage()
{
    PageBuilder page(QStringLiteral("results"), this);
    ResultsPage &form = m_results;
    form.frame = page.page();
    const QSize fieldSize(80, 20);

    page.label(QStringLiteral("IVA"), QPoint(32, 16));
    page.label(QStringLiteral("Trimestre"), QPoint(24, 44));
    form.quarter = page.comboBox(QStringLiteral("results.quarter"), QPoint(128, 41),
        { QStringLiteral("1º Trimestre"), QStringLiteral("2º Trimestre"), QStringLiteral("3º Trimestre"),
            QStringLiteral("4º Trimestre") });
    page.label(QStringLiteral("IVA Soportado"), QPoint(24, 76));
    form.supported = page.readOnlyField(QStringLiteral("results.supported"), QPoint(128, 72), fieldSize);
    page.label(QStringLiteral("IVA Repercutido"), QPoint(24, 108));
    form.charged = page.readOnlyField(QStringLiteral("results.charged"), QPoint(128, 104), fieldSize);
    page.label(QStringLiteral("Resultado"), QPoint(24, 140));
    form.quarterResult
        = page.readOnlyField(QStringLiteral("results.quarterResult"), QPoint(128, 136), fieldSize);
    // A little left of the other labels, clear of its field.
    page.label(QStringLiteral("Compensaciones del\nTrimestre Anterior"), QPoint(21, 165));
    form.compensation
        = page.lineEdit(QStringLiteral("results.compensation"), QPoint(128, 168), fieldSize, amountPattern);
    page.label(QStringLiteral("(Debe introducir a mano este dato)."), QPoint(216, 172));
    page.label(QStringLiteral("Resultado final"), QPoint(24, 204));
    form.finalResult = page.readOnlyField(QStringLiteral("results.finalResult"), QPoint(128, 200), fieldSize);

    m_pie = page.place(new PieChart(form.frame), QPoint(620, 50), QStringLiteral("results.pie"));
    m_pie->setFixedSize(120, 120);
    page.label(QStringLiteral("IVA Soportado (Azul)\nIVA Repercutido (Rojo)"), QPoint(636, 180));
    auto *separator = page.place(new QFrame(form.frame), QPoint(0, 230), QStringLiteral("results.separator"));
    separator->setFrameShape(QFrame::HLine);
    separator->setFrameShadow(QFrame::Sunken);
    separator->setFixedSize(800, 4);

    page.label(QStringLiteral("Datos y Resultado"), QPoint(32, 244));
    page.label(QStringLiteral("Año"), QPoint(24, 282));
    form.year = page.comboBox(QStringLiteral("results.year"), QPoint(56, 279), {});
    // The years arrive with today's date. Wide enough for a year, the list ends short of
    // "Mes" at x 128.
    form.year->setFixedWidth(64);
    page.label(QStringLiteral("Mes"), QPoint(128, 282));
    form.month = page.comboBox(QStringLiteral("results.month"), QPoint(160, 279),
        { QStringLiteral("Enero"), QStringLiteral("Febrero"), QStringLiteral("Marzo"),
            QStringLiteral("Abril"), QStringLiteral("Mayo"), QStringLiteral("Junio"), QStringLiteral("Julio"),
            QStringLiteral("Agosto"), QStringLiteral("Septiembre"), QStringLiteral("Octubre"),
            QStringLiteral("Noviembre"), QStringLiteral("Diciembre") });
    page.label(QStringLiteral("Ingresos"), QPoint(24, 314));
    form.income = page.readOnlyField(QStringLiteral("results.income"), QPoint(128, 310), fieldSize);
    page.label(QStringLiteral("Gastos"), QPoint(24, 346));
    form.expenses = page.readOnlyField(QStringLiteral("results.expenses"), QPoint(128, 342), fieldSize);
    page.label(QStringLiteral("Resultado"), QPoint(24, 378));
    form.monthResult = page.readOnlyField(QStringLiteral("results.monthResult"), QPoint(128, 374), fieldSize);
    addHelpButton(4, page);
}
