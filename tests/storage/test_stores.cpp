// The storage modules on their own, against a database file of their own: what each one
// stores comes back by name in the stored forms, and each reports the driver's errors.

#include "storage/Database.h"
#include "storage/InvoiceStore.h"
#include "storage/OtherEntryStore.h"
#include "storage/OwnerStore.h"
#include "storage/PartyStore.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

class TestStores final : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void ownerPartiesAndEntriesComeBack();
    void invoicesComeBack_data();
    void invoicesComeBack();
    void theCounterOfEachTypeAdvancesAlone_data();
    void theCounterOfEachTypeAdvancesAlone();
    void anUpdateOfNoRowChangesNone();
    void aLockedFileGivesTheDriversError_data();
    void aLockedFileGivesTheDriversError();

private:
    // Every row's value of column in table, as "<storage type>:<text>".
    QStringList stored(const QString &table, const QString &column);

    QTemporaryDir m_dir;
    QSqlDatabase m_db;
};

namespace {
const QString connectionName = QStringLiteral("stores");
const QString lockName = QStringLiteral("stores-lock");
const PartyRow client{ 0, 43000001, "B12345678", "Cliente Uno", "Calle Sol 3", "04100", "Níjar", "Almería",
    "España" };
const PartyRow supplier{ 1, 40000001, "B12345678", "Proveedor Uno", "Calle Mar 1", "04001", "Almería",
    "Almería", "España" };
} // namespace

void TestStores::init()
{
    m_db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connectionName);
    m_db.setDatabaseName(m_dir.filePath(QStringLiteral("data.db")));
    // A locked file fails at once instead of after SQLite's wait.
    m_db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=0"));
    QVERIFY(m_db.open());
    for (const QString &statement : schemaStatements())
        QVERIFY(!runStatement(m_db, statement).isValid());
    QVERIFY(!seedCounters(m_db).isValid());
}

void TestStores::cleanup()
{
    m_db.close();
    m_db = QSqlDatabase();
    QSqlDatabase::removeDatabase(connectionName);
    QFile::remove(m_dir.filePath(QStringLiteral("data.db")));
}

QStringList TestStores::stored(const QString &table, const QString &column)
{
    QSqlQuery query(m_db);
    QStringList values;
    if (query.exec(QStringLiteral("SELECT typeof(%1) || ':' || %1 FROM %2").arg(column, table))) {
        while (query.next())
            values << query.value(0).toString();
    }
    return values;
}

void TestStores::ownerPartiesAndEntriesComeBack()
{
    QVERIFY(!readOwner(m_db).value);
    QVERIFY(!insertOwner(
        m_db, { "12345678Z", "Brivana SL", "Calle Luna 2", "04100", "Níjar", "Almería", "España", 2 })
                 .isValid());
    const auto owner = readOwner(m_db);
    QVERIFY(owner.ok() && owner.value);
    QCOMPARE(QVariantList({ owner.value->nif, owner.value->businessName, owner.value->technician }),
        QVariantList({ "12345678Z", "Brivana SL", 2 }));
    QCOMPARE(readOwnerNif(m_db).value, QString("12345678Z"));
    QCOMPARE(stored("admin", "cp"), QStringList{ "integer:4100" });

    QVERIFY(!insertParty(m_db, client).isValid());
    QVERIFY(!insertParty(m_db, supplier).isValid());
    QCOMPARE(partyCount(m_db).value, 2);
    QCOMPARE(partyNames(m_db, 1).value, QStringList{ supplier.name });
    const auto found = partyAt(m_db, 1).value;
    QVERIFY(found);
    QCOMPARE(QStringList({ found->nif, found->name, found->address, found->postalCode, found->town,
                 found->province, found->country }),
        QStringList({ client.nif, client.name, client.address, "4100", client.town, client.province,
            client.country }));
    QCOMPARE(found->id, client.id);
    QVERIFY(!partyAt(m_db, 3).value);
    const auto sameNif = partiesWithNif(m_db, client.nif).value;
    QCOMPARE(sameNif.size(), 2);
    QCOMPARE(sameNif[1].type, 1);
    QCOMPARE(partyRowOfNif(m_db, client.nif, 1).value, std::optional<unsigned>(2));
    QCOMPARE(accountOfParty(m_db, 1, supplier.name).value, std::optional<uint>(40000001));
    QVERIFY(!accountOfParty(m_db, 0, supplier.name).value);
    QCOMPARE(nameOfAccount(m_db, client.id).value, std::optional<QString>(client.name));
    // A duplicate is the same identifier or name within one type.
    QVERIFY(partyExists(m_db, "A00000000", client.name, 0).value);
    QVERIFY(partyExists(m_db, client.nif, "Otro", 1).value);
    QVERIFY(!partyExists(m_db, "A00000000", client.name, 1).value);

    QVERIFY(!insertOtherEntry(m_db, { QDate(2014, 12, 5), 21.105f, "62800000" }).isValid());
    QCOMPARE(stored("ogei", "fecha") + stored("ogei", "importe") + stored("ogei", "ctc"),
        QStringList({ "text:05/12/2014", "real:21.105", "integer:62800000" }));
}

void TestStores::invoicesComeBack_data()
{
    QTest::addColumn<bool>("issued");
    QTest::newRow("femi") << true;
    QTest::newRow("frec") << false;
}

