// One keystroke in a base field of an invoice page, with the quotas and the total
// recomputed, against the same keystroke into a plain QLineEdit that carries the same
// validator and maximum length but no connection, in the same run.
//
//   bench_keystroke [keystrokes per field and pass, default 2000] [parties in cap, default 0]
//
// "Facturas Emitidas" with type 0 chosen (the three quota lines shown) and "21" typed as
// the rate of line 1; then base 1 of that page receives, one key click at a time, a digit
// and a Backspace in turn (so the text goes 1234 → 12345 → 1234 ...). The same for
// "Facturas Recibidas". Each keystroke is timed on its own; the app field and the plain
// field take turns keystroke by keystroke, and the medians are quoted.
//
// Two passes: the key click alone (the slots run, the repaints are only scheduled), and
// the key click followed by processing the pending events (the changed fields repainted).
//
// For comparison it also times a keystroke that marks a field: the ninth character of an
// invalid identifier in "NiF/CiF" of "Alta Clientes y Proveedores", which sets the
// field's error property and re-applies the window's whole style sheet.
//
// The book holds the owner and the given number of parties (the client and supplier
// lists of the invoice pages are filled from them); the working directory holds the four
// images the window reads. Run it with QT_QPA_PLATFORM=offscreen. Today is set through a
// local fake time server answering with the machine's current time, before anything is
// timed.

#include "App.h"
#include "BenchSupport.h"
#include "DataGenerator.h"
#include "TestSupport.h"

#include <QApplication>
#include <QComboBox>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QSqlDatabase>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QVBoxLayout>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

namespace {

// The images the window reads from its working directory, in the repository.
void copyImagesInto(const QString &directory)
{
    const QDir images(
        QFileInfo(QStringLiteral(__FILE__)).dir().absoluteFilePath(QStringLiteral("../images")));
    const QStringList names = images.entryList({ QStringLiteral("*.png") }, QDir::Files);
    if (names.size() < 4)
        qFatal("the images were not found in %s", qPrintable(images.path()));
    for (const QString &name : names)
        if (!QFile::copy(images.filePath(name), QDir(directory).filePath(name)))
            qFatal("cannot copy %s", qPrintable(name));
}

void typeDigits(QWidget *field, const char *digits)
{
    for (const char *digit = digits; *digit; ++digit)
        QTest::keyClick(field, *digit);
}

// A top-level window holding one line edit with the validator and maximum length of
// `model`, connected to nothing.
struct PlainField {
    std::unique_ptr<QWidget> window;
    QLineEdit *field = nullptr;

