#pragma once

#include "board.h"
#include "elimination.h"

#include <QMainWindow>

#include <array>
#include <chrono>

class Announcer;
class HeldInput;
namespace Tandro {
class GameFlow;
}
class QAction;
class frmAbout;
class QLabel;
class NameBox;
class QPushButton;

// The main window and the whole game: two name boxes, four commands and the board of six words,
// each with a red cross that shows when the game strikes it.
//
// Nothing here blocks or runs an event loop of its own, so that the window plays the same in a web
// page, whose loop must never block, as on the desktop. The commands run in the game's flow
// (Tandro::GameFlow), one at a time: a command that waits (for the pause between two strikes, for
// the OK of a message, for About to close) returns to the event loop and goes on when the wait is
// over. Meanwhile the user's input to the window waits, and other commands wait their turn.
class frmMain : public QMainWindow, protected Tandro::Board
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

    // Whether a command is under way, or waiting for its turn: a game, a message waiting for its
    // OK, About open. The user's input to the window waits until none is.
    bool isBusy() const;

protected:
    // Ends a game under way at its current pause. A close from the title bar is user input, which
    // waits for the game to end like any other; a close from within, as by Exit or when the
    // session ends, does not wait.
    void closeEvent(QCloseEvent *event) override;

    // How the game shows itself on this window. Tests override these to watch a game.
    void showMessage(Tandro::Message message, Then closed) override;
    void setCrossVisible(int slot, bool visible) override;
    void refresh() override;
    void pause(Then over) override;
    void beep() override;
    void announceResult(int slot) override;

private:
    // The commands of the four buttons and the About menu.
    void go();
    void clearAll();
    void clearPartner();
    void exitApplication();
    void about();

    // What ends the wait for a dialog once it has closed.
    Then afterDialog(Then closed);

    // The game's operations on this window; the rules themselves are the engine's.
    void CheckValidData(std::function<void(bool valid)> checked);
    qsizetype GetNumber(QString &sYName, QString &sPName);
    void ShowResult(qsizetype iNumber);
    void Clear_Crosses();

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

    std::chrono::milliseconds m_strikePause = StrikePause;
    Tandro::GameFlow *m_flow = nullptr; // the commands, one at a time, and their waits
    HeldInput *m_heldInput = nullptr; // the user's input while a command runs
    frmAbout *m_about = nullptr; // made when first opened, then kept
};
