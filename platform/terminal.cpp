#include "terminal.h"

#include <QCoreApplication>
#include <QString>

#include <cstdio>

#ifdef Q_OS_WIN
#include <qt_windows.h>
#endif

namespace {

#ifdef Q_OS_WIN
// Whether anyone reads standard output: a console, or a parent that handed over its own handles
// (Qt's test for it), or a file or pipe that standard output goes to all the same, as when Wine
// starts the program with its output redirected.
bool outputIsRead()
{
    if (GetConsoleWindow()
        || qEnvironmentVariableIsSet("QT_COMMAND_LINE_PARSER_NO_GUI_MESSAGE_BOXES"))
        return true;
    STARTUPINFOW startup {};
    startup.cb = sizeof startup;
    GetStartupInfoW(&startup);
    if (startup.dwFlags & STARTF_USESTDHANDLES)
        return true;
    const DWORD type = GetFileType(GetStdHandle(STD_OUTPUT_HANDLE));
    return type == FILE_TYPE_DISK || type == FILE_TYPE_PIPE;
}
#else
constexpr bool outputIsRead()
{
    return true;
}
#endif

} // namespace

namespace Terminal {

void say(Kind kind, const QString &text)
{
    if (outputIsRead()) {
        std::FILE *stream = kind == Kind::Error ? stderr : stdout;
        std::fputs(qPrintable(text), stream);
        std::fputc('\n', stream);
        std::fflush(stream);
        return;
    }
#ifdef Q_OS_WIN
    MessageBoxW(nullptr, reinterpret_cast<const wchar_t *>(text.utf16()),
                reinterpret_cast<const wchar_t *>(QCoreApplication::applicationName().utf16()),
                MB_OK | (kind == Kind::Error ? MB_ICONERROR : MB_ICONINFORMATION));
#endif
}

} // namespace Terminal
