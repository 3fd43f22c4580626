// "Facturas Emitidas": loading a stored invoice by its number.

#include "InvoiceTesting.h"

using namespace issued;

class TestIssuedSearch final : public QObject {
    Q_OBJECT

private slots:
    void storedAmountsShownAsStored();
    void savedInvoiceComesBackAsTyped_data();
    void savedInvoiceComesBackAsTyped();
    void loadingReplacesTheOptionsShown();
    void emptyOrUnknownNumber();
    void clientNoLongerRegistered();
};

namespace {

void search(const Fixture &f, const QString &number)
{
    f.perform({ "searchNumber=" + number });
    QTest::keyClick(f.widget("searchNumber"), Qt::Key_Return);
}

// A row stored by hand: type 0, no options, one line; values "column=value" override.
void storeInvoice(const QStringList &values)
{
    QMap<QString, QString> row{ { "cliente", "43000002" }, { "serie", "'A'" }, { "nfac", "'F-9'" },
        { "fecha", "'10/05/2016'" }, { "type", "0" }, { "base0", "1234.56" }, { "piva0", "21" },
        { "civa0", "259.26" }, { "base3", "1234.56" }, { "piva3", "21" }, { "civa3", "259.26" },
        { "total", "1494.82" }, { "ctc", "70500000" } };
    for (const QString &value : values)
        row[value.section('=', 0, 0)] = value.section('=', 1);
    for (const char *column : { "cm", "rec", "isp", "cc", "ret", "alq", "pyo", "vin", "prec0", "crec0",
             "base1", "piva1", "civa1", "prec1", "crec1", "base2", "piva2", "civa2", "prec2", "crec2",
             "prec3", "crec3", "bret", "pret", "cret" }) {
        if (!row.contains(column))
            row[column] = "0";
    }
    QVERIFY(
        execStatement(QStringLiteral("INSERT INTO femi (%1) VALUES (%2)")
                          .arg(QStringList(row.keys()).join(", "), QStringList(row.values()).join(", "))));
}

// The texts of the fields shown.
QMap<QString, QString> shownTexts(const Fixture &f)
{
    QMap<QString, QString> texts;
    for (const QString &name : f.shown()) {
        if (qobject_cast<QLineEdit *>(f.widget(name)))
            texts[name] = f.text(name);
    }
    return texts;
}

} // namespace

void TestIssuedSearch::storedAmountsShownAsStored()
{
    Fixture f;
    QVERIFY(f.start());
    storeInvoice({});
    search(f, "F-9");

    QCOMPARE(f.shown(), shownWith(interiorParts));
    // Typed amounts come back as stored, the quota as recomputed from them, the total as stored.
    f.expectTexts({ "line1.base=1234.56", "line1.rate=21", "line1.quota=259.258", "total=1494.82", "series=A",
        "number=F-9", "searchNumber=F-9" });
    QCOMPARE(f.app->dateFields()[0].edit->date(), QDate(2016, 5, 10));
    QCOMPARE(f.page().type->currentIndex(), 0);
    QCOMPARE(f.page().client->currentIndex(), 1);
    QCOMPARE(f.page().account->currentIndex(), 1);
    // Neither the account nor the loading speaks.
    f.verifyBoxes({});
}

void TestIssuedSearch::savedInvoiceComesBackAsTyped_data()
{
    QTest::addColumn<QStringList>("steps");

    QTest::newRow("surcharge on three lines") << words(
        "client=1 type=0 account=1 series=A-2016 number=F-1 surcharge line1.base=12345.67 line1.rate=21 "
        "line1.surchargeRate=5.2 line2.base=50 line2.rate=10 line2.surchargeRate=1.4 line3.base=0.05 "
        "line3.rate=4 line3.surchargeRate=0.5");
    QTest::newRow("withholding, cash basis and fixed asset") << words(
        "client=0 type=0 cashBasis fixedAssetSale account=2 number=F-1 line1.base=1000000 line1.rate=21 "
        "withholding professionals withholding.base=1000 withholding.percentage=15");
    QTest::newRow("reverse charge") << words(
        "client=0 type=0 account=3 number=F-1 reverseCharge line1.base=999.99 withholding rental "
        "withholding.base=999.99 withholding.percentage=19");
}

