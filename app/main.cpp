#include "App.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    int exitCode = 0;
    {
        App window;
        exitCode = application.exec();
    }
    return exitCode;
}
