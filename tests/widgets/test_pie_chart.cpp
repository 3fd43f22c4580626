#include "widgets/PieChart.h"

#include <QImage>
#include <QTest>

#include <cmath>
#include <limits>

namespace {
constexpr float notANumber = std::numeric_limits<float>::quiet_NaN();
constexpr float infinite = std::numeric_limits<float>::infinity();
const QColor background(Qt::white);
} // namespace

class TestPieChart final : public QObject {
    Q_OBJECT

private slots:
    void angles_data();
    void angles();
    void painting_data();
    void painting();
    void widerWidgetDrawsLargerPie();
};

void TestPieChart::angles_data()
{
    QTest::addColumn<float>("blue");
    QTest::addColumn<float>("red");
    QTest::addColumn<bool>("draw");
    QTest::addColumn<int>("blueSpan");
    QTest::addColumn<int>("redStart");
    QTest::addColumn<int>("redSpan");

    QTest::newRow("quarter and three quarters") << 25.0f << 75.0f << true << 1440 << 1440 << 4320;
    QTest::newRow("all blue") << 100.0f << 0.0f << true << 5760 << 5760 << 0;
    QTest::newRow("all red") << 0.0f << 100.0f << true << 0 << 0 << 5760;
    // Truncation, not rounding: 1918.08 and 3841.92 leave a gap of one sixteenth.
    QTest::newRow("thirds truncate") << 33.3f << 66.7f << true << 1918 << 1918 << 3841;
    QTest::newRow("both zero") << 0.0f << 0.0f << false << 0 << 0 << 0;
    QTest::newRow("both not a number") << notANumber << notANumber << false << 0 << 0 << 0;
    // A received total of minus the issued one: the share is s ÷ 0.
    QTest::newRow("infinite shares") << infinite << -infinite << false << 0 << 0 << 0;
    QTest::newRow("one share not a number") << notANumber << 100.0f << false << 0 << 0 << 0;
    // A negative received total that does not cancel the issued one: 150 and -50.
    QTest::newRow("shares beyond 0..100 clamp") << 150.0f << -50.0f << true << 5760 << 5760 << 0;
}

void TestPieChart::angles()
{
    QFETCH(float, blue);
    QFETCH(float, red);
    const PieChart::Slices slices = PieChart::slicesFor(blue, red);
    QTEST(slices.draw, "draw");
    if (!slices.draw)
        return;
    QTEST(slices.blueSpan, "blueSpan");
    QTEST(slices.redStart, "redStart");
    QTEST(slices.redSpan, "redSpan");
}

void TestPieChart::painting_data()
{
    // The 120 × 120 pie is centred at (65, 65) with radius 55. (90, 40) lies in the
    // first 90 degrees counter-clockwise from three o'clock, (40, 90) opposite it.
    QTest::addColumn<float>("blue");
    QTest::addColumn<float>("red");
    QTest::addColumn<QColor>("upperRight");
    QTest::addColumn<QColor>("lowerLeft");

    const QColor blue(Qt::blue);
    const QColor red(Qt::red);
    QTest::newRow("quarter and three quarters") << 25.0f << 75.0f << blue << red;
    QTest::newRow("all blue") << 100.0f << 0.0f << blue << blue;
    QTest::newRow("all red") << 0.0f << 100.0f << red << red;
    QTest::newRow("thirds") << 33.3f << 66.7f << blue << red;
    QTest::newRow("both zero") << 0.0f << 0.0f << background << background;
    QTest::newRow("both not a number") << notANumber << notANumber << background << background;
    QTest::newRow("infinite shares") << infinite << -infinite << background << background;
    QTest::newRow("shares beyond 0..100 clamp") << 150.0f << -50.0f << blue << blue;
}

void TestPieChart::painting()
{
    QFETCH(float, blue);
    QFETCH(float, red);
    PieChart pie;
    pie.setFixedSize(120, 120);
    pie.setValues(blue, red);
    QImage image(120, 120, QImage::Format_RGB32);
    image.fill(background);
    pie.render(&image, QPoint(), QRegion(), QWidget::RenderFlags());

    QTEST(QColor(image.pixel(90, 40)), "upperRight");
    QTEST(QColor(image.pixel(40, 90)), "lowerLeft");
    // Outside the pie's square nothing is ever painted.
    QCOMPARE(QColor(image.pixel(5, 5)), background);
}

void TestPieChart::widerWidgetDrawsLargerPie()
{
    // The side follows the width only: 200 wide gives a pie of side 190 from (10, 10),
    // centred at (105, 105); (175, 95) lies outside a 120-wide pie but inside this one.
    PieChart pie;
    pie.setFixedSize(200, 200);
    pie.setValues(100.0f, 0.0f);
    QImage image(200, 200, QImage::Format_RGB32);
    image.fill(background);
    pie.render(&image, QPoint(), QRegion(), QWidget::RenderFlags());
    QCOMPARE(QColor(image.pixel(175, 95)), QColor(Qt::blue));
    QCOMPARE(QColor(image.pixel(95, 175)), QColor(Qt::blue));
}

QTEST_MAIN(TestPieChart)
#include "test_pie_chart.moc"
