// "Facturas Emitidas": the checks of "Continuar", the stored `femi` row, the reset and "Limpiar".

#include "InvoiceTesting.h"

using namespace issued;

class TestIssuedSave final : public QObject {
    Q_OBJECT

private slots:
    void checksInTheirOrder();
    void refusals_data();
    void refusals();
    void storedRow_data();
    void storedRow();
    void storedForms();
    void duplicateNumberRefusedWhateverTheSeries();
    void nothingStoredAfterTheChecks_data();
    void nothingStoredAfterTheChecks();
    void clearAsksFirst();
};

namespace {

const QStringList accounts{ "70000000    Venta de mercaderías", "70500000    Prestaciones de servicios",
    "75200000    Ingresos por arrendamientos", "75900000    Ingresos por servicios diversos" };

const QStringList femiColumns
    = words("auid cliente serie nfac fecha type cm rec isp cc ret alq pyo vin base0 "
            "piva0 civa0 prec0 crec0 base1 piva1 civa1 prec1 crec1 base2 piva2 civa2 "
            "prec2 crec2 base3 piva3 civa3 prec3 crec3 bret pret cret total ctc");

// The boxes the steps themselves show: the account message and the contact messages.
QStringList boxesOfSteps(const QStringList &steps)
{
    QStringList seen;
    for (const QString &step : steps) {
        if (step.startsWith("account="))
            seen << box::accountChosen(accounts.value(step.section('=', 1).toInt()));
        else if (step == "cashBasis")
            seen << contactText;
        else if (step == "fixedAssetSale")
            seen << fixedAssetText;
    }
    return seen;
}

int storedInvoices()
{
    return queryValue("SELECT COUNT(*) FROM femi").toInt();
}

const QStringList filledInvoice
    = words("client=0 type=0 account=0 series=A number=F-1 line1.base=100 line1.rate=21");

} // namespace

void TestIssuedSave::checksInTheirOrder()
{
    struct Attempt {
        QStringList steps;
        QString box;
        QString field; // the field marked and focused, if any
    };
    const Attempt attempts[] = {
        { {}, warningBox("Debe seleccionar un cliente."), "client" },
        { { "client=1" }, noTypeText, "type" },
        { { "type=0" }, noAccountText, "account" },
        // The number comes before the surcharge rate of line 1, which comes before the
        // base of line 1.
        { { "account=2", "surcharge" }, requiredText, "number" },
        { { "number=F-1" }, requiredText, "line1.surchargeRate" },
        { { "line1.surchargeRate=5.2" }, requiredText, "line1.base" },
        { { "line1.base=100" }, reviewText, "" },
        { { "line1.rate=21", "line2.base=50" }, requiredText, "line2.surchargeRate" },
        { { "line2.surchargeRate=1.4" }, reviewText, "" },
        // "Retención" unticks the surcharge, which hides its fields.
        { { "line2.rate=10", "withholding" }, requiredText, "withholding.base" },
        { { "withholding.base=150" }, requiredText, "withholding.percentage" },
        { { "withholding.percentage=15" }, noModeText, "" },
    };

    Fixture f;
    QVERIFY(f.start());
    for (const Attempt &attempt : attempts) {
        f.responder.clear();
        f.perform(attempt.steps + QStringList{ "save" });
        f.verifyBoxes(boxesOfSteps(attempt.steps) << attempt.box);
        // A mark stays until the field passes its check again.
        if (!attempt.field.isEmpty())
            QCOMPARE(f.app->focusWidget(), f.widget(attempt.field));
        QCOMPARE(f.markedNames(), attempt.field.isEmpty() ? QStringList() : QStringList{ attempt.field });
    }
    QCOMPARE(storedInvoices(), 0);

    f.responder.clear();
    f.responder.answer({ "Continuar", "Guardar" });
    f.perform({ "rental", "save" });
    f.verifyBoxes(savedBoxes);
    QCOMPARE(storedInvoices(), 1);
    QCOMPARE(f.markedNames(), QStringList());
}

