// The window as a whole: size, pages, the fields every page starts with, what is hidden
// at start, and the help box behind every page's help button.

#include "TestSupport.h"

#include "widgets/MessageBoxes.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSet>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

namespace {

QStringList describe(const QList<BoxResponder::Box> &boxes)
{
    QStringList result;
    for (const BoxResponder::Box &box : boxes)
        result << QStringLiteral("%1|%2|%3").arg(int(box.icon)).arg(box.title, box.text);
    return result;
}

template <typename Widget> QSet<QWidget *> directChildren(QWidget *page)
{
    QSet<QWidget *> result;
    for (Widget *widget : page->findChildren<Widget *>(QString(), Qt::FindDirectChildrenOnly))
        result.insert(widget);
    return result;
}

QSet<QWidget *> hiddenChildren(QWidget *page)
{
    QSet<QWidget *> result;
    for (QWidget *widget : directChildren<QWidget>(page)) {
        if (widget->isHidden())
            result.insert(widget);
    }
    return result;
}

QSet<QWidget *> readOnlyFields(QWidget *page)
{
    QSet<QWidget *> result;
    for (QLineEdit *field : page->findChildren<QLineEdit *>()) {
        if (field->isReadOnly())
            result.insert(field);
    }
    return result;
}

template <typename... Widgets> QSet<QWidget *> setOf(Widgets *...widgets)
{
    return QSet<QWidget *>{ static_cast<QWidget *>(widgets)... };
}

void addOptions(QSet<QWidget *> &set, std::initializer_list<OptionBox> options)
{
    for (const OptionBox &option : options)
        set += setOf(option.box, option.label);
}

void addWithholding(QSet<QWidget *> &set, const WithholdingLine &line)
{
    set += setOf(
        line.base, line.percentage, line.quota, line.baseHeading, line.percentageHeading, line.quotaHeading);
}

std::unique_ptr<App> startWithOwner(FakeTimeServer &server)
{
    insertOwner();
    auto app = startApp(server);
    return app;
}

const QStringList tabTitles{ QStringLiteral("Alta Clientes y Proveedores"),
    QStringLiteral("Facturas Emitidas"), QStringLiteral("Facturas Recibidas"),
    QStringLiteral("Otros Gastos e Ingresos"), QStringLiteral("IVA y resultados"),
    QStringLiteral("Enviar datos asesoría") };

} // namespace

class TestWindow final : public QObject {
    Q_OBJECT

private slots:
    void withoutOwnerTheRegistrationFormIsShown();
    void withOwnerTheTabsAreShown();
    void dateFieldsShowDayMonthYear();
    void resultFieldsStartAtZeroAndReadOnly();
    void widgetsHiddenAtStart();
    void listsStartWithNoCurrentItem();
    void issuedInvoiceHeaderTabOrder();
    void helpButtonsOpenTheirPagesHelp();
    void twoChoiceQuestion_data();
    void twoChoiceQuestion();
};

void TestWindow::withoutOwnerTheRegistrationFormIsShown()
{
    ScratchDirectory scratch;
    BoxResponder responder;
    FakeTimeServer server;
    auto app = startApp(server);

    QCOMPARE(app->windowTitle(), QStringLiteral("Brivana"));
    QVERIFY(app->isVisible());
    QCOMPARE(app->size(), QSize(800, 480));
    QCOMPARE(app->minimumSize(), QSize(800, 480));
    QCOMPARE(app->maximumSize(), QSize(800, 480));
    QCOMPARE(app->centralWidget(), app->registrationPage().frame);
    QVERIFY(app->registrationPage().frame->isVisible());
    QVERIFY(!app->tabs()->isVisible());
    QVERIFY(responder.boxes().isEmpty());
}

