#include "TestSupport.h"

#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include <functional>

namespace {

const QString savedText = QStringLiteral("Datos guardados");

QString accountMessage(const QString &item)
{
    return QStringLiteral("Ha seleccionado usted la cuenta contable:\n\n") + item
        + QStringLiteral("\n\nPor favor, verifique si es correcto.");
}

// Switches the default locale for one test and restores it afterwards.
class LocaleScope {
public:
    explicit LocaleScope(bool decimalComma)
    {
        if (decimalComma)
            QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
    }
    ~LocaleScope() { QLocale::setDefault(m_previous); }

private:
    QLocale m_previous;
};

// The window on the "Otros Gastos e Ingresos" tab, active so that focus is real.
std::unique_ptr<App> startOnOtherEntries(FakeTimeServer &server, bool waitForToday = true)
{
    insertOwner();
    auto app = startApp(server);
    if (waitForToday && !QTest::qWaitFor([&] { return app->today().isValid(); }))
        return nullptr;
    app->tabs()->setCurrentIndex(3);
    app->activateWindow();
    if (!QTest::qWaitForWindowActive(app.get()))
        return nullptr;
    return app;
}

void choose(App &app, int index)
{
    app.otherEntriesPage().account->setCurrentIndex(index);
}

void clickSave(App &app)
{
    QTest::mouseClick(app.otherEntriesPage().save, Qt::LeftButton);
}

bool marked(const QWidget *field)
{
    return field->property("error").toBool();
}

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
    void storesNothingWhileTodayUnknown();
    void failedInsertKeepsThePage();
};

void TestOtherEntries::storesOneRowAndResets_data()
{
    QTest::addColumn<bool>("decimalComma");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("account");
    QTest::addColumn<double>("importe");
    QTest::addColumn<qlonglong>("ctc");

    QTest::newRow("decimal comma, insurance") << true << QStringLiteral("120,50") << 0 << 120.5 << 62500000LL;
    QTest::newRow("zero") << false << QStringLiteral("0") << 1 << 0.0 << 62600000LL;
    QTest::newRow("lone comma") << true << QStringLiteral(",") << 2 << 0.0 << 63100000LL;
    QTest::newRow("lone point") << false << QStringLiteral(".") << 3 << 0.0 << 64000000LL;
    QTest::newRow("income account, unsigned")
        << false << QStringLiteral("250.75") << 9 << 250.75 << 74000000LL;
}

void TestOtherEntries::storesOneRowAndResets()
{
    QFETCH(bool, decimalComma);
    QFETCH(QString, typed);
    QFETCH(int, account);
    LocaleScope locale(decimalComma);
    ScratchDirectory scratch;
    BoxResponder responder;
    FakeTimeServer server;
    server.answerWith(noonOn(2026, 3, 15));
    auto app = startOnOtherEntries(server);
    QVERIFY(app);
    const OtherEntriesPage &page = app->otherEntriesPage();
    QDateEdit *date = app->dateFields()[2].edit;
    const QString item = page.account->itemText(account);

    choose(*app, account);
    typeText(page.amount, typed);
    QCOMPARE(page.amount->text(), typed);
    clickSave(*app);

    const QList<QVariantList> rows
        = queryRows(QStringLiteral("SELECT fecha, importe, typeof(importe), ctc, typeof(ctc) FROM ogei"));
    QCOMPARE(rows.size(), 1);
    QCOMPARE(rows[0][0].toString(), QStringLiteral("15/03/2026"));
    QTEST(rows[0][1].toDouble(), "importe");
    QCOMPARE(rows[0][2].toString(), QStringLiteral("real"));
    QTEST(rows[0][3].toLongLong(), "ctc");
    QCOMPARE(rows[0][4].toString(), QStringLiteral("integer"));

    // The reset shows no account message.
    QCOMPARE(responder.texts(), QStringList({ accountMessage(item), savedText }));
    QCOMPARE(responder.boxes().last().icon, QMessageBox::Information);
    QCOMPARE(responder.boxes().last().title, QStringLiteral("Información"));
    QCOMPARE(date->date(), QDate(2026, 3, 15));
    QVERIFY(page.amount->text().isEmpty());
    QCOMPARE(page.account->currentIndex(), -1);
    QTRY_COMPARE(app->focusWidget(), static_cast<QWidget *>(date));
    QVERIFY(!marked(page.amount));
    QVERIFY(!marked(page.account));

    // A new choice after the reset is the user's again.
    choose(*app, 11);
    QCOMPARE(responder.texts().size(), 3);
    QCOMPARE(responder.texts().last(), accountMessage(QStringLiteral("77800000\tIngreso extraordinario")));
    QVERIFY(!QApplication::activeModalWidget());
}

void TestOtherEntries::sameEntryTwiceStoresTwoRows()
{
    ScratchDirectory scratch;
    BoxResponder responder;
    FakeTimeServer server;
    server.answerWith(noonOn(2026, 3, 15));
    auto app = startOnOtherEntries(server);
    QVERIFY(app);
    for (int save = 0; save < 2; ++save) {
        choose(*app, 6);
        typeText(app->otherEntriesPage().amount, QStringLiteral("35.2"));
        clickSave(*app);
    }
    const QVariantList row{ QStringLiteral("15/03/2026"), 35.2, 66900000LL };
    const QList<QVariantList> rows = queryRows(QStringLiteral("SELECT fecha, importe, ctc FROM ogei"));
    QCOMPARE(rows.size(), 2);
    for (const QVariantList &stored : rows) {
        QCOMPARE(stored[0].toString(), row[0].toString());
        QCOMPARE(float(stored[1].toDouble()), 35.2f);
        QCOMPARE(stored[2].toLongLong(), row[2].toLongLong());
    }
    const QString message = accountMessage(QStringLiteral("66900000\tPago Intereses de préstamos"));
    QCOMPARE(responder.texts(), QStringList({ message, savedText, message, savedText }));
    QVERIFY(!QApplication::activeModalWidget());
}

