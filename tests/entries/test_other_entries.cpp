// "Otros Gastos e Ingresos": the stored `ogei` row, the reset, the checks and the refusals.

#include "PageDriving.h"

#include <QDateEdit>
#include <QMessageBox>
#include <QPushButton>

#include <functional>

namespace {

const QDate march15(2026, 3, 15);

// The window on the "Otros Gastos e Ingresos" tab, with an owner stored.
struct Fixture : PageFixture {
    bool start(const QDate &today = march15)
    {
        insertOwner();
        if (!PageFixture::start(3, today))
            return false;
        names = { { "amount", page().amount }, { "account", page().account }, { "save", page().save } };
        return true;
    }
    const OtherEntriesPage &page() const { return app->otherEntriesPage(); }
    // Picks an account, types an amount and clicks "Guardar".
    void save(int account, const QString &amount) const
    {
        if (account >= 0)
            perform({ "account=" + QString::number(account) });
        typeText(page().amount, amount);
        QCOMPARE(page().amount->text(), amount);
        perform({ "save" });
    }
};

// Evaluates a condition at the moment each message box is shown.
class BoxShowWatch : public QObject {
public:
    explicit BoxShowWatch(std::function<bool()> condition)
        : m_condition(std::move(condition))
    {
        qApp->installEventFilter(this);
    }
    ~BoxShowWatch() override { qApp->removeEventFilter(this); }
    const QList<bool> &seen() const { return m_seen; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show && qobject_cast<QMessageBox *>(watched))
            m_seen << m_condition();
        return false;
    }

private:
    std::function<bool()> m_condition;
    QList<bool> m_seen;
};

} // namespace

class TestOtherEntries final : public QObject {
    Q_OBJECT

private slots:
    void storesOneRowAndResets_data();
    void storesOneRowAndResets();
    void sameEntryTwiceStoresTwoRows();
    void refusesIncompleteForm_data();
    void refusesIncompleteForm();
    void nothingStoredAfterTheChecks_data();
    void nothingStoredAfterTheChecks();
};

void TestOtherEntries::storesOneRowAndResets_data()
{
    QTest::addColumn<bool>("decimalComma");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("account");
    QTest::addColumn<QVariantList>("row"); // fecha, importe, typeof(importe), ctc, typeof(ctc)

    const auto row = [](double importe, qlonglong ctc) {
        return QVariantList{ "15/03/2026", importe, "real", ctc, "integer" };
    };
    QTest::newRow("decimal comma, insurance") << true << "120,50" << 0 << row(120.5, 62500000);
    QTest::newRow("zero") << false << "0" << 1 << row(0, 62600000);
    QTest::newRow("lone comma") << true << "," << 2 << row(0, 63100000);
    QTest::newRow("lone point") << false << "." << 3 << row(0, 64000000);
    QTest::newRow("income account, unsigned") << false << "250.75" << 9 << row(250.75, 74000000);
}

void TestOtherEntries::storesOneRowAndResets()
{
    QFETCH(bool, decimalComma);
    QFETCH(QString, typed);
    QFETCH(int, account);
    QFETCH(QVariantList, row);

    LocaleScope locale(decimalComma);
    Fixture f;
    QVERIFY(f.start());
    const QString item = f.page().account->itemText(account);
    f.save(account, typed);

    QCOMPARE(queryRows("SELECT fecha, importe, typeof(importe), ctc, typeof(ctc) FROM ogei"),
        QList<QVariantList>{ row });
    // The reset shows no account message.
    f.verifyBoxes({ box::accountChosen(item), box::dataSaved });
    QDateEdit *date = f.app->dateFields()[2].edit;
    QCOMPARE(date->date(), march15);
    QVERIFY(f.page().amount->text().isEmpty());
    QCOMPARE(f.page().account->currentIndex(), -1);
    QTRY_COMPARE(f.app->focusWidget(), static_cast<QWidget *>(date));
    QCOMPARE(f.markedNames(), QStringList());

    // A new choice after the reset is the user's again.
    f.perform({ "account=11" });
    f.verifyBoxes(
        { box::accountChosen(item), box::dataSaved, box::accountChosen("77800000\tIngreso extraordinario") });
}

