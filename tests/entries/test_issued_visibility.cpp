// "Facturas Emitidas": what the invoice type and the option boxes show, hide and untick.

#include "IssuedInvoiceTesting.h"

using namespace issued;

class TestIssuedVisibility final : public QObject {
    Q_OBJECT

private slots:
    void startState();
    void typeShowsItsParts_data();
    void typeShowsItsParts();
    void optionsShowAndHide_data();
    void optionsShowAndHide();
    void exclusionTable_data();
    void exclusionTable();
    void totalOnlyModeEmptiesTheOtherFields();
    void exportsUntickWithholdingAndEmptyItsLine();
    void messagesOfTheAccountAndTheContactBoxes();
};

namespace {

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
const QStringList withholdingParts{ "rental", "rental.label", "professionals", "professionals.label",
    "withholding.baseHeading", "withholding.percentageHeading", "withholding.quotaHeading",
    "withholding.base", "withholding.percentage", "withholding.quota" };

} // namespace

void TestIssuedVisibility::startState()
{
    Fixture f;
    QVERIFY(f.start());
    QCOMPARE(shown(*f.app), shownWith({}));
    const IssuedPage &page = f.app->issuedPage();
    QCOMPARE(page.total->text(), QStringLiteral("0"));
    for (const QComboBox *list : { page.client, page.type, page.account })
        QCOMPARE(list->currentIndex(), -1);
    QCOMPARE(page.client->count(), 3);
    f.verifyBoxes({});
}

void TestIssuedVisibility::typeShowsItsParts_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QStringList>("parts");
    QTest::addColumn<QString>("heading");

    const QStringList totalOnly{ "baseHeading", "line1.base", "accountLabel", "account" };
    QTest::newRow("Operaciones Interiores") << 0 << interiorParts << "Base imponible";
    QTest::newRow("Entregas y servicios intracomunitarios") << 1 << totalOnly << "Total factura";
    QTest::newRow("Exportaciones") << 2 << totalOnly << "Total factura";
}

void TestIssuedVisibility::typeShowsItsParts()
{
    QFETCH(int, type);
    QFETCH(QStringList, parts);
    QFETCH(QString, heading);

    Fixture f;
    QVERIFY(f.start());
    f.perform({ QStringLiteral("type=%1").arg(type) });
    QCOMPARE(shown(*f.app), shownWith(parts));
    QCOMPARE(f.app->issuedPage().baseHeading->text(), heading);
    f.verifyBoxes({});
}

void TestIssuedVisibility::optionsShowAndHide_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("parts");
    QTest::addColumn<QString>("heading");

    QTest::newRow("retail: total only")
        << QStringList{ "type=0", "retail" } << totalOnlyParts << "Total factura";
    QTest::newRow("retail unticked") << QStringList{ "type=0", "retail", "retail" } << interiorParts
                                     << "Base imponible";
    QTest::newRow("reverse charge: total only")
        << QStringList{ "type=0", "reverseCharge" } << totalOnlyParts << "Total factura";
    QTest::newRow("reverse charge unticked")
        << QStringList{ "type=0", "reverseCharge", "reverseCharge" } << interiorParts << "Base imponible";
    QTest::newRow("surcharge columns")
        << QStringList{ "type=0", "surcharge" } << interiorParts + surchargeParts << "Base imponible";
    QTest::newRow("surcharge unticked")
        << QStringList{ "type=0", "surcharge", "surcharge" } << interiorParts << "Base imponible";
    QTest::newRow("withholding line and modes")
        << QStringList{ "type=0", "withholding" } << interiorParts + withholdingParts << "Base imponible";
    QTest::newRow("withholding unticked") << QStringList{ "type=0", "withholding", "rental", "withholding" }
                                          << interiorParts << "Base imponible";
    QTest::newRow("reverse charge keeps the withholding")
        << QStringList{ "type=0", "withholding", "reverseCharge" } << totalOnlyParts + withholdingParts
        << "Total factura";
    QTest::newRow("type 0 again after exports")
        << QStringList{ "type=0", "retail", "type=2", "type=0" } << interiorParts << "Base imponible";
}

