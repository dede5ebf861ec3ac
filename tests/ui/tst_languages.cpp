#include "catalog.h"
#include "frmabout.h"
#include "translation.h"
#include "windowtesting.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLibraryInfo>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>
#include <QTranslator>
#include <qpa/qwindowsysteminterface.h>

#include <algorithm>

using namespace std::chrono_literals;

// Tandro in each language it speaks, a row a language: the program in that language shows that
// language's words and messages, as its translation says them; a game of 'Ram' and 'Sita' leaves
// that language's word for "Hates"; every caption stands whole in its box, as the pixels of the
// windows show; and in a language written from the right, the windows are mirrored.
class tst_Languages : public WindowTest
{
    Q_OBJECT

private slots:
    void init();
    void cleanupTestCase();

    void theWindowsSpeakIt_data();
    void theWindowsSpeakIt();
    void theSystemsLanguageIsSpoken();

private:
    // What is wrong with how window's texts stand in their boxes, from its pixels: a text cut at
    // its box's edge, or drawn over another control. Sets tightest to the control whose text has
    // the least room left in its box, and how much, in pixels, across or up and down.
    static QStringList fit(QWidget *window, QString *tightest);
};

namespace {

const Catalog *shown = nullptr; // the translation of the row under way

QString text(const char *context, const char *source)
{
    return shown->text(QString::fromLatin1(context), QString::fromUtf8(source));
}

// The ink that widget draws of its text, in its own coordinates: where two pictures of it, as its
// window draws it, with its text and without, differ. Empty where it draws none.
QRectF inkOf(QWidget *widget)
{
    auto *label = qobject_cast<QLabel *>(widget);
    auto *button = qobject_cast<QPushButton *>(widget);
    const QString text = label ? label->text() : button->text();
    const QImage with = widget->grab().toImage();
    label ? label->setText(QString()) : button->setText(QString());
    const QImage without = widget->grab().toImage();
    label ? label->setText(text) : button->setText(text);
    QRect ink;
    for (int y = 0; y < with.height(); ++y) {
        for (int x = 0; x < with.width(); ++x) {
            if (with.pixel(x, y) != without.pixel(x, y))
                ink |= QRect(x, y, 1, 1);
        }
    }
    const qreal ratio = with.devicePixelRatio();
    return QRectF(ink.left() / ratio, ink.top() / ratio, ink.width() / ratio, ink.height() / ratio);
}

} // namespace

QStringList tst_Languages::fit(QWidget *window, QString *tightest)
{
    QStringList problems;
    const QList<QWidget *> controls = window->findChildren<QWidget *>();
    double least = 1000;
    for (QWidget *control : controls) {
        auto *label = qobject_cast<QLabel *>(control);
        auto *button = qobject_cast<QPushButton *>(control);
        if (!control->isVisible() || !(button || (label && !label->text().isEmpty())))
            continue;
        // The room: a label's whole box; within a button, what its style leaves inside its frame.
        QRect room = control->rect();
        if (button) {
            QStyleOptionButton option;
            option.initFrom(button);
            option.text = button->text();
            room = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
        }
        // The ink as the window draws it, and as it would be with room enough: taller, and for a
        // text that does not wrap, wider. The room left is the smaller of the two ways; none where
        // the text is cut.
        const QRectF ink = inkOf(control);
        const QRect place = control->geometry();
        control->resize(place.width() + (label && label->wordWrap() ? 0 : 200),
                        place.height() + 100);
        const QRectF whole = inkOf(control);
        control->setGeometry(place);
        if (ink.isEmpty()) {
            problems.append(control->objectName() + QStringLiteral(" draws nothing"));
            continue;
        }
        const double left = std::min(room.width() - whole.width(), room.height() - whole.height());
        if (whole.width() > ink.width() || whole.height() > ink.height() || left < 0)
            problems.append(QStringLiteral("%1 is cut (it needs %2 x %3 px, has %4 x %5)")
                                    .arg(control->objectName())
                                    .arg(whole.width())
                                    .arg(whole.height())
                                    .arg(room.width())
                                    .arg(room.height()));
        // Nor does it stand over another control, where two boxes overlap (the board's rows do),
        // nor under one: over a label only where that draws nothing of its own.
        const QRectF inWindow = ink.translated(control->mapTo(window, QPoint()));
        for (QWidget *other : controls) {
            if (other == control || other->isAncestorOf(control) || !other->isVisible()
                || !(qobject_cast<QLabel *>(other) || qobject_cast<QPushButton *>(other)
                     || qobject_cast<QLineEdit *>(other) || qobject_cast<QPlainTextEdit *>(other)))
                continue;
            const QRectF box(other->mapTo(window, QPoint()), other->size());
            if (!box.intersects(inWindow))
                continue;
            // (A control above, that fills its box, hides the ink; one that is transparent does
            // not.)
            const QWidget *parent = control->parentWidget();
            const bool above = parent == other->parentWidget()
                    && parent->children().indexOf(other) > parent->children().indexOf(control)
                    && other->autoFillBackground();
            auto *label = qobject_cast<QLabel *>(other);
            if (above || !label
                || inkOf(other).translated(other->mapTo(window, QPoint())).intersects(inWindow))
                problems.append(QStringLiteral("%1 is drawn %2 %3")
                                        .arg(control->objectName(), above ? u"under" : u"over",
                                             other->objectName()));
        }
        if (left < least) {
            least = left;
            *tightest = QStringLiteral("%1 px (%2)").arg(left).arg(control->objectName());
        }
    }
    return problems;
}