void TestIssuedSave::refusals_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("field");

    const QString start = "client=0 type=0 account=0 number=F-1 ", line1 = "line1.base=100 line1.rate=21 ";
    QTest::newRow("no base") << words(start) << requiredText << "line1.base";
    QTest::newRow("no total in total-only mode") << words(start + "retail") << requiredText << "line1.base";
    QTest::newRow("surcharge rate of line 3 without a base")
        << words(start + line1 + "surcharge line1.surchargeRate=5.2 line3.surchargeRate=0.5") << requiredText
        << "line3.surchargeRate";
    QTest::newRow("rate of line 2 without a base")
        << words(start + line1 + "line2.rate=10") << reviewText << "";
    QTest::newRow("base of line 3 without a rate")
        << words(start + line1 + "line3.base=10") << reviewText << "";
    QTest::newRow("withholding percentage missing")
        << words(start + line1 + "withholding rental withholding.base=100") << requiredText
        << "withholding.percentage";
}

void TestIssuedSave::refusals()
{
    QFETCH(QStringList, steps);
    QFETCH(QString, box);
    QFETCH(QString, field);

    Fixture f;
    QVERIFY(f.start());
    f.perform(steps + QStringList{ "save" });
    f.verifyBoxes(boxesOfSteps(steps) << box);
    QCOMPARE(f.markedNames(), field.isEmpty() ? QStringList() : QStringList{ field });
    QCOMPARE(storedInvoices(), 0);
}

void TestIssuedSave::storedRow_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("columns"); // "column=value" for every column that is not 0

    const char *const rows[][3] = {
        { "surcharge on three lines",
            "client=0 type=0 account=1 series=A-2016 number=F-1 surcharge line1.base=100 line1.rate=21 "
            "line1.surchargeRate=5.2 line2.base=50 line2.rate=10 line2.surchargeRate=1.4 line3.base=20 "
            "line3.rate=4 line3.surchargeRate=0.5",
            "cliente=43000001 serie=A-2016 rec=1 base0=100 piva0=21 civa0=21 prec0=5.2 crec0=5.2 base1=50 "
            "piva1=10 civa1=5 prec1=1.4 crec1=0.7 base2=20 piva2=4 civa2=0.8 prec2=0.5 crec2=0.1 base3=170 "
            "piva3=35 civa3=26.8 prec3=7.1 crec3=5.9999995 total=202.8 ctc=70500000" },
        // 1.9 added to 33554440 is lost in single precision.
        { "sums in single precision",
            "client=0 type=0 account=0 number=F-1 surcharge line1.base=33554440 line1.rate=0 "
            "line1.surchargeRate=0 line2.base=1.9 line2.rate=100 line2.surchargeRate=100 line3.base=1.9 "
            "line3.rate=100 line3.surchargeRate=100",
            "cliente=43000001 rec=1 base0=33554440 base1=1.9 piva1=100 civa1=1.9 prec1=100 crec1=1.9 "
            "base2=1.9 "
            "piva2=100 civa2=1.9 prec2=100 crec2=1.9 base3=33554440 piva3=200 civa3=3.8 prec3=200 crec3=3.8 "
            "total=33554400 ctc=70000000" },
        { "cash basis, withholding for a rental",
            "client=1 type=0 account=2 number=F-1 cashBasis line1.base=1000 line1.rate=21 withholding rental "
            "withholding.base=1000 withholding.percentage=15",
            "cliente=43000002 cc=1 ret=1 alq=1 base0=1000 piva0=21 civa0=210 base3=1000 piva3=21 civa3=210 "
            "bret=1000 pret=15 cret=150 total=1060 ctc=75200000" },
        { "reverse charge with a withholding",
            "client=0 type=0 account=3 number=F-1 reverseCharge line1.base=500 withholding professionals "
            "withholding.base=500 withholding.percentage=15",
            "cliente=43000001 isp=1 ret=1 pyo=1 base0=500 base3=500 bret=500 pret=15 cret=75 total=425 "
            "ctc=75900000" },
        { "the shown six digits", "client=0 type=0 account=0 number=F-1 line1.base=12345.67 line1.rate=21",
            "cliente=43000001 base0=12345.67 piva0=21 civa0=2592.59 base3=12345.67 piva3=21 civa3=2592.59 "
            "total=14938.3 ctc=70000000" },
        { "a million at 21", "client=0 type=0 account=0 number=F-1 line1.base=1000000 line1.rate=21",
            "cliente=43000001 base0=1000000 piva0=21 civa0=210000 base3=1000000 piva3=21 civa3=210000 "
            "total=1210000 ctc=70000000" },
        { "exports, cash basis unticked by the type, fixed asset",
            "client=0 type=0 cashBasis type=2 fixedAssetSale account=0 number=E/7 line1.base=2500",
            "cliente=43000001 type=2 vin=1 base0=2500 base3=2500 total=2500 ctc=70000000" },
        // Two clients share the name: the first registered is the one filed.
        { "same name, first client", "client=2 type=1 account=0 number=F-1 line1.base=80",
            "cliente=43000001 type=1 base0=80 base3=80 total=80 ctc=70000000" },
    };
    for (const auto &row : rows)
        QTest::newRow(row[0]) << words(row[1]) << words(row[2]);
}

