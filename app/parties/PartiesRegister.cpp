// "Alta Clientes y Proveedores": storing, browsing, searching and correcting parties.

#include "App.h"

#include "parties/Nif.h"
#include "storage/PartyStore.h"
#include "widgets/MessageBoxes.h"

#include "widgets/FieldMarking.h"
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStringList>

namespace {
const QString requiredText = QStringLiteral("Este campo es obligatorio.");

// The seven texts of a party in the order of the form's text fields.
std::array<QString, 7> textsOf(const PartyRow &party)
{
    return { party.nif, party.name, party.address, party.postalCode, party.town, party.province,
        party.country };
}

// The party the form stands for.
PartyRow partyOf(const PartiesPage &form, int type)
{
    return PartyRow{ type, 0, form.nif->text(), form.name->text(), form.address->text(),
        form.postalCode->text(), form.town->text(), form.province->text(), form.country->text() };
}
} // namespace

void App::clearPartyForm()
{
    m_parties.type->setCurrentIndex(-1);
    for (QLineEdit *field : m_parties.textFields())
        field->clear();
}

void App::lookUpNif(const QString &nif)
{
    if (!openDatabase())
        return;
    const StoreResult<QList<PartyRow>> parties = partiesWithNif(m_db, nif);
    if (!okOrReport(parties.error))
        return;
    bool isClient = false;
    bool isSupplier = false;
    // The texts of the last one found.
    std::array<QString, 7> kept;
    for (const PartyRow &party : parties.value) {
        if (party.type == 0)
            isClient = true;
        else if (party.type == 1)
            isSupplier = true;
        kept = textsOf(party);
    }

    // The identifier written back is the one just looked up, so it changes nothing and
    // does not start another lookup.
    const auto fillForm = [&](int type, bool readOnly) {
        m_parties.type->setCurrentIndex(type);
        const auto fields = m_parties.textFields();
        for (std::size_t i = 0; i < fields.size(); ++i) {
            fields[i]->setText(kept[i]);
            fields[i]->setReadOnly(readOnly);
        }
    };

    if (isClient && isSupplier) {
        MessageBoxes::warning(this, tr("Advertencia"),
            QStringLiteral("El Nif/Cif introducido ya corresponde a un cliente\ny a un proveedor y no puede "
                           "volver a darlo de alta."));
        m_parties.nif->clear();
    } else if (isClient) {
        if (MessageBoxes::confirm(this, QMessageBox::Information, tr("Información"),
                QStringLiteral(
                    "El Nif/Cif introducido ya corresponde a un cliente.\n¿Desea darlo de alta como "
                    "proveedor?"),
                QStringLiteral("No"), QStringLiteral("Sí")))
            fillForm(1, true);
        else
            m_parties.nif->clear();
    } else if (isSupplier) {
        if (MessageBoxes::confirm(this, QMessageBox::Information, tr("Información"),
                QStringLiteral(
                    "El Nif/Cif introducido ya corresponde a un proveedor.\n¿Desea darlo de alta como "
                    "cliente?"),
                QStringLiteral("No"), QStringLiteral("Sí")))
            fillForm(0, false);
        else
            m_parties.nif->clear();
    }
}

void App::Save1()
{
    PartiesPage &form = m_parties;
    if (form.type->currentIndex() == -1) {
        MessageBoxes::warning(this, tr("Error"), requiredText);
        markField(form.type, true);
        return;
    }
    markField(form.type, false);
    const QString nif = form.nif->text();
    if (nif.size() != 9 || !validNif(nif)) {
        refuseField(this, form.nif, QStringLiteral("NiF/CiF no válido."));
        return;
    }
    if (!textFieldsFilled(this, form.textFields()))
        return;

    if (!openDatabase())
        return;
    const int type = form.type->currentIndex();
    PartyRow party = partyOf(form, type);

    if (m_editMode) {
        const StoreResult<int> updated = updateParty(m_db, party);
        if (okOrReport(updated.error) && rowsChangedOrReport(updated.value)) {
            MessageBoxes::information(
                this, tr("Información"), QStringLiteral("Datos actualizados correctamente."));
            clearPartyForm();
            toggleEdit();
        }
        m_db.close();
        return;
    }

    // The same identifier or name is a duplicate only within one role.
    {
        const StoreResult<bool> duplicate = partyExists(m_db, nif, party.name, type);
        if (!okOrReport(duplicate.error)) {
            m_db.close();
            return;
        }
        if (duplicate.value) {
            MessageBoxes::warning(this, tr("Error"), QStringLiteral("Este usuario ya ha sido dado de alta."));
            m_db.close();
            return;
        }
    }
    if (!MessageBoxes::confirm(this, QMessageBox::Information, tr("Información"),
            QStringLiteral(
                "Está a punto de guardar estos datos, por favor,\nasegúrese de que son correctos antes "
                "de continuar."),
            QStringLiteral("Rectificar"), QStringLiteral("Guardar")))
        return;

    bool stored = false;
    const StoreResult<std::optional<qlonglong>> last = lastAccount(m_db, type);
    if (okOrReport(last.error)) {
        if (!last.value) {
            MessageBoxes::critical(this, tr("Error"), QStringLiteral("Error inesperado en la base de datos"));
        } else {
            party.id = *last.value + 1;
            // The counter goes first; a failing insert leaves it advanced.
            const StoreResult<int> advanced = advanceLastAccount(m_db, type, party.id);
            if (okOrReport(advanced.error) && rowsChangedOrReport(advanced.value))
                stored = okOrReport(insertParty(m_db, party));
        }
    }
    if (stored) {
        ++m_recordCount;
        MessageBoxes::information(
            this, tr("Información"), QStringLiteral("El usuario se ha guardado correctamente."));
        clearPartyForm();
        form.type->setFocus();
        for (QLineEdit *field : form.textFields())
            field->setReadOnly(false);

        // The invoice pages choose parties by name: their lists follow every insert.
        if (openDatabase()) {
            refillPartyList(m_issued.client, 0);
            refillPartyList(m_received.supplier, 1);
        }
    }
    m_db.close();
}

