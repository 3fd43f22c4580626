// The window as a whole: what it shows first, the tab order, a marked field's colour, each page's
// help, the two-choice question, and every text of every page readable in each state it can show.

#include "TestSupport.h"

#include "widgets/MessageBoxes.h"

namespace {

// The tab (-1: the registration form), then steps of WindowFixture::perform on its page.
const char *const states[] = { "-1 nif=M1234565H technician=2", "0", "0 browse", "1", "1 type=0", "1 type=1",
    "1 type=0 retail", "1 type=0 surcharge", "1 type=0 cashBasis", "1 type=0 withholding rental",
    "1 type=0 withholding reverseCharge", "2", "2 type=0", "2 type=1", "2 type=0 investments",
    "2 type=0 retail", "2 type=0 withholding professionals", "2 type=0 withholding reverseCharge", "3",
    "4 quarter=3 year=2 month=8", "5" };

// What a widget shows on its page: of a label without an image, its text as drawn.
QRect shownRect(const QWidget *widget)
{
    auto *label = qobject_cast<const QLabel *>(widget);
    if (!label || !label->pixmap().isNull())
        return widget->geometry();
    const QRect text
        = label->fontMetrics().boundingRect(label->contentsRect(), int(label->alignment()), label->text());
    return text.translated(label->pos());
}

// The width a field or a list gives its text (a field's text must not scroll while the cursor
// goes from its start to its end), or none for another widget.
int room(QWidget *widget)
{
    if (auto *field = qobject_cast<QLineEdit *>(widget)) {
        const auto cursorX = [field](bool end) {
            end ? field->end(false) : field->home(false);
            field->grab(); // the field scrolls as it paints
            return field->inputMethodQuery(Qt::ImCursorRectangle).toRect().x();
        };
        return -cursorX(false) + cursorX(true);
    }
    if (!qobject_cast<QComboBox *>(widget))
        return INT_MAX;
    QStyleOptionComboBox option;
    option.initFrom(widget);
    const QRect edit
        = widget->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, widget);
    return edit.width();
}

// Each problem of a page: a label's text past its box or the page, or within 2 px of a widget beside it, a
// shown widget over another (only an image may lie under something), a field or list's text not whole.
QStringList problems(const QWidget *page)
{
    QStringList problems;
    QList<QWidget *> shown; // bottom to top
    for (QWidget *widget : page->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly)) {
        auto *label = qobject_cast<const QLabel *>(widget);
        if (!widget->isHidden() && !(label && label->text().isEmpty() && label->pixmap().isNull()))
            shown << widget;
    }
    for (qsizetype i = 0; i < shown.size(); ++i) {
        const QRect rect = shownRect(shown[i]);
        auto *label = qobject_cast<QLabel *>(shown[i]);
        const bool image = label && !label->pixmap().isNull();
        const QString name = shown[i]->objectName() + (label ? " \"" + label->text() + '"' : QString());
        if (label && !(page->rect().contains(rect) && shown[i]->geometry().contains(rect)))
            problems << name + " cut";
        for (qsizetype j = i + 1; j < shown.size(); ++j)
            if (!image && shownRect(shown[j]).intersects(label ? rect.adjusted(-2, 0, 2, 0) : rect))
                problems << name + " covered by " + shown[j]->objectName();
        const QString text
            = shown[i]->property(qobject_cast<QComboBox *>(shown[i]) ? "currentText" : "text").toString();
        if (room(shown[i]) < qRound(QFontMetricsF(shown[i]->font()).horizontalAdvance(text)))
            problems << QStringLiteral("%1 \"%2\" shown in %3 px").arg(name, text).arg(room(shown[i]));
    }
    return problems;
}

// The WCAG contrast of an item's text with its background, the commonest colour in it.
double contrastIn(const QImage &image, const QRect &item)
{
    const auto luminance = [](QRgb rgb) {
        const auto linear
            = [](int v) { return v <= 10 ? v / 3294.6 : std::pow((v / 255.0 + 0.055) / 1.055, 2.4); };
        return 0.05 + 0.2126 * linear(qRed(rgb)) + 0.7152 * linear(qGreen(rgb)) + 0.0722 * linear(qBlue(rgb));
    };
    QHash<QRgb, int> counts;
    QRgb background = image.pixel(item.topLeft());
    double darkest = 2, lightest = 0;
    for (int i = 0; i < item.width() * item.height(); ++i) {
        const QRgb pixel = image.pixel(item.left() + i % item.width(), item.top() + i / item.width());
        background = ++counts[pixel] > counts[background] ? pixel : background;
        darkest = std::min(darkest, luminance(pixel)), lightest = std::max(lightest, luminance(pixel));
    }
    return std::max(luminance(background) / darkest, lightest / luminance(background));
}

