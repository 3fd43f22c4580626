// "Facturas Recibidas": the checks of "Continuar" in order, the stored frec row, the
// refusals after the checks, the reset and "Limpiar".

#include "ReceivedInvoiceTesting.h"

#include "entries/ReceivedAccounts.h"

using namespace received;

class TestReceivedSave final : public QObject {
    Q_OBJECT

private slots:
    void checksInOrder_data();
    void checksInOrder();
    void aCorrectedFieldIsUnmarkedByTheNextSave();
    void storedRow_data();
    void storedRow();
    void duplicateNumberRefusedForAnySupplier();
    void supplierGoneFromTheRegister();
    void rectificarStoresNothing_data();
    void rectificarStoresNothing();
    void nothingStoredWhileTodayIsUnknown();
    void investmentsAfterAnAccountAsksForOneAgain();
    void resetAfterSaving();
    void clear_data();
    void clear();
};

namespace {

int storedInvoices()
{
    return queryValue(QStringLiteral("SELECT COUNT(*) FROM frec")).toInt();
}

const QStringList columns{ "proveedor", "nfac", "fecha", "type", "inv", "cm", "isp", "cc", "ret", "alq",
    "pyo", "base0", "piva0", "civa0", "ivas0", "ivar0", "base1", "piva1", "civa1", "ivas1", "ivar1", "base2",
    "piva2", "civa2", "ivas2", "ivar2", "base3", "piva3", "civa3", "ivas3", "ivar3", "bret", "pret", "cret",
    "total", "ctc" };

// The stored row as "column=value" texts, in table order.
QStringList storedRowTexts()
{
    const QList<QVariantList> rows = queryRows(QStringLiteral("SELECT %1 FROM frec").arg(columns.join(", ")));
    if (rows.size() != 1)
        return { QStringLiteral("%1 rows").arg(rows.size()) };
    QStringList row;
    for (int i = 0; i < columns.size(); ++i) {
        const QVariant &value = rows.first()[i];
        // Reals written plainly (1493830, not 1.49383e+06); a number stored as text would show.
        const QString text = value.typeId() == QMetaType::Double
            ? QString::number(value.toDouble(), 'f', QLocale::FloatingPointShortest)
            : value.toString();
        const bool textual = value.typeId() == QMetaType::QString;
        row << columns[i] + QLatin1Char('=') + text
                + (textual && i > 2 ? QStringLiteral(" (text)") : QString());
    }
    return row;
}

// What a complete interior invoice needs: supplier "Talleres Sur", type 0, the account
// "62900009\tOtros gastos diversos", a number and one line.
const QStringList complete{ "supplier=1", "type=0", "account=13", "number=FR-2016/7", "line1.base=100",
    "line1.rate=21" };
const QString otherExpenses = accountText(QStringLiteral("62900009\tOtros gastos diversos"));

} // namespace

