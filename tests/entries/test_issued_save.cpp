// "Facturas Emitidas": the checks of "Continuar", the stored `femi` row, the reset and "Limpiar".

#include "IssuedInvoiceTesting.h"

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
    void rectificarStoresNothing_data();
    void rectificarStoresNothing();
    void nothingStoredWhileTodayIsUnknown();
    void clientNoLongerRegistered();
    void clearAsksFirst();
};

namespace {

const QString required = QStringLiteral("Error|Este campo es obligatorio.");
const QString review = QStringLiteral("Error|Revise los valores introducidos.");
const QStringList confirmations{
    "Información|Verifique que el total calculado coincide con el total de su factura.",
    "Información|Está a punto de guardar estos datos, por favor,\nasegúrese de que son correctos antes de "
    "continuar."
};
const QString saved = QStringLiteral("Información|Datos guardados");
const QStringList accounts{ "70000000    Venta de mercaderías", "70500000    Prestaciones de servicios",
    "75200000    Ingresos por arrendamientos", "75900000    Ingresos por servicios diversos" };

const QStringList femiColumns{ "auid", "cliente", "serie", "nfac", "fecha", "type", "cm", "rec", "isp", "cc",
    "ret", "alq", "pyo", "vin", "base0", "piva0", "civa0", "prec0", "crec0", "base1", "piva1", "civa1",
    "prec1", "crec1", "base2", "piva2", "civa2", "prec2", "crec2", "base3", "piva3", "civa3", "prec3",
    "crec3", "bret", "pret", "cret", "total", "ctc" };

// The boxes the steps themselves show: the account message and the contact messages.
QStringList boxesOfSteps(const QStringList &steps)
{
    QStringList seen;
    for (const QString &step : steps) {
        if (step.startsWith("account="))
            seen << accountText(accounts.value(step.section('=', 1).toInt()));
        else if (step == "cashBasis")
            seen << contactText;
        else if (step == "fixedAssetSale")
            seen << fixedAssetText;
    }
    return seen;
}

// The names of the marked fields, sorted.
QStringList markedFields(const App &app)
{
    QStringList names;
    const QMap<QString, QWidget *> all = widgets(app);
    for (auto it = all.begin(); it != all.end(); ++it) {
        if (marked(it.value()))
            names << it.key();
    }
    return names;
}

void clickSave(const Fixture &f)
{
    QTest::mouseClick(f.app->issuedPage().save, Qt::LeftButton);
}

const QStringList filledInvoice{ "client=0", "type=0", "account=0", "series=A", "number=F-1",
    "line1.base=100", "line1.rate=21" };

} // namespace

void TestIssuedSave::checksInTheirOrder()
{
    struct Attempt {
        QStringList steps;
        QString box;
        QString field; // the field marked and focused, if any
    };
    const Attempt attempts[] = {
        { {}, "Error|Debe seleccionar un cliente.", "client" },
        { { "client=1" }, "Error|Debe seleccionar un tipo de factura.", "type" },
        { { "type=0" }, "Error|Debe seleccionar una cuenta contable.", "account" },
        { { "account=2" }, required, "number" },
        // The surcharge rate of line 1 comes before the base of line 1.
        { { "number=F-1", "surcharge" }, required, "line1.surchargeRate" },
        { { "line1.surchargeRate=5.2" }, required, "line1.base" },
        { { "line1.base=100" }, review, "" },
        { { "line1.rate=21", "line2.base=50" }, required, "line2.surchargeRate" },
        { { "line2.surchargeRate=1.4" }, review, "" },
        // "Retención" unticks the surcharge, which hides its fields.
        { { "line2.rate=10", "withholding" }, required, "withholding.base" },
        { { "withholding.base=150" }, required, "withholding.percentage" },
        { { "withholding.percentage=15" }, "Error|Debe seleccionar una modalidad de retención.", "" },
    };

    Fixture f;
    QVERIFY(f.start());
    QStringList marks;
    for (const Attempt &attempt : attempts) {
        f.responder.clear();
        f.perform(attempt.steps);
        clickSave(f);
        f.verifyBoxes(boxesOfSteps(attempt.steps) << attempt.box);
        QCOMPARE(f.responder.boxes().last().icon, QMessageBox::Warning);
        // A mark stays until the field passes its check again.
        if (!attempt.field.isEmpty()) {
            QCOMPARE(f.app->focusWidget(), f.widget(attempt.field));
            marks = QStringList{ attempt.field };
        } else {
            marks.clear();
        }
        QCOMPARE(markedFields(*f.app), marks);
    }
    QCOMPARE(queryValue("SELECT COUNT(*) FROM femi").toInt(), 0);

    f.responder.clear();
    f.responder.answer({ "Continuar", "Guardar" });
    f.perform({ "rental" });
    clickSave(f);
    f.verifyBoxes(confirmations + QStringList{ saved });
    QCOMPARE(queryValue("SELECT COUNT(*) FROM femi").toInt(), 1);
    QCOMPARE(markedFields(*f.app), QStringList());
}

