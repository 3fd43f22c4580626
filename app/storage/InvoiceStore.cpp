#include "InvoiceStore.h"

#include "storage/StoredForms.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

namespace {

const QString amountDeclaration = QStringLiteral("FLOAT(11) NOT NULL");

QString lineColumn(const QString &stem, int line)
{
    return stem + QString::number(line);
}

// The columns after the lines, in order, with what a row holds there.
struct TrailingAmount {
    QString column;
    Decimal InvoiceRow::*value;
    bool rate;
};
const TrailingAmount trailingAmounts[] = {
    { QStringLiteral("bret"), &InvoiceRow::withholdingBase, false },
    { QStringLiteral("pret"), &InvoiceRow::withholdingPercentage, true },
    { QStringLiteral("cret"), &InvoiceRow::withholdingQuota, false },
    { QStringLiteral("total"), &InvoiceRow::total, false },
};

InvoiceRow invoiceOf(const InvoiceTable &table, const QSqlRecord &record)
{
    InvoiceRow row;
    row.party = record.value(table.partyColumn).toLongLong();
    if (table.hasSeries)
        row.series = record.value(QStringLiteral("serie")).toString();
    row.number = record.value(QStringLiteral("nfac")).toString();
    row.date = storedDate(record.value(QStringLiteral("fecha")).toString());
    row.type = record.value(QStringLiteral("type")).toInt();
    for (const QString &flag : table.flagColumns)
        row.flags << record.value(flag).toBool();
    for (int line = 0; line < int(row.lines.size()); ++line) {
        for (std::size_t i = 0; i < table.lineStems.size(); ++i)
            row.lines[line][i]
                = readAmount(record.value(lineColumn(table.lineStems[i], line)), table.lineRates[i]);
    }
    for (const TrailingAmount &amount : trailingAmounts)
        row.*amount.value = readAmount(record.value(amount.column), amount.rate);
    row.account = record.value(QStringLiteral("ctc")).toString();
    return row;
}

StoreResult<QList<DatedAmount>> datedAmounts(
    const QSqlDatabase &db, const InvoiceTable &table, const QString &column)
{
    StoreResult<QList<DatedAmount>> result;
    QSqlQuery query(db);
    query.setForwardOnly(true);
    result.error = runPrepared(query, selectStatement(table.name, { QStringLiteral("fecha"), column }));
    while (result.ok() && query.next())
        result.value << DatedAmount{ query.value(QStringLiteral("fecha")).toString(),
            readAmount(query.value(column), false) };
    // next() says false also when a row cannot be read: that is no end of the rows.
    if (result.ok() && query.lastError().isValid())
        result.error = query.lastError();
    return result;
}

} // namespace

const InvoiceTable &issuedInvoices()
{
    static const InvoiceTable table{ QStringLiteral("femi"), QStringLiteral("cliente"), 0, true, false,
        { QStringLiteral("cm"), QStringLiteral("rec"), QStringLiteral("isp"), QStringLiteral("cc"),
            QStringLiteral("ret"), QStringLiteral("alq"), QStringLiteral("pyo"), QStringLiteral("vin") },
        { QStringLiteral("base"), QStringLiteral("piva"), QStringLiteral("civa"), QStringLiteral("prec"),
            QStringLiteral("crec") },
        { false, true, false, true, false } };
    return table;
}

const InvoiceTable &receivedInvoices()
{
    static const InvoiceTable table{ QStringLiteral("frec"), QStringLiteral("proveedor"), 1, false, true,
        { QStringLiteral("inv"), QStringLiteral("cm"), QStringLiteral("isp"), QStringLiteral("cc"),
            QStringLiteral("ret"), QStringLiteral("alq"), QStringLiteral("pyo") },
        { QStringLiteral("base"), QStringLiteral("piva"), QStringLiteral("civa"), QStringLiteral("ivas"),
            QStringLiteral("ivar") },
        { false, true, false, false, false } };
    return table;
}

