#pragma once

// Helpers shared by the tests of the "Facturas Emitidas" page.

#include "TestSupport.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMap>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

namespace issued {

// The widgets of the page by short names, for visibility checks and for the steps below.
inline QMap<QString, QWidget *> widgets(const App &app)
{
    const IssuedPage &page = app.issuedPage();
    QMap<QString, QWidget *> map{
        { "client", page.client },
        { "series", page.series },
        { "number", page.number },
        { "search", page.search.button },
        { "date", app.dateFields()[0].edit },
        { "calendar", app.dateFields()[0].calendarButton },
        { "type", page.type },
        { "baseHeading", page.baseHeading },
        { "rateHeading", page.rateHeading },
        { "quotaHeading", page.quotaHeading },
        { "surchargeRateHeading", page.surchargeRateHeading },
        { "surchargeQuotaHeading", page.surchargeQuotaHeading },
        { "withholding.baseHeading", page.withholdingLine.baseHeading },
        { "withholding.percentageHeading", page.withholdingLine.percentageHeading },
        { "withholding.quotaHeading", page.withholdingLine.quotaHeading },
        { "withholding.base", page.withholdingLine.base },
        { "withholding.percentage", page.withholdingLine.percentage },
        { "withholding.quota", page.withholdingLine.quota },
        { "accountLabel", page.accountLabel },
        { "account", page.account },
        { "total", page.total },
        { "save", page.save },
        { "clear", page.clear },
    };
    const std::pair<const char *, OptionBox> options[] = { { "retail", page.retail },
        { "surcharge", page.surcharge }, { "reverseCharge", page.reverseCharge },
        { "cashBasis", page.cashBasis }, { "withholding", page.withholding }, { "rental", page.rental },
        { "professionals", page.professionals }, { "fixedAssetSale", page.fixedAssetSale } };
    for (const auto &[name, option] : options) {
        map.insert(QLatin1String(name), option.box);
        map.insert(QLatin1String(name) + QStringLiteral(".label"), option.label);
    }
    for (int i = 0; i < 3; ++i) {
        const IssuedQuotaLine &line = page.lines[size_t(i)];
        const QString prefix = QStringLiteral("line%1.").arg(i + 1);
        map.insert(prefix + "base", line.base);
        map.insert(prefix + "rate", line.rate);
        map.insert(prefix + "quota", line.quota);
        map.insert(prefix + "surchargeRate", line.surchargeRate);
        map.insert(prefix + "surchargeQuota", line.surchargeQuota);
    }
    return map;
}

// What the page always shows.
inline const QStringList alwaysShown{ "calendar", "clear", "client", "date", "fixedAssetSale",
    "fixedAssetSale.label", "number", "save", "search", "series", "total", "type" };

// The names of the widgets shown, sorted.
inline QStringList shown(const App &app)
{
    QStringList names;
    const QMap<QString, QWidget *> all = widgets(app);
    for (auto it = all.begin(); it != all.end(); ++it) {
        if (!it.value()->isHidden())
            names << it.key();
    }
    names.sort();
    return names;
}

inline QStringList shownWith(const QStringList &extra)
{
    QStringList names = alwaysShown + extra;
    names.sort();
    return names;
}

// type 0 without options: the five type options, the VAT columns of the three lines, the account.
inline const QStringList interiorParts{ "retail", "retail.label", "surcharge", "surcharge.label",
    "reverseCharge", "reverseCharge.label", "withholding", "withholding.label", "cashBasis",
    "cashBasis.label", "baseHeading", "rateHeading", "quotaHeading", "line1.base", "line1.rate",
    "line1.quota", "line2.base", "line2.rate", "line2.quota", "line3.base", "line3.rate", "line3.quota",
    "accountLabel", "account" };

inline const QStringList totalOnlyFields{ "line1.rate", "line1.quota", "line2.base", "line2.rate",
    "line2.quota", "line3.base", "line3.rate", "line3.quota" };

inline QString textOf(const App &app, const QString &name)
{
    return qobject_cast<QLineEdit *>(widgets(app).value(name))->text();
}

inline bool ticked(const App &app, const QString &name)
{
    return qobject_cast<QCheckBox *>(widgets(app).value(name))->isChecked();
}

// Runs steps as a user would: "name=text" types text over a field's content, "name=n"
// picks item n of a list, a bare name clicks a check box or a button.
inline void perform(const App &app, const QStringList &steps)
{
    const QMap<QString, QWidget *> all = widgets(app);
    for (const QString &step : steps) {
        const QString name = step.section(QLatin1Char('='), 0, 0);
        const QString value = step.section(QLatin1Char('='), 1);
        QWidget *widget = all.value(name);
        QVERIFY2(widget, qPrintable(step));
        if (auto *field = qobject_cast<QLineEdit *>(widget)) {
            replaceText(field, value);
            QCOMPARE(field->text(), value);
        } else if (auto *list = qobject_cast<QComboBox *>(widget)) {
            list->setCurrentIndex(value.toInt());
        } else if (auto *button = qobject_cast<QAbstractButton *>(widget)) {
            QTest::mouseClick(button, Qt::LeftButton);
        }
    }
}

// Each box seen as "title|text", with "|unexpected" when no answer fitted it.
inline QStringList boxes(const BoxResponder &responder)
{
    QStringList seen;
    for (const BoxResponder::Box &box : responder.boxes())
        seen << box.title + QLatin1Char('|') + box.text
                + (box.unexpected ? QStringLiteral("|unexpected") : QString());
    return seen;
}

inline bool marked(const QWidget *field)
{
    return field->property("error").toBool();
}

inline const QString contactText
    = QStringLiteral("Información|Por favor, póngase en contacto\ncon la asesoría.\n\n\t900 111 222");
inline const QString fixedAssetText = QStringLiteral(
    "Información|Por favor, llámenos para completar\nel último dato variable.\n\n\t900 111 222");

inline QString accountText(const QString &item)
{
    return QStringLiteral("Información|Ha seleccionado usted la cuenta contable:\n\n") + item
        + QStringLiteral("\n\nPor favor, verifique si es correcto.");
}

// One test's window, on the issued invoices tab. Stored before it starts: an owner, a
// supplier named like the first client, and three clients, the first and the third of
// the same name. Members go in this order so the window is gone before its directory.
struct Fixture {
    ScratchDirectory scratch;
    BoxResponder responder;
    FakeTimeServer server;
    std::unique_ptr<App> app;