void TestIssuedVisibility::optionsShowAndHide()
{
    QFETCH(QStringList, steps);
    QFETCH(QStringList, parts);
    QFETCH(QString, heading);

    Fixture f;
    QVERIFY(f.start());
    f.perform(steps);
    QCOMPARE(shown(*f.app), shownWith(parts));
    QCOMPARE(f.app->issuedPage().baseHeading->text(), heading);
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
    QVERIFY(ticked(*f.app, other));

    f.perform({ ticking });
    QVERIFY(ticked(*f.app, ticking));
    QCOMPARE(ticked(*f.app, other), !unticks);
    // Only "Criterio de caja" speaks when ticked.
    QStringList expected;
    if (other == "cashBasis" || ticking == "cashBasis")
        expected << contactText;
    f.verifyBoxes(expected);
}

void TestIssuedVisibility::totalOnlyModeEmptiesTheOtherFields()
{
    Fixture f;
    QVERIFY(f.start());
    f.perform({ "type=0", "line1.base=100", "line1.rate=21", "line2.base=50", "line2.rate=10",
        "line3.base=20", "line3.rate=4" });
    QCOMPARE(f.text("total"), QStringLiteral("196.8"));

    f.perform({ "retail" });
    QCOMPARE(f.text("line1.base"), QStringLiteral("100"));
    for (const QString &name : totalOnlyFields)
        QCOMPARE(f.text(name), name.endsWith("quota") ? QStringLiteral("0") : QString());
    QCOMPARE(f.text("total"), QStringLiteral("100"));

    // The fields come back without their amounts; the hidden quotas were written "0".
    f.perform({ "retail" });
    QCOMPARE(shown(*f.app), shownWith(interiorParts));
    for (const QString &name : totalOnlyFields)
        QCOMPARE(f.text(name), name.endsWith("quota") ? QStringLiteral("0") : QString());
    QCOMPARE(f.text("total"), QStringLiteral("100"));
    f.verifyBoxes({});
}

void TestIssuedVisibility::exportsUntickWithholdingAndEmptyItsLine()
{
    Fixture f;
    QVERIFY(f.start());
    f.perform({ "type=0", "line1.base=1000", "line1.rate=21", "withholding", "rental",
        "withholding.base=1000", "withholding.percentage=15" });
    QCOMPARE(f.text("withholding.quota"), QStringLiteral("150"));
    QCOMPARE(f.text("total"), QStringLiteral("1060"));

    f.perform({ "type=2" });
    QVERIFY(!ticked(*f.app, "withholding"));
    QVERIFY(!ticked(*f.app, "rental"));
    QCOMPARE(shown(*f.app), shownWith({ "baseHeading", "line1.base", "accountLabel", "account" }));
    QCOMPARE(f.text("withholding.base"), QString());
    QCOMPARE(f.text("withholding.percentage"), QString());
    QCOMPARE(f.text("withholding.quota"), QString());
    QCOMPARE(f.text("line1.base"), QStringLiteral("1000"));
    QCOMPARE(f.text("total"), QStringLiteral("1000"));
    f.verifyBoxes({});
}

void TestIssuedVisibility::messagesOfTheAccountAndTheContactBoxes()
{
    Fixture f;
    QVERIFY(f.start());
    f.perform({ "type=0", "account=1", "retail", "cashBasis" });
    QVERIFY(ticked(*f.app, "cashBasis"));
    QVERIFY(!ticked(*f.app, "retail"));
    f.perform({ "cashBasis", "fixedAssetSale", "fixedAssetSale" });
    QVERIFY(!ticked(*f.app, "fixedAssetSale"));
    f.verifyBoxes({ accountText("70500000    Prestaciones de servicios"), contactText, fixedAssetText });
}

QTEST_MAIN(TestIssuedVisibility)
#include "test_issued_visibility.moc"
