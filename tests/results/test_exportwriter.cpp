#include "results/ExportWriter.h"
#include "storage/Database.h"
#include "storage/ExportTables.h"

#include <QBuffer>
#include <QRandomGenerator>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTest>

#include <cmath>
#include <cstring>

// The writer on its own, against an in-memory database.
class TestExportWriter final : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void realsAreWrittenAsQtWritesThemWith15Digits();
    void aDeviceThatFillsUpIsReportedWithItsReason_data();
    void aDeviceThatFillsUpIsReportedWithItsReason();

private:
    // Runs the writer over the four tables into device; false with the writer's text.
    bool writeInto(QIODevice &device, QString *error = nullptr);

    QSqlDatabase m_db;
};

namespace {
const QString connectionName = QStringLiteral("export-writer-test");

// As a file on a disk with room bytes free: a write takes what still fits, and the one
// after it fails with the system's reason.
struct FillingDisk final : QBuffer {
    qint64 room = 0;
    qint64 writeData(const char *data, qint64 size) override
    {
        if (pos() < room)
            return QBuffer::writeData(data, qMin(size, room - pos()));
        setErrorString(QStringLiteral("No space left on device"));
        return -1;
    }
};
} // namespace

void TestExportWriter::init()
{
    m_db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connectionName);
    m_db.setDatabaseName(QStringLiteral(":memory:"));
    QVERIFY(m_db.open());
    QSqlQuery query(m_db);
    for (const QString &statement : schemaStatements())
        QVERIFY2(query.exec(statement), qPrintable(query.lastError().text()));
}

void TestExportWriter::cleanup()
{
    m_db.close();
    m_db = QSqlDatabase();
    QSqlDatabase::removeDatabase(connectionName);
}

bool TestExportWriter::writeInto(QIODevice &device, QString *error)
{
    ExportTables tables(m_db);
    if (tables.run().isValid())
        return false;
    ExportWriter writer(device);
    const bool written
        = writer.write(tables.parties(), tables.issued(), tables.received(), tables.otherEntries());
    if (error)
        *error = writer.errorString();
    return written;
}

void TestExportWriter::realsAreWrittenAsQtWritesThemWith15Digits()
{
    // Amounts as stored, and reals no form can produce but a database may hold: ties at
    // the 15th digit, more than 15 digits, both notations and their borders.
    QList<double> values{ 21.105, 1493830, 0.21, 21.5, 2100000, 0.00001, 0.0001, 1e15, 1e16,
        123456789012345678.0, 0.1 + 0.2, 33110032036284.25, -292412377032120.5, 999999999999999.4,
        999999999999999.5, 5e-324, 1e308, -0.0, -12.5 };
    QRandomGenerator random(20160515);
    for (int i = 0; i < 2000; ++i) {
        const quint64 bits = random.generate64();
        double value;
        std::memcpy(&value, &bits, sizeof value);
        if (std::isfinite(value))
            values << value;
        // Whole cents times a power of ten, like sums of amounts.
        values << double(random.bounded(100000000)) / 100 * std::pow(10.0, random.bounded(-6, 12));
    }

    QSqlQuery insert(m_db);
    QVERIFY(insert.prepare(QStringLiteral("INSERT INTO ogei VALUES (NULL, '01/01/2016', :importe, 1)")));
    for (double value : values) {
        insert.bindValue(QStringLiteral(":importe"), value);
        QVERIFY2(insert.exec(), qPrintable(insert.lastError().text()));
    }

    QBuffer buffer;
    QVERIFY(buffer.open(QIODevice::WriteOnly));
    QVERIFY(writeInto(buffer));
    const QList<QByteArray> lines = buffer.data().split('\n');
    QCOMPARE(lines.size(), 2 + values.size() + 1);
    for (int i = 0; i < values.size(); ++i) {
        // ";;…;fecha;importe;ctc;\r": the amount is the second field from the end.
        const QList<QByteArray> fields = lines[2 + i].split(';');
        QCOMPARE(fields.size(), 89);
        QCOMPARE(QString::fromLatin1(fields[86]), QString::number(values[i], 'g', 15));
    }
}

void TestExportWriter::aDeviceThatFillsUpIsReportedWithItsReason_data()
{
    QTest::addColumn<qint64>("room");
    QTest::addColumn<int>("rows");

    // About 12 KB go to the device in one block, about 75 KB in two.
    QTest::newRow("no room") << qint64(0) << 100;
    QTest::newRow("4096 bytes, short export") << qint64(4096) << 100;
    QTest::newRow("8192 bytes, short export") << qint64(8192) << 100;
    QTest::newRow("4096 bytes, first of two blocks") << qint64(4096) << 700;
    QTest::newRow("8192 bytes, first of two blocks") << qint64(8192) << 700;
    QTest::newRow("72 KiB, second of two blocks") << qint64(73728) << 700;
}

void TestExportWriter::aDeviceThatFillsUpIsReportedWithItsReason()
{
    QFETCH(qint64, room);
    QFETCH(int, rows);
    QVERIFY(QSqlQuery(m_db).exec(QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 "
                                                "FROM n WHERE i < %1) INSERT INTO ogei SELECT NULL, "
                                                "'04/05/2016', i, 62800000 FROM n")
                                     .arg(rows)));
    FillingDisk disk;
    disk.room = room;
    QVERIFY(disk.open(QIODevice::WriteOnly));
    QString error;
    QVERIFY(!writeInto(disk, &error));
    QCOMPARE(error, QStringLiteral("No space left on device"));
    QCOMPARE(disk.size(), room);
}

QTEST_MAIN(TestExportWriter)
#include "test_exportwriter.moc"