void TestIssuedSave::refusals_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("field");

    const QStringList start{ "client=0", "type=0", "account=0", "number=F-1" };
    QTest::newRow("no base") << start << required << "line1.base";
    QTest::newRow("no total in total-only mode")
        << start + QStringList{ "retail" } << required << "line1.base";
    QTest::newRow("surcharge rate of line 3 without a base") << start
            + QStringList{ "surcharge", "line1.base=100", "line1.rate=21", "line1.surchargeRate=5.2",
                  "line3.surchargeRate=0.5" } << required << "line3.surchargeRate";
    QTest::newRow("rate of line 2 without a base")
        << start + QStringList{ "line1.base=100", "line1.rate=21", "line2.rate=10" } << review << "";
    QTest::newRow("base of line 3 without a rate")
        << start + QStringList{ "line1.base=100", "line1.rate=21", "line3.base=10" } << review << "";
    QTest::newRow("withholding percentage missing") << start
            + QStringList{ "line1.base=100", "line1.rate=21", "withholding", "rental",
                  "withholding.base=100" } << required
                                                    << "withholding.percentage";
}

void TestIssuedSave::refusals()
{
    QFETCH(QStringList, steps);
    QFETCH(QString, box);
    QFETCH(QString, field);

    Fixture f;
    QVERIFY(f.start());
    f.perform(steps);
    clickSave(f);
    f.verifyBoxes(boxesOfSteps(steps) << box);
    QCOMPARE(markedFields(*f.app), field.isEmpty() ? QStringList() : QStringList{ field });
    QCOMPARE(queryValue("SELECT COUNT(*) FROM femi").toInt(), 0);
}

