#pragma once

#include <array>

class QComboBox;
class QFrame;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;

// The owner's registration form, shown instead of the tabs until an owner exists.
struct RegistrationPage {
    QFrame *frame = nullptr;
    QLineEdit *nif = nullptr, *name = nullptr, *address = nullptr, *postalCode = nullptr;
    QLineEdit *town = nullptr, *province = nullptr, *country = nullptr;
    QComboBox *technician = nullptr;
    QPushButton *registerButton = nullptr;

    // The seven text fields in form order.
    std::array<QLineEdit *, 7> textFields() const
    {
        return { nif, name, address, postalCode, town, province, country };
    }
};

// "Alta Clientes y Proveedores": the clients and suppliers register.
struct PartiesPage {
    QFrame *frame = nullptr;
    QComboBox *type = nullptr;
    QLineEdit *nif = nullptr, *name = nullptr, *address = nullptr, *postalCode = nullptr;
    QLineEdit *town = nullptr, *province = nullptr, *country = nullptr;
    QPushButton *save = nullptr, *clear = nullptr, *browse = nullptr;
    QPushButton *previous = nullptr, *next = nullptr, *search = nullptr;
    // The identifier search pop-up of the search button.
    QMenu *searchMenu = nullptr;
    QRadioButton *searchClient = nullptr, *searchSupplier = nullptr;
    QLineEdit *searchNif = nullptr;

    // The seven text fields in the order of their `cap` columns (nif ... pais).
    std::array<QLineEdit *, 7> textFields() const
    {
        return { nif, name, address, postalCode, town, province, country };
    }
};