void TestIssuedSave::storedRow()
{
    QFETCH(QStringList, steps);
    QFETCH(QStringList, columns);

    Fixture f;
    QVERIFY(f.start());
    f.perform(steps);
    f.responder.answer({ "Continuar", "Guardar" });
    f.perform({ "save" });
    f.verifyBoxes(boxesOfSteps(steps) + savedBoxes);

    QMap<QString, QString> values{ { "auid", "1" }, { "serie", "" }, { "fecha", "15/05/2016" },
        { "nfac", steps.filter("number=").first().section('=', 1) } };
    for (const QString &column : columns)
        values[column.section('=', 0, 0)] = column.section('=', 1);
    QStringList expected;
    for (const QString &column : femiColumns)
        expected << column + '=' + values.value(column, "0");
    QCOMPARE(storedRowTexts("femi", femiColumns, { "serie", "nfac", "fecha" }), expected);

    // The reset: the start state, "Fecha" at today.
    verifyStartState(f);
    QCOMPARE(f.app->dateFields()[0].edit->date(), QDate(2016, 5, 15));
}

void TestIssuedSave::storedForms()
{
    Fixture f;
    QVERIFY(f.start());
    f.perform(filledInvoice + QStringList{ "fixedAssetSale" });
    f.responder.answer({ "Continuar", "Guardar" });
    f.perform({ "save" });
    f.verifyBoxes(boxesOfSteps(filledInvoice) + QStringList{ fixedAssetText } + savedBoxes);
    QCOMPARE(queryRows("SELECT typeof(cliente), typeof(fecha), typeof(type), typeof(cm), typeof(vin), "
                       "typeof(base0), typeof(civa0), typeof(total), typeof(ctc), cm, vin FROM femi"),
        QList<QVariantList>({ { "integer", "text", "integer", "integer", "integer", "real", "real", "real",
            "integer", 0, 1 } }));
}

void TestIssuedSave::duplicateNumberRefusedWhateverTheSeries()
{
    Fixture f;
    QVERIFY(f.start());
    f.perform(filledInvoice);
    f.responder.answer({ "Continuar", "Guardar" });
    f.perform({ "save" });
    QCOMPARE(storedInvoices(), 1);

    f.responder.clear();
    const QStringList second
        = words("client=1 type=0 account=1 series=B number=F-1 line1.base=50 line1.rate=10");
    f.perform(second + QStringList{ "save" });
    f.verifyBoxes(boxesOfSteps(second) << duplicateText);
    QCOMPARE(storedInvoices(), 1);
    QCOMPARE(f.markedNames(), QStringList());
    f.expectTexts({ "series=B", "number=F-1", "total=55" });
}

