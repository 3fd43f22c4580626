#pragma once

class QLineEdit;

// Limits a free-text field to maxLength 16-bit units, the length its column is meant to
// hold, without ever keeping half a character: where the cut would fall inside a
// character made of two units (an emoji pasted or typed at the end), the whole character
// goes. Typing, pasting and setText all pass through it. The field must have no
// validator of its own.
void limitLength(QLineEdit *field, int maxLength);
