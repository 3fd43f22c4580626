#pragma once

// Driving the window's pages as a user would: widgets by short names, steps typed and clicked.

#include "ProgramBoxes.h"
#include "TestSupport.h"

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

// A client (type 0) or supplier (type 1) stored before the window starts.
inline void insertParty(int type, int account, const QString &nif, const QString &name,
    const QString &address = QStringLiteral("Calle Mayor 1"), int postalCode = 4001)
{
    for (const QString &statement : schemaStatements())
        execStatement(statement);
    execStatement(
        QStringLiteral("INSERT INTO cap (type, id, nif, rs, dir, cp, pobl, prov, pais) VALUES (%1, %2, "
                       "'%3', '%4', '%5', %6, 'almería', 'almería', 'España')")
            .arg(QString::number(type), QString::number(account), nif, name, address,
                QString::number(postalCode)));
}

inline QStringList words(const QString &text)
{
    return text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

// One data row per case, named by the case's name; the test reads the index with QFETCH(int, row).
template <typename Case, std::size_t N> void addRows(const Case (&cases)[N])
{
    QTest::addColumn<int>("row");
    for (std::size_t i = 0; i < N; ++i)
        QTest::newRow(cases[i].name) << int(i);
}

// With decimalComma, the default locale is Spanish until the scope ends; make it before the window.
struct LocaleScope {
    const QLocale previous;
    explicit LocaleScope(bool decimalComma = true) { QLocale::setDefault(decimalComma ? spanish : previous); }
    ~LocaleScope() { QLocale::setDefault(previous); }
    inline static const QLocale spanish{ QLocale::Spanish, QLocale::Spain };
};

// One test's window, its widgets by short names.
struct PageFixture : WindowFixture {
    QMap<QString, QWidget *> names;

    // The server answers noon of today, or never when today is invalid. With a tab, that
    // tab is shown and the window made active, so that focus is real.
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
    // Names every widget under root by its object name.
    void nameWidgetsOf(const QWidget *root)
    {
        for (QWidget *widget : root->findChildren<QWidget *>())
            names.insert(widget->objectName(), widget);
    }

    QWidget *widget(const QString &name) const { return names.value(name); }
    QString text(const QString &name) const
    {
        auto *field = qobject_cast<QLineEdit *>(names.value(name));
        return field ? field->text() : QStringLiteral("<no field %1>").arg(name);
    }

    // "name=text" types over a field's text, "name=n" picks a list's item of that text or else
    // item n, "name=dd/MM/yyyy" sets a date field, a bare name clicks a shown check box or button.
    void perform(const QStringList &steps) const
    {
        for (const QString &step : steps) {
            const QString value = step.section(QLatin1Char('='), 1);
            QWidget *widget = names.value(step.section(QLatin1Char('='), 0, 0));
            QVERIFY2(widget, qPrintable(step));
            if (auto *field = qobject_cast<QLineEdit *>(widget)) {
                replaceText(field, value);
                QCOMPARE(field->text(), value);
            } else if (auto *list = qobject_cast<QComboBox *>(widget)) {
                list->setCurrentIndex(list->findText(value) >= 0 ? list->findText(value) : value.toInt());
            } else if (auto *date = qobject_cast<QDateEdit *>(widget)) {
                date->setDate(QDate::fromString(value, QStringLiteral("dd/MM/yyyy")));
            } else if (auto *button = qobject_cast<QAbstractButton *>(widget)) {
                QVERIFY2(!button->isHidden(), qPrintable(step));
                QTest::mouseClick(button, Qt::LeftButton);
            }
        }
    }
    // Compares fields with "name=text" pairs.
    void expectTexts(const QStringList &pairs) const
    {
        QStringList seen;
        for (const QString &pair : pairs)
            seen << pair.section(QLatin1Char('='), 0, 0) + '=' + text(pair.section(QLatin1Char('='), 0, 0));
        QCOMPARE(seen, pairs);
    }

    // The names of the widgets shown, marked or ticked, sorted.
    QStringList shown() const
    {
        QStringList result = namesWhere([](const QWidget *widget) { return !widget->isHidden(); });
        result.removeAll(QStringLiteral("searchNumber")); // it lives in the search pop-up
        return result;
    }
    QStringList markedNames() const { return namesWhere(marked); }
    QStringList ticked() const
    {
        return namesWhere([](const QWidget *box) { return box->property("checked").toBool(); });
    }

    // No box left open and every queued answer used.
    bool settled() const { return !QApplication::activeModalWidget() && responder.pendingAnswers() == 0; }
    // Settled, and exactly these boxes seen, as boxLines() writes them.
    void verifyBoxes(const QStringList &expected) const
    {
        QVERIFY(settled());
        QCOMPARE(boxLines(responder), expected);
    }

private:
    template <typename Test> QStringList namesWhere(Test test) const
    {
        QStringList result;
        for (auto it = names.begin(); it != names.end(); ++it)
            if (test(it.value()))
                result << it.key();
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
