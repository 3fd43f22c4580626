#pragma once

#include <QMessageBox>
#include <QString>

class QWidget;

// Every message box of the program goes through here, so that parent, icon, buttons,
// default and escape buttons stay the same everywhere. All boxes are modal.
namespace MessageBoxes {

// A box with the single OK button.
void information(QWidget *parent, const QString &title, const QString &text);
void warning(QWidget *parent, const QString &title, const QString &text);
void critical(QWidget *parent, const QString &title, const QString &text);

// A two-choice question. The first answer is the cautious one and the default; the
// buttons keep this order, and Escape and the close control answer nothing, so the
// user has to choose. Returns true when the second answer was chosen.
bool confirm(QWidget *parent, QMessageBox::Icon icon, const QString &title, const QString &text,
    const QString &cautiousAnswer, const QString &goAheadAnswer);

} // namespace MessageBoxes
