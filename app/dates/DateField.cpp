#include "DateField.h"

#include "widgets/PageBuilder.h"

#include <QCalendarWidget>
#include <QDateEdit>
#include <QFrame>
#include <QLocale>
#include <QMenu>
#include <QPushButton>
#include <QWidgetAction>

DateField addDateField(PageBuilder &builder, QPoint editPos, QPoint buttonPos)
{
    // The date fields and their calendars speak Spanish whatever the system's locale;
    // the default locale stays as it is, since amounts are read in it.
    const QLocale spanish(QLocale::Spanish, QLocale::Spain);
    const QString name = builder.page()->objectName() + QStringLiteral(".date");

    DateField field;
    field.edit = builder.place(new QDateEdit(builder.page()), editPos, name);
    field.edit->setLocale(spanish);
    field.edit->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    // Its natural size, which ends before the calendar button.
    field.edit->adjustSize();
    field.calendarButton = builder.iconButton(name + QStringLiteral(".calendarButton"),
        QStringLiteral("Calendar-selection-day-icon.png"), buttonPos);

    field.calendarMenu = new QMenu(field.calendarButton);
    field.calendar = new QCalendarWidget(field.calendarMenu);
    field.calendar->setObjectName(name + QStringLiteral(".calendar"));
    field.calendar->setLocale(spanish);
    auto *action = new QWidgetAction(field.calendarMenu);
    action->setDefaultWidget(field.calendar);
    field.calendarMenu->addAction(action);
    field.calendarButton->setMenu(field.calendarMenu);
    return field;
}
