// The window as a whole: size, pages, the fields every page starts with, what is hidden
// at start, and the help box behind every page's help button.

#include "WindowFixture.h"

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

// Size, least and most size: the same three for a fixed size.
QList<QSize> sizes(const QWidget *widget)
{
    return { widget->size(), widget->minimumSize(), widget->maximumSize() };
}

QSet<QWidget *> hiddenChildren(QWidget *page)
{
    QSet<QWidget *> result;
    for (QWidget *widget : page->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly)) {
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

// An owner in data.db, a time server that never answers.
bool startWithOwner(WindowFixture &window)
{
    insertOwner();
    return window.startWithoutToday();
}

} // namespace

class TestWindow final : public QObject {
    Q_OBJECT

private slots:
    void withoutOwnerTheRegistrationFormIsShown();
    void withOwnerTheTabsAreShown();
    void pagesStartWithResultsAtZeroAndOptionsHidden();
    void issuedInvoiceHeaderTabOrder();
    void helpButtonsOpenTheirPagesHelp();
    void twoChoiceQuestion_data();
    void twoChoiceQuestion();
};

void TestWindow::withoutOwnerTheRegistrationFormIsShown()
{
    WindowFixture window;
    QVERIFY(window.startWithoutToday());
    const App &app = *window.app;

    QCOMPARE(app.windowTitle(), QStringLiteral("Brivana"));
    QVERIFY(app.isVisible());
    QCOMPARE(sizes(&app), QList<QSize>(3, QSize(800, 480)));
    QCOMPARE(app.centralWidget(), app.registrationPage().frame);
    QVERIFY(app.registrationPage().frame->isVisible());
    QVERIFY(!app.tabs()->isVisible());
    QCOMPARE(window.takeBoxes(), QStringList());
}

void TestWindow::withOwnerTheTabsAreShown()
{
    WindowFixture window;
    QVERIFY(startWithOwner(window));
    const App &app = *window.app;

    QVERIFY(app.isVisible());
    QCOMPARE(sizes(&app), QList<QSize>(3, QSize(800, 480)));
    QTabWidget *tabs = app.tabs();
    QCOMPARE(app.centralWidget(), tabs);
    QVERIFY(tabs->isVisible());
    QVERIFY(!app.registrationPage().frame->isVisible());
    QCOMPARE(sizes(tabs), QList<QSize>(3, QSize(803, 483)));
    QStringList titles;
    for (int i = 0; i < tabs->count(); ++i)
        titles << tabs->tabText(i);
    QCOMPARE(titles,
        (QStringList{ "Alta Clientes y Proveedores", "Facturas Emitidas", "Facturas Recibidas",
            "Otros Gastos e Ingresos", "IVA y resultados", "Enviar datos asesoría" }));
    QCOMPARE(tabs->currentIndex(), 0);
    const QList<QWidget *> pages{ app.partiesPage().frame, app.issuedPage().frame, app.receivedPage().frame,
        app.otherEntriesPage().frame, app.resultsPage().frame, app.exportPage().frame };
    for (int i = 0; i < pages.size(); ++i)
        QCOMPARE(tabs->widget(i), pages[i]);

    const QLabel *header = app.exportPage().header;
    QCOMPARE(header->text(), QStringLiteral("BRIVANA"));
    QCOMPARE(header->pos(), QPoint(175, 40));
    QCOMPARE(header->font().pointSize(), 32);
    QCOMPARE(header->font().weight(), QFont::Bold);

    // The browsing arrows carry the style's own back and forward arrows, and no text.
    for (const QPushButton *arrow : { app.partiesPage().previous, app.partiesPage().next }) {
        QVERIFY(!arrow->icon().pixmap(16, 16).isNull());
        QCOMPARE(arrow->text(), QString());
    }
    // Enter on a focused button presses it.
    for (QWidget *page : pages + QList<QWidget *>{ app.registrationPage().frame }) {
        for (const QPushButton *button : page->findChildren<QPushButton *>())
            QVERIFY2(button->autoDefault(), qPrintable(button->objectName()));
    }
    // Every list starts with no current item.
    for (const QComboBox *list : app.findChildren<QComboBox *>())
        QVERIFY2(list->currentIndex() == -1, qPrintable(list->objectName()));

    // The "Fecha" fields show day/month/year and speak Spanish, while amounts are read in
    // the default locale, which stays the system's.
    for (const DateField &field : app.dateFields()) {
        QCOMPARE(field.edit->text(), QStringLiteral("01/01/2000"));
        QCOMPARE(field.edit->locale().language(), QLocale::Spanish);
        QCOMPARE(field.calendar->locale().language(), QLocale::Spanish);
        QCOMPARE(field.calendar->firstDayOfWeek(), Qt::Monday);
        QVERIFY(field.calendarButton->menu() == field.calendarMenu);
    }
    QCOMPARE(QLocale(), QLocale::system());
    QCOMPARE(window.takeBoxes(), QStringList());
}

