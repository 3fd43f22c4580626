// Faults around data.db through the window.

#include "TestSupport.h"

class TestFaults final : public QObject {
    Q_OBJECT

private slots:
    void fileThatIsNoDatabaseIsLeftAlone() // every statement fails, nothing is written
    {
        WindowFixture f;
        const QByteArray garbage = QByteArray("no database").repeated(6000);
        QFile file("data.db");
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(garbage) && file.flush());
        QVERIFY(f.open(-1) && f.act("") == QStringList(13, "execute_statement").join(' '));
        f.app.reset();
        QCOMPARE(readFile("data.db"), garbage);
    }

    // Under another program's lock a save fails at once, at a read or at a write.
    void lockedSavesStoreNothing()
    {
        WindowFixture f;
        insertOwner();
        insertParty(0, 43000001, "11111111H", "Alfa");
        QVERIFY(f.open(0));
        QSqlDatabase::database().setConnectOptions("QSQLITE_BUSY_TIMEOUT=0");
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "other");
        db.setDatabaseName("data.db");
        QSqlQuery other(db.open() ? db : QSqlDatabase());
        f.act("type=0 nif=87654321X name=Dos address=S postalCode=04100 town=x province=x country=x");
        const QString stored = storedRows("cap") + storedRows("lasts"), typed = f.state().join(' ');
        QVERIFY(other.exec("BEGIN EXCLUSIVE"));
        QCOMPARE(f.act("save"), "execute_statement held");
        QVERIFY(other.exec("ROLLBACK") && other.exec("BEGIN IMMEDIATE"));
        QCOMPARE(f.act(">Guardar save"), "de_continuar. fetch_row held");
        QVERIFY(other.exec("ROLLBACK"));
        QCOMPARE(storedRows("cap") + storedRows("lasts") + f.state().join(' '), stored + typed);
        QCOMPARE(
            f.act("name=Alfa save name=Dos >Guardar save"), "de_alta. de_continuar. guardado_correctamente.");
    }

    // A row that cannot be read stops the sums with the driver's box; the quarter shows them so far.
    void unreadableRow()
    {
        WindowFixture f;
        insertOwner();
        QVERIFY(queryRows("DROP TABLE femi") && queryRows("CREATE TABLE femi (fecha, total, base3, serie)")
            && queryRows("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 400) "
                         "INSERT INTO femi SELECT '10/05/2016', i % 2, 1, printf('%0900d', i) FROM n"));
        QFile file("data.db"); // its last page holds the last rows
        QVERIFY(file.open(QIODevice::ReadWrite) && file.seek(file.size() - 4096)
            && file.write(QByteArray(4096, '\xff')) && file.flush());
        QVERIFY(f.open(4));
        f.takeBoxes(); // the year filled in at start runs the month's sums
        QCOMPARE(f.act("quarter=1") + ' ' + f.act("month=4"), "fetch_row fetch_row");
        QVERIFY(f.text("supported").toInt() > 100 && f.text("supported").toInt() < 200
            && f.text("income") + f.text("monthResult") == "00");
    }

    // Starts after a setup, boxes by a part: data.db not opened; a lock held, of another computer, a folder,
    // on a full disk (data.db untouched); empty or unreadable, taken over. The lock goes with the program.
    void startRefused()
    {
        for (const QString &row : QStringList{ "|started|0|data.db", ":>.data.db.lock|started|0|data.db",
                 "printf '\\217\\377' >.data.db.lock|started|0|data.db",
                 "mkdir data.db|3|Error|No se ha podido establecer la conexión a la base de datos "
                 "interna.|255|",
                 "held|3|Error|Brivana ya está abierto con estos datos en otra ventana.\nCierre la otra "
                 "ventana "
                 "antes de volver a abrirlo.|1|.data.db.lock",
                 "printf '1\\nbrivana\\npc-oficina\\n' >.data.db.lock|en el ordenador «pc-oficina».\nCierre "
                 "Brivana en "
                 "ese ordenador. Si ya no está abierto allí, borre el archivo oculto .data.db.lock de la "
                 "carpeta ~ "
                 "y vuelva a abrir Brivana.|1|.data.db.lock",
                 "mkdir .data.db.lock|3|Error|Brivana no puede abrir sus datos: no ha podido crear el "
                 "archivo de "
                 "bloqueo .data.db.lock en la carpeta ~ (Is a directory).\nCompruebe que el disco tiene "
                 "espacio "
                 "libre y que puede escribir en la carpeta.|1|",
                 "mkdir disk && mount -t tmpfs -o size=8k tmpfs disk && { cat /dev/zero >disk/fill "
                 "2>/dev/null; true; }|"
                 "(No space left on device).|1|" }) {
            ScratchDirectory scratch;
            const QString setup = row.section('|', 0, 0), shown = row.section('|', 1, -3);
            QLockFile otherWindow(".data.db.lock");
            QVERIFY(setup != "held" || otherWindow.tryLock(0));
            const auto unmount = qScopeGuard([&] {
                QDir::setCurrent(scratch.m_dir.path()),
                    QProcess::execute("sh", { "-c", "umount disk 2>/dev/null" });
            });
            if (setup != "held" && QProcess::execute("sh", { "-c", setup }) != 0)
                QSKIP(qPrintable("Not tried here: " + setup));
            QDir::setCurrent(QDir("disk").exists() ? "disk" : ".");
            QProcess process; // a start that ends the process at once leaks by design
            process.setEnvironment(QProcess::systemEnvironment() << "ASAN_OPTIONS=detect_leaks=0");
            process.start(BRIVANA_BINARY_DIR "/tests/helper_fatal_start", {});
            QVERIFY(process.waitForFinished(60000));
            const QString boxes = QString(process.readAllStandardOutput()).replace(QDir::currentPath(), "~");
            QVERIFY2(boxes.contains(shown + '\n'), qPrintable(boxes));
            QCOMPARE(row.section('|', -2),
                QString::number(process.exitCode()) + '|'
                    + QDir().entryList({ "*.db*" }, QDir::Files | QDir::Hidden).join(' '));
        }
    }
};

QTEST_MAIN(TestFaults)
#include "test_faults.moc"
