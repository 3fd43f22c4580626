#pragma once

#include "entries/EntryPages.h"

#include <QPoint>
#include <QString>

class PageBuilder;

// Widgets that both invoice pages build alike.

// The pattern of every amount field: at most nine digits, points and commas.
inline const QString amountPattern = QStringLiteral("[0-9.,]{9}");
// The pattern of series and invoice numbers, with the count appended.
QString invoiceCodePattern(int length);

// A check box without text and its label 24 pixels to its right.
OptionBox addOptionBox(PageBuilder &page, const QString &name, const QString &text, QPoint boxPos);

// The withholding headings at y 140 and the three fields at y 157.
WithholdingLine addWithholdingLine(PageBuilder &page, const QString &prefix);

// An amount field of a quota or withholding line, 60 × 20.
QLineEdit *addAmountField(PageBuilder &page, const QString &name, QPoint pos, bool readOnly);

// The search button at (264, 92) with its pop-up holding one invoice-number field.
InvoiceSearch addInvoiceSearch(PageBuilder &page, const QString &prefix);
