#include "PieChart.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

PieChart::PieChart(QWidget *parent)
    : QWidget(parent)
{
}

void PieChart::setValues(float blue, float red)
{
    m_values = { blue, red };
    repaint();
}

PieChart::Slices PieChart::slicesFor(float blue, float red)
{
    Slices slices;
    // Nothing to draw when neither share is positive (both 0, or 0 ÷ 0), and nothing
    // either when a share is not finite: its angle would be undefined.
    if (!(blue > 0.0f || red > 0.0f) || !std::isfinite(blue) || !std::isfinite(red))
        return slices;
    blue = std::clamp(blue, 0.0f, 100.0f);
    red = std::clamp(red, 0.0f, 100.0f);
    slices.draw = true;
    // Angles truncate toward zero, as the conversion to int does.
    slices.blueSpan = int(3.6 * blue * 16);
    slices.redStart = int(16 * (3.6 * blue));
    slices.redSpan = int(3.6 * red * 16);
    return slices;
}

void PieChart::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const qreal side = width() - 10;
    const QRectF bounds(10, 10, side, side);
    const Slices slices = slicesFor(m_values[0], m_values[1]);
    if (!slices.draw)
        return;
    painter.setBrush(QBrush(Qt::blue));
    painter.drawPie(bounds, 0, slices.blueSpan);
    painter.setBrush(QBrush(Qt::red));
    painter.drawPie(bounds, slices.redStart, slices.redSpan);
}
