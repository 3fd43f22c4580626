#pragma once

// Helpers for the tests of the two invoice pages: the boxes both show, their widgets by
// short names, and one test's window on each, "Facturas Emitidas" (namespace issued) and
// "Facturas Recibidas" (namespace received).

#include "PageDriving.h"

#include "entries/ReceivedAccounts.h"

#include <QDateEdit>
#include <QLabel>
#include <QPushButton>

// Boxes of both pages, as boxLines() writes them.
inline QString warningBox(const QString &text)
{
    return QStringLiteral("warning|Error|") + text;
}
inline const QString contactText
    = box::info("Por favor, póngase en contacto\ncon la asesoría.\n\n\t900 111 222");
inline const QString fixedAssetText
    = box::info("Por favor, llámenos para completar\nel último dato variable.\n\n\t900 111 222");
inline const QString requiredText = warningBox("Este campo es obligatorio.");
inline const QString reviewText = warningBox("Revise los valores introducidos.");
inline const QString noTypeText = warningBox("Debe seleccionar un tipo de factura.");
inline const QString noAccountText = warningBox("Debe seleccionar una cuenta contable.");
inline const QString noModeText = warningBox("Debe seleccionar una modalidad de retención.");
inline const QString duplicateText = warningBox("Ya existe una factura con este Nº");
// The two confirmations and the message of a save.
inline const QStringList savedBoxes{ box::checkTotal, box::confirmSave, box::dataSaved };
inline const QString clearQuestion
    = "warning|Información|¿Está seguro de que desea limpiar todos los campos?";
inline const QString notFoundText = "critical|Información|No existe ninguna factura con el nº introducido.";
inline const QString partyGoneText
    = "critical|Información|No se ha encontrado el cliente asociado a la factura buscada.";

inline const QStringList withholdingParts = words("rental rental.label professionals professionals.label "
                                                  "withholding.baseHeading withholding.percentageHeading "
                                                  "withholding.quotaHeading withholding.base "
                                                  "withholding.percentage withholding.quota");

// The one row of a table as "column=value" texts, columns named in table order (their
// number checked): reals written plainly (1493830, not 1.49383e+06), and " (text)" after
// a number stored as text.
inline QStringList storedRowTexts(
    const QString &table, const QStringList &columns, const QStringList &textual)
{
    const QList<QVariantList> rows = queryRows("SELECT * FROM " + table);
    if (rows.size() != 1 || rows.first().size() != columns.size())
        return { QStringLiteral("%1 rows, %2 columns").arg(rows.size()).arg(rows.value(0).size()) };
    QStringList row;
    for (int i = 0; i < columns.size(); ++i) {
        const QVariant &value = rows.first()[i];
        row << columns[i] + QLatin1Char('=')
                + (value.typeId() == QMetaType::Double
                        ? QString::number(value.toDouble(), 'f', QLocale::FloatingPointShortest)
                        : value.toString())
                + (value.typeId() == QMetaType::QString && !textual.contains(columns[i]) ? " (text)" : "");
    }
    return row;
}

// The widgets of a page by short names: what both pages have, with the page's own
// widgets, options and quota-line columns.
template <typename Line, typename Page>
QMap<QString, QWidget *> invoiceWidgets(const Page &page, QMap<QString, QWidget *> map,
    const std::vector<std::pair<const char *, OptionBox>> &options,
    const std::vector<std::pair<const char *, QLineEdit * Line::*>> &columns)
{
    const WithholdingLine &withholding = page.withholdingLine;
    map.insert({ { "number", page.number }, { "search", page.search.button },
        { "searchNumber", page.search.number }, { "type", page.type }, { "baseHeading", page.baseHeading },
        { "rateHeading", page.rateHeading }, { "quotaHeading", page.quotaHeading },
        { "withholding.baseHeading", withholding.baseHeading },
        { "withholding.percentageHeading", withholding.percentageHeading },
        { "withholding.quotaHeading", withholding.quotaHeading }, { "withholding.base", withholding.base },
        { "withholding.percentage", withholding.percentage }, { "withholding.quota", withholding.quota },
        { "accountLabel", page.accountLabel }, { "account", page.account }, { "total", page.total },
        { "save", page.save }, { "clear", page.clear } });
    for (const auto &[name, option] : options) {
        map.insert(QLatin1String(name), option.box);
        map.insert(QLatin1String(name) + QStringLiteral(".label"), option.label);
    }
    for (int i = 0; i < 3; ++i) {
        const Line &line = page.lines[size_t(i)];
        for (const auto &[column, field] : columns)
            map.insert(QStringLiteral("line%1.%2").arg(i + 1).arg(QLatin1String(column)), line.*field);
    }
    return map;
}

