#include "recordingboard.h"

#include "elimination.h"
#include "names.h"

namespace {

QString nameOf(Tandro::Message message)
{
    switch (message) {
    case Tandro::Message::EmptyData:
        return QStringLiteral("EmptyData");
    case Tandro::Message::CorrectYourName:
        return QStringLiteral("CorrectYourName");
    case Tandro::Message::CorrectPartnerName:
        return QStringLiteral("CorrectPartnerName");
    case Tandro::Message::NoResult:
        return QStringLiteral("NoResult");
    }
    return QStringLiteral("unknown message");
}

} // namespace

void RecordingBoard::showMessage(Tandro::Message message, Then closed)
{
    messages.append(message);
    calls.append(QStringLiteral("message ") + nameOf(message));
    wait(std::move(closed));
}

void RecordingBoard::setCrossVisible(int slot, bool visible)
{
    calls.append((visible ? QStringLiteral("show %1") : QStringLiteral("hide %1")).arg(slot));
}

void RecordingBoard::refresh()
{
    calls.append(QStringLiteral("refresh"));
}

void RecordingBoard::pause(Then over)
{
    calls.append(QStringLiteral("pause"));
    if (pausesBeforeGone < 0 || m_pauses++ < pausesBeforeGone)
        wait(std::move(over));
}

void RecordingBoard::wait(Then over)
{
    if (holdsWaits)
        m_heldWait = std::move(over);
    else
        over();
}

void RecordingBoard::endWait()
{
    if (const Then over = m_heldWait)
        over();
}

void RecordingBoard::beep()
{
    calls.append(QStringLiteral("beep"));
}

void RecordingBoard::announceResult(int slot)
{
    calls.append(QStringLiteral("announce %1").arg(slot));
}

QStringList callsOfGame(const QList<int> &struck)
{
    QStringList calls;
    for (const int slot : struck)
        calls << QStringLiteral("show %1").arg(slot) << QStringLiteral("refresh")
              << QStringLiteral("pause");
    calls << QStringLiteral("beep") << QStringLiteral("announce %1").arg(Tandro::slotLeft(struck));
    return calls;
}

std::optional<bool> checkOn(RecordingBoard &board, QStringView sYName, QStringView sPName)
{
    std::optional<bool> verdict;
    Tandro::CheckValidData(board, sYName, sPName, [&verdict](bool valid) { verdict = valid; });
    return verdict;
}
