#include "windowtesting.h"

#include "appearance.h"
#include "faces.h"
#include "process.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QStyleHints>
#include <QTest>

#include <tandro/identity.h>

using namespace std::chrono_literals;

namespace {

QtMessageHandler testLogHandler = nullptr;

void dropSizeHintWarning(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtWarningMsg
        && message == QLatin1String("This plugin does not support propagateSizeHints()"))
        return;
    testLogHandler(type, context, message);
}

class UnexpectedMessageBoxGuard : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *box = qobject_cast<QMessageBox *>(watched);
        if (box && event->type() == QEvent::Show && !MessageBoxAnswerer::isAnswering()) {
            QTest::qFail(qPrintable(QStringLiteral("a message box that the test did not expect "
                                                   "opened: %1: %2")
                                            .arg(box->windowTitle(), box->text())),
                         __FILE__, __LINE__);
            // Closed once its modal loop runs, which is what the test is stuck in.
            QMetaObject::invokeMethod(box, &QDialog::reject, Qt::QueuedConnection);
        }
        return false;
    }
};

} // namespace

QString faceDrawnFor(const QString &face)
{
#ifdef Q_OS_WIN
    // The tests' Wine has Wine's own fonts only: "MS Sans Serif" itself, and Tahoma, the last of
    // Windows' stand-ins for "Modern". Windows' own platform, which draws with Windows' font
    // system, finds no outline face of "MS Sans Serif" in Wine and takes Tahoma, its last stand-in,
    // too.
    if (QGuiApplication::platformName() == QLatin1String("windows"))
        return QStringLiteral("Tahoma");
    static const QHash<QString, QString> drawnIn = {
        { QStringLiteral("MS Sans Serif"), QStringLiteral("MS Sans Serif") },
        { QStringLiteral("Modern"), QStringLiteral("Tahoma") },
    };
    return drawnIn.value(face);
#else
    // The first free stand-in, which the set-up installs.
    for (const Fonts::StandIn &standIn : Fonts::StandIns) {
        if (qstrcmp(standIn.where, "free") == 0 && face == QLatin1String(standIn.face))
            return QString::fromLatin1(standIn.standIn);
    }
    return {};
#endif
}

double drawnContrast(const QImage &image, const QRect &area)
{
    QHash<QRgb, int> counts;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x)
            ++counts[image.pixel(x, y)];
    }
    QRgb background = 0;
    int most = 0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        if (it.value() > most)
            std::tie(background, most) = std::pair(it.key(), it.value());
    }
    double highest = 1;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        highest = std::max(highest, Appearance::contrast(QColor(it.key()), QColor(background)));
    return highest;
}

void useScheme(Scheme scheme)
{
    if (scheme == Scheme::Platform) {
        QApplication::setPalette(QPalette()); // back to the platform's
        return;
    }
    // Qt's own dark palette, as its Fusion style gives it under a dark scheme.
    QPalette dark(QColor(240, 240, 240), QColor(50, 50, 50), QColor(75, 75, 75), QColor(33, 33, 33),
                  QColor(38, 38, 38), QColor(240, 240, 240), QColor(36, 36, 36));
    dark.setColor(QPalette::Button, QColor(50, 50, 50));
    dark.setColor(QPalette::ButtonText, QColor(240, 240, 240));
    dark.setColor(QPalette::ToolTipBase, QColor(50, 50, 50));
    dark.setColor(QPalette::ToolTipText, QColor(240, 240, 240));
    QApplication::setPalette(dark);
}

QString schemeNotShown(Scheme scheme)
{
    if (scheme == Scheme::DarkPalette
        && QApplication::style()->name() == QLatin1String("windowsvista"))
        return QStringLiteral(
                "The Vista style draws buttons and boxes in Windows' own light theme, "
                "whatever the palette: Qt gives it no dark palette (it swaps in a "
                "light one), nor does this test.");
    return {};
}

bool platformAsSet()
{
    const QString scheme = qEnvironmentVariable("TANDRO_PLATFORM_SCHEME");
    const QString style = qEnvironmentVariable("TANDRO_PLATFORM_STYLE");
    const bool dark = QGuiApplication::styleHints()->colorScheme() == Qt::ColorScheme::Dark;
    return (scheme.isEmpty() || scheme == (dark ? QLatin1String("dark") : QLatin1String("light")))
            && (style.isEmpty() || style == QApplication::style()->name());
}

void keepPicture(QWidget *widget, const QString &name)
{
    const QString folder = qEnvironmentVariable("TANDRO_PICTURES");
    if (folder.isEmpty())
        return;
    QDir().mkpath(folder);
    // The desktop that CTest set up, if any (TANDRO_DESKTOP), or the platform.
    const QString desktop = qEnvironmentVariable("TANDRO_DESKTOP", QGuiApplication::platformName());
    const QString file =
            QStringLiteral("%1/%2-%3-%4.png").arg(folder, name, desktop, widget->style()->name());
    if (!widget->grab().save(file))
        qWarning("could not keep the picture %s", qPrintable(file));
}

