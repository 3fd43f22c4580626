#include "widgets/PieChart.h"

#include <QImage>
#include <QTest>

#include <limits>

namespace {
constexpr float notANumber = std::numeric_limits<float>::quiet_NaN();
constexpr float infinite = std::numeric_limits<float>::infinity();
const QColor background(Qt::white);

// The pie of a widget of this width, painted into a white image of its size.
QImage painted(int side, float blue, float red)
{
    PieChart pie;
    pie.setFixedSize(side, side);
    pie.setValues(blue, red);
    QImage image(side, side, QImage::Format_RGB32);
    image.fill(background);
    pie.render(&image, QPoint(), QRegion(), QWidget::RenderFlags());
    return image;
}
} // namespace

class TestPieChart final : public QObject {
    Q_OBJECT

private slots:
    void anglesAndPainting_data();
    void anglesAndPainting();
    void widerWidgetDrawsLargerPie();
};

void TestPieChart::anglesAndPainting_data()
{
    QTest::addColumn<float>("blue");
    QTest::addColumn<float>("red");
    // Spans in sixteenths of a degree, or none when nothing is drawn.
    QTest::addColumn<QList<int>>("blueSpanRedStartRedSpan");
    QTest::addColumn<QColor>("upperRight");
    QTest::addColumn<QColor>("lowerLeft");

    const QColor blue(Qt::blue);
    const QColor red(Qt::red);
    const QList<int> none;
    QTest::newRow("quarter and three quarters")
        << 25.0f << 75.0f << QList<int>{ 1440, 1440, 4320 } << blue << red;
    QTest::newRow("all blue") << 100.0f << 0.0f << QList<int>{ 5760, 5760, 0 } << blue << blue;
    QTest::newRow("all red") << 0.0f << 100.0f << QList<int>{ 0, 0, 5760 } << red << red;
    // Truncation, not rounding: 1918.08 and 3841.92 leave a gap of one sixteenth.
    QTest::newRow("thirds truncate") << 33.3f << 66.7f << QList<int>{ 1918, 1918, 3841 } << blue << red;
    QTest::newRow("both zero") << 0.0f << 0.0f << none << background << background;
    QTest::newRow("both not a number") << notANumber << notANumber << none << background << background;
    // A received total of minus the issued one: the share is s ÷ 0.
    QTest::newRow("infinite shares") << infinite << -infinite << none << background << background;
    QTest::newRow("one share not a number") << notANumber << 100.0f << none << background << background;
    // A negative received total that does not cancel the issued one: 150 and -50.
    QTest::newRow("shares beyond 0..100 clamp")
        << 150.0f << -50.0f << QList<int>{ 5760, 5760, 0 } << blue << blue;
}

void TestPieChart::anglesAndPainting()
{
    QFETCH(float, blue);
    QFETCH(float, red);
    QFETCH(QList<int>, blueSpanRedStartRedSpan);
    const PieChart::Slices slices = PieChart::slicesFor(blue, red);
    QCOMPARE(slices.draw, !blueSpanRedStartRedSpan.isEmpty());
    if (slices.draw)
        QCOMPARE((QList<int>{ slices.blueSpan, slices.redStart, slices.redSpan }), blueSpanRedStartRedSpan);

    // The 120 × 120 pie is centred at (65, 65) with radius 55. (90, 40) lies in the first
    // 90 degrees counter-clockwise from three o'clock, (40, 90) opposite it.
    const QImage image = painted(120, blue, red);
    QTEST(QColor(image.pixel(90, 40)), "upperRight");
    QTEST(QColor(image.pixel(40, 90)), "lowerLeft");
    // Outside the pie's square nothing is ever painted.
    QCOMPARE(QColor(image.pixel(5, 5)), background);
}

void TestPieChart::widerWidgetDrawsLargerPie()
{
    // The side follows the width only: 200 wide gives a pie of side 190 from (10, 10),
    // centred at (105, 105); (175, 95) lies outside a 120-wide pie but inside this one.
    const QImage image = painted(200, 100.0f, 0.0f);
    QCOMPARE(QColor(image.pixel(175, 95)), QColor(Qt::blue));
    QCOMPARE(QColor(image.pixel(95, 175)), QColor(Qt::blue));
}

QTEST_MAIN(TestPieChart)
#include "test_pie_chart.moc"
