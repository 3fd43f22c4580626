#include "BenchSupport.h"

#include "App.h"

#include <QCoreApplication>

#include <algorithm>

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2.0;
}

void waitForToday(const App &app)
{
    QElapsedTimer waiting;
    waiting.start();
    while (!app.today().isValid() && waiting.elapsed() < 10000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 100);
    if (!app.today().isValid())
        qFatal("the fake time server did not answer");
}
