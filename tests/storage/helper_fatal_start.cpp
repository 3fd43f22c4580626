#include "TestSupport.h"

#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    BoxResponder responder;
    responder.m_onBox = [](const BoxResponder::Box &box) { // each box as "icon|title|text"
        std::printf("%d|%s|%s\n", int(box.icon), qPrintable(box.title), qPrintable(box.text));
        std::fflush(stdout);
    };
    App window(QStringLiteral("127.0.0.1"), 9); // a local address nobody answers on
    return std::puts("started") < 0;
}
