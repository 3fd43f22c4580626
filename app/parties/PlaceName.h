#pragma once

#include <QString>

// What a town, province or country field takes, up to length characters: every Latin-1
// letter in both cases (Ávila, Sigüenza, A Coruña), the blank, and the signs real place
// names hold: the apostrophe (L'Hospitalet), the hyphen (Vila-real), the slash
// (Alicante/Alacant), the point (Sta. Cruz) and the middle dot (Vilanova i la Geltrú, l·l).
inline QString placeNamePattern(int length)
{
    return QStringLiteral("[A-Za-zÀ-ÖØ-öø-ÿ '\\-/.·]{%1}").arg(length);
}
