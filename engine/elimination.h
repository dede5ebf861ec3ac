#pragma once

#include "game.h"

#include <QList>
#include <QString>

namespace Tandro {

// The board has six slots, numbered 1 to 6 in the order in which the game counts them:
// "Hates", "Friend", "Loves", "Admires", "Marriage", "Enemy".
inline constexpr int SlotCount = 6;
// A game strikes all slots but one.
inline constexpr int StrikeCount = SlotCount - 1;

// The word of slot (1 to 6), translated.
QString relationshipWord(int slot);

// Appends to shown the game of step count iNumber: for each slot it strikes, in the order it
// strikes them, the strike and a pause; then the beep and the slot left standing. Counting starts
// at slot 1 and goes round the board, skipping struck slots; every iNumber-th slot still in play is
// struck, and after a strike the count begins again at 1 on the next slot still in play, until all
// but one are struck. The time taken does not depend on iNumber. A count below 1 appends nothing.
void ShowResult(QList<Step> &shown, qsizetype iNumber);

} // namespace Tandro
