// The date-field rule: a "Fecha" field keeps only dates of today's quarter up to today.

#include "App.h"

#include "dates/Quarters.h"
#include "widgets/MessageBoxes.h"
#include "widgets/PageBuilder.h"

#include <QCalendarWidget>
#include <QDateEdit>
#include <QFrame>
#include <QLocale>
#include <QMenu>
#include <QPushButton>
#include <QWidgetAction>

void App::CheckDate0(const QDate &date)
{
    applyDateRule(m_dates[0].edit, date);
}

void App::CheckDate1(const QDate &date)
{
    applyDateRule(m_dates[1].edit, date);
}

void App::CheckDate2(const QDate &date)
{
    applyDateRule(m_dates[2].edit, date);
}

void App::applyDateRule(QDateEdit *field, const QDate &date)
{
    // While today is unknown its date is null, which every real date is after; the
    // field does not take the null date, so it keeps what it shows.
    const QDate today = m_today.date();
    if (date > today) {
        MessageBoxes::warning(
            this, tr("Información"), QStringLiteral("La fecha introducida es posterior a la actual"));
        field->setDate(today);
    } else if (!sameQuarter(date, today)) {
        // Setting the field runs this rule again with a date that passes.
        field->setDate(quarterBoundaryOf(today, false));
        MessageBoxes::warning(this, tr("Información"), QStringLiteral("trimestre error"));
    }
}

bool App::todayKnownOrWarn()
{
    if (m_today.isValid())
        return true;
    // The one request may have been lost on the way: ask again, so that a later try can
    // succeed once the reply is in.
    requestTime();
    MessageBoxes::warning(
        this, tr("Error"), QStringLiteral("No se ha podido obtener la fecha actual del servidor de hora."));
    return false;
}

DateField App::addDateField(int index, PageBuilder &builder, QPoint editPos, QPoint buttonPos)
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

    m_dates[size_t(index)] = field;
    return field;
}
