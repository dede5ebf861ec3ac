#pragma once

#include "elimination.h"
#include "game.h"

#include <QMainWindow>

#include <array>
#include <chrono>

class Announcer;
class HeldInput;
class QAction;
class frmAbout;
class QLabel;
class NameBox;
class QPushButton;

// The main window and the whole game: two name boxes, four commands and the board of six words,
// each with a red cross that shows when the game strikes it.
//
// Nothing here blocks or runs an event loop of its own, so that the window plays the same in a web
// page, whose loop must never block, as on the desktop. Go plays what the rules say it shows
// (Tandro::Go) one step at a time: a message waits for its OK, a pause for its timer, and the
// event loop runs meanwhile. Until the last step, what the user does to the window waits, and so
// does any other command.
class frmMain : public QMainWindow
{
    Q_OBJECT

public:
    // How long the board waits after each strike, so that the user sees the crosses come one by
    // one. The window stays painted meanwhile and the user's input waits until the game ends.
    static constexpr std::chrono::milliseconds StrikePause { 300 };

    explicit frmMain(QWidget *parent = nullptr);
    ~frmMain() override;

    // Changes the wait after each strike (tests shorten it).
    void setStrikePause(std::chrono::milliseconds pause);

    // Whether a command is under way: a game, with its messages, or About open. The user's input to
    // the window, and other commands, wait until none is.
    bool isBusy() const;

protected:
    // Each wait of a game (a pause, a message's OK) has a number of its own, by which its end is
    // known.
    using Wait = quint64;

    // A button's access key presses it at once, not a moment later as Qt's access keys do, so
    // that what the user does after asking for a command waits for it like the rest.
    bool eventFilter(QObject *watched, QEvent *event) override;
    // Ends a game under way at its current step. A close from the title bar is user input, which
    // waits for the game to end like any other; a close from within, as by Exit or when the
    // session ends, does not wait.
    void closeEvent(QCloseEvent *event) override;

    // Waits StrikePause, then ends the pause wait (waitEnded). Tests override it to watch a game at
    // its pauses.
    virtual void pause(Wait wait);
    // Plays on after wait. A wait ends once: an end that comes again, or after the game has moved
    // on or the window has closed, plays nothing.
    void waitEnded(Wait wait);
    // Sounds the default beep once. Tests override it to count the beeps.
    virtual void beep();

private:
    // The commands of the four buttons and the About menu.
    void go();
    void clearAll();
    void clearPartner();
    void exitApplication();
    void about();

    // Plays steps, one after the other, from the first; with the input held until the last.
    void play(const QList<Tandro::Step> &steps);
    // Plays the steps left, up to the next one that waits.
    void playNext();
    // Numbers the wait that begins now, the one whose end plays on.
    Wait waitBegins();

    // The game's operations on this window; the rules themselves are the engine's.
    void Clear_Crosses();
    void showMessage(Tandro::Message message);
    void setCrossVisible(int slot, bool visible);
    void refresh();
    void announceResult(int slot);

    void createControls();
    void placeControls();
    // Makes button the default button: drawn as such whenever no other button has the focus.
    void setDefaultButton(QPushButton *button);
    void showDefaultButton(QWidget *focus);

    QLabel *lblYourName = nullptr;
    NameBox *txtYourName = nullptr;
    QLabel *lblPartnerName = nullptr;
    NameBox *txtYourPartner = nullptr;
    QPushButton *cmdGo = nullptr;
    QPushButton *cmdClear = nullptr;
    QPushButton *cmdClearPartner = nullptr;
    QPushButton *cmdExit = nullptr;
    QAction *mnuAbout = nullptr;
    QPushButton *m_defaultButton = nullptr; // Go
    QMetaObject::Connection m_focusWatch;
    // The board: the cross and the word of each slot.
    QLabel *lblH = nullptr;
    QLabel *lblF = nullptr;
    QLabel *lblL = nullptr;
    QLabel *lblA = nullptr;
    QLabel *lblM = nullptr;
    QLabel *lblE = nullptr;
    QLabel *lblHates = nullptr;
    QLabel *lblFriend = nullptr;
    QLabel *lblLove = nullptr;
    QLabel *lblAdmire = nullptr;
    QLabel *lblMarriage = nullptr;
    QLabel *lblEnemy = nullptr;
    // The cross and the word of each slot of the board, with their names.
    struct Slot
    {
        QLabel *frmMain::*cross;
        const char *crossName;
        QLabel *frmMain::*word;
        const char *wordName;
    };
    static const std::array<Slot, Tandro::SlotCount> BoardSlots; // slot 1 first
    QRect m_board; // the crosses and their words, in the client area
    Announcer *m_announcer = nullptr; // tells a screen reader's user how a game ended

    QList<Tandro::Step> m_steps; // what the game under way has still to show, in order
    std::chrono::milliseconds m_strikePause = StrikePause;
    Wait m_waitsBegun = 0;
    Wait m_waiting = 0; // the wait under way, or 0
    HeldInput *m_heldInput = nullptr; // the user's input, and commands, while a game is under way
    frmAbout *m_about = nullptr; // made when first opened, then kept
};
