#include "PopUps.h"

#include "widgets/StyleSheet.h"

#include <QAbstractItemView>
#include <QCalendarWidget>
#include <QScreen>
#include <QStyledItemDelegate>
#include <QTextCharFormat>

namespace {

// An item's text as its pop-up shows it: an account's tab as blanks.
QString shownText(QString text)
{
    return text.replace(u'\t', QStringLiteral("    "));
}

class ItemDelegate final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QString displayText(const QVariant &value, const QLocale &locale) const override
    {
        return shownText(QStyledItemDelegate::displayText(value, locale));
    }
};

} // namespace

ListBox::ListBox(QWidget *parent)
    : QComboBox(parent)
{
    setItemDelegate(new ItemDelegate(this));
}

void ListBox::showPopup()
{
    // Styled when first shown: a style sheet per list would slow the window's start.
    if (view()->styleSheet().isEmpty())
        view()->setStyleSheet(popUpStyleSheet());
    QComboBox::showPopup();
    // As wide as its widest item needs, beside the frame and a scroll bar, and on the screen.
    // The widest text is found by measuring texts alone, quick even for thousands of parties.
    QAbstractItemView *list = view();
    const QFontMetrics metrics(list->font());
    int widestRow = 0, widestText = 0;
    for (int row = 0; row < count(); ++row) {
        const int width = metrics.horizontalAdvance(shownText(itemText(row)));
        if (width > widestText)
            widestRow = row, widestText = width;
    }
    QStyleOptionViewItem option;
    option.initFrom(list);
    const int widest
        = list->itemDelegate()->sizeHint(option, model()->index(widestRow, modelColumn())).width();
    QWidget *popUp = list->window();
    const int needed = widest + popUp->width() - list->viewport()->width();
    if (needed <= popUp->width())
        return;
    popUp->resize(needed, popUp->height());
    const QRect screen = popUp->screen()->availableGeometry();
    if (popUp->geometry().right() > screen.right())
        popUp->move(qMax(screen.left(), screen.right() + 1 - popUp->width()), popUp->y());
}

void makeReadable(QCalendarWidget *calendar)
{
    if (!calendar->styleSheet().isEmpty())
        return;
    calendar->setStyleSheet(popUpStyleSheet());
    // The default red of the weekends is too light on white.
    QTextCharFormat weekend;
    weekend.setForeground(QColor(0xB0, 0x00, 0x00));
    for (const Qt::DayOfWeek day : { Qt::Saturday, Qt::Sunday })
        calendar->setWeekdayTextFormat(day, weekend);
}
