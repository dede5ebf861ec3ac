#include "catalog.h"

#include <tandro/identity.h>

#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

// Runs the tandro executable, each case in a process of its own, as a user runs it from a terminal.
class tst_CommandLine : public QObject
{
    Q_OBJECT

private slots:
    void answersAndRefusals_data();
    void answersAndRefusals();
    void qtsOwnOptionsStillWork_data();
    void qtsOwnOptionsStillWork();
    void speaksThePlayersLanguage_data();
    void speaksThePlayersLanguage();
};

namespace {

// Where the program is to show its window: nowhere, on a display that does not answer, offscreen;
// or through a platform plugin that is not there, or whose libraries cannot be loaded (one of
// them, found first, is no library at all).
enum class Display { None, Unreachable, Offscreen, UnknownPlatform, PlatformThatCannotLoad };

QProcessEnvironment environment(Display display)
{
    // In English, whatever the language of whoever runs the tests.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : { "DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_SESSION_TYPE",
                              "LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG" })
        environment.remove(QLatin1String(name));
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    if (display != Display::None && display != Display::Offscreen)
        environment.insert(QStringLiteral("DISPLAY"), QStringLiteral(":987"));
    if (display == Display::Offscreen)
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    if (display == Display::UnknownPlatform)
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("nosuch"));
    if (display == Display::PlatformThatCannotLoad) {
        static QTemporaryDir brokenLibraries;
        QFile(brokenLibraries.filePath(QStringLiteral("libxcb-icccm.so.4")))
                .open(QIODevice::WriteOnly);
        environment.insert(QStringLiteral("LD_LIBRARY_PATH"), brokenLibraries.path());
    }
    return environment;
}

} // namespace

void tst_CommandLine::answersAndRefusals_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<Display>("display");
    QTest::addColumn<int>("status");
    // A pattern that the whole of standard output matches, with %1 for the program's name
    // (tandro, or tandro.exe on Windows).
    QTest::addColumn<QString>("output");
    QTest::addColumn<QString>("error"); // likewise, for standard error

    const QString version = QStringLiteral("Tandro %1\n").arg(Tandro::Identity::Version);
    const QString help = QStringLiteral(
            "Usage: %1 \\[options\\]\n(.+\n)+\nOptions:\n"
            "  -h, --help +Shows this help and exits.\n  -v, --version +Shows the version and "
            "exits.\n"
            "\nQt's standard options work as well, such as -platform, -style and -reverse.\n");
    [[maybe_unused]] const QString noDesktop =
            QStringLiteral("%1: Tandro needs a graphical desktop to open its "
                           "window, and this session has none [^\n]*\n");

    QTest::newRow("--version, no display") << QStringList { "--version" } << Display::None << 0
                                           << QRegularExpression::escape(version) << "";
    QTest::newRow("-v") << QStringList { "-v" } << Display::None << 0
                        << QRegularExpression::escape(version) << "";
    QTest::newRow("--help, no display")
            << QStringList { "--help" } << Display::None << 0 << help << "";
    QTest::newRow("-h, with Qt's options")
            << QStringList { "-style", "Fusion", "-h" } << Display::None << 0 << help << "";
#ifndef Q_OS_WIN // Windows always has its desktop
    QTest::newRow("no display") << QStringList {} << Display::None << 1 << "" << noDesktop;
    QTest::newRow("a display that does not answer")
            << QStringList {} << Display::Unreachable << 1 << ""
            << "%1: Tandro needs a graphical desktop to open its window, and could not reach "
               "the one at :987.\n";
    // Otherwise Qt says what went wrong, after Tandro's first line.
    QTest::newRow("an unknown platform plugin")
            << QStringList {} << Display::UnknownPlatform << 1 << ""
            << "%1: Tandro could not start the window system. Qt says:\n"
               "qt.qpa.plugin: Could not find the Qt platform plugin \"nosuch\" in \"\"\n"
               "This application failed to start because no Qt platform plugin could be "
               "initialized.[^\n]*\n\nAvailable platform plugins are: [^\n]*xcb[^\n]*\n";
    QTest::newRow("a platform plugin that cannot be loaded")
            << QStringList {} << Display::PlatformThatCannotLoad << 1 << ""
            << "%1: Tandro could not start the window system. Qt says:\n"
               "(qt.qpa.plugin: [^\n]*\n)*" // what Qt 6.8 says first of the xcb plugin's needs
               "qt.qpa.plugin: Could not load the Qt platform plugin \"xcb\" in \"\" even though "
               "it was found.\n[\\s\\S]+\n";
#endif
    // Refused before any window can open: with a display there, the program ends at once.
    QTest::newRow("unknown option")
            << QStringList { "--frobnicate" } << Display::Offscreen << 2 << ""
            << "%1: Unknown option 'frobnicate'. [^\n]*--help[^\n]*\n";
    QTest::newRow("unknown option, no display") << QStringList { "-x" } << Display::None << 2 << ""
                                                << "%1: Unknown option 'x'.[^\n]*\n";
    QTest::newRow("an argument") << QStringList { "Ram" } << Display::Offscreen << 2 << ""
                                 << "%1: Unexpected argument 'Ram'.[^\n]*\n";
    QTest::newRow("Qt's option without its value")
            << QStringList { "-platform" } << Display::None << 2 << ""
            << "%1: Missing value after "
               "'-platform'.[^\n]*\n";
}

