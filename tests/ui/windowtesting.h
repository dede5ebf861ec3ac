#pragma once

#include "frmmain.h"

#include <QLineEdit>
#include <QList>
#include <QMessageBox>
#include <QObject>
#include <QPushButton>
#include <QTimer>

#include <chrono>
#include <functional>
#include <memory>

class QImage;

// The face that the windows' face is drawn in where the tests run: on Linux, the free face that the
// set-up installs in its place; on Windows, the face itself where the system has it, and otherwise
// Windows' own stand-in. An empty string where the system's fonts leave it to Qt to choose.
QString faceDrawnFor(const QString &face);

// The contrast of what is drawn in area of image, from its pixels: between the colour that most of
// the area shows (what stands behind the text) and the pixel that stands out from it most (the
// text itself, where its strokes are whole).
double drawnContrast(const QImage &image, const QRect &area);

// The scheme of colours a test runs in: the platform's own (light, dark or a contrast theme, as
// the desktop is set where the test runs), or a dark palette set on the application, as Qt's own
// dark palettes are, for platforms whose scheme the test cannot set. Sets it, and the platform's
// back afterwards.
enum class Scheme { Platform, DarkPalette };
void useScheme(Scheme scheme);
// Why the windows cannot be drawn in scheme where the tests run, or nothing if they can.
QString schemeNotShown(Scheme scheme);
// Whether the platform's scheme and style are those that CTest set the desktop to, if it set them
// (TANDRO_PLATFORM_SCHEME: light, dark; TANDRO_PLATFORM_STYLE: the style's name): a theme that did
// not take would test nothing.
bool platformAsSet();

// Keeps a picture of widget, as it is drawn now, in the folder that TANDRO_PICTURES names, if it is
// set, as name.png, with the desktop's name (TANDRO_DESKTOP, or else the platform's) and style.
void keepPicture(QWidget *widget, const QString &name);

// Shows window and makes it the active window, as a window manager would; false if it never
// became active.
[[nodiscard]] bool showActive(QWidget *window);

// The set-up that every window test shares, for its initTestCase():
// - What the process needs before any window exists, as the start-up gives it.
// - The offscreen platform cannot hand a fixed window size on to a window manager and warns about
//   it for every fixed-size window. Drops exactly that warning; all other output goes on to the
//   test log.
// - A message box that opens while no MessageBoxAnswerer is there to answer it would wait for its
//   OK until the test's time runs out. Such a box fails the test under way at once and is closed,
//   so that the test runs on to its end.
void setUpWindowTests();

// Answers every message box that opens, pressing its OK button, and writes down what it showed.
// Checks belong after the box has closed, in the test itself.
class MessageBoxAnswerer : public QObject
{
    Q_OBJECT

public:
    struct Seen
    {
        QString title;
        QString prompt;
        QMessageBox::Icon icon;
        QMessageBox::StandardButtons buttons;
    };

    explicit MessageBoxAnswerer(QObject *parent = nullptr);
    ~MessageBoxAnswerer() override;

    // Whether an answerer is there for the boxes that open now.
    static bool isAnswering();

    QList<Seen> seen;
    // Runs as each box is answered, before its OK.
    std::function<void()> beforeOK;
    // "title: prompt" of each box, in order.
    QStringList texts() const;

private:
    void answer();

    QTimer m_poll;
    static int s_answerers;
};

// The main window with its game watched from outside, as its user sees and hears it: at each
// strike, which crosses show (as they stay through the pause that follows it), and the beeps.
// The windows' tests link a Sound::beep of their own (windowtesting.cpp), which counts the beeps
// instead of sounding them.
class WatchedWindow : public frmMain
{
public:
    WatchedWindow();

    // The beeps sounded since the window was made.
    int beeps() const;
    // The slots whose crosses were visible at each pause, in order.
    QList<QList<int>> crossesAtPauses;
    // Runs inside each pause, while the game is waiting; given the number of the pause from 1.
    std::function<void(int)> duringPause;

    // Types the names into the two name boxes as a user does: a click into each box, then the
    // letters.
    void typeNames(const QString &yourName, const QString &partnerName);
    QList<int> visibleCrosses() const;
    // The slots in the order in which their crosses appeared, over one game.
    QList<int> strikesSeen() const;
    // Waits until the commands under way have ended, as a game's last beep or a message's OK ends
    // them; false if they never do.
    [[nodiscard]] bool waitUntilIdle();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    int m_beepsBefore = 0;
};

// What the tests of the main window share, as their base class: a main window made afresh for each
// test and shown active, with its pauses as long as the test asks, and its controls found by name;
// after each test, no window left over. Qt Test finds the slots below in this class too, and a
// test class whose own set-up does more calls these from its own.
class WindowTest : public QObject
{
    Q_OBJECT

protected:
    explicit WindowTest(std::chrono::milliseconds strikePause = std::chrono::milliseconds(1));

    // The main window's control of that name and type; the test stops if it has none.
    template <typename T = QWidget>
    T *control(const QString &name) const
    {
        T *found = m_window->findChild<T *>(name);
        if (!found)
            qFatal("no control %s", qPrintable(name));
        return found;
    }
    QLineEdit *lineEdit(const QString &name) const { return control<QLineEdit>(name); }
    QPushButton *button(const QString &name) const { return control<QPushButton>(name); }
    // Clicks Go and waits for the game, or the messages, to end.
    void clickGo();

    std::unique_ptr<WatchedWindow> m_window;

protected slots:
    void initTestCase();
    void init();
    void cleanup();

private:
    std::chrono::milliseconds m_strikePause;
};