namespace issued {

inline QMap<QString, QWidget *> widgets(const App &app)
{
    const IssuedPage &page = app.issuedPage();
    return invoiceWidgets<IssuedQuotaLine>(page,
        { { "client", page.client }, { "series", page.series }, { "date", app.dateFields()[0].edit },
            { "calendar", app.dateFields()[0].calendarButton },
            { "surchargeRateHeading", page.surchargeRateHeading },
            { "surchargeQuotaHeading", page.surchargeQuotaHeading } },
        { { "retail", page.retail }, { "surcharge", page.surcharge }, { "reverseCharge", page.reverseCharge },
            { "cashBasis", page.cashBasis }, { "withholding", page.withholding }, { "rental", page.rental },
            { "professionals", page.professionals }, { "fixedAssetSale", page.fixedAssetSale } },
        { { "base", &QuotaLine::base }, { "rate", &QuotaLine::rate }, { "quota", &QuotaLine::quota },
            { "surchargeRate", &IssuedQuotaLine::surchargeRate },
            { "surchargeQuota", &IssuedQuotaLine::surchargeQuota } });
}

// What the page always shows.
inline const QStringList alwaysShown = words(
    "calendar clear client date fixedAssetSale fixedAssetSale.label number save search series total type");
inline QStringList shownWith(const QStringList &extra)
{
    return sortedNames(alwaysShown, extra);
}

// Type 0 without options: the five type options, the VAT columns of the three lines, the account.
inline const QStringList interiorParts
    = words("retail retail.label surcharge surcharge.label reverseCharge reverseCharge.label withholding "
            "withholding.label "
            "cashBasis cashBasis.label baseHeading rateHeading quotaHeading line1.base line1.rate "
            "line1.quota line2.base "
            "line2.rate line2.quota line3.base line3.rate line3.quota accountLabel account");
// Types 1 and 2: one total and the account.
inline const QStringList totalOnlyType{ "baseHeading", "line1.base", "accountLabel", "account" };

// The window on the issued invoices tab. Stored before it starts: an owner, a supplier
// named like the first client, and three clients, the first and the third of the same name.
struct Fixture : PageFixture {
    // today false: the time server never answers.
    bool start(bool today = true)
    {
        insertOwner();
        insertParty(1, 40000001, "B04000001", "Cliente Uno");
        insertParty(0, 43000001, "B04000001", "Cliente Uno");
        insertParty(0, 43000002, "A04000002", "Talleres Níjar");
        insertParty(0, 43000003, "X1234567L", "Cliente Uno");
        if (!PageFixture::start(1, today ? QDate(2016, 5, 15) : QDate()))
            return false;
        names = widgets(*app);
        return true;
    }
    const IssuedPage &page() const { return app->issuedPage(); }
};

// The page as it starts, and as the reset after a save and "Limpiar" leave it.
inline void verifyStartState(const Fixture &f)
{
    QCOMPARE(f.shown(), shownWith({}));
    QCOMPARE(f.ticked(), QStringList());
    for (const QComboBox *list : { f.page().client, f.page().type, f.page().account })
        QCOMPARE(list->currentIndex(), -1);
    f.expectTexts({ "series=", "number=", "line1.base=", "line1.rate=", "line2.base=", "line2.rate=",
        "line3.base=", "line3.rate=", "total=0" });
}

} // namespace issued

namespace received {

inline QMap<QString, QWidget *> widgets(const App &app)
{
    const ReceivedPage &page = app.receivedPage();
    return invoiceWidgets<ReceivedQuotaLine>(page,
        { { "supplier", page.supplier }, { "date", app.dateFields()[1].edit },
            { "blankHeading1", page.blankHeading1 }, { "blankHeading2", page.blankHeading2 } },
        { { "investments", page.investments }, { "retail", page.retail },
            { "reverseCharge", page.reverseCharge }, { "cashBasis", page.cashBasis },
            { "withholding", page.withholding }, { "rental", page.rental },
            { "professionals", page.professionals } },
        { { "base", &QuotaLine::base }, { "rate", &QuotaLine::rate }, { "quota", &QuotaLine::quota },
            { "fourth", &ReceivedQuotaLine::fourth }, { "fifth", &ReceivedQuotaLine::fifth } });
}

// The fifteen fields of the three quota lines.
inline QStringList lineFields()
{
    QStringList names;
    for (const QString line : { "line1.", "line2.", "line3." })
        names << line + "base" << line + "rate" << line + "quota" << line + "fourth" << line + "fifth";
    return names;
}

// What the page always shows.
inline QStringList shownWith(const QStringList &extra)
{
    return sortedNames({ "clear", "date", "number", "save", "search", "supplier", "total", "type" }, extra);
}

// The window on the received invoices tab. Stored before it starts: an owner, a client
// named like the second supplier (only suppliers are listed and used), and the suppliers.
struct Fixture : PageFixture {
    // today false: the time server never answers.
    bool start(bool today = true)
    {
        insertOwner();
        insertParty(0, 43000001, "B04000001", "Talleres Sur");
        insertParty(1, 40000001, "A04000001", "Suministros Norte");
        insertParty(1, 40000002, "A04000002", "Talleres Sur");
        insertParty(1, 40000003, "A04000003", "Papelería Central");
        if (!PageFixture::start(2, today ? QDate(2016, 5, 15) : QDate()))
            return false;
        names = widgets(*app);
        return true;
    }
    const ReceivedPage &page() const { return app->receivedPage(); }
};

// The page as it starts, and as the reset after a save and "Limpiar" leave it (which
// also empty every field of the lines).
inline void verifyStartState(const Fixture &f)
{
    QCOMPARE(f.shown(), shownWith({}));
    QCOMPARE(f.ticked(), QStringList());
    for (const QComboBox *list : { f.page().supplier, f.page().type, f.page().account })
        QCOMPARE(list->currentIndex(), -1);
    QCOMPARE(itemsOf(f.page().account), purchaseAccounts());
    f.expectTexts({ "number=", "line1.base=", "line1.rate=", "withholding.base=", "withholding.percentage=",
        "total=0" });
}

} // namespace received