void tst_CommandLine::answersAndRefusals()
{
    QFETCH(QStringList, arguments);
    QFETCH(Display, display);
    QFETCH(int, status);
    QFETCH(QString, output);
    QFETCH(QString, error);

    QProcess tandro;
    tandro.setProcessEnvironment(environment(display));
    // (As text, read with Windows' line ends made plain.)
    tandro.start(QStringLiteral(TANDRO_EXECUTABLE), arguments,
                 QIODevice::ReadOnly | QIODevice::Text);
    QVERIFY(tandro.waitForFinished(60000)); // only a hang takes that long
    QCOMPARE(tandro.exitStatus(), QProcess::NormalExit); // no abort, no core dump
    QCOMPARE(tandro.exitCode(), status);
    const QString shownOutput = QString::fromLocal8Bit(tandro.readAllStandardOutput());
    const QString shownError = QString::fromLocal8Bit(tandro.readAllStandardError());
    const QString program =
            QRegularExpression::escape(QFileInfo(QStringLiteral(TANDRO_EXECUTABLE)).fileName());
    const QRegularExpression outputPattern(
            QRegularExpression::anchoredPattern(QString(output).replace("%1", program)));
    const QRegularExpression errorPattern(
            QRegularExpression::anchoredPattern(QString(error).replace("%1", program)));
    QVERIFY2(outputPattern.match(shownOutput).hasMatch(), qPrintable(shownOutput));
    QVERIFY2(errorPattern.match(shownError).hasMatch(), qPrintable(shownError));
}

void tst_CommandLine::qtsOwnOptionsStillWork_data()
{
#ifdef Q_OS_WIN
    QSKIP("tandro.exe carries Windows' own platform only, and needs a desktop to open its window");
#endif
    QTest::addColumn<QStringList>("arguments");

    QTest::newRow("-platform offscreen, with no display")
            << QStringList { "-platform", "offscreen" };
    QTest::newRow("-style Fusion -reverse")
            << QStringList { "-platform", "offscreen", "-style", "Fusion", "-reverse" };
    QTest::newRow("-style=Fusion --qwindowgeometry")
            << QStringList { "-platform", "offscreen", "-style=Fusion", "--qwindowgeometry",
                             "300x300+10+10" };
}

void tst_CommandLine::qtsOwnOptionsStillWork()
{
    QFETCH(QStringList, arguments);

    // The game opens its window and waits for its player: still running a moment later.
    QProcess tandro;
    tandro.setProcessEnvironment(environment(Display::None));
    tandro.start(QStringLiteral(TANDRO_EXECUTABLE), arguments);
    QVERIFY(tandro.waitForStarted());
    QVERIFY2(!tandro.waitForFinished(1500), tandro.readAllStandardError().constData());
    tandro.kill();
    tandro.waitForFinished();
}

void tst_CommandLine::speaksThePlayersLanguage_data()
{
    QTest::addColumn<QStringList>("environment"); // of the language, as NAME=value
    QTest::addColumn<QString>("translation"); // the one it speaks, or empty for English

#ifdef Q_OS_WIN
    QSKIP("Windows speaks its display language, which the window tests give under Wine");
#endif
    const auto row = [](const char *what, const QStringList &environment, const char *translation) {
        QTest::newRow(what) << environment << QString::fromLatin1(translation);
    };
    // The order in which Linux's programs look for the language, and LANGUAGE's list in turn.
    row("LANGUAGE, before the rest", { "LANGUAGE=fr", "LC_ALL=de_DE.UTF-8", "LANG=es_ES.UTF-8" },
        "fr");
    row("LC_ALL, before LC_MESSAGES and LANG",
        { "LC_ALL=es_ES.UTF-8", "LC_MESSAGES=de_DE.UTF-8", "LANG=fr_FR.UTF-8" }, "es");
    row("LC_MESSAGES, before LANG", { "LC_MESSAGES=it_IT.UTF-8", "LANG=fr_FR.UTF-8" }, "it");
    row("LANG", { "LANG=pl_PL.UTF-8" }, "pl");
    row("a region takes its language", { "LANG=de_AT.UTF-8" }, "de");
    row("a region takes the variant there is", { "LANG=pt_PT.UTF-8" }, "pt_BR");
    row("a language not translated gives way to the next one named", { "LANGUAGE=eo:ru:fr" }, "ru");
    row("and, where none is, to English", { "LANGUAGE=eo:xx", "LANG=eo.UTF-8" }, "");
    row("English, named before a language translated", { "LANGUAGE=en_GB:de" }, "");
    row("C", { "LANG=C" }, "");
    row("POSIX", { "LC_ALL=POSIX", "LANG=de_DE.UTF-8" }, "");
    row("Arabic", { "LANG=ar_EG.UTF-8" }, "ar");
}

void tst_CommandLine::speaksThePlayersLanguage()
{
    QFETCH(QStringList, environment);
    QFETCH(QString, translation);

    QProcessEnvironment language = ::environment(Display::None);
    language.remove(QStringLiteral("LC_ALL"));
    for (const QString &variable : environment)
        language.insert(variable.section(u'=', 0, 0), variable.section(u'=', 1));
    QProcess tandro;
    tandro.setProcessEnvironment(language);
    tandro.start(QStringLiteral(TANDRO_EXECUTABLE), { QStringLiteral("--help") },
                 QIODevice::ReadOnly | QIODevice::Text);
    QVERIFY(tandro.waitForFinished(60000));
    QCOMPARE(tandro.exitCode(), 0);
    // Its first line, as the translation says it. (A locale that this machine lacks makes Qt
    // warn on standard error; what it says is no matter here.)
    const QString firstLine =
            QString::fromUtf8(tandro.readAllStandardOutput()).section(u'\n', 0, 0);
    const QString program = QFileInfo(QStringLiteral(TANDRO_EXECUTABLE)).fileName();
    QCOMPARE(firstLine,
             Catalog(translation)
                     .text(QStringLiteral("StartUp"), QStringLiteral("Usage: %1 [options]"))
                     .arg(program));
}

QTEST_GUILESS_MAIN(tst_CommandLine)
#include "tst_commandline.moc"
