#include "TimeServer.h"

namespace {
constexpr int RequestSize = 48;
constexpr int TransmitSecondsOffset = 40;
} // namespace

QByteArray timeServerRequest()
{
    QByteArray request(RequestSize, '\0');
    request[0] = 0x23;
    return request;
}

std::optional<quint32> transmitSeconds(const QByteArray &reply)
{
    if (reply.size() < RequestSize)
        return std::nullopt;
    quint32 seconds = 0;
    for (int i = 0; i < 4; ++i)
        seconds = (seconds << 8) | quint8(reply.at(TransmitSecondsOffset + i));
    if (seconds == 0)
        return std::nullopt;
    return seconds;
}

QDateTime dateTimeFromNtpSeconds(quint32 seconds)
{
    // Seconds from 1 January 1900 to 1 January 1970.
    const quint32 epochOffset = quint32(QDateTime(QDate(1900, 1, 1), QTime(0, 0), Qt::UTC)
                                            .secsTo(QDateTime(QDate(1970, 1, 1), QTime(0, 0), Qt::UTC)));
    const quint32 unixSeconds = seconds - epochOffset;
    return QDateTime::fromSecsSinceEpoch(qint64(unixSeconds), Qt::LocalTime);
}
