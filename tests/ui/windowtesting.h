#pragma once

#include "frmmain.h"

#include <QList>
#include <QMessageBox>
#include <QObject>
#include <QTimer>

#include <functional>

// Gives the application the identity that start-up gives it: its title and version.
void useApplicationIdentity();

// Shows window and makes it the active window, as a window manager would; false if it never
// became active.
[[nodiscard]] bool showActive(QWidget *window);

// The offscreen platform cannot hand a fixed window size on to a window manager and warns about it
// for every fixed-size window. Drops exactly that warning; all other output goes on to the test
// log.
void dropOffscreenSizeHintWarnings();

// Answers every message box that opens, pressing its OK button, and writes down what it showed.
// Checks belong after the box has closed, in the test itself.
class MessageBoxAnswerer : public QObject
{
    Q_OBJECT

public:
    struct Seen
    {
        QString title;
        QString prompt;
        QMessageBox::Icon icon;
        QMessageBox::StandardButtons buttons;
    };

    explicit MessageBoxAnswerer(QObject *parent = nullptr);

    QList<Seen> seen;
    // "title: prompt" of each box, in order.
    QStringList texts() const;

private:
    void answer();

    QTimer m_poll;
};

// The main window with its pauses and beeps watched: at each pause it notes which crosses the
// user sees, then waits as the real window does.
class WatchedWindow : public frmMain
{
public:
    int beeps = 0;
    // The slots whose crosses were visible at each pause, in order.
    QList<QList<int>> crossesAtPauses;
    // Runs inside each pause, while the game is waiting; given the number of the pause from 1.
    std::function<void(int)> duringPause;

    QList<int> visibleCrosses() const;
    // The slots in the order in which their crosses appeared, over one game.
    QList<int> strikesSeen() const;

protected:
    bool pause() override;
    void beep() override;
};
