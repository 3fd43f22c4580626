// Every text of every page readable where it stands, in each state a page can show: no
// widget lies over a label's text or over another widget, no label's text runs past its
// box or the page, and fields and lists show their text whole, a wide identifier included.

#include "PageDriving.h"

#include <QLabel>
#include <QStyle>
#include <QStyleOptionComboBox>

namespace {

// A valid identifier of the widest letters the rule admits, stored for browsing and typed
// into the registration form.
const QString wideNif = QStringLiteral("M1234565H");

// A page (tab index, or -1 for the registration form) after steps of
// PageFixture::perform, the widgets named by their object names.
const struct {
    const char *name;
    int tab;
    const char *steps;
} states[] = {
    { "registration", -1, "registration.nif=M1234565H registration.technician=2" },
    { "parties", 0, "" },
    { "parties, browsing", 0, "parties.browse" },
    { "issued", 1, "" },
    { "issued, interior", 1, "issued.type=0" },
    { "issued, intra-community", 1, "issued.type=1" },
    { "issued, retail", 1, "issued.type=0 issued.retail" },
    { "issued, surcharge", 1, "issued.type=0 issued.surcharge" },
    { "issued, cash basis", 1, "issued.type=0 issued.cashBasis" },
    { "issued, withholding", 1, "issued.type=0 issued.withholding issued.rental" },
    { "issued, reverse charge and withholding", 1, "issued.type=0 issued.withholding issued.reverseCharge" },
    { "received", 2, "" },
    { "received, interior", 2, "received.type=0" },
    { "received, intra-community", 2, "received.type=1" },
    { "received, investments", 2, "received.type=0 received.investments" },
    { "received, retail", 2, "received.type=0 received.retail" },
    { "received, withholding", 2, "received.type=0 received.withholding received.professionals" },
    { "received, reverse charge and withholding", 2,
        "received.type=0 received.withholding received.reverseCharge" },
    { "other", 3, "" },
    { "results", 4, "results.quarter=3 results.year=2 results.month=8" },
    { "export", 5, "" },
};

bool isImage(const QWidget *widget)
{
    auto *label = qobject_cast<const QLabel *>(widget);
    return label && !label->pixmap().isNull();
}

QString described(const QWidget *widget)
{
    if (auto *label = qobject_cast<const QLabel *>(widget); label && !isImage(label))
        return QStringLiteral("label \"%1\"").arg(label->text().replace(QLatin1Char('\n'), QLatin1Char(' ')));
    return QString::fromLatin1(widget->metaObject()->className()) + QLatin1Char(' ') + widget->objectName();
}

// What a widget shows on its page: of a label, the text as it draws it in its contents.
QRect shownRect(const QWidget *widget)
{
    auto *label = qobject_cast<const QLabel *>(widget);
    if (!label || isImage(label))
        return widget->geometry();
    return label->fontMetrics()
        .boundingRect(label->contentsRect(), int(label->alignment()), label->text())
        .translated(label->pos());
}

// The labels whose text runs past their box or the page, and the shown widgets that lie
// over one another (only an image may lie under something), one line each.
QStringList overlaps(const QWidget *page)
{
    QStringList problems;
    QList<const QWidget *> shown; // bottom to top
    for (const QWidget *widget : page->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly)) {
        auto *label = qobject_cast<const QLabel *>(widget);
        if (!widget->isHidden() && !(label && label->text().isEmpty() && !isImage(label)))
            shown << widget;
    }
    for (qsizetype i = 0; i < shown.size(); ++i) {
        const QRect rect = shownRect(shown[i]);
        if (qobject_cast<const QLabel *>(shown[i])
            && !(page->rect().contains(rect) && shown[i]->geometry().contains(rect)))
            problems << QStringLiteral("%1 cut: %2 px wide in %3 px")
                            .arg(described(shown[i]))
                            .arg(rect.width())
                            .arg(shown[i]->width());
        for (qsizetype j = i + 1; j < shown.size(); ++j) {
            if (!isImage(shown[i]) && shownRect(shown[j]).intersects(rect))
                problems << QStringLiteral("%1 covered by %2").arg(described(shown[i]), described(shown[j]));
        }
    }
    return problems;
}

// The fields and lists of a page that do not show their text whole. A field's text must
// not scroll while the cursor goes from its start to its end.
QStringList cutTexts(const QWidget *page)
{
    QStringList problems;
    for (QWidget *widget : page->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly)) {
        if (widget->isHidden())
            continue;
        int shown = 0;
        QString text;
        if (auto *field = qobject_cast<QLineEdit *>(widget)) {
            const auto cursorX = [field] {
                field->grab(); // the field scrolls as it paints
                return field->inputMethodQuery(Qt::ImCursorRectangle).toRect().x();
            };
            text = field->text();
            field->home(false);
            const int start = cursorX();
            field->end(false);
            shown = cursorX() - start;
        } else if (auto *list = qobject_cast<QComboBox *>(widget)) {
            QStyleOptionComboBox option;
            option.initFrom(list);
            option.currentText = text = list->currentText();
            shown = list->style()
                        ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, list)
                        .width();
        }
        const int width = qRound(QFontMetricsF(widget->font()).horizontalAdvance(text));
        if (shown < width)
            problems << QStringLiteral("%1 \"%2\": %3 px of text, %4 px shown")
                            .arg(widget->objectName(), text)
                            .arg(width)
                            .arg(shown);
    }
    return problems;
}

} // namespace

class TestLayout final : public QObject {
    Q_OBJECT

private slots:
    void textsReadable_data() { addRows(states); }
    void textsReadable();
};

void TestLayout::textsReadable()
{
    QFETCH(int, row);
    PageFixture f;
    if (states[row].tab >= 0) {
        insertOwner();
        insertParty(0, 43000001, wideNif, QStringLiteral("Talleres Moreno S.L."));
    }
    QVERIFY(f.start(states[row].tab));
    QWidget *page = states[row].tab >= 0 ? f.app->tabs()->currentWidget() : f.app->registrationPage().frame;
    for (QWidget *widget : page->findChildren<QWidget *>())
        f.names.insert(widget->objectName(), widget);
    f.perform(words(QString::fromLatin1(states[row].steps)));
    QVERIFY(f.settled());

    const QStringList problems = overlaps(page) + cutTexts(page);
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1String("; "))));
}

QTEST_MAIN(TestLayout)
#include "test_layout.moc"
