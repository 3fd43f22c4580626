#pragma once

class QCalendarWidget;
class QDateEdit;
class QMenu;
class QPushButton;

// A "Fecha" field with the calendar button beside it, whose pop-up menu holds a calendar.
struct DateField {
    QDateEdit* edit = nullptr;
    QPushButton* calendarButton = nullptr;
    QMenu* calendarMenu = nullptr;
    QCalendarWidget* calendar = nullptr;
};
