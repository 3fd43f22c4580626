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
    = box::info(QStringLiteral("Por favor, póngase en contacto\ncon la asesoría.\n\n\t900 111 222"));
inline const QString fixedAssetText = box::info(
    QStringLiteral("Por favor, llámenos para completar\nel último dato variable.\n\n\t900 111 222"));
inline const QString requiredText = warningBox(QStringLiteral("Este campo es obligatorio."));
inline const QString reviewText = warningBox(QStringLiteral("Revise los valores introducidos."));
inline const QString noTypeText = warningBox(QStringLiteral("Debe seleccionar un tipo de factura."));
inline const QString noAccountText = warningBox(QStringLiteral("Debe seleccionar una cuenta contable."));
inline const QString noModeText = warningBox(QStringLiteral("Debe seleccionar una modalidad de retención."));
inline const QString duplicateText = warningBox(QStringLiteral("Ya existe una factura con este Nº"));
// The two confirmations and the message of a save.
inline const QStringList savedBoxes{ box::checkTotal, box::confirmSave, box::dataSaved };
inline const QString clearQuestion
    = QStringLiteral("warning|Información|¿Está seguro de que desea limpiar todos los campos?");
inline const QString notFoundText
    = QStringLiteral("critical|Información|No existe ninguna factura con el nº introducido.");
inline const QString partyGoneText
    = QStringLiteral("critical|Información|No se ha encontrado el cliente asociado a la factura buscada.");

inline const QStringList withholdingParts{ "rental", "rental.label", "professionals", "professionals.label",
    "withholding.baseHeading", "withholding.percentageHeading", "withholding.quotaHeading",
    "withholding.base", "withholding.percentage", "withholding.quota" };

// What both pages have, by the same names, with the page's options.
template <typename Page>
QMap<QString, QWidget *> invoiceWidgets(
    const Page &page, QWidget *date, const std::vector<std::pair<const char *, OptionBox>> &options)
{
    const WithholdingLine &withholding = page.withholdingLine;
    QMap<QString, QWidget *> map{ { "number", page.number }, { "search", page.search.button },
        { "searchNumber", page.search.number }, { "date", date }, { "type", page.type },
        { "baseHeading", page.baseHeading }, { "rateHeading", page.rateHeading },
        { "quotaHeading", page.quotaHeading }, { "withholding.baseHeading", withholding.baseHeading },
        { "withholding.percentageHeading", withholding.percentageHeading },
        { "withholding.quotaHeading", withholding.quotaHeading }, { "withholding.base", withholding.base },
        { "withholding.percentage", withholding.percentage }, { "withholding.quota", withholding.quota },
        { "accountLabel", page.accountLabel }, { "account", page.account }, { "total", page.total },
        { "save", page.save }, { "clear", page.clear } };
    for (const auto &[name, option] : options) {
        map.insert(QLatin1String(name), option.box);
        map.insert(QLatin1String(name) + QStringLiteral(".label"), option.label);
    }
    for (int i = 0; i < 3; ++i) {
        const QuotaLine &line = page.lines[size_t(i)];
        const QString prefix = QStringLiteral("line%1.").arg(i + 1);
        map.insert(prefix + "base", line.base);
        map.insert(prefix + "rate", line.rate);
        map.insert(prefix + "quota", line.quota);
    }
    return map;
}

namespace issued {

inline QMap<QString, QWidget *> widgets(const App &app)
{
    const IssuedPage &page = app.issuedPage();
    QMap<QString, QWidget *> map = invoiceWidgets(page, app.dateFields()[0].edit,
        { { "retail", page.retail }, { "surcharge", page.surcharge }, { "reverseCharge", page.reverseCharge },
            { "cashBasis", page.cashBasis }, { "withholding", page.withholding }, { "rental", page.rental },
            { "professionals", page.professionals }, { "fixedAssetSale", page.fixedAssetSale } });
    map.insert("client", page.client);
    map.insert("series", page.series);
    map.insert("calendar", app.dateFields()[0].calendarButton);
    map.insert("surchargeRateHeading", page.surchargeRateHeading);
    map.insert("surchargeQuotaHeading", page.surchargeQuotaHeading);
    for (int i = 0; i < 3; ++i) {
        const IssuedQuotaLine &line = page.lines[size_t(i)];
        const QString prefix = QStringLiteral("line%1.").arg(i + 1);
        map.insert(prefix + "surchargeRate", line.surchargeRate);
        map.insert(prefix + "surchargeQuota", line.surchargeQuota);
    }
    return map;
}

// What the page always shows.
inline const QStringList alwaysShown{ "calendar", "clear", "client", "date", "fixedAssetSale",
    "fixedAssetSale.label", "number", "save", "search", "series", "total", "type" };
inline QStringList shownWith(const QStringList &extra)
{
    return sortedNames(alwaysShown, extra);
}

// Type 0 without options: the five type options, the VAT columns of the three lines, the account.
inline const QStringList interiorParts{ "retail", "retail.label", "surcharge", "surcharge.label",
    "reverseCharge", "reverseCharge.label", "withholding", "withholding.label", "cashBasis",
    "cashBasis.label", "baseHeading", "rateHeading", "quotaHeading", "line1.base", "line1.rate",
    "line1.quota", "line2.base", "line2.rate", "line2.quota", "line3.base", "line3.rate", "line3.quota",
    "accountLabel", "account" };
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
    QMap<QString, QWidget *> map = invoiceWidgets(page, app.dateFields()[1].edit,
        { { "investments", page.investments }, { "retail", page.retail },
            { "reverseCharge", page.reverseCharge }, { "cashBasis", page.cashBasis },
            { "withholding", page.withholding }, { "rental", page.rental },
            { "professionals", page.professionals } });
    map.insert("supplier", page.supplier);
    map.insert("blankHeading1", page.blankHeading1);
    map.insert("blankHeading2", page.blankHeading2);
    for (int i = 0; i < 3; ++i) {
        const ReceivedQuotaLine &line = page.lines[size_t(i)];
        const QString prefix = QStringLiteral("line%1.").arg(i + 1);
        map.insert(prefix + "fourth", line.fourth);
        map.insert(prefix + "fifth", line.fifth);
    }
    return map;
}

// The fifteen fields of the three quota lines.
inline QStringList lineFields()
{
    QStringList names;
    for (int line = 1; line <= 3; ++line) {
        for (const char *column : { "base", "rate", "quota", "fourth", "fifth" })
            names << QStringLiteral("line%1.%2").arg(line).arg(QLatin1String(column));
    }
    return names;
}

// What the page always shows.
inline QStringList shownWith(const QStringList &extra)
{
    return sortedNames({ "clear", "date", "number", "save", "search", "supplier", "total", "type" }, extra);
}

// Suppliers stored before the window starts: account, name.
inline const QList<std::pair<int, QString>> suppliers{ { 40000001, "Suministros Norte" },
    { 40000002, "Talleres Sur" }, { 40000003, "Papelería Central" } };

// The window on the received invoices tab. Stored before it starts: an owner, a client
// named like the second supplier (only suppliers are listed and used), and the suppliers.
struct Fixture : PageFixture {
    // today false: the time server never answers.
    bool start(bool today = true)
    {
        insertOwner();
        insertParty(0, 43000001, "B04000001", "Talleres Sur");
        for (const auto &[account, name] : suppliers)
            insertParty(1, account, QStringLiteral("A0400000%1").arg(account % 10), name);
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
