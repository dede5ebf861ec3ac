#pragma once

#include "game.h"

#include <QList>
#include <QString>
#include <QStringView>

namespace Tandro {

// True for the characters a name may hold: the space (U+0020), A to Z and a to z. Everything
// else is refused: digits, punctuation, tabs, control characters, accented letters, other
// scripts, surrogate halves (emoji), combining marks and invisible format characters.
constexpr bool isAcceptable(QChar c) noexcept
{
    const char16_t u = c.unicode();
    return u == u' ' || (u >= u'A' && u <= u'Z') || (u >= u'a' && u <= u'z');
}

// Decides whether the user's name sYName and the partner's name sPName may be played, and tells
// the user what is wrong with them: appends to shown a message for each fault, in this order, each
// at most once: "Empty Data" when either name is empty, then "Please correct your Name" and
// "Please correct your Partners Name" when that name holds a character that is not acceptable.
// A name of spaces only is neither empty nor wrong. True when there was nothing to tell.
bool CheckValidData(QList<Step> &shown, QStringView sYName, QStringView sPName);

// The step count of two names: the number of letters, without regard to case, that the two names
// do not share. Rewrites both arguments: sYName ends with its leading and trailing spaces
// removed (U+0020 only) and in lower case; sPName likewise, and also without the letters that
// were cancelled, which are the first occurrences of each letter that sYName pairs with.
// Names of any length are handled; the time taken is linear in their total length.
// Never negative; zero when every letter of each name finds a partner in the other.
qsizetype GetNumber(QString &sYName, QString &sPName);

// Removes the character at the 1-based position iNumber from sName and returns the result,
// which is also stored into sName. A position outside 1 to sName's length leaves sName as it is.
QString DelChar(QString &sName, qsizetype iNumber);

} // namespace Tandro