// Nothing is stored and the form keeps what was typed when a confirmation is answered
// "Rectificar", while today is unknown, and when the client has left the register.
void TestIssuedSave::nothingStoredAfterTheChecks_data()
{
    QTest::addColumn<bool>("todayKnown");
    QTest::addColumn<bool>("clientGone");
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<QStringList>("boxes"); // after the account's, "icon|title|text|buttons"

    const QString rectificar = QStringLiteral("|Rectificar,");
    QTest::newRow("Rectificar at the first confirmation")
        << true << false << QStringList{ "Rectificar" }
        << QStringList{ box::checkTotal + rectificar + "Continuar" };
    QTest::newRow("Rectificar at the second confirmation")
        << true << false << QStringList{ "Continuar", "Rectificar" }
        << QStringList{ box::checkTotal + rectificar + "Continuar",
               box::confirmSave + rectificar + "Guardar" };
    QTest::newRow("today unknown") << false << false << QStringList()
                                   << QStringList{ box::todayUnknown + "|OK" };
    QTest::newRow("client no longer registered")
        << true << true << QStringList() << QStringList{ "critical|Error|Error al encontrar el cliente.|OK" };
}

void TestIssuedSave::nothingStoredAfterTheChecks()
{
    QFETCH(bool, todayKnown);
    QFETCH(bool, clientGone);
    QFETCH(QStringList, answers);
    QFETCH(QStringList, boxes);

    Fixture f;
    QVERIFY(f.start(todayKnown));
    if (clientGone)
        QVERIFY(execStatement("DELETE FROM cap WHERE id=43000002"));
    const QStringList steps = QStringList{ "client=1" } + filledInvoice.mid(1)
        + words("withholding rental withholding.base=100 withholding.percentage=15");
    f.perform(steps);
    const QStringList shownBefore = f.shown();
    f.responder.answer(answers);
    f.perform({ "save" });

    QVERIFY(f.settled());
    QCOMPARE(
        boxLinesWithButtons(f.responder), QStringList{ box::accountChosen(accounts[0]) + "|OK" } + boxes);
    QCOMPARE(storedInvoices(), 0);
    QCOMPARE(f.shown(), shownBefore);
    QCOMPARE(f.page().client->currentIndex(), 1);
    QCOMPARE(f.page().account->currentIndex(), 0);
    QCOMPARE(f.ticked(), (QStringList{ "rental", "withholding" }));
    f.expectTexts({ "number=F-1", "withholding.quota=15", "total=106" });
}

void TestIssuedSave::clearAsksFirst()
{
    Fixture f;
    QVERIFY(f.start());
    const QStringList steps = filledInvoice + QStringList{ "retail", "fixedAssetSale" };
    f.perform(steps);
    const QStringList shownBefore = f.shown();

    f.responder.answer("No");
    f.perform({ "clear" });
    QCOMPARE(f.shown(), shownBefore);
    QCOMPARE(f.ticked(), (QStringList{ "fixedAssetSale", "retail" }));
    QCOMPARE(f.text("total"), QStringLiteral("100"));

    f.responder.answer("Sí");
    f.perform({ "clear" });
    f.verifyBoxes(boxesOfSteps(steps) << clearQuestion << clearQuestion);
    for (const BoxResponder::Box &box : f.responder.boxes().mid(f.responder.boxes().size() - 2))
        QCOMPARE(box.buttons, QStringList({ "No", "Sí" }));
    verifyStartState(f);
    QCOMPARE(f.app->focusWidget(), f.page().client);
    QCOMPARE(storedInvoices(), 0);
}

QTEST_MAIN(TestIssuedSave)
#include "test_issued_save.moc"