void TestWindow::withOwnerTheTabsAreShown()
{
    ScratchDirectory scratch;
    BoxResponder responder;
    FakeTimeServer server;
    auto app = startWithOwner(server);

    QVERIFY(app->isVisible());
    QCOMPARE(app->size(), QSize(800, 480));
    QCOMPARE(app->minimumSize(), QSize(800, 480));
    QCOMPARE(app->maximumSize(), QSize(800, 480));
    QTabWidget *tabs = app->tabs();
    QCOMPARE(app->centralWidget(), tabs);
    QVERIFY(tabs->isVisible());
    QVERIFY(!app->registrationPage().frame->isVisible());
    QCOMPARE(tabs->size(), QSize(803, 483));
    QCOMPARE(tabs->minimumSize(), QSize(803, 483));
    QCOMPARE(tabs->maximumSize(), QSize(803, 483));
    QStringList titles;
    for (int i = 0; i < tabs->count(); ++i)
        titles << tabs->tabText(i);
    QCOMPARE(titles, tabTitles);
    QCOMPARE(tabs->currentIndex(), 0);
    const QList<QWidget *> pages{ app->partiesPage().frame, app->issuedPage().frame,
        app->receivedPage().frame, app->otherEntriesPage().frame, app->resultsPage().frame,
        app->exportPage().frame };
    for (int i = 0; i < pages.size(); ++i)
        QCOMPARE(tabs->widget(i), pages[i]);

    const QLabel *header = app->exportPage().header;
    QCOMPARE(header->text(), QStringLiteral("BRIVANA"));
    QCOMPARE(header->pos(), QPoint(175, 40));
    QCOMPARE(header->font().pointSize(), 32);
    QCOMPARE(header->font().weight(), QFont::Bold);

    // The browsing arrows carry the style's own back and forward arrows, and no text.
    for (const QPushButton *arrow : { app->partiesPage().previous, app->partiesPage().next }) {
        QVERIFY(!arrow->icon().pixmap(16, 16).isNull());
        QCOMPARE(arrow->text(), QString());
    }

    // Enter on a focused button presses it.
    for (QWidget *page : pages + QList<QWidget *>{ app->registrationPage().frame }) {
        for (const QPushButton *button : page->findChildren<QPushButton *>())
            QVERIFY2(button->autoDefault(), qPrintable(button->objectName()));
    }
    QVERIFY(responder.boxes().isEmpty());
}

void TestWindow::dateFieldsShowDayMonthYear()
{
    ScratchDirectory scratch;
    BoxResponder responder;
    FakeTimeServer server;
    server.stayQuiet();
    auto app = startWithOwner(server);
    QTRY_COMPARE(server.requestCount(), 1);

    for (const DateField &field : app->dateFields()) {
        QCOMPARE(field.edit->text(), QStringLiteral("01/01/2000"));
        QCOMPARE(field.edit->locale().language(), QLocale::Spanish);
        QCOMPARE(field.calendar->locale().language(), QLocale::Spanish);
        QCOMPARE(field.calendar->firstDayOfWeek(), Qt::Monday);
        QVERIFY(field.calendarButton->menu() == field.calendarMenu);
    }
    // Amounts are read in the default locale, which the date fields leave as the system's.
    QCOMPARE(QLocale(), QLocale::system());

    app->dateFields()[1].edit->setDate(QDate(1999, 12, 31));
    QCOMPARE(describe(responder.boxes()),
        QStringList{ QStringLiteral("2|Información|La fecha introducida es posterior a la actual") });
    QCOMPARE(app->dateFields()[1].edit->text(), QStringLiteral("31/12/1999"));
}

void TestWindow::resultFieldsStartAtZeroAndReadOnly()
{
    ScratchDirectory scratch;
    BoxResponder responder;
    FakeTimeServer server;
    auto app = startWithOwner(server);

    const IssuedPage &issued = app->issuedPage();
    QSet<QWidget *> issuedResults = setOf(issued.withholdingLine.quota, issued.total);
    for (const IssuedQuotaLine &line : issued.lines)
        issuedResults += setOf(line.quota, line.surchargeQuota);

    const ReceivedPage &received = app->receivedPage();
    QSet<QWidget *> receivedResults = setOf(received.withholdingLine.quota, received.total);
    for (const ReceivedQuotaLine &line : received.lines)
        receivedResults += setOf(line.quota, line.fourth, line.fifth);

    const ResultsPage &results = app->resultsPage();
    const QSet<QWidget *> resultsResults = setOf(results.supported, results.charged, results.quarterResult,
        results.finalResult, results.income, results.expenses, results.monthResult);

    QCOMPARE(issuedResults.size() + receivedResults.size() + resultsResults.size(), 26);
    QCOMPARE(readOnlyFields(issued.frame), issuedResults);
    QCOMPARE(readOnlyFields(received.frame), receivedResults);
    QCOMPARE(readOnlyFields(results.frame), resultsResults);
    for (QWidget *page : { app->partiesPage().frame, app->otherEntriesPage().frame, app->exportPage().frame,
             app->registrationPage().frame })
        QCOMPARE(readOnlyFields(page), QSet<QWidget *>());
    for (const QSet<QWidget *> &fields : { issuedResults, receivedResults, resultsResults }) {
        for (QWidget *field : fields)
            QCOMPARE(qobject_cast<QLineEdit *>(field)->text(), QStringLiteral("0"));
    }
    QCOMPARE(results.compensation->text(), QString());
    QVERIFY(responder.boxes().isEmpty());
}