void TestIssuedSave::storedRow_data()
{
    QTest::addColumn<QStringList>("steps");
    // "column=value" for every column that is not 0.
    QTest::addColumn<QStringList>("columns");

    QTest::newRow("surcharge on three lines")
        << QStringList{ "client=0", "type=0", "account=1", "series=A-2016", "number=F-1", "surcharge",
               "line1.base=100", "line1.rate=21", "line1.surchargeRate=5.2", "line2.base=50", "line2.rate=10",
               "line2.surchargeRate=1.4", "line3.base=20", "line3.rate=4", "line3.surchargeRate=0.5" }
        << QStringList{ "cliente=43000001", "serie=A-2016", "rec=1", "base0=100", "piva0=21", "civa0=21",
               "prec0=5.2", "crec0=5.2", "base1=50", "piva1=10", "civa1=5", "prec1=1.4", "crec1=0.7",
               "base2=20", "piva2=4", "civa2=0.8", "prec2=0.5", "crec2=0.1", "base3=170", "piva3=35",
               "civa3=26.8", "prec3=7.1", "crec3=5.9999995", "total=202.8", "ctc=70500000" };
    // 1.9 added to 33554440 is lost in single precision.
    QTest::newRow("sums in single precision")
        << QStringList{ "client=0", "type=0", "account=0", "number=F-1", "surcharge", "line1.base=33554440",
               "line1.rate=0", "line1.surchargeRate=0", "line2.base=1.9", "line2.rate=100",
               "line2.surchargeRate=100", "line3.base=1.9", "line3.rate=100", "line3.surchargeRate=100" }
        << QStringList{ "cliente=43000001", "rec=1", "base0=33554440", "base1=1.9", "piva1=100", "civa1=1.9",
               "prec1=100", "crec1=1.9", "base2=1.9", "piva2=100", "civa2=1.9", "prec2=100", "crec2=1.9",
               "base3=33554440", "piva3=200", "civa3=3.8", "prec3=200", "crec3=3.8", "total=33554400",
               "ctc=70000000" };
    QTest::newRow("cash basis, withholding for a rental")
        << QStringList{ "client=1", "type=0", "account=2", "number=F-1", "cashBasis", "line1.base=1000",
               "line1.rate=21", "withholding", "rental", "withholding.base=1000",
               "withholding.percentage=15" }
        << QStringList{ "cliente=43000002", "cc=1", "ret=1", "alq=1", "base0=1000", "piva0=21", "civa0=210",
               "base3=1000", "piva3=21", "civa3=210", "bret=1000", "pret=15", "cret=150", "total=1060",
               "ctc=75200000" };
    QTest::newRow("reverse charge with a withholding")
        << QStringList{ "client=0", "type=0", "account=3", "number=F-1", "reverseCharge", "line1.base=500",
               "withholding", "professionals", "withholding.base=500", "withholding.percentage=15" }
        << QStringList{ "cliente=43000001", "isp=1", "ret=1", "pyo=1", "base0=500", "base3=500", "bret=500",
               "pret=15", "cret=75", "total=425", "ctc=75900000" };
    QTest::newRow("the shown six digits")
        << QStringList{ "client=0", "type=0", "account=0", "number=F-1", "line1.base=12345.67",
               "line1.rate=21" }
        << QStringList{ "cliente=43000001", "base0=12345.67", "piva0=21", "civa0=2592.59", "base3=12345.67",
               "piva3=21", "civa3=2592.59", "total=14938.3", "ctc=70000000" };
    QTest::newRow("a million at 21") << QStringList{ "client=0", "type=0", "account=0", "number=F-1",
        "line1.base=1000000", "line1.rate=21" }
                                     << QStringList{ "cliente=43000001", "base0=1000000", "piva0=21",
                                            "civa0=210000", "base3=1000000", "piva3=21", "civa3=210000",
                                            "total=1210000", "ctc=70000000" };
    QTest::newRow("exports, cash basis unticked by the type, fixed asset")
        << QStringList{ "client=0", "type=0", "cashBasis", "type=2", "fixedAssetSale", "account=0",
               "number=E/7", "line1.base=2500" }
        << QStringList{ "cliente=43000001", "type=2", "vin=1", "base0=2500", "base3=2500", "total=2500",
               "ctc=70000000" };
    // Two clients share the name: the first registered is the one filed.
    QTest::newRow("same name, first client")
        << QStringList{ "client=2", "type=1", "account=0", "number=F-1", "line1.base=80" }
        << QStringList{ "cliente=43000001", "type=1", "base0=80", "base3=80", "total=80", "ctc=70000000" };
}

