#pragma once

#include <QString>

// The Spanish tax identifier rule ("NiF/CiF"): a personal number (eight digits and a
// check letter) or an entity identifier (letter, seven digits, control character).
// Both expect at least nine characters; callers check the length first.
bool validNif(const QString &text);

// The entity-identifier branch of validNif: first character a letter.
bool validCif(const QString &text);

// Whether the text holds a lower-case letter: the identifier fields upper-case such a text.
bool hasLowerCase(const QString &text);
