#include "MessageBoxes.h"

#include <QPushButton>

namespace MessageBoxes {

static void show(QWidget *parent, QMessageBox::Icon icon, const QString &title, const QString &text)
{
    QMessageBox box(icon, title, text, QMessageBox::Ok, parent);
    box.setDefaultButton(QMessageBox::Ok);
    box.exec();
}

void information(QWidget *parent, const QString &title, const QString &text)
{
    show(parent, QMessageBox::Information, title, text);
}

void warning(QWidget *parent, const QString &title, const QString &text)
{
    show(parent, QMessageBox::Warning, title, text);
}

void critical(QWidget *parent, const QString &title, const QString &text)
{
    show(parent, QMessageBox::Critical, title, text);
}

bool confirm(QWidget *parent, QMessageBox::Icon icon, const QString &title, const QString &text,
    const QString &cautiousAnswer, const QString &goAheadAnswer)
{
    QMessageBox box(icon, title, text, QMessageBox::NoButton, parent);
    // Both answers take the action role: no role reorders them and none answers Escape.
    QPushButton *cautious = box.addButton(cautiousAnswer, QMessageBox::ActionRole);
    QPushButton *goAhead = box.addButton(goAheadAnswer, QMessageBox::ActionRole);
    box.setDefaultButton(cautious);
    box.exec();
    return box.clickedButton() == goAhead;
}

} // namespace MessageBoxes
