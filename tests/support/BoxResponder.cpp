#include "BoxResponder.h"

#include <QAbstractButton>
#include <QApplication>

#include <cstdio>

namespace {
QString plainText(const QAbstractButton *button)
{
    return button->text().remove(QLatin1Char('&'));
}
} // namespace

BoxResponder::BoxResponder(QObject *parent)
    : QObject(parent)
{
    m_timer.setInterval(5);
    connect(&m_timer, &QTimer::timeout, this, &BoxResponder::poll);
    m_timer.start();
}

void BoxResponder::answer(const QString &buttonText)
{
    m_answers.enqueue(buttonText);
}

void BoxResponder::answer(const QStringList &buttonTexts)
{
    for (const QString &text : buttonTexts)
        m_answers.enqueue(text);
}

QStringList BoxResponder::texts() const
{
    QStringList result;
    for (const Box &box : m_boxes)
        result << box.text;
    return result;
}

void BoxResponder::poll()
{
    auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
    if (!box || !box->isVisible() || box->property("brivana.answered").toBool())
        return;
    box->setProperty("brivana.answered", true);

    Box seen;
    seen.icon = box->icon();
    seen.title = box->windowTitle();
    seen.text = box->text();
    const QList<QAbstractButton *> buttons = box->buttons();
    for (const QAbstractButton *button : buttons)
        seen.buttons << plainText(button);

    QString wanted;
    if (!m_answers.isEmpty())
        wanted = m_answers.dequeue();
    else if (seen.buttons.contains(QStringLiteral("OK")))
        wanted = QStringLiteral("OK");

    QAbstractButton *chosen = nullptr;
    for (QAbstractButton *button : buttons) {
        if (plainText(button) == wanted)
            chosen = button;
    }
    if (!chosen) {
        seen.unexpected = true;
        // The button order of the box is not the list's order; take the one laid out first.
        chosen = buttons.isEmpty() ? nullptr : buttons.first();
        for (QAbstractButton *button : buttons) {
            if (button->x() < chosen->x())
                chosen = button;
        }
    }
    seen.answer = chosen ? plainText(chosen) : QString();
    m_boxes << seen;
    if (m_echo) {
        std::printf("%d|%s|%s\n", int(seen.icon), qPrintable(seen.title), qPrintable(seen.text));
        std::fflush(stdout);
    }
    if (m_whileOpen)
        m_whileOpen(seen);
    if (chosen)
        QMetaObject::invokeMethod(chosen, &QAbstractButton::click, Qt::QueuedConnection);
    else
        box->done(0);
}
