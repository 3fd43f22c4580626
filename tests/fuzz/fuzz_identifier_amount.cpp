// Feeds arbitrary text to the identifier rule and the amount conversion. Neither may
// crash or trip a sanitizer, and the identifier rule must agree with a second,
// independent formulation of it written here from the rule's own description.

#include "entries/Amount.h"
#include "parties/Nif.h"

#include <QRegularExpression>
#include <QString>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

// The identifier rule restated over plain ASCII bytes: a digit first means a personal
// number whose letter is picked by the number modulo 23; a letter first means an entity,
// whose control digit completes the weighted digit sum to a multiple of ten.
bool referenceRule(const std::string &id)
{
    const auto digit = [&](size_t i) { return id[i] - '0'; };
    const auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
    const auto isLetter = [](char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); };

    if (isDigit(id[0])) {
        long number = std::stol(id.substr(0, 8));
        return id[8] == std::string("TRWAGMYFPDXBNJZSQVHLCKE")[size_t(number % 23)];
    }
    if (!isLetter(id[0]) || std::string("IORTUVWXYZ").find(id[0]) != std::string::npos)
        return false;

    int sum = 0;
    for (size_t i = 1; i <= 7; ++i) {
        const int d = digit(i);
        sum += (i % 2 == 0) ? d : (2 * d) / 10 + (2 * d) % 10;
    }
    const int control = (10 - sum % 10) % 10;
    const bool letterMatches = id[8] == "JABCDEFGHI"[control];
    const bool digitMatches = id[8] == char('0' + control);
    if (std::string("KQS").find(id[0]) != std::string::npos)
        return letterMatches;
    if (std::string("ABEH").find(id[0]) != std::string::npos)
        return digitMatches;
    return letterMatches || digitMatches;
}

[[noreturn]] void fail(const char *what, const QString &text)
{
    std::fprintf(stderr, "%s: \"%s\"\n", what, qPrintable(text));
    std::abort();
}

void checkIdentifier(const QString &text)
{
    // What every identifier field admits: one letter or digit, seven digits, one letter or digit.
    static const QRegularExpression fieldPattern(
        QRegularExpression::anchoredPattern(QStringLiteral("[A-Za-z0-9]{1}\\d{7}[A-Za-z0-9]{1}")));
    if (text.size() < 9)
        return;
    const bool valid = validNif(text);
    const bool ascii = std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; });
    if (!fieldPattern.match(text).hasMatch())
        return;
    // The pattern's \d also admits digits of other scripts; those identifiers are refused.
    if (!ascii) {
        if (valid)
            fail("non-ASCII identifier accepted", text);
        return;
    }
    if (valid != referenceRule(text.toStdString()))
        fail("identifier rules disagree", text);
}

void checkAmount(const QString &text)
{
    const float value = amountFromText(text);
    static const QRegularExpression amountPattern(
        QRegularExpression::anchoredPattern(QStringLiteral("[0-9.,]{0,9}")));
    if (amountPattern.match(text).hasMatch() && (!std::isfinite(value) || value < 0))
        fail("typed amount not a finite non-negative number", text);
    static const QRegularExpression plainDecimal(
        QRegularExpression::anchoredPattern(QStringLiteral("[0-9]{1,9}(\\.[0-9]{1,8})?")));
    if (plainDecimal.match(text).hasMatch() && value != std::strtof(text.toLatin1().constData(), nullptr))
        fail("plain decimal read wrongly", text);
    if (std::isfinite(value)) {
        const float again = amountFromText(displayAmount(value));
        if (std::fabs(double(again) - double(value)) > 1e-5 * std::fabs(double(value)) + 1e-30)
            fail("display format does not read back", text);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    checkIdentifier(text);
    checkAmount(text);
    // Byte strings that are not UTF-8 reach the rule through Latin-1 as well.
    const QString latin1 = QString::fromLatin1(reinterpret_cast<const char *>(data), qsizetype(size));
    checkIdentifier(latin1);
    checkAmount(latin1);
    return 0;
}
