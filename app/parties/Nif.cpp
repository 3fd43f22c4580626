// The tax identifier rule. Comparisons are case-sensitive: the live checks upper-case
// the fields before anything is judged.

#include "parties/Nif.h"

namespace {

const QString personalLetters = QStringLiteral("TRWAGMYFPDXBNJZSQVHLCKE");
const QString controlLetters = QStringLiteral("JABCDEFGHI");
const QString excludedFirstLetters = QStringLiteral("IORTUVWXYZ");
const QString letterControlFirst = QStringLiteral("KQS");
const QString digitControlFirst = QStringLiteral("ABEH");

bool isDecimalDigit(QChar character)
{
    return character >= QLatin1Char('0') && character <= QLatin1Char('9');
}

int digitAt(const QString &text, int position)
{
    return text.at(position).unicode() - '0';
}

} // namespace

bool validNif(const QString &text)
{
    const QChar first = text.at(0);
    if (isDecimalDigit(first)) {
        int number = 0;
        for (int position = 0; position < 8; ++position) {
            if (!isDecimalDigit(text.at(position)))
                return false;
            number = number * 10 + digitAt(text, position);
        }
        return text.at(8) == personalLetters.at(number % 23);
    }
    if (first.isLetter())
        return validCif(text);
    return false;
}

bool validCif(const QString &text)
{
    if (excludedFirstLetters.contains(text.at(0)))
        return false;
    if (text.size() != 9)
        return false;
    // The field pattern guarantees these seven digits; a text built elsewhere may not hold them.
    for (int position = 1; position <= 7; ++position) {
        if (!isDecimalDigit(text.at(position)))
            return false;
    }

    const int evenSum = digitAt(text, 2) + digitAt(text, 4) + digitAt(text, 6);
    int oddSum = 0;
    for (int position : { 1, 3, 5, 7 }) {
        int doubled = 2 * digitAt(text, position);
        if (doubled >= 10)
            doubled -= 9;
        oddSum += doubled;
    }
    int total = evenSum + oddSum;
    while (total > 9)
        total -= 10;
    const int controlDigit = total > 0 ? 10 - total : 0;
    const QChar controlLetter = controlLetters.at(controlDigit);
    const QChar controlDigitChar = QLatin1Char(char('0' + controlDigit));

    const QChar first = text.at(0);
    const QChar last = text.at(8);
    if (letterControlFirst.contains(first))
        return last == controlLetter;
    if (digitControlFirst.contains(first))
        return last == controlDigitChar;
    return last == controlLetter || last == controlDigitChar;
}

bool hasLowerCase(const QString &text)
{
    for (const QChar character : text) {
        if (character.isLower())
            return true;
    }
    return false;
}
