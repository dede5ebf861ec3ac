#pragma once

#include <QString>

#include <functional>

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
//
// A game waits twice over: for the user to close a message, and between two strikes. A board
// waits without blocking, so that the one design runs where nothing may block (in a web page, the
// browser's own loop) as on the desktop: it returns at once and calls what comes next once the
// wait is over. A board may also call it before it returns.
class Board
{
public:
    // What comes after a wait.
    using Then = std::function<void()>;

    virtual ~Board() = default;

    // Shows message, and calls closed once the user has closed it.
    virtual void showMessage(Message message, Then closed) = 0;
    // Shows or hides the cross beside the word of slot (1 to 6).
    virtual void setCrossVisible(int slot, bool visible) = 0;
    // Repaints the whole board at once, while the game is still running.
    virtual void refresh() = 0;
    // Waits between two strikes, then calls over. The user's input waits meanwhile, for after the
    // game. Should the board go first (its window closed), over is never called: the game ends.
    virtual void pause(Then over) = 0;
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
