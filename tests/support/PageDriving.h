#pragma once

// Driving the window's pages as a user would, for the tests of the register and of the
// entry pages: widgets by short names, steps typed and clicked, the boxes seen and the
// fields marked.

#include "ProgramBoxes.h"
#include "WindowFixture.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QLocale>
#include <QMap>
#include <QTabWidget>
#include <QTest>

inline bool marked(const QWidget *field)
{
    return field->property("error").toBool();
}

// Picks an item of a list with the keyboard, as a user without a mouse would.
inline void choose(QComboBox *list, int index)
{
    QTest::keyClick(list, Qt::Key_Home);
    for (int i = 0; i < index; ++i)
        QTest::keyClick(list, Qt::Key_Down);
}

// A client (type 0) or supplier (type 1) stored by hand before the window starts; the
// schema is created first.
inline void insertParty(int type, int account, const QString &nif, const QString &name,
    const QString &address = QStringLiteral("Calle Mayor 1"), int postalCode = 4001)
{
    for (const QString &statement : schemaStatements())
        execStatement(statement);
    execStatement(
        QStringLiteral("INSERT INTO cap (type, id, nif, rs, dir, cp, pobl, prov, pais) VALUES (%1, %2, "
                       "'%3', '%4', '%5', %6, 'almería', 'almería', 'España')")
            .arg(type)
            .arg(account)
            .arg(nif, name, address)
            .arg(postalCode));
}

// The words of a text: steps and expectations written as one line.
inline QStringList words(const QString &text)
{
    return text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

// One data row per case of a table, named by the case's name; the test function reads
// the index back with QFETCH(int, row).
template <typename Case, std::size_t N> void addRows(const Case (&cases)[N])
{
    QTest::addColumn<int>("row");
    for (std::size_t i = 0; i < N; ++i)
        QTest::newRow(cases[i].name) << int(i);
}

// With decimalComma, the default locale is Spanish (decimal comma) until the scope ends.
// Make it before the window, whose fields read the locale when they are built.
class LocaleScope {
public:
    explicit LocaleScope(bool decimalComma = true)
    {
        if (decimalComma)
            QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
    }
    ~LocaleScope() { QLocale::setDefault(m_previous); }

private:
    QLocale m_previous;
};

// One test's window, on a page whose widgets have short names.
struct PageFixture : WindowFixture {
    // The page's widgets by short names, for the helpers below.
    QMap<QString, QWidget *> names;

    // The time server answers at noon of today, or never when today is invalid. With a
    // tab, that tab is shown and the window made active, so focus is real.
    bool start(int tab = -1, const QDate &today = QDate(2016, 5, 15))
    {
        if (!(today.isValid() ? startOn(today) : startWithoutToday()))
            return false;
        if (tab < 0)
            return true;
        app->tabs()->setCurrentIndex(tab);
        app->activateWindow();
        return QTest::qWaitForWindowActive(app.get());
    }

    QWidget *widget(const QString &name) const { return names.value(name); }
    QString text(const QString &name) const
    {
        auto *field = qobject_cast<QLineEdit *>(names.value(name));
        return field ? field->text() : QStringLiteral("<no field %1>").arg(name);
    }

    // Runs steps as a user would: "name=text" types text over a field's content, "name=n"
    // picks item n of a list, a bare name clicks a shown check box or button.
    void perform(const QStringList &steps) const
    {
        for (const QString &step : steps) {
            const QString name = step.section(QLatin1Char('='), 0, 0);
            const QString value = step.section(QLatin1Char('='), 1);
            QWidget *widget = names.value(name);
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

    // Compares fields with "name=text" pairs.
    void expectTexts(const QStringList &pairs) const
    {
        for (const QString &pair : pairs)
            QCOMPARE(pair.section(QLatin1Char('='), 0, 0) + QLatin1Char('=')
                    + text(pair.section(QLatin1Char('='), 0, 0)),
                pair);
    }

    // The names of the widgets shown, sorted; "searchNumber" lives in the search pop-up.
    QStringList shown() const
    {
        return namesWhere([](const QString &name, QWidget *widget) {
            return name != QLatin1String("searchNumber") && !widget->isHidden();
        });
    }
    QStringList markedNames() const
    {
        return namesWhere([](const QString &, QWidget *widget) { return marked(widget); });
    }
    QStringList ticked() const
    {
        return namesWhere([](const QString &, QWidget *widget) {
            auto *box = qobject_cast<QCheckBox *>(widget);
            return box && box->isChecked();
        });
    }

    // No box left open and every queued answer used.
    bool settled() const { return !QApplication::activeModalWidget() && responder.pendingAnswers() == 0; }
    // Settled, and exactly these boxes seen, as boxLines() writes them.
    void verifyBoxes(const QStringList &expected) const
    {
        QVERIFY(!QApplication::activeModalWidget());
        QCOMPARE(responder.pendingAnswers(), 0);
        QCOMPARE(boxLines(responder), expected);
    }

private:
    template <typename Test> QStringList namesWhere(Test test) const
    {
        QStringList result;
        for (auto it = names.begin(); it != names.end(); ++it) {
            if (test(it.key(), it.value()))
                result << it.key();
        }
        return result;
    }
};

// The names of base and extra, sorted, each once.
inline QStringList sortedNames(const QStringList &base, const QStringList &extra)
{
    QStringList names = base + extra;
    names.removeDuplicates();
    names.sort();
    return names;
}