void TestIssuedSave::storedRow()
{
    QFETCH(QStringList, steps);
    QFETCH(QStringList, columns);

    Fixture f;
    QVERIFY(f.start());
    f.perform(steps);
    f.responder.answer({ "Continuar", "Guardar" });
    clickSave(f);
    f.verifyBoxes(boxesOfSteps(steps) + confirmations + QStringList{ saved });

    QMap<QString, QString> expected;
    for (const QString &column : femiColumns)
        expected[column] = "0";
    expected["auid"] = "1";
    expected["serie"] = "";
    expected["fecha"] = "15/05/2016";
    expected["nfac"] = steps.filter("number=").first().section('=', 1);
    for (const QString &column : columns)
        expected[column.section('=', 0, 0)] = column.section('=', 1);

    const QList<QVariantList> rows = queryRows("SELECT * FROM femi");
    QCOMPARE(rows.size(), 1);
    QCOMPARE(rows[0].size(), femiColumns.size());
    for (int i = 0; i < femiColumns.size(); ++i) {
        const QString &column = femiColumns[i];
        const QVariant stored = rows[0][i];
        if (column == "serie" || column == "nfac" || column == "fecha")
            QVERIFY2(stored.toString() == expected[column], qPrintable(column + ": " + stored.toString()));
        else
            QVERIFY2(stored.toDouble() == expected[column].toDouble(),
                qPrintable(column + ": " + stored.toString()));
    }

    // The reset: the start state, "Fecha" at today.
    const IssuedPage &page = f.app->issuedPage();
    QCOMPARE(shown(*f.app), shownWith({}));
    for (const QComboBox *list : { page.client, page.type, page.account })
        QCOMPARE(list->currentIndex(), -1);
    for (const QString &name : QStringList{ "retail", "surcharge", "reverseCharge", "cashBasis",
             "withholding", "rental", "professionals", "fixedAssetSale" })
        QVERIFY(!ticked(*f.app, name));
    QCOMPARE(page.series->text(), QString());
    QCOMPARE(page.number->text(), QString());
    QCOMPARE(page.total->text(), QStringLiteral("0"));
    QCOMPARE(f.app->dateFields()[0].edit->date(), QDate(2016, 5, 15));
}

void TestIssuedSave::storedForms()
{
    Fixture f;
    QVERIFY(f.start());
    f.perform(filledInvoice + QStringList{ "fixedAssetSale" });
    f.responder.answer({ "Continuar", "Guardar" });
    clickSave(f);
    f.verifyBoxes(
        boxesOfSteps(filledInvoice) + QStringList{ fixedAssetText } + confirmations + QStringList{ saved });
    QCOMPARE(queryRows("SELECT typeof(cliente), typeof(fecha), typeof(type), typeof(cm), typeof(vin), "
                       "typeof(base0), typeof(civa0), typeof(total), typeof(ctc) FROM femi"),
        QList<QVariantList>(
            { { "integer", "text", "integer", "integer", "integer", "real", "real", "real", "integer" } }));
    QCOMPARE(queryRows("SELECT cm, vin FROM femi"), QList<QVariantList>({ { 0, 1 } }));
}

void TestIssuedSave::duplicateNumberRefusedWhateverTheSeries()
{
    Fixture f;
    QVERIFY(f.start());
    f.perform(filledInvoice);
    f.responder.answer({ "Continuar", "Guardar" });
    clickSave(f);
    QCOMPARE(queryValue("SELECT COUNT(*) FROM femi").toInt(), 1);

    f.responder.clear();
    const QStringList second{ "client=1", "type=0", "account=1", "series=B", "number=F-1", "line1.base=50",
        "line1.rate=10" };
    f.perform(second);
    clickSave(f);
    f.verifyBoxes(boxesOfSteps(second) << "Error|Ya existe una factura con este Nº");
    QCOMPARE(f.responder.boxes().last().icon, QMessageBox::Warning);
    QCOMPARE(queryValue("SELECT COUNT(*) FROM femi").toInt(), 1);
    QCOMPARE(markedFields(*f.app), QStringList());
    QCOMPARE(f.text("series"), QStringLiteral("B"));
    QCOMPARE(f.text("number"), QStringLiteral("F-1"));
    QCOMPARE(f.text("total"), QStringLiteral("55"));
}

void TestIssuedSave::rectificarStoresNothing_data()
{
    QTest::addColumn<QStringList>("answers");
    QTest::newRow("first confirmation") << QStringList{ "Rectificar" };
    QTest::newRow("second confirmation") << QStringList{ "Continuar", "Rectificar" };
}

