#pragma once

#include <QList>
#include <QMessageBox>
#include <QObject>
#include <QQueue>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <functional>

// Answers the program's modal message boxes the way a person would, by the text of a
// button, and records every box it saw. It polls for the active modal widget from a
// timer, which also runs inside the boxes' own event loops.
//
// Queue the answers before the call that opens the boxes. A box that finds the queue
// empty is answered with "OK" when it has that button; any other box is answered with
// its first button and recorded as unexpected, so a missing answer fails instead of
// hanging.
class BoxResponder : public QObject {
    Q_OBJECT

public:
    struct Box {
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QString title;
        QString text;
        QStringList buttons;
        QString answer;
        bool unexpected = false;
    };

    explicit BoxResponder(QObject* parent = nullptr);

    // Queue answers, by button text ("Sí", "Rectificar", "OK").
    void answer(const QString& buttonText);
    void answer(const QStringList& buttonTexts);

    const QList<Box>& boxes() const { return m_boxes; }
    // The texts of the boxes seen, in order.
    QStringList texts() const;
    // Forget the boxes seen so far (not the queued answers).
    void clear() { m_boxes.clear(); }
    int pendingAnswers() const { return int(m_answers.size()); }

    // Print each box to standard output as it is seen ("icon|title|text"), for tests
    // that read a child process.
    void setEcho(bool echo) { m_echo = echo; }

    // Runs step on each box as it is seen, while it is still open, before it is answered;
    // nullptr stops it.
    void whileOpen(std::function<void(const Box &)> step) { m_whileOpen = std::move(step); }

private:
    void poll();

    QTimer m_timer;
    QQueue<QString> m_answers;
    QList<Box> m_boxes;
    bool m_echo = false;
    std::function<void(const Box &)> m_whileOpen;
};
