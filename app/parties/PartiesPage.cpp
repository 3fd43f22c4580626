// "Alta Clientes y Proveedores": the page's widgets.

#include "App.h"

#include "parties/PlaceName.h"
#include "widgets/PageBuilder.h"
#include "widgets/TextLength.h"

#include <QComboBox>
#include <QFrame>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <QStyle>
#include <QVBoxLayout>
#include <QWidgetAction>

namespace {
const QString nifPattern = QStringLiteral("[A-Za-z0-9]{1}\\d{7}[A-Za-z0-9]{1}");
}

void App::buildPartiesPage()
{
    PageBuilder page(QStringLiteral("parties"), this);
    PartiesPage &form = m_parties;
    form.frame = page.page();

    form.type = page.comboBox(QStringLiteral("parties.type"), QPoint(100, 29),
        { QStringLiteral("Cliente"), QStringLiteral("Proveedor") });

    const int labelX = 24;
    const int fieldX = 100;
    page.label(QStringLiteral("NiF/CiF"), QPoint(labelX, 64));
    page.label(QStringLiteral("Razón Social"), QPoint(labelX, 96));
    page.label(QStringLiteral("Dirección"), QPoint(labelX, 128));
    page.label(QStringLiteral("Código Postal"), QPoint(labelX, 160));
    page.label(QStringLiteral("Población"), QPoint(labelX, 192));
    page.label(QStringLiteral("Provincia"), QPoint(labelX, 224));
    page.label(QStringLiteral("País"), QPoint(labelX, 256));

    form.nif = page.lineEdit(QStringLiteral("parties.nif"), QPoint(fieldX, 61), QSize(72, 20), nifPattern);
    // Read-only, so bold, while browsing: an identifier of wide letters needs a pixel more
    // than the fixed width leaves, so the text may come a pixel nearer the frame each side.
    form.nif->setTextMargins(-1, 0, -1, 0);
    form.name = page.lineEdit(QStringLiteral("parties.name"), QPoint(fieldX, 93), QSize(320, 20));
    limitLength(form.name, 64);
    form.address = page.lineEdit(QStringLiteral("parties.address"), QPoint(fieldX, 125), QSize(320, 20));
    limitLength(form.address, 64);
    form.postalCode = page.lineEdit(
        QStringLiteral("parties.postalCode"), QPoint(fieldX, 157), QSize(40, 20), QStringLiteral("\\d{5}"));
    form.town
        = page.lineEdit(QStringLiteral("parties.town"), QPoint(fieldX, 189), QSize(), placeNamePattern(40));
    form.province = page.lineEdit(
        QStringLiteral("parties.province"), QPoint(fieldX, 221), QSize(72, 20), placeNamePattern(24));
    form.country = page.lineEdit(
        QStringLiteral("parties.country"), QPoint(fieldX, 253), QSize(72, 20), placeNamePattern(24));

    form.save = page.button(QStringLiteral("parties.save"), QStringLiteral("Continuar"), QPoint(100, 288));
    form.clear = page.button(QStringLiteral("parties.clear"), QStringLiteral("Limpiar"), QPoint(200, 288));
    form.browse
        = page.button(QStringLiteral("parties.browse"), QStringLiteral("Ver registros"), QPoint(256, 28));
    form.previous = page.button(QStringLiteral("parties.previous"), QString(), QPoint(56, 28));
    form.previous->setIcon(style()->standardIcon(QStyle::SP_ArrowBack));
    form.previous->adjustSize();
    form.next = page.button(QStringLiteral("parties.next"), QString(), QPoint(188, 28));
    form.next->setIcon(style()->standardIcon(QStyle::SP_ArrowForward));
    form.next->adjustSize();
    form.search = page.iconButton(
        QStringLiteral("parties.search"), QStringLiteral("search-icon.png"), QPoint(280, 28));

    // The search pop-up: whose identifier, and the identifier itself.
    form.searchMenu = new QMenu(form.search);
    auto *searchBox = new QWidget(form.searchMenu);
    auto *searchLayout = new QVBoxLayout(searchBox);
    form.searchClient = new QRadioButton(QStringLiteral("Cliente"), searchBox);
    form.searchClient->setObjectName(QStringLiteral("parties.searchClient"));
    form.searchClient->setChecked(true);
    form.searchSupplier = new QRadioButton(QStringLiteral("Proveedor"), searchBox);
    form.searchSupplier->setObjectName(QStringLiteral("parties.searchSupplier"));
    form.searchNif = new QLineEdit(searchBox);
    form.searchNif->setObjectName(QStringLiteral("parties.searchNif"));
    form.searchNif->setValidator(
        new QRegularExpressionValidator(QRegularExpression(nifPattern), form.searchNif));
    searchLayout->addWidget(form.searchClient);
    searchLayout->addWidget(form.searchSupplier);
    searchLayout->addWidget(form.searchNif);
    auto *searchAction = new QWidgetAction(form.searchMenu);
    searchAction->setDefaultWidget(searchBox);
    form.searchMenu->addAction(searchAction);
    form.search->setMenu(form.searchMenu);

    addHelpButton(0, page);
}
