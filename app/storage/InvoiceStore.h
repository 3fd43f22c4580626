#pragma once

#include "storage/Decimal.h"
#include "storage/Schema.h"
#include "storage/StoreResult.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>

class QSqlDatabase;

// The two invoice tables, `femi` (issued) and `frec` (received). Their rows have the same
// shape; a table's description says where they differ.
struct InvoiceTable {
    QString name;
    // The column of the party's account number, and the party's type in `cap`.
    QString partyColumn;
    int partyType = 0;
    // Whether the row has a series before the number.
    bool hasSeries = false;
    // Whether numbers are unique per party (each supplier numbers its own invoices) rather
    // than over the whole table (the owner numbers the issued ones).
    bool numberedPerParty = false;
    // The options of the invoice, in the order of their columns.
    QStringList flagColumns;
    // The five amounts of a quota line: each stem with the line's digit (0..2, 3 for the sums).
    std::array<QString, 5> lineStems;
    // Which of the five are rates, kept as typed; the others are money, to the cent.
    std::array<bool, 5> lineRates;
};

// femi: cliente, serie; flags cm, rec, isp, cc, ret, alq, pyo, vin; lines base, piva,
// civa, prec, crec.
const InvoiceTable &issuedInvoices();
// frec: proveedor, no series; flags inv, cm, isp, cc, ret, alq, pyo; lines base, piva,
// civa, ivas, ivar.
const InvoiceTable &receivedInvoices();

TableColumns invoiceColumns(const InvoiceTable &table);
// The columns the export writes: all but the row's own number.
QStringList exportedInvoiceColumns(const InvoiceTable &table);

struct InvoiceRow {
    qlonglong party = 0;
    // Issued invoices only.
    QString series;
    QString number;
    QDate date;
    int type = 0;
    // In the order of the table's flag columns.
    QList<bool> flags;
    // The five amounts of lines 0..2 and, as line 3, their sums.
    std::array<std::array<Decimal, 5>, 4> lines{};
    Decimal withholdingBase;
    Decimal withholdingPercentage;
    Decimal withholdingQuota;
    Decimal total;
    // The account number, as the text it was chosen with.
    QString account;
};

// A stored date, as its text, and an amount of the same row.
struct DatedAmount {
    QString date;
    Decimal amount;
};

// Whether an invoice with this number is stored, whatever its series; for a table numbered
// per party, of this party only.
StoreResult<bool> invoiceNumberTaken(
    const QSqlDatabase &db, const InvoiceTable &table, const QString &number, qlonglong party);
// The invoice with this number, if any.
StoreResult<std::optional<InvoiceRow>> invoiceWithNumber(
    const QSqlDatabase &db, const InvoiceTable &table, const QString &number);
QSqlError insertInvoice(const QSqlDatabase &db, const InvoiceTable &table, const InvoiceRow &row);

// Every row's date with its total, or with its sum of the taxable bases, in stored order.
// A row that cannot be read ends the list with the driver's error, the rows before it kept.
StoreResult<QList<DatedAmount>> datedTotals(const QSqlDatabase &db, const InvoiceTable &table);
StoreResult<QList<DatedAmount>> datedBases(const QSqlDatabase &db, const InvoiceTable &table);
