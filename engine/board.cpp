#include "board.h"

#include <QCoreApplication>

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

} // namespace Tandro
