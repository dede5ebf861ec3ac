#pragma once

#include "board.h"

#include <QObject>
#include <QQueue>

#include <functional>

namespace Tandro {

// The flow of a window's commands: runs them one at a time, each to its end, and keeps their
// waits, so that the window has only to show what happens.
//
// A command runs at once when none is under way; otherwise it waits its turn behind those that
// came before it. A command may wait (for the OK of a message, the pause between two strikes, a
// dialog to close) once at a time: a wait asked for while another is under way starts when that
// one is over. Once a wait is over the command goes on where it left off, and the next command
// starts only when it has ended. All the while the flow is busy; the window holds the user's input.
//
// The flow is the board that the game is played on (CheckValidData, ShowResult): it passes what
// the game shows on to the window's board, and the window's waits end through it. Should the window
// go (stop()), what was under way or waiting its turn ends there: a wait that ends afterwards leads
// nowhere, and each wait ends once at most.
class GameFlow : public QObject, public Board
{
    Q_OBJECT

public:
    using Command = std::function<void()>;
    // Starts a wait, and calls over once it is over.
    using Start = std::function<void(Then over)>;

    // shown is the window's board, which must outlive the flow.
    explicit GameFlow(Board &shown, QObject *parent = nullptr);

    // Runs command now, or once the commands before it have ended.
    void run(Command command);
    // Makes the command under way wait: start opens what it waits for (a dialog), and is given what
    // to call once that has closed; then runs after that.
    void wait(Start start, Then then = {});
    // Whether a command is under way or waiting its turn.
    bool isBusy() const;
    // Ends the command under way where it waits, and forgets those waiting their turn: the window
    // has gone.
    void stop();

    // What the game shows goes to the window's board; its waits are the flow's.
    void showMessage(Message message, Then closed) override;
    void setCrossVisible(int slot, bool visible) override;
    void refresh() override;
    void pause(Then over) override;
    void beep() override;
    void announceResult(int slot) override;

signals:
    // The flow has started a command while idle (true), or ended its last one (false).
    void busyChanged(bool busy);

private:
    struct Wait
    {
        Start start;
        Then then;
    };

    // Goes on with whatever can go on now: what follows a wait that is over, the next wait, the
    // next command; until a wait is under way or nothing is left. Once at a time: called again
    // meanwhile, it leaves what has changed to the one under way.
    void proceed();
    // Does the first thing that can be done now; false when there is none.
    bool step();
    // The wait numbered wait is over: goes on after it, unless that wait has ended before or was
    // stopped.
    void waitOver(quint64 wait);
    bool hasWork() const;

    Board &m_shown;
    QQueue<Command> m_commands; // waiting their turn
    QQueue<Wait> m_waits; // the wait under way first, then those asked for meanwhile
    quint64 m_waitUnderWay = 0; // its number; 0 when none is under way
    quint64 m_waitsStarted = 0;
    bool m_waitOver = false; // the first of m_waits is over: what follows it runs next
    bool m_proceeding = false;
    bool m_busy = false;
};

} // namespace Tandro
