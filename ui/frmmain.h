#pragma once

#include "elimination.h"
#include "game.h"

#include <QMainWindow>
#include <QTimer>

#include <array>
#include <chrono>

class HeldInput;
class QAction;
class QLabel;
class QLineEdit;
class QPushButton;
class frmAbout;

// The main window and the whole game: two name boxes, four commands and the board of six words,
// each with a red cross that shows when the game strikes it.
//
// Nothing here blocks or runs an event loop of its own, so that the window plays the same in a web
// page, whose loop must never block, as on the desktop. Go plays what the rules say it shows
// (Tandro::Go) one step at a time: a message waits for its OK, a pause for the board's timer, and
// the event loop runs meanwhile. Until the last step, what the user does to the window waits, and
// so does any other command.
class frmMain : public QMainWindow
{
    Q_OBJECT

public:
    // How long the board waits after each strike, so that the user sees the crosses come one by
    // one. The window stays painted meanwhile and the user's input waits until the game ends.
    static constexpr std::chrono::milliseconds StrikePause { 300 };

    explicit frmMain(QWidget *parent = nullptr);

    // Changes the wait after each strike.
    void setStrikePause(std::chrono::milliseconds pause);

    // Whether a command is under way: a game, with its messages, or About open. The user's input to
    // the window, and other commands, wait until none is.
    bool isBusy() const;

protected:
    // Ends a game under way at its current step. A close from the title bar is user input, which
    // waits for the game to end like any other; a close from within, as by Exit or when the
    // session ends, does not wait.
    void closeEvent(QCloseEvent *event) override;

private:
    // The commands of the buttons and the About menu; Exit closes the window.
    void go();
    void clearAll();
    void clearPartner();
    void about();

    // Plays the game's steps on, up to the next one that waits, and hands the user's input on
    // after the last.
    void playNext();
    void Clear_Crosses();

    void createControls();
    void placeControls();

    QLabel *lblYourName = nullptr;
    QLineEdit *txtYourName = nullptr;
    QLabel *lblPartnerName = nullptr;
    QLineEdit *txtYourPartner = nullptr;
    QPushButton *cmdGo = nullptr;
    QPushButton *cmdClear = nullptr;
    QPushButton *cmdClearPartner = nullptr;
    QPushButton *cmdExit = nullptr;
    QAction *mnuAbout = nullptr;
    // The board, slot 1 first: each slot's cross (lblH, lblF, ...) and word (lblHates, ...).
    struct Slot
    {
        QLabel *cross = nullptr;
        QLabel *word = nullptr;
    };
    std::array<Slot, Tandro::SlotCount> m_board;
    QRect m_boardArea; // the crosses and their words, in the client area

    QList<Tandro::Step> m_steps; // what the game under way has still to show, in order
    QTimer m_boardTimer { this }; // the pause after each strike
    HeldInput *m_input = nullptr; // the user's input, and commands, while a game is under way
    frmAbout *m_about = nullptr; // made when first opened, then kept
};
