#pragma once

#include <QString>

#include <array>

class QLineEdit;
class QWidget;

// Field marking: a field that fails a check shows red until it passes again. The boxes
// open over parent.

// Marks a field wrong (error true) or right and makes the mark show.
void markField(QWidget *field, bool error);
// Makes a field's look follow its properties (`error`, read-only) again.
void restyle(QWidget *field);
// A field check that failed: a warning box titled "Error", then the mark and the focus.
void refuseField(QWidget *parent, QWidget *field, const QString &message);
// One field check: a field that passes loses an earlier mark; one that fails is refused.
// Returns passes.
bool passOrRefuse(QWidget *parent, QWidget *field, bool passes, const QString &message);
// The seven text fields of a party form, in order: the first empty one is marked and
// refused ("Este campo es obligatorio."), the filled ones before it unmarked; the fields
// after it keep their marking.
bool textFieldsFilled(QWidget *parent, const std::array<QLineEdit *, 7> &fields);
