#pragma once

#include "board.h"

#include <QList>
#include <QStringList>

#include <optional>

// A board that shows nothing and writes down what the game asked of it, in order:
// "message EmptyData", "show 5", "hide 1", "refresh", "pause", "beep", "announce 1". Its waits are
// over at once, unless it holds them: a message is closed and a pause ends before the call returns.
class RecordingBoard : public Tandro::Board
{
public:
    QStringList calls;
    // The messages shown, in order.
    QList<Tandro::Message> messages;
    // How many pauses succeed before the board reports that it has gone; -1: it never goes.
    int pausesBeforeGone = -1;
    // Whether its waits last until endWait() ends them.
    bool holdsWaits = false;

    // Ends the wait held last, as its message's OK or its pause's timer would. Calls what comes
    // after it even if it was ended before, as a careless board might.
    void endWait();

    void showMessage(Tandro::Message message, Then closed) override;
    void setCrossVisible(int slot, bool visible) override;
    void refresh() override;
    void pause(Then over) override;
    void beep() override;
    void announceResult(int slot) override;

private:
    void wait(Then over);

    int m_pauses = 0;
    Then m_heldWait;
};

// The calls that a whole game striking slots in the given order makes, ending with the beep and
// the announcement of the slot left.
QStringList callsOfGame(const QList<int> &struck);

// Checks two names on board as a game does, and returns the verdict that CheckValidData gave once
// its messages were closed; none if it gave none.
std::optional<bool> checkOn(RecordingBoard &board, QStringView sYName, QStringView sPName);
