#include "frmmain.h"
#include "windowtesting.h"

#include <tandro/identity.h>

#include <QAction>
#include <QApplication>
#include <QFontInfo>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>

#include <memory>

using namespace std::chrono_literals;

Q_DECLARE_METATYPE(Scheme)

class tst_MainWindowLayout : public WindowTest
{
    Q_OBJECT

private slots:
    void controlPlaces_data();
    void controlPlaces();
    void clientAreaAndFrame();
    void noLabelOverlapsABoxOrButton();
    void captionsFitTheirBoxes_data();
    void captionsFitTheirBoxes();
    void fonts();
    void crossStyle();
    void readableInEveryScheme_data();
    void readableInEveryScheme();
    void menu();
    void tabOrder();
    void accessKeys_data();
    void accessKeys();
    void enterPressesTheFocusedButton_data();
    void enterPressesTheFocusedButton();
    void defaultEmphasis_data();
    void defaultEmphasis();
    void escapeDoesNothing();
    void toolTips_data();
    void toolTips();
    void heartIcon();
    void minimisedAndRestoredKeepsTheCrosses();

private:
    void playRamAndSita();
};

namespace {

const QStringList CrossNames = { "lblH", "lblF", "lblL", "lblA", "lblM", "lblE" };
const QStringList WordNames = { "lblHates",  "lblFriend",   "lblLove",
                                "lblAdmire", "lblMarriage", "lblEnemy" };
const QStringList CaptionNames = { "lblYourName", "lblPartnerName" };
const QStringList BoxNames = { "txtYourName", "txtYourPartner" };
const QStringList ButtonNames = { "cmdGo", "cmdClear", "cmdClearPartner", "cmdExit" };

} // namespace

void tst_MainWindowLayout::playRamAndSita()
{
    control<QLineEdit>("txtYourName")->setText("Ram");
    control<QLineEdit>("txtYourPartner")->setText("Sita");
    QTest::mouseClick(control("cmdGo"), Qt::LeftButton);
    QVERIFY(m_window->waitUntilIdle());
    QCOMPARE(m_window->visibleCrosses(), QList<int>({ 2, 3, 4, 5, 6 }));
}

void tst_MainWindowLayout::controlPlaces_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("place"); // in pixels at 96 DPI, from the client area's corner
    QTest::addColumn<QString>("text");

    auto row = [](const char *name, QRect place, const char *text) {
        QTest::newRow(name) << name << place << text;
    };
    row("lblYourName", { 8, 16, 97, 17 }, "&Your Name");
    row("txtYourName", { 112, 16, 161, 19 }, "");
    row("lblPartnerName", { 8, 48, 97, 17 }, "Your &Partners Name");
    row("txtYourPartner", { 112, 48, 161, 19 }, "");
    row("cmdGo", { 16, 80, 73, 25 }, "&Go");
    row("cmdClear", { 107, 80, 73, 25 }, "Clear &All");
    row("cmdClearPartner", { 195, 80, 73, 25 }, "&Clear Partner");
    row("lblH", { 96, 120, 17, 17 }, "X");
    row("lblF", { 96, 136, 17, 17 }, "X");
    row("lblL", { 96, 152, 17, 17 }, "X");
    row("lblA", { 96, 168, 17, 17 }, "X");
    row("lblM", { 96, 184, 17, 17 }, "X");
    row("lblE", { 96, 200, 17, 17 }, "X");
    row("lblHates", { 120, 120, 57, 17 }, "Hates");
    row("lblFriend", { 120, 136, 57, 17 }, "Friend");
    row("lblLove", { 120, 152, 57, 17 }, "Loves");
    row("lblAdmire", { 120, 168, 57, 17 }, "Admires");
    row("lblMarriage", { 120, 184, 57, 17 }, "Marriage");
    row("lblEnemy", { 120, 200, 57, 17 }, "Enemy");
    row("cmdExit", { 96, 224, 73, 25 }, "E&xit");
}

void tst_MainWindowLayout::controlPlaces()
{
    QFETCH(QString, name);
    QFETCH(QRect, place);
    QFETCH(QString, text);

    QWidget *widget = control(name);
    QCOMPARE(widget->parentWidget(), m_window->centralWidget());
    QCOMPARE(widget->geometry(), place);
    if (auto *label = qobject_cast<QLabel *>(widget))
        QCOMPARE(label->text(), text);
    else if (auto *button = qobject_cast<QPushButton *>(widget))
        QCOMPARE(button->text(), text);
    else
        QCOMPARE(qobject_cast<QLineEdit *>(widget)->text(), text);
}

