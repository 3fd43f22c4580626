#pragma once

#include <QSqlError>

// What a storage function gives back: its value, and the driver's error when a statement
// failed (the value is then the default one).
template <class T> struct StoreResult {
    T value{};
    QSqlError error;

    bool ok() const { return !error.isValid(); }
};
