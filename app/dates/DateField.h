#pragma once

#include <QPoint>

class PageBuilder;
class QCalendarWidget;
class QDateEdit;
class QMenu;
class QPushButton;

// A "Fecha" field with the calendar button beside it, whose pop-up menu holds a calendar.
struct DateField {
    QDateEdit *edit = nullptr;
    QPushButton *calendarButton = nullptr;
    QMenu *calendarMenu = nullptr;
    QCalendarWidget *calendar = nullptr;
};

// Places a "Fecha" field and its calendar button on the page being built.
DateField addDateField(PageBuilder &builder, QPoint editPos, QPoint buttonPos);
