#include "appearance.h"
#include "frmabout.h"
#include "frmmain.h"
#include "windowtesting.h"

#include <tandro/identity.h>

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QStyle>
#include <QTest>
#include <qpa/qwindowsysteminterface.h>

#include <functional>
#include <memory>

using namespace std::chrono_literals;

Q_DECLARE_METATYPE(Scheme)

// The ways a user closes the dialog.
enum class Closing { ClickOK, EnterOnOK, Escape, FrameCloseButton };
Q_DECLARE_METATYPE(Closing)

class tst_frmAbout : public WindowTest
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void loadShowsTheApplicationsIdentity_data();
    void loadShowsTheApplicationsIdentity();
    void controlPlaces_data();
    void controlPlaces();
    void textsAndLooks();
    void pictureSuitsTheScreen();
    void textsFitTheirBoxes();
    void readableInEveryScheme_data();
    void readableInEveryScheme();
    void coloursOnWhite_data();
    void coloursOnWhite();
    void focusStartsOnOK();
    void everyWayOfClosingLeavesTheMainWindowAsItWas_data();
    void everyWayOfClosingLeavesTheMainWindowAsItWas();
    void eachOpeningStartsFromTheStoredTexts();
    void theMainWindowTakesNoInputWhileItIsOpen_data();
    void theMainWindowTakesNoInputWhileItIsOpen();
    void altBOpensIt();

private:
    // Opens the dialog from the menu as a user would, runs whileOpen once it is up, closes it
    // the given way, and returns once it has closed. Checks belong after it returns.
    void openAbout(const std::function<void(frmAbout *)> &whileOpen,
                   Closing closing = Closing::ClickOK, const std::function<void()> &open = {});
    template <typename T = QWidget>
    static T *child(QWidget *parent, const char *name)
    {
        T *found = parent->findChild<T *>(QLatin1String(name));
        if (!found)
            qFatal("no control %s", name);
        return found;
    }

    bool m_dialogSeen = false; // the dialog opened, active and modal
    bool m_dialogStuck = false; // the dialog did not close the way the test closed it
};

void tst_frmAbout::init()
{
    Tandro::Identity::apply(); // some tests give the application another
    WindowTest::init();
}

void tst_frmAbout::cleanup()
{
    QVERIFY(!m_dialogStuck);
    WindowTest::cleanup();
}

void tst_frmAbout::openAbout(const std::function<void(frmAbout *)> &whileOpen, Closing closing,
                             const std::function<void()> &open)
{
    m_dialogSeen = false;
    m_dialogStuck = false;
    QTimer::singleShot(0, this, [&] {
        auto *dialog = m_window->findChild<frmAbout *>();
        // A window manager activates a new dialog; offscreen, there is none to do it. (Waiting for
        // the window to be active is not enough: Qt counts a dialog whose parent has the focus
        // as active.)
        if (!dialog)
            return;
        dialog->activateWindow();
        if (!QTest::qWaitFor([dialog] { return QApplication::activeWindow() == dialog; }))
            return;
        m_dialogSeen = QApplication::activeModalWidget() == dialog;
        whileOpen(dialog);
        switch (closing) {
        case Closing::ClickOK:
            QTest::mouseClick(child(dialog, "cmdOK"), Qt::LeftButton);
            break;
        case Closing::EnterOnOK:
            QTest::keyClick(child(dialog, "cmdOK"), Qt::Key_Return);
            break;
        case Closing::Escape:
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
            break;
        case Closing::FrameCloseButton:
            QWindowSystemInterface::handleCloseEvent<QWindowSystemInterface::AsynchronousDelivery>(
                    dialog->windowHandle());
            break;
        }
    });
    // Should the dialog stay open, close it and say so, so that the test fails instead of hanging.
    QTimer watchdog;
    watchdog.setSingleShot(true);
    connect(&watchdog, &QTimer::timeout, this, [this] {
        auto *dialog = m_window->findChild<frmAbout *>();
        if (dialog && dialog->isVisible()) {
            m_dialogStuck = true;
            dialog->reject();
        }
    });
    watchdog.start(5s);
    if (open)
        open();
    else
        m_window->findChild<QAction *>("mnuAbout")->trigger();
    QVERIFY(m_window->waitUntilIdle());
}

