#pragma once

#include <QString>

namespace Tandro {

// The four messages of the game. Each is shown in a modal box with a title, a prompt and one
// OK button, and no icon.
enum class Message {
    EmptyData, // a name is missing
    CorrectYourName, // the user's own name holds a character that is not acceptable
    CorrectPartnerName, // the partner's name holds a character that is not acceptable
    NoResult, // the two names leave no letters over
};

// The title of the box that shows message ("Note!" or "Error!!!"), translated.
QString messageTitle(Message message);
// The prompt of the box that shows message, translated.
QString messagePrompt(Message message);

// What the game needs from the window that shows it. The engine decides what happens; a board
// shows it. The main window is the board of the real game; tests record the calls instead.
class Board
{
public:
    virtual ~Board() = default;

    // Shows message and returns only once the user has closed it.
    virtual void showMessage(Message message) = 0;
    // Shows or hides the cross beside the word of slot (1 to 6).
    virtual void setCrossVisible(int slot, bool visible) = 0;
    // Repaints the whole board at once, while the game is still running.
    virtual void refresh() = 0;
    // Waits between two strikes without handling the user's input, which is kept for later.
    // Returns false when the board has gone (its window was closed): the game then stops.
    virtual bool pause() = 0;
    // Sounds the default beep once.
    virtual void beep() = 0;
    // Says in words which slot (1 to 6) the game left standing, for a user who does not see the
    // board: called once a game has ended, after the beep.
    virtual void announceResult(int slot) = 0;

protected:
    Board() = default;
    Board(const Board &) = default;
    Board &operator=(const Board &) = default;
};

} // namespace Tandro
