#pragma once

// One page of the window driven as a person would, for the form tests: widgets by their
// names on the page, steps typed and clicked, the boxes by short names, what the page shows.

#include "PageDriving.h"

#include <QDateEdit>
#include <QLabel>
#include <QRegularExpression>
#include <QSqlQuery>

#include <utility>

inline QStringList sorted(const QString &items)
{
    QStringList list = words(items);
    list.sort();
    return list;
}

struct Form : PageFixture {
    QWidget *frame = nullptr;
    QStringList atStart; // what the page showed when it opened
    // While each box waits, another program can take the whole file (the window holds no
    // statement open); a box during which it cannot is reported as "held".
    bool probing = true, held = false;

    // Opens tab (the registration form: -1) with today known, or never known when invalid.
    bool open(int tab, const QDate &today = QDate(2016, 5, 15))
    {
        responder.whileOpen([this](const BoxResponder::Box &) {
            QSqlDatabase db = QSqlDatabase::contains("probe") ? QSqlDatabase::database("probe", false)
                                                              : QSqlDatabase::addDatabase("QSQLITE", "probe");
            db.setDatabaseName("data.db");
            db.setConnectOptions("QSQLITE_BUSY_TIMEOUT=0");
            QSqlQuery probe(QSqlDatabase::database("probe"));
            held |= probing && !(probe.exec("BEGIN EXCLUSIVE") && probe.exec("ROLLBACK"));
            db.close();
        });
        if (!start(tab, today))
            return false;
        frame = tab < 0 ? app->registrationPage().frame : app->tabs()->widget(tab);
        for (QWidget *widget : frame->findChildren<QWidget *>()) {
            if (widget->objectName().startsWith(frame->objectName() + '.'))
                names.insert(widget->objectName().section('.', 1), widget);
        }
        atStart = seen();
        return true;
    }

    // Runs steps: those of perform(), ">Sí" queues an answer, "sql:UPDATE_cap…" runs a
    // statement ("_" for blanks), "~name=text" only types, "find=F-1" looks a number up. Returns the boxes
    // seen, each by the last two words of its text ("es_obligatorio."), an account chosen by its number.
    QString act(const QString &steps)
    {
        for (const QString &step : words(steps)) {
            if (step.startsWith('>'))
                responder.answer(step.mid(1));
            else if (step.startsWith("sql:"))
                execStatement(QString(step.mid(4)).replace('_', ' '));
            else if (step.startsWith('~')) // typed into an empty field, which may refuse it
                typeText(widget(step.mid(1).section('=', 0, 0)), step.section('=', 1));
            else if (step.startsWith("find=")) {
                perform({ "searchNumber=" + step.mid(5) });
                QTest::keyClick(widget("searchNumber"), Qt::Key_Return);
            } else
                perform({ step });
        }
        QStringList seen;
        for (const QString &line : takeBoxes()) {
            const QStringList last = line.split(QRegularExpression("[\\s|]+"));
            seen << (line.contains("Ha seleccionado") ? "account:" + line.section("\n\n", 1, 1).left(8)
                                                      : last.mid(last.size() - 2).join('_'));
        }
        if (std::exchange(held, false))
            seen << "held";
        return seen.join(' ');
    }
    // Runs lines of "steps#boxes#check": the check's items must be in the snapshot, and its
    // "!" items (marked fields) are all the snapshot has.
    void run(const QStringList &script)
    {
        for (const QString &line : script) {
            QCOMPARE(act(line.section('#', 0, 0)), line.section('#', 1, 1));
            const QStringList check = sorted(line.section('#', 2)), now = snapshot();
            const QRegularExpression marks("^!");
            if (!check.isEmpty())
                QCOMPARE(now.filter(marks), check.filter(marks));
            for (const QString &item : check)
                QVERIFY2(now.contains(item), qPrintable(item + " not in " + now.join(' ')));
        }
    }

    // The widgets shown: labels by their text without blanks, an option by its box's name
    // (its label only when that differs), the quota lines' fields by column ("rate:123").
    QStringList seen() const
    {
        QStringList items;
        QMap<QString, QString> columns;
        for (QWidget *widget : frame->findChildren<QWidget *>()) {
            const QString name = names.key(widget);
            auto *label = qobject_cast<QLabel *>(widget);
            const auto line = QRegularExpression("^line(\\d)\\.(\\w+)$").match(name);
            if (name.endsWith(".label") && widget->isHidden() != names.value(name.chopped(6))->isHidden())
                items << name;
            if (widget->isHidden() || name.endsWith(".label")
                || (name.startsWith("search") && name != "search"))
                continue;
            if (label && widget->parentWidget() == frame && !label->text().isEmpty())
                items << label->text().remove(' ');
            else if (line.hasMatch())
                columns[line.captured(2)] += line.captured(1);
            else if (!name.isEmpty() && !label)
                items << name;
        }
        for (auto it = columns.cbegin(); it != columns.cend(); ++it)
            items << it.key() + ':' + it.value();
        return items;
    }
    // What the page shows beyond its start ("-name": no longer), "+box" for each ticked box,
    // shown or not, and "!name" for each field marked wrong; sorted.
    QStringList state() const
    {
        const QStringList now = seen();
        QStringList diff;
        for (const QString &item : now)
            diff << (atStart.contains(item) ? QString() : item);
        for (const QString &item : atStart)
            diff << (now.contains(item) ? QString() : '-' + item);
        for (const QString &box : ticked())
            diff << '+' + box;
        for (const QString &name : markedNames())
            diff << '!' + name;
        diff.removeAll(QString());
        diff.sort();
        return diff;
    }
    // The state, what each shown field holds, and "@name" of the field with the focus.
    QStringList snapshot() const
    {
        QStringList items = state();
        for (auto it = names.cbegin(); it != names.cend(); ++it) {
            if (it.value()->isHidden() || it.key().startsWith("search"))
                continue;
            if (auto *field = qobject_cast<QLineEdit *>(it.value()))
                items << it.key() + '=' + field->text();
            else if (auto *list = qobject_cast<QComboBox *>(it.value()))
                items << it.key() + '=' + QString::number(list->currentIndex());
            else if (auto *date = qobject_cast<QDateEdit *>(it.value()))
                items << it.key() + '=' + date->date().toString("dd/MM/yyyy");
        }
        if (names.key(app->focusWidget()) != QString())
            items << '@' + names.key(app->focusWidget());
        items.sort();
        return items;
    }
};

// The rows of a table, each its values in column order, texts quoted.
inline QString storedRows(const QString &table)
{
    QStringList rows;
    for (const QVariantList &row : queryRows("SELECT * FROM " + table)) {
        QStringList values;
        for (const QVariant &value : row)
            values << (value.typeId() == QMetaType::QString ? '\'' + value.toString() + '\''
                                                            : value.toString());
        rows << values.join(' ');
    }
    return rows.join('\n');
}
