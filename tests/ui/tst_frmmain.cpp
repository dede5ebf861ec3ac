#include "frmmain.h"
#include "windowtesting.h"

#include <tandro/identity.h>

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <qpa/qplatformdrag.h>
#include <qpa/qwindowsysteminterface.h>

#include <algorithm>
#include <memory>

using namespace std::chrono_literals;

// What a user does during a game.
enum class Input {
    Letter,
    AccessKey,
    Click,
    DoubleClick,
    InputMethodText,
    ClickThenInputMethodText,
    ScreenReaderEdit,
    Drop
};
Q_DECLARE_METATYPE(Input)

// How a user asks for a command.
enum class Asking { Enter, AccessKey, Click };
Q_DECLARE_METATYPE(Asking)

class tst_frmMain : public WindowTest
{
    Q_OBJECT

public:
    tst_frmMain() : WindowTest(10ms) { }

private slots:
    void startsClear();
    void ramAndSita();
    void enterInEitherNameBoxPressesGo_data();
    void enterInEitherNameBoxPressesGo();
    void namesThatAreRefused_data();
    void namesThatAreRefused();
    void namesWithNoResult();
    void goTwice();
    void clearCommandsAfterAGame_data();
    void clearCommandsAfterAGame();
    void exitClosesTheWindow();
    void veryLongPastedNamePlays();
    void inputDuringAGameWaitsForItsEnd_data();
    void inputDuringAGameWaitsForItsEnd();
    void keysAfterACommandWaitForIt_data();
    void keysAfterACommandWaitForIt();
    void aGameIsPacedByOneTimer_data();
    void aGameIsPacedByOneTimer();
    void commandsDuringAGameRunAfterIt();
    void closingFromTheTitleBarDuringAGame();
    void closingFromWithinDuringAGame();
};

void tst_frmMain::startsClear()
{
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Tandro"));
    QCOMPARE(m_window->visibleCrosses(), QList<int>());
    QCOMPARE(lineEdit("txtYourName")->text(), QString());
    QCOMPARE(lineEdit("txtYourPartner")->text(), QString());
    QCOMPARE(QApplication::focusWidget(), lineEdit("txtYourName"));
    for (QLabel *word : m_window->findChildren<QLabel *>()) {
        if (word->text() != "X")
            QVERIFY2(word->isVisible(), qPrintable(word->objectName())); // the words and captions
    }
}

void tst_frmMain::ramAndSita()
{
    MessageBoxAnswerer boxes;
    m_window->typeNames("Ram", "Sita");
    clickGo();

    QCOMPARE(m_window->strikesSeen(), QList<int>({ 5, 4, 6, 2, 3 }));
    // Each pause shows one cross more than the one before.
    QCOMPARE(m_window->crossesAtPauses.size(), 5);
    QCOMPARE(m_window->visibleCrosses(), QList<int>({ 2, 3, 4, 5, 6 })); // "Hates" is left
    QCOMPARE(m_window->beeps(), 1);
    QCOMPARE(lineEdit("txtYourName")->text(), QStringLiteral("Ram"));
    QCOMPARE(lineEdit("txtYourPartner")->text(), QStringLiteral("Sita"));
    QCOMPARE(boxes.texts(), QStringList());
}

void tst_frmMain::enterInEitherNameBoxPressesGo_data()
{
    QTest::addColumn<QString>("box");
    QTest::newRow("user's name box") << "txtYourName";
    QTest::newRow("partner's name box") << "txtYourPartner";
}

void tst_frmMain::enterInEitherNameBoxPressesGo()
{
    QFETCH(QString, box);

    m_window->typeNames("Anna", "Hanna"); // a step count of 1 leaves "Enemy"
    QTest::mouseClick(lineEdit(qPrintable(box)), Qt::LeftButton);
    QTest::keyClick(lineEdit(qPrintable(box)), Qt::Key_Return);
    QVERIFY(m_window->waitUntilIdle());
    QCOMPARE(m_window->strikesSeen(), QList<int>({ 1, 2, 3, 4, 5 }));
    QCOMPARE(m_window->beeps(), 1);
}

