// The owner's registration form: a page of its own, not one of the six tabs.

#include "App.h"

#include "parties/PlaceName.h"
#include "widgets/PageBuilder.h"
#include "widgets/TextLength.h"

#include <QComboBox>
#include <QFrame>
#include <QLineEdit>
#include <QPushButton>

void App::buildRegistrationPage()
{
    PageBuilder page(QStringLiteral("registration"), this);
    RegistrationPage &form = m_registration;
    form.frame = page.page();

    const int labelX = 192;
    const int fieldX = 288;
    page.label(QStringLiteral("NiF/CiF"), QPoint(labelX, 64));
    page.label(QStringLiteral("Razón Social"), QPoint(labelX, 96));
    page.label(QStringLiteral("Dirección"), QPoint(labelX, 128));
    page.label(QStringLiteral("Código Postal"), QPoint(labelX, 160));
    page.label(QStringLiteral("Población"), QPoint(labelX, 192));
    page.label(QStringLiteral("Provincia"), QPoint(labelX, 224));
    page.label(QStringLiteral("País"), QPoint(labelX, 256));
    page.label(QStringLiteral("Técnico asignado"), QPoint(labelX, 288));

    form.nif = page.lineEdit(QStringLiteral("registration.nif"), QPoint(fieldX, 61), QSize(72, 20),
        QStringLiteral("[A-Za-z0-9]{1}\\d{7}[A-Za-z0-9]{1}"));
    form.name = page.lineEdit(QStringLiteral("registration.name"), QPoint(fieldX, 93), QSize(320, 20));
    limitLength(form.name, 64);
    form.address = page.lineEdit(QStringLiteral("registration.address"), QPoint(fieldX, 125), QSize(320, 20));
    limitLength(form.address, 64);
    form.postalCode = page.lineEdit(QStringLiteral("registration.postalCode"), QPoint(fieldX, 157),
        QSize(40, 20), QStringLiteral("\\d{5}"));
    form.town = page.lineEdit(
        QStringLiteral("registration.town"), QPoint(fieldX, 189), QSize(), placeNamePattern(40));
    form.province = page.lineEdit(
        QStringLiteral("registration.province"), QPoint(fieldX, 221), QSize(72, 20), placeNamePattern(24));
    form.country = page.lineEdit(
        QStringLiteral("registration.country"), QPoint(fieldX, 253), QSize(72, 20), placeNamePattern(24));
    form.technician = page.comboBox(QStringLiteral("registration.technician"), QPoint(fieldX, 285),
        { QStringLiteral("Ardanel"), QStringLiteral("Belisor"), QStringLiteral("Corvena") });
    form.registerButton = page.button(
        QStringLiteral("registration.register"), QStringLiteral("Registrar"), QPoint(fieldX, 317));
}
