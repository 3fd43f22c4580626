#include "PageBuilder.h"

#include "widgets/PopUps.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

PageBuilder::PageBuilder(const QString &name, QWidget *window)
    : m_page(new QFrame(window))
    , m_layout(new QVBoxLayout(m_page))
{
    m_page->setObjectName(name);
    m_layout->setEnabled(false);
}

void PageBuilder::placeWidget(QWidget *widget, QPoint pos, const QString &name)
{
    m_layout->addWidget(widget);
    widget->move(pos);
    if (!name.isEmpty())
        widget->setObjectName(name);
}

QLabel *PageBuilder::label(const QString &text, QPoint pos, const QString &name)
{
    auto *label = new QLabel(text, m_page);
    label->adjustSize();
    return place(label, pos, name);
}

QLineEdit *PageBuilder::lineEdit(const QString &name, QPoint pos, QSize size, const QString &pattern)
{
    auto *field = new QLineEdit(m_page);
    if (size.isValid())
        field->setFixedSize(size);
    if (!pattern.isEmpty())
        field->setValidator(new QRegularExpressionValidator(QRegularExpression(pattern), field));
    return place(field, pos, name);
}

QLineEdit *PageBuilder::readOnlyField(const QString &name, QPoint pos, QSize size)
{
    QLineEdit *field = lineEdit(name, pos, size);
    field->setText(QStringLiteral("0"));
    field->setReadOnly(true);
    return field;
}

QComboBox *PageBuilder::comboBox(const QString &name, QPoint pos, const QStringList &items, int width)
{
    auto *list = new ListBox(m_page);
    list->addItems(items);
    if (width > 0) {
        list->setFixedWidth(width);
        // The width is fixed: measuring every item (thousands of parties) would be wasted.
        list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        if (auto *view = qobject_cast<QListView *>(list->view()))
            view->setUniformItemSizes(true);
    } else
        list->adjustSize();
    list->setCurrentIndex(-1);
    return place(list, pos, name);
}

QPushButton *PageBuilder::button(const QString &name, const QString &text, QPoint pos)
{
    auto *button = new QPushButton(text, m_page);
    button->setAutoDefault(true);
    button->adjustSize();
    return place(button, pos, name);
}

QPushButton *PageBuilder::iconButton(const QString &name, const QString &iconFile, QPoint pos)
{
    QPushButton *button = this->button(name, QString(), pos);
    button->setIcon(QIcon(iconFile));
    button->adjustSize();
    return button;
}

QCheckBox *PageBuilder::checkBox(const QString &name, QPoint pos)
{
    auto *box = new QCheckBox(m_page);
    box->adjustSize();
    return place(box, pos, name);
}
