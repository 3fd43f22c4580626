// Every text of every page readable where it stands, in each state a page can show: no widget
// lies over a label's text or over another widget, no label's text runs past its box or the
// page, and fields and lists show their text whole, a wide identifier included.

#include "TestSupport.h"

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

// Each problem of a page: a label's text past its box or the page, a shown widget over another
// (only an image may lie under something), a field or list not showing its text whole.
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
            if (!image && shownRect(shown[j]).intersects(rect))
                problems << name + " covered by " + shown[j]->objectName();
        const QString text
            = shown[i]->property(qobject_cast<QComboBox *>(shown[i]) ? "currentText" : "text").toString();
        if (room(shown[i]) < qRound(QFontMetricsF(shown[i]->font()).horizontalAdvance(text)))
            problems << QStringLiteral("%1 \"%2\" shown in %3 px").arg(name, text).arg(room(shown[i]));
    }
    return problems;
}

} // namespace

class TestLayout final : public QObject {
    Q_OBJECT

private slots:
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
        QVERIFY(!QApplication::activeModalWidget() && f.responder.pendingAnswers() == 0);
        const QStringList found = problems(page);
        QVERIFY2(found.isEmpty(), qPrintable(found.join("; ")));
    }
};

QTEST_MAIN(TestLayout)
#include "test_layout.moc"