void tst_frmAbout::loadShowsTheApplicationsIdentity_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("version");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("versionText");

    QTest::newRow("this build") << Tandro::Identity::Title << Tandro::Identity::Version
                                << "About Tandro"
                                << "Version 2.1";
    QTest::newRow("a minor number of two digits, no revision") << "Tandro"
                                                               << "2.10.3"
                                                               << "About Tandro"
                                                               << "Version 2.10";
    QTest::newRow("another title, minor number 0") << "Lovers"
                                                   << "12.0.0.7"
                                                   << "About Lovers"
                                                   << "Version 12.0";
}

void tst_frmAbout::loadShowsTheApplicationsIdentity()
{
    QFETCH(QString, title);
    QFETCH(QString, version);
    QFETCH(QString, caption);
    QFETCH(QString, versionText);

    QApplication::setApplicationName(title);
    QApplication::setApplicationVersion(version);
    QString shownCaption, shownTitle, shownVersion, versionRead;
    openAbout([&](frmAbout *dialog) {
        shownCaption = dialog->windowTitle();
        shownTitle = child<QLabel>(dialog, "lblTitle")->text();
        shownVersion = child<QLabel>(dialog, "lblVersion")->text();
        versionRead = QAccessible::queryAccessibleInterface(child(dialog, "lblVersion"))
                              ->text(QAccessible::Name);
    });
    QVERIFY(m_dialogSeen);
    QCOMPARE(shownCaption, caption);
    QCOMPARE(shownTitle, title);
    QCOMPARE(shownVersion, versionText);
    // A screen reader reads the version with the title, as a sentence of three words or more.
    QCOMPARE(versionRead, title + u' ' + versionText);
}

void tst_frmAbout::controlPlaces_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("place"); // in pixels at 96 DPI, from the client area's corner

    auto row = [](const char *name, QRect place) { QTest::newRow(name) << name << place; };
    row("Text1", { 16, 184, 257, 41 });
    row("picIcon", { 16, 24, 32, 32 });
    row("cmdOK", { 283, 168, 84, 23 });
    row("Label3", { 16, 168, 185, 17 });
    row("Label1", { 16, 144, 257, 17 });
    row("lblDescription", { 72, 64, 267, 46 });
    row("lblTitle", { 70, 8, 259, 32 });
    row("lblVersion", { 72, 40, 259, 23 });
    row("lblDisclaimer", { 16, 128, 210, 15 });
    row("Line1_1", { 8, 120, 371, 1 }); // grey, from x 8 to 379
    row("Line1_0", { 8, 144, 370, 2 }); // white, two pixels wide
}

void tst_frmAbout::controlPlaces()
{
    QFETCH(QString, name);
    QFETCH(QRect, place);

    QRect shown;
    QSize client;
    openAbout([&](frmAbout *dialog) {
        shown = child(dialog, qPrintable(name))->geometry();
        client = dialog->size();
    });
    QVERIFY(m_dialogSeen);
    QCOMPARE(shown, place);
    QCOMPARE(client, QSize(382, 237));
}

