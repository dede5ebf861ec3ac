#include "frmabout.h"
#include "processusage.h"
#include "windowtesting.h"

#include <tandro/identity.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <qpa/qwindowsysteminterface.h>

#include <memory>

using namespace std::chrono_literals;

// AddressSanitizer holds freed memory back on purpose (to catch use after free), so that the
// resident memory grows however well the program frees it; LeakSanitizer looks for leaks there.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool ResidentMemoryTellsLeaks = false;
#elif defined(__has_feature)
constexpr bool ResidentMemoryTellsLeaks = !__has_feature(address_sanitizer);
#else
constexpr bool ResidentMemoryTellsLeaks = true;
#endif

// What users can throw at the window, through the window: names far too long, characters from
// every corner of Unicode, pasted paragraphs, impatient clicking, and dialogs opened without end.
class tst_HostileInput : public WindowTest
{
    Q_OBJECT

private slots:
    void millionLetterNames();
    void millionLetterNamesClearedAgainAndAgain();
    void refusedCharacters_data();
    void refusedCharacters();
    void namesOfSpacesOnly();
    void goPressedAgainAndAgainDuringAGame();
    void aboutOpenedAndClosedHundredsOfTimes();
    void aGameCostsLittleCpu();

private:
    // Pastes text into the named box, as a user does with Ctrl+V.
    void paste(const char *boxName, const QString &text);
};

void tst_HostileInput::paste(const char *boxName, const QString &text)
{
    QGuiApplication::clipboard()->setText(text);
    QLineEdit *target = lineEdit(boxName);
    QTest::mouseClick(target, Qt::LeftButton);
    QTest::keyClick(target, Qt::Key_V, Qt::ControlModifier);
}

void tst_HostileInput::millionLetterNames()
{
    // 1,000,000 + 999,985 letters, none shared: 5 more than a multiple of 60, the game of 5.
    const QString yourName = QString(500000, u'a') + QString(500000, u'A');
    const QString partnerName(999985, u'b');
    paste("txtYourName", yourName);
    paste("txtYourPartner", partnerName);
    QCOMPARE(lineEdit("txtYourName")->text(), yourName);
    QCOMPARE(lineEdit("txtYourPartner")->text(), partnerName);

    // How long this takes is measured in bench/, where a busy machine cannot fail it.
    clickGo();
    QCOMPARE(m_window->strikesSeen(), QList<int>({ 5, 4, 6, 2, 3 })); // "Hates" is left
    QCOMPARE(m_window->beeps(), 1);

    QTest::mouseClick(button("cmdClear"), Qt::LeftButton);
    QCOMPARE(lineEdit("txtYourName")->text(), QString());
    QCOMPARE(m_window->visibleCrosses(), QList<int>());
}

void tst_HostileInput::millionLetterNamesClearedAgainAndAgain()
{
    // Pasted and cleared again and again, a million letters in each box take their room once:
    // a cleared name leaves nothing behind to undo.
    const QString letters(1000000, u'a');
    const auto pasteAndClear = [&] {
        paste("txtYourName", letters);
        paste("txtYourPartner", letters);
        QTest::mouseClick(button("cmdClearPartner"), Qt::LeftButton);
        paste("txtYourPartner", letters);
        QTest::mouseClick(button("cmdClear"), Qt::LeftButton);
    };
    pasteAndClear(); // let caches fill
    const qint64 resident = ProcessUsage::residentKiB();
    for (int round = 0; round < 4; ++round)
        pasteAndClear();

    QCOMPARE(lineEdit("txtYourName")->text(), QString());
    QVERIFY(!lineEdit("txtYourName")->isUndoAvailable());
    QVERIFY(!lineEdit("txtYourPartner")->isUndoAvailable());
    const qint64 grownKiB = ProcessUsage::residentKiB() - resident;
    qInfo("4 more rounds changed the resident memory by %lld KiB", grownKiB);
    if (ResidentMemoryTellsLeaks)
        QVERIFY2(grownKiB < 8 * 1024, qPrintable(QStringLiteral("grew by %1 KiB").arg(grownKiB)));
}

void tst_HostileInput::refusedCharacters_data()
{
    QTest::addColumn<QString>("boxName");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("message");

    const QList<std::pair<const char *, QString>> names = {
        { "emoji", QString::fromUcs4(U"Ram\U0001F496") },
        { "combining acute accent", QStringLiteral("Rame\u0301") },
        { "right-to-left script", QStringLiteral("\u05E8\u05DD") },
        { "right-to-left override", QStringLiteral("\u202ERam") },
        { "zero-width space", QStringLiteral("Ra\u200Bm") },
        { "zero-width joiner", QStringLiteral("Ra\u200Dm") },
        { "NUL", QStringLiteral("Ra") + QChar(0) + QStringLiteral("m") },
        { "tab", QStringLiteral("Ra\tm") },
        { "bell and delete", QStringLiteral("Ra\am\x7f") },
        { "pasted lines", QStringLiteral("Ram\nSita\n") },
        { "pasted Windows lines", QStringLiteral("Ram\r\nSita") },
        { "lone surrogate", QStringLiteral("Ram") + QChar(0xD800) },
    };
    for (const auto &[what, name] : names) {
        QTest::addRow("%s in the user's name", what)
                << "txtYourName" << name << "Note!: Please correct your Name";
        QTest::addRow("%s in the partner's name", what)
                << "txtYourPartner" << name << "Note!: Please correct your Partners Name";
    }
}

