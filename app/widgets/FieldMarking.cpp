// Field marking: a field that fails a check shows red until it passes again.

#include "App.h"

#include "widgets/MessageBoxes.h"

void App::markField(QWidget *field, bool error)
{
    field->setProperty("error", error);
    // Setting the sheet again makes the style re-read the property.
    setStyleSheet(styleSheet());
}

void App::refuseField(QWidget *field, const QString &message)
{
    MessageBoxes::warning(this, tr("Error"), message);
    markField(field, true);
    field->setFocus();
}

bool App::passOrRefuse(QWidget *field, bool passes, const QString &message)
{
    if (passes)
        markField(field, false);
    else
        refuseField(field, message);
    return passes;
}
