#include "Amount.h"

#include <QLocale>

#include <charconv>

float amountFromText(const QString &text)
{
    QLocale system;
    system.setNumberOptions(QLocale::RejectGroupSeparator);
    bool ok = false;
    const float value = system.toFloat(text, &ok);
    if (ok)
        return value;
    QLocale c = QLocale::c();
    c.setNumberOptions(QLocale::RejectGroupSeparator);
    const float cValue = c.toFloat(text, &ok);
    return ok ? cValue : 0.0f;
}

QString displayAmount(double value)
{
    return QString::number(value, 'g', 6);
}

QString editableAmount(float value)
{
    char text[64];
    const std::to_chars_result end = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed);
    return QString::fromLatin1(text, int(end.ptr - text));
}