void tst_frmMain::namesThatAreRefused_data()
{
    QTest::addColumn<QString>("yourName");
    QTest::addColumn<QString>("partnerName");
    QTest::addColumn<QStringList>("messages");

    QTest::newRow("partner's name empty") << "Ram"
                                          << "" << QStringList { "Note!: Empty Data" };
    QTest::newRow("both names empty") << ""
                                      << "" << QStringList { "Note!: Empty Data" };
    QTest::newRow("user's name empty, partner's name 'Jo3'")
            << ""
            << "Jo3"
            << QStringList { "Note!: Empty Data", "Note!: Please correct your Partners Name" };
    QTest::newRow("both names bad") << "O'Neil"
                                    << "Ann-Marie"
                                    << QStringList { "Note!: Please correct your Name",
                                                     "Note!: Please correct your Partners Name" };
}

void tst_frmMain::namesThatAreRefused()
{
    QFETCH(QString, yourName);
    QFETCH(QString, partnerName);
    QFETCH(QStringList, messages);

    MessageBoxAnswerer boxes;
    m_window->typeNames(yourName, partnerName);
    clickGo();

    QCOMPARE(boxes.texts(), messages);
    for (const MessageBoxAnswerer::Seen &box : std::as_const(boxes.seen)) {
        QCOMPARE(box.icon, QMessageBox::NoIcon);
        QCOMPARE(box.buttons, QMessageBox::Ok);
    }
    QCOMPARE(lineEdit("txtYourName")->text(), yourName);
    QCOMPARE(lineEdit("txtYourPartner")->text(), partnerName);
    QCOMPARE(m_window->visibleCrosses(), QList<int>());
    QCOMPARE(m_window->crossesAtPauses.size(), 0);
    QCOMPARE(m_window->beeps(), 0);
}

void tst_frmMain::namesWithNoResult()
{
    MessageBoxAnswerer boxes;
    m_window->typeNames("Anna", "anna");
    QTest::keyClick(lineEdit("txtYourPartner"), Qt::Key_Return);
    QVERIFY(m_window->waitUntilIdle());

    QCOMPARE(boxes.texts(), QStringList { "Error!!!: No Result for these Names" });
    QCOMPARE(boxes.seen.first().icon, QMessageBox::NoIcon);
    QCOMPARE(boxes.seen.first().buttons, QMessageBox::Ok);
    QCOMPARE(lineEdit("txtYourName")->text(), QString());
    QCOMPARE(lineEdit("txtYourPartner")->text(), QString());
    QCOMPARE(m_window->visibleCrosses(), QList<int>());
    // The window gets the focus back from the window manager once the box has gone; offscreen
    // there is none, so look at where the window's focus stands.
    QCOMPARE(m_window->focusWidget(), lineEdit("txtYourName"));
    QCOMPARE(m_window->beeps(), 0);
}

void tst_frmMain::goTwice()
{
    m_window->typeNames("Ram", "Sita");
    clickGo();
    clickGo();

    // The first game's crosses are gone when the second one shows its first cross.
    QCOMPARE(m_window->crossesAtPauses.size(), 10);
    QCOMPARE(m_window->crossesAtPauses.at(5), QList<int> { 5 });
    QCOMPARE(m_window->crossesAtPauses.mid(5), m_window->crossesAtPauses.mid(0, 5));
    QCOMPARE(m_window->visibleCrosses(), QList<int>({ 2, 3, 4, 5, 6 }));
    QCOMPARE(m_window->beeps(), 2);
}

void tst_frmMain::clearCommandsAfterAGame_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("yourNameAfter");
    QTest::addColumn<QString>("focusAfter");

    QTest::newRow("Clear All") << "cmdClear"
                               << ""
                               << "txtYourName";
    QTest::newRow("Clear Partner") << "cmdClearPartner"
                                   << "Ram"
                                   << "txtYourPartner";
}

