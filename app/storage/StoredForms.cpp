#include "StoredForms.h"

#include <QString>

#include <charconv>

QVariant storedAmount(float value)
{
    char text[32];
    const std::to_chars_result end = std::to_chars(text, text + sizeof text, value);
    return QString::fromLatin1(text, int(end.ptr - text));
}
