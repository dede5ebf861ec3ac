#pragma once

#include <QObject>
#include <QPointer>

#include <memory>
#include <vector>

class QEvent;
class QWindow;

// Makes the user's input to a window wait while the window is busy, and hands it on once it is
// not, in the order it came, as if it came then: keys (access keys and other shortcuts included),
// mouse buttons and moves, taps (as the mouse clicks they stand for), and a close from the
// window's frame. What the window does by itself, painting and timers, goes on meanwhile.
//
// The input is taken where the window system delivers it to the window, and handed on the same
// way, so that it meets the shortcuts, the focus moves and the double-click timing of input that
// has just come; held, it is kept as the events the window would have got. Nothing here blocks or
// runs an event loop of its own: a web page's loop must never block.
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
    void stopHolding();

    QPointer<QWindow> m_window; // the window whose input is held, while it is
    std::vector<std::unique_ptr<QEvent>> m_held;
};
