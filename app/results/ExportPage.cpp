// "Enviar datos asesoría": the page's widgets.

#include "App.h"

#include "widgets/PageBuilder.h"

#include <QFont>
#include <QFrame>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

void App::buildExportPage()
{
    PageBuilder page(QStringLiteral("export"), this);
    ExportPage &form = m_export;
    form.frame = page.page();

    form.header = page.label(QStringLiteral("BRIVANA"), QPoint(175, 40), QStringLiteral("export.header"));
    QFont headerFont = form.header->font();
    headerFont.setPointSize(32);
    headerFont.setWeight(QFont::Bold);
    form.header->setFont(headerFont);
    form.header->adjustSize();

    form.logo = page.label(QString(), QPoint(307, 0), QStringLiteral("export.logo"));
    form.logo->setPixmap(QPixmap(QStringLiteral("logo.png")));
    form.logo->adjustSize();
    // The header reaches into the logo's opening: the text is drawn over the image.
    form.header->raise();

    form.send = page.button(QStringLiteral("export.send"), QStringLiteral("Enviar"), QPoint(363, 360));
    addHelpButton(5, page);
}
