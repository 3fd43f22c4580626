// The storage modules and the export writer on a database file: what each module stores comes
// back, in the stored forms; an update of no row and a full device are reported.

#include "results/ExportWriter.h"
#include "storage/Database.h"
#include "storage/ExportTables.h"
#include "storage/InvoiceStore.h"
#include "storage/OtherEntryStore.h"
#include "storage/OwnerStore.h"
#include "storage/PartyStore.h"

#include <QBuffer>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>

namespace {
const PartyRow client{ 0, 43000001, "B12345678", "Cliente Uno", "Calle Sol 3", "04100", "Níjar", "Almería",
    "España" };

// A disk with room bytes free; like a pipe, a write takes what fits but never the last byte.
struct FillingDisk final : QBuffer {
    qint64 room = std::numeric_limits<qint64>::max();
    qint64 writeData(const char *data, qint64 size) override
    {
        if (pos() < room)
            return QBuffer::writeData(data, qMin(qMax(size - 1, qint64(1)), room - pos()));
        setErrorString(QStringLiteral("No space left on device"));
        return -1;
    }
};
} // namespace

class TestStores final : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;
    QSqlDatabase m_db;

    // The first row's values of the blank-separated columns, each as "<storage type>:<text>".
    QString stored(const QString &table, const QString &columns)
    {
        QStringList values;
        for (const QString &column : columns.split(' '))
            values << QStringLiteral("typeof(%1) || ':' || %1").arg(column);
        QSqlQuery query(m_db);
        query.exec("SELECT " + values.join(" || ' ' || ") + " FROM " + table);
        return query.next() ? query.value(0).toString() : QString();
    }
    // Writes the four tables into device: empty, or the writer's reason.
    QString writeInto(QIODevice &device)
    {
        ExportTables tables(m_db);
        if (!device.open(QIODevice::WriteOnly) || tables.run().isValid())
            return "not run";
        ExportWriter writer(device);
        return writer.write(tables.parties(), tables.issued(), tables.received(), tables.otherEntries())
            ? QString()
            : "failed: " + writer.errorString();
    }

