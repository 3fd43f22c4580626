#include "TestSupport.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    BoxResponder responder;
    responder.setEcho(true);
    App window(QStringLiteral("127.0.0.1"), 9); // a local address nobody answers on
    return std::puts("started") < 0;
}
