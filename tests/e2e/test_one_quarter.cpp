// One quarter of bookkeeping, driven through the real window the way a person keeps the
// books: the owner is registered, clients and suppliers entered, four issued and two
// received invoices and two other entries recorded, the quarter and a month read on
// "IVA y resultados", and everything sent to the advisory office. The file sent is
// compared byte for byte with tests/data/e2e/one_quarter.csv, whose every value was
// worked out by hand from the rules of the program (amount conversion, six significant
// digits on screen, single-precision sums, amounts stored as REAL and written back with
// fifteen significant digits, flags 1 and 0).
//
// Today is 20 November 2026, so the quarter is October to December 2026 and every date
// picked lies between 1 October and 20 November.

#include "ProgramBoxes.h"
#include "WindowFixture.h"

#include "widgets/PieChart.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

#include <cstdlib>

namespace {

const QDate today(2026, 11, 20);
const QString exportName = QStringLiteral("27450913E_20261120.csv");

const QString clientOfferedAsSupplier = box::info(
    QStringLiteral("El Nif/Cif introducido ya corresponde a un cliente.\n¿Desea darlo de alta como "
                   "proveedor?"));

// The things a person does with the window.

void openTab(const App &app, const QString &title)
{
    QTabBar *bar = app.tabs()->tabBar();
    int index = -1;
    for (int i = 0; i < bar->count(); ++i) {
        if (bar->tabText(i) == title)
            index = i;
    }
    QVERIFY2(index >= 0, qPrintable(title));
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
    QCOMPARE(app.tabs()->currentIndex(), index);
}

// Picks the item of a list by its text, as choosing it from the list's pop-up does.
void choose(QComboBox *list, const QString &item)
{
    const int index = list->findText(item);
    QVERIFY2(index >= 0, qPrintable(item));
    list->setCurrentIndex(index);
    QCOMPARE(list->currentText(), item);
}

void tick(QCheckBox *box)
{
    QVERIFY(box->isVisible());
    QVERIFY(!box->isChecked());
    QTest::mouseClick(box, Qt::LeftButton);
    QVERIFY(box->isChecked());
}

void press(QPushButton *button)
{
    QVERIFY(button->isVisible());
    QTest::mouseClick(button, Qt::LeftButton);
}

void type(QLineEdit *field, const QString &text)
{
    QVERIFY(field->isVisible());
    typeText(field, text);
    QCOMPARE(field->text(), text);
}

void pressArrow(QDateEdit *field, int steps)
{
    for (int i = 0; i < std::abs(steps); ++i)
        QTest::keyClick(field, steps > 0 ? Qt::Key_Up : Qt::Key_Down);
}

// Steps a "Fecha" field to a day with the arrow keys, the month first: from today every
// date passed on the way lies in today's quarter and not after today, so the date rule
// lets each of them through without a word.
void pickDate(QDateEdit *field, const QDate &day)
{
    QCOMPARE(field->date(), today);
    // Choosing the section is what clicking into the month or the day part of the field does.
    field->setCurrentSection(QDateTimeEdit::MonthSection);
    pressArrow(field, day.month() - field->date().month());
    field->setCurrentSection(QDateTimeEdit::DaySection);
    pressArrow(field, day.day() - field->date().day());
    QCOMPARE(field->date(), day);
}

// A party as its form takes it: "Cliente" or "Proveedor", then the seven fields in order.
void enterParty(const PartiesPage &page, const QStringList &party)
{
    choose(page.type, party.first());
    for (std::size_t i = 0; i < page.textFields().size(); ++i)
        type(page.textFields()[i], party.at(int(i) + 1));
}

const QStringList talleres{ "Cliente", "B04123451", "Talleres Núñez SL", "Calle Real 5; bajo", "04002",
    "Almería", "Almería", "España" };
const QStringList levante{ "Cliente", "A46987657", "Comercial Levante SA", "Av. del Puerto 12", "46024",
    "Valencia", "Valencia", "España" };
const QStringList norte{ "Proveedor", "B33123456", "Suministros Norte SL", "Polígono Industrial 7", "33010",
    "Oviedo", "Asturias", "España" };

} // namespace

