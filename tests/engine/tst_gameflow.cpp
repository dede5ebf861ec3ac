#include "elimination.h"
#include "gameflow.h"
#include "names.h"
#include "recordingboard.h"

#include <QTest>

class tst_GameFlow : public QObject
{
    Q_OBJECT

private slots:
    void commandsAndWaits_data();
    void commandsAndWaits();
};

void tst_GameFlow::commandsAndWaits_data()
{
    // What is done, in order: "game" runs a command that plays a game of step count 5 and writes
    // "ended" when it has; "check" one that checks the names '' and 'Jo3' (two messages) and writes
    // its verdict; "message" one that shows one message and writes "closed" after it; "two waits"
    // one that asks for two messages at once; "end" ends the wait that the board holds; "stop"
    // stops the flow, as when the window closes; any other word runs a command that writes it.
    QTest::addColumn<QStringList>("actions");
    QTest::addColumn<bool>("held"); // whether the board holds its waits until they are ended
    QTest::addColumn<QStringList>("calls"); // what the board was asked, and what was written
    QTest::addColumn<QList<bool>>("busy"); // the flow's changes between busy and idle

    const QStringList game = callsOfGame({ 5, 4, 6, 2, 3 }) << "ended";
    const QStringList ends(5, "end");
    QTest::newRow("a command runs at once when none is under way")
            << QStringList { "A", "B" } << false << QStringList { "A", "B" }
            << QList<bool> { true, false, true, false };
    QTest::newRow("a whole game whose waits are over at once")
            << QStringList { "game" } << false << game << QList<bool> { true, false };
    QTest::newRow("a command waits its turn behind a game")
            << QStringList { "game", "B" } + ends << true << game + QStringList { "B" }
            << QList<bool> { true, false };
    QTest::newRow("messages come one at a time, each after the one before has closed")
            << QStringList { "check", "B" } << true << QStringList { "message EmptyData" }
            << QList<bool> { true };
    QTest::newRow("the verdict comes after the last message has closed")
            << QStringList { "check", "B", "end", "end" } << true
            << QStringList { "message EmptyData", "message CorrectPartnerName", "refused", "B" }
            << QList<bool> { true, false };
    QTest::newRow("a wait asked for during another starts once that one is over")
            << QStringList { "two waits", "end", "end" } << true
            << QStringList { "message EmptyData", "after first", "message NoResult",
                             "after second" }
            << QList<bool> { true, false };
    QTest::newRow("a wait is over once, however often the board says so")
            << QStringList { "message", "B", "end", "end", "end" } << true
            << QStringList { "message EmptyData", "closed", "B" } << QList<bool> { true, false };
    QTest::newRow("stopped, a game ends at its pause and the commands waiting go")
            << QStringList { "game", "B", "stop", "end" } << true
            << QStringList { "show 5", "refresh", "pause" } << QList<bool> { true, false };
    QTest::newRow("stopped, the flow runs commands again")
            << QStringList { "game", "stop", "C" } << true
            << QStringList { "show 5", "refresh", "pause", "C" }
            << QList<bool> { true, false, true, false };
}

void tst_GameFlow::commandsAndWaits()
{
    QFETCH(QStringList, actions);
    QFETCH(bool, held);
    QFETCH(QStringList, calls);
    QFETCH(QList<bool>, busy);

    RecordingBoard board;
    board.holdsWaits = held;
    Tandro::GameFlow flow(board);
    QList<bool> changes;
    connect(&flow, &Tandro::GameFlow::busyChanged, this,
            [&changes](bool isBusy) { changes.append(isBusy); });
    const auto write = [&board](const QString &what) {
        return [&board, what] { board.calls.append(what); };
    };
    for (const QString &action : std::as_const(actions)) {
        if (action == "end") {
            board.endWait();
        } else if (action == "stop") {
            flow.stop();
        } else if (action == "game") {
            flow.run([&] { Tandro::ShowResult(flow, 5, write("ended")); });
        } else if (action == "check") {
            flow.run([&] {
                Tandro::CheckValidData(flow, u"", u"Jo3", [&board](bool valid) {
                    board.calls.append(valid ? "valid" : "refused");
                });
            });
        } else if (action == "message") {
            flow.run([&] { flow.showMessage(Tandro::Message::EmptyData, write("closed")); });
        } else if (action == "two waits") {
            flow.run([&] {
                flow.showMessage(Tandro::Message::EmptyData, write("after first"));
                flow.showMessage(Tandro::Message::NoResult, write("after second"));
            });
        } else {
            flow.run(write(action));
        }
    }
    QCOMPARE(board.calls, calls);
    QCOMPARE(changes, busy);
    QCOMPARE(flow.isBusy(), busy.last());
}

QTEST_GUILESS_MAIN(tst_GameFlow)
#include "tst_gameflow.moc"
