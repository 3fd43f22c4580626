#pragma once

// Helpers shared by the tests of the owner and the clients and suppliers register.

#include "PageDriving.h"

#include <QPushButton>

// Types the seven text fields of the registration form or the register, in order, then
// picks item index of the form's list (-1: none).
template <typename Form> void fill(const Form &form, QComboBox *list, const QStringList &values, int index)
{
    const auto fields = form.textFields();
    for (std::size_t i = 0; i < fields.size(); ++i)
        typeText(fields[i], values.at(int(i)));
    if (index >= 0)
        choose(list, index);
}
