// The invoice pages and "Otros Gastos e Ingresos" through the window.

#include "TestSupport.h"

namespace {

const QString full = "Baseimponible %IVA CuotaIVA base:123 rate:123 quota:123 Cuentacontable account ";
const QString noQuota = "Baseimponible %IVA base:123 rate:123 Cuentacontable account ";
const QString totalOnly = "Totalfactura base:1 Cuentacontable account ";
const QString withholding = "BaseRetIRPF Retención(%) CuotaRet. withholding.base withholding.percentage "
                            "withholding.quota rental professionals +withholding ";
const QString issued = "retail surcharge reverseCharge cashBasis withholding ";
const QString received = "investments retail reverseCharge cashBasis withholding ";

// Steps after "type=0" on a page, then what it shows, "name=text" for a field, "#box" for each box.
const struct Choice {
    const char *name;
    int tab;
    QString steps, shown;
} choices[] = {
    { "issued interior", 1,
        "retail cashBasis fixedAssetSale account=1 line1.base=100 line1.rate=21 line2.base=50",
        issued + full + "+cashBasis +fixedAssetSale total=171 #111_222 #111_222 #account:70500000" },
    { "issued retail, then reverse charge", 1,
        "line1.base=100 line1.rate=21 line2.base=50 surcharge line1.surchargeRate=5.2 withholding "
        "rental retail reverseCharge",
        issued + totalOnly + "+reverseCharge line1.rate= line2.base= line1.surchargeQuota= total=100" },
    { "issued withholding", 1,
        "line1.base=1000 line1.rate=21 withholding rental professionals rental "
        "withholding.percentage=15 withholding.base=1000",
        issued + full + withholding + "+rental withholding.quota=150 total=1060" },
    { "issued exports", 1,
        "line1.base=1000 withholding rental withholding.base=1000 withholding.percentage=15 type=2",
        totalOnly + "withholding.base= withholding.quota= total=1000" },
    { "received intra-community", 2,
        "line1.base=100 line1.rate=21 line2.base=200 investments type=1 account=5",
        "investments +investments line1.quota= total=300 #account:21700000 " + noQuota },
    { "received back to the full mode", 2,
        "line1.base=100 line1.rate=21 line2.base=200 line2.rate=10 type=1 type=0 reverseCharge reverseCharge",
        received + full + "line1.quota=21 line2.quota=20 total=341" },
    { "received withholding", 2,
        "retail withholding rental professionals rental line1.base=1000 line1.rate=21 "
        "withholding.base=1000 withholding.percentage=15",
        received + full + withholding + "+rental total=1060" },
};

// Attempts to save, the last storing; the row, the page after, the number again, the look-up.
const QStringList confirmations{
    "sql:UPDATE_cap_SET_type=type-2 >Continuar >Rectificar save#su_factura. de_continuar.#",
    ">Continuar >Guardar save#su_factura. de_continuar. Datos_guardados#"
};
const struct Save {
    const char *name;
    int tab;
    QStringList script;
    QString row, reset, again, found;
} saves[] = {
    { "issued", 1,
        QStringList{ "save#un_cliente.#!client @client", "client=1 save#de_factura.#!type @type",
            "type=0 save#cuenta_contable.#!account @account",
            "account=2 surcharge save#account:75200000 es_obligatorio.#!number @number",
            "series=A number=F-1 save#es_obligatorio.#!line1.surchargeRate @line1.surchargeRate",
            "line1.surchargeRate=5.2 save#es_obligatorio.#!line1.base @line1.base",
            "line1.base=100 fixedAssetSale save#111_222 valores_introducidos.#number=F-1",
            "line1.rate=21 line2.base=50 cashBasis save#111_222 es_obligatorio.#!line2.surchargeRate",
            "line2.surchargeRate=1.4 line2.rate=10 line3.base=20 line3.rate=4 withholding "
            "save#es_obligatorio.#!withholding.base",
            "withholding.base=150 withholding.percentage=15 save#de_retención.#number=F-1",
            "rental sql:UPDATE_cap_SET_type=type+2 save#el_cliente.#" }
            + confirmations,
        "1 43000002 A F-1 10/05/2016 0 0 0 0 1 1 1 0 1 100 21 21 0 0 50 10 5 0 0 20 4 0.8 0 0 170 35 "
        "26.8 0 0 150 15 22.5 174.3 75200000",
        "client=-1 date=2016-05-15 number= series= total=0 type=-1 @save",
        "client=0 type=2 account=0 series=B number=F-1 line1.base=50 save#account:70000000 "
        "este_Nº#line1.base=50",
        "" },
    { "received", 2,
        QStringList{ "save#un_proveedor.#!supplier @supplier", "supplier=0 save#de_factura.#!type @type",
            "type=0 investments account=5 investments save#account:21700000 cuenta_contable.#!account "
            "@account",
            "account=13 withholding save#account:62900009 es_obligatorio#!number @number",
            "number=7 save#es_obligatorio#!withholding.base @withholding.base",
            "withholding.base=1000 withholding.percentage=15 save#es_obligatorio.#!line1.base @line1.base",
            "line1.base=100 line1.rate=21 line3.rate=4 save#valores_introducidos.#number=7",
            "line3.base=50 cashBasis save#111_222 de_retención.#number=7",
            "rental sql:UPDATE_cap_SET_type=type+2 save#el_proveedor.#" }
            + confirmations,
        "1 40000001 7 10/05/2016 0 0 0 0 1 1 1 0 100 21 21 0 0 0 0 0 0 0 50 4 2 0 0 150 25 23 0 0 1000 15 "
        "150 23 62900009",
        "date=2016-05-15 number= supplier=-1 total=0 type=-1 @supplier",
        "supplier=0 type=2 account=0 number=7 line1.base=50 save#account:60000000 este_Nº\n"
        "supplier=1 >Continuar >Guardar save#su_factura. de_continuar. Datos_guardados#",
        "date=2016-05-15 number=7 supplier=0 total=0 type=-1" },
    { "other", 3,
        { "save#es_obligatorio.#!amount @amount", "amount=120,5 save#cuenta_contable.#!account @account",
            "account=0 save#account:62500000 Datos_guardados#" },
        "1 10/05/2016 120.5 62500000", "account=-1 amount= date=2016-05-15 @date",
        "account=11#account:77800000", "" },
};

// One data row per case, named by the case's name; the test reads the index with QFETCH(int, row).
template <typename Case, std::size_t N> void addRows(const Case (&cases)[N])
{
    QTest::addColumn<int>("row");
    for (std::size_t i = 0; i < N; ++i)
        QTest::newRow(cases[i].name) << int(i);
}

bool openInvoices(WindowFixture &f, int tab)
{
    insertParty(1, 40000001, "B04000001", "Cliente Uno");
    insertParty(1, 40000002, "B04000002", "Suministros Sur");
    insertParty(0, 43000001, "B04000001", "Cliente Uno");
    insertParty(0, 43000002, "B04000001", "Talleres Níjar");
    insertOwner();
    return f.open(tab);
}

} // namespace