void tst_MainWindowLayout::clientAreaAndFrame()
{
    QWidget *client = m_window->centralWidget();
    QCOMPARE(client->size(), QSize(286, 263));
    QCOMPARE(client->geometry().top(), m_window->menuBar()->geometry().bottom() + 1);
    QCOMPARE(client->geometry().left(), 0);

    // A fixed size, and a frame that offers to minimise and close but not to maximise.
    QCOMPARE(m_window->minimumSize(), m_window->maximumSize());
    QCOMPARE(m_window->size(), QSize(286, m_window->menuBar()->height() + 263));
    const Qt::WindowFlags flags = m_window->windowFlags();
    QVERIFY(flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
    const QSize size = m_window->size();
    m_window->resize(size * 2);
    QCOMPARE(m_window->size(), size);
}

void tst_MainWindowLayout::noLabelOverlapsABoxOrButton()
{
    for (const QString &labelName : CaptionNames + CrossNames + WordNames) {
        const QRect label = control(labelName)->geometry();
        for (const QString &other : BoxNames + ButtonNames) {
            QVERIFY2(!label.intersects(control(other)->geometry()),
                     qPrintable(labelName + " overlaps " + other));
        }
    }
    // Each cross stands in its word's row, to the left of the word and clear of it.
    for (int row = 0; row < CrossNames.size(); ++row) {
        const QRect cross = control(CrossNames[row])->geometry();
        const QRect word = control(WordNames[row])->geometry();
        QCOMPARE(cross.top(), word.top());
        QCOMPARE_LT(cross.right(), word.left());
    }
}

void tst_MainWindowLayout::captionsFitTheirBoxes_data()
{
    QTest::addColumn<QString>("name");
    for (const QString &name : CaptionNames + WordNames + CrossNames + ButtonNames)
        QTest::newRow(qPrintable(name)) << name;
}

void tst_MainWindowLayout::captionsFitTheirBoxes()
{
    QFETCH(QString, name);

    // The room for text: a label's whole box; what the style leaves inside a button's frame.
    QWidget *widget = control(name);
    QString text;
    QRect room;
    if (auto *label = qobject_cast<QLabel *>(widget)) {
        text = label->text();
        room = label->contentsRect();
    } else {
        auto *button = qobject_cast<QPushButton *>(widget);
        text = button->text();
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = text;
        option.features =
                button->isDefault() ? QStyleOptionButton::DefaultButton : QStyleOptionButton::None;
        room = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
    }
    const QSize needed = QFontMetrics(widget->font()).size(Qt::TextShowMnemonic, text);
    QVERIFY2(needed.width() <= room.width() && needed.height() <= room.height(),
             qPrintable(QStringLiteral("\"%1\" needs %2 x %3 pixels, its box has %4 x %5")
                                .arg(text)
                                .arg(needed.width())
                                .arg(needed.height())
                                .arg(room.width())
                                .arg(room.height())));
}

void tst_MainWindowLayout::fonts()
{
    // The classic face, drawn in itself where the system has it and otherwise in the free face
    // that the set-up installs, at the same size.
    const QFont font = m_window->font();
    QCOMPARE(font.family(), QStringLiteral("MS Sans Serif"));
    QCOMPARE(font.pointSizeF(), 8.25);
    QCOMPARE(font.weight(), QFont::Normal);
    QCOMPARE(QFontInfo(font).family(), faceDrawnFor(QStringLiteral("MS Sans Serif")));
    QCOMPARE(QFontInfo(font).pixelSize(), 11); // 8.25 points at 96 dots per inch, not a size up
    for (const QString &name : CaptionNames + WordNames + BoxNames + ButtonNames)
        QCOMPARE(control(name)->font(), font);
}

void tst_MainWindowLayout::crossStyle()
{
    for (const QString &name : CrossNames) {
        auto *cross = control<QLabel>(name);
        QVERIFY2(cross->isHidden(), qPrintable(name)); // at start
        QCOMPARE(cross->text(), QStringLiteral("X"));
        QCOMPARE(cross->alignment(), Qt::AlignCenter);
        QCOMPARE(cross->font().weight(), QFont::Bold);
        QCOMPARE(cross->font().pointSizeF(), 8.25);
        QCOMPARE(QFontInfo(cross->font()).family(), faceDrawnFor(QStringLiteral("MS Sans Serif")));
        QCOMPARE(cross->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    }
    // The words keep the window's colour.
    for (const QString &name : WordNames) {
        QCOMPARE(control(name)->palette().color(QPalette::WindowText),
                 m_window->palette().color(QPalette::WindowText));
    }
}

void tst_MainWindowLayout::readableInEveryScheme_data()
{
    QTest::addColumn<Scheme>("scheme");
    QTest::newRow("the platform's scheme") << Scheme::Platform;
    QTest::newRow("a dark palette") << Scheme::DarkPalette;
}

void tst_MainWindowLayout::readableInEveryScheme()
{
    QFETCH(Scheme, scheme);

    // After a game, each text from its pixels against what stands behind it, 4.5:1 at least; the
    // crosses in pure red, as the game draws them in every scheme.
    QVERIFY(platformAsSet());
    if (const QString why = schemeNotShown(scheme); !why.isEmpty())
        QSKIP(qPrintable(why));
    useScheme(scheme);
    playRamAndSita();
    const QImage drawn = m_window->grab().toImage();
    keepPicture(m_window.get(), QStringLiteral("main-%1").arg(QTest::currentDataTag()));
    useScheme(Scheme::Platform);

    QStringList unreadable;
    QString lowestName;
    double lowest = 0;
    const auto check = [&](const QString &name, double contrast) {
        if (contrast < 4.5)
            unreadable << QStringLiteral("%1 %2:1").arg(name).arg(contrast, 0, 'f', 2);
        if (lowestName.isEmpty() || contrast < lowest) {
            lowestName = name;
            lowest = contrast;
        }
    };
    for (const QString &name : CaptionNames + WordNames + BoxNames + ButtonNames) {
        QWidget *widget = control(name);
        QRect area(widget->mapTo(m_window.get(), QPoint()), widget->size());
        if (qobject_cast<QPushButton *>(widget))
            area.adjust(4, 4, -4, -4); // the frame's edges are not the caption's background
        check(name, drawnContrast(drawn, area));
    }
    QMenuBar *menuBar = m_window->menuBar();
    const QRect about = menuBar->actionGeometry(menuBar->actions().first());
    check(QStringLiteral("mnuAbout"),
          drawnContrast(drawn, about.translated(menuBar->mapTo(m_window.get(), QPoint()))));
    qInfo("lowest contrast: %s %.2f:1", qPrintable(lowestName), lowest);
    QVERIFY2(unreadable.isEmpty(), qPrintable(unreadable.join(QStringLiteral(", "))));
    for (const QString &name : CrossNames.mid(1)) { // "Hates" is left
        QWidget *cross = control(name);
        const QImage box = drawn.copy(QRect(cross->mapTo(m_window.get(), QPoint()), cross->size()));
        int red = 0;
        for (int y = 0; y < box.height(); ++y) {
            for (int x = 0; x < box.width(); ++x)
                red += box.pixel(x, y) == qRgb(255, 0, 0);
        }
        QVERIFY2(red > 0, qPrintable(name));
    }
}

void tst_MainWindowLayout::menu()
{
    const QList<QAction *> items = m_window->menuBar()->actions();
    QCOMPARE(items.size(), 1);
    QAction *about = items.first();
    QCOMPARE(about->objectName(), QStringLiteral("mnuAbout"));
    QCOMPARE(about->text(), QStringLiteral("A&bout"));
    QCOMPARE(about->menu(), nullptr);
    QCOMPARE(about->shortcut(), QKeySequence());
    QVERIFY(!about->isCheckable());
    QVERIFY(about->isEnabled());
    QVERIFY(about->isVisible());
}

void tst_MainWindowLayout::tabOrder()
{
    const QStringList order = { "txtYourName", "txtYourPartner",  "cmdGo",
                                "cmdClear",    "cmdClearPartner", "cmdExit" };
    QCOMPARE(QApplication::focusWidget(), control(order.first()));
    for (int step = 1; step <= order.size(); ++step) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), control(order.at(step % order.size())));
    }
    for (int step = order.size() - 1; step >= 0; --step) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget(), control(order.at(step)));
    }
}