void tst_frmMain::clearCommandsAfterAGame()
{
    QFETCH(QString, command);
    QFETCH(QString, yourNameAfter);
    QFETCH(QString, focusAfter);

    m_window->typeNames("Ram", "Sita");
    clickGo();
    QCOMPARE(m_window->visibleCrosses().size(), Tandro::StrikeCount);

    QTest::mouseClick(button(qPrintable(command)), Qt::LeftButton);
    QCOMPARE(m_window->visibleCrosses(), QList<int>());
    QCOMPARE(lineEdit("txtYourName")->text(), yourNameAfter);
    QCOMPARE(lineEdit("txtYourPartner")->text(), QString());
    QCOMPARE(QApplication::focusWidget(), lineEdit(qPrintable(focusAfter)));
    // A name cleared is gone: nothing of it is kept to undo.
    QCOMPARE(lineEdit("txtYourName")->isUndoAvailable(), !yourNameAfter.isEmpty());
    QVERIFY(!lineEdit("txtYourPartner")->isUndoAvailable());
}

void tst_frmMain::exitClosesTheWindow()
{
    QTest::mouseClick(button("cmdExit"), Qt::LeftButton);
    QVERIFY(!m_window->isVisible());
}

void tst_frmMain::veryLongPastedNamePlays()
{
    // 100,026 letters are left, 6 more than a multiple of 60: the game of a step count of 6.
    const QString longName(100025, u'a');
    QGuiApplication::clipboard()->setText(longName);
    QTest::mouseClick(lineEdit("txtYourName"), Qt::LeftButton);
    QTest::keyClick(lineEdit("txtYourName"), Qt::Key_V, Qt::ControlModifier);
    QTest::mouseClick(lineEdit("txtYourPartner"), Qt::LeftButton);
    QTest::keyClicks(lineEdit("txtYourPartner"), "x");
    QCOMPARE(lineEdit("txtYourName")->text(), longName); // nothing cut off
    clickGo();

    QCOMPARE(m_window->strikesSeen(), QList<int>({ 6, 1, 3, 2, 5 }));
    QCOMPARE(m_window->beeps(), 1);
}

void tst_frmMain::inputDuringAGameWaitsForItsEnd_data()
{
    QTest::addColumn<Input>("input");
    QTest::addColumn<QString>("after"); // the focused box, its name and what is selected in it

    QTest::newRow("a letter typed") << Input::Letter << "txtYourPartner: Sitaz|";
    QTest::newRow("an access key") << Input::AccessKey << "txtYourName: Ram|Ram";
    // One click, not taken for two: a double click would select the name.
    QTest::newRow("a click into the other name box") << Input::Click << "txtYourName: Ram|";
    QTest::newRow("a double click into the other name box selects its word")
            << Input::DoubleClick << "txtYourName: Ram|Ram";
    // As a phone's keyboard gives it: straight to the name box, not through the window.
    QTest::newRow("a word from an input method")
            << Input::InputMethodText << "txtYourPartner: Sitaz|";
    // As a web page gives a letter typed into the box that a click gave the focus to: the text goes
    // where the focus is once the click has been handed on.
    QTest::newRow("a click into the other name box, then a word from an input method")
            << Input::ClickThenInputMethodText << "txtYourName: Ramz|";
    // Past the window's input: a screen reader's edit, and text dragged from another program.
    QTest::newRow("a letter put in by a screen reader")
            << Input::ScreenReaderEdit << "txtYourPartner: Sitaz|";
    QTest::newRow("a letter dropped into the name box") << Input::Drop << "txtYourPartner: Sitaz|";
}

