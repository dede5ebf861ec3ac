#include "heldinput.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>
#include <QWindow>

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
    // The window's input, and an input method's text for its widgets, which does not pass it.
    QCoreApplication::instance()->installEventFilter(this);
}

void HeldInput::release()
{
    const QPointer<QWindow> window = m_window;
    stopHolding();
    const std::vector<Held> held = std::exchange(m_held, {});
    for (const Held &input : held) {
        // What comes after a key or click that closed the window has nowhere to go.
        if (!window || !window->isVisible())
            break;
        if (m_window) { // busy again: the rest waits again, behind what is held already
            keep(input.receiver, *input.event);
            continue;
        }
        // Sent, not spontaneous, a key reaches the widget with the focus through QApplication,
        // which tries the shortcuts first, as for a key that comes from the window system. A mouse
        // event goes to the widget under it as one from the window system does, focus and all.
        if (input.receiver)
            QCoreApplication::sendEvent(input.receiver, input.event.get());
    }
}

void HeldInput::drop()
{
    stopHolding();
    m_held.clear();
}

void HeldInput::stopHolding()
{
    if (QCoreApplication *application = QCoreApplication::instance())
        application->removeEventFilter(this);
    m_window = nullptr;
}

void HeldInput::keep(QObject *receiver, const QEvent &event)
{
    m_held.push_back({ receiver, std::unique_ptr<QEvent>(event.clone()) });
}

bool HeldInput::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::InputMethod && watched->isWidgetType()) {
        const auto *widget = static_cast<QWidget *>(watched);
        if (!m_window || widget->window()->windowHandle() != m_window)
            return false;
        keep(watched, *event);
        return true;
    }
    if (watched != m_window || !event->spontaneous())
        return false;
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
        keep(watched, *event);
        return true;
    case QEvent::ShortcutOverride:
        // Taken as overridden, a key goes to the window as a key, to be held with the rest; handed
        // on, it meets the shortcuts then.
        event->accept();
        return true;
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
