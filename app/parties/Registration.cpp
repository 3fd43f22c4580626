// The owner's registration, and the choice at start-up between the form and the tabs.

#include "App.h"

#include "parties/Nif.h"
#include "storage/OwnerStore.h"
#include "widgets/MessageBoxes.h"

#include "widgets/FieldMarking.h"
#include <QComboBox>
#include <QFrame>
#include <QLineEdit>
#include <QTabWidget>

void App::readOwnerAtStartup()
{
    std::optional<OwnerRow> owner;
    if (openDatabase()) {
        StoreResult<std::optional<OwnerRow>> stored = readOwner(m_db);
        if (okOrReport(stored.error))
            owner = std::move(stored.value);
    }
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

void App::showOwner(const OwnerRow &owner)
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
        refuseField(this, form.nif, QStringLiteral("NiF/CiF no válido."));
        return;
    }
    if (!textFieldsFilled(this, form.textFields()))
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
    const StoreResult<std::optional<OwnerRow>> owner = readOwner(m_db);
    if (!okOrReport(owner.error))
        return;
    if (owner.value) {
        m_db.close();
        MessageBoxes::information(
            this, tr("Información"), QStringLiteral("Ya hay un titular registrado: se muestran sus datos."));
        showOwner(*owner.value);
        return;
    }
    const OwnerRow stored{ nif, form.name->text(), form.address->text(), form.postalCode->text(),
        form.town->text(), form.province->text(), form.country->text(), form.technician->currentIndex() };
    if (!okOrReport(insertOwner(m_db, stored)))
        return;

    MessageBoxes::information(this, tr("Información"), QStringLiteral("Se ha registrado correctamente."));
    m_ownerNif = nif;
    showTabs(form.name->text(), form.technician->currentText());
}