void tst_frmMain::inputDuringAGameWaitsForItsEnd()
{
    QFETCH(Input, input);
    QFETCH(QString, after);

    // Input reaches the window through the window system's queue, as a user's does.
    QWindow *window = m_window->windowHandle();
    auto *yourName = lineEdit("txtYourName");
    const QPointF intoYourName = yourName->mapTo(m_window.get(), yourName->rect().center());
    const auto seen = [] {
        const auto *box = qobject_cast<QLineEdit *>(QApplication::focusWidget());
        return box ? QStringLiteral("%1: %2|%3")
                             .arg(box->objectName(), box->text(), box->selectedText())
                   : QStringLiteral("no name box has the focus");
    };
    QStringList seenAtPauses;
    m_window->duringPause = [&](int pause) {
        seenAtPauses.append(seen());
        if (pause != 1)
            return;
        using Delivery = QWindowSystemInterface::AsynchronousDelivery;
        for (const QEvent::Type type : { QEvent::KeyPress, QEvent::KeyRelease }) {
            if (input == Input::Letter)
                QWindowSystemInterface::handleKeyEvent<Delivery>(window, type, Qt::Key_Z,
                                                                 Qt::NoModifier, "z");
            else if (input == Input::AccessKey)
                QWindowSystemInterface::handleKeyEvent<Delivery>(window, type, Qt::Key_Y,
                                                                 Qt::AltModifier, "y");
        }
        const bool clickFirst = input == Input::Click || input == Input::ClickThenInputMethodText;
        for (int click = 0; click < (input == Input::DoubleClick ? 2 : clickFirst); ++click) {
            const ulong time = 1000 + 200 * click;
            QWindowSystemInterface::handleMouseEvent<Delivery>(
                    window, time, intoYourName, window->mapToGlobal(intoYourName), Qt::LeftButton,
                    Qt::LeftButton, QEvent::MouseButtonPress);
            QWindowSystemInterface::handleMouseEvent<Delivery>(
                    window, time + 100, intoYourName, window->mapToGlobal(intoYourName),
                    Qt::NoButton, Qt::LeftButton, QEvent::MouseButtonRelease);
        }
        if (input == Input::InputMethodText || input == Input::ClickThenInputMethodText) {
            QWindowSystemInterface::flushWindowSystemEvents(); // the click has come first
            QInputMethodEvent word;
            word.setCommitString("z");
            QCoreApplication::sendEvent(QApplication::focusWidget(), &word);
        }
        auto *partner = lineEdit("txtYourPartner");
        if (input == Input::ScreenReaderEdit)
            QAccessible::queryAccessibleInterface(partner)->editableTextInterface()->insertText(
                    4, QStringLiteral("z"));
        if (input == Input::Drop) {
            // Past the end of the name, so that it is put at the end.
            const QPoint at = partner->mapTo(m_window.get(), partner->rect().center());
            QMimeData letter;
            letter.setText(QStringLiteral("z"));
            QWindowSystemInterface::handleDrag(window, &letter, at, Qt::CopyAction, Qt::LeftButton,
                                               {});
            QWindowSystemInterface::handleDrop(window, &letter, at, Qt::CopyAction, Qt::LeftButton,
                                               {});
        }
    };
    m_window->typeNames("Ram", "Sita");
    QTest::keyClick(lineEdit("txtYourPartner"), Qt::Key_Return);
    QVERIFY(m_window->waitUntilIdle());

    QCOMPARE(m_window->beeps(), 1);
    QCOMPARE(seenAtPauses, QStringList(5, "txtYourPartner: Sita|")); // nothing happened yet
    QTRY_COMPARE(seen(), after); // and nothing was lost
}

