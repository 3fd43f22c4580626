// "Facturas Recibidas": the checks of "Continuar" in order, the stored frec row, the
// refusals after the checks, the reset and "Limpiar".

#include "InvoiceTesting.h"

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
    void nothingStoredAfterTheChecks_data();
    void nothingStoredAfterTheChecks();
    void investmentsAfterAnAccountAsksForOneAgain();
    void resetAfterSaving();
    void clear_data();
    void clear();
};

namespace {

int storedInvoices()
{
    return queryValue("SELECT COUNT(*) FROM frec").toInt();
}

const QStringList frecColumns
    = words("auid proveedor nfac fecha type inv cm isp cc ret alq pyo base0 piva0 civa0 "
            "ivas0 ivar0 base1 piva1 civa1 ivas1 ivar1 base2 piva2 civa2 ivas2 ivar2 "
            "base3 piva3 civa3 ivas3 ivar3 bret pret cret total ctc");

// What a complete interior invoice needs: supplier "Talleres Sur", type 0, the account
// "62900009\tOtros gastos diversos", a number and one line.
const QStringList complete
    = words("supplier=1 type=0 account=13 number=FR-2016/7 line1.base=100 line1.rate=21");
const QString otherExpenses = box::accountChosen("62900009\tOtros gastos diversos");
const QString noSupplierText = warningBox("Debe seleccionar un proveedor.");
// Said without a full stop where the number and the withholding are missing.
const QString requiredNoStop = warningBox("Este campo es obligatorio");

// The start state, the quotas too emptied.
void verifyReset(const Fixture &f)
{
    verifyStartState(f);
    for (const QString &name : lineFields() + QStringList{ "withholding.quota" })
        QVERIFY2(f.text(name).isEmpty(), qPrintable(name));
}

} // namespace

void TestReceivedSave::checksInOrder_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("field"); // marked and focused; empty when the check marks nothing

    const QStringList chosen = words("supplier=0 type=0 account=13");
    const QStringList numbered = chosen + QStringList{ "number=7" };
    const QStringList withholding = numbered + QStringList{ "withholding", "withholding.base=1000" };
    QTest::newRow("untouched page") << QStringList() << noSupplierText << "supplier";
    QTest::newRow("no type") << QStringList{ "supplier=0" } << noTypeText << "type";
    QTest::newRow("no account") << QStringList{ "supplier=0", "type=0" } << noAccountText << "account";
    QTest::newRow("no number, before the withholding and the first base")
        << chosen + QStringList{ "withholding" } << requiredNoStop << "number";
    QTest::newRow("withholding base")
        << numbered + QStringList{ "withholding" } << requiredNoStop << "withholding.base";
    QTest::newRow("withholding percentage") << withholding << requiredNoStop << "withholding.percentage";
    QTest::newRow("first base, with a full stop")
        << withholding + QStringList{ "withholding.percentage=15" } << requiredText << "line1.base";
    QTest::newRow("first base in total-only mode")
        << QStringList{ "supplier=0", "type=2", "account=13", "number=7" } << requiredText << "line1.base";
    QTest::newRow("first rate missing") << numbered + QStringList{ "line1.base=100" } << reviewText << "";
    QTest::newRow("line 2 base without rate")
        << complete + QStringList{ "line2.base=50" } << reviewText << "";
    QTest::newRow("line 3 rate without base") << complete + QStringList{ "line3.rate=4" } << reviewText << "";
    QTest::newRow("line 2 rate without base under reverse charge")
        << complete + QStringList{ "reverseCharge", "line2.rate=10" } << reviewText << "";
    QTest::newRow("withholding without its mode")
        << complete + QStringList{ "withholding", "withholding.base=1000", "withholding.percentage=15" }
        << noModeText << "";
}

void TestReceivedSave::checksInOrder()
{
    QFETCH(QStringList, steps);
    QFETCH(QString, message);
    QFETCH(QString, field);

    Fixture f;
    QVERIFY(f.start());
    f.perform(steps + QStringList{ "save" });
    f.verifyBoxes((steps.contains("account=13") ? QStringList{ otherExpenses } : QStringList()) << message);
    // Only the failing field is marked; the fields checked before it passed.
    QCOMPARE(f.markedNames(), field.isEmpty() ? QStringList() : QStringList{ field });
    if (!field.isEmpty())
        QCOMPARE(f.app->focusWidget(), f.widget(field));
    QCOMPARE(storedInvoices(), 0);
}

