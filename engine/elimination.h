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

// The slots that a game with step count iNumber strikes, in the order it strikes them. Counting
// starts at slot 1 and goes round the board, skipping struck slots; every iNumber-th slot still in
// play is struck, and after a strike the count begins again at 1 on the next slot still in play.
// The time taken does not depend on iNumber. Empty when iNumber is below 1.
QList<int> strikeOrder(qsizetype iNumber);

// The one slot of 1 to 6 that struck does not hold; 0 if it holds all six.
int slotLeft(const QList<int> &struck);

// Appends to shown the game of step count iNumber: for each slot that strikeOrder() strikes, in
// order, the strike and a pause; then the beep and the slot left standing. A count below 1 appends
// nothing.
void ShowResult(QList<Step> &shown, qsizetype iNumber);

} // namespace Tandro
