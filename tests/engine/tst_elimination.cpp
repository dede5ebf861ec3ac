#include "elimination.h"
#include "inwords.h"
#include "literalrules.h"

#include <QTest>

#include <limits>

class tst_Elimination : public QObject
{
    Q_OBJECT

private slots:
    void strikeOrder_data();
    void strikeOrder();
    void strikeOrderMatchesLiteralCounting();
    void countBelowOneStrikesNothing_data();
    void countBelowOneStrikesNothing();
};

void tst_Elimination::strikeOrder_data()
{
    QTest::addColumn<qsizetype>("count");
    QTest::addColumn<QList<int>>("struck");
    QTest::addColumn<QString>("wordLeft");

    auto row = [](qsizetype count, const QList<int> &struck, const char *wordLeft) {
        QTest::addRow("%lld", static_cast<long long>(count)) << count << struck << wordLeft;
    };
    row(1, { 1, 2, 3, 4, 5 }, "Enemy");
    row(2, { 2, 4, 6, 3, 1 }, "Marriage");
    row(3, { 3, 6, 4, 2, 5 }, "Hates");
    row(4, { 4, 2, 1, 3, 6 }, "Marriage");
    row(5, { 5, 4, 6, 2, 3 }, "Hates");
    row(6, { 6, 1, 3, 2, 5 }, "Admires");
    row(7, { 1, 3, 6, 2, 4 }, "Marriage");
    row(8, { 2, 5, 4, 1, 6 }, "Loves");
    row(9, { 3, 1, 2, 6, 4 }, "Marriage");
    row(10, { 4, 3, 6, 1, 5 }, "Friend");
    row(11, { 5, 6, 3, 1, 2 }, "Admires");
    row(12, { 6, 2, 1, 5, 4 }, "Loves");
    // The order repeats every 60 (the least common multiple of 6, 5, 4, 3 and 2).
    row(61, { 1, 2, 3, 4, 5 }, "Enemy");
    row(72, { 6, 2, 1, 5, 4 }, "Loves");
    row(65527, { 1, 3, 6, 2, 4 }, "Marriage"); // 60 * 1092 + 7
    row(std::numeric_limits<qint32>::max(), { 1, 3, 6, 2, 4 }, "Marriage"); // 60 * 35791394 + 7
    row(qsizetype(1) << 62, { 4, 2, 1, 3, 6 }, "Marriage"); // 2^62 is 4 modulo 60
    row(std::numeric_limits<qsizetype>::max(), { 1, 3, 6, 2, 4 }, "Marriage"); // 2^63 - 1 is 7 too
}

void tst_Elimination::strikeOrder()
{
    QFETCH(qsizetype, count);
    QFETCH(QList<int>, struck);
    QFETCH(QString, wordLeft);

    QList<Tandro::Step> shown;
    Tandro::ShowResult(shown, count);
    QCOMPARE(strikesIn(shown), struck);
    QCOMPARE(shown.last().kind, Tandro::Step::AnnounceResult);
    QCOMPARE(Tandro::relationshipWord(shown.last().slot), wordLeft);
}

void tst_Elimination::strikeOrderMatchesLiteralCounting()
{
    const auto strikes = [](qsizetype count) {
        QList<Tandro::Step> shown;
        Tandro::ShowResult(shown, count);
        return strikesIn(shown);
    };
    for (qsizetype count = 1; count <= 3 * 60 + 1; ++count)
        QCOMPARE(strikes(count), Literal::strikeOrder(count));
    for (qsizetype count = 32760; count <= 32780; ++count) // past 16 bits
        QCOMPARE(strikes(count), Literal::strikeOrder(count));
}

void tst_Elimination::countBelowOneStrikesNothing_data()
{
    QTest::addColumn<qsizetype>("count");
    QTest::newRow("zero") << qsizetype(0);
    QTest::newRow("minus one") << qsizetype(-1);
    QTest::newRow("most negative") << std::numeric_limits<qsizetype>::min();
}

void tst_Elimination::countBelowOneStrikesNothing()
{
    QFETCH(qsizetype, count);

    QList<Tandro::Step> shown;
    Tandro::ShowResult(shown, count);
    QVERIFY(shown.isEmpty());
}

QTEST_GUILESS_MAIN(tst_Elimination)
#include "tst_elimination.moc"