void TestReceivedSave::aCorrectedFieldIsUnmarkedByTheNextSave()
{
    Fixture f;
    QVERIFY(f.start());
    f.perform({ "save" });
    QCOMPARE(f.markedNames(), QStringList{ "supplier" });
    f.perform({ "supplier=2", "save" });
    QCOMPARE(f.markedNames(), QStringList{ "type" });
    f.verifyBoxes({ noSupplierText, noTypeText });
}

void TestReceivedSave::storedRow_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("expectedRow");
    QTest::addColumn<QStringList>("earlierBoxes");

    // Three lines, withholding by professionals, cash basis, dated earlier in the quarter.
    QTest::newRow("interior, every column")
        << words(
               "supplier=1 type=0 account=13 number=FR-2016/7 date=20/04/2016 line1.base=100 line1.rate=21 "
               "line2.base=200 line2.rate=10 line3.base=50 line3.rate=4 cashBasis withholding professionals "
               "withholding.base=1000 withholding.percentage=15")
        << words(
               "proveedor=40000002 nfac=FR-2016/7 fecha=20/04/2016 type=0 inv=0 cm=0 isp=0 cc=1 ret=1 alq=0 "
               "pyo=1 base0=100 piva0=21 civa0=21 ivas0=0 ivar0=0 base1=200 piva1=10 civa1=20 ivas1=0 "
               "ivar1=0 "
               "base2=50 piva2=4 civa2=2 ivas2=0 ivar2=0 base3=350 piva3=35 civa3=43 ivas3=0 ivar3=0 "
               "bret=1000 pret=15 cret=150 total=243 ctc=62900009")
        << QStringList{ otherExpenses, contactText };
    // The other rows name only the columns they are about.
    QTest::newRow("six digits: the total stored as shown")
        << words("supplier=0 type=0 account=0 number=A1 line1.base=1234567 line1.rate=21")
        << words("proveedor=40000001 fecha=15/05/2016 civa0=259259 base3=1234567 civa3=259259 total=1493830 "
                 "ctc=60000000")
        << QStringList{ box::accountChosen("60000000\tCompras de mercaderías") };
    QTest::newRow("intra-community investment: fixed-asset account, no quotas, lone point and comma")
        << words("supplier=2 type=1 investments account=5 number=UE-1 line1.base=800 line1.rate=21 "
                 "line2.base=. "
                 "line2.rate=,")
        << words(
               "proveedor=40000003 type=1 inv=1 civa0=0 base1=0 piva1=0 base3=800 piva3=21 civa3=0 total=800 "
               "ctc=21700000")
        << QStringList{ box::accountChosen("21700000\tCompra de equipos informáticos") };
    QTest::newRow("retail: one total, the hidden rates store 0")
        << words("supplier=0 type=0 retail account=1 number=T-9 line1.base=60.5")
        << words("cm=1 base0=60.5 piva0=0 civa0=0 piva3=0 total=60.5 ctc=62100000")
        << QStringList{ box::accountChosen("62100000\tArrendamiento") };
}

void TestReceivedSave::storedRow()
{
    QFETCH(QStringList, steps);
    QFETCH(QStringList, expectedRow);
    QFETCH(QStringList, earlierBoxes);

    Fixture f;
    QVERIFY(f.start());
    // The date is picked the way the calendar does it; the others are typed and clicked.
    for (const QString &step : steps.filter(QRegularExpression("^date=")))
        f.app->dateFields()[1].edit->setDate(QDate::fromString(step.mid(5), "dd/MM/yyyy"));
    f.perform(steps.filter(QRegularExpression("^(?!date=)")));
    f.responder.answer({ "Continuar", "Guardar" });
    f.perform({ "save" });

    const QStringList row = storedRowTexts("frec", frecColumns, { "nfac", "fecha" });
    for (const QString &column : expectedRow)
        QVERIFY2(row.contains(column), qPrintable(column + QStringLiteral(" not in ") + row.join(' ')));
    f.verifyBoxes(earlierBoxes + savedBoxes);
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

    f.perform(complete + QStringList{ "save" });
    QCOMPARE(storedInvoices(), 1);
    // Refused before the confirmations; the form keeps what was typed.
    f.expectTexts({ "number=FR-2016/7", "total=121" });
    QVERIFY(!marked(f.widget("number")));
    f.verifyBoxes(QStringList{ otherExpenses } + savedBoxes + QStringList{ otherExpenses, duplicateText });
}