void TestReceivedSave::checksInOrder_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("message");
    // The field marked and focused, or empty when the check marks nothing.
    QTest::addColumn<QString>("field");
    QTest::addColumn<QStringList>("earlierBoxes");

    const QStringList account{ otherExpenses };
    QTest::newRow("untouched page") << QStringList() << "Error|Debe seleccionar un proveedor."
                                    << "supplier" << QStringList();
    QTest::newRow("no type") << QStringList{ "supplier=0" } << "Error|Debe seleccionar un tipo de factura."
                             << "type" << QStringList();
    QTest::newRow("no account") << QStringList{ "supplier=0", "type=0" }
                                << "Error|Debe seleccionar una cuenta contable."
                                << "account" << QStringList();
    QTest::newRow("no number, before the first base")
        << QStringList{ "supplier=0", "type=0", "account=13" } << requiredText << "number" << account;
    QTest::newRow("withholding base")
        << QStringList{ "supplier=0", "type=0", "account=13", "number=7", "withholding" } << requiredText
        << "withholding.base" << account;
    QTest::newRow("withholding percentage") << QStringList{ "supplier=0", "type=0", "account=13", "number=7",
        "withholding", "withholding.base=1000" }
                                            << requiredText << "withholding.percentage" << account;
    QTest::newRow("first base, with a full stop")
        << QStringList{ "supplier=0", "type=0", "account=13", "number=7" }
            + QStringList{ "withholding", "withholding.base=1000", "withholding.percentage=15" }
        << "Error|Este campo es obligatorio."
        << "line1.base" << account;
    QTest::newRow("first base in total-only mode")
        << QStringList{ "supplier=0", "type=2", "account=13", "number=7" }
        << "Error|Este campo es obligatorio."
        << "line1.base" << account;
    QTest::newRow("first rate missing")
        << QStringList{ "supplier=0", "type=0", "account=13", "number=7", "line1.base=100" }
        << "Error|Revise los valores introducidos."
        << "" << account;
    QTest::newRow("line 2 base without rate")
        << complete + QStringList{ "line2.base=50" } << "Error|Revise los valores introducidos."
        << "" << QStringList{ otherExpenses };
    QTest::newRow("line 3 rate without base")
        << complete + QStringList{ "line3.rate=4" } << "Error|Revise los valores introducidos."
        << "" << QStringList{ otherExpenses };
    QTest::newRow("line 2 rate without base under reverse charge")
        << complete + QStringList{ "reverseCharge", "line2.rate=10" }
        << "Error|Revise los valores introducidos."
        << "" << QStringList{ otherExpenses };
    QTest::newRow("withholding without its mode")
        << complete + QStringList{ "withholding", "withholding.base=1000", "withholding.percentage=15" }
        << "Error|Debe seleccionar una modalidad de retención."
        << "" << QStringList{ otherExpenses };
}

void TestReceivedSave::checksInOrder()
{
    QFETCH(QStringList, steps);
    QFETCH(QString, message);
    QFETCH(QString, field);
    QFETCH(QStringList, earlierBoxes);

    Fixture f;
    QVERIFY(f.start());
    f.perform(steps);
    if (QTest::currentTestFailed())
        return;
    f.perform({ "save" });

    f.verifyBoxes(earlierBoxes + QStringList{ message });
    QCOMPARE(f.responder.boxes().last().icon, QMessageBox::Warning);
    // Only the failing field is marked; the fields checked before it passed.
    const QStringList checked{ "supplier", "type", "account", "number", "withholding.base",
        "withholding.percentage", "withholding.quota", "line1.base" };
    for (const QString &name : checked)
        QCOMPARE(name + (marked(f.widget(name)) ? " marked" : ""), name + (name == field ? " marked" : ""));
    if (!field.isEmpty())
        QCOMPARE(f.app->focusWidget(), f.widget(field));
    QCOMPARE(storedInvoices(), 0);
}

void TestReceivedSave::aCorrectedFieldIsUnmarkedByTheNextSave()
{
    Fixture f;
    QVERIFY(f.start());
    f.perform({ "save" });
    QVERIFY(marked(f.widget("supplier")));
    f.perform({ "supplier=2", "save" });
    QVERIFY(!marked(f.widget("supplier")));
    QVERIFY(marked(f.widget("type")));
    f.verifyBoxes({ "Error|Debe seleccionar un proveedor.", "Error|Debe seleccionar un tipo de factura." });
}