void TestIssuedSearch::savedInvoiceComesBackAsTyped()
{
    QFETCH(QStringList, steps);

    Fixture f;
    QVERIFY(f.start());
    f.perform(steps);
    const QStringList shownBefore = f.shown(), tickedBefore = f.ticked();
    QMap<QString, QString> textsBefore = shownTexts(f);
    // An amount left empty is stored as 0 and comes back as such.
    for (auto it = textsBefore.begin(); it != textsBefore.end(); ++it) {
        if (it.value().isEmpty() && it.key() != "series")
            it.value() = "0";
    }
    f.responder.answer({ "Continuar", "Guardar" });
    f.perform({ "save" });
    QCOMPARE(queryValue("SELECT COUNT(*) FROM femi").toInt(), 1);

    f.responder.clear();
    search(f, "F-1");
    QCOMPARE(f.shown(), shownBefore);
    QCOMPARE(f.ticked(), tickedBefore);
    QCOMPARE(shownTexts(f), textsBefore);
    f.verifyBoxes({});

    // Saved again under another number, it stores the same values.
    f.responder.answer({ "Continuar", "Guardar" });
    f.perform({ "number=F-2", "save" });
    f.verifyBoxes(savedBoxes);
    const QList<QVariantList> rows = queryRows(
        "SELECT cliente, serie, fecha, type, cm, rec, isp, cc, ret, alq, pyo, vin, base0, piva0, civa0, "
        "prec0, "
        "crec0, base1, piva1, civa1, prec1, crec1, base2, piva2, civa2, prec2, crec2, base3, piva3, civa3, "
        "prec3, crec3, bret, pret, cret, total, ctc FROM femi ORDER BY auid");
    QCOMPARE(rows.size(), 2);
    QCOMPARE(rows[1], rows[0]);
}

void TestIssuedSearch::loadingReplacesTheOptionsShown()
{
    Fixture f;
    QVERIFY(f.start());
    storeInvoice({});
    storeInvoice({ "nfac='F-10'", "type=2", "piva0=0", "civa0=0", "piva3=0", "civa3=0", "total=1234.56" });
    f.perform({ "type=0", "retail", "line1.base=50" });

    search(f, "F-9");
    QCOMPARE(f.ticked(), QStringList());
    QCOMPARE(f.shown(), shownWith(interiorParts));
    QCOMPARE(f.page().baseHeading->text(), QStringLiteral("Base imponible"));

    search(f, "F-10");
    QCOMPARE(f.shown(), shownWith(totalOnlyType));
    QCOMPARE(f.page().baseHeading->text(), QStringLiteral("Total factura"));
    f.expectTexts({ "line1.base=1234.56", "total=1234.56" });
    f.verifyBoxes({});
}

void TestIssuedSearch::emptyOrUnknownNumber()
{
    Fixture f;
    QVERIFY(f.start());
    storeInvoice({});
    f.perform({ "type=0", "line1.base=50", "line1.rate=10" });
    search(f, "");
    f.verifyBoxes({});
    search(f, "F-99");
    f.verifyBoxes({ notFoundText });
    f.expectTexts({ "line1.base=50", "total=55" });
    QCOMPARE(f.page().client->currentIndex(), -1);
}

void TestIssuedSearch::clientNoLongerRegistered()
{
    Fixture f;
    QVERIFY(f.start());
    storeInvoice({ "cliente=43999999" });
    search(f, "F-9");
    f.verifyBoxes({ partyGoneText });
    QCOMPARE(f.page().client->currentIndex(), -1);
    f.expectTexts({ "number=F-9", "total=1494.82" });
}

QTEST_MAIN(TestIssuedSearch)
#include "test_issued_search.moc"
