#include "startup.h"

#include "terminal.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>
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
            said.append(Texts::tr("%1: Tandro could not start the window system. Qt says:")
                                .arg(startedAs));
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
    // QGuiApplication with its X11 aliases, and QApplication), and whether each takes a value.
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
    const QCommandLineOption help({ QStringLiteral("h"), QStringLiteral("help") },
                                  Texts::tr("Shows this help and exits."));
    const QCommandLineOption version({ QStringLiteral("v"), QStringLiteral("version") },
                                     Texts::tr("Shows the version and exits."));
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
    const auto usageError = [&](const QString &error) {
        Terminal::say(Terminal::Kind::Error,
                      Texts::tr("%1: %2 (%1 --help tells what it takes.)").arg(program, error));
        return 2;
    };
    if (!parser.parse(arguments))
        return usageError(parser.errorText());
    if (!parser.positionalArguments().isEmpty())
        return usageError(
                Texts::tr("Unexpected argument '%1'.").arg(parser.positionalArguments().first()));

    if (parser.isSet(help)) {
        const QString usage = Texts::tr(
                "Usage: %1 [options]\n"
                "A game for two names. Type your own name and your partner's name and press Go:\n"
                "the letters that the two names share cancel each other, and the number of\n"
                "letters left over counts round six words, Hates, Friend, Loves, Admires,\n"
                "Marriage and Enemy, striking them out one by one until one is left: the\n"
                "relationship between the two names.\n"
                "\n"
                "Options:\n"
                "  -h, --help     %2\n"
                "  -v, --version  %3\n"
                "\n"
                "Qt's standard options work as well, such as -platform, -style and -reverse.");
        Terminal::say(Terminal::Kind::Information,
                      usage.arg(program, help.description(), version.description()));
        return 0;
    }
    if (parser.isSet(version)) {
        Terminal::say(Terminal::Kind::Information,
                      QStringLiteral("%1 %2").arg(QCoreApplication::applicationName(),
                                                  QCoreApplication::applicationVersion()));
        return 0;
    }
    return std::nullopt;
#endif
}

std::unique_ptr<QApplication> makeApplication(int &argc, char *argv[])
{
    const QString display =
            qEnvironmentVariable("WAYLAND_DISPLAY", qEnvironmentVariable("DISPLAY"));
    startedAs = programName(argv);
    noDesktop = display.isEmpty() ? Texts::tr("%1: Tandro needs a graphical desktop to open its "
                                              "window, and this session has "
                                              "none (DISPLAY and WAYLAND_DISPLAY are unset).")
                                            .arg(startedAs)
                                  : Texts::tr("%1: Tandro needs a graphical desktop to open its "
                                              "window, and could not reach "
                                              "the one at %2.")
                                            .arg(startedAs, display);
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