void TestReceivedSave::storedRow_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("expectedRow");
    QTest::addColumn<QStringList>("earlierBoxes");

    // Three lines, withholding by professionals, cash basis, dated earlier in the quarter.
    QTest::newRow("interior, every column")
        << QStringList{ "supplier=1", "type=0", "account=13", "number=FR-2016/7", "date=20/04/2016",
               "line1.base=100", "line1.rate=21", "line2.base=200", "line2.rate=10", "line3.base=50",
               "line3.rate=4", "cashBasis", "withholding", "professionals", "withholding.base=1000",
               "withholding.percentage=15" }
        << QStringList{ "proveedor=40000002", "nfac=FR-2016/7", "fecha=20/04/2016", "type=0", "inv=0", "cm=0",
               "isp=0", "cc=1", "ret=1", "alq=0", "pyo=1", "base0=100", "piva0=21", "civa0=21", "ivas0=0",
               "ivar0=0", "base1=200", "piva1=10", "civa1=20", "ivas1=0", "ivar1=0", "base2=50", "piva2=4",
               "civa2=2", "ivas2=0", "ivar2=0", "base3=350", "piva3=35", "civa3=43", "ivas3=0", "ivar3=0",
               "bret=1000", "pret=15", "cret=150", "total=243", "ctc=62900009" }
        << QStringList{ otherExpenses, contactText };
    // The other rows name only the columns they are about.
    QTest::newRow("six digits: the total stored as shown")
        << QStringList{ "supplier=0", "type=0", "account=0", "number=A1", "line1.base=1234567",
               "line1.rate=21" }
        << QStringList{ "proveedor=40000001", "fecha=15/05/2016", "civa0=259259", "base3=1234567",
               "civa3=259259", "total=1493830", "ctc=60000000" }
        << QStringList{ accountText(QStringLiteral("60000000\tCompras de mercaderías")) };
    QTest::newRow("intra-community investment: fixed-asset account, no quotas, lone point and comma")
        << QStringList{ "supplier=2", "type=1", "investments", "account=5", "number=UE-1", "line1.base=800",
               "line1.rate=21", "line2.base=.", "line2.rate=," }
        << QStringList{ "proveedor=40000003", "type=1", "inv=1", "civa0=0", "base1=0", "piva1=0", "base3=800",
               "piva3=21", "civa3=0", "total=800", "ctc=21700000" }
        << QStringList{ accountText(QStringLiteral("21700000\tCompra de equipos informáticos")) };
    QTest::newRow("retail: one total, the hidden rates store 0")
        << QStringList{ "supplier=0", "type=0", "retail", "account=1", "number=T-9", "line1.base=60.5" }
        << QStringList{ "cm=1", "base0=60.5", "piva0=0", "civa0=0", "piva3=0", "total=60.5", "ctc=62100000" }
        << QStringList{ accountText(QStringLiteral("62100000\tArrendamiento")) };
}

void TestReceivedSave::storedRow()
{
    QFETCH(QStringList, steps);
    QFETCH(QStringList, expectedRow);
    QFETCH(QStringList, earlierBoxes);

    Fixture f;
    QVERIFY(f.start());
    // The date is picked the way the calendar does it; the others are typed and clicked.
    QStringList typed = steps;
    for (const QString &step : steps) {
        if (step.startsWith(QLatin1String("date="))) {
            f.app->dateFields()[1].edit->setDate(
                QDate::fromString(step.mid(5), QStringLiteral("dd/MM/yyyy")));
            typed.removeAll(step);
        }
    }
    f.perform(typed);
    if (QTest::currentTestFailed())
        return;
    f.responder.answer({ "Continuar", "Guardar" });
    f.perform({ "save" });

    const QStringList row = storedRowTexts();
    for (const QString &column : expectedRow)
        QVERIFY2(row.contains(column), qPrintable(column + QStringLiteral(" not in ") + row.join(' ')));
    f.verifyBoxes(earlierBoxes + QStringList{ firstConfirmation, secondConfirmation, savedText });
}

