// "Facturas Emitidas": what the invoice type and the option boxes show, hide and untick.

#include "InvoiceTesting.h"

using namespace issued;

class TestIssuedVisibility final : public QObject {
    Q_OBJECT

private slots:
    void startState();
    void partsShown_data();
    void partsShown();
    void exclusionTable_data();
    void exclusionTable();
    void totalOnlyModeEmptiesTheOtherFields();
    void exportsUntickWithholdingAndEmptyItsLine();
    void messagesOfTheAccountAndTheContactBoxes();
};

namespace {

const QStringList totalOnlyFields{ "line1.rate", "line1.quota", "line2.base", "line2.rate", "line2.quota",
    "line3.base", "line3.rate", "line3.quota" };

QStringList without(QStringList names, const QStringList &removed)
{
    for (const QString &name : removed)
        names.removeAll(name);
    return names;
}

const QStringList totalOnlyParts
    = without(interiorParts, totalOnlyFields + QStringList{ "rateHeading", "quotaHeading" });
const QStringList surchargeParts{ "surchargeRateHeading", "surchargeQuotaHeading", "line1.surchargeRate",
    "line1.surchargeQuota", "line2.surchargeRate", "line2.surchargeQuota", "line3.surchargeRate",
    "line3.surchargeQuota" };

} // namespace

void TestIssuedVisibility::startState()
{
    Fixture f;
    QVERIFY(f.start());
    verifyStartState(f);
    QCOMPARE(f.page().client->count(), 3);
    f.verifyBoxes({});
}

void TestIssuedVisibility::partsShown_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("parts"); // shown besides what the page always shows
    QTest::addColumn<QString>("heading");

    const QString base = QStringLiteral("Base imponible"), total = QStringLiteral("Total factura");
    const struct {
        const char *name;
        QStringList steps, parts;
        QString heading;
    } rows[] = {
        { "Operaciones Interiores", { "type=0" }, interiorParts, base },
        { "Entregas y servicios intracomunitarios", { "type=1" }, totalOnlyType, total },
        { "Exportaciones", { "type=2" }, totalOnlyType, total },
        { "retail: total only", { "type=0", "retail" }, totalOnlyParts, total },
        { "retail unticked", { "type=0", "retail", "retail" }, interiorParts, base },
        { "reverse charge: total only", { "type=0", "reverseCharge" }, totalOnlyParts, total },
        { "reverse charge unticked", { "type=0", "reverseCharge", "reverseCharge" }, interiorParts, base },
        { "surcharge columns", { "type=0", "surcharge" }, interiorParts + surchargeParts, base },
        { "surcharge unticked", { "type=0", "surcharge", "surcharge" }, interiorParts, base },
        { "withholding line and modes", { "type=0", "withholding" }, interiorParts + withholdingParts, base },
        { "withholding unticked", { "type=0", "withholding", "rental", "withholding" }, interiorParts, base },
        { "reverse charge keeps the withholding", { "type=0", "withholding", "reverseCharge" },
            totalOnlyParts + withholdingParts, total },
        { "type 0 again after exports", { "type=0", "retail", "type=2", "type=0" }, interiorParts, base },
    };
    for (const auto &row : rows)
        QTest::newRow(row.name) << row.steps << row.parts << row.heading;
}

void TestIssuedVisibility::partsShown()
{
    QFETCH(QStringList, steps);
    QFETCH(QStringList, parts);
    QFETCH(QString, heading);

    Fixture f;
    QVERIFY(f.start());
    f.perform(steps);
    QCOMPARE(f.shown(), shownWith(parts));
    QCOMPARE(f.page().baseHeading->text(), heading);
    f.verifyBoxes({});
}

