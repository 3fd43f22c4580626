#pragma once

#include <QString>

#include <array>

class QComboBox;
class QLineEdit;
struct InvoiceRow;
struct InvoiceTable;
struct WithholdingLine;

// The account number that starts the text of an account list's current item.
QString accountNumberOf(const QComboBox *accounts);

// The five amount fields of one quota line, in the order of the row's columns.
using LineFields = std::array<const QLineEdit *, 5>;

// Reads into row the amounts every invoice has: each line's five fields as lines 0..2 (the
// table says which are rates), their sums over the lines as line 3, the withholding line,
// the total and the account number.
void readInvoiceAmounts(InvoiceRow &row, const InvoiceTable &table, const std::array<LineFields, 3> &lines,
    const WithholdingLine &withholding, const QLineEdit *total, const QComboBox *account);