void TestReceivedSave::duplicateNumberRefusedForAnySupplier()
{
    Fixture f;
    QVERIFY(f.start());
    // The stored invoice belongs to another supplier than the one chosen.
    f.perform(QStringList{ "supplier=0" } + complete.mid(1));
    f.responder.answer({ "Continuar", "Guardar" });
    f.perform({ "save" });
    QCOMPARE(storedInvoices(), 1);

    f.perform(complete);
    f.perform({ "save" });
    QCOMPARE(storedInvoices(), 1);
    // Refused before the confirmations; the form keeps what was typed.
    QCOMPARE(f.text("number"), QStringLiteral("FR-2016/7"));
    QCOMPARE(f.text("total"), QStringLiteral("121"));
    QVERIFY(!marked(f.widget("number")));
    f.verifyBoxes({ otherExpenses, firstConfirmation, secondConfirmation, savedText, otherExpenses,
        "Error|Ya existe una factura con este Nº" });
}

void TestReceivedSave::supplierGoneFromTheRegister()
{
    Fixture f;
    QVERIFY(f.start());
    QVERIFY(execStatement(QStringLiteral("DELETE FROM cap WHERE id=40000002")));
    f.perform(complete);
    f.perform({ "save" });
    QCOMPARE(storedInvoices(), 0);
    // "Talleres Sur" is still a client, which does not count.
    f.verifyBoxes({ otherExpenses, "Error|Error al encontrar el proveedor." });
    QCOMPARE(f.responder.boxes().last().icon, QMessageBox::Critical);
}

void TestReceivedSave::rectificarStoresNothing_data()
{
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<QStringList>("confirmations");
    QTest::addColumn<QStringList>("lastButtons");
    QTest::newRow("first confirmation") << QStringList{ "Rectificar" } << QStringList{ firstConfirmation }
                                        << QStringList{ "Rectificar", "Continuar" };
    QTest::newRow("second confirmation")
        << QStringList{ "Continuar", "Rectificar" } << QStringList{ firstConfirmation, secondConfirmation }
        << QStringList{ "Rectificar", "Guardar" };
}

void TestReceivedSave::rectificarStoresNothing()
{
    QFETCH(QStringList, answers);
    QFETCH(QStringList, confirmations);
    QFETCH(QStringList, lastButtons);

    Fixture f;
    QVERIFY(f.start());
    f.perform(complete);
    f.responder.answer(answers);
    f.perform({ "save" });

    QCOMPARE(storedInvoices(), 0);
    QCOMPARE(f.text("number"), QStringLiteral("FR-2016/7"));
    QCOMPARE(f.text("line1.quota"), QStringLiteral("21"));
    QCOMPARE(f.app->receivedPage().account->currentIndex(), 13);
    QCOMPARE(f.responder.boxes().last().buttons, lastButtons);
    f.verifyBoxes(QStringList{ otherExpenses } + confirmations);
}

void TestReceivedSave::nothingStoredWhileTodayIsUnknown()
{
    Fixture f;
    QVERIFY(f.start(false));
    // The field checks come first.
    f.perform({ "save" });
    f.perform(complete);
    f.perform({ "save" });
    QCOMPARE(storedInvoices(), 0);
    QCOMPARE(f.text("number"), QStringLiteral("FR-2016/7"));
    f.verifyBoxes({ "Error|Debe seleccionar un proveedor.", otherExpenses,
        "Error|No se ha podido obtener la fecha actual del servidor de hora." });
}

void TestReceivedSave::investmentsAfterAnAccountAsksForOneAgain()
{
    Fixture f;
    QVERIFY(f.start());
    f.perform(complete);
    f.perform({ "investments", "save" });
    QVERIFY(marked(f.widget("account")));
    QCOMPARE(f.app->focusWidget(), f.widget("account"));
    f.verifyBoxes({ otherExpenses, "Error|Debe seleccionar una cuenta contable." });
}

