// The owner's registration, and the choice at start-up between the form and the tabs.

#include "App.h"

#include "parties/Nif.h"
#include "widgets/MessageBoxes.h"

#include <QComboBox>
#include <QFrame>
#include <QLineEdit>
#include <QSqlError>
#include <QSqlQuery>
#include <QTabWidget>

void App::readOwnerAtStartup()
{
    std::optional<Owner> owner;
    if (openDatabase())
        readOwner(owner);
    m_db.close();
    if (owner) {
        showOwner(*owner);
        m_registration.frame->setParent(this);
        m_registration.frame->hide();
    } else {
        // The tabs wait aside, hidden, until reg() swaps them in.
        m_tabs->hide();
        setCentralWidget(m_registration.frame);
    }
}

bool App::readOwner(std::optional<Owner> &owner)
{
    owner.reset();
    QSqlQuery query(m_db);
    if (!execOrReport(query, QStringLiteral("SELECT nif, rs, tecn FROM admin")))
        return false;
    if (query.next())
        owner = Owner{ query.value(0).toString(), query.value(1).toString(), query.value(2).toInt() };
    return true;
}

void App::showOwner(const Owner &owner)
{
    m_ownerNif = owner.nif;
    showTabs(owner.businessName, m_registration.technician->itemText(owner.technician));
}

void App::showTabs(const QString &businessName, const QString &technician)
{
    if (centralWidget() == m_registration.frame) {
        // Taking the form out keeps it alive (setCentralWidget would delete it).
        takeCentralWidget();
        m_registration.frame->setParent(this);
        m_registration.frame->hide();
    }
    setCentralWidget(m_tabs);
    m_tabs->show();
    setWindowTitle(QStringLiteral("Brivana - ") + businessName + QStringLiteral(" ( ") + technician
        + QStringLiteral(" )"));
}

void App::reg()
{
    RegistrationPage &form = m_registration;
    const QString nif = form.nif->text();
    if (nif.size() != 9 || !validNif(nif)) {
        refuseField(form.nif, QStringLiteral("NiF/CiF no válido."));
        return;
    }
    if (!textFieldsFilled(form.textFields()))
        return;
    if (form.technician->currentIndex() == -1) {
        MessageBoxes::warning(this, tr("Error"), QStringLiteral("Este campo es obligatorio."));
        markField(form.technician, true);
        return;
    }
    markField(form.technician, false);

    if (!openDatabase())
        return;
    // The form may show although an owner exists (the start could not read `admin`, for
    // instance while the file was locked): that owner stays the only one.
    std::optional<Owner> owner;
    if (!readOwner(owner))
        return;
    if (owner) {
        m_db.close();
        MessageBoxes::information(
            this, tr("Información"), QStringLiteral("Ya hay un titular registrado: se muestran sus datos."));
        showOwner(*owner);
        return;
    }
    QSqlQuery query(m_db);
    query.prepare(QStringLiteral("INSERT INTO admin (nif, rs, dir, cp, pobl, prov, pais, tecn) VALUES (:nif, "
                                 ":rs, :dir, :cp, :pobl, :prov, :pais, :tecn);"));
    query.bindValue(QStringLiteral(":nif"), nif);
    query.bindValue(QStringLiteral(":rs"), form.name->text());
    query.bindValue(QStringLiteral(":dir"), form.address->text());
    query.bindValue(QStringLiteral(":cp"), form.postalCode->text().toInt(nullptr, 10));
    query.bindValue(QStringLiteral(":pobl"), form.town->text());
    query.bindValue(QStringLiteral(":prov"), form.province->text());
    query.bindValue(QStringLiteral(":pais"), form.country->text());
    query.bindValue(QStringLiteral(":tecn"), form.technician->currentIndex());
    if (!execOrReport(query))
        return;

    MessageBoxes::information(this, tr("Información"), QStringLiteral("Se ha registrado correctamente."));
    m_ownerNif = nif;
    showTabs(form.name->text(), form.technician->currentText());
}
