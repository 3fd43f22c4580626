// Feeds arbitrary text to the identifier rule and the amount conversion. Neither may crash or
// trip a sanitizer, and the identifier rule must agree with a second formulation written here.

#include "entries/Amount.h"
#include "parties/Nif.h"

#include <QRegularExpression>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {
// Over ASCII: a digit first means a personal number whose letter is picked by the number
// modulo 23; a letter first an entity, whose control completes the weighted digit sum to ten.
bool referenceRule(const std::string &id)
{
    if (id[0] <= '9')
        return id[8] == "TRWAGMYFPDXBNJZSQVHLCKE"[std::stol(id.substr(0, 8)) % 23];
    int sum = 0;
    for (size_t i = 1; i <= 7; ++i)
        sum += i % 2 == 0 ? id[i] - '0' : (2 * (id[i] - '0')) / 10 + (2 * (id[i] - '0')) % 10;
    const bool letter = id[8] == "JABCDEFGHI"[(10 - sum % 10) % 10],
               digit = id[8] == '0' + (10 - sum % 10) % 10;
    const auto in
        = [&](const char *letters) { return std::string(letters).find(id[0]) != std::string::npos; };
    return in("IORTUVWXYZ") ? false : in("KQS") ? letter : in("ABEH") ? digit : letter || digit;
}

void check(const QString &text, bool fault, const char *what)
{
    if (fault) {
        std::fprintf(stderr, "%s: \"%s\"\n", what, qPrintable(text));
        std::abort();
    }
}

void checkText(const QString &text)
{
    // What an identifier field admits; its \d admits digits of other scripts, which the rule refuses.
    static const QRegularExpression identifier(
        QRegularExpression::anchoredPattern("[A-Za-z0-9]\\d{7}[A-Za-z0-9]"));
    const bool ascii = text.toLatin1() == text.toUtf8();
    if (identifier.match(text).hasMatch())
        check(text, validNif(text) != (ascii && referenceRule(text.toStdString())),
            "identifier rules disagree");
    const Decimal value = amountFromText(text);
    check(text,
        text.count(u'.') == 1 && !text.contains(u',')
            && amountFromText(QString(text).replace(u'.', u',')) != value,
        "a comma reads otherwise than a point");
    check(text, amountFromText(displayAmount(value)) != value, "display format does not read back");
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // Byte strings that are not UTF-8 reach the rules through Latin-1 as well.
    checkText(QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size)));
    checkText(QString::fromLatin1(reinterpret_cast<const char *>(data), qsizetype(size)));
    return 0;
}