TableColumns invoiceColumns(const InvoiceTable &table)
{
    TableColumns columns{ table.name,
        { { QStringLiteral("auid"), QStringLiteral("INTEGER PRIMARY KEY AUTOINCREMENT") },
            { table.partyColumn, QStringLiteral("INT(11) NOT NULL") } } };
    if (table.hasSeries)
        columns.columns << Column{ QStringLiteral("serie"), QStringLiteral("VARCHAR(12) NOT NULL") };
    columns.columns << Column{ QStringLiteral("nfac"), QStringLiteral("VARCHAR(24) NOT NULL") }
                    << Column{ QStringLiteral("fecha"), QStringLiteral("DATE NOT NULL") }
                    << Column{ QStringLiteral("type"), QStringLiteral("INT(1) NOT NULL") };
    for (const QString &flag : table.flagColumns)
        columns.columns << Column{ flag, QStringLiteral("BOOLEAN NOT NULL") };
    for (int line = 0; line < 4; ++line) {
        for (const QString &stem : table.lineStems)
            columns.columns << Column{ lineColumn(stem, line), amountDeclaration };
    }
    for (const TrailingAmount &amount : trailingAmounts)
        columns.columns << Column{ amount.column, amountDeclaration };
    columns.columns << Column{ QStringLiteral("ctc"), QStringLiteral("INT(8) NOT NULL") };
    return columns;
}

QStringList exportedInvoiceColumns(const InvoiceTable &table)
{
    return invoiceColumns(table).names(1);
}

StoreResult<bool> invoiceNumberTaken(
    const QSqlDatabase &db, const InvoiceTable &table, const QString &number, qlonglong party)
{
    StoreResult<bool> result;
    QSqlQuery query(db);
    query.setForwardOnly(true);
    QString where = QStringLiteral("nfac=:nfac");
    QList<Binding> values{ { QStringLiteral("nfac"), number } };
    if (table.numberedPerParty) {
        where += QStringLiteral(" AND %1=:party").arg(table.partyColumn);
        values << Binding{ QStringLiteral("party"), party };
    }
    result.error = runPrepared(query, selectStatement(table.name, { QStringLiteral("NULL") }, where), values);
    result.value = result.ok() && query.next();
    return result;
}

StoreResult<std::optional<InvoiceRow>> invoiceWithNumber(
    const QSqlDatabase &db, const InvoiceTable &table, const QString &number)
{
    StoreResult<std::optional<InvoiceRow>> result;
    QSqlQuery query(db);
    query.setForwardOnly(true);
    result.error = runPrepared(query,
        selectStatement(table.name, invoiceColumns(table).names(), QStringLiteral("nfac=:nfac")),
        { { QStringLiteral("nfac"), number } });
    if (result.ok() && query.next())
        result.value = invoiceOf(table, query.record());
    return result;
}

QSqlError insertInvoice(const QSqlDatabase &db, const InvoiceTable &table, const InvoiceRow &row)
{
    QList<Binding> values{ { table.partyColumn, row.party } };
    if (table.hasSeries)
        values << Binding{ QStringLiteral("serie"), row.series };
    values << Binding{ QStringLiteral("nfac"), row.number }
           << Binding{ QStringLiteral("fecha"), row.date.toString(StoredDateFormat) }
           << Binding{ QStringLiteral("type"), row.type };
    Q_ASSERT(row.flags.size() == table.flagColumns.size());
    for (int i = 0; i < table.flagColumns.size(); ++i)
        values << Binding{ table.flagColumns[i], storedFlag(row.flags.value(i)) };
    for (int line = 0; line < int(row.lines.size()); ++line) {
        for (std::size_t i = 0; i < table.lineStems.size(); ++i)
            values << Binding{ lineColumn(table.lineStems[i], line), storedAmount(row.lines[line][i]) };
    }
    for (const TrailingAmount &amount : trailingAmounts)
        values << Binding{ amount.column, storedAmount(row.*amount.value) };
    values << Binding{ QStringLiteral("ctc"), row.account };
    return insertRow(db, table.name, values);
}

StoreResult<QList<DatedAmount>> datedTotals(const QSqlDatabase &db, const InvoiceTable &table)
{
    return datedAmounts(db, table, QStringLiteral("total"));
}

StoreResult<QList<DatedAmount>> datedBases(const QSqlDatabase &db, const InvoiceTable &table)
{
    return datedAmounts(db, table, lineColumn(table.lineStems[0], 3));
}