void TestIssuedSave::rectificarStoresNothing()
{
    QFETCH(QStringList, answers);

    Fixture f;
    QVERIFY(f.start());
    const QStringList steps = filledInvoice
        + QStringList{ "withholding", "rental", "withholding.base=100", "withholding.percentage=15" };
    f.perform(steps);
    const QStringList shownBefore = shown(*f.app);
    f.responder.answer(answers);
    clickSave(f);
    f.verifyBoxes(boxesOfSteps(steps) + confirmations.mid(0, answers.size()));
    for (const BoxResponder::Box &box : f.responder.boxes().mid(1)) {
        QCOMPARE(box.icon, QMessageBox::Information);
        QCOMPARE(box.buttons.first(), QStringLiteral("Rectificar"));
    }
    QCOMPARE(queryValue("SELECT COUNT(*) FROM femi").toInt(), 0);
    QCOMPARE(shown(*f.app), shownBefore);
    QCOMPARE(f.app->issuedPage().client->currentIndex(), 0);
    QCOMPARE(f.app->issuedPage().account->currentIndex(), 0);
    QVERIFY(ticked(*f.app, "rental"));
    QCOMPARE(f.text("number"), QStringLiteral("F-1"));
    QCOMPARE(f.text("withholding.quota"), QStringLiteral("15"));
    QCOMPARE(f.text("total"), QStringLiteral("106"));
}

void TestIssuedSave::nothingStoredWhileTodayIsUnknown()
{
    Fixture f;
    QVERIFY(f.start(false));
    f.perform(filledInvoice);
    clickSave(f);
    f.verifyBoxes(
        boxesOfSteps(filledInvoice) << "Error|No se ha podido obtener la fecha actual del servidor de hora.");
    QCOMPARE(f.responder.boxes().last().icon, QMessageBox::Warning);
    QCOMPARE(queryValue("SELECT COUNT(*) FROM femi").toInt(), 0);
    QCOMPARE(f.text("number"), QStringLiteral("F-1"));
}

void TestIssuedSave::clientNoLongerRegistered()
{
    Fixture f;
    QVERIFY(f.start());
    QVERIFY(execStatement("DELETE FROM cap WHERE id=43000002"));
    const QStringList steps = QStringList{ "client=1" } + filledInvoice.mid(1);
    f.perform(steps);
    clickSave(f);
    f.verifyBoxes(boxesOfSteps(steps) << "Error|Error al encontrar el cliente.");
    QCOMPARE(f.responder.boxes().last().icon, QMessageBox::Critical);
    QCOMPARE(queryValue("SELECT COUNT(*) FROM femi").toInt(), 0);
}

void TestIssuedSave::clearAsksFirst()
{
    Fixture f;
    QVERIFY(f.start());
    const QStringList steps = filledInvoice + QStringList{ "retail", "fixedAssetSale" };
    f.perform(steps);
    const QStringList shownBefore = shown(*f.app);

    f.responder.answer("No");
    QTest::mouseClick(f.app->issuedPage().clear, Qt::LeftButton);
    QCOMPARE(shown(*f.app), shownBefore);
    QVERIFY(ticked(*f.app, "retail"));
    QCOMPARE(f.text("total"), QStringLiteral("100"));

    f.responder.answer("Sí");
    QTest::mouseClick(f.app->issuedPage().clear, Qt::LeftButton);
    const QString question
        = QStringLiteral("Información|¿Está seguro de que desea limpiar todos los campos?");
    f.verifyBoxes(boxesOfSteps(steps) << question << question);
    for (const BoxResponder::Box &box : f.responder.boxes().mid(f.responder.boxes().size() - 2)) {
        QCOMPARE(box.icon, QMessageBox::Warning);
        QCOMPARE(box.buttons, QStringList({ "No", "Sí" }));
    }

    const IssuedPage &page = f.app->issuedPage();
    QCOMPARE(shown(*f.app), shownWith({}));
    for (const QComboBox *list : { page.client, page.type, page.account })
        QCOMPARE(list->currentIndex(), -1);
    QVERIFY(!ticked(*f.app, "retail"));
    QVERIFY(!ticked(*f.app, "fixedAssetSale"));
    for (const QString &name : QStringList{ "series", "number", "line1.base", "line1.rate", "line2.base",
             "line2.rate", "line3.base", "line3.rate" })
        QCOMPARE(f.text(name), QString());
    QCOMPARE(page.total->text(), QStringLiteral("0"));
    QCOMPARE(f.app->focusWidget(), page.client);
    QCOMPARE(queryValue("SELECT COUNT(*) FROM femi").toInt(), 0);
}

QTEST_MAIN(TestIssuedSave)
#include "test_issued_save.moc"