void tst_frmMain::keysAfterACommandWaitForIt_data()
{
    QTest::addColumn<Asking>("asking");
    QTest::addColumn<Qt::Key>("key"); // Enter's, or the access key's letter
    QTest::addColumn<QString>("button"); // what a click lands on
    QTest::addColumn<QString>("after"); // the two names and the crosses shown

    // The game of 'Ram' and 'Sita' leaves "Hates"; that of 'Ram' and 'Sitazz', "Marriage".
    const QString played = QStringLiteral("Ram|Sitazz|2 3 4 5 6");
    QTest::newRow("Enter") << Asking::Enter << Qt::Key_Return << "" << played;
    QTest::newRow("Alt+G") << Asking::AccessKey << Qt::Key_G << "" << played;
    // The click gives Go the focus: the keys go to it.
    QTest::newRow("a click on Go") << Asking::Click << Qt::Key_unknown << "cmdGo"
                                   << "Ram|Sita|2 3 4 5 6";
    QTest::newRow("Alt+A, Clear All") << Asking::AccessKey << Qt::Key_A << "" << "zz||";
    QTest::newRow("Alt+C, Clear Partner") << Asking::AccessKey << Qt::Key_C << "" << "Ram|zz|";
    QTest::newRow("a click on Clear Partner")
            << Asking::Click << Qt::Key_unknown << "cmdClearPartner" << "Ram|zz|";
}

void tst_frmMain::keysAfterACommandWaitForIt()
{
    QFETCH(Asking, asking);
    QFETCH(Qt::Key, key);
    QFETCH(QString, button);
    QFETCH(QString, after);

    // The command and then two letters, all at once through the window system's queue, as
    // a quick typist's reach the window.
    m_window->typeNames("Ram", "Sita");
    QWindow *window = m_window->windowHandle();
    using Delivery = QWindowSystemInterface::AsynchronousDelivery;
    if (asking == Asking::Click) {
        QWidget *target = this->button(qPrintable(button));
        const QPointF centre = target->mapTo(m_window.get(), target->rect().center());
        for (const QEvent::Type type : { QEvent::MouseButtonPress, QEvent::MouseButtonRelease })
            QWindowSystemInterface::handleMouseEvent<Delivery>(
                    window, centre, window->mapToGlobal(centre),
                    type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                    Qt::LeftButton, type);
    } else {
        const Qt::KeyboardModifiers modifiers =
                asking == Asking::AccessKey ? Qt::AltModifier : Qt::NoModifier;
        const QString text = asking == Asking::Enter ? QStringLiteral("\r") : QString();
        for (const QEvent::Type type : { QEvent::KeyPress, QEvent::KeyRelease })
            QWindowSystemInterface::handleKeyEvent<Delivery>(window, type, key, modifiers, text);
    }
    for (int letter = 0; letter < 2; ++letter) {
        for (const QEvent::Type type : { QEvent::KeyPress, QEvent::KeyRelease })
            QWindowSystemInterface::handleKeyEvent<Delivery>(window, type, Qt::Key_Z,
                                                             Qt::NoModifier, "z");
    }

    const auto seen = [this] {
        QStringList crosses;
        for (const int slot : m_window->visibleCrosses())
            crosses.append(QString::number(slot));
        return QStringLiteral("%1|%2|%3")
                .arg(lineEdit("txtYourName")->text(), lineEdit("txtYourPartner")->text(),
                     crosses.join(u' '));
    };
    QTRY_COMPARE(seen(), after);
    QVERIFY(m_window->waitUntilIdle());
    QCOMPARE(seen(), after);
}

void tst_frmMain::aGameIsPacedByOneTimer_data()
{
    QTest::addColumn<QString>("next"); // the names of the second game

    QTest::newRow("a game, then the next game") << "Ram|Sita";
    QTest::newRow("a game, then a message") << "Anna|anna";
}