void tst_frmAbout::textsAndLooks()
{
    QHash<QString, QString> texts;
    QHash<QString, QFont> fonts;
    QHash<QString, QColor> colours;
    QImage picture;
    QColor background;
    Qt::WindowFlags flags;
    QSize minimum, maximum;
    openAbout([&](frmAbout *dialog) {
        for (const char *name :
             { "Label3", "Label1", "lblDescription", "lblTitle", "lblVersion", "lblDisclaimer" }) {
            auto *label = child<QLabel>(dialog, name);
            texts[name] = label->text();
            fonts[name] = label->font();
            colours[name] = label->palette().color(QPalette::WindowText);
        }
        texts["Text1"] = child<QPlainTextEdit>(dialog, "Text1")->toPlainText();
        texts["cmdOK"] = child<QPushButton>(dialog, "cmdOK")->text();
        picture = child<QLabel>(dialog, "picIcon")->pixmap().toImage();
        background = dialog->palette().color(QPalette::Window);
        flags = dialog->windowFlags();
        minimum = dialog->minimumSize();
        maximum = dialog->maximumSize();
    });
    QVERIFY(m_dialogSeen);

    QCOMPARE(texts["Label3"], QStringLiteral("Contact Information:"));
    QCOMPARE(texts["lblDisclaimer"],
             QStringLiteral("Warning: Clicking on OK closes this Dialog !"));
    QCOMPARE(texts["lblDescription"],
             QStringLiteral("Enjoy this interesting Game - Tandro. Just fill in your name and your "
                            "partners name and get the relationship that exists between you."));
    QCOMPARE(texts["cmdOK"], QStringLiteral("OK"));
    // The credit: one line of 51 characters. The contact: two lines, each ended by CR LF (the box
    // shows each as a line break), 119 characters in all.
    QCOMPARE(texts["Label1"].size(), 51);
    QVERIFY(!texts["Label1"].contains(u'\n'));
    const QString contact = texts["Text1"];
    QCOMPARE(contact.count(u'\n'), 2);
    QVERIFY(contact.endsWith(u'\n'));
    QCOMPARE(QString(contact).replace(u'\n', QStringLiteral("\r\n")).size(), 119);

    // The title in red, bold Comic Sans MS 18 pt; the version in bold MS Serif 12 pt; the
    // description in Modern 8.25 pt: each drawn in its stand-in where the system lacks it.
    QCOMPARE(fonts["lblTitle"].family(), QStringLiteral("Comic Sans MS"));
    QCOMPARE(fonts["lblTitle"].pointSizeF(), 18.0);
    QCOMPARE(fonts["lblTitle"].weight(), QFont::Bold);
    QCOMPARE(colours["lblTitle"], QColor(255, 0, 0));
    QCOMPARE(fonts["lblVersion"].family(), QStringLiteral("MS Serif"));
    QCOMPARE(fonts["lblVersion"].pointSizeF(), 12.0);
    QCOMPARE(fonts["lblVersion"].weight(), QFont::Bold);
    QCOMPARE(fonts["lblDescription"].family(), QStringLiteral("Modern"));
    QCOMPARE(fonts["lblDescription"].pointSizeF(), 8.25);
    QCOMPARE(fonts["lblDescription"].weight(), QFont::Normal);
    QCOMPARE(colours["lblDescription"], QColor(0, 0, 0));
    QCOMPARE(colours["lblDisclaimer"], QColor(0, 0, 0));
    for (const char *name :
         { "lblTitle", "lblVersion", "lblDescription", "Label3", "Label1", "lblDisclaimer" }) {
        const QFontInfo drawn(fonts[name]);
        const QString face = faceDrawnFor(fonts[name].family());
        if (face.isEmpty())
            continue; // the system's own stand-in
        QCOMPARE(drawn.family(), face);
        QCOMPARE(drawn.bold(), fonts[name].weight() == QFont::Bold);
    }

    QCOMPARE(background, QColor(255, 255, 255));
    QCOMPARE(picture.size(), QSize(32, 32));
    QCOMPARE(picture.pixel(16, 16), qRgb(255, 0, 0));
    QCOMPARE(qAlpha(picture.pixel(0, 0)), 0);

    // A fixed dialog frame: no resizing, no minimise or maximise button.
    QCOMPARE(minimum, maximum);
    QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
}

void tst_frmAbout::pictureSuitsTheScreen()
{
    // CTest runs this once more with QT_SCALE_FACTOR=2, as on a screen of twice the pixels.
    const qreal expectedRatio = qEnvironmentVariableIsSet("QT_SCALE_FACTOR")
            ? qEnvironmentVariable("QT_SCALE_FACTOR").toDouble()
            : 1.0;
    qreal ratio = 0;
    QImage picture;
    QSize box;
    openAbout([&](frmAbout *dialog) {
        ratio = dialog->devicePixelRatioF();
        const auto *picIcon = child<QLabel>(dialog, "picIcon");
        picture = picIcon->pixmap().toImage();
        box = picIcon->size();
    });
    QCOMPARE(ratio, expectedRatio);
    // The same box of 32 by 32, filled from the picture made for as many pixels as it covers.
    const int pixels = qRound(32 * ratio);
    QCOMPARE(box, QSize(32, 32));
    QCOMPARE(picture.size(), QSize(pixels, pixels));
    QCOMPARE(picture.devicePixelRatio(), ratio);
    picture.setDevicePixelRatio(1);
    QCOMPARE(picture.convertToFormat(QImage::Format_ARGB32),
             QImage(QStringLiteral(":/icons/heart-%1.png").arg(pixels))
                     .convertToFormat(QImage::Format_ARGB32));
}

