#pragma once

// Helpers shared by the tests of the "Facturas Recibidas" page.

#include "TestSupport.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMap>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

namespace received {

// The widgets of the page by short names, for visibility checks and for the steps below.
inline QMap<QString, QWidget *> widgets(const App &app)
{
    const ReceivedPage &page = app.receivedPage();
    QMap<QString, QWidget *> map{
        { "supplier", page.supplier },
        { "number", page.number },
        { "search", page.search.button },
        { "searchNumber", page.search.number },
        { "date", app.dateFields()[1].edit },
        { "type", page.type },
        { "baseHeading", page.baseHeading },
        { "rateHeading", page.rateHeading },
        { "quotaHeading", page.quotaHeading },
        { "blankHeading1", page.blankHeading1 },
        { "blankHeading2", page.blankHeading2 },
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
    const std::pair<const char *, OptionBox> options[] = { { "investments", page.investments },
        { "retail", page.retail }, { "reverseCharge", page.reverseCharge }, { "cashBasis", page.cashBasis },
        { "withholding", page.withholding }, { "rental", page.rental },
        { "professionals", page.professionals } };
    for (const auto &[name, option] : options) {
        map.insert(QLatin1String(name), option.box);
        map.insert(QLatin1String(name) + QStringLiteral(".label"), option.label);
    }
    for (int i = 0; i < 3; ++i) {
        const ReceivedQuotaLine &line = page.lines[size_t(i)];
        const QString prefix = QStringLiteral("line%1.").arg(i + 1);
        map.insert(prefix + "base", line.base);
        map.insert(prefix + "rate", line.rate);
        map.insert(prefix + "quota", line.quota);
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

inline const QStringList optionNames{ "investments", "retail", "reverseCharge", "cashBasis", "withholding",
    "rental", "professionals" };

// The names of the widgets shown, sorted; the search field lives in its pop-up.
inline QStringList shown(const App &app)
{
    QStringList names;
    const QMap<QString, QWidget *> all = widgets(app);
    for (auto it = all.begin(); it != all.end(); ++it) {
        if (it.key() != QLatin1String("searchNumber") && !it.value()->isHidden())
            names << it.key();
    }
    names.sort();
    return names;
}

// What the page always shows.
inline const QStringList alwaysShown{ "clear", "date", "number", "save", "search", "supplier", "total",
    "type" };

inline QStringList shownWith(const QStringList &extra)
{
    QStringList names = alwaysShown + extra;
    names.removeDuplicates();
    names.sort();
    return names;
}

// What a chosen type shows whatever its mode: "Inversiones" and the account.
inline const QStringList typeParts{ "investments", "investments.label", "accountLabel", "account" };
// The four other invoice options of type 0.
inline const QStringList interiorOptions{ "retail", "retail.label", "reverseCharge", "reverseCharge.label",
    "cashBasis", "cashBasis.label", "withholding", "withholding.label" };
inline const QStringList fullMode{ "baseHeading", "rateHeading", "quotaHeading", "line1.base", "line1.rate",
    "line1.quota", "line2.base", "line2.rate", "line2.quota", "line3.base", "line3.rate", "line3.quota" };
inline const QStringList noQuotaMode{ "baseHeading", "rateHeading", "blankHeading1", "blankHeading2",
    "line1.base", "line1.rate", "line2.base", "line2.rate", "line3.base", "line3.rate" };
inline const QStringList totalOnlyMode{ "baseHeading", "line1.base" };
inline const QStringList withholdingParts{ "rental", "rental.label", "professionals", "professionals.label",
    "withholding.baseHeading", "withholding.percentageHeading", "withholding.quotaHeading",
    "withholding.base", "withholding.percentage", "withholding.quota" };

inline QString textOf(const App &app, const QString &name)
{
    return qobject_cast<QLineEdit *>(widgets(app).value(name))->text();
}

// The names of the ticked option boxes, in page order.
inline QStringList ticked(const App &app)
{
    QStringList names;
    const QMap<QString, QWidget *> all = widgets(app);
    for (const QString &name : optionNames) {
        if (qobject_cast<QCheckBox *>(all.value(name))->isChecked())
            names << name;
    }
    return names;
}

// Runs steps as a user would: "name=text" types text over a field's content, "name=n"
// picks item n of a list, a bare name clicks a shown check box or button.
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
            QVERIFY2(!button->isHidden(), qPrintable(step));
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
inline const QString requiredText = QStringLiteral("Error|Este campo es obligatorio");
inline const QString savedText = QStringLiteral("Información|Datos guardados");
inline const QString firstConfirmation
    = QStringLiteral("Información|Verifique que el total calculado coincide con el total de su factura.");
inline const QString secondConfirmation = QStringLiteral(
    "Información|Está a punto de guardar estos datos, por favor,\nasegúrese de que son correctos antes de "
    "continuar.");

inline QString accountText(const QString &item)
{
    return QStringLiteral("Información|Ha seleccionado usted la cuenta contable:\n\n") + item
        + QStringLiteral("\n\nPor favor, verifique si es correcto.");
}

// Suppliers stored before the window starts: account, name.
inline const QList<std::pair<int, QString>> suppliers{ { 40000001, "Suministros Norte" },
    { 40000002, "Talleres Sur" }, { 40000003, "Papelería Central" } };

// One test's window, on the received invoices tab. Stored before it starts: an owner,
// a client and the three suppliers above. Members go in this order so the window is
// gone before its directory.
struct Fixture {
    ScratchDirectory scratch;
    BoxResponder responder;
    FakeTimeServer server;
    std::unique_ptr<App> app;

    // today false: the time server never answers.
    bool start(bool today = true)
    {
        insertOwner();
        // A client of the same name as a supplier: only suppliers are listed and used.
        execStatement(QStringLiteral("INSERT INTO cap (type, id, nif, rs, dir, cp, pobl, prov, pais) VALUES "
                                     "(0, 43000001, 'B04000001', 'Talleres Sur', 'Calle Real 2', 4002, "
                                     "'Almería', 'Almería', 'España')"));
        for (const auto &[account, name] : suppliers)
            execStatement(
                QStringLiteral("INSERT INTO cap (type, id, nif, rs, dir, cp, pobl, prov, pais) VALUES "
                               "(1, %1, 'A0400000%2', '%3', 'Calle Sol 3', 4100, 'Níjar', 'Almería', "
                               "'España')")
                    .arg(account)
                    .arg(account % 10)
                    .arg(name));
        if (today)
            server.answerWith(noonOn(2016, 5, 15));
        else
            server.stayQuiet();
        app = startApp(server);
        if (today && !QTest::qWaitFor([&] { return app->today().isValid(); }))
            return false;
        app->tabs()->setCurrentIndex(2);
        app->activateWindow();
        return QTest::qWaitForWindowActive(app.get());
    }

    void perform(const QStringList &steps) { received::perform(*app, steps); }
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

} // namespace received
