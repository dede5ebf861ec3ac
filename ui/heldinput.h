#pragma once

#include <QObject>
#include <QPointer>

#include <memory>
#include <vector>

class QEvent;
class QWindow;

// Makes the user's input to a window wait while the window is busy, and hands it on once it is
// not, in the order it came: keys (access keys and other shortcuts included), mouse buttons,
// double clicks and moves, taps (as the mouse clicks they stand for), and text from an input method
// (a phone's keyboard). What the window does by itself, painting and timers, goes on meanwhile.
//
// The input is taken as it reaches the window, and handed on to the window as the same events, so
// that the window's widgets meet it as they would have: a key goes to the widget with the focus
// and meets the shortcuts first, a click gives the focus to what it lands on, and two clicks are a
// double click as they were when they came. An input method's text, which goes to the widget with
// the focus without passing the window, is taken on its way there, and handed on to that widget.
// Only Qt's public interface is used. Nothing here blocks or runs an event loop of its own: a web
// page's loop must never block.
class HeldInput : public QObject
{
public:
    explicit HeldInput(QObject *parent = nullptr);
    ~HeldInput() override;

    // Starts holding window's input, unless it is held already. Does nothing for no window.
    void hold(QWindow *window);
    // Stops holding and hands on what was held. Should that make the window busy again and hold
    // its input anew, the rest of what was held waits again, still in order.
    void release();
    // Stops holding and forgets what was held, as when the window has closed.
    void drop();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Held
    {
        QPointer<QObject> receiver; // the window, or the widget an input method's text is for
        std::unique_ptr<QEvent> event;
    };

    void stopHolding();
    void keep(QObject *receiver, const QEvent &event);

    QPointer<QWindow> m_window; // the window whose input is held, while it is
    std::vector<Held> m_held;
};