void TestOtherEntries::sameEntryTwiceStoresTwoRows()
{
    Fixture f;
    QVERIFY(f.start());
    f.save(6, "35.2");
    f.save(6, "35.2");
    const QList<QVariantList> rows = queryRows("SELECT fecha, importe, ctc FROM ogei");
    QCOMPARE(rows.size(), 2);
    for (const QVariantList &stored : rows) {
        QCOMPARE(stored[0].toString(), QStringLiteral("15/03/2026"));
        QCOMPARE(float(stored[1].toDouble()), 35.2f);
        QCOMPARE(stored[2].toLongLong(), 66900000LL);
    }
    const QString message = box::accountChosen("66900000\tPago Intereses de préstamos");
    f.verifyBoxes({ message, box::dataSaved, message, box::dataSaved });
}

void TestOtherEntries::refusesIncompleteForm_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("account");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("refused");

    const QString required = QStringLiteral("warning|Error|Este campo es obligatorio.");
    QTest::newRow("no amount") << QString() << 4 << required << "amount";
    QTest::newRow("no account") << "12" << -1 << "warning|Error|Debe seleccionar una cuenta contable."
                                << "account";
    // The amount is checked first.
    QTest::newRow("neither") << QString() << -1 << required << "amount";
}

void TestOtherEntries::refusesIncompleteForm()
{
    QFETCH(QString, typed);
    QFETCH(int, account);
    QFETCH(QString, box);
    QFETCH(QString, refused);

    Fixture f;
    QVERIFY(f.start());
    if (account >= 0)
        f.perform({ "account=" + QString::number(account) });
    typeText(f.page().amount, typed);
    f.responder.clear();

    // The field is marked and focused before its box shows; a field checked before it
    // passed and carries no mark.
    QWidget *field = f.widget(refused);
    BoxShowWatch watch([&] { return marked(field) && f.app->focusWidget() == field; });
    f.perform({ "save" });
    f.verifyBoxes({ box });
    QCOMPARE(watch.seen(), QList<bool>{ true });
    QCOMPARE(f.markedNames(), QStringList{ refused });
    QCOMPARE(queryValue("SELECT COUNT(*) FROM ogei").toInt(), 0);

    // Completing the form clears the marks and stores the row.
    if (f.page().amount->text().isEmpty())
        typeText(f.page().amount, "7");
    if (f.page().account->currentIndex() < 0)
        f.perform({ "account=5" });
    f.responder.clear();
    f.perform({ "save" });
    f.verifyBoxes({ box::dataSaved });
    QCOMPARE(f.markedNames(), QStringList());
    QCOMPARE(queryValue("SELECT COUNT(*) FROM ogei").toInt(), 1);
}

// The page keeps what was typed while today is unknown, and when the row cannot be
// inserted (the driver's own text is shown).
void TestOtherEntries::nothingStoredAfterTheChecks_data()
{
    QTest::addColumn<bool>("todayKnown");
    QTest::addColumn<QString>("box");

    QTest::newRow("today unknown") << false << box::todayUnknown;
    QTest::newRow("insert fails") << true << "critical|Error|";
}

void TestOtherEntries::nothingStoredAfterTheChecks()
{
    QFETCH(bool, todayKnown);
    QFETCH(QString, box);

    Fixture f;
    QVERIFY(f.start(todayKnown ? march15 : QDate()));
    if (todayKnown)
        QVERIFY(execStatement("DROP TABLE ogei"));
    f.save(8, "40");
    QVERIFY(f.settled());
    const QStringList seen = boxLines(f.responder);
    QCOMPARE(seen.size(), 2);
    QVERIFY2(seen[1].startsWith(box) && seen[1].size() > 15, qPrintable(seen[1]));
    if (!todayKnown) {
        QCOMPARE(seen[1], box);
        QCOMPARE(queryValue("SELECT COUNT(*) FROM ogei").toInt(), 0);
    }
    QCOMPARE(f.page().amount->text(), QStringLiteral("40"));
    QCOMPARE(f.page().account->currentIndex(), 8);
}

QTEST_MAIN(TestOtherEntries)
#include "test_other_entries.moc"
