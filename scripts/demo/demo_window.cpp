// brivana_demo: the real Brivana window with a known today, for the screenshots.
//
//   brivana_demo [yyyy-MM-dd, default 2026-11-20]
//
// The program takes today's date from a time server; where none can be reached its
// "Fecha" fields stay at 01/01/2000 and the results page has no year. This starts the
// tests' fake time server on 127.0.0.1, answering every request with noon (UTC) of the
// chosen day, and points the window at it. Everything else is the program as the user
// runs it: it reads its images and data.db from the working folder.
// scripts/screenshots.sh builds and runs it; it is not installed.

#include "App.h"
#include "TestSupport.h"

#include <QApplication>
#include <QDate>
#include <QDateTime>
#include <QTime>

#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);

    QDate day(2026, 11, 20);
    if (argc > 1) {
        day = QDate::fromString(QString::fromLocal8Bit(argv[1]), Qt::ISODate);
        if (!day.isValid()) {
            std::fprintf(stderr, "usage: %s [yyyy-MM-dd]\n", argv[0]);
            return 2;
        }
    }

    FakeTimeServer server;
    server.answerWith(QDateTime(day, QTime(12, 0), Qt::UTC));

    int exitCode = 0;
    {
        App window(QStringLiteral("127.0.0.1"), server.m_socket.localPort());
        exitCode = application.exec();
    }
    return exitCode;
}