void TestIssuedVisibility::exclusionTable_data()
{
    QTest::addColumn<QString>("ticking");
    QTest::addColumn<QString>("other");
    QTest::addColumn<bool>("unticks");

    const QStringList boxes{ "retail", "surcharge", "reverseCharge", "withholding", "rental", "professionals",
        "cashBasis" };
    // The rows of the exclusion table: a tick on the key unticks the boxes listed.
    const QMap<QString, QStringList> excludes{
        { "retail", { "surcharge", "reverseCharge", "withholding", "rental", "professionals", "cashBasis" } },
        { "surcharge", { "retail", "reverseCharge", "withholding", "rental" } },
        { "reverseCharge", { "retail", "surcharge", "rental", "professionals", "cashBasis" } },
        { "withholding", { "retail", "surcharge" } },
        { "rental", { "professionals" } },
        { "professionals", { "rental" } },
        { "cashBasis", { "retail" } },
    };
    const QStringList modes{ "rental", "professionals" };
    for (const QString &ticking : boxes) {
        for (const QString &other : boxes) {
            // A mode needs "Retención" ticked, which unticks retail and surcharge; and
            // "Retención" cannot be ticked again while its modes show.
            const bool needsWithholding = modes.contains(ticking) || modes.contains(other);
            if (other == ticking || (needsWithholding && (other == "retail" || other == "surcharge"))
                || (ticking == "withholding" && modes.contains(other)))
                continue;
            // Unticking "Retención" unticks its modes too.
            const bool unticks = excludes.value(ticking).contains(other)
                || (modes.contains(other) && excludes.value(ticking).contains("withholding"));
            QTest::addRow("%s, then %s", qPrintable(other), qPrintable(ticking))
                << ticking << other << unticks;
        }
    }
}

void TestIssuedVisibility::exclusionTable()
{
    QFETCH(QString, ticking);
    QFETCH(QString, other);
    QFETCH(bool, unticks);

    Fixture f;
    QVERIFY(f.start());
    const QStringList modes{ "rental", "professionals" };
    QStringList steps{ "type=0" };
    if (modes.contains(other))
        steps << "withholding";
    steps << other;
    if (modes.contains(ticking) && !steps.contains("withholding") && other != "withholding")
        steps << "withholding";
    f.perform(steps);
    QVERIFY(f.ticked().contains(other));

    f.perform({ ticking });
    QVERIFY(f.ticked().contains(ticking));
    QCOMPARE(f.ticked().contains(other), !unticks);
    // Only "Criterio de caja" speaks when ticked.
    f.verifyBoxes(
        other == "cashBasis" || ticking == "cashBasis" ? QStringList{ contactText } : QStringList());
}

void TestIssuedVisibility::totalOnlyModeEmptiesTheOtherFields()
{
    Fixture f;
    QVERIFY(f.start());
    f.perform({ "type=0", "line1.base=100", "line1.rate=21", "line2.base=50", "line2.rate=10",
        "line3.base=20", "line3.rate=4" });
    QCOMPARE(f.text("total"), QStringLiteral("196.8"));

    // Hidden, the other fields are emptied and their quotas written "0"; shown again, they
    // come back so, without their amounts.
    for (const bool retail : { true, false }) {
        f.perform({ "retail" });
        QCOMPARE(f.shown(), shownWith(retail ? totalOnlyParts : interiorParts));
        for (const QString &name : totalOnlyFields)
            QCOMPARE(f.text(name), name.endsWith("quota") ? QStringLiteral("0") : QString());
        f.expectTexts({ "line1.base=100", "total=100" });
    }
    f.verifyBoxes({});
}

void TestIssuedVisibility::exportsUntickWithholdingAndEmptyItsLine()
{
    Fixture f;
    QVERIFY(f.start());
    f.perform({ "type=0", "line1.base=1000", "line1.rate=21", "withholding", "rental",
        "withholding.base=1000", "withholding.percentage=15" });
    f.expectTexts({ "withholding.quota=150", "total=1060" });

    f.perform({ "type=2" });
    QCOMPARE(f.ticked(), QStringList());
    QCOMPARE(f.shown(), shownWith(totalOnlyType));
    f.expectTexts({ "withholding.base=", "withholding.percentage=", "withholding.quota=", "line1.base=1000",
        "total=1000" });
    f.verifyBoxes({});
}

void TestIssuedVisibility::messagesOfTheAccountAndTheContactBoxes()
{
    Fixture f;
    QVERIFY(f.start());
    f.perform({ "type=0", "account=1", "retail", "cashBasis" });
    QCOMPARE(f.ticked(), QStringList{ "cashBasis" });
    f.perform({ "cashBasis", "fixedAssetSale", "fixedAssetSale" });
    QCOMPARE(f.ticked(), QStringList());
    f.verifyBoxes(
        { box::accountChosen("70500000    Prestaciones de servicios"), contactText, fixedAssetText });
}

QTEST_MAIN(TestIssuedVisibility)
#include "test_issued_visibility.moc"