class TestInvoiceForms final : public QObject {
    Q_OBJECT

private slots:
    void choicesAndAmounts_data() { addRows(choices); }
    void choicesAndAmounts()
    {
        QFETCH(int, row);
        const Choice &c = choices[row];
        WindowFixture f;
        QVERIFY(openInvoices(f, c.tab));
        const QString boxes = f.act("type=0 " + c.steps);
        QStringList shown = f.state() + words(boxes).replaceInStrings(QRegularExpression("^"), "#");
        for (const QString &text : words(c.shown).filter("="))
            shown << text.section('=', 0, 0) + '=' + f.text(text.section('=', 0, 0));
        QCOMPARE(sorted(shown), sorted(words(c.shown)));
    }

    void saveLookUpAndClear_data() { addRows(saves); }
    void saveLookUpAndClear()
    {
        QFETCH(int, row);
        const Save &c = saves[row];
        const QLocale previous; // a decimal comma on "Otros Gastos e Ingresos"
        QLocale::setDefault(c.tab == 3 ? QLocale(QLocale::Spanish, QLocale::Spain) : previous);
        const auto restore = qScopeGuard([previous] { QLocale::setDefault(previous); });
        WindowFixture f;
        QVERIFY(openInvoices(f, c.tab));
        f.run(c.script.mid(0, c.script.size() - 1));
        f.app->dateFields()[size_t(c.tab - 1)].edit->setDate(QDate(2016, 5, 10));
        const QRegularExpression unfocused("^[^@]");
        const QStringList typed = f.snapshot().filter(unfocused);
        f.run({ c.script.last() });
        QCOMPARE(storedRows(QStringList{ "", "femi", "frec", "ogei" }[c.tab]), c.row);
        QCOMPARE(f.snapshot(), sorted(words(c.reset)));
        f.run(c.again.split('\n')); // a supplier's number may be another supplier's too

        if (c.tab == 3)
            return;
        QCOMPARE(f.act(">Sí clear"), "los_campos?");
        QCOMPARE(
            f.snapshot(), sorted(words(c.reset.section('@', 0, 0) + (c.tab == 1 ? "@client" : "@supplier"))));

        const QString number = c.tab == 1 ? "F-1" : "7";
        QCOMPARE(f.act("find=" + number), "");
        QCOMPARE(f.snapshot().filter(unfocused), c.found.isEmpty() ? typed : sorted(words(c.found)));
        QCOMPARE(f.act("find= find=X-1"), "nº_introducido.");
        QCOMPARE(f.act("sql:UPDATE_cap_SET_id=id+10 find=" + number), "factura_buscada.");
    }
};

QTEST_MAIN(TestInvoiceForms)
#include "test_invoice_forms.moc"
