// The window started in the current folder, printing each box it shows, for tests of a
// start-up that ends the process.
#include "TestSupport.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    BoxResponder responder;
    responder.setEcho(true);
    App window(QStringLiteral("127.0.0.1"), 9); // a local address nobody answers on
    std::printf("started\n");
    return 0;
}