    // today false: the time server never answers.
    bool start(bool today = true)
    {
        insertOwner();
        execStatement(QStringLiteral("INSERT INTO cap (type, id, nif, rs, dir, cp, pobl, prov, pais) VALUES "
                                     "(1, 40000001, 'B04000001', 'Cliente Uno', 'Calle Real 2', 4002, "
                                     "'Almería', 'Almería', 'España'), "
                                     "(0, 43000001, 'B04000001', 'Cliente Uno', 'Calle Real 2', 4002, "
                                     "'Almería', 'Almería', 'España'), "
                                     "(0, 43000002, 'A04000002', 'Talleres Níjar', 'Calle Sol 3', 4100, "
                                     "'Níjar', 'Almería', 'España'), "
                                     "(0, 43000003, 'X1234567L', 'Cliente Uno', 'Calle Luna 4', 4003, "
                                     "'Almería', 'Almería', 'España')"));
        if (today)
            server.answerWith(noonOn(2016, 5, 15));
        else
            server.stayQuiet();
        app = startApp(server);
        if (today && !QTest::qWaitFor([&] { return app->today().isValid(); }))
            return false;
        app->tabs()->setCurrentIndex(1);
        app->activateWindow();
        return QTest::qWaitForWindowActive(app.get());
    }

    void perform(const QStringList &steps) { issued::perform(*app, steps); }
    QString text(const QString &name) const { return textOf(*app, name); }
    QWidget *widget(const QString &name) const { return widgets(*app).value(name); }

    // No box open, every queued answer used, and exactly these boxes seen.
    void verifyBoxes(const QStringList &expected) const
    {
        QVERIFY(!QApplication::activeModalWidget());
        QCOMPARE(responder.pendingAnswers(), 0);
        QCOMPARE(boxes(responder), expected);
    }
};

// Switches the default locale for one test and restores it afterwards.
class DecimalCommaScope {
public:
    DecimalCommaScope() { QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain)); }
    ~DecimalCommaScope() { QLocale::setDefault(m_previous); }

private:
    QLocale m_previous;
};

} // namespace issued
