#include "heldinput.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScreen>
#include <QStyleHints>
#include <QWindow>
#include <QtGui/private/qwindow_p.h>
#include <qpa/qplatformscreen.h>
#include <qpa/qplatformwindow.h>
#include <qpa/qwindowsysteminterface.h>

#include <algorithm>
#include <limits>

namespace {

using Delivery = QWindowSystemInterface::SynchronousDelivery;

// The window system speaks in the screen's own pixels; events reach the window in Qt's
// device-independent ones. The factor between the two is Qt's own scaling, apart from what the
// platform scales itself.
qreal scalingOf(const QWindow &window)
{
    return window.devicePixelRatio() / window.handle()->devicePixelRatio();
}

QPointF nativeLocal(const QWindow &window, QPointF local)
{
    return local * scalingOf(window);
}

QPointF nativeGlobal(const QWindow &window, QPointF global)
{
    const QScreen *screen = window.screen();
    return (global - screen->geometry().topLeft()) * scalingOf(window)
            + screen->handle()->geometry().topLeft();
}

// Hands event on to window as the window system first did, later by the given milliseconds.
void deliver(QWindow *window, const QEvent &event, quint64 later)
{
    const quint64 timestamp =
            event.isInputEvent() ? static_cast<const QInputEvent &>(event).timestamp() + later : 0;
    switch (event.type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease: {
        // Without the keyboard's own codes, which only the asynchronous form takes: shortcuts are
        // then matched by key and modifiers, as the windows' access keys are given.
        const auto &key = static_cast<const QKeyEvent &>(event);
        QWindowSystemInterface::handleKeyEvent<Delivery>(window, timestamp, key.type(), key.key(),
                                                         key.modifiers(), key.text(),
                                                         key.isAutoRepeat(), key.count());
        break;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseMove: {
        const auto &mouse = static_cast<const QMouseEvent &>(event);
        QWindowSystemInterface::handleMouseEvent<Delivery>(
                window, timestamp, mouse.pointingDevice(), nativeLocal(*window, mouse.position()),
                nativeGlobal(*window, mouse.globalPosition()), mouse.buttons(), mouse.button(),
                mouse.type(), mouse.modifiers(), mouse.source());
        break;
    }
    case QEvent::Close:
        QWindowSystemInterface::handleCloseEvent<Delivery>(window);
        break;
    default:
        break;
    }
}

// How much later held input is handed on than it came. Qt saw it once as it came, and would take a
// click handed on at the same time for the second of a double click: handed on later than the
// double-click interval after the last of it, it meets only itself, in the same rhythm.
quint64 delayOf(const std::vector<std::unique_ptr<QEvent>> &held)
{
    quint64 first = std::numeric_limits<quint64>::max();
    quint64 last = 0;
    for (const std::unique_ptr<QEvent> &event : held) {
        if (event->isInputEvent()) {
            first = std::min(first, static_cast<const QInputEvent &>(*event).timestamp());
            last = std::max(last, static_cast<const QInputEvent &>(*event).timestamp());
        }
    }
    const auto interval = quint64(QGuiApplication::styleHints()->mouseDoubleClickInterval());
    return first <= last ? last - first + interval + 1 : 0;
}

} // namespace

HeldInput::HeldInput(QObject *parent) : QObject(parent) { }

HeldInput::~HeldInput()
{
    stopHolding();
}

void HeldInput::hold(QWindow *window)
{
    if (m_window || !window)
        return;
    m_window = window;
    window->installEventFilter(this);
}

void HeldInput::release()
{
    const QPointer<QWindow> window = m_window;
    stopHolding();
    const std::vector<std::unique_ptr<QEvent>> held = std::exchange(m_held, {});
    const quint64 later = delayOf(held);
    for (const std::unique_ptr<QEvent> &event : held) {
        // What comes after a close that closed the window has nowhere to go.
        if (!window || !window->isVisible())
            break;
        if (m_window) // busy again: the rest waits again, behind what is held already
            m_held.push_back(std::unique_ptr<QEvent>(event->clone()));
        else
            deliver(window, *event, later);
    }
}

void HeldInput::drop()
{
    stopHolding();
    m_held.clear();
}

void HeldInput::stopHolding()
{
    if (m_window)
        m_window->removeEventFilter(this);
    m_window = nullptr;
}

bool HeldInput::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_window || !event->spontaneous())
        return false;
    switch (event->type()) {
    case QEvent::Close:
        // A close from within the program comes the same way as one from the frame, through
        // QWindow::close() (QWidget::close() and QApplication::closeAllWindows() use it): it does
        // not wait, being no input of the user's. Qt tells the two apart by this flag, as it lets
        // only a close from within pass a modal dialog.
        if (QWindowPrivate::get(m_window)->inClose)
            return false;
        m_held.push_back(std::unique_ptr<QEvent>(event->clone()));
        return true;
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseMove:
        m_held.push_back(std::unique_ptr<QEvent>(event->clone()));
        return true;
    case QEvent::ShortcutOverride:
        // Taken as overridden, a key goes to the window as a key, to be held with the rest; handed
        // on, it meets the shortcuts then.
        event->accept();
        return true;
    case QEvent::MouseButtonDblClick:
        return true; // made anew from the two clicks when they are handed on
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
        // Left unaccepted, a tap comes again as the mouse click it stands for, and is held as one.
        event->ignore();
        return true;
    default:
        return false;
    }
}
