#include "DataGenerator.h"

#include "entries/InvoiceArithmetic.h"
#include "storage/Database.h"
#include "storage/StoredForms.h"

#include <QDate>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QVariant>

#include <cstdio>
#include <cstdlib>

namespace {

const QString connectionName = QStringLiteral("brivana-bench-generator");

[[noreturn]] void fail(const QString &what, const QSqlError &error)
{
    std::fprintf(stderr, "generateDatabase: %s: %s\n", qPrintable(what), qPrintable(error.text()));
    std::exit(1);
}

void run(QSqlQuery &query, const QString &statement)
{
    if (!query.exec(statement))
        fail(statement, query.lastError());
}

void prepare(QSqlQuery &query, const QString &statement)
{
    if (!query.prepare(statement))
        fail(statement, query.lastError());
}

// Binds the values positionally, in column order, and runs the prepared insert.
void insert(QSqlQuery &query, const QVariantList &values)
{
    for (int i = 0; i < values.size(); ++i)
        query.bindValue(i, values.at(i));
    if (!query.exec())
        fail(query.lastQuery(), query.lastError());
}

QString placeholders(int count)
{
    QStringList marks;
    for (int i = 0; i < count; ++i)
        marks << QStringLiteral("?");
    return marks.join(QLatin1Char(','));
}

// Row i of rows falls in month 1 + 12i/rows, so each month holds a twelfth of the rows.
QString dateOfRow(int i, int rows, int year)
{
    const int month = 1 + int(qint64(i) * 12 / rows);
    return QDate(year, month, 1 + i % 28).toString(QStringLiteral("dd/MM/yyyy"));
}

// A valid personal tax identifier: eight digits and their check letter.
QString personalNif(int number)
{
    static const char letters[] = "TRWAGMYFPDXBNJZSQVHLCKE";
    return QStringLiteral("%1%2").arg(number, 8, 10, QLatin1Char('0')).arg(QLatin1Char(letters[number % 23]));
}

const QStringList otherAccounts{ QStringLiteral("62500000"), QStringLiteral("62600000"),
    QStringLiteral("63100000"), QStringLiteral("64000000"), QStringLiteral("64200000"),
    QStringLiteral("64200001"), QStringLiteral("66900000"), QStringLiteral("66900001"),
    QStringLiteral("67800000"), QStringLiteral("74000000"), QStringLiteral("76900000"),
    QStringLiteral("77800000") };

void fillParties(QSqlQuery &query, int rows)
{
    prepare(query,
        QStringLiteral("INSERT INTO cap (type, id, nif, rs, dir, cp, pobl, prov, pais) VALUES (%1)")
            .arg(placeholders(9)));
    int clients = 0;
    int suppliers = 0;
    for (int i = 0; i < rows; ++i) {
        const int type = i % 2;
        const int account = type == 0 ? 43000000 + ++clients : 40000000 + ++suppliers;
        insert(query,
            { type, account, personalNif(10000000 + i),
                (type == 0 ? QStringLiteral("Cliente %1") : QStringLiteral("Proveedor %1")).arg(i + 1),
                QStringLiteral("Calle Mayor %1").arg(i % 200 + 1), 4001 + i % 50, QStringLiteral("Almería"),
                QStringLiteral("Almería"), QStringLiteral("España") });
    }
    run(query,
        QStringLiteral("INSERT INTO lasts VALUES (%1, %2)")
            .arg(43000000 + clients)
            .arg(40000000 + suppliers));
}

// The three quota lines and their sums (base, rate, quota and two more per line),
// with only the first line in use, then withholding, total and account.
QVariantList invoiceAmounts(int i, const QString &account)
{
    const Decimal base = Decimal::fromCents(10000 + (i % 900) * 100 + i % 100);
    const Decimal rate = Decimal::fromCents(2100);
    const Decimal quota = quotaOf(base, rate);
    const Decimal total = base + quota;
    const QVariant zero = storedAmount(Decimal());
    QVariantList values;
    values << storedAmount(base) << storedAmount(rate) << storedAmount(quota) << zero << zero;
    for (int line = 1; line <= 2; ++line)
        values << zero << zero << zero << zero << zero;
    values << storedAmount(base) << storedAmount(rate) << storedAmount(quota) << zero << zero;
    values << zero << zero << zero << storedAmount(total) << account;
    return values;
}

void fillIssued(QSqlQuery &query, int rows, int year, int clients)
{
    prepare(query, QStringLiteral("INSERT INTO femi VALUES (NULL,%1)").arg(placeholders(38)));
    for (int i = 0; i < rows; ++i) {
        QVariantList values{ 43000001 + i % clients, QStringLiteral("A"), QString::number(i + 1),
            dateOfRow(i, rows, year), 0 };
        for (int flag = 0; flag < 8; ++flag)
            values << storedFlag(false);
        values << invoiceAmounts(i, QStringLiteral("70500000"));
        insert(query, values);
    }
}

void fillReceived(QSqlQuery &query, int rows, int year, int suppliers)
{
    prepare(query, QStringLiteral("INSERT INTO frec VALUES (NULL,%1)").arg(placeholders(36)));
    for (int i = 0; i < rows; ++i) {
        QVariantList values{ 40000001 + i % suppliers, QString::number(i + 1), dateOfRow(i, rows, year), 0 };
        for (int flag = 0; flag < 7; ++flag)
            values << storedFlag(false);
        values << invoiceAmounts(i + 7, QStringLiteral("60000000"));
        insert(query, values);
    }
}

void fillOther(QSqlQuery &query, int rows, int year)
{
    prepare(query, QStringLiteral("INSERT INTO ogei (fecha, importe, ctc) VALUES (?,?,?)"));
    for (int i = 0; i < rows; ++i)
        insert(query,
            { dateOfRow(i, rows, year), storedAmount(Decimal::fromCents(2000 + (i % 500) * 25)),
                otherAccounts.at(i % otherAccounts.size()) });
}

} // namespace

void generateDatabase(const QString &path, int rowsPerTable, int year)
{
    QFile::remove(path);
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connectionName);
        db.setDatabaseName(path);
        if (!db.open())
            fail(path, db.lastError());
        QSqlQuery query(db);
        for (const QString &statement : schemaStatements())
            run(query, statement);
        if (!db.transaction())
            fail(QStringLiteral("BEGIN"), db.lastError());
        run(query,
            QStringLiteral(
                "INSERT INTO admin (nif, rs, dir, cp, pobl, prov, pais, tecn) VALUES ('12345678Z', "
                "'Reformas del Sur', 'Calle Mayor 1', 4001, 'Almería', 'Almería', 'España', 1)"));
        const int rows = qMax(rowsPerTable, 0);
        fillParties(query, rows);
        // Invoices name the generated clients and suppliers in turn.
        const int clients = qMax((rows + 1) / 2, 1);
        const int suppliers = qMax(rows / 2, 1);
        if (rows > 0) {
            fillIssued(query, rows, year, clients);
            fillReceived(query, rows, year, suppliers);
            fillOther(query, rows, year);
        }
        if (!db.commit())
            fail(QStringLiteral("COMMIT"), db.lastError());
        query.finish();
        db.close();
    }
    QSqlDatabase::removeDatabase(connectionName);
}