class TestOneQuarter final : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void cleanupTestCase();

    void registerTheOwner();
    void registerClientsAndSuppliers();
    void issueFourInvoices();
    void receiveTwoInvoices();
    void recordOtherExpensesAndIncome();
    void readTheQuarterAndTheMonth();
    void sendEverythingToTheAdvisoryOffice();

private:
    // The boxes seen since the last look, with none left open and no answer left unused.
    QStringList boxesSeen() { return m_window->takeBoxes(); }
    // Chooses the invoice's account, presses "Guardar", goes ahead at both confirmations,
    // and checks the boxes on the way: the account's, both confirmations, "Datos guardados".
    void chooseAccountAndSave(QComboBox *account, QPushButton *save, const QString &item);

    std::unique_ptr<WindowFixture> m_window;
    App *m_app = nullptr;
};

void TestOneQuarter::initTestCase()
{
    m_window = std::make_unique<WindowFixture>();
    QVERIFY(m_window->startOn(today));
    m_app = m_window->app.get();
    QCOMPARE(m_app->today().date(), today);
    QCOMPARE(fieldDates(*m_app), QList<QDate>(3, today));
    QCOMPARE(boxesSeen(), QStringList());
}

// After every phase: no box open, no queued answer left unused, no box left unchecked.
void TestOneQuarter::cleanup()
{
    QCOMPARE(boxesSeen(), QStringList());
}

void TestOneQuarter::cleanupTestCase()
{
    m_window.reset();
}

void TestOneQuarter::chooseAccountAndSave(QComboBox *account, QPushButton *save, const QString &item)
{
    choose(account, item);
    m_window->responder.answer({ QStringLiteral("Continuar"), QStringLiteral("Guardar") });
    press(save);
    QCOMPARE(boxesSeen(),
        (QStringList{ box::accountChosen(item), box::checkTotal, box::confirmSave, box::dataSaved }));
}

void TestOneQuarter::registerTheOwner()
{
    // A first start: no owner yet, so the registration form is the window.
    const RegistrationPage &form = m_app->registrationPage();
    QCOMPARE(m_app->centralWidget(), form.frame);

    // Typed in lower case; the field turns it to upper case as it goes.
    typeText(form.nif, QStringLiteral("27450913e"));
    QCOMPARE(form.nif->text(), QStringLiteral("27450913E"));
    QVERIFY(!form.nif->property("error").toBool());
    type(form.name, QStringLiteral("Reformas Ortega SL"));
    type(form.address, QStringLiteral("Calle Mayor 1"));
    type(form.postalCode, QStringLiteral("04001"));
    type(form.town, QStringLiteral("Almería"));
    type(form.province, QStringLiteral("Almería"));
    type(form.country, QStringLiteral("España"));
    choose(form.technician, QStringLiteral("Belisor"));
    press(form.registerButton);

    QCOMPARE(boxesSeen(), QStringList{ box::ownerRegistered });
    QCOMPARE(m_app->centralWidget(), m_app->tabs());
    QCOMPARE(m_app->windowTitle(), QStringLiteral("Brivana - Reformas Ortega SL ( Belisor )"));
    QCOMPARE(m_app->tabs()->currentIndex(), 0);
    QCOMPARE(queryRows(QStringLiteral("SELECT nif, rs, dir, cp, pobl, prov, pais, tecn FROM admin")),
        (QList<QVariantList>{ { "27450913E", "Reformas Ortega SL", "Calle Mayor 1", 4001, "Almería",
            "Almería", "España", 1 } }));
}