void TestStores::invoicesComeBack()
{
    QFETCH(bool, issued);
    const InvoiceTable &table = issued ? issuedInvoices() : receivedInvoices();
    InvoiceRow row{ 43000001, issued ? "A-2014" : "", "F/7", QDate(2014, 12, 5), 2, {}, {}, 100, 15, 15,
        121.5f, "70000000" };
    for (int i = 0; i < table.flagColumns.size(); ++i)
        row.flags << (i % 3 == 0);
    for (int line = 0; line < 4; ++line) {
        for (int i = 0; i < 5; ++i)
            row.lines[line][i] = 21.105f + float(10 * line + i);
    }
    QVERIFY(!insertInvoice(m_db, table, row).isValid());
    QVERIFY(invoiceNumberTaken(m_db, table, "F/7").value);
    QVERIFY(!invoiceNumberTaken(m_db, table, "F/8").value);
    QVERIFY(!invoiceWithNumber(m_db, table, "F/8").value);

    const auto found = invoiceWithNumber(m_db, table, "F/7");
    QVERIFY(found.ok() && found.value);
    const InvoiceRow &back = *found.value;
    QCOMPARE(QVariantList({ back.party, back.series, back.number, back.date, back.type, back.account }),
        QVariantList({ row.party, row.series, row.number, row.date, row.type, row.account }));
    QCOMPARE(back.flags, row.flags);
    QVERIFY(back.lines == row.lines);
    QCOMPARE(
        QList<float>({ back.withholdingBase, back.withholdingPercentage, back.withholdingQuota, back.total }),
        QList<float>({ 100, 15, 15, 121.5f }));

    // The stored forms: dates as text, flags as 1 and 0, amounts as their shortest decimal.
    QCOMPARE(stored(table.name, "fecha"), QStringList{ "text:05/12/2014" });
    QCOMPARE(stored(table.name, table.flagColumns[0]) + stored(table.name, table.flagColumns[1]),
        QStringList({ "integer:1", "integer:0" }));
    QCOMPARE(stored(table.name, table.lineStems[4] + "2"), QStringList{ "real:45.105" });
    QCOMPARE(stored(table.name, "ctc"), QStringList{ "integer:70000000" });

    const auto totals = datedTotals(m_db, table).value;
    const auto bases = datedBases(m_db, table).value;
    QCOMPARE(totals.size(), 1);
    QCOMPARE(QVariantList({ totals[0].date, totals[0].amount, bases[0].amount }),
        QVariantList({ "05/12/2014", 121.5f, 51.105f }));
}

void TestStores::theCounterOfEachTypeAdvancesAlone_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QList<qlonglong>>("after");
    QTest::newRow("clients") << 0 << QList<qlonglong>{ 43000001, 40000000 };
    QTest::newRow("suppliers") << 1 << QList<qlonglong>{ 43000000, 40000001 };
}

void TestStores::theCounterOfEachTypeAdvancesAlone()
{
    QFETCH(int, type);
    QFETCH(QList<qlonglong>, after);
    // Seeding again adds no second row.
    QVERIFY(!seedCounters(m_db).isValid());
    const auto last = lastAccount(m_db, type).value;
    QVERIFY(last);
    const auto advanced = advanceLastAccount(m_db, type, *last + 1);
    QVERIFY(advanced.ok());
    QCOMPARE(advanced.value, 1);
    QCOMPARE(QList<qlonglong>({ *lastAccount(m_db, 0).value, *lastAccount(m_db, 1).value }), after);
}

void TestStores::anUpdateOfNoRowChangesNone()
{
    const auto updated = updateParty(m_db, client);
    QVERIFY(updated.ok());
    QCOMPARE(updated.value, 0);
    QVERIFY(!insertParty(m_db, client).isValid());
    PartyRow moved = client;
    moved.town = "Mojácar";
    QCOMPARE(updateParty(m_db, moved).value, 1);
    QCOMPARE(partyAt(m_db, 1).value->town, moved.town);

    QVERIFY(QSqlQuery(m_db).exec("DELETE FROM lasts"));
    QVERIFY(!lastAccount(m_db, 0).value);
    QCOMPARE(advanceLastAccount(m_db, 0, 1).value, 0);
}

void TestStores::aLockedFileGivesTheDriversError_data()
{
    QTest::addColumn<int>("kind");
    QTest::newRow("read") << 0;
    QTest::newRow("insert") << 1;
    QTest::newRow("update") << 2;
    QTest::newRow("create") << 3;
}

void TestStores::aLockedFileGivesTheDriversError()
{
    QFETCH(int, kind);
    {
        QSqlDatabase holder = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), lockName);
        holder.setDatabaseName(m_db.databaseName());
        QVERIFY(holder.open());
        QVERIFY(QSqlQuery(holder).exec("BEGIN EXCLUSIVE"));
        const QSqlError error = kind == 0 ? readOwner(m_db).error
            : kind == 1                   ? insertParty(m_db, client)
            : kind == 2                   ? advanceLastAccount(m_db, 0, 1).error
                                          : runStatement(m_db, schemaStatements().first());
        QCOMPARE(error.databaseText(), QStringLiteral("database is locked"));
        QVERIFY(QSqlQuery(holder).exec("ROLLBACK"));
    }
    QSqlDatabase::removeDatabase(lockName);
}

QTEST_GUILESS_MAIN(TestStores)
#include "test_stores.moc"