void TestWindow::pagesStartWithResultsAtZeroAndOptionsHidden()
{
    WindowFixture window;
    QVERIFY(startWithOwner(window));
    const App &app = *window.app;

    // The results are read-only and start at zero; no other field is read-only.
    const IssuedPage &issued = app.issuedPage();
    QSet<QWidget *> issuedResults = setOf(issued.withholdingLine.quota, issued.total);
    for (const IssuedQuotaLine &line : issued.lines)
        issuedResults += setOf(line.quota, line.surchargeQuota);
    const ReceivedPage &received = app.receivedPage();
    QSet<QWidget *> receivedResults = setOf(received.withholdingLine.quota, received.total);
    for (const ReceivedQuotaLine &line : received.lines)
        receivedResults += setOf(line.quota, line.fourth, line.fifth);
    const ResultsPage &results = app.resultsPage();
    const QSet<QWidget *> resultsResults = setOf(results.supported, results.charged, results.quarterResult,
        results.finalResult, results.income, results.expenses, results.monthResult);

    QCOMPARE(issuedResults.size() + receivedResults.size() + resultsResults.size(), 26);
    QCOMPARE(readOnlyFields(issued.frame), issuedResults);
    QCOMPARE(readOnlyFields(received.frame), receivedResults);
    QCOMPARE(readOnlyFields(results.frame), resultsResults);
    for (QWidget *page : { app.partiesPage().frame, app.otherEntriesPage().frame, app.exportPage().frame,
             app.registrationPage().frame })
        QCOMPARE(readOnlyFields(page), QSet<QWidget *>());
    for (QWidget *field : issuedResults + receivedResults + resultsResults)
        QCOMPARE(qobject_cast<QLineEdit *>(field)->text(), QStringLiteral("0"));
    QCOMPARE(results.compensation->text(), QString());

    // Hidden until a type or an option asks for them.
    const PartiesPage &parties = app.partiesPage();
    QCOMPARE(hiddenChildren(parties.frame), setOf(parties.previous, parties.next, parties.search));

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
            issued.clear, issued.fixedAssetSale.box, issued.fixedAssetSale.label, app.dateFields()[0].edit))
        QVERIFY(!shown->isHidden());

    QSet<QWidget *> receivedHidden = setOf(received.baseHeading, received.rateHeading, received.quotaHeading,
        received.blankHeading1, received.blankHeading2, received.accountLabel, received.account);
    addOptions(receivedHidden,
        { received.investments, received.retail, received.reverseCharge, received.cashBasis,
            received.withholding, received.rental, received.professionals });
    for (const ReceivedQuotaLine &line : received.lines)
        receivedHidden += setOf(line.base, line.rate, line.quota, line.fourth, line.fifth);
    addWithholding(receivedHidden, received.withholdingLine);
    QCOMPARE(hiddenChildren(received.frame), receivedHidden);

    for (QWidget *page : { app.otherEntriesPage().frame, app.resultsPage().frame, app.exportPage().frame })
        QCOMPARE(hiddenChildren(page), QSet<QWidget *>());
    QCOMPARE(window.takeBoxes(), QStringList());
}

