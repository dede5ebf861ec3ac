#include "game.h"

#include "elimination.h"
#include "names.h"

#include <QCoreApplication>
#include <QDebug>

namespace Tandro {

namespace {

struct MessageText
{
    const char *title;
    const char *prompt;
};

// In the order of enum Message.
constexpr MessageText MessageTexts[] = {
    { QT_TRANSLATE_NOOP("Tandro::Message", "Note!"),
      QT_TRANSLATE_NOOP("Tandro::Message", "Empty Data") },
    { QT_TRANSLATE_NOOP("Tandro::Message", "Note!"),
      QT_TRANSLATE_NOOP("Tandro::Message", "Please correct your Name") },
    { QT_TRANSLATE_NOOP("Tandro::Message", "Note!"),
      QT_TRANSLATE_NOOP("Tandro::Message", "Please correct your Partners Name") },
    { QT_TRANSLATE_NOOP("Tandro::Message", "Error!!!"),
      QT_TRANSLATE_NOOP("Tandro::Message", "No Result for these Names") },
};

const MessageText &textOf(Message message)
{
    return MessageTexts[static_cast<int>(message)];
}

} // namespace

QString messageTitle(Message message)
{
    return QCoreApplication::translate("Tandro::Message", textOf(message).title);
}

QString messagePrompt(Message message)
{
    return QCoreApplication::translate("Tandro::Message", textOf(message).prompt);
}

QDebug operator<<(QDebug debug, const Step &step)
{
    const QDebugStateSaver saver(debug);
    debug.noquote().nospace();
    switch (step.kind) {
    case Step::ShowMessage:
        return debug << messageTitle(step.message) << ": " << messagePrompt(step.message);
    case Step::Strike:
        return debug << "strike " << step.slot;
    case Step::Pause:
        return debug << "pause";
    case Step::Beep:
        return debug << "beep";
    case Step::AnnounceResult:
        return debug << "result " << step.slot;
    case Step::ClearAll:
        return debug << "clear all";
    }
    return debug;
}

QList<Step> Go(QStringView sYName, QStringView sPName)
{
    QList<Step> shown;
    if (!CheckValidData(shown, sYName, sPName))
        return shown;
    // The step count rewrites its arguments: it is given copies.
    QString yourName = sYName.toString();
    QString partnerName = sPName.toString();
    const qsizetype iNumber = GetNumber(yourName, partnerName);
    if (iNumber == 0)
        shown << Step { Step::ShowMessage, Message::NoResult } << Step { Step::ClearAll };
    else
        ShowResult(shown, iNumber);
    return shown;
}

} // namespace Tandro
