// The exchange with the time server: the request, and the replies that set today.

#include "App.h"

#include <QComboBox>
#include <QDateEdit>
#include <QTimer>
#include <QUdpSocket>

void App::connectSuccsess()
{
    requestTime();
}

void App::requestTime()
{
    switch (m_udpSocket->state()) {
    case QAbstractSocket::ConnectedState:
        m_udpSocket->write(timeServerRequest());
        break;
    case QAbstractSocket::UnconnectedState:
        // The name could not be looked up (no network yet): look it up and connect again;
        // connectSuccsess() asks once connected.
        m_udpSocket->connectToHost(m_timeServerHost, m_timeServerPort, QIODevice::ReadWrite);
        break;
    default: // looking up or connecting: connectSuccsess() asks then
        break;
    }
}

void App::processPendingDatagrams()
{
    // A datagram is read even when none readable is pending: an error (the port unreachable
    // for a moment) is announced too, and only a read lets the socket announce the next reply.
    do {
        // Only the first 48 bytes of a datagram are read; the rest is dropped.
        QByteArray reply(48, '\0');
        const qint64 size = m_udpSocket->readDatagram(reply.data(), reply.size());
        reply.resize(int(qMax<qint64>(size, 0)));
        if (const std::optional<quint32> seconds = transmitSeconds(reply))
            setToday(dateTimeFromNtpSeconds(*seconds));
    } while (m_udpSocket->hasPendingDatagrams());
}

void App::setToday(const QDateTime &moment)
{
    m_today = moment;
    m_timeRetry->stop();
    if (m_datesInitialised)
        return;
    m_datesInitialised = true;
    for (const DateField &field : m_dates)
        field.edit->setDate(m_today.date());
    for (int year = 2014; year <= m_today.date().year(); ++year)
        m_results.year->addItem(QString::number(year));
    m_results.year->setCurrentIndex(-1);
}
