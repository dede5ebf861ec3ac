#include "catalog.h"
#include "frmabout.h"
#include "frmmain.h"
#include "startup.h"
#include "windowtesting.h"

#include <tandro/identity.h>

#include <QAction>
#include <QApplication>
#include <QKeySequence>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>
#include <QXmlStreamReader>

#include <functional>

using namespace std::chrono_literals;

namespace {

using Text = std::pair<QString, QString>; // context, source text

// Writes down each text the program looks up, under its context, and translates none.
class Recorder : public QTranslator
{
public:
    QString translate(const char *context, const char *sourceText, const char *, int) const override
    {
        lookedUp.insert({ QString::fromUtf8(context), QString::fromUtf8(sourceText) });
        return {};
    }
    bool isEmpty() const override { return false; }

    mutable QSet<Text> lookedUp;
};

// The text of a <source> element of a .ts file, where a character that XML cannot carry (a
// carriage return) is an element <byte value="xd"/> of its own.
QString readSource(QXmlStreamReader &xml)
{
    QString text;
    while (xml.readNext() != QXmlStreamReader::EndElement
           || xml.name() != QLatin1String("source")) {
        if (xml.isCharacters())
            text += xml.text();
        else if (xml.isStartElement() && xml.name() == QLatin1String("byte"))
            text += QChar(
                    xml.attributes().value(QLatin1String("value")).mid(1).toUInt(nullptr, 16));
        if (xml.atEnd())
            break;
    }
    return text;
}

} // namespace

// Every text that a player or a command-line user sees is found by lupdate under the context in
// which the program looks it up, so that a translation of it shows; and lupdate finds them all
// without a warning. Every translation is whole and current, and gives each caption of a window an
// access key of its own.
class tst_Translations : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void lupdateFindsEveryTextUnderItsContext_data();
    void lupdateFindsEveryTextUnderItsContext();
    void translationsAreWholeAndCurrent_data();
    void translationsAreWholeAndCurrent();
    void accessKeysAreEachCaptionsOwn_data();
    void accessKeysAreEachCaptionsOwn();

private:
    QSet<Text> m_found; // by lupdate
};

void tst_Translations::initTestCase()
{
    setUpWindowTests();
    Tandro::Identity::apply();

    QTemporaryDir work;
    QVERIFY(work.isValid());
    const QString ts = work.filePath(QStringLiteral("tandro.ts"));
    QProcess lupdate;
    lupdate.setWorkingDirectory(QStringLiteral(TANDRO_SOURCE));
    lupdate.start(QStringLiteral(TANDRO_LUPDATE),
                  QStringLiteral(TANDRO_LUPDATE_ARGUMENTS).split(u'|')
                          + QStringList { QStringLiteral("-ts"), ts });
    QVERIFY(lupdate.waitForFinished(60000));
    QCOMPARE(lupdate.exitCode(), 0);
    QCOMPARE(QString::fromLocal8Bit(lupdate.readAllStandardError()), QString()); // no warning

    QFile file(ts);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&file);
    QString context;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("name"))
            context = xml.readElementText();
        else if (xml.name() == QLatin1String("source"))
            m_found.insert({ context, readSource(xml) });
    }
    QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
}

void tst_Translations::lupdateFindsEveryTextUnderItsContext_data()
{
    QTest::addColumn<std::function<void()>>("show");

    const auto commandLine = [](QStringList arguments) {
        return [arguments] {
            std::vector<QByteArray> bytes;
            std::vector<char *> argv;
            for (const QString &argument : QStringList(QStringLiteral("tandro")) + arguments)
                bytes.push_back(argument.toLocal8Bit());
            for (QByteArray &argument : bytes)
                argv.push_back(argument.data());
            QVERIFY(StartUp::answerCommandLine(int(argv.size()), argv.data()).has_value());
        };
    };
    QTest::newRow("--help") << std::function<void()>(commandLine({ "--help" }));
    QTest::newRow("an option Tandro does not take") << std::function<void()>(commandLine({ "-x" }));
    QTest::newRow("an argument") << std::function<void()>(commandLine({ "Ram" }));

    // The main window with all it shows: captions, tool tips, the menu, the crosses and words,
    // and a game's crossed-out words and result; each message; and About.
    const auto mainWindow = [](const QString &yourName, const QString &partnerName) {
        return [yourName, partnerName] {
            WatchedWindow window;
            window.setStrikePause(1ms);
            QVERIFY(showActive(&window));
            MessageBoxAnswerer boxes;
            window.findChild<QLineEdit *>("txtYourName")->setText(yourName);
            window.findChild<QLineEdit *>("txtYourPartner")->setText(partnerName);
            QTest::mouseClick(window.findChild<QPushButton *>("cmdGo"), Qt::LeftButton);
            QVERIFY(window.waitUntilIdle());
        };
    };
    QTest::newRow("the main window, and a game")
            << std::function<void()>(mainWindow("Ram", "Sita"));
    QTest::newRow("the message for an empty name") << std::function<void()>(mainWindow("Ram", ""));
    QTest::newRow("the message for the user's name")
            << std::function<void()>(mainWindow("R2", "Sita"));
    QTest::newRow("the message for the partner's name")
            << std::function<void()>(mainWindow("Ram", "S2"));
    QTest::newRow("the message for no result") << std::function<void()>(mainWindow("Anna", "anna"));
    QTest::newRow("About") << std::function<void()>([] {
        frmAbout about;
        about.show();
        about.close();
    });
}

