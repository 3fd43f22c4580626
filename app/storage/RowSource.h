#pragma once

#include <QString>
#include <QVariant>

// Rows of a fixed number of columns, read forward once.
class RowSource {
public:
    virtual ~RowSource() = default;

    virtual int columnCount() const = 0;
    // Moves to the next row: false after the last one, and also when a row could not be
    // read, in which case errorString() is not empty.
    virtual bool next() = 0;
    virtual QVariant value(int column) const = 0;
    virtual QString errorString() const = 0;
};
