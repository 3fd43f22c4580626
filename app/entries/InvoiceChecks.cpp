#include "InvoiceChecks.h"

#include "entries/EntryPages.h"
#include "widgets/MessageBoxes.h"

#include <QCheckBox>

bool withholdingModeChosen(
    QWidget *parent, const OptionBox &withholding, const OptionBox &rental, const OptionBox &professionals)
{
    if (!withholding.box->isChecked() || rental.box->isChecked() || professionals.box->isChecked())
        return true;
    MessageBoxes::warning(
        parent, QStringLiteral("Error"), QStringLiteral("Debe seleccionar una modalidad de retención."));
    return false;
}
