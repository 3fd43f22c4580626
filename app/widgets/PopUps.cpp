#include "PopUps.h"

#include "widgets/StyleSheet.h"

#include <QAbstractItemView>
#include <QCalendarWidget>
#include <QScreen>
#include <QStyledItemDelegate>
#include <QTextCharFormat>

namespace {

class ItemDelegate final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QString displayText(const QVariant &value, const QLocale &locale) const override
    {
        return QStyledItemDelegate::displayText(value, locale).replace(u'\t', QStringLiteral("    "));
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
    QAbstractItemView *list = view();
    QStyleOptionViewItem option;
    option.initFrom(list);
    int widest = 0;
    for (int row = 0; row < count(); ++row)
        widest = qMax(
            widest, list->itemDelegate()->sizeHint(option, model()->index(row, modelColumn())).width());
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