void App::Clear1()
{
    if (!MessageBoxes::confirm(this, QMessageBox::Warning, tr("Información"),
            QStringLiteral("¿Está seguro de que desea limpiar todos los campos?"), QStringLiteral("No"),
            QStringLiteral("Sí")))
        return;
    clearPartyForm();
    m_parties.type->setFocus();
    // Fields left read-only by an accepted lookup would otherwise stay empty and locked.
    for (QLineEdit *field : m_parties.textFields())
        field->setReadOnly(false);
}

void App::toggleEdit()
{
    PartiesPage &form = m_parties;
    if (m_recordCount == 0) {
        MessageBoxes::information(
            this, tr("Información"), QStringLiteral("Aún no se ha dado de alta a ningún usuario."));
        return;
    }
    m_editMode = !m_editMode;
    if (m_editMode) {
        form.nif->setProperty("error", false);
        form.save->setText(QStringLiteral("Actualizar"));
        form.browse->hide();
        form.previous->show();
        form.next->show();
        form.search->show();
        form.type->setEnabled(false);
        form.nif->setReadOnly(true);
        form.name->setReadOnly(true);
        form.clear->hide();
        restyle(form.nif);
        restyle(form.name);
        // Loaded last: a record that cannot be found leaves the mode again from inside
        // loadC, and nothing here may undo that.
        loadC(m_current);
    } else {
        form.save->setText(QStringLiteral("Continuar"));
        form.browse->show();
        form.previous->hide();
        form.next->hide();
        form.search->hide();
        form.type->setEnabled(true);
        form.nif->setReadOnly(false);
        form.name->setReadOnly(false);
        form.clear->show();
        clearPartyForm();
        restyle(form.nif);
        restyle(form.name);
    }
}

void App::loadC(unsigned auid)
{
    if (!openDatabase())
        return;
    const StoreResult<std::optional<PartyRow>> party = partyAt(m_db, auid);
    if (!okOrReport(party.error))
        return;
    if (!party.value) {
        toggleEdit();
        MessageBoxes::critical(this, tr("Error"), QStringLiteral("Cliente o proveedor no encontrado."));
        return;
    }
    m_parties.type->setCurrentIndex(party.value->type);
    const auto fields = m_parties.textFields();
    const std::array<QString, 7> texts = textsOf(*party.value);
    for (std::size_t i = 0; i < fields.size(); ++i)
        fields[i]->setText(texts[i]);
}

void App::prevC()
{
    if (m_current > 1)
        --m_current;
    else
        m_current = unsigned(m_recordCount);
    loadC(m_current);
}

void App::nextC()
{
    ++m_current;
    if (m_current > unsigned(m_recordCount))
        m_current = 1;
    loadC(m_current);
}

void App::SearchNif0(const QString &text)
{
    QLineEdit *field = m_parties.searchNif;
    // The upper-cased text comes back through textChanged and is searched there.
    if (hasLowerCase(field->text())) {
        field->setText(text.toUpper());
        return;
    }
    if (text.size() != 9)
        return;
    if (!validNif(text)) {
        field->setStyleSheet(QStringLiteral("background-color: red"));
        return;
    }
    field->setStyleSheet(QStringLiteral("background-color: white"));

    if (!openDatabase())
        return;
    const StoreResult<std::optional<unsigned>> row
        = partyRowOfNif(m_db, text, m_parties.searchSupplier->isChecked() ? 1 : 0);
    if (!okOrReport(row.error))
        return;
    if (!row.value) {
        MessageBoxes::warning(
            this, tr("Error"), QStringLiteral("No existe ningún usuario con el NiF/CiF introducido"));
        return;
    }
    m_current = *row.value;
    loadC(m_current);
}
