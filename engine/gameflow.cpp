#include "gameflow.h"

#include <utility>

namespace Tandro {

GameFlow::GameFlow(Board &shown, QObject *parent) : QObject(parent), m_shown(shown) { }

void GameFlow::run(Command command)
{
    m_commands.enqueue(std::move(command));
    proceed();
}

void GameFlow::wait(Start start, Then then)
{
    m_waits.enqueue({ std::move(start), std::move(then) });
    proceed();
}

bool GameFlow::isBusy() const
{
    return m_busy;
}

void GameFlow::stop()
{
    m_commands.clear();
    m_waits.clear();
    m_waitUnderWay = 0; // its end, should it come, leads nowhere
    m_waitOver = false;
    if (std::exchange(m_busy, false))
        emit busyChanged(false);
}

void GameFlow::proceed()
{
    if (m_proceeding)
        return;
    m_proceeding = true;
    while (step()) { }
    m_proceeding = false;
    if (!hasWork() && std::exchange(m_busy, false))
        emit busyChanged(false);
}

bool GameFlow::step()
{
    if (!m_waitOver && (m_waitUnderWay != 0 || !hasWork()))
        return false;
    if (!std::exchange(m_busy, true))
        emit busyChanged(true);
    if (std::exchange(m_waitOver, false)) {
        const Then then = m_waits.dequeue().then;
        if (then)
            then();
    } else if (!m_waits.isEmpty()) {
        const quint64 number = m_waitUnderWay = ++m_waitsStarted;
        // Taken out first: the wait may be over, and gone from the queue, before start returns.
        const Start start = std::move(m_waits.head().start);
        start([this, number] { waitOver(number); });
    } else {
        m_commands.dequeue()();
    }
    return true;
}

void GameFlow::waitOver(quint64 wait)
{
    if (wait == 0 || wait != m_waitUnderWay)
        return; // over before, or stopped
    m_waitUnderWay = 0;
    m_waitOver = true;
    proceed();
}

bool GameFlow::hasWork() const
{
    return m_waitOver || m_waitUnderWay != 0 || !m_waits.isEmpty() || !m_commands.isEmpty();
}

void GameFlow::showMessage(Message message, Then closed)
{
    wait([this, message](Then over) { m_shown.showMessage(message, std::move(over)); },
         std::move(closed));
}

void GameFlow::setCrossVisible(int slot, bool visible)
{
    m_shown.setCrossVisible(slot, visible);
}

void GameFlow::refresh()
{
    m_shown.refresh();
}

void GameFlow::pause(Then over)
{
    wait([this](Then ended) { m_shown.pause(std::move(ended)); }, std::move(over));
}

void GameFlow::beep()
{
    m_shown.beep();
}

void GameFlow::announceResult(int slot)
{
    m_shown.announceResult(slot);
}

} // namespace Tandro
