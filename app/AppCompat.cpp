// Forwarders from former members of the window to the free functions that replaced them,
// for the files that still call the members.

#include "App.h"

#include "dates/Quarters.h"
#include "widgets/FieldMarking.h"

QDate App::quarterBoundary(int quarter, bool end, int year) const
{
    return ::quarterBoundary(quarter, end, year, m_today.date());
}

void App::markField(QWidget *field, bool error)
{
    ::markField(field, error);
}

void App::restyle(QWidget *field)
{
    ::restyle(field);
}

void App::refuseField(QWidget *field, const QString &message)
{
    ::refuseField(this, field, message);
}

bool App::passOrRefuse(QWidget *field, bool passes, const QString &message)
{
    return ::passOrRefuse(this, field, passes, message);
}

bool App::textFieldsFilled(const std::array<QLineEdit *, 7> &fields)
{
    return ::textFieldsFilled(this, fields);
}