namespace {

// The translation of the row under way, by its tag: English's, "en", is none.
QString translationOf(const char *tag)
{
    const QString name = QString::fromLatin1(tag);
    return name == QLatin1String("en") ? QString() : name;
}

} // namespace

void tst_Languages::init()
{
    // The row's language, before the window is made; English for a test without rows.
    Translation::install(translationOf(QTest::currentDataTag()));
    WindowTest::init();
}

void tst_Languages::cleanupTestCase()
{
    Translation::install(QString());
}

void tst_Languages::theWindowsSpeakIt_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("en") << QStringLiteral("en"); // English, as it has always stood
    for (const QString &name : Catalog::names())
        QTest::newRow(qPrintable(name)) << name;
}

void tst_Languages::theWindowsSpeakIt()
{
    QFETCH(QString, name);
    const Catalog catalog(translationOf(qPrintable(name)));
    shown = &catalog;

    // The main window's captions, tool tips, menu and words.
    for (const auto &[object, caption, toolTip] : {
                 std::tuple { "lblYourName", "&Your Name", "" },
                 { "lblPartnerName", "Your &Partners Name", "" },
                 { "txtYourName", "", "Fill your Name here" },
                 { "txtYourPartner", "", "Fill your Partners Name here" },
                 { "cmdGo", "&Go", "Click here to get the Result" },
                 { "cmdClear", "Clear &All", "Click here to clear the Crosses and the Names" },
                 { "cmdClearPartner", "&Clear Partner",
                   "Click here to clear the Crosses and your Partners name" },
                 { "cmdExit", "E&xit", "Click here to exit the Application" },
         }) {
        QWidget *widget = control(QString::fromLatin1(object));
        if (*caption) {
            const QString shownCaption = qobject_cast<QLabel *>(widget)
                    ? static_cast<QLabel *>(widget)->text()
                    : static_cast<QPushButton *>(widget)->text();
            QCOMPARE(shownCaption, text("frmMain", caption));
        }
        QCOMPARE(widget->toolTip(), *toolTip ? text("frmMain", toolTip) : QString());
    }
    QCOMPARE(m_window->findChild<QAction *>("mnuAbout")->text(), text("frmMain", "A&bout"));
    const char *const words[] = { "Hates", "Friend", "Loves", "Admires", "Marriage", "Enemy" };
    const char *const wordLabels[] = { "lblHates",  "lblFriend",   "lblLove",
                                       "lblAdmire", "lblMarriage", "lblEnemy" };
    for (int slot = 0; slot < 6; ++slot)
        QCOMPARE(control<QLabel>(wordLabels[slot])->text(), text("Tandro::Board", words[slot]));

    // Its access key reaches the name box: the letter with Alt, as the window system gives it.
    const QKeySequence yourName = QKeySequence::mnemonic(text("frmMain", "&Your Name"));
    lineEdit("txtYourPartner")->setFocus();
    for (const QEvent::Type type : { QEvent::KeyPress, QEvent::KeyRelease })
        QWindowSystemInterface::handleKeyEvent<QWindowSystemInterface::SynchronousDelivery>(
                m_window->windowHandle(), type, yourName[0].key(), Qt::AltModifier,
                QString(QChar(yourName[0].key())).toLower());
    QTRY_COMPARE(QApplication::focusWidget(), lineEdit("txtYourName"));

    // The messages, and their button, Qt's own, as Qt's translation says it where it has one.
    QTranslator qt;
    const QString ok = name != QLatin1String("en")
                    && (qt.load(QStringLiteral("qtbase_") + name,
                                QLibraryInfo::path(QLibraryInfo::TranslationsPath))
                        || qt.load(QStringLiteral("qtbase_") + name,
                                   QStringLiteral(":/translations")))
            ? qt.translate("QPlatformTheme", "OK")
            : QStringLiteral("OK");
    for (const auto &[yours, partners, title, prompt] : {
                 std::tuple { "Ram", "", "Note!", "Empty Data" },
                 { "R2", "Sita", "Note!", "Please correct your Name" },
                 { "Ram", "S2", "Note!", "Please correct your Partners Name" },
                 { "Anna", "anna", "Error!!!", "No Result for these Names" },
         }) {
        MessageBoxAnswerer boxes;
        QString button;
        boxes.beforeOK = [&button] {
            button = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())
                             ->button(QMessageBox::Ok)
                             ->text();
        };
        lineEdit("txtYourName")->setText(QString::fromLatin1(yours));
        lineEdit("txtYourPartner")->setText(QString::fromLatin1(partners));
        clickGo();
        QCOMPARE(boxes.texts(),
                 QStringList { text("Tandro::Message", title) + QStringLiteral(": ")
                               + text("Tandro::Message", prompt) });
        // (Its access key marked as Qt's translation marks it, or as the platform's: "确定(_O)".)
        static const QRegularExpression key(QStringLiteral("\\(&?\\w\\)$|&"));
        QCOMPARE(QString(button).remove(key), QString(ok).remove(key));
    }

    // A game: the word left, and what a screen reader hears of it.
    lineEdit("txtYourName")->setText(QStringLiteral("Ram"));
    lineEdit("txtYourPartner")->setText(QStringLiteral("Sita"));
    clickGo();
    QCOMPARE(m_window->visibleCrosses(), QList<int>({ 2, 3, 4, 5, 6 }));
    QCOMPARE(control<QLabel>("lblHates")->text(), text("Tandro::Board", "Hates"));
    QCOMPARE(control<QLabel>("lblFriend")->accessibleName(),
             text("frmMain", "%1, crossed out").arg(text("Tandro::Board", "Friend")));

    // Each caption whole in its box, the game's crosses shown.
    QString tightest;
    QStringList problems = fit(m_window.get(), &tightest);
    keepPicture(m_window.get(), QStringLiteral("main-%1").arg(name));

    // About: its texts, and each whole in its box.
    frmAbout about;
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    QCOMPARE(about.windowTitle(), text("frmAbout", "About %1").arg(QStringLiteral("Tandro")));
    QCOMPARE(about.findChild<QLabel *>("lblVersion")->text(),
             text("frmAbout", "Version %1.%2").arg(2).arg(1));
    for (const auto &[object, source] : {
                 std::pair { "Label3", "Contact Information:" },
                 { "Label1", "A little game of two names, built in C++ with Qt 6." },
                 { "lblDescription",
                   "Enjoy this interesting Game - Tandro. Just fill in your name and your partners "
                   "name and get the relationship that exists between you." },
                 { "lblDisclaimer", "Warning: Clicking on OK closes this Dialog !" },
         })
        QCOMPARE(about.findChild<QLabel *>(object)->text(), text("frmAbout", source));
    QCOMPARE(about.findChild<QPushButton *>("cmdOK")->text(), text("frmAbout", "OK"));
    QString tightestInAbout;
    problems += fit(&about, &tightestInAbout);
    keepPicture(&about, QStringLiteral("about-%1").arg(name));
    about.close();
    qInfo("%s: the least room left round a text: %s in the main window, %s in About",
          qPrintable(name), qPrintable(tightest), qPrintable(tightestInAbout));
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QStringLiteral("; "))));

    // Written from the right, mirrored: the name boxes to the left of their captions, each cross
    // to the right of its word, the buttons from the right, the menu at the right.
    if (QLocale(name).textDirection() == Qt::RightToLeft) {
        const auto left = [this](const char *name) { return control(name)->geometry().left(); };
        QVERIFY(left("txtYourName") < left("lblYourName"));
        QVERIFY(left("cmdClearPartner") < left("cmdClear") && left("cmdClear") < left("cmdGo"));
        QVERIFY(left("lblHates") < left("lblH") && left("lblEnemy") < left("lblE"));
        QMenuBar *menu = m_window->menuBar();
        QVERIFY(menu->actionGeometry(m_window->findChild<QAction *>("mnuAbout")).left()
                > menu->width() / 2);
    }
}

void tst_Languages::theSystemsLanguageIsSpoken()
{
    // The language that the system that runs the test names (CTest names it, as the player's
    // language: on Windows, the display language, from Wine's locale).
    const QString expected =
            qEnvironmentVariable("TANDRO_PLAYERS_TRANSLATION", QStringLiteral("-"));
    if (expected == QLatin1String("-"))
        QSKIP("TANDRO_PLAYERS_TRANSLATION names no translation that the system should choose");
    QCOMPARE(Translation::forPlayer(), expected);
}

QTEST_MAIN(tst_Languages)
#include "tst_languages.moc"