void TestOtherEntries::refusesIncompleteForm_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("account");
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("amountRefused");

    const QString required = QStringLiteral("Este campo es obligatorio.");
    QTest::newRow("no amount") << QString() << 4 << required << true;
    QTest::newRow("no account") << QStringLiteral("12") << -1
                                << QStringLiteral("Debe seleccionar una cuenta contable.") << false;
    // The amount is checked first.
    QTest::newRow("neither") << QString() << -1 << required << true;
}

void TestOtherEntries::refusesIncompleteForm()
{
    QFETCH(QString, typed);
    QFETCH(int, account);
    QFETCH(QString, message);
    QFETCH(bool, amountRefused);
    ScratchDirectory scratch;
    BoxResponder responder;
    FakeTimeServer server;
    server.answerWith(noonOn(2026, 3, 15));
    auto app = startOnOtherEntries(server);
    QVERIFY(app);
    const OtherEntriesPage &page = app->otherEntriesPage();
    QWidget *refused
        = amountRefused ? static_cast<QWidget *>(page.amount) : static_cast<QWidget *>(page.account);

    if (account >= 0)
        choose(*app, account);
    typeText(page.amount, typed);
    responder.clear();

    // The field is marked and focused before its box shows.
    BoxShowWatch watch([&] { return marked(refused) && app->focusWidget() == refused; });
    clickSave(*app);

    QCOMPARE(responder.boxes().size(), 1);
    QCOMPARE(responder.boxes()[0].icon, QMessageBox::Warning);
    QCOMPARE(responder.boxes()[0].title, QStringLiteral("Error"));
    QCOMPARE(responder.boxes()[0].text, message);
    QCOMPARE(watch.seen(), QList<bool>{ true });
    QVERIFY(marked(refused));
    // A field checked before the refused one passed and carries no mark.
    if (!amountRefused)
        QVERIFY(!marked(page.amount));
    QCOMPARE(queryValue(QStringLiteral("SELECT COUNT(*) FROM ogei")).toInt(), 0);

    // Completing the form clears the marks and stores the row.
    if (page.amount->text().isEmpty())
        typeText(page.amount, QStringLiteral("7"));
    if (page.account->currentIndex() < 0)
        choose(*app, 5);
    responder.clear();
    clickSave(*app);
    QCOMPARE(responder.texts(), QStringList{ savedText });
    QVERIFY(!marked(page.amount));
    QVERIFY(!marked(page.account));
    QCOMPARE(queryValue(QStringLiteral("SELECT COUNT(*) FROM ogei")).toInt(), 1);
    QVERIFY(!QApplication::activeModalWidget());
}

void TestOtherEntries::storesNothingWhileTodayUnknown()
{
    ScratchDirectory scratch;
    BoxResponder responder;
    FakeTimeServer server;
    server.stayQuiet();
    auto app = startOnOtherEntries(server, false);
    QVERIFY(app);
    const OtherEntriesPage &page = app->otherEntriesPage();
    choose(*app, 0);
    typeText(page.amount, QStringLiteral("99"));
    responder.clear();
    clickSave(*app);

    QCOMPARE(responder.boxes().size(), 1);
    QCOMPARE(responder.boxes()[0].icon, QMessageBox::Warning);
    QCOMPARE(responder.boxes()[0].title, QStringLiteral("Error"));
    QCOMPARE(responder.boxes()[0].text,
        QStringLiteral("No se ha podido obtener la fecha actual del servidor de hora."));
    QCOMPARE(queryValue(QStringLiteral("SELECT COUNT(*) FROM ogei")).toInt(), 0);
    QCOMPARE(page.amount->text(), QStringLiteral("99"));
    QCOMPARE(page.account->currentIndex(), 0);
    QVERIFY(!QApplication::activeModalWidget());
}

void TestOtherEntries::failedInsertKeepsThePage()
{
    ScratchDirectory scratch;
    BoxResponder responder;
    FakeTimeServer server;
    server.answerWith(noonOn(2026, 3, 15));
    auto app = startOnOtherEntries(server);
    QVERIFY(app);
    QVERIFY(execStatement(QStringLiteral("DROP TABLE ogei")));
    const OtherEntriesPage &page = app->otherEntriesPage();
    choose(*app, 8);
    typeText(page.amount, QStringLiteral("40"));
    responder.clear();
    clickSave(*app);

    QCOMPARE(responder.boxes().size(), 1);
    QCOMPARE(responder.boxes()[0].icon, QMessageBox::Critical);
    QCOMPARE(responder.boxes()[0].title, QStringLiteral("Error"));
    // The driver's own text.
    QVERIFY(!responder.boxes()[0].text.isEmpty());
    QCOMPARE(page.amount->text(), QStringLiteral("40"));
    QCOMPARE(page.account->currentIndex(), 8);
    QVERIFY(!QApplication::activeModalWidget());
}

QTEST_MAIN(TestOtherEntries)
#include "test_other_entries.moc"
