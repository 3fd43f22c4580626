#pragma once

#include <QWidget>

#include <array>

// Two shares, in percent, drawn as a blue and a red slice of one pie.
class PieChart : public QWidget {
    Q_OBJECT

public:
    // The angles of the two slices, in sixteenths of a degree counter-clockwise from
    // three o'clock; draw is false when there is nothing to draw.
    struct Slices {
        bool draw = false;
        int blueSpan = 0;
        int redStart = 0;
        int redSpan = 0;
    };

    explicit PieChart(QWidget *parent = nullptr);

    // Stores both shares and repaints at once.
    void setValues(float blue, float red);
    float blue() const { return m_values[0]; }
    float red() const { return m_values[1]; }

    static Slices slicesFor(float blue, float red);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    std::array<float, 2> m_values{ 0.0f, 0.0f };
};