void TestReceivedSave::resetAfterSaving()
{
    Fixture f;
    QVERIFY(f.start());
    f.app->dateFields()[1].edit->setDate(QDate(2016, 4, 2));
    // A first attempt marks the number; the successful save clears the mark.
    f.perform(QStringList{ "supplier=1", "type=0", "account=13", "save" });
    QVERIFY(marked(f.widget("number")));
    f.perform({ "investments", "account=0", "number=R-1", "reverseCharge", "line1.base=100", "line1.rate=21",
        "withholding", "rental", "withholding.base=100", "withholding.percentage=19" });
    f.responder.answer({ "Continuar", "Guardar" });
    f.perform({ "save" });
    QCOMPARE(storedInvoices(), 1);
    QCOMPARE(queryValue(QStringLiteral("SELECT fecha FROM frec")).toString(), QStringLiteral("02/04/2016"));

    const ReceivedPage &page = f.app->receivedPage();
    QCOMPARE(shown(*f.app), shownWith({}));
    QCOMPARE(ticked(*f.app), QStringList());
    for (const QComboBox *list : { page.supplier, page.type, page.account })
        QCOMPARE(list->currentIndex(), -1);
    // Unticking "Inversiones" brought the purchase accounts back, without a message.
    QCOMPARE(page.account->count(), purchaseAccounts().size());
    QCOMPARE(page.account->itemText(13), purchaseAccounts().at(13));
    for (const QString &name : lineFields()
            + QStringList{ "number", "withholding.base", "withholding.percentage", "withholding.quota" })
        QVERIFY2(f.text(name).isEmpty(), qPrintable(name));
    QCOMPARE(f.text("total"), QStringLiteral("0"));
    QCOMPARE(f.app->dateFields()[1].edit->date(), QDate(2016, 5, 15));
    QVERIFY(!marked(f.widget("number")));
    QCOMPARE(f.app->focusWidget(), f.widget("supplier"));
    f.verifyBoxes({ otherExpenses, requiredText, accountText(QStringLiteral("21100000\tCompra de inmuebles")),
        firstConfirmation, secondConfirmation, savedText });
}

void TestReceivedSave::clear_data()
{
    QTest::addColumn<QString>("answer");
    QTest::newRow("No keeps everything") << "No";
    QTest::newRow("Sí resets the page") << "Sí";
}

void TestReceivedSave::clear()
{
    QFETCH(QString, answer);

    Fixture f;
    QVERIFY(f.start());
    // A failed save first: its mark outlives the clear.
    f.perform({ "supplier=1", "type=0", "account=13", "retail", "line1.base=100", "save" });
    QVERIFY(marked(f.widget("number")));
    const QStringList before = shown(*f.app);
    f.responder.answer(answer);
    f.perform({ "clear" });

    const BoxResponder::Box &box = f.responder.boxes().last();
    QCOMPARE(box.icon, QMessageBox::Warning);
    QCOMPARE(box.buttons, (QStringList{ "No", "Sí" }));
    if (answer == QLatin1String("No")) {
        QCOMPARE(shown(*f.app), before);
        QCOMPARE(ticked(*f.app), QStringList{ "retail" });
        QCOMPARE(f.text("line1.base"), QStringLiteral("100"));
        QCOMPARE(f.text("total"), QStringLiteral("100"));
        QCOMPARE(f.app->receivedPage().supplier->currentIndex(), 1);
    } else {
        QCOMPARE(shown(*f.app), shownWith({}));
        QCOMPARE(ticked(*f.app), QStringList());
        for (const QString &name : lineFields())
            QVERIFY2(f.text(name).isEmpty(), qPrintable(name));
        QCOMPARE(f.text("total"), QStringLiteral("0"));
        QCOMPARE(f.app->receivedPage().supplier->currentIndex(), -1);
        QCOMPARE(f.app->focusWidget(), f.widget("supplier"));
    }
    QVERIFY(marked(f.widget("number")));
    QCOMPARE(storedInvoices(), 0);
    f.verifyBoxes(
        { otherExpenses, requiredText, "Información|¿Está seguro de que desea limpiar todos los campos?" });
}

QTEST_MAIN(TestReceivedSave)
#include "test_received_save.moc"
