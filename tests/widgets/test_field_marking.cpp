#include "WindowFixture.h"

#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

// A field that fails a check must really show red, and white again once it passes: the
// mark lives in a dynamic property that the window's style sheet reads.
class TestFieldMarking final : public QObject {
    Q_OBJECT

private slots:
    void markedFieldShowsRedUntilItPasses();
};

namespace {
QColor middleColour(QWidget *field)
{
    const QImage image = field->grab().toImage();
    return image.pixelColor(image.width() / 2, image.height() / 2);
}
} // namespace

void TestFieldMarking::markedFieldShowsRedUntilItPasses()
{
    WindowFixture window;
    insertOwner();
    QVERIFY(window.startOn(QDate(2026, 3, 15)));
    const OtherEntriesPage &page = window.app->otherEntriesPage();

    QCOMPARE(middleColour(page.amount), QColor(Qt::white));
    page.save->click();
    QCOMPARE(window.responder.texts(), QStringList{ QStringLiteral("Este campo es obligatorio.") });
    QCOMPARE(middleColour(page.amount), QColor(Qt::red));

    // Typing alone does not unmark; the next check that passes does.
    typeText(page.amount, QStringLiteral("12"));
    QCOMPARE(middleColour(page.amount), QColor(Qt::red));
    page.save->click();
    QCOMPARE(window.responder.texts().last(), QStringLiteral("Debe seleccionar una cuenta contable."));
    QCOMPARE(middleColour(page.amount), QColor(Qt::white));
    QCOMPARE(window.takeBoxes().size(), 2);
}

QTEST_MAIN(TestFieldMarking)
#include "test_field_marking.moc"