// Each pop-up item (a day, a list's item, the highlighted one too) cut or contrasting less than 4.5 : 1.
QStringList popUpProblems(QWidget *page)
{
    QStringList problems;
    QList<QAbstractItemView *> views;
    for (QComboBox *list : page->findChildren<QComboBox *>())
        if (!list->isHidden() && list->count() > 0)
            list->showPopup(), views << list->view();
    for (QCalendarWidget *calendar : page->findChildren<QCalendarWidget *>())
        qobject_cast<QMenu *>(calendar->parentWidget())->popup({}),
            views << calendar->findChild<QAbstractItemView *>();
    for (QAbstractItemView *view : views) {
        view->setCurrentIndex(view->model()->index(1, view->model()->columnCount() > 1)); // a day, or an item
        const QImage image = view->viewport()->grab().toImage();
        const int columns = view->model()->columnCount();
        for (int i = 0; i < view->model()->rowCount() * columns; ++i) {
            const QModelIndex index = view->model()->index(i / columns, i % columns);
            const QRect item = view->visualRect(index) & view->viewport()->rect();
            const QString name = view->objectName() + ' ' + index.data().toString();
            if (!item.isEmpty() && !index.data().toString().isEmpty() && contrastIn(image, item) < 4.5)
                problems << name + " contrast " + QString::number(contrastIn(image, item));
            if (view->itemDelegate()->sizeHint({}, index).width() > view->viewport()->width())
                problems << name + " cut";
        }
        view->window()->hide();
    }
    return problems;
}

} // namespace

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
               "Facturas Recibidas|Otros Gastos e Ingresos|IVA y resultados|Enviar datos asesoría|"
               "Fecha|Importe|Cuenta Gastos|IVA|Trimestre|IVA Soportado|IVA Repercutido|Resultado|"
               "Compensaciones del\nTrimestre Anterior|(Debe introducir a mano este dato).|"
               "Resultado final|IVA Soportado (Azul)\nIVA Repercutido (Rojo)|Datos y Resultado|Año|Mes|"
               "Ingresos|Gastos|Resultado|BRIVANA";
    }
    // The title, then the tabs and the captions of the last three pages or the registration
    // form, in a window fixed at 800 × 480 whose
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
        for (int i = 3; app.tabs()->isVisible() && i < app.tabs()->count(); ++i) // the last pages' captions
            for (const QLabel *label : app.tabs()->widget(i)->findChildren<QLabel *>())
                shown << (label->isHidden() ? QString() : label->text());
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
            const QImage image = f.names.value("other.amount")->grab().toImage();
            colours << image.pixelColor(image.width() / 2, image.height() / 2);
            f.perform(words(step));
        }
        QCOMPARE(colours, (QList<QColor>{ Qt::white, Qt::red, Qt::red, Qt::white }));
        QCOMPARE(f.takeBoxes(),
            (QStringList{ "warning|Error|Este campo es obligatorio.",
                "warning|Error|Debe seleccionar una cuenta contable." }));

        for (const QString page : { "parties", "issued", "received", "other", "results", "export" }) {
            f.app->tabs()->setCurrentWidget(f.names.value(page));
            f.perform({ page + ".help" });
        }
        QStringList boxes = f.takeBoxes(), texts = boxes;
        QVERIFY(boxes.last().contains("carpeta de trabajo del programa")
            && boxes.last().contains("Documentos/Brivana"));
        QCOMPARE(texts.replaceInStrings(QRegularExpression("^[^|]*\\|[^|]*\\|"), "").removeDuplicates(), 0);
        QCOMPARE(boxes.replaceInStrings(QRegularExpression("\\|[^|]*$"), ""),
            (QStringList{ "information|Alta de Clientes y Proveedores", "information|Facturas Emitidas",
                "information|Facturas Recibidas", "information|Otros Gastos e Ingresos",
                "information|IVA y Resultados", "information|Emvoar datos a la asesoría" }));
    }

    // The cautious answer comes first and is the default; Escape and closing answer nothing.
    void twoChoiceQuestion()
    {
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
            nullptr, QMessageBox::Warning, "Información", "¿Seguro?", "Rectificar", "Continuar"));
        QCOMPARE(seen.join(' '), "Rectificar Continuar open 0");
    }

    void textsReadable_data()
    {
        QTest::addColumn<QStringList>("steps");
        for (const char *state : states)
            QTest::newRow(state) << words(state);
    }
    void textsReadable()
    {
        QFETCH(QStringList, steps);
        WindowFixture f;
        const int tab = steps.takeFirst().toInt();
        if (tab >= 0) {
            insertOwner();
            insertParty(0, 43000001, QStringLiteral("M1234565H"), QStringLiteral("Talleres Moreno S.L."));
        }
        QVERIFY(f.start(tab));
        QWidget *page = tab >= 0 ? f.app->tabs()->currentWidget() : f.app->registrationPage().frame;
        f.perform(steps.replaceInStrings(QRegularExpression("^"), page->objectName() + '.'));
        QVERIFY(!QApplication::activeModalWidget() && f.responder.m_answers.isEmpty());
        QWidget *search = f.app->partiesPage().searchNif->parentWidget(); // the register's search menu
        search->adjustSize();
        const QStringList found = problems(page) + problems(search) + popUpProblems(page);
        QVERIFY2(found.isEmpty(), qPrintable(found.join("; ")));
    }
};

QTEST_MAIN(TestWindow)
#include "test_window.moc"