void tst_MainWindowLayout::accessKeys_data()
{
    QTest::addColumn<Qt::Key>("key");
    QTest::addColumn<QString>("target");

    QTest::newRow("Alt+Y moves to the user's name") << Qt::Key_Y << "txtYourName";
    QTest::newRow("Alt+P moves to the partner's name") << Qt::Key_P << "txtYourPartner";
    QTest::newRow("Alt+G presses Go") << Qt::Key_G << "cmdGo";
    QTest::newRow("Alt+A presses Clear All") << Qt::Key_A << "cmdClear";
    QTest::newRow("Alt+C presses Clear Partner") << Qt::Key_C << "cmdClearPartner";
    QTest::newRow("Alt+X presses Exit") << Qt::Key_X << "cmdExit";
}

void tst_MainWindowLayout::accessKeys()
{
    QFETCH(Qt::Key, key);
    QFETCH(QString, target);

    control<QLineEdit>("txtYourName")->setText("Ram");
    control<QLineEdit>("txtYourPartner")->setText("Sita");
    control("cmdExit")->setFocus(); // somewhere else than the two name boxes
    QWidget *widget = control(target);
    auto *button = qobject_cast<QPushButton *>(widget);
    std::unique_ptr<QSignalSpy> clicks;
    if (button)
        clicks = std::make_unique<QSignalSpy>(button, &QPushButton::clicked);

    QTest::keyClick(m_window.get(), key, Qt::AltModifier);
    if (button) {
        QTRY_COMPARE(clicks->size(), 1); // an access key clicks a moment later
    } else {
        QCOMPARE(QApplication::focusWidget(), widget);
        QCOMPARE(qobject_cast<QLineEdit *>(widget)->text(),
                 target == "txtYourName" ? QStringLiteral("Ram") : QStringLiteral("Sita"));
    }
}