void TestWindow::widgetsHiddenAtStart()
{
    ScratchDirectory scratch;
    BoxResponder responder;
    FakeTimeServer server;
    auto app = startWithOwner(server);

    const PartiesPage &parties = app->partiesPage();
    QCOMPARE(hiddenChildren(parties.frame), setOf(parties.previous, parties.next, parties.search));

    const IssuedPage &issued = app->issuedPage();
    QSet<QWidget *> issuedHidden = setOf(issued.baseHeading, issued.rateHeading, issued.quotaHeading,
        issued.surchargeRateHeading, issued.surchargeQuotaHeading, issued.accountLabel, issued.account);
    addOptions(issuedHidden,
        { issued.retail, issued.surcharge, issued.reverseCharge, issued.cashBasis, issued.withholding,
            issued.rental, issued.professionals });
    for (const IssuedQuotaLine &line : issued.lines)
        issuedHidden += setOf(line.base, line.rate, line.quota, line.surchargeRate, line.surchargeQuota);
    addWithholding(issuedHidden, issued.withholdingLine);
    QCOMPARE(hiddenChildren(issued.frame), issuedHidden);
    for (QWidget *shown :
        setOf(issued.client, issued.series, issued.number, issued.type, issued.total, issued.save,
            issued.clear, issued.fixedAssetSale.box, issued.fixedAssetSale.label, app->dateFields()[0].edit))
        QVERIFY(!shown->isHidden());

    const ReceivedPage &received = app->receivedPage();
    QSet<QWidget *> receivedHidden = setOf(received.baseHeading, received.rateHeading, received.quotaHeading,
        received.blankHeading1, received.blankHeading2, received.accountLabel, received.account);
    addOptions(receivedHidden,
        { received.investments, received.retail, received.reverseCharge, received.cashBasis,
            received.withholding, received.rental, received.professionals });
    for (const ReceivedQuotaLine &line : received.lines)
        receivedHidden += setOf(line.base, line.rate, line.quota, line.fourth, line.fifth);
    addWithholding(receivedHidden, received.withholdingLine);
    QCOMPARE(hiddenChildren(received.frame), receivedHidden);

    for (QWidget *page : { app->otherEntriesPage().frame, app->resultsPage().frame, app->exportPage().frame })
        QCOMPARE(hiddenChildren(page), QSet<QWidget *>());
    QVERIFY(responder.boxes().isEmpty());
}

void TestWindow::listsStartWithNoCurrentItem()
{
    ScratchDirectory scratch;
    BoxResponder responder;
    FakeTimeServer server;
    server.stayQuiet();
    auto app = startWithOwner(server);
    QTRY_COMPARE(server.requestCount(), 1);

    const QList<QComboBox *> lists = app->findChildren<QComboBox *>();
    QVERIFY(!lists.isEmpty());
    for (const QComboBox *list : lists)
        QVERIFY2(list->currentIndex() == -1, qPrintable(list->objectName()));
    QVERIFY(responder.boxes().isEmpty());
}

void TestWindow::issuedInvoiceHeaderTabOrder()
{
    ScratchDirectory scratch;
    BoxResponder responder;
    FakeTimeServer server;
    auto app = startWithOwner(server);
    app->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(app.get()));
    app->tabs()->setCurrentIndex(1);

    // The date follows the invoice number, ahead of the search button built between them.
    const IssuedPage &issued = app->issuedPage();
    const QList<QWidget *> chain{ issued.client, issued.series, issued.number, app->dateFields()[0].edit };
    chain.first()->setFocus();
    for (int i = 1; i < chain.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), chain[i]);
    }
    QVERIFY(responder.boxes().isEmpty());
}

