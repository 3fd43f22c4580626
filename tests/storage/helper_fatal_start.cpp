// Starts the window in the current directory with a responder that prints every box it
// answers, so that a test can watch a start-up that ends the process.

#include "TestSupport.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    BoxResponder responder;
    responder.setEcho(true);
    // A local address keeps the time-server socket off the network; nobody answers there.
    App window(QStringLiteral("127.0.0.1"), 9);
    std::printf("started\n");
    return 0;
}
