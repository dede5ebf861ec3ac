#include "inwords.h"
#include "literalrules.h"
#include "names.h"

#include <QRandomGenerator>
#include <QTest>

using Tandro::Message;
using namespace Qt::StringLiterals;

class tst_Names : public QObject
{
    Q_OBJECT

private slots:
    void messageTexts_data();
    void messageTexts();
    void checkValidData_data();
    void checkValidData();
    void refusedCharacter_data();
    void refusedCharacter();
    void getNumber_data();
    void getNumber();
    void delChar_data();
    void delChar();
    void getNumberMatchesLiteralSteps();
};

void tst_Names::messageTexts_data()
{
    QTest::addColumn<Message>("message");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("prompt");

    QTest::newRow("empty") << Message::EmptyData << "Note!"
                           << "Empty Data";
    QTest::newRow("user's name") << Message::CorrectYourName << "Note!"
                                 << "Please correct your Name";
    QTest::newRow("partner's name") << Message::CorrectPartnerName << "Note!"
                                    << "Please correct your Partners Name";
    QTest::newRow("no result") << Message::NoResult << "Error!!!"
                               << "No Result for these Names";
}

void tst_Names::messageTexts()
{
    QFETCH(Message, message);
    QFETCH(QString, title);
    QFETCH(QString, prompt);

    QCOMPARE(Tandro::messageTitle(message), title);
    QCOMPARE(Tandro::messagePrompt(message), prompt);
}

void tst_Names::checkValidData_data()
{
    QTest::addColumn<QString>("yourName");
    QTest::addColumn<QString>("partnerName");
    QTest::addColumn<QList<Message>>("messages");

    const QList<Message> none;
    QTest::newRow("both names good") << "Ram"
                                     << "Sita" << none;
    QTest::newRow("both names empty") << ""
                                      << "" << QList { Message::EmptyData };
    QTest::newRow("user's name empty") << ""
                                       << "Sita" << QList { Message::EmptyData };
    QTest::newRow("partner's name empty") << "Ram"
                                          << "" << QList { Message::EmptyData };
    QTest::newRow("user's name bad") << "Ram3"
                                     << "Sita" << QList { Message::CorrectYourName };
    QTest::newRow("partner's name bad") << "Ram"
                                        << "Sita!" << QList { Message::CorrectPartnerName };
    QTest::newRow("both names bad")
            << "R@m"
            << "S1ta" << QList { Message::CorrectYourName, Message::CorrectPartnerName };
    QTest::newRow("user's name empty, partner's name 'Jo3'")
            << ""
            << "Jo3" << QList { Message::EmptyData, Message::CorrectPartnerName };
    QTest::newRow("partner's name empty, user's name bad")
            << "Jo3"
            << "" << QList { Message::EmptyData, Message::CorrectYourName };
    QTest::newRow("the space is acceptable: 'Mary Ann' and 'Tom'") << "Mary Ann"
                                                                   << "Tom" << none;
    QTest::newRow("names of spaces only are neither empty nor bad") << "   "
                                                                    << " " << none;
    QTest::newRow("letters at the ends of the ranges") << "AZaz"
                                                       << "zaZA" << none;
}

void tst_Names::checkValidData()
{
    QFETCH(QString, yourName);
    QFETCH(QString, partnerName);
    QFETCH(QList<Message>, messages);

    QList<Tandro::Step> shown;
    QCOMPARE(Tandro::CheckValidData(shown, yourName, partnerName), messages.isEmpty());
    QList<Tandro::Step> told;
    for (const Message message : std::as_const(messages))
        told.append({ .kind = Tandro::Step::ShowMessage, .message = message });
    QCOMPARE(inWords(shown), inWords(told));
}

void tst_Names::refusedCharacter_data()
{
    QTest::addColumn<QString>("character");

    QTest::newRow("apostrophe (code 39)") << "'";
    QTest::newRow("digit") << "7";
    QTest::newRow("tab") << "\t";
    QTest::newRow("line feed") << "\n";
    QTest::newRow("NUL") << QString(QChar(0));
    QTest::newRow("'@', just below 'A'") << "@";
    QTest::newRow("'[', just above 'Z'") << "[";
    QTest::newRow("'`', just below 'a'") << "`";
    QTest::newRow("'{', just above 'z'") << "{";
    QTest::newRow("letter with diaeresis") << QStringLiteral("\u00EB");
    QTest::newRow("no-break space") << QStringLiteral("\u00A0");
    QTest::newRow("Cyrillic a, drawn like a Latin a") << QStringLiteral("\u0430");
    QTest::newRow("fullwidth A") << QStringLiteral("\uFF21");
    QTest::newRow("combining acute accent") << QStringLiteral("\u0301");
    QTest::newRow("zero-width space") << QStringLiteral("\u200B");
    QTest::newRow("right-to-left mark") << QStringLiteral("\u200F");
    QTest::newRow("byte order mark") << QStringLiteral("\uFEFF");
    QTest::newRow("emoji, a surrogate pair") << QString::fromUcs4(U"\U0001F600");
}

void tst_Names::refusedCharacter()
{
    QFETCH(QString, character);

    QList<Tandro::Step> inUsersName;
    QVERIFY(!Tandro::CheckValidData(inUsersName, QString("Ra" + character + "m"), u"Sita"));
    QCOMPARE(inWords(inUsersName), "Note!: Please correct your Name");

    QList<Tandro::Step> inPartnersName;
    QVERIFY(!Tandro::CheckValidData(inPartnersName, u"Ram", QString(character + "Sita")));
    QCOMPARE(inWords(inPartnersName), "Note!: Please correct your Partners Name");
}