void tst_HostileInput::refusedCharacters()
{
    QFETCH(QString, boxName);
    QFETCH(QString, name);
    QFETCH(QString, message);

    MessageBoxAnswerer boxes;
    paste("txtYourName", "Ram");
    paste("txtYourPartner", "Sita");
    lineEdit(qPrintable(boxName))->clear();
    paste(qPrintable(boxName), name);
    // The box may not keep every character pasted; the check reads what it holds.
    const QString held = lineEdit(qPrintable(boxName))->text();
    QVERIFY2(held != QStringLiteral("Ram") && held != QStringLiteral("Sita") && !held.isEmpty(),
             qPrintable(held));
    clickGo();

    QCOMPARE(boxes.texts(), QStringList { message });
    QCOMPARE(lineEdit(qPrintable(boxName))->text(), held); // left as it was
    QCOMPARE(m_window->crossesAtPauses.size(), 0);
    QCOMPARE(m_window->beeps(), 0);
}

void tst_HostileInput::namesOfSpacesOnly()
{
    MessageBoxAnswerer boxes;
    paste("txtYourName", "     ");
    paste("txtYourPartner", " ");
    clickGo();

    QCOMPARE(boxes.texts(), QStringList { "Error!!!: No Result for these Names" });
    QCOMPARE(lineEdit("txtYourName")->text(), QString());
    QCOMPARE(lineEdit("txtYourPartner")->text(), QString());
    QCOMPARE(m_window->crossesAtPauses.size(), 0);
}

void tst_HostileInput::goPressedAgainAndAgainDuringAGame()
{
    // Three more clicks on Go while the first game plays, through the window system's queue as a
    // user's clicks come, a second apart so that none pair up into a double click.
    QWindow *window = m_window->windowHandle();
    auto *go = button("cmdGo");
    const QPointF at = go->mapTo(m_window.get(), go->rect().center());
    m_window->duringPause = [&](int pause) {
        if (pause != 1)
            return;
        ulong time = 100000;
        for (int click = 0; click < 3; ++click) {
            for (const QEvent::Type type :
                 { QEvent::MouseButtonPress, QEvent::MouseButtonRelease }) {
                QWindowSystemInterface::handleMouseEvent<
                        QWindowSystemInterface::AsynchronousDelivery>(
                        window, time, at, window->mapToGlobal(at),
                        type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                        Qt::LeftButton, type);
                time += 1000;
            }
        }
    };
    paste("txtYourName", "Ram");
    paste("txtYourPartner", "Sita");
    clickGo();

    // Each click plays a whole game of its own, after the one before: never two at once.
    QTRY_COMPARE(m_window->beeps(), 4);
    QCOMPARE(m_window->crossesAtPauses.size(), 4 * Tandro::StrikeCount);
    for (int pause = 0; pause < m_window->crossesAtPauses.size(); ++pause)
        QCOMPARE(m_window->crossesAtPauses.at(pause).size(), pause % Tandro::StrikeCount + 1);
    QCOMPARE(m_window->visibleCrosses(), QList<int>({ 2, 3, 4, 5, 6 }));
}

void tst_HostileInput::aboutOpenedAndClosedHundredsOfTimes()
{
    QAction *about = m_window->findChild<QAction *>("mnuAbout");
    QTimer answer;
    answer.setInterval(0);
    connect(&answer, &QTimer::timeout, this, [this] {
        auto *dialog = m_window->findChild<frmAbout *>();
        if (dialog && dialog->isVisible())
            dialog->findChild<QPushButton *>("cmdOK")->click();
    });
    answer.start();
    int openings = 0;
    auto openAndClose = [&](int times) {
        for (int i = 0; i < times; ++i) {
            about->trigger();
            QVERIFY(m_window->waitUntilIdle()); // the dialog has closed
            ++openings;
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
    };

    openAndClose(50); // let caches fill
    auto *dialog = m_window->findChild<frmAbout *>();
    QVERIFY(dialog);
    const qsizetype objects = dialog->findChildren<QObject *>().size();
    const qint64 resident = ProcessUsage::residentKiB();
    openAndClose(400);

    QCOMPARE(openings, 450);
    QCOMPARE(m_window->findChildren<frmAbout *>().size(), 1);
    QCOMPARE(dialog->findChildren<QObject *>().size(), objects); // unloaded controls are gone
    const qint64 grownKiB = ProcessUsage::residentKiB() - resident;
    qInfo("400 more openings changed the resident memory by %lld KiB", grownKiB);
    if (ResidentMemoryTellsLeaks)
        QVERIFY2(grownKiB < 1024, qPrintable(QStringLiteral("grew by %1 KiB").arg(grownKiB)));
}

void tst_HostileInput::aGameCostsLittleCpu()
{
    // A whole game at the real pace: the pauses wait on a timer, not on the processor.
    m_window->setStrikePause(frmMain::StrikePause);
    paste("txtYourName", "Ram");
    paste("txtYourPartner", "Sita");

    QElapsedTimer wall;
    const double cpuBefore = ProcessUsage::cpuSeconds();
    wall.start();
    clickGo();
    const double wallSeconds = double(wall.elapsed()) / 1000;
    const double cpu = ProcessUsage::cpuSeconds() - cpuBefore;

    QCOMPARE(m_window->beeps(), 1);
    QVERIFY(wallSeconds >= 5 * 0.3);
    qInfo("a game took %.3f s and %.3f s of processor time (%.1f%%)", wallSeconds, cpu,
          100 * cpu / wallSeconds);
    QVERIFY2(cpu < wallSeconds / 10,
             qPrintable(QStringLiteral("%1 s of %2").arg(cpu).arg(wallSeconds)));
}

QTEST_MAIN(tst_HostileInput)
#include "tst_hostileinput.moc"
