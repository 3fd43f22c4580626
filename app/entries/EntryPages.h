#pragma once

#include <array>

class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;

// Base, VAT rate and VAT quota: what every quota line of both invoice pages has.
struct QuotaLine {
    QLineEdit *base = nullptr, *rate = nullptr, *quota = nullptr;
};

// An issued invoice's line adds the equivalence surcharge.
struct IssuedQuotaLine : QuotaLine {
    QLineEdit *surchargeRate = nullptr, *surchargeQuota = nullptr;
};

// A received invoice's line has two more read-only quota fields (stored as ivas and ivar).
struct ReceivedQuotaLine : QuotaLine {
    QLineEdit *fourth = nullptr, *fifth = nullptr;
};

// The income-tax withholding line with its three headings.
struct WithholdingLine {
    QLineEdit *base = nullptr, *percentage = nullptr, *quota = nullptr;
    QLabel *baseHeading = nullptr, *percentageHeading = nullptr, *quotaHeading = nullptr;
};

// An option check box; its label stands 24 pixels to its right.
struct OptionBox {
    QCheckBox *box = nullptr;
    QLabel *label = nullptr;
};

// The search button of an invoice page and its pop-up with one invoice-number field.
struct InvoiceSearch {
    QPushButton *button = nullptr;
    QMenu *menu = nullptr;
    QLineEdit *number = nullptr;
};

// "Facturas Emitidas".
struct IssuedPage {
    QFrame *frame = nullptr;
    QComboBox *client = nullptr;
    QLineEdit *series = nullptr, *number = nullptr;
    InvoiceSearch search;
    QComboBox *type = nullptr;
    OptionBox retail, surcharge, reverseCharge, cashBasis, withholding, rental, professionals;
    OptionBox fixedAssetSale;
    QLabel *baseHeading = nullptr, *rateHeading = nullptr, *quotaHeading = nullptr;
    QLabel *surchargeRateHeading = nullptr, *surchargeQuotaHeading = nullptr;
    std::array<IssuedQuotaLine, 3> lines;
    WithholdingLine withholdingLine;
    QLabel *accountLabel = nullptr;
    QComboBox *account = nullptr;
    QLineEdit *total = nullptr;
    QPushButton *save = nullptr, *clear = nullptr;
};

// "Facturas Recibidas".
struct ReceivedPage {
    QFrame *frame = nullptr;
    QComboBox *supplier = nullptr;
    QLineEdit *number = nullptr;
    InvoiceSearch search;
    QComboBox *type = nullptr;
    OptionBox investments, retail, reverseCharge, cashBasis, withholding, rental, professionals;
    QLabel *baseHeading = nullptr, *rateHeading = nullptr, *quotaHeading = nullptr;
    // Two headings without text over the fourth and fifth fields, shown in the reverse-charge states.
    QLabel *blankHeading1 = nullptr, *blankHeading2 = nullptr;
    std::array<ReceivedQuotaLine, 3> lines;
    WithholdingLine withholdingLine;
    QLabel *accountLabel = nullptr;
    QComboBox *account = nullptr;
    QLineEdit *total = nullptr;
    QPushButton *save = nullptr, *clear = nullptr;
};

// "Otros Gastos e Ingresos".
struct OtherEntriesPage {
    QFrame *frame = nullptr;
    QLineEdit *amount = nullptr;
    QComboBox *account = nullptr;
    QPushButton *save = nullptr;
};