void tst_frmAbout::textsFitTheirBoxes()
{
    QStringList tooBig;
    openAbout([&](frmAbout *dialog) {
        for (QLabel *label : dialog->findChildren<QLabel *>()) {
            if (label->text().isEmpty())
                continue; // the picture
            const QFontMetrics metrics(label->font());
            const QRect room = label->contentsRect();
            const QRect needed = label->wordWrap()
                    ? metrics.boundingRect(room, Qt::TextWordWrap, label->text())
                    : QRect(QPoint(), metrics.size(0, label->text()));
            if (needed.width() > room.width() || needed.height() > room.height())
                tooBig.append(QStringLiteral("%1 (%2 needs %3 x %4, has %5 x %6)")
                                      .arg(label->objectName(), QFontInfo(label->font()).family())
                                      .arg(needed.width())
                                      .arg(needed.height())
                                      .arg(room.width())
                                      .arg(room.height()));
        }
    });
    QVERIFY(m_dialogSeen);
    QVERIFY2(tooBig.isEmpty(), qPrintable(tooBig.join(QStringLiteral(", "))));
}

void tst_frmAbout::readableInEveryScheme_data()
{
    QTest::addColumn<Scheme>("scheme");
    QTest::addColumn<bool>("changedWhileOpen"); // the scheme changed while the dialog was open

    QTest::newRow("the platform's scheme") << Scheme::Platform << false;
    QTest::newRow("a dark palette") << Scheme::DarkPalette << false;
    QTest::newRow("a dark palette set while open") << Scheme::DarkPalette << true;
}

void tst_frmAbout::readableInEveryScheme()
{
    QFETCH(Scheme, scheme);
    QFETCH(bool, changedWhileOpen);

    // Each text, from its pixels, against what stands behind it: 4.5:1, and 3:1 for the title,
    // of 18 points. The dialog stays white, as its title stays red and its description and
    // warning black, but in a contrast theme, whose colours it takes whole.
    QVERIFY(platformAsSet());
    if (const QString why = schemeNotShown(scheme); !why.isEmpty())
        QSKIP(qPrintable(why));
    useScheme(changedWhileOpen ? Scheme::Platform : scheme);
    const bool contrastTheme = Appearance::isContrastTheme();
    QHash<QString, double> contrasts;
    QColor background;
    QRgb titleColour = 0;
    openAbout([&](frmAbout *dialog) {
        if (changedWhileOpen)
            useScheme(scheme);
        const QImage drawn = dialog->grab().toImage();
        for (QLabel *label : dialog->findChildren<QLabel *>()) {
            if (!label->text().isEmpty())
                contrasts[label->objectName()] =
                        drawnContrast(drawn, label->geometry().intersected(drawn.rect()));
        }
        auto *ok = child<QPushButton>(dialog, "cmdOK");
        contrasts["cmdOK"] = drawnContrast(drawn, ok->geometry().adjusted(4, 4, -4, -4));
        auto *contact = child<QPlainTextEdit>(dialog, "Text1");
        contrasts["Text1"] = drawnContrast(
                drawn,
                QRect(contact->viewport()->mapTo(dialog, QPoint()), contact->viewport()->size()));
        background = drawn.pixelColor(8, 8);
        titleColour =
                child<QLabel>(dialog, "lblTitle")->palette().color(QPalette::WindowText).rgb();
        keepPicture(dialog, QStringLiteral("about-%1").arg(QTest::currentDataTag()));
    });
    useScheme(Scheme::Platform);

    QVERIFY(m_dialogSeen);
    QCOMPARE(contrasts.size(), 8);
    QStringList unreadable;
    QString lowestName;
    double lowest = 0;
    for (auto it = contrasts.cbegin(); it != contrasts.cend(); ++it) {
        const bool title = it.key() == QLatin1String("lblTitle");
        if (it.value() < (title ? 3 : 4.5))
            unreadable << QStringLiteral("%1 %2:1").arg(it.key()).arg(it.value(), 0, 'f', 2);
        if (!title && (lowestName.isEmpty() || it.value() < lowest)) {
            lowestName = it.key();
            lowest = it.value();
        }
    }
    qInfo("contrast: lblTitle %.2f:1, lowest of the rest %s %.2f:1", contrasts["lblTitle"],
          qPrintable(lowestName), lowest);
    QVERIFY2(unreadable.isEmpty(), qPrintable(unreadable.join(QStringLiteral(", "))));
    if (!contrastTheme) {
        QCOMPARE(background, QColor(Qt::white));
        QCOMPARE(titleColour, qRgb(255, 0, 0));
    }
}

