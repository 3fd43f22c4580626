#include "FieldMarking.h"

#include "widgets/MessageBoxes.h"

#include <QLineEdit>
#include <QStyle>

void markField(QWidget *field, bool error)
{
    field->setProperty("error", error);
    restyle(field);
}

void restyle(QWidget *field)
{
    // Polishing the one field again makes the window's style sheet re-read its properties;
    // setting the whole sheet again would re-style every widget, thousands of list items
    // included.
    field->style()->unpolish(field);
    field->style()->polish(field);
    field->update();
}

void refuseField(QWidget *parent, QWidget *field, const QString &message)
{
    MessageBoxes::warning(parent, QStringLiteral("Error"), message);
    markField(field, true);
    field->setFocus();
}

bool textFieldsFilled(QWidget *parent, const std::array<QLineEdit *, 7> &fields)
{
    for (QLineEdit *field : fields) {
        if (field->text().isEmpty()) {
            markField(field, true);
            MessageBoxes::warning(
                parent, QStringLiteral("Error"), QStringLiteral("Este campo es obligatorio."));
            return false;
        }
        markField(field, false);
    }
    return true;
}

bool passOrRefuse(QWidget *parent, QWidget *field, bool passes, const QString &message)
{
    if (passes)
        markField(field, false);
    else
        refuseField(parent, field, message);
    return passes;
}