// Nothing is stored and the form keeps what was typed when a confirmation is answered
// "Rectificar", while today is unknown, and when the supplier has left the register. A
// first save of the empty page shows that the field checks come first.
void TestReceivedSave::nothingStoredAfterTheChecks_data()
{
    QTest::addColumn<bool>("todayKnown");
    QTest::addColumn<bool>("supplierGone");
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<QStringList>("boxes"); // after the save, "icon|title|text|buttons"

    QTest::newRow("Rectificar at the first confirmation")
        << true << false << QStringList{ "Rectificar" }
        << QStringList{ box::checkTotal + "|Rectificar,Continuar" };
    QTest::newRow("Rectificar at the second confirmation")
        << true << false << QStringList{ "Continuar", "Rectificar" }
        << QStringList{ box::checkTotal + "|Rectificar,Continuar", box::confirmSave + "|Rectificar,Guardar" };
    QTest::newRow("today unknown") << false << false << QStringList()
                                   << QStringList{ box::todayUnknown + "|OK" };
    // "Talleres Sur" is still a client, which does not count.
    QTest::newRow("supplier gone from the register")
        << true << true << QStringList()
        << QStringList{ "critical|Error|Error al encontrar el proveedor.|OK" };
}

void TestReceivedSave::nothingStoredAfterTheChecks()
{
    QFETCH(bool, todayKnown);
    QFETCH(bool, supplierGone);
    QFETCH(QStringList, answers);
    QFETCH(QStringList, boxes);

    Fixture f;
    QVERIFY(f.start(todayKnown));
    if (supplierGone)
        QVERIFY(execStatement("DELETE FROM cap WHERE id=40000002"));
    f.perform(QStringList{ "save" } + complete);
    f.responder.answer(answers);
    f.perform({ "save" });

    QVERIFY(f.settled());
    QCOMPARE(boxLinesWithButtons(f.responder),
        QStringList({ noSupplierText + "|OK", otherExpenses + "|OK" }) + boxes);
    QCOMPARE(storedInvoices(), 0);
    f.expectTexts({ "number=FR-2016/7", "line1.quota=21" });
    QCOMPARE(f.page().account->currentIndex(), 13);
}

void TestReceivedSave::investmentsAfterAnAccountAsksForOneAgain()
{
    Fixture f;
    QVERIFY(f.start());
    f.perform(complete + QStringList{ "investments", "save" });
    QCOMPARE(f.markedNames(), QStringList{ "account" });
    QCOMPARE(f.app->focusWidget(), f.widget("account"));
    f.verifyBoxes({ otherExpenses, noAccountText });
}

void TestReceivedSave::resetAfterSaving()
{
    Fixture f;
    QVERIFY(f.start());
    f.app->dateFields()[1].edit->setDate(QDate(2016, 4, 2));
    // A first attempt marks the number; the successful save clears the mark.
    f.perform({ "supplier=1", "type=0", "account=13", "save" });
    QVERIFY(marked(f.widget("number")));
    f.perform({ "investments", "account=0", "number=R-1", "reverseCharge", "line1.base=100", "line1.rate=21",
        "withholding", "rental", "withholding.base=100", "withholding.percentage=19" });
    f.responder.answer({ "Continuar", "Guardar" });
    f.perform({ "save" });
    QCOMPARE(storedInvoices(), 1);
    QCOMPARE(queryValue("SELECT fecha FROM frec").toString(), QStringLiteral("02/04/2016"));

    // Unticking "Inversiones" brought the purchase accounts back, without a message.
    verifyReset(f);
    QCOMPARE(f.app->dateFields()[1].edit->date(), QDate(2016, 5, 15));
    QCOMPARE(f.markedNames(), QStringList());
    QCOMPARE(f.app->focusWidget(), f.widget("supplier"));
    f.verifyBoxes(
        QStringList{ otherExpenses, requiredNoStop, box::accountChosen("21100000\tCompra de inmuebles") }
        + savedBoxes);
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
    const QStringList before = f.shown();
    f.responder.answer(answer);
    f.perform({ "clear" });

    QCOMPARE(f.responder.boxes().last().buttons, (QStringList{ "No", "Sí" }));
    if (answer == QLatin1String("No")) {
        QCOMPARE(f.shown(), before);
        QCOMPARE(f.ticked(), QStringList{ "retail" });
        f.expectTexts({ "line1.base=100", "total=100" });
        QCOMPARE(f.page().supplier->currentIndex(), 1);
    } else {
        verifyReset(f);
        QCOMPARE(f.app->focusWidget(), f.widget("supplier"));
    }
    QCOMPARE(f.markedNames(), QStringList{ "number" });
    QCOMPARE(storedInvoices(), 0);
    f.verifyBoxes({ otherExpenses, requiredNoStop, clearQuestion });
}

QTEST_MAIN(TestReceivedSave)
#include "test_received_save.moc"