void tst_MainWindowLayout::enterPressesTheFocusedButton_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<Qt::Key>("key");
    for (const QString &name : ButtonNames) {
        QTest::addRow("Return on %s", qPrintable(name)) << name << Qt::Key_Return;
        QTest::addRow("Enter on %s", qPrintable(name)) << name << Qt::Key_Enter;
    }
}

void tst_MainWindowLayout::enterPressesTheFocusedButton()
{
    QFETCH(QString, name);
    QFETCH(Qt::Key, key);

    control<QLineEdit>("txtYourName")->setText("Ram");
    control<QLineEdit>("txtYourPartner")->setText("Sita");
    auto *button = control<QPushButton>(name);
    QSignalSpy clicks(button, &QPushButton::clicked);
    QSignalSpy goClicks(control<QPushButton>("cmdGo"), &QPushButton::clicked);
    button->setFocus();
    QTest::keyClick(button, key);
    QCOMPARE(clicks.size(), 1);
    QCOMPARE(goClicks.size(), name == "cmdGo" ? 1 : 0); // Go is only the default for name boxes
}

void tst_MainWindowLayout::defaultEmphasis_data()
{
    QTest::addColumn<int>("tabs"); // pressed from the user's name box
    QTest::addColumn<QString>("emphasised");

    QTest::newRow("at start, in the user's name") << 0 << "cmdGo";
    QTest::newRow("in the partner's name") << 1 << "cmdGo";
    QTest::newRow("on Go") << 2 << "cmdGo";
    QTest::newRow("on Clear All, which Enter presses") << 3 << "cmdClear";
    QTest::newRow("on Exit") << 5 << "cmdExit";
    QTest::newRow("in the user's name, after a round of all buttons") << 6 << "cmdGo";
    QTest::newRow("in the partner's name, after a round") << 7 << "cmdGo";
}

void tst_MainWindowLayout::defaultEmphasis()
{
    QFETCH(int, tabs);
    QFETCH(QString, emphasised);

    for (int tab = 0; tab < tabs; ++tab)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    for (const QString &name : ButtonNames)
        QVERIFY2(control<QPushButton>(name)->isDefault() == (name == emphasised), qPrintable(name));

    // The emphasis shows: drawn without it, the button looks otherwise.
    auto *button = control<QPushButton>(emphasised);
    const QImage drawn = button->grab().toImage();
    button->setDefault(false);
    QVERIFY(button->grab().toImage() != drawn);
}

void tst_MainWindowLayout::escapeDoesNothing()
{
    playRamAndSita();
    for (const QString &name : BoxNames + ButtonNames) {
        control(name)->setFocus();
        QTest::keyClick(control(name), Qt::Key_Escape);
    }
    QVERIFY(m_window->isVisible());
    QCOMPARE(m_window->visibleCrosses(), QList<int>({ 2, 3, 4, 5, 6 }));
    QCOMPARE(control<QLineEdit>("txtYourName")->text(), QStringLiteral("Ram"));
    QCOMPARE(control<QLineEdit>("txtYourPartner")->text(), QStringLiteral("Sita"));
}