void TestOneQuarter::registerClientsAndSuppliers()
{
    openTab(*m_app, QStringLiteral("Alta Clientes y Proveedores"));
    const PartiesPage &page = m_app->partiesPage();

    for (const QStringList &party : { talleres, levante, norte }) {
        enterParty(page, party);
        m_window->responder.answer(QStringLiteral("Guardar"));
        press(page.save);
        QCOMPARE(boxesSeen(), (QStringList{ box::confirmSave, box::partySaved }));
        QCOMPARE(page.type->currentIndex(), -1);
        QCOMPARE(textsOf(page.textFields()), QStringList(7));
        QCOMPARE(m_app->focusWidget(), page.type);
    }

    // The first client again, now as a supplier: its identifier (typed in lower case) is
    // known as a client, and "Sí" fills the form with its data, read-only.
    m_window->responder.answer(QStringLiteral("Sí"));
    typeText(page.nif, QStringLiteral("b04123451"));
    QCOMPARE(boxesSeen(), QStringList{ clientOfferedAsSupplier });
    QCOMPARE(page.type->currentText(), QStringLiteral("Proveedor"));
    QCOMPARE(textsOf(page.textFields()),
        (QStringList{ "B04123451", "Talleres Núñez SL", "Calle Real 5; bajo", "4002", "Almería", "Almería",
            "España" }));
    for (const QLineEdit *field : page.textFields())
        QVERIFY(field->isReadOnly());
    m_window->responder.answer(QStringLiteral("Guardar"));
    press(page.save);
    QCOMPARE(boxesSeen(), (QStringList{ box::confirmSave, box::partySaved }));
    for (const QLineEdit *field : page.textFields())
        QVERIFY(!field->isReadOnly());

    QCOMPARE(queryRows(QStringLiteral("SELECT auid, type, id, nif, rs, dir, cp, pobl, prov, pais FROM cap")),
        (QList<QVariantList>{ { 1, 0, 43000001, "B04123451", "Talleres Núñez SL", "Calle Real 5; bajo", 4002,
                                  "Almería", "Almería", "España" },
            { 2, 0, 43000002, "A46987657", "Comercial Levante SA", "Av. del Puerto 12", 46024, "Valencia",
                "Valencia", "España" },
            { 3, 1, 40000001, "B33123456", "Suministros Norte SL", "Polígono Industrial 7", 33010, "Oviedo",
                "Asturias", "España" },
            { 4, 1, 40000002, "B04123451", "Talleres Núñez SL", "Calle Real 5; bajo", 4002, "Almería",
                "Almería", "España" } }));
    QCOMPARE(queryRows(QStringLiteral("SELECT lastc, lastp FROM lasts")),
        (QList<QVariantList>{ { 43000002, 40000002 } }));
    QCOMPARE(m_app->recordCount(), 4);
    QCOMPARE(
        itemsOf(m_app->issuedPage().client), (QStringList{ "Talleres Núñez SL", "Comercial Levante SA" }));
    QCOMPARE(itemsOf(m_app->receivedPage().supplier),
        (QStringList{ "Suministros Norte SL", "Talleres Núñez SL" }));
}

