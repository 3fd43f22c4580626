#pragma once

// One page of the window driven as a person would, widgets by their names on the page.

#include "PageDriving.h"

#include <QDateEdit>
#include <QDir>
#include <QLabel>
#include <QRegularExpression>
#include <QSqlError>
#include <QSqlQuery>

#include <utility>

inline QStringList sorted(QStringList items)
{
    items.sort();
    return items;
}

struct Form : PageFixture {
    QWidget *frame = nullptr;
    QStringList atStart;
    bool held = false; // a box during which another program could not take the file

    bool open(int tab, const QDate &today = QDate(2016, 5, 15))
    {
        responder.whileOpen([this](const BoxResponder::Box &) {
            QSqlDatabase db = QSqlDatabase::contains("probe") ? QSqlDatabase::database("probe", false)
                                                              : QSqlDatabase::addDatabase("QSQLITE", "probe");
            db.setDatabaseName(QDir::current().filePath("data.db"));
            db.setConnectOptions("QSQLITE_BUSY_TIMEOUT=0");
            QSqlQuery probe(db.open() ? db : QSqlDatabase());
            held |= !probe.exec("BEGIN EXCLUSIVE") && probe.lastError().text().contains("locked");
            db.close();
        });
        if (!start(tab, today))
            return false;
        frame = tab < 0 ? app->registrationPage().frame : app->tabs()->widget(tab);
        for (QWidget *widget : frame->findChildren<QWidget *>())
            names.insert(widget->objectName().section('.', 1), widget);
        names.remove(QString());
        return !(atStart = seen()).isEmpty();
    }

    // perform() steps, ">Sí", "sql:…", "~name=text", "find=F-1"; boxes by last two words.
    QString act(const QString &steps)
    {
        for (const QString &step : words(steps)) {
            if (step.startsWith('>'))
                responder.answer(step.mid(1));
            else if (step.startsWith("sql:"))
                execStatement(QString(step.mid(4)).replace('_', ' '));
            else if (step.startsWith('~') || step.startsWith("find="))
                replaceText(widget(step.section('=', 0, 0).mid(1).replace("ind", "searchNumber")),
                    step.section('=', 1));
            else
                perform({ step });
            if (step.startsWith("find="))
                QTest::keyClick(widget("searchNumber"), Qt::Key_Return);
        }
        const QRegularExpression blank("[\\s|]+");
        QStringList seen{ std::exchange(held, false) ? "held" : "" };
        for (const QString &line : takeBoxes())
            seen.insert(seen.size() - 1,
                line.contains("Ha seleccionado") ? "account:" + line.section("\n\n", 1, 1).left(8)
                                                 : line.section(blank, -2).replace(blank, "_"));
        return seen.join(' ').trimmed();
    }
    // Lines of "steps#boxes#check": the check's items are in the snapshot, its "!" items all it has.
    void run(const QStringList &script)
    {
        for (const QString &line : script) {
            QCOMPARE(act(line.section('#', 0, 0)), line.section('#', 1, 1));
            const QStringList check = words(line.section('#', 2)), now = snapshot();
            QVERIFY(check.isEmpty() || now.filter(QRegularExpression("^!")) == sorted(check.filter("!")));
            for (const QString &item : check)
                QVERIFY2(now.contains(item), qPrintable(item + " not in " + now.join(' ')));
        }
    }

    // Shown beyond the start ("-x": no longer), "+box" ticked, "!x" marked; quota lines by column.
    QStringList state() const
    {
        const QStringList now = seen();
        QStringList diff = ticked().replaceInStrings(QRegularExpression("^"), "+")
            + markedNames().replaceInStrings(QRegularExpression("^"), "!");
        for (const QString &item : now + atStart)
            diff << (now.contains(item) == atStart.contains(item) ? ""
                    : now.contains(item)                          ? item
                                                                  : '-' + item);
        diff.removeAll(QString());
        return sorted(diff);
    }
    QStringList seen() const
    {
        QStringList items;
        QMap<QString, QString> columns;
        for (auto it = names.cbegin(); it != names.cend(); ++it) {
            const QString name = it.key(), text = it.value()->property("text").toString().remove(' ');
            const auto line = QRegularExpression("^line(\\d)\\.(\\w+)$").match(name);
            if (!it.value()->isVisibleTo(frame) || name.endsWith(".label"))
                continue;
            if (line.hasMatch())
                columns[line.captured(2)] += line.captured(1);
            else
                items << (qobject_cast<QLabel *>(it.value()) ? text : name);
        }
        for (QLabel *label : frame->findChildren<QLabel *>(QString(), Qt::FindDirectChildrenOnly))
            items << (label->objectName().isEmpty() && !label->isHidden() ? label->text().remove(' ') : "");
        for (auto it = columns.cbegin(); it != columns.cend(); ++it)
            items << it.key() + ':' + it.value();
        return items.filter(QRegularExpression("."));
    }
    QStringList snapshot() const
    {
        QStringList items = state() << '@' + names.key(app->focusWidget());
        for (auto it = names.cbegin(); it != names.cend(); ++it) {
            const char *property = qobject_cast<QLineEdit *>(it.value()) ? "text" : "currentIndex";
            const QVariant value
                = it.value()->property(qobject_cast<QDateEdit *>(it.value()) ? "date" : property);
            items << (it.value()->isVisibleTo(frame) && value.isValid() ? it.key() + '=' + value.toString()
                                                                        : "");
        }
        return sorted(items.filter(QRegularExpression(".")));
    }
};

// The rows of a table, each its values in column order.
inline QString storedRows(const QString &table)
{
    QStringList rows;
    for (const QVariantList &row : queryRows("SELECT * FROM " + table))
        rows << QVariant(row).toStringList().join(' ');
    return rows.join('\n');
}