void tst_Translations::lupdateFindsEveryTextUnderItsContext()
{
    QFETCH(std::function<void()>, show);

    Recorder recorder;
    QVERIFY(QCoreApplication::installTranslator(&recorder));
    show();
    QCoreApplication::removeTranslator(&recorder);

    // Qt's own texts (its classes' names begin with a Q) come with Qt's translations.
    static const QRegularExpression qts(QStringLiteral("^Q[A-Z]"));
    QStringList notFound;
    int ours = 0;
    for (const auto &[context, source] : std::as_const(recorder.lookedUp)) {
        if (context.contains(qts))
            continue;
        ++ours;
        if (!m_found.contains({ context, source }))
            notFound.append(context + QStringLiteral(": ") + source);
    }
    notFound.sort();
    QVERIFY2(notFound.isEmpty(), qPrintable(notFound.join(QStringLiteral("; "))));
    QCOMPARE_GT(ours, 0);
}

void tst_Translations::translationsAreWholeAndCurrent_data()
{
    QTest::addColumn<QString>("name");
    for (const QString &name : Catalog::names())
        QTest::newRow(qPrintable(name)) << name;
    QVERIFY(Catalog::names().size() >= 12);
}

void tst_Translations::translationsAreWholeAndCurrent()
{
    QFETCH(QString, name);

    // Whole: every message translated.
    QCOMPARE(Catalog(name).unfinished(), QStringList());

    // Current: lupdate, run on the sources as the translations' CMake file says, leaves the file as
    // it is. It has every text that the sources have, and none that they no longer have.
    QTemporaryDir work;
    QVERIFY(work.isValid());
    const QString file = QStringLiteral("tandro_%1.ts").arg(name);
    const QString original = QStringLiteral(TANDRO_TRANSLATIONS "/") + file;
    const QString copy = work.filePath(file);
    QVERIFY(QFile::copy(original, copy));
    QProcess lupdate;
    lupdate.setWorkingDirectory(QStringLiteral(TANDRO_SOURCE));
    lupdate.start(QStringLiteral(TANDRO_LUPDATE),
                  QStringLiteral(TANDRO_LUPDATE_ARGUMENTS).split(u'|')
                          + QStringList { QStringLiteral("-silent"), QStringLiteral("-ts"), copy });
    QVERIFY(lupdate.waitForFinished(60000));
    QCOMPARE(lupdate.exitCode(), 0);
    QFile before(original), after(copy);
    QVERIFY(before.open(QIODevice::ReadOnly) && after.open(QIODevice::ReadOnly));
    QCOMPARE(after.readAll(), before.readAll());
}

void tst_Translations::accessKeysAreEachCaptionsOwn_data()
{
    translationsAreWholeAndCurrent_data();
}

void tst_Translations::accessKeysAreEachCaptionsOwn()
{
    QFETCH(QString, name);

    // Each caption of the main window that has an access key in English ("&Go") has one in each
    // language, and no two the same; where the language's script has no letters to type with Alt
    // (Chinese, Japanese, Devanagari), it is the English one, in parentheses: "开始(&G)".
    const Catalog catalog(name);
    const bool latinKeys = name == QLatin1String("zh_CN") || name == QLatin1String("ja")
            || name == QLatin1String("hi");
    QStringList keys;
    for (auto it = catalog.messages().cbegin(); it != catalog.messages().cend(); ++it) {
        const auto &[context, source] = it.key();
        if (context != QLatin1String("frmMain") || QKeySequence::mnemonic(source).isEmpty())
            continue;
        const QString caption = it.value();
        const QKeySequence key = QKeySequence::mnemonic(caption);
        QVERIFY2(!key.isEmpty(), qPrintable(caption));
        const QString letter = key.toString().section(u'+', -1);
        QVERIFY2(!keys.contains(letter, Qt::CaseInsensitive), qPrintable(caption));
        keys.append(letter);
        if (latinKeys)
            QVERIFY2(caption.endsWith(QStringLiteral("(&%1)").arg(
                             QKeySequence::mnemonic(source).toString().section(u'+', -1))),
                     qPrintable(caption));
    }
    QCOMPARE(keys.size(), 7); // the two captions, the four buttons and About
}

QTEST_MAIN(tst_Translations)
#include "tst_translations.moc"
