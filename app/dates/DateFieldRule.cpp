// The date-field rule: a "Fecha" field keeps only dates of today's quarter up to today.

#include "App.h"

#include "dates/Quarters.h"
#include "widgets/MessageBoxes.h"

#include <QDateEdit>

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
    const DateCorrection correction = correctedFieldDate(date, m_today.date());
    if (correction.verdict == DateVerdict::AfterToday) {
        MessageBoxes::warning(
            this, tr("Información"), QStringLiteral("La fecha introducida es posterior a la actual"));
        field->setDate(correction.date);
    } else if (correction.verdict == DateVerdict::OtherQuarter) {
        // Setting the field runs this rule again with a date that passes.
        field->setDate(correction.date);
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