void TestOneQuarter::issueFourInvoices()
{
    openTab(*m_app, QStringLiteral("Facturas Emitidas"));
    const IssuedPage &page = m_app->issuedPage();
    QDateEdit *date = m_app->dateFields()[0].edit;
    const auto &lines = page.lines;

    // 1. Goods sold to a retailer: three VAT lines with the equivalence surcharge.
    choose(page.client, QStringLiteral("Talleres Núñez SL"));
    type(page.series, QStringLiteral("A-2026"));
    type(page.number, QStringLiteral("F-101"));
    pickDate(date, QDate(2026, 10, 5));
    choose(page.type, QStringLiteral("Operaciones Interiores"));
    tick(page.surcharge.box);
    const QStringList amounts[3]
        = { { "1250.5", "21", "5.2" }, { "300", "10", "1.4" }, { "80.25", "4", "0.5" } };
    for (std::size_t i = 0; i < 3; ++i) {
        type(lines[i].base, amounts[i][0]);
        type(lines[i].rate, amounts[i][1]);
        type(lines[i].surchargeRate, amounts[i][2]);
    }
    QCOMPARE(textsOf({ lines[0].quota, lines[1].quota, lines[2].quota }),
        QStringList({ "262.605", "30", "3.21" }));
    QCOMPARE(textsOf({ lines[0].surchargeQuota, lines[1].surchargeQuota, lines[2].surchargeQuota }),
        QStringList({ "65.026", "4.2", "0.40125" }));
    QCOMPARE(page.total->text(), QStringLiteral("1996.19"));
    chooseAccountAndSave(page.account, page.save, QStringLiteral("70000000    Venta de mercaderías"));
    // The page is back at its start, "Fecha" at today.
    QCOMPARE(page.client->currentIndex(), -1);
    QCOMPARE(page.type->currentIndex(), -1);
    QVERIFY(page.account->isHidden());
    QVERIFY(lines[0].base->isHidden());
    QCOMPARE(page.total->text(), QStringLiteral("0"));
    QCOMPARE(date->date(), today);
    QCOMPARE(
        queryRows(QStringLiteral("SELECT cliente, nfac, fecha, rec, base3, civa3, crec3, total FROM femi")),
        (QList<QVariantList>{ { 43000001, "F-101", "05/10/2026", 1, 1630.75, 295.815, 69.62725, 1996.19 } }));

    // 2. Professional services, with the income-tax withholding.
    choose(page.client, QStringLiteral("Comercial Levante SA"));
    type(page.series, QStringLiteral("A-2026"));
    type(page.number, QStringLiteral("F-102"));
    pickDate(date, QDate(2026, 10, 15));
    choose(page.type, QStringLiteral("Operaciones Interiores"));
    type(lines[0].base, QStringLiteral("1875.40"));
    type(lines[0].rate, QStringLiteral("21"));
    tick(page.withholding.box);
    tick(page.professionals.box);
    type(page.withholdingLine.base, QStringLiteral("1875.40"));
    type(page.withholdingLine.percentage, QStringLiteral("15"));
    QCOMPARE(textsOf({ lines[0].quota, page.withholdingLine.quota, page.total }),
        QStringList({ "393.834", "281.31", "1987.92" }));
    chooseAccountAndSave(page.account, page.save, QStringLiteral("70500000    Prestaciones de servicios"));

    // 3. A service to another member state: the total only, no series.
    choose(page.client, QStringLiteral("Talleres Núñez SL"));
    type(page.number, QStringLiteral("F-103"));
    pickDate(date, QDate(2026, 11, 2));
    choose(page.type, QStringLiteral("Entregas y servicios intracomunitarios"));
    QCOMPARE(page.baseHeading->text(), QStringLiteral("Total factura"));
    QVERIFY(lines[0].rate->isHidden());
    type(lines[0].base, QStringLiteral("3500"));
    QCOMPARE(page.total->text(), QStringLiteral("3500"));
    chooseAccountAndSave(
        page.account, page.save, QStringLiteral("75900000    Ingresos por servicios diversos"));

    // 4. A retail sale dated today: the total only.
    choose(page.client, QStringLiteral("Comercial Levante SA"));
    type(page.series, QStringLiteral("B"));
    type(page.number, QStringLiteral("F-104"));
    choose(page.type, QStringLiteral("Operaciones Interiores"));
    tick(page.retail.box);
    QCOMPARE(page.baseHeading->text(), QStringLiteral("Total factura"));
    type(lines[0].base, QStringLiteral("726.99"));
    QCOMPARE(page.total->text(), QStringLiteral("726.99"));
    chooseAccountAndSave(page.account, page.save, QStringLiteral("70000000    Venta de mercaderías"));

    QCOMPARE(queryRows(QStringLiteral("SELECT cliente, serie, nfac, fecha, type, cm, ret, pyo, base0, civa0, "
                                      "cret, total, ctc FROM femi")),
        (QList<QVariantList>{
            { 43000001, "A-2026", "F-101", "05/10/2026", 0, 0, 0, 0, 1250.5, 262.605, 0, 1996.19, 70000000 },
            { 43000002, "A-2026", "F-102", "15/10/2026", 0, 0, 1, 1, 1875.4, 393.834, 281.31, 1987.92,
                70500000 },
            { 43000001, "", "F-103", "02/11/2026", 1, 0, 0, 0, 3500, 0, 0, 3500, 75900000 },
            { 43000002, "B", "F-104", "20/11/2026", 0, 1, 0, 0, 726.99, 0, 0, 726.99, 70000000 } }));
}