void tst_MainWindowLayout::toolTips_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("toolTip");

    auto row = [](const char *name, const char *toolTip) {
        QTest::newRow(name) << name << toolTip;
    };
    row("txtYourName", "Fill your Name here");
    row("txtYourPartner", "Fill your Partners Name here");
    row("cmdGo", "Click here to get the Result");
    row("cmdClear", "Click here to clear the Crosses and the Names");
    row("cmdClearPartner", "Click here to clear the Crosses and your Partners name");
    row("cmdExit", "Click here to exit the Application");
    for (const QString &label : CaptionNames + CrossNames + WordNames)
        QTest::newRow(qPrintable(label)) << label << QString();
}

void tst_MainWindowLayout::toolTips()
{
    QFETCH(QString, name);
    QFETCH(QString, toolTip);

    QCOMPARE(control(name)->toolTip(), toolTip);
}

void tst_MainWindowLayout::heartIcon()
{
    // The window wears the icon in every size it is drawn at.
    QList<QSize> sizes;
    for (const QString &side : QStringLiteral(TANDRO_ICON_SIZES).split(u','))
        sizes.append(QSize(side.toInt(), side.toInt()));
    QCOMPARE(m_window->windowIcon().availableSizes(), sizes);

    // The Windows executable's icon, first its two classic images (their sizes and 16 colours
    // are checked where the Windows resource compiler reads them back), then the larger ones.
    QFile file(QStringLiteral(TANDRO_ICONS "/heart-windows.ico"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QRgb transparent = 0;
    const QRgb red = qRgb(255, 0, 0);
    const QRgb grey = qRgb(128, 128, 128);
    QImageReader reader(&file);
    QCOMPARE(reader.imageCount(), 4);
    const QImage large = reader.read().convertToFormat(QImage::Format_ARGB32);
    QVERIFY(reader.jumpToNextImage());
    const QImage small = reader.read().convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(large.size(), QSize(32, 32));
    QCOMPARE(small.size(), QSize(16, 16));

    QCOMPARE(large.pixel(16, 16), red); // the centre
    QCOMPARE(small.pixel(8, 8), red);
    for (const QPoint corner : { QPoint(0, 0), QPoint(31, 0), QPoint(0, 31), QPoint(31, 31) })
        QCOMPARE(large.pixel(corner), transparent);
    QCOMPARE(small.pixel(0, 15), transparent);
    QCOMPARE(large.pixel(15, 2), transparent); // the notch between the lobes
    QCOMPARE(large.pixel(30, 10), grey); // the shadow on the right edge
    QCOMPARE(large.pixel(16, 30), grey); // ... and below the point
    QCOMPARE(small.pixel(15, 5), grey);

    // Nothing but red, grey and clear, and a one-pixel clear margin that the heart reaches.
    QSet<QRgb> colours;
    bool touchesTheMargin[4] = {};
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            const QRgb pixel = large.pixel(x, y);
            colours.insert(pixel);
            const bool margin = x == 0 || y == 0 || x == 31 || y == 31;
            QVERIFY2(!margin || pixel == transparent, qPrintable(QString("%1,%2").arg(x).arg(y)));
            if (pixel != transparent) {
                touchesTheMargin[0] |= x == 1;
                touchesTheMargin[1] |= y == 1;
                touchesTheMargin[2] |= x == 30;
                touchesTheMargin[3] |= y == 30;
            }
        }
    }
    QCOMPARE(colours, QSet<QRgb>({ transparent, red, grey }));
    QVERIFY(touchesTheMargin[0] && touchesTheMargin[1] && touchesTheMargin[2]
            && touchesTheMargin[3]);
}

void tst_MainWindowLayout::minimisedAndRestoredKeepsTheCrosses()
{
    playRamAndSita();
    m_window->showMinimized();
    QTRY_VERIFY(m_window->isMinimized());
    m_window->showNormal();
    QTRY_VERIFY(!m_window->isMinimized());
    QCOMPARE(m_window->visibleCrosses(), QList<int>({ 2, 3, 4, 5, 6 }));
    QCOMPARE(control<QLineEdit>("txtYourName")->text(), QStringLiteral("Ram"));
}

QTEST_MAIN(tst_MainWindowLayout)
#include "tst_mainwindowlayout.moc"
