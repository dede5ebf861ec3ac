#include "heldinput.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QPointer>
#include <QShortcutEvent>
#include <QWidget>
#include <QWindow>

#include <memory>

HeldInput::HeldInput(QWidget *window) : QObject(window), m_window(window) { }

HeldInput::~HeldInput()
{
    stopHolding();
}

void HeldInput::command(QAbstractButton *button, std::function<void()> command)
{
    button->installEventFilter(this);
    connect(button, &QAbstractButton::clicked, this,
            std::bind_front(&HeldInput::runFromOutside, this, std::move(command)));
}

void HeldInput::command(QAction *action, std::function<void()> command)
{
    connect(action, &QAction::triggered, this,
            std::bind_front(&HeldInput::runFromOutside, this, std::move(command)));
}

void HeldInput::hold()
{
    if (std::exchange(m_holding, true))
        return;
    // The window's input, and an input method's text for its widgets, which does not pass it.
    QCoreApplication::instance()->installEventFilter(this);
}

bool HeldInput::isHolding() const
{
    return m_holding;
}

void HeldInput::run(std::function<void()> command)
{
    if (m_holding)
        m_held.push_back(std::move(command));
    else
        command();
}

void HeldInput::runFromOutside(std::function<void()> command)
{
    const QWidget *modal = QApplication::activeModalWidget();
    if (modal && modal != m_window)
        return;
    if (m_holding)
        m_held.push_back(std::move(command));
    else
        command();
}

HeldInput *HeldInput::of(const QWidget *widget)
{
    return widget ? widget->window()->findChild<HeldInput *>(QString(), Qt::FindDirectChildrenOnly)
                  : nullptr;
}

void HeldInput::release()
{
    stopHolding();
    const std::vector<std::function<void()>> held = std::exchange(m_held, {});
    for (const std::function<void()> &input : held) {
        if (!m_window->isVisible())
            break; // what came after a key, click or close that closed the window
        if (m_holding)
            m_held.push_back(input); // busy again: the rest waits again, behind what is held now
        else
            input();
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
    m_holding = false;
}

void HeldInput::keep(QObject *receiver, const QEvent &event)
{
    // Sent, not spontaneous, a key reaches the widget with the focus through QApplication, which
    // tries the shortcuts first, as for a key that comes from the window system. A mouse event goes
    // to the widget under it as one from the window system does, focus and all.
    m_held.push_back(
            [receiver = QPointer(receiver), event = std::shared_ptr<QEvent>(event.clone())] {
                if (receiver)
                    QCoreApplication::sendEvent(receiver, event.get());
            });
}

void HeldInput::keepForFocus(const QEvent &event)
{
    // An input method's text goes to the widget with the focus, as a key does: the one that has it
    // when the text is handed on, which a click held before it may have moved.
    m_held.push_back([this, event = std::shared_ptr<QEvent>(event.clone())] {
        QWidget *focus = m_window->focusWidget();
        if (focus && focus->testAttribute(Qt::WA_InputMethodEnabled))
            QCoreApplication::sendEvent(focus, event.get());
    });
}

void HeldInput::keepDrop(QDropEvent &drop)
{
    // Taken as it is offered: the source of the drag has done its part. The data goes with the
    // drag once it ends, so a copy is kept, to be dropped where it fell, as a drag that comes to
    // that place and ends there.
    drop.acceptProposedAction();
    auto data = std::make_shared<QMimeData>();
    for (const QString &format : drop.mimeData()->formats())
        data->setData(format, drop.mimeData()->data(format));
    m_held.push_back([window = QPointer(m_window->windowHandle()), data,
                      at = drop.position().toPoint(), actions = drop.possibleActions(),
                      buttons = drop.buttons(), modifiers = drop.modifiers()] {
        if (!window)
            return;
        QDragEnterEvent enter(at, actions, data.get(), buttons, modifiers);
        QCoreApplication::sendEvent(window, &enter);
        QDragMoveEvent move(at, actions, data.get(), buttons, modifiers);
        QCoreApplication::sendEvent(window, &move);
        QDropEvent dropped(at, actions, data.get(), buttons, modifiers);
        QCoreApplication::sendEvent(window, &dropped);
    });
}

bool HeldInput::eventFilter(QObject *watched, QEvent *event)
{
    // Qt's button shows itself pressed for a tenth of a second before its click; keys typed
    // meanwhile would reach the window before the command they came after.
    if (event->type() == QEvent::Shortcut && watched->isWidgetType()
        && static_cast<QWidget *>(watched)->window() == m_window
        && !static_cast<QShortcutEvent *>(event)->isAmbiguous()) {
        if (auto *button = qobject_cast<QAbstractButton *>(watched)) {
            button->click();
            return true;
        }
    }
    if (event->type() == QEvent::InputMethod && watched->isWidgetType()) {
        if (static_cast<QWidget *>(watched)->window() != m_window)
            return false;
        keepForFocus(*event);
        return true;
    }
    if (watched != m_window->windowHandle())
        return false;
    // A drag comes to the window as events sent, not as the window system's own.
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove:
        // Welcome, so that the drop comes; the widgets meet the drag once it is dropped again.
        static_cast<QDropEvent *>(event)->acceptProposedAction();
        return true;
    case QEvent::DragLeave:
        return true;
    case QEvent::Drop:
        keepDrop(*static_cast<QDropEvent *>(event));
        return true;
    default:
        break;
    }
    if (!event->spontaneous())
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
