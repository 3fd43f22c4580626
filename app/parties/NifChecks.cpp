// The live checks of the identifier fields: upper-case as the user types, and paint the
// field red or white once it holds nine characters.

#include "App.h"

#include "parties/Nif.h"
#include "widgets/FieldMarking.h"
#include "widgets/MessageBoxes.h"

#include <QLineEdit>

void App::CheckNif0(const QString &text)
{
    QLineEdit *field = m_parties.nif;
    // The upper-cased text comes back through textChanged and is judged there.
    if (hasLowerCase(field->text())) {
        field->setText(text.toUpper());
        return;
    }
    if (text.size() <= 8)
        return;
    // Records loaded from the register are not judged again.
    if (m_editMode)
        return;
    if (!validNif(field->text())) {
        ::markField(field, true);
        return;
    }
    if (field->text() == m_ownerNif) {
        MessageBoxes::information(
            this, tr("Información"), QStringLiteral("Póngase en contacto con la asesoría"));
        field->clear();
        return;
    }
    ::markField(field, false);
    lookUpNif(field->text());
}

void App::CheckNif1(const QString &text)
{
    QLineEdit *field = m_registration.nif;
    // A changed text runs this slot once more, nested, with the upper-case text.
    field->setText(text.toUpper());
    if (text.size() <= 8)
        return;
    ::markField(field, !validNif(field->text()));
}
