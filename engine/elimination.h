#pragma once

#include <QList>
#include <QString>

namespace Tandro {

class Board;

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

// Plays a game with step count iNumber on board: shows the cross of each slot struck, in order,
// repaints the board and pauses after each, beeps once after the fifth and then announces the slot
// left standing. Stops early, without the beep or the announcement, when a pause reports that the
// board has gone. A count below 1 does nothing.
void ShowResult(Board &board, qsizetype iNumber);

// Hides all six crosses, in slot order. Does not repaint.
void Clear_Crosses(Board &board);

} // namespace Tandro
