// The window as a whole: what it shows first, the tab order, a marked field's colour, the help
// behind each page's help button and the two-choice question.

#include "TestSupport.h"

#include "widgets/MessageBoxes.h"

class TestWindow final : public QObject {
    Q_OBJECT

private slots:
    void firstView_data()
    {
        QTest::addColumn<bool>("owner");
        QTest::addColumn<QString>("shown");
        QTest::newRow("no owner") << false << "Brivana|registration";
        QTest::newRow("owner")
            << true
            << "Brivana - Reformas del Sur ( Belisor )|Alta Clientes y Proveedores|Facturas Emitidas|"
               "Facturas Recibidas|Otros Gastos e Ingresos|IVA y resultados|Enviar datos asesoría";
    }
    // The title, then the tabs or the registration form, in a window fixed at 800 × 480 whose
    // lists have no item chosen and whose only read-only fields, the results, show "0".
    void firstView()
    {
        QFETCH(bool, owner);
        WindowFixture f;
        if (owner)
            insertOwner();
        QVERIFY(f.start(-1, QDate()));
        const App &app = *f.app;
        QStringList shown{ app.windowTitle() };
        for (int i = 0; app.tabs()->isVisible() && i < app.tabs()->count(); ++i)
            shown << app.tabs()->tabText(i);
        if (app.registrationPage().frame->isVisible())
            shown << "registration";
        for (const QComboBox *list : app.findChildren<QComboBox *>())
            shown << (list->currentIndex() == -1 ? QString() : list->objectName());
        for (const QLineEdit *field : app.findChildren<QLineEdit *>())
            shown << (field->isReadOnly() == (field->text() == "0") ? QString() : field->objectName());
        shown.removeAll(QString());
        QTEST(shown.join('|'), "shown");
        QCOMPARE((QList<QSize>{ app.size(), app.minimumSize(), app.maximumSize() }),
            QList<QSize>(3, { 800, 480 }));
        QCOMPARE(f.takeBoxes(), QStringList());
    }

    // The issued header's tab order (the date follows the invoice number, ahead of the search
    // button built between them), a field red from a failed check until one passes, each page's
    // help (a text of its own under the page's title).
    void tabs()
    {
        WindowFixture f;
        insertOwner();
        QVERIFY(f.start(1));
        QStringList chain;
        f.app->issuedPage().client->setFocus();
        for (int i = 0; i < 4; ++i, QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab))
            chain << QApplication::focusWidget()->objectName();
        QCOMPARE(chain.join(' '), "issued.client issued.series issued.number issued.date");

        f.app->tabs()->setCurrentIndex(3);
        QList<QColor> colours;
        for (const QString step : { "other.save", "other.amount=12", "other.save", "" }) {
            const QImage image = f.widget("other.amount")->grab().toImage();
            colours << image.pixelColor(image.width() / 2, image.height() / 2);
            f.perform(words(step));
        }
        QCOMPARE(colours, (QList<QColor>{ Qt::white, Qt::red, Qt::red, Qt::white }));
        QCOMPARE(f.takeBoxes(),
            (QStringList{ "warning|Error|Este campo es obligatorio.",
                "warning|Error|Debe seleccionar una cuenta contable." }));

        for (const QString page : { "parties", "issued", "received", "other", "results", "export" }) {
            f.app->tabs()->setCurrentWidget(f.widget(page));
            f.perform({ page + ".help" });
        }
        QStringList boxes = f.takeBoxes(), texts = boxes;
        QCOMPARE(texts.replaceInStrings(QRegularExpression("^[^|]*\\|[^|]*\\|"), "").removeDuplicates(), 0);
        QCOMPARE(boxes.replaceInStrings(QRegularExpression("\\|[^|]*$"), ""),
            (QStringList{ "information|Alta de Clientes y Proveedores", "information|Facturas Emitidas",
                "information|Facturas Recibidas", "information|Otros Gastos e Ingresos",
                "information|IVA y Resultados", "information|Emvoar datos a la asesoría" }));
    }

    // The cautious answer comes first and is the default; Escape and closing answer nothing.
    void twoChoiceQuestion()
    {
        ScratchDirectory scratch;
        App app(QStringLiteral("127.0.0.1"), 9);
        QStringList seen;
        QTimer::singleShot(0, this, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            QList<QAbstractButton *> buttons = box->buttons();
            std::sort(buttons.begin(), buttons.end(), [](auto *a, auto *b) { return a->x() < b->x(); });
            for (const QAbstractButton *button : buttons)
                seen << button->text();
            QTest::keyClick(box, Qt::Key_Escape);
            box->close();
            seen << (box->isVisible() ? "open" : "closed");
            QTest::keyClick(box, Qt::Key_Return);
            if (box->isVisible()) // never left open, whatever happened
                box->done(0);
        });
        seen << QString::number(MessageBoxes::confirm(
            &app, QMessageBox::Warning, "Información", "¿Seguro?", "Rectificar", "Continuar"));
        QCOMPARE(seen.join(' '), "Rectificar Continuar open 0");
    }
};

QTEST_MAIN(TestWindow)
#include "test_window.moc"
