#pragma once

#include "board.h"

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

// Plays a game with step count iNumber on board: shows the cross of each slot struck, in order,
// repaints the board and pauses after each, beeps once after the fifth, announces the slot left
// standing and calls ended. Returns at the first pause; the rest follows as each pause ends. Should
// the board go during a pause, nothing more happens: no beep, no announcement, ended not called.
// A count below 1 strikes nothing and calls ended at once.
void ShowResult(Board &board, qsizetype iNumber, Board::Then ended = {});

// Hides all six crosses, in slot order. Does not repaint.
void Clear_Crosses(Board &board);

} // namespace Tandro
