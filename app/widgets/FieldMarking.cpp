// Field marking: a field that fails a check shows red until it passes again.

#include "App.h"

#include "widgets/MessageBoxes.h"

#include <QLineEdit>
#include <QStyle>

void App::markField(QWidget *field, bool error)
{
    field->setProperty("error", error);
    restyle(field);
}

void App::restyle(QWidget *field)
{
    // Polishing the one field again makes the window's style sheet re-read its properties;
    // setting the whole sheet again would re-style every widget, thousands of list items
    // included.
    field->style()->unpolish(field);
    field->style()->polish(field);
    field->update();
}

void App::refuseField(QWidget *field, const QString &message)
{
    MessageBoxes::warning(this, tr("Error"), message);
    markField(field, true);
    field->setFocus();
}

bool App::textFieldsFilled(const std::array<QLineEdit *, 7> &fields)
{
    for (QLineEdit *field : fields) {
        if (field->text().isEmpty()) {
            markField(field, true);
            MessageBoxes::warning(this, tr("Error"), QStringLiteral("Este campo es obligatorio."));
            return false;
        }
        markField(field, false);
    }
    return true;
}

bool App::passOrRefuse(QWidget *field, bool passes, const QString &message)
{
    if (passes)
        markField(field, false);
    else
        refuseField(field, message);
    return passes;
}
