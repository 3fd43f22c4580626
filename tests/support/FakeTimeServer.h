#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QObject>
#include <QUdpSocket>

#include <optional>

// A time server on 127.0.0.1 that answers each request with a chosen reply.
class FakeTimeServer : public QObject {
    Q_OBJECT

public:
    explicit FakeTimeServer(QObject* parent = nullptr);

    quint16 port() const { return m_socket.localPort(); }

    // Answer with a full 48-byte reply whose transmit seconds are these.
    void answerWithSeconds(quint32 ntpSeconds);
    void answerWith(const QDateTime& moment) { answerWithSeconds(ntpSeconds(moment)); }
    // Answer with exactly these bytes.
    void answerWithBytes(const QByteArray& reply) { m_reply = reply; }
    // Do not answer at all.
    void stayQuiet() { m_reply.reset(); }

    int requestCount() const { return m_requests; }
    QByteArray lastRequest() const { return m_lastRequest; }

    static quint32 ntpSeconds(const QDateTime& moment);
    static QByteArray replyWithSeconds(quint32 ntpSeconds);

private:
    void readRequests();

    QUdpSocket m_socket;
    std::optional<QByteArray> m_reply;
    int m_requests = 0;
    QByteArray m_lastRequest;
};
