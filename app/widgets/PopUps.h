#pragma once

#include <QComboBox>

class QCalendarWidget;

// The pop-ups of the window: the window's style sheet gives every frame its dark background
// and its item views a white one, which the pop-ups must not inherit as they are. These
// pieces give them what they need, without touching the window's sheet.

// A list whose pop-up shows every item whole, as dark text on white with the highlighted
// item in white on blue; an account item's tab shows as blanks, where a menu-like pop-up
// would push the name against its right edge.
class ListBox final : public QComboBox {
public:
    explicit ListBox(QWidget *parent);

    void showPopup() override;
};

// The calendar pop-up of a "Fecha" field: every day dark on white, the chosen one white on blue.
// Done when it first opens, like the lists' styling, to keep the window's start quick.
void makeReadable(QCalendarWidget *calendar);
