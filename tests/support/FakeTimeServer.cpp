#include "FakeTimeServer.h"

#include <QNetworkDatagram>

FakeTimeServer::FakeTimeServer(QObject *parent)
    : QObject(parent)
{
    m_socket.bind(QHostAddress::LocalHost, 0);
    connect(&m_socket, &QUdpSocket::readyRead, this, &FakeTimeServer::readRequests);
}

void FakeTimeServer::answerWithSeconds(quint32 seconds)
{
    m_reply = replyWithSeconds(seconds);
}

quint32 FakeTimeServer::ntpSeconds(const QDateTime &moment)
{
    return quint32(moment.toSecsSinceEpoch() + 2208988800LL);
}

QByteArray FakeTimeServer::replyWithSeconds(quint32 seconds)
{
    QByteArray reply(48, '\0');
    reply[0] = 0x24; // leap 0, version 4, mode 4 (server)
    reply[40] = char((seconds >> 24) & 0xff);
    reply[41] = char((seconds >> 16) & 0xff);
    reply[42] = char((seconds >> 8) & 0xff);
    reply[43] = char(seconds & 0xff);
    return reply;
}

void FakeTimeServer::readRequests()
{
    while (m_socket.hasPendingDatagrams()) {
        const QNetworkDatagram request = m_socket.receiveDatagram();
        ++m_requests;
        m_lastRequest = request.data();
        if (m_reply)
            m_socket.writeDatagram(*m_reply, request.senderAddress(), quint16(request.senderPort()));
    }
}
