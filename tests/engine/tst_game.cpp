#include "game.h"
#include "inwords.h"

#include <QTest>

class tst_Game : public QObject
{
    Q_OBJECT

private slots:
    void go_data();
    void go();
};

void tst_Game::go_data()
{
    QTest::addColumn<QString>("yourName");
    QTest::addColumn<QString>("partnerName");
    QTest::addColumn<QString>("shown");

    const auto game = [](const char *strikes, int slotLeft) {
        QString steps;
        for (const char *slot = strikes; *slot; ++slot)
            steps += QStringLiteral("strike %1, pause, ").arg(*slot);
        return steps + QStringLiteral("beep, result %1").arg(slotLeft);
    };
    QTest::newRow("'Ram' and 'Sita' leave \"Hates\"") << "Ram"
                                                      << "Sita" << game("54623", 1);
    QTest::newRow("'Anna' and 'Hanna' leave \"Enemy\"") << "Anna"
                                                        << "Hanna" << game("12345", 6);
    QTest::newRow("'john smith' and 'jane doe' leave \"Friend\"") << "john smith"
                                                                  << "jane doe" << game("43615", 2);
    QTest::newRow("'Anna' and 'anna' leave no result, then clear all")
            << "Anna"
            << "anna"
            << "Error!!!: No Result for these Names, clear all";
    QTest::newRow("names of spaces only leave no result")
            << "  "
            << " "
            << "Error!!!: No Result for these Names, clear all";
    QTest::newRow("a name missing") << "Ram"
                                    << ""
                                    << "Note!: Empty Data";
    QTest::newRow("user's name empty, partner's name 'Jo3': two messages, in order")
            << ""
            << "Jo3"
            << "Note!: Empty Data, Note!: Please correct your Partners Name";
    QTest::newRow("both names bad")
            << "O'Neil"
            << "Ann-Marie"
            << "Note!: Please correct your Name, Note!: Please correct your Partners Name";
}

void tst_Game::go()
{
    QFETCH(QString, yourName);
    QFETCH(QString, partnerName);
    QFETCH(QString, shown);

    QCOMPARE(inWords(Tandro::Go(yourName, partnerName)), shown);
}

QTEST_GUILESS_MAIN(tst_Game)
#include "tst_game.moc"