void tst_frmAbout::coloursOnWhite_data()
{
    QTest::addColumn<QPalette>("desktop");
    QTest::addColumn<bool>("contrastTheme");
    QTest::addColumn<QColor>("window");
    QTest::addColumn<QColor>("text");

    // A desktop's palette: its window's colour and its text's.
    const auto desktop = [](const QColor &window, const QColor &text) {
        QPalette palette(window);
        palette.setColor(QPalette::WindowText, text);
        palette.setColor(QPalette::Text, text);
        palette.setColor(QPalette::Base, window);
        return palette;
    };
    const QColor grey(30, 30, 30);
    QTest::newRow("a light scheme: its own text")
            << desktop(QColor(243, 243, 243), grey) << false << QColor(Qt::white) << grey;
    QTest::newRow("a dark scheme: a light scheme's text")
            << desktop(QColor(50, 50, 50), QColor(240, 240, 240)) << false << QColor(Qt::white)
            << QColor(Qt::black);
    // Windows says so of its contrast themes only; Wine has none, so that no test above meets one.
    QTest::newRow("a contrast theme: its colours whole")
            << desktop(Qt::black, Qt::white) << true << QColor(Qt::black) << QColor(Qt::white);
}

void tst_frmAbout::coloursOnWhite()
{
    QFETCH(QPalette, desktop);
    QFETCH(bool, contrastTheme);
    QFETCH(QColor, window);
    QFETCH(QColor, text);

    const QPalette colours = Appearance::onWhite(desktop, contrastTheme);
    QCOMPARE(colours.color(QPalette::Window), window);
    QCOMPARE(colours.color(QPalette::WindowText), text);
    QCOMPARE_GE(Appearance::contrast(colours.color(QPalette::Base), colours.color(QPalette::Text)),
                4.5);
}

void tst_frmAbout::focusStartsOnOK()
{
    QStringList focus;
    openAbout([&](frmAbout *dialog) {
        focus << QApplication::focusWidget()->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        focus << QApplication::focusWidget()->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        focus << QApplication::focusWidget()->objectName();
        focus << (dialog->isAncestorOf(QApplication::focusWidget()) ? "in the dialog" : "outside");
    });
    QVERIFY(m_dialogSeen);
    // Tab goes round the two controls that take the focus.
    QCOMPARE(focus, QStringList({ "cmdOK", "Text1", "cmdOK", "in the dialog" }));
}

void tst_frmAbout::everyWayOfClosingLeavesTheMainWindowAsItWas_data()
{
    QTest::addColumn<Closing>("closing");
    QTest::newRow("a click on OK") << Closing::ClickOK;
    QTest::newRow("Enter on OK") << Closing::EnterOnOK;
    QTest::newRow("Esc") << Closing::Escape;
    QTest::newRow("the frame's close button") << Closing::FrameCloseButton;
}

void tst_frmAbout::everyWayOfClosingLeavesTheMainWindowAsItWas()
{
    QFETCH(Closing, closing);

    auto *yourName = m_window->findChild<QLineEdit *>("txtYourName");
    auto *partnerName = m_window->findChild<QLineEdit *>("txtYourPartner");
    yourName->setText("Ram");
    partnerName->setText("Sita");
    QTest::mouseClick(m_window->findChild<QPushButton *>("cmdGo"), Qt::LeftButton);
    QVERIFY(m_window->waitUntilIdle());
    QCOMPARE(m_window->visibleCrosses(), QList<int>({ 2, 3, 4, 5, 6 }));

    bool visibleWhileOpen = false;
    openAbout([&](frmAbout *dialog) { visibleWhileOpen = dialog->isVisible(); }, closing);
    QVERIFY(m_dialogSeen);
    QVERIFY(visibleWhileOpen);
    QCOMPARE(QApplication::activeModalWidget(), nullptr); // closed
    QCOMPARE(yourName->text(), QStringLiteral("Ram"));
    QCOMPARE(partnerName->text(), QStringLiteral("Sita"));
    QCOMPARE(m_window->visibleCrosses(), QList<int>({ 2, 3, 4, 5, 6 }));
}

