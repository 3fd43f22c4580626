#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QtGlobal>

#include <optional>

// The public time server asked at start-up for today's date and time, and again by each
// refusal while today is unknown.
inline constexpr char TimeServerHost[] = "es.pool.ntp.org";
inline constexpr quint16 TimeServerPort = 123;

// The 48-byte client request: leap indicator 0, version 4, mode 3 (client).
QByteArray timeServerRequest();

// The transmit seconds (since 1 January 1900) of a reply, read big-endian from bytes 40
// to 43. A reply shorter than 48 bytes, or whose transmit seconds are 0, carries no time.
std::optional<quint32> transmitSeconds(const QByteArray &reply);

// The local date and time of NTP seconds: the seconds less the 1900-1970 offset, in
// unsigned 32-bit arithmetic, as seconds since 1970.
QDateTime dateTimeFromNtpSeconds(quint32 seconds);