void TestOneQuarter::receiveTwoInvoices()
{
    openTab(*m_app, QStringLiteral("Facturas Recibidas"));
    const ReceivedPage &page = m_app->receivedPage();
    QDateEdit *date = m_app->dateFields()[1].edit;

    // 1. The rent of the premises, with a withholding larger than its base: a negative total.
    choose(page.supplier, QStringLiteral("Suministros Norte SL"));
    type(page.number, QStringLiteral("P-501"));
    pickDate(date, QDate(2026, 10, 8));
    choose(page.type, QStringLiteral("Operaciones Interiores"));
    type(page.lines[0].base, QStringLiteral("400"));
    type(page.lines[0].rate, QStringLiteral("21"));
    tick(page.withholding.box);
    tick(page.rental.box);
    type(page.withholdingLine.base, QStringLiteral("4000"));
    type(page.withholdingLine.percentage, QStringLiteral("15"));
    QCOMPARE(textsOf({ page.lines[0].quota, page.withholdingLine.quota, page.total }),
        QStringList({ "84", "600", "-116" }));
    chooseAccountAndSave(page.account, page.save, QStringLiteral("62100000\tArrendamiento"));
    QCOMPARE(page.supplier->currentIndex(), -1);
    QCOMPARE(page.total->text(), QStringLiteral("0"));
    QCOMPARE(date->date(), today);
    QCOMPARE(m_app->focusWidget(), page.supplier);

    // 2. Computers imported: an investment, the total only.
    choose(page.supplier, QStringLiteral("Talleres Núñez SL"));
    type(page.number, QStringLiteral("P-502"));
    pickDate(date, QDate(2026, 11, 12));
    choose(page.type, QStringLiteral("Importaciones"));
    tick(page.investments.box);
    QCOMPARE(page.account->count(), 8);
    type(page.lines[0].base, QStringLiteral("1530.75"));
    QCOMPARE(page.total->text(), QStringLiteral("1530.75"));
    chooseAccountAndSave(page.account, page.save, QStringLiteral("21700000\tCompra de equipos informáticos"));

    QCOMPARE(queryRows(QStringLiteral("SELECT proveedor, nfac, fecha, type, inv, ret, alq, base3, civa3, "
                                      "bret, cret, total, ctc FROM frec")),
        (QList<QVariantList>{
            { 40000001, "P-501", "08/10/2026", 0, 0, 1, 1, 400, 84, 4000, 600, -116, 62100000 },
            { 40000002, "P-502", "12/11/2026", 2, 1, 0, 0, 1530.75, 0, 0, 0, 1530.75, 21700000 } }));
}

void TestOneQuarter::recordOtherExpensesAndIncome()
{
    openTab(*m_app, QStringLiteral("Otros Gastos e Ingresos"));
    const OtherEntriesPage &page = m_app->otherEntriesPage();
    QDateEdit *date = m_app->dateFields()[2].edit;

    pickDate(date, QDate(2026, 10, 30));
    type(page.amount, QStringLiteral("125.40"));
    choose(page.account, QStringLiteral("62500000\tSeguros"));
    press(page.save);
    QCOMPARE(date->date(), today);
    QCOMPARE(page.amount->text(), QString());
    QCOMPARE(page.account->currentIndex(), -1);
    QCOMPARE(m_app->focusWidget(), date);

    pickDate(date, QDate(2026, 11, 16));
    type(page.amount, QStringLiteral("89.9"));
    choose(page.account, QStringLiteral("76900000\tCobro intereses bancarios"));
    press(page.save);

    QCOMPARE(boxesSeen(),
        (QStringList{ box::accountChosen(QStringLiteral("62500000\tSeguros")), box::dataSaved,
            box::accountChosen(QStringLiteral("76900000\tCobro intereses bancarios")), box::dataSaved }));
    QCOMPARE(queryRows(QStringLiteral("SELECT fecha, importe, ctc FROM ogei")),
        (QList<QVariantList>{ { "30/10/2026", 125.4, 62500000 }, { "16/11/2026", 89.9, 76900000 } }));
}