void tst_frmAbout::eachOpeningStartsFromTheStoredTexts()
{
    QString stored, typed, reopened;
    frmAbout *first = nullptr;
    frmAbout *second = nullptr;
    openAbout([&](frmAbout *dialog) {
        first = dialog;
        auto *contact = child<QPlainTextEdit>(dialog, "Text1");
        stored = contact->toPlainText();
        contact->setFocus();
        QTest::keyClicks(contact, "typed by the user");
        typed = contact->toPlainText();
    });
    QVERIFY(m_dialogSeen);
    openAbout([&](frmAbout *dialog) {
        second = dialog;
        reopened = child<QPlainTextEdit>(dialog, "Text1")->toPlainText();
    });
    QVERIFY(m_dialogSeen);
    QVERIFY(typed.contains("typed by the user"));
    QCOMPARE(reopened, stored);
    QCOMPARE(second, first); // one dialog for the life of the window
}

void tst_frmAbout::theMainWindowTakesNoInputWhileItIsOpen_data()
{
    QTest::addColumn<bool>("screenReader");
    // A click on Go, a click on the menu and Alt+B, through the window system as a user's.
    QTest::newRow("a user's clicks and keys") << false;
    // Go, Clear All, Clear Partner and Exit pressed, and a name edited, past the window's input.
    QTest::newRow("a screen reader's presses and edits") << true;
}

void tst_frmAbout::theMainWindowTakesNoInputWhileItIsOpen()
{
    QFETCH(bool, screenReader);

    auto *go = m_window->findChild<QPushButton *>("cmdGo");
    auto *about = m_window->findChild<QAction *>("mnuAbout");
    QSignalSpy goClicks(go, &QPushButton::clicked);
    QSignalSpy aboutChosen(about, &QAction::triggered);
    QWindow *mainWindow = m_window->windowHandle();
    const QPoint goCentre = go->mapTo(m_window.get(), go->rect().center());
    const QPoint menuItem = m_window->menuBar()->actionGeometry(about).center();
    m_window->typeNames("Ram", "Sita");

    openAbout([&](frmAbout *) {
        if (screenReader) {
            for (const char *name : { "cmdGo", "cmdClear", "cmdClearPartner", "cmdExit" }) {
                QAccessibleInterface *button = QAccessible::queryAccessibleInterface(
                        m_window->findChild<QPushButton *>(name));
                button->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
            }
            QAccessible::queryAccessibleInterface(m_window->findChild<QLineEdit *>("txtYourName"))
                    ->editableTextInterface()
                    ->insertText(0, "x");
        } else {
            QTest::mouseClick(mainWindow, Qt::LeftButton, {}, goCentre);
            QTest::mouseClick(mainWindow, Qt::LeftButton, {}, menuItem);
            QTest::keyClick(mainWindow, Qt::Key_B, Qt::AltModifier);
        }
        QTest::qWait(200); // longer than an access key's or a screen reader's delayed click
    });
    QVERIFY(m_dialogSeen);
    if (!screenReader)
        QCOMPARE(goClicks.size(), 0); // refused by the window system
    QCOMPARE(aboutChosen.size(), 1); // the opening itself
    QVERIFY(m_window->waitUntilIdle());
    QVERIFY(m_window->isVisible());
    QCOMPARE(m_window->visibleCrosses(), QList<int>());
    QCOMPARE(m_window->findChild<QLineEdit *>("txtYourName")->text(), QStringLiteral("Ram"));
    QCOMPARE(m_window->findChild<QLineEdit *>("txtYourPartner")->text(), QStringLiteral("Sita"));
}

void tst_frmAbout::altBOpensIt()
{
    openAbout([](frmAbout *) {}, Closing::Escape,
              [this] { QTest::keyClick(m_window.get(), Qt::Key_B, Qt::AltModifier); });
    QVERIFY(m_dialogSeen);
}

QTEST_MAIN(tst_frmAbout)
#include "tst_frmabout.moc"
