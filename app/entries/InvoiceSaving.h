#pragma once

#include <QString>

class QComboBox;

// The account number that starts the text of an account list's current item.
QString accountNumberOf(const QComboBox* accounts);
