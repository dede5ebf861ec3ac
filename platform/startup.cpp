#include "startup.h"

#include "description.h"
#include "terminal.h"
#include "translation.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>
#include <QLocale>
#include <QTextBoundaryFinder>
#include <QWidget>

#ifdef Q_OS_WASM
#include "webpage.h"
#endif

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {

// What start-up says, translated under the context StartUp, where lupdate finds it too.
class Texts
{
    Q_DECLARE_TR_FUNCTIONS(StartUp)
};

QString programName(char *argv[])
{
    return QFileInfo(QFile::decodeName(argv[0])).fileName();
}

// Qt's messages while the application connects to the window system, held until it is known
// whether it could.
struct HeldMessage
{
    QtMsgType type;
    QByteArray category;
    QString text;

    // Where it came from, as far as a held message still knows: its category.
    QMessageLogContext context() const { return { nullptr, 0, nullptr, category.constData() }; }
};
QList<HeldMessage> heldMessages;
QtMessageHandler passOn = nullptr;
QString startedAs; // the program's name
QString noDesktop;
QString noWindowSystem;

// Whether Qt's messages say that its X11 or Wayland platform could not reach a display: the one
// failure that Tandro tells in a sentence of its own. Any other (a platform plugin that is not
// there, or cannot be loaded, or cannot start) is Qt's to tell.
bool noDisplayReached()
{
    return std::any_of(heldMessages.cbegin(), heldMessages.cend(), [](const HeldMessage &held) {
        return (held.category == "qt.qpa.xcb"
                && held.text.startsWith(QLatin1String("could not connect to display")))
                || (held.category == "qt.qpa.wayland"
                    && held.text.startsWith(QLatin1String("Failed to create wl_display")));
    });
}

void holdWhileConnecting(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    // Qt gives up on a window system with a fatal message, and aborts once it is handled: say why,
    // and end before it can.
    if (type == QtFatalMsg) {
        QStringList said;
        if (noDisplayReached()) {
            said.append(noDesktop);
        } else {
            said.append(noWindowSystem);
            for (const HeldMessage &held : std::as_const(heldMessages))
                said.append(qFormatLogMessage(held.type, held.context(), held.text));
            said.append(qFormatLogMessage(type, context, text).trimmed());
        }
        Terminal::say(Terminal::Kind::Error, said.join(u'\n'));
        std::fflush(stdout);
        std::_Exit(EXIT_FAILURE);
    }
    heldMessages.append({ type, context.category, text });
}

// Runs say with the player's language installed: start-up speaks before the application that the
// windows need, and Qt's translations need an application. Where none is there yet, one of its
// own stands in while say runs, made of the program's name alone.
template <typename Say>
auto inPlayersLanguage(char *argv[], Say say)
{
    if (QCoreApplication::instance())
        return say();
    int count = 1;
    QCoreApplication speaking(count, argv);
    Translation::install(Translation::forPlayer());
    return say();
}

// text wrapped at columns, as a terminal shows it: a line ends at the last place where the text
// may break that keeps it within columns, a character of the East Asian scripts taking two. (A web
// page has no terminal.)
[[maybe_unused]] QString wrapped(const QString &text, int columns)
{
    const auto width = [](QStringView part) {
        int width = 0;
        for (const char32_t c : part.toUcs4())
            width += (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0xA4CF)
                            || (c >= 0xAC00 && c <= 0xD7A3) || (c >= 0xF900 && c <= 0xFAFF)
                            || (c >= 0xFF00 && c <= 0xFF60) || (c >= 0x20000 && c <= 0x3FFFD)
                    ? 2
                    : 1;
        return width;
    };
    QString lines;
    qsizetype lineStart = 0;
    qsizetype lastBreak = -1; // the last place the line may end, its spaces left out
    QTextBoundaryFinder breaks(QTextBoundaryFinder::Line, text);
    for (qsizetype at = breaks.toNextBoundary(); at != -1; at = breaks.toNextBoundary()) {
        if (width(QStringView(text).sliced(lineStart, at - lineStart).trimmed()) > columns
            && lastBreak > lineStart) {
            lines += text.mid(lineStart, lastBreak - lineStart).trimmed() + u'\n';
            lineStart = lastBreak;
        }
        lastBreak = at;
    }
    return lines + text.mid(lineStart).trimmed();
}

} // namespace