void tst_frmMain::aGameIsPacedByOneTimer()
{
    QFETCH(QString, next);

    // The window's one timer, which ends each pause, runs during a pause only: nothing of a game
    // before can end a pause of the next game, or a message, before its time. A pause stands until
    // its own end, a message until its OK.
    const auto timersRunning = [this] {
        const QList<QTimer *> timers = m_window->findChildren<QTimer *>(Qt::FindDirectChildrenOnly);
        return std::count_if(timers.begin(), timers.end(), [](QTimer *t) { return t->isActive(); });
    };
    m_window->typeNames("Ram", "Sita");
    clickGo();
    QCOMPARE(m_window->beeps(), 1);
    QCOMPARE(timersRunning(), 0);

    m_window->crossesAtPauses.clear();
    QList<qsizetype> runningInPauses;
    m_window->duringPause = [&](int) { runningInPauses << timersRunning(); };
    MessageBoxAnswerer boxes;
    QStringList atTheMessage;
    boxes.beforeOK = [&] {
        atTheMessage << lineEdit("txtYourName")->text() << lineEdit("txtYourPartner")->text()
                     << QString::number(timersRunning());
    };
    lineEdit("txtYourName")->setText(next.section(u'|', 0, 0));
    lineEdit("txtYourPartner")->setText(next.section(u'|', 1, 1));
    clickGo();

    QCOMPARE(timersRunning(), 0);
    if (boxes.seen.isEmpty()) {
        QCOMPARE(m_window->crossesAtPauses.size(), 5);
        QCOMPARE(runningInPauses, QList<qsizetype>(5, 1));
        QCOMPARE(m_window->beeps(), 2);
    } else {
        // The names stand until the message's OK, and go with it.
        QCOMPARE(atTheMessage, QStringList({ "Anna", "anna", "0" }));
        QCOMPARE(lineEdit("txtYourName")->text(), QString());
    }
}

void tst_frmMain::commandsDuringAGameRunAfterIt()
{
    // A button pressed without passing the window's input, as a screen reader presses it, inside
    // the game.
    m_window->duringPause = [this](int pause) {
        if (pause == 2) {
            button("cmdGo")->click();
            button("cmdClearPartner")->click();
        }
    };
    m_window->typeNames("Ram", "Sita");
    clickGo();

    // Both games run whole, one after the other; Clear Partner waits for the second one.
    QCOMPARE(m_window->crossesAtPauses.size(), 10);
    QCOMPARE(m_window->crossesAtPauses.at(4), QList<int>({ 2, 3, 4, 5, 6 }));
    QCOMPARE(m_window->crossesAtPauses.at(5), QList<int> { 5 });
    QCOMPARE(m_window->beeps(), 2);
    QCOMPARE(m_window->visibleCrosses(), QList<int>());
    QCOMPARE(lineEdit("txtYourName")->text(), QStringLiteral("Ram"));
    QCOMPARE(lineEdit("txtYourPartner")->text(), QString());
}

void tst_frmMain::closingFromTheTitleBarDuringAGame()
{
    // The window system counts the close button as user input, so it waits like the rest: the
    // game plays out, then the window closes and the event loop ends.
    m_window->duringPause = [this](int pause) {
        if (pause == 2)
            QWindowSystemInterface::handleCloseEvent<QWindowSystemInterface::AsynchronousDelivery>(
                    m_window->windowHandle());
    };
    m_window->typeNames("Ram", "Sita");
    QTimer::singleShot(0, this, [this] { clickGo(); });
    QTimer::singleShot(2min, qApp, [] { QCoreApplication::exit(1); }); // should it hang

    QCOMPARE(QApplication::exec(), 0);
    QVERIFY(!m_window->isVisible());
    QCOMPARE(m_window->crossesAtPauses.size(), 5);
    QCOMPARE(m_window->beeps(), 1);
}

void tst_frmMain::closingFromWithinDuringAGame()
{
    // Closing that does not wait for input, as when the session ends, stops the game at once: the
    // pause of an hour is cut short, or the test runs out of time.
    m_window->setStrikePause(1h);
    m_window->duringPause = [](int) { QApplication::closeAllWindows(); };
    m_window->typeNames("Ram", "Sita");

    clickGo();
    QVERIFY(!m_window->isVisible());
    QCOMPARE(m_window->crossesAtPauses.size(), 1);
    QCOMPARE(m_window->beeps(), 0);
}

QTEST_MAIN(tst_frmMain)
#include "tst_frmmain.moc"
