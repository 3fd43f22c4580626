// "Alta Clientes y Proveedores": storing, browsing, searching and correcting parties.

#include "App.h"

#include "parties/Nif.h"
#include "widgets/MessageBoxes.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSqlQuery>
#include <QStringList>

namespace {
const QString requiredText = QStringLiteral("Este campo es obligatorio.");
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
    QSqlQuery query(m_db);
    query.prepare(QStringLiteral("SELECT * FROM cap WHERE nif=:nif"));
    query.bindValue(QStringLiteral(":nif"), nif);
    if (!execOrReport(query))
        return;
    bool isClient = false;
    bool isSupplier = false;
    QStringList kept;
    while (query.next()) {
        if (query.value(1).toInt() == 0)
            isClient = true;
        else if (query.value(1).toInt() == 1)
            isSupplier = true;
        kept.clear();
        for (int column = 3; column <= 9; ++column)
            kept << query.value(column).toString();
    }

    // The identifier written back is the one just looked up, so it changes nothing and
    // does not start another lookup.
    const auto fillForm = [&](int type, bool readOnly) {
        m_parties.type->setCurrentIndex(type);
        const auto fields = m_parties.textFields();
        for (std::size_t i = 0; i < fields.size(); ++i) {
            fields[i]->setText(kept.at(int(i)));
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
        refuseField(form.nif, QStringLiteral("NiF/CiF no válido."));
        return;
    }
    if (!textFieldsFilled(form.textFields()))
        return;

    if (!openDatabase())
        return;
    const int type = form.type->currentIndex();
    const int postalCode = form.postalCode->text().toInt(nullptr, 10);

    if (m_editMode) {
        QSqlQuery update(m_db);
        update.prepare(QStringLiteral("UPDATE cap SET dir=:dir, cp=:cp, pobl=:pobl, prov=:prov, pais=:pais "
                                      "WHERE nif=:nif AND rs=:rs AND type=:type"));
        update.bindValue(QStringLiteral(":dir"), form.address->text());
        update.bindValue(QStringLiteral(":cp"), postalCode);
        update.bindValue(QStringLiteral(":pobl"), form.town->text());
        update.bindValue(QStringLiteral(":prov"), form.province->text());
        update.bindValue(QStringLiteral(":pais"), form.country->text());
        update.bindValue(QStringLiteral(":nif"), nif);
        update.bindValue(QStringLiteral(":rs"), form.name->text());
        update.bindValue(QStringLiteral(":type"), type);
        if (execOrReport(update) && rowsChangedOrReport(update)) {
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
        QSqlQuery duplicate(m_db);
        duplicate.prepare(
            QStringLiteral("SELECT NULL FROM cap WHERE (nif = :nif OR rs = :rs) AND type = :type"));
        duplicate.bindValue(QStringLiteral(":nif"), nif);
        duplicate.bindValue(QStringLiteral(":rs"), form.name->text());
        duplicate.bindValue(QStringLiteral(":type"), type);
        if (!execOrReport(duplicate)) {
            m_db.close();
            return;
        }
        const bool found = duplicate.next();
        // Finished before the box, so that no statement is open while the user reads it.
        duplicate.finish();
        if (found) {
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

    const bool client = type == 0;
    bool stored = false;
    {
        QSqlQuery query(m_db);
        if (execOrReport(query,
                client ? QStringLiteral("SELECT lastc FROM lasts")
                       : QStringLiteral("SELECT lastp FROM lasts"))) {
            if (!query.next()) {
                MessageBoxes::critical(
                    this, tr("Error"), QStringLiteral("Error inesperado en la base de datos"));
            } else {
                const qlonglong account = query.value(0).toLongLong() + 1;
                // The counter goes first; a failing insert leaves it advanced.
                const QString counter = client ? QStringLiteral("UPDATE lasts SET lastc=")
                                               : QStringLiteral("UPDATE lasts SET lastp=");
                if (execOrReport(query, counter + QString::number(account)) && rowsChangedOrReport(query)) {
                    query.prepare(
                        QStringLiteral("INSERT INTO cap (id, type, nif, rs, dir, cp, pobl, prov, pais) "
                                       "VALUES (:id, :type, :nif, :rs, :dir, :cp, :pobl, :prov, :pais);"));
                    query.bindValue(QStringLiteral(":id"), account);
                    query.bindValue(QStringLiteral(":type"), type);
                    query.bindValue(QStringLiteral(":nif"), nif);
                    query.bindValue(QStringLiteral(":rs"), form.name->text());
                    query.bindValue(QStringLiteral(":dir"), form.address->text());
                    query.bindValue(QStringLiteral(":cp"), postalCode);
                    query.bindValue(QStringLiteral(":pobl"), form.town->text());
                    query.bindValue(QStringLiteral(":prov"), form.province->text());
                    query.bindValue(QStringLiteral(":pais"), form.country->text());
                    stored = execOrReport(query);
                }
            }
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
    QSqlQuery query(m_db);
    if (!execOrReport(query, QStringLiteral("SELECT * FROM cap WHERE auid=") + QString::number(auid)))
        return;
    if (!query.next()) {
        toggleEdit();
        MessageBoxes::critical(this, tr("Error"), QStringLiteral("Cliente o proveedor no encontrado."));
        return;
    }
    m_parties.type->setCurrentIndex(query.value(1).toInt());
    const auto fields = m_parties.textFields();
    for (std::size_t i = 0; i < fields.size(); ++i)
        fields[i]->setText(query.value(int(i) + 3).toString());
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
    QSqlQuery query(m_db);
    query.prepare(QStringLiteral("SELECT auid FROM cap WHERE nif=:nif AND type=:type"));
    query.bindValue(QStringLiteral(":nif"), text);
    query.bindValue(QStringLiteral(":type"), m_parties.searchSupplier->isChecked() ? 1 : 0);
    if (!execOrReport(query))
        return;
    if (!query.next()) {
        MessageBoxes::warning(
            this, tr("Error"), QStringLiteral("No existe ningún usuario con el NiF/CiF introducido"));
        return;
    }
    m_current = query.value(0).toUInt();
    loadC(m_current);
}