void TestWindow::issuedInvoiceHeaderTabOrder()
{
    WindowFixture window;
    QVERIFY(startWithOwner(window));
    App &app = *window.app;
    app.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&app));
    app.tabs()->setCurrentIndex(1);

    // The date follows the invoice number, ahead of the search button built between them.
    const IssuedPage &issued = app.issuedPage();
    const QList<QWidget *> chain{ issued.client, issued.series, issued.number, app.dateFields()[0].edit };
    chain.first()->setFocus();
    for (int i = 1; i < chain.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), chain[i]);
    }
    QCOMPARE(window.takeBoxes(), QStringList());
}

void TestWindow::helpButtonsOpenTheirPagesHelp()
{
    WindowFixture window;
    QVERIFY(startWithOwner(window));
    QTabWidget *tabs = window.app->tabs();
    const QStringList titles{ "Alta de Clientes y Proveedores", "Facturas Emitidas", "Facturas Recibidas",
        "Otros Gastos e Ingresos", "IVA y Resultados", "Emvoar datos a la asesoría" };

    QSet<QString> texts;
    for (int page = 0; page < tabs->count(); ++page) {
        tabs->setCurrentIndex(page);
        QPushButton *help = nullptr;
        for (QPushButton *button : tabs->widget(page)->findChildren<QPushButton *>()) {
            if (button->pos() == QPoint(762, 4)) {
                QVERIFY2(!help, "two buttons in the help corner");
                help = button;
            }
        }
        QVERIFY(help && help->isVisible());
        QCOMPARE(help->text(), QString());
        QVERIFY(!help->icon().pixmap(16, 16).isNull());
        QTest::mouseClick(help, Qt::LeftButton);
        QCOMPARE(window.responder.boxes().size(), 1);
        const BoxResponder::Box box = window.responder.boxes().first();
        QCOMPARE(box.title, titles[page]);
        QCOMPARE(box.icon, QMessageBox::Information);
        QCOMPARE(box.buttons, QStringList{ QStringLiteral("OK") });
        QVERIFY(!box.text.trimmed().isEmpty());
        texts.insert(box.text);
        QCOMPARE(window.takeBoxes().size(), 1);
    }
    // Each page has a text of its own.
    QCOMPARE(texts.size(), titles.size());
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

    // No responder here: the test plays the user itself.
    ScratchDirectory scratch;
    insertOwner();
    App app(QStringLiteral("127.0.0.1"), 9);

    QString seen;
    bool openAfterEscape = false;
    bool openAfterClose = false;
    QTimer::singleShot(0, this, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        QList<QAbstractButton *> buttons = box->buttons();
        std::sort(buttons.begin(), buttons.end(),
            [](const QAbstractButton *a, const QAbstractButton *b) { return a->x() < b->x(); });
        QStringList leftToRight;
        for (const QAbstractButton *button : buttons)
            leftToRight << button->text();
        // icon|title|text|buttons from left to right|default button
        seen = QStringLiteral("%1|%2|%3|%4|%5")
                   .arg(int(box->icon()))
                   .arg(box->windowTitle(), box->text(), leftToRight.join(QLatin1Char(',')),
                       box->defaultButton() ? box->defaultButton()->text() : QString());

        QTest::keyClick(box, Qt::Key_Escape);
        openAfterEscape = box->isVisible();
        box->close();
        openAfterClose = box->isVisible();
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

    QCOMPARE(seen,
        QStringLiteral("%1|Información|¿Seguro?|%2,%3|%2")
            .arg(int(QMessageBox::Warning))
            .arg(cautious, goAhead));
    QVERIFY(openAfterEscape);
    QVERIFY(openAfterClose);
    QTEST(result, "wentAhead");
    QVERIFY(!QApplication::activeModalWidget());
}

QTEST_MAIN(TestWindow)
#include "test_window.moc"
