#pragma once

#include "dates/DateField.h"
#include "entries/EntryPages.h"

#include <QPoint>
#include <QString>
#include <QStringList>

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

// What the two pages' headers differ in.
struct InvoiceHeaderContent {
    QString partyLabel; // "Cliente" or "Proveedor"
    QString partyName; // the party list's name after the page's: client or supplier
    bool hasSeries = false;
    QStringList types;
};

// The top left of an invoice page, in the order of its focus chain: the party list, the
// series, the number with its search, the date and the invoice type.
struct InvoiceHeader {
    QComboBox *party = nullptr;
    QLineEdit *series = nullptr; // none on a page without series
    QLineEdit *number = nullptr;
    InvoiceSearch search;
    DateField date;
    QComboBox *type = nullptr;
};
InvoiceHeader addInvoiceHeader(PageBuilder &page, const InvoiceHeaderContent &content);

// The bottom of an invoice page: the account list and its label, the total and the two buttons.
struct InvoiceFooter {
    QLabel *accountLabel = nullptr;
    QComboBox *account = nullptr;
    QLineEdit *total = nullptr;
    QPushButton *save = nullptr, *clear = nullptr;
};
InvoiceFooter addInvoiceFooter(PageBuilder &page, const QStringList &accounts);

// Hides what a page shows only once an invoice type is chosen: at start and on each reset.
void hideWhenEmpty(const IssuedPage &page);
void hideWhenEmpty(const ReceivedPage &page);
