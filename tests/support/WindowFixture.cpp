#include "WindowFixture.h"

#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QFile>
#include <QLineEdit>
#include <QTest>

bool WindowFixture::startOn(const QDate &day)
{
    server.answerWith(QDateTime(day, QTime(12, 0), Qt::UTC));
    app = startApp(server);
    return QTest::qWaitFor([this] { return app->today().isValid(); });
}

bool WindowFixture::startWithoutToday()
{
    server.stayQuiet();
    app = startApp(server);
    return QTest::qWaitFor([this] { return server.requestCount() == 1; });
}

QStringList WindowFixture::takeBoxes(bool withButtons)
{
    return ::takeBoxes(responder, withButtons);
}

namespace {
QStringList lines(const BoxResponder &responder, bool withButtons)
{
    static const char *const icons[] = { "none", "information", "warning", "critical", "question" };
    QStringList result;
    for (const BoxResponder::Box &box : responder.boxes()) {
        QString line
            = QLatin1String(icons[box.icon]) + QLatin1Char('|') + box.title + QLatin1Char('|') + box.text;
        if (withButtons)
            line += QLatin1Char('|') + box.buttons.join(QLatin1Char(','));
        result << line + (box.unexpected ? QStringLiteral("|unexpected") : QString());
    }
    return result;
}
} // namespace

QStringList boxLines(const BoxResponder &responder)
{
    return lines(responder, false);
}

QStringList boxLinesWithButtons(const BoxResponder &responder)
{
    return lines(responder, true);
}

QStringList takeBoxes(BoxResponder &responder, bool withButtons)
{
    QStringList result = lines(responder, withButtons);
    if (QApplication::activeModalWidget())
        result << QStringLiteral("a box is still open");
    if (responder.pendingAnswers() > 0)
        result << QStringLiteral("%1 answers left unused").arg(responder.pendingAnswers());
    responder.clear();
    return result;
}

QStringList itemsOf(const QComboBox *list)
{
    QStringList items;
    for (int i = 0; i < list->count(); ++i)
        items << list->itemText(i);
    return items;
}

QStringList textsOf(std::initializer_list<const QLineEdit *> fields)
{
    QStringList texts;
    for (const QLineEdit *field : fields)
        texts << field->text();
    return texts;
}

QList<QDate> fieldDates(const App &app)
{
    QList<QDate> dates;
    for (const DateField &field : app.dateFields())
        dates << field.edit->date();
    return dates;
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
