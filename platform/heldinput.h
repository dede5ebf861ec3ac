#pragma once

#include <QObject>

#include <functional>
#include <vector>

class QAbstractButton;
class QAction;
class QDropEvent;
class QEvent;
class QWidget;

// Makes what the user does to a window wait while the window is busy, and hands it on once it is
// not, in the order it came: keys (access keys and other shortcuts included), mouse buttons,
// double clicks and moves, taps (as the mouse clicks they stand for), text from an input method (a
// phone's keyboard, or a web page's), text dropped on it, and what comes without passing the
// window's input (a button pressed or a name box edited by a screen reader, or a close from the
// window's frame). What the window does by itself, painting and timers, goes on meanwhile.
//
// The input is taken as it reaches the window, and handed on to the window as the same events, so
// that the window's widgets meet it as they would have: a key goes to the widget with the focus
// and meets the shortcuts first, a click gives the focus to what it lands on, and two clicks are a
// double click as they were when they came. An input method's text, which goes to the widget with
// the focus without passing the window, is taken on its way there, and handed on to the widget
// that has the focus then, as a key is. Text dropped is kept, and dropped again where it fell.
// A button's access key presses it at once, not a moment later as Qt's access keys do, so that
// what the user does after asking for a command waits for it like the rest.
// Only Qt's public interface is used. Nothing here blocks or runs an event loop of its own: a web
// page's loop must never block.
class HeldInput : public QObject
{
    Q_OBJECT

public:
    // Holds the input of window, whose child it is.
    explicit HeldInput(QWidget *window);
    ~HeldInput() override;

    // Runs command at each press of button (its clicked()) or trigger of action, from wherever it
    // comes, as runFromOutside() runs it; button's access key presses it at once.
    void command(QAbstractButton *button, std::function<void()> command);
    void command(QAction *action, std::function<void()> command);

    // Starts holding the window's input, unless it is held already.
    void hold();
    bool isHolding() const;
    // Runs command now, or, while the input is held, in its turn once the input is handed on.
    void run(std::function<void()> command);
    // Runs command, a press or an edit that comes without passing the window's input (a screen
    // reader's), as run() does; but while a modal window stands over the window, not at all, as the
    // window system refuses a click or a key then.
    void runFromOutside(std::function<void()> command);
    // The held input of widget's window, or null if it has none.
    static HeldInput *of(const QWidget *widget);
    // Stops holding and hands on what was held. Should that make the window busy again and hold
    // its input anew, the rest of what was held waits again, still in order. What came after the
    // window closed is forgotten.
    void release();
    // Stops holding and forgets what was held, as when the window has closed.
    void drop();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void stopHolding();
    void keep(QObject *receiver, const QEvent &event);
    void keepForFocus(const QEvent &event);
    void keepDrop(QDropEvent &drop);

    QWidget *m_window;
    bool m_holding = false;
    std::vector<std::function<void()>> m_held; // each hands one input on, in order
};