void TestOneQuarter::readTheQuarterAndTheMonth()
{
    openTab(*m_app, QStringLiteral("IVA y resultados"));
    const ResultsPage &page = m_app->resultsPage();
    const auto quarterBlock = [&] {
        return textsOf({ page.supported, page.charged, page.quarterResult, page.finalResult });
    };
    const auto monthBlock = [&] { return textsOf({ page.income, page.expenses, page.monthResult }); };

    // Issued totals 1996.19, 1987.92, 3500 and 726.99, each step kept to six digits;
    // received totals -116 and 1530.75.
    choose(page.quarter, QStringLiteral("4º Trimestre"));
    QCOMPARE(quarterBlock(), QStringList({ "8211.1", "1414.75", "6796.35", "6796.35" }));
    // 8211.1 / (1414.75 + 8211.1) × 100, and the rest to 100, as single-precision floats.
    QVERIFY2(m_app->pie()->blue() == 85.30259704589844f,
        qPrintable(QString::number(m_app->pie()->blue(), 'g', 9)));
    QVERIFY2(
        m_app->pie()->red() == 14.697403907775879f, qPrintable(QString::number(m_app->pie()->red(), 'g', 9)));

    type(page.compensation, QStringLiteral("250.5"));
    QCOMPARE(quarterBlock(), QStringList({ "8211.1", "1414.75", "6796.35", "6545.85" }));

    QStringList years;
    for (int year = 2014; year <= 2026; ++year)
        years << QString::number(year);
    QCOMPARE(itemsOf(page.year), years);
    choose(page.year, QStringLiteral("2026"));
    // No month yet: nothing matches.
    QCOMPARE(monthBlock(), QStringList({ "0", "0", "0" }));
    // October: the bases of F-101 (1630.75) and F-102 (1875.4); of P-501 (400).
    choose(page.month, QStringLiteral("Octubre"));
    QCOMPARE(monthBlock(), QStringList({ "3506.15", "400", "3906.15" }));
    // November: F-103 (3500) and F-104 (726.99); P-502 (1530.75).
    choose(page.month, QStringLiteral("Noviembre"));
    QCOMPARE(monthBlock(), QStringList({ "4226.99", "1530.75", "5757.74" }));
    // The quarter block stays as it was.
    QCOMPARE(quarterBlock(), QStringList({ "8211.1", "1414.75", "6796.35", "6545.85" }));
}

void TestOneQuarter::sendEverythingToTheAdvisoryOffice()
{
    openTab(*m_app, QStringLiteral("Enviar datos asesoría"));
    m_window->responder.answer(QStringLiteral("Sí"));
    press(m_app->exportPage().send);
    QCOMPARE(boxesSeen(), (QStringList{ box::confirmSending, box::exported(exportName) }));

    // Latin-1, CR LF, the four tables side by side; the address holding a ";" is written
    // in double quotes, so that it stays one field. Line by line first, so that a
    // difference shows where it is, then byte for byte.
    const QByteArray sent = readFile(m_window->scratch.filePath(exportName));
    const QByteArray expected = readFile(QStringLiteral(BRIVANA_TEST_DATA "/e2e/one_quarter.csv"));
    QVERIFY(!expected.isEmpty());
    const QList<QByteArray> sentLines = sent.split('\n');
    const QList<QByteArray> expectedLines = expected.split('\n');
    for (int i = 0; i < std::min(sentLines.size(), expectedLines.size()); ++i)
        QVERIFY2(sentLines.at(i) == expectedLines.at(i),
            qPrintable(
                QStringLiteral("line %1:\n  sent:     %2\n  expected: %3")
                    .arg(i + 1)
                    .arg(QString::fromLatin1(sentLines.at(i)), QString::fromLatin1(expectedLines.at(i)))));
    QCOMPARE(sent, expected);
}

QTEST_MAIN(TestOneQuarter)
#include "test_one_quarter.moc"