void tst_Names::getNumber_data()
{
    QTest::addColumn<QString>("yourName");
    QTest::addColumn<QString>("partnerName");
    QTest::addColumn<qsizetype>("count");
    QTest::addColumn<QString>("yourNameAfter");
    QTest::addColumn<QString>("partnerNameAfter");

    auto row = [](const char *name, const QString &your, const QString &partner, qsizetype count,
                  const QString &yourAfter, const QString &partnerAfter) {
        QTest::newRow(name) << your << partner << count << yourAfter << partnerAfter;
    };
    row("'Ram' and 'Sita'", "Ram", "Sita", 5, "ram", "sit");
    row("'Anna' and 'Hanna'", "Anna", "Hanna", 1, "anna", "h");
    row("'john smith' and 'jane doe'", "john smith", "jane doe", 10, "john smith", "ae de");
    row("'ab' and 'BA'", "ab", "BA", 0, "ab", "");
    row("'abc' and 'abc'", "abc", "abc", 0, "abc", "");
    row("' a ' and ' a': outer spaces are trimmed", " a ", " a", 0, "a", "");
    row("shared letters cancel without regard to case", "ANNA", "hanna", 1, "anna", "h");
    row("a letter cancels only as often as the partner holds it", "aaa", "a", 2, "aaa", "");
    row("a letter cancels only as often as the user holds it", "a", "aaa", 2, "a", "aa");
    row("inner spaces count for nothing", "a b", "ab", 0, "a b", "");
    row("the partner's inner spaces stay", "ab", "b a", 0, "ab", " ");
    row("the first match in the partner's name goes", "b", "abab", 3, "b", "aab");
    row("names of spaces only", "   ", " ", 0, "", "");
    row("only spaces are trimmed: the user's tab stays", "\tab ", "ab ", 1, "\tab", "");
    row("only spaces are trimmed: the partner's tab stays", "ab", " ab\t", 1, "ab", "\t");
    row("no letter shared", "Ram", "Joe", 6, "ram", "joe");
    row("names far past 16-bit lengths", QString(40000, u'a'), QString(40000, u'B'), 80000,
        QString(40000, u'a'), QString(40000, u'b'));
    row("long names that cancel completely", QString(70000, u'a'), QString(70000, u'A'), 0,
        QString(70000, u'a'), "");
}

void tst_Names::getNumber()
{
    QFETCH(QString, yourName);
    QFETCH(QString, partnerName);
    QFETCH(qsizetype, count);
    QFETCH(QString, yourNameAfter);
    QFETCH(QString, partnerNameAfter);

    QCOMPARE(Tandro::GetNumber(yourName, partnerName), count);
    QCOMPARE(yourName, yourNameAfter);
    QCOMPARE(partnerName, partnerNameAfter);
}

void tst_Names::delChar_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<qsizetype>("position");
    QTest::addColumn<QString>("result");

    QTest::newRow("first character") << "abc" << qsizetype(1) << "bc";
    QTest::newRow("middle character") << "abc" << qsizetype(2) << "ac";
    QTest::newRow("last character") << "abc" << qsizetype(3) << "ab";
    QTest::newRow("only character") << "a" << qsizetype(1) << "";
    QTest::newRow("position 0 changes nothing") << "abc" << qsizetype(0) << "abc";
    QTest::newRow("position past the end changes nothing") << "abc" << qsizetype(4) << "abc";
    QTest::newRow("negative position changes nothing") << "abc" << qsizetype(-1) << "abc";
}

void tst_Names::delChar()
{
    QFETCH(QString, name);
    QFETCH(qsizetype, position);
    QFETCH(QString, result);

    QCOMPARE(Tandro::DelChar(name, position), result);
    QCOMPARE(name, result);
}

// Names made of a few letters in mixed case, with spaces inside and around them, of lengths from
// none to tens of thousands; the small alphabets make long runs of cancelled and unmatched letters.
static QString randomName(QRandomGenerator &random, QStringView alphabet, qsizetype length)
{
    QString name;
    name.reserve(length);
    for (qsizetype i = 0; i < length; ++i)
        name.append(alphabet[random.bounded(int(alphabet.size()))]);
    return name;
}

void tst_Names::getNumberMatchesLiteralSteps()
{
    // ASCII in mixed case, and some letters whose lower case Qt's tables give in other ways: the
    // Turkish capital I with a dot (two characters in lower case), Greek sigma, umlauts, emoji.
    const QString alphabets[] = { u"ab "_s,
                                  u"aAbB"_s,
                                  u"abcdefghijklmnopqrstuvwxyz  ABCXYZ"_s,
                                  u"xyz XYZ"_s,
                                  u"Hello World"_s,
                                  u"\u0130Ii \u03A3\u03C3\u03C2"_s,
                                  u"\u00C4\u00E4Oo\u00D6 "_s + QString::fromUcs4(U"\U0001F600") };
    QRandomGenerator random(20261207);
    for (int pair = 0; pair < 3000; ++pair) {
        // Mostly short names; every hundredth pair is thousands of letters long.
        const int longest = pair % 100 == 0 ? 30000 : pair % 10 == 0 ? 2000 : 40;
        const QString &alphabet = alphabets[random.bounded(int(std::size(alphabets)))];
        QString yourName = randomName(random, alphabet, random.bounded(longest + 1));
        QString partnerName = randomName(random, alphabet, random.bounded(longest + 1));
        QString literalYour = yourName;
        QString literalPartner = partnerName;

        const qsizetype expected = Literal::getNumber(literalYour, literalPartner);
        QCOMPARE(Tandro::GetNumber(yourName, partnerName), expected);
        QCOMPARE(yourName, literalYour);
        QCOMPARE(partnerName, literalPartner);
    }
}

QTEST_GUILESS_MAIN(tst_Names)
#include "tst_names.moc"
