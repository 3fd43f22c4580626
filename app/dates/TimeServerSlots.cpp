// The exchange with the time server: the request, and the replies that set today.

#include "App.h"

#include <QComboBox>
#include <QDateEdit>
#include <QUdpSocket>

void App::connectSuccsess()
{
    requestTime();
}

void App::requestTime()
{
    // Before the host is found there is no peer to write to; connectSuccsess() asks then.
    if (m_udpSocket->state() == QAbstractSocket::ConnectedState)
        m_udpSocket->write(timeServerRequest());
}

void App::processPendingDatagrams()
{
    if (!m_udpSocket->hasPendingDatagrams())
        return;
    // Only the first 48 bytes of a datagram are read; the rest is dropped.
    QByteArray reply(48, '\0');
    const qint64 size = m_udpSocket->readDatagram(reply.data(), reply.size());
    reply.resize(int(qMax<qint64>(size, 0)));
    const std::optional<quint32> seconds = transmitSeconds(reply);
    if (!seconds)
        return;

    m_today = dateTimeFromNtpSeconds(*seconds);
    if (m_datesInitialised)
        return;
    m_datesInitialised = true;
    for (const DateField &field : m_dates)
        field.edit->setDate(m_today.date());
    for (int year = 2014; year <= m_today.date().year(); ++year)
        m_results.year->addItem(QString::number(year));
    m_results.year->setCurrentIndex(-1);
}
