#pragma once

#include <QElapsedTimer>

#include <vector>

class App;

// What every benchmark measures with.

// The median of a set of timings.
double median(std::vector<double> values);

inline double millisecondsOf(const QElapsedTimer &timer)
{
    return double(timer.nsecsElapsed()) / 1e6;
}
inline double microsecondsOf(const QElapsedTimer &timer)
{
    return double(timer.nsecsElapsed()) / 1e3;
}

// Waits until the window knows today's date from the fake time server; ends the
// benchmark when no answer comes within ten seconds.
void waitForToday(const App &app);