bool showActive(QWidget *window)
{
    window->show();
    window->activateWindow(); // there is no window manager to do it offscreen
    return QTest::qWaitForWindowActive(window);
}

void setUpWindowTests()
{
    if (testLogHandler)
        return;
    testLogHandler = qInstallMessageHandler(dropSizeHintWarning);
    Process::setUp(QString());
    qApp->installEventFilter(new UnexpectedMessageBoxGuard(qApp));
}

int MessageBoxAnswerer::s_answerers = 0;

MessageBoxAnswerer::MessageBoxAnswerer(QObject *parent) : QObject(parent)
{
    ++s_answerers;
    m_poll.setInterval(5);
    connect(&m_poll, &QTimer::timeout, this, &MessageBoxAnswerer::answer);
    m_poll.start();
}

MessageBoxAnswerer::~MessageBoxAnswerer()
{
    --s_answerers;
}

bool MessageBoxAnswerer::isAnswering()
{
    return s_answerers > 0;
}

QStringList MessageBoxAnswerer::texts() const
{
    QStringList texts;
    for (const Seen &box : seen)
        texts.append(box.title + QStringLiteral(": ") + box.prompt);
    return texts;
}

void MessageBoxAnswerer::answer()
{
    auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
    if (!box || !box->isVisible())
        return;
    seen.append({ box->windowTitle(), box->text(), box->icon(), box->standardButtons() });
    if (beforeOK)
        beforeOK();
    if (QAbstractButton *ok = box->button(QMessageBox::Ok))
        ok->click();
    else
        box->close(); // the test will find the wrong buttons in seen
}

namespace {

int beepsSounded = 0;
constexpr const char *CrossNames[Tandro::SlotCount] = { "lblH", "lblF", "lblL",
                                                        "lblA", "lblM", "lblE" };

} // namespace

namespace Sound {

void beep()
{
    ++beepsSounded;
}

} // namespace Sound

WatchedWindow::WatchedWindow() : m_beepsBefore(beepsSounded)
{
    for (const char *name : CrossNames)
        findChild<QLabel *>(QLatin1String(name))->installEventFilter(this);
}

int WatchedWindow::beeps() const
{
    return beepsSounded - m_beepsBefore;
}

bool WatchedWindow::eventFilter(QObject *watched, QEvent *event)
{
    // A cross that the game shows, not one shown again with its window.
    if (event->type() == QEvent::Show && !event->spontaneous()) {
        crossesAtPauses.append(visibleCrosses());
        if (duringPause) {
            const int number = crossesAtPauses.size();
            QTimer::singleShot(1ms, this, [this, number] { duringPause(number); });
        }
    }
    return frmMain::eventFilter(watched, event);
}

void WatchedWindow::typeNames(const QString &yourName, const QString &partnerName)
{
    for (auto [box, name] :
         { std::pair { "txtYourName", yourName }, std::pair { "txtYourPartner", partnerName } }) {
        auto *nameBox = findChild<QLineEdit *>(QLatin1String(box));
        QTest::mouseClick(nameBox, Qt::LeftButton);
        QTest::keyClicks(nameBox, name);
    }
}

QList<int> WatchedWindow::visibleCrosses() const
{
    QList<int> shown;
    for (int slot = 1; slot <= Tandro::SlotCount; ++slot) {
        if (findChild<QLabel *>(QLatin1String(CrossNames[slot - 1]))->isVisible())
            shown.append(slot);
    }
    return shown;
}

QList<int> WatchedWindow::strikesSeen() const
{
    QList<int> order;
    for (const QList<int> &crosses : crossesAtPauses) {
        for (const int slot : crosses) {
            if (!order.contains(slot))
                order.append(slot);
        }
    }
    return order;
}

bool WatchedWindow::waitUntilIdle()
{
    return QTest::qWaitFor([this] { return !isBusy(); }, 60000);
}

WindowTest::WindowTest(std::chrono::milliseconds strikePause) : m_strikePause(strikePause) { }

void WindowTest::clickGo()
{
    QTest::mouseClick(button("cmdGo"), Qt::LeftButton);
    QVERIFY(m_window->waitUntilIdle());
}

void WindowTest::initTestCase()
{
    setUpWindowTests();
    Tandro::Identity::apply();
}

void WindowTest::init()
{
    m_window = std::make_unique<WatchedWindow>();
    m_window->setStrikePause(m_strikePause);
    QVERIFY(showActive(m_window.get()));
}

void WindowTest::cleanup()
{
    m_window.reset();
    QCOMPARE(QApplication::topLevelWidgets(), QWidgetList());
}
