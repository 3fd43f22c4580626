#pragma once

#include <QPoint>
#include <QSize>
#include <QString>
#include <QStringList>

class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QVBoxLayout;
class QWidget;

// Builds one page of the window: every widget is a child of the page's frame and
// sits at a fixed pixel position. The frame's vertical layout is switched off; it
// only makes the widgets children of the page, it never moves them.
class PageBuilder {
public:
    // The page starts as a child of window, so that it takes the window's font and style
    // from the start; the window later moves it into its tabs.
    PageBuilder(const QString &name, QWidget *window);

    QFrame *page() const { return m_page; }

    // Places an already created widget at pos.
    template <typename Widget> Widget *place(Widget *widget, QPoint pos, const QString &name = {})
    {
        placeWidget(widget, pos, name);
        return widget;
    }

    QLabel *label(const QString &text, QPoint pos, const QString &name = {});
    // size empty: the field keeps its natural size. pattern empty: no validator.
    QLineEdit *lineEdit(const QString &name, QPoint pos, QSize size = {}, const QString &pattern = {});
    QLineEdit *readOnlyField(const QString &name, QPoint pos, QSize size = {});
    // width 0: the list is sized to its items.
    QComboBox *comboBox(const QString &name, QPoint pos, const QStringList &items, int width = 0);
    QPushButton *button(const QString &name, const QString &text, QPoint pos);
    QPushButton *iconButton(const QString &name, const QString &iconFile, QPoint pos);
    QCheckBox *checkBox(const QString &name, QPoint pos);

private:
    void placeWidget(QWidget *widget, QPoint pos, const QString &name);

    QFrame *m_page = nullptr;
    QVBoxLayout *m_layout = nullptr;
};