private slots:
    void init()
    {
        // A connection and a file per test and row, open until the end.
        const QString name = QTest::currentTestFunction() + QString(QTest::currentDataTag());
        m_db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        m_db.setDatabaseName(m_dir.filePath(name));
        // A locked file fails at once instead of after SQLite's wait.
        m_db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=0"));
        QVERIFY(m_db.open());
        for (const QString &statement : schemaStatements())
            QVERIFY(!runStatement(m_db, statement).isValid());
        QVERIFY(!seedCounters(m_db).isValid());
    }

    void ownerPartiesAndEntriesComeBack()
    {
        QVERIFY(!readOwner(m_db).value);
        QVERIFY(!insertOwner(
            m_db, { "12345678Z", "Brivana SL", "Calle Luna 2", "04100", "Níjar", "Almería", "España", 2 })
                     .isValid());
        const auto owner = readOwner(m_db);
        QVERIFY(owner.ok() && owner.value);
        QCOMPARE(QVariantList({ owner.value->nif, owner.value->businessName, owner.value->technician,
                     *readOwnerNif(m_db).value, stored("admin", "cp") }),
            QVariantList({ "12345678Z", "Brivana SL", 2, "12345678Z", "integer:4100" }));

        QVERIFY(!insertParty(m_db, client).isValid());
        const auto found = partyAt(m_db, 1).value;
        QVERIFY(found && !partyAt(m_db, 2).value);
        QCOMPARE(QVariantList({ found->id, found->nif, found->name, found->address, found->postalCode,
                     found->town, found->province, found->country }),
            QVariantList({ client.id, client.nif, client.name, client.address, client.postalCode, client.town,
                client.province, client.country }));
        QCOMPARE(QVariantList({ partyCount(m_db).value, *accountOfParty(m_db, 0, client.name).value,
                     *nameOfAccount(m_db, client.id).value }),
            QVariantList({ 1, 43000001u, client.name }));
        // A duplicate is the same identifier or name within one type.
        QVERIFY(partyExists(m_db, "A00000000", client.name, 0).value
            && partyExists(m_db, client.nif, "Otro", 0).value
            && !partyExists(m_db, client.nif, client.name, 1).value);

        QVERIFY(!insertOtherEntry(m_db, { QDate(2014, 12, 5), Decimal::fromCents(1493826), "62800000" })
                     .isValid());
        QCOMPARE(stored("ogei", "fecha importe ctc"), "text:05/12/2014 real:14938.26 integer:62800000");
    }

    void invoicesComeBack_data()
    {
        QTest::addColumn<bool>("issued");
        QTest::newRow("femi") << true;
        QTest::newRow("frec") << false;
    }
    void invoicesComeBack()
    {
        QFETCH(bool, issued);
        const InvoiceTable &table = issued ? issuedInvoices() : receivedInvoices();
        const auto amount = [](const char *text) { return *Decimal::fromPlainText(QString(text)); };
        InvoiceRow row{ 43000001, issued ? "A-2014" : "", "F/7", QDate(2014, 12, 5), 2, {}, {}, amount("100"),
            amount("0.0000001"), amount("1493826.07"), amount("1493926.07"), "70000000" };
        for (int i = 0; i < table.flagColumns.size(); ++i)
            row.flags << (i % 3 == 0);
        for (int i = 0; i < 20; ++i)
            row.lines[i / 5][i % 5]
                = table.lineRates[i % 5] ? amount("5.2") : Decimal::fromCents(2626100 + i);
        QVERIFY(!insertInvoice(m_db, table, row).isValid());
        // A supplier's number is taken for that supplier only; an issued number for every client.
        QVERIFY(invoiceNumberTaken(m_db, table, "F/7", row.party).value
            && invoiceNumberTaken(m_db, table, "F/7", 40000002).value == issued
            && !invoiceNumberTaken(m_db, table, "F/8", row.party).value
            && !invoiceWithNumber(m_db, table, "F/8").value);
        const auto found = invoiceWithNumber(m_db, table, "F/7");
        QVERIFY(found.ok() && found.value);
        const InvoiceRow &back = *found.value;
        QCOMPARE(QVariantList({ back.party, back.series, back.number, back.date, back.type, back.account }),
            QVariantList({ row.party, row.series, row.number, row.date, row.type, row.account }));
        QCOMPARE(back.flags, row.flags);
        QVERIFY(back.lines == row.lines && back.withholdingPercentage == row.withholdingPercentage
            && back.total == row.total);
        // The stored forms: dates as text, flags as 1 and 0, amounts as the reals nearest them.
        QCOMPARE(stored(table.name,
                     "fecha " + table.flagColumns[0] + ' ' + table.flagColumns[1] + ' ' + table.lineStems[1]
                         + "2 " + table.lineStems[4] + "2 pret total ctc"),
            "text:05/12/2014 integer:1 integer:0 real:5.2 real:26261.14 real:1.0e-07 real:1493926.07 "
            "integer:70000000");
        // A row of an earlier version, with fractions of a cent, is read to the nearest cent.
        QVERIFY(QSqlQuery(m_db).exec("UPDATE " + table.name + " SET total = 262.605, base1 = 0.1 + 0.2"));
        QCOMPARE(datedTotals(m_db, table).value.value(0).amount.text(), "262.61");
        QCOMPARE(invoiceWithNumber(m_db, table, "F/7").value->lines[1][0].text(), "0.3");
    }

    // An update of no row says so; a counter not whole, or past its eight digits, is none, like no row.
    void anUpdateOfNoRowChangesNone()
    {
        const auto updated = updateParty(m_db, client);
        QVERIFY(updated.ok() && updated.value == 0);
        for (const QString counter :
            { "9223372036854775807", "NULL", "'x'", "4294967295", "43999999", "1.5e7" })
            QVERIFY(
                QSqlQuery(m_db).exec("UPDATE lasts SET lastc = " + counter) && !lastAccount(m_db, 0).value);
        QVERIFY(QSqlQuery(m_db).exec("UPDATE lasts SET lastc = 43999998")
            && lastAccount(m_db, 0).value == 43999998);
        QVERIFY(QSqlQuery(m_db).exec("DELETE FROM lasts"));
        QVERIFY(!lastAccount(m_db, 0).value);
        QCOMPARE(advanceLastAccount(m_db, 0, 1).value, 0);
    }

    // Reals from 10^-9 to 10^15 with up to 15 digits (all stored amounts) as their shortest decimal.
    void realsAreWrittenAsTheirShortestDecimal()
    {
        const std::pair<double, const char *> reals[] = { { 14938.26, "14938.26" },
            { 1493826.07, "1493826.07" }, { 2100000, "2100000" }, { 0.00001, "0.00001" }, { 5.2, "5.2" },
            { -116, "-116" }, { -0.0, "0" }, { 0.1 + 0.2, "0.3" }, { 999999999999999.4, "999999999999999" },
            { 1e15, "1e+15" }, { 9999999980000000.01, "9.99999998e+15" }, { 5e-324, "4.94065645841247e-324" },
            { 1e-8, "0.00000001" } };
        QSqlQuery insert(m_db);
        QStringList expected, written;
        for (const auto &[value, text] : reals) {
            QVERIFY(insert.prepare("INSERT INTO ogei VALUES (NULL, '01/01/2016', ?, 1)"));
            insert.addBindValue(value);
            QVERIFY(insert.exec());
            expected << text;
        }
        FillingDisk buffer; // with room for all, but taking each block in two writes
        QCOMPARE(writeInto(buffer), QString());
        for (const QByteArray &line : buffer.data().split('\n').mid(2, expected.size()))
            written << line.split(';').value(line.count(';') - 2); // ";;…;fecha;importe;ctc;\r"
        QCOMPARE(written, expected);
    }

    // About 12 KB go to the device in one block, about 75 KB in two: no room, a short export
    // cut in its one block, a long one cut in its first block or in its second.
    void aDeviceThatFillsUpIsReportedWithItsReason_data()
    {
        QTest::addColumn<QString>("row");
        for (const char *row : { "0 100", "4096 100", "8192 100", "4096 700", "8192 700", "73728 700" })
            QTest::newRow(row) << QString(row);
    }
    void aDeviceThatFillsUpIsReportedWithItsReason()
    {
        QFETCH(QString, row);
        QVERIFY(
            QSqlQuery(m_db).exec("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < "
                + row.section(' ', 1) + ") INSERT INTO ogei SELECT NULL, '04/05/2016', i, 62800000 FROM n"));
        FillingDisk disk;
        disk.room = row.section(' ', 0, 0).toLongLong();
        QCOMPARE(writeInto(disk), QStringLiteral("failed: No space left on device"));
        QCOMPARE(disk.size(), disk.room);
    }
};

QTEST_GUILESS_MAIN(TestStores)
#include "test_stores.moc"