    explicit PlainField(const QLineEdit *model)
        : window(std::make_unique<QWidget>())
    {
        window->setFixedSize(200, 60);
        auto *layout = new QVBoxLayout(window.get());
        field = new QLineEdit(window.get());
        field->setFixedSize(model->size());
        field->setMaxLength(model->maxLength());
        const auto *validator = qobject_cast<const QRegularExpressionValidator *>(model->validator());
        if (!validator)
            qFatal("the model field has no regular-expression validator");
        field->setValidator(new QRegularExpressionValidator(validator->regularExpression(), field));
        layout->addWidget(field);
        window->show();
        if (!QTest::qWaitForWindowExposed(window.get()))
            qFatal("the plain field's window was not exposed");
    }
};

struct Pass {
    double field = 0; // median per keystroke, microseconds
    double plain = 0;
};

// Alternately one keystroke into `field` and one into `plain`; each keystroke is a digit
// or a Backspace in turn, starting with the digit. With `paint`, each keystroke also
// processes the pending events.
Pass timeKeystrokes(QLineEdit *field, QLineEdit *plain, int keystrokes, bool paint)
{
    std::vector<double> onField;
    std::vector<double> onPlain;
    const auto press = [paint](QLineEdit *target, int i) {
        QElapsedTimer timer;
        timer.start();
        if (i % 2 == 0)
            QTest::keyClick(target, '5');
        else
            QTest::keyClick(target, Qt::Key_Backspace);
        if (paint)
            QCoreApplication::processEvents();
        return microsecondsOf(timer);
    };
    // A few untimed keystrokes first.
    for (int i = 0; i < 20; ++i) {
        press(field, i);
        press(plain, i);
    }
    for (int i = 0; i < keystrokes; ++i) {
        // Which field goes first alternates with each pair.
        if ((i / 2) % 2 == 0) {
            onField.push_back(press(field, i));
            onPlain.push_back(press(plain, i));
        } else {
            onPlain.push_back(press(plain, i));
            onField.push_back(press(field, i));
        }
    }
    return { median(onField), median(onPlain) };
}

void report(const char *what, const Pass &pass)
{
    std::printf("%-58s %8.1f us   plain field %6.1f us   ratio %5.1f   difference %7.1f us\n", what,
        pass.field, pass.plain, pass.field / pass.plain, pass.field - pass.plain);
}

} // namespace

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    const QStringList arguments = application.arguments();
    const int keystrokes = arguments.size() > 1 ? arguments.at(1).toInt() : 2000;
    const int parties = arguments.size() > 2 ? arguments.at(2).toInt() : 0;
    if (keystrokes <= 0 || parties < 0)
        qFatal("usage: bench_keystroke [keystrokes per field and pass] [parties in cap]");

    QTemporaryDir scratch;
    QDir::setCurrent(scratch.path());
    const QDateTime now = QDateTime::currentDateTimeUtc();
    // The owner, so the tabs show, and the parties (with as many invoices and other
    // entries, which the keystrokes do not read).
    generateDatabase(scratch.filePath(QStringLiteral("data.db")), parties, now.date().year());
    copyImagesInto(scratch.path());

    FakeTimeServer server;
    server.answerWith(now);
    App app(QStringLiteral("127.0.0.1"), server.m_socket.localPort());
    if (!QTest::qWaitForWindowExposed(&app))
        qFatal("the window was not exposed");
    waitForToday(app);

    std::printf("platform %s, %d parties in cap, %d keystrokes per field and pass, medians per keystroke\n",
        qPrintable(QGuiApplication::platformName()), parties, keystrokes);

    // "Facturas Emitidas", type 0, rate 21 and base 1234 on line 1.
    app.tabs()->setCurrentIndex(1);
    const IssuedPage &issued = app.issuedPage();
    issued.type->setCurrentIndex(0);
    QCoreApplication::processEvents();
    typeDigits(issued.lines[0].rate, "21");
    typeDigits(issued.lines[0].base, "1234");
    QCoreApplication::processEvents();
    if (issued.lines[0].quota->text() != QStringLiteral("259.14")
        || issued.total->text() != QStringLiteral("1493.14"))
        qFatal("issued: quota %s, total %s", qPrintable(issued.lines[0].quota->text()),
            qPrintable(issued.total->text()));
    {
        PlainField plain(issued.lines[0].base);
        report("Facturas Emitidas, base 1 (key click only)",
            timeKeystrokes(issued.lines[0].base, plain.field, keystrokes, false));
        report("Facturas Emitidas, base 1 (key click + events, repaint)",
            timeKeystrokes(issued.lines[0].base, plain.field, keystrokes, true));
    }
    // Ends on a Backspace: the field is back at 1234, so the quota must be too.
    if (issued.lines[0].quota->text() != QStringLiteral("259.14"))
        qFatal("issued: quota %s after the keystrokes", qPrintable(issued.lines[0].quota->text()));

    // "Facturas Recibidas", the same.
    app.tabs()->setCurrentIndex(2);
    const ReceivedPage &received = app.receivedPage();
    received.type->setCurrentIndex(0);
    QCoreApplication::processEvents();
    typeDigits(received.lines[0].rate, "21");
    typeDigits(received.lines[0].base, "1234");
    QCoreApplication::processEvents();
    if (received.lines[0].quota->text() != QStringLiteral("259.14")
        || received.total->text() != QStringLiteral("1493.14"))
        qFatal("received: quota %s, total %s", qPrintable(received.lines[0].quota->text()),
            qPrintable(received.total->text()));
    {
        PlainField plain(received.lines[0].base);
        report("Facturas Recibidas, base 1 (key click only)",
            timeKeystrokes(received.lines[0].base, plain.field, keystrokes, false));
        report("Facturas Recibidas, base 1 (key click + events, repaint)",
            timeKeystrokes(received.lines[0].base, plain.field, keystrokes, true));
    }

    // For comparison: a keystroke that marks a field. "12345678" then "9" is an invalid
    // identifier, so the ninth character marks the field (the style sheet re-applied);
    // the Backspace back to eight characters runs no check. Fewer keystrokes: each
    // marking costs far more.
    app.tabs()->setCurrentIndex(0);
    QLineEdit *nif = app.partiesPage().nif;
    typeDigits(nif, "12345678");
    QCoreApplication::processEvents();
    {
        PlainField plain(nif);
        typeDigits(plain.field, "12345678");
        const int markings = std::max(keystrokes / 10, 20);
        for (const bool paint : { false, true }) {
            std::vector<double> marking, unmarking, plainNinth;
            for (int i = 0; i < markings; ++i) {
                QElapsedTimer timer;
                timer.start();
                QTest::keyClick(nif, '9');
                if (paint)
                    QCoreApplication::processEvents();
                marking.push_back(microsecondsOf(timer));
                if (nif->property("error").toBool() != true)
                    qFatal("the identifier field was not marked");
                timer.restart();
                QTest::keyClick(nif, Qt::Key_Backspace);
                if (paint)
                    QCoreApplication::processEvents();
                unmarking.push_back(microsecondsOf(timer));
                timer.restart();
                QTest::keyClick(plain.field, '9');
                if (paint)
                    QCoreApplication::processEvents();
                plainNinth.push_back(microsecondsOf(timer));
                QTest::keyClick(plain.field, Qt::Key_Backspace);
                QCoreApplication::processEvents();
            }
            report(paint ? "NiF/CiF, 9th char marks the field (key click + events)"
                         : "NiF/CiF, 9th char marks the field (key click only)",
                { median(marking), median(plainNinth) });
            std::printf("%-58s %8.1f us\n", "NiF/CiF, Backspace to 8 chars (no check)", median(unmarking));
        }
    }
    return 0;
}