void TestWindow::helpButtonsOpenTheirPagesHelp()
{
    ScratchDirectory scratch;
    BoxResponder responder;
    FakeTimeServer server;
    auto app = startWithOwner(server);
    QTabWidget *tabs = app->tabs();

    for (int page = 0; page < tabs->count(); ++page) {
        tabs->setCurrentIndex(page);
        QPushButton *help = nullptr;
        for (QPushButton *button : tabs->widget(page)->findChildren<QPushButton *>()) {
            if (button->pos() == QPoint(762, 4)) {
                QVERIFY2(!help, "two buttons in the help corner");
                help = button;
            }
        }
        QVERIFY(help);
        QVERIFY(help->isVisible());
        QCOMPARE(help->text(), QString());
        QVERIFY(!help->icon().pixmap(16, 16).isNull());
        QTest::mouseClick(help, Qt::LeftButton);
        QCOMPARE(responder.boxes().size(), page + 1);
    }

    const QStringList titles{ QStringLiteral("Alta de Clientes y Proveedores"),
        QStringLiteral("Facturas Emitidas"), QStringLiteral("Facturas Recibidas"),
        QStringLiteral("Otros Gastos e Ingresos"), QStringLiteral("IVA y Resultados"),
        QStringLiteral("Emvoar datos a la asesoría") };
    QSet<QString> texts;
    for (int page = 0; page < titles.size(); ++page) {
        const BoxResponder::Box &box = responder.boxes()[page];
        QCOMPARE(box.title, titles[page]);
        QCOMPARE(box.icon, QMessageBox::Information);
        QCOMPARE(box.buttons, QStringList{ QStringLiteral("OK") });
        QVERIFY(!box.text.trimmed().isEmpty());
        texts.insert(box.text);
    }
    QCOMPARE(texts.size(), titles.size());
    QVERIFY(!QApplication::activeModalWidget());
}

void TestWindow::twoChoiceQuestion_data()
{
    QTest::addColumn<QString>("cautious");
    QTest::addColumn<QString>("goAhead");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("wentAhead");

    for (const auto &[cautious, goAhead] :
        { std::pair{ "Rectificar", "Continuar" }, std::pair{ "No", "Sí" } }) {
        const QString first = QString::fromUtf8(cautious);
        const QString second = QString::fromUtf8(goAhead);
        QTest::addRow("%s: %s", cautious, cautious) << first << second << first << false;
        QTest::addRow("%s: %s", cautious, goAhead) << first << second << second << true;
        QTest::addRow("%s: Enter", cautious) << first << second << QStringLiteral("Enter") << false;
    }
}

void TestWindow::twoChoiceQuestion()
{
    QFETCH(QString, cautious);
    QFETCH(QString, goAhead);
    QFETCH(QString, answer);
    QFETCH(bool, wentAhead);

    // No responder here: the test plays the user itself.
    ScratchDirectory scratch;
    insertOwner();
    App app(QStringLiteral("127.0.0.1"), 9);

    struct Seen {
        bool asked = false;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QString title, text;
        QStringList buttonsLeftToRight;
        QString defaultButton;
        bool openAfterEscape = false;
        bool openAfterClose = false;
    } seen;
    QTimer::singleShot(0, this, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        seen.asked = true;
        seen.icon = box->icon();
        seen.title = box->windowTitle();
        seen.text = box->text();
        QList<QAbstractButton *> buttons = box->buttons();
        std::sort(buttons.begin(), buttons.end(),
            [](const QAbstractButton *a, const QAbstractButton *b) { return a->x() < b->x(); });
        for (const QAbstractButton *button : buttons)
            seen.buttonsLeftToRight << button->text();
        seen.defaultButton = box->defaultButton() ? box->defaultButton()->text() : QString();

        QTest::keyClick(box, Qt::Key_Escape);
        seen.openAfterEscape = box->isVisible();
        box->close();
        seen.openAfterClose = box->isVisible();

        if (answer == QLatin1String("Enter")) {
            QTest::keyClick(box, Qt::Key_Return);
        } else {
            for (QAbstractButton *button : buttons) {
                if (button->text() == answer)
                    button->click();
            }
        }
        // Never leave the question open, whatever happened.
        if (box->isVisible())
            box->done(0);
    });
    const bool result = MessageBoxes::confirm(&app, QMessageBox::Warning, QStringLiteral("Información"),
        QStringLiteral("¿Seguro?"), cautious, goAhead);

    QVERIFY(seen.asked);
    QCOMPARE(seen.icon, QMessageBox::Warning);
    QCOMPARE(seen.title, QStringLiteral("Información"));
    QCOMPARE(seen.text, QStringLiteral("¿Seguro?"));
    QCOMPARE(seen.buttonsLeftToRight, (QStringList{ cautious, goAhead }));
    QCOMPARE(seen.defaultButton, cautious);
    QVERIFY(seen.openAfterEscape);
    QVERIFY(seen.openAfterClose);
    QCOMPARE(result, wentAhead);
    QVERIFY(!QApplication::activeModalWidget());
}

QTEST_MAIN(TestWindow)
#include "test_window.moc"