namespace StartUp {

std::optional<int> answerCommandLine(int argc, char *argv[])
{
#ifdef Q_OS_WASM
    // A web page starts the program with no command line, and has no terminal to answer on.
    Q_UNUSED(argc);
    Q_UNUSED(argv);
    return std::nullopt;
#else
    // The options that Qt's start-up takes out of the command line on Linux (QCoreApplication,
    // QGuiApplication with its X11 aliases, and QApplication), and whether each takes a value, as
    // Qt's documentation lists them. Qt cannot say them itself: it takes them as its application
    // connects to the window system, which --help and --version must not need.
    struct QtOption
    {
        const char *name;
        bool takesValue;
    };

    static constexpr QtOption QtOptions[] = {
        { "qmljsdebugger", true }, { "platform", true },     { "platformpluginpath", true },
        { "platformtheme", true }, { "plugin", true },       { "qwindowgeometry", true },
        { "qwindowicon", true },   { "qwindowtitle", true }, { "reverse", false },
        { "session", true },       { "testability", false }, { "display", true },
        { "name", true },          { "nograb", false },      { "dograb", false },
        { "visual", true },        { "geometry", true },     { "icon", true },
        { "title", true },         { "style", true },        { "stylesheet", true },
        { "widgetcount", false },  { "qdebug", false },      { "qdevel", false },
    };

    QCommandLineParser parser;
    // Qt's options are words after one dash: -platform, not -p -l -a ...
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help(QStringList { QStringLiteral("h"), QStringLiteral("help") });
    const QCommandLineOption version(
            QStringList { QStringLiteral("v"), QStringLiteral("version") });
    parser.addOptions({ help, version });
    for (const QtOption &option : QtOptions) {
        const QString name = QString::fromLatin1(option.name);
        parser.addOption(option.takesValue ? QCommandLineOption(name, QString(), name)
                                           : QCommandLineOption(name));
    }

    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    const QString program = programName(argv);
    // Most starts have nothing to answer: the player's language is looked for only once there is.
    const bool parsed = parser.parse(arguments);
    if (parsed && parser.positionalArguments().isEmpty() && !parser.isSet(help)
        && !parser.isSet(version))
        return std::nullopt;
    return inPlayersLanguage(argv, [&] {
        if (!parser.parse(arguments) || !parser.positionalArguments().isEmpty()) {
            // Parsed again, as the player's language is there now: Qt says what it refused in it.
            const QString error = !parsed ? parser.errorText()
                                          : Texts::tr("Unexpected argument '%1'.")
                                                    .arg(parser.positionalArguments().first());
            Terminal::say(Terminal::Kind::Error,
                          Texts::tr("%1: %2 (%1 --help tells what it takes.)").arg(program, error));
            return 2;
        }
        if (parser.isSet(help)) {
            const QString usage = Texts::tr("Usage: %1 [options]").arg(program) + u'\n'
                    + wrapped(QCoreApplication::translate(Description::Context,
                                                          Description::Paragraph),
                              79)
                    + QStringLiteral("\n\n") + Texts::tr("Options:") + u'\n'
                    + QStringLiteral("  -h, --help     %1\n  -v, --version  %2\n\n")
                              .arg(Texts::tr("Shows this help and exits."),
                                   Texts::tr("Shows the version and exits."))
                    + Texts::tr("Qt's standard options work as well, such as -platform, -style "
                                "and -reverse.");
            Terminal::say(Terminal::Kind::Information, usage);
            return 0;
        }
        Terminal::say(Terminal::Kind::Information,
                      QStringLiteral("%1 %2").arg(QCoreApplication::applicationName(),
                                                  QCoreApplication::applicationVersion()));
        return 0;
    });
#endif
}

std::unique_ptr<QApplication> makeApplication(int &argc, char *argv[])
{
    const QString display =
            qEnvironmentVariable("WAYLAND_DISPLAY", qEnvironmentVariable("DISPLAY"));
    startedAs = programName(argv);
#ifndef Q_OS_WASM
    // Said, should the window system not start, as the player's language has it. (A web page has
    // no window system to reach.)
    inPlayersLanguage(argv, [&] {
        noDesktop = display.isEmpty()
                ? Texts::tr("%1: Tandro needs a graphical desktop to open its window, and this "
                            "session has none (DISPLAY and WAYLAND_DISPLAY are unset).")
                          .arg(startedAs)
                : Texts::tr("%1: Tandro needs a graphical desktop to open its window, and could "
                            "not reach the one at %2.")
                          .arg(startedAs, display);
        noWindowSystem =
                Texts::tr("%1: Tandro could not start the window system. Qt says:").arg(startedAs);
    });
#endif
    passOn = qInstallMessageHandler(holdWhileConnecting);
    auto application = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(passOn);
    for (const HeldMessage &message : std::as_const(heldMessages))
        passOn(message.type, message.context(), message.text);
    heldMessages.clear();
#ifdef Q_OS_WASM
    // In a web page the windows stand in the page, and the event loop never returns: the page says
    // when Tandro has ended.
    WebPage::host(*application);
#endif
    return application;
}

void showMainWindow(QWidget &window)
{
    window.showNormal();
}

} // namespace StartUp
