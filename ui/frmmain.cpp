#include "frmmain.h"

#include "accessibility.h"
#include "announcer.h"
#include "controls.h"
#include "fonts.h"
#include "frmabout.h"
#include "hearticon.h"
#include "heldinput.h"
#include "namebox.h"
#include "sound.h"
#include "twips.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QShortcutEvent>
#include <QTimer>

#include <functional>

namespace {

using Controls::makeLabel;

// The client area below the menu bar, in twips.
constexpr int ClientWidth = 4290;
constexpr int ClientHeight = 3945;

NameBox *makeNameBox(QWidget *parent, const char *name, const QString &toolTip)
{
    auto *box = new NameBox(parent);
    box->setObjectName(QLatin1String(name));
    box->setToolTip(toolTip);
    return box;
}

QPushButton *makeButton(QWidget *parent, const char *name, const QString &text,
                        const QString &toolTip)
{
    auto *button = new QPushButton(text, parent);
    button->setObjectName(QLatin1String(name));
    button->setToolTip(toolTip);
    // Outside a dialog, Enter presses a focused button only when it is an auto-default one.
    button->setAutoDefault(true);
    return button;
}

} // namespace

const std::array<frmMain::Slot, Tandro::SlotCount> frmMain::BoardSlots = { {
        { &frmMain::lblH, "lblH", &frmMain::lblHates, "lblHates" },
        { &frmMain::lblF, "lblF", &frmMain::lblFriend, "lblFriend" },
        { &frmMain::lblL, "lblL", &frmMain::lblLove, "lblLove" },
        { &frmMain::lblA, "lblA", &frmMain::lblAdmire, "lblAdmire" },
        { &frmMain::lblM, "lblM", &frmMain::lblMarriage, "lblMarriage" },
        { &frmMain::lblE, "lblE", &frmMain::lblEnemy, "lblEnemy" },
} };

frmMain::frmMain(QWidget *parent) : QMainWindow(parent)
{
    setFont(Fonts::windowFont());
    setWindowTitle(QCoreApplication::applicationName());
    setWindowIcon(heartIcon());
    // A fixed size alone still lets the window manager offer to maximise: say which buttons the
    // frame has. The Windows hint gives the fixed single border there.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                   | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);

    createControls();
    mnuAbout = menuBar()->addAction(tr("A&bout"));
    mnuAbout->setObjectName(QStringLiteral("mnuAbout"));
    placeControls();
    // The window is as large as its menu bar and client area, and no larger or smaller.
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    // A command that comes while a game is under way waits for its end with the user's input.
    m_heldInput = new HeldInput(this);
    const auto command = [this](void (frmMain::*command)()) {
        return [this, command] { m_heldInput->run(std::bind_front(command, this)); };
    };
    connect(cmdGo, &QPushButton::clicked, this, command(&frmMain::go));
    connect(cmdClear, &QPushButton::clicked, this, command(&frmMain::clearAll));
    connect(cmdClearPartner, &QPushButton::clicked, this, command(&frmMain::clearPartner));
    connect(mnuAbout, &QAction::triggered, this, command(&frmMain::about));
    connect(cmdExit, &QPushButton::clicked, this, command(&frmMain::exitApplication));
    for (QPushButton *button : { cmdGo, cmdClear, cmdClearPartner, cmdExit })
        button->installEventFilter(this);
    // Go is the window's default button, but a main window passes Enter on to nobody: the name
    // boxes press it themselves.
    setDefaultButton(cmdGo);
    connect(txtYourName, &QLineEdit::returnPressed, cmdGo, &QPushButton::click);
    connect(txtYourPartner, &QLineEdit::returnPressed, cmdGo, &QPushButton::click);
    m_focusWatch = connect(qApp, &QApplication::focusChanged, this,
                           [this](QWidget *, QWidget *now) { showDefaultButton(now); });
}

frmMain::~frmMain()
{
    // The focus moves as the controls are destroyed, after this window has ceased to be one.
    disconnect(m_focusWatch);
}

void frmMain::setStrikePause(std::chrono::milliseconds pause)
{
    m_strikePause = pause;
}

bool frmMain::isBusy() const
{
    return m_heldInput->isHolding() || (m_about && m_about->isVisible());
}

bool frmMain::eventFilter(QObject *watched, QEvent *event)
{
    // Qt's button shows itself pressed for a tenth of a second before its click; keys typed
    // meanwhile would reach the name boxes before the command they came after.
    if (event->type() == QEvent::Shortcut && !static_cast<QShortcutEvent *>(event)->isAmbiguous()) {
        static_cast<QPushButton *>(watched)->click();
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void frmMain::createControls()
{
    auto *client = new QWidget(this);
    setCentralWidget(client);

    lblYourName = makeLabel(client, "lblYourName", tr("&Your Name"));
    txtYourName = makeNameBox(client, "txtYourName", tr("Fill your Name here"));
    lblPartnerName = makeLabel(client, "lblPartnerName", tr("Your &Partners Name"));
    txtYourPartner = makeNameBox(client, "txtYourPartner", tr("Fill your Partners Name here"));
    for (QLabel *caption : { lblYourName, lblPartnerName })
        caption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lblYourName->setBuddy(txtYourName);
    lblPartnerName->setBuddy(txtYourPartner);

    cmdGo = makeButton(client, "cmdGo", tr("&Go"), tr("Click here to get the Result"));
    cmdClear = makeButton(client, "cmdClear", tr("Clear &All"),
                          tr("Click here to clear the Crosses and the Names"));
    cmdClearPartner = makeButton(client, "cmdClearPartner", tr("&Clear Partner"),
                                 tr("Click here to clear the Crosses and your Partners name"));

    // The crosses: a red, bold "X" centred in its box, hidden until the game strikes its word.
    QFont crossFont = Fonts::windowFont();
    crossFont.setWeight(QFont::Bold);
    QPalette crossColours;
    crossColours.setColor(QPalette::WindowText, QColor(255, 0, 0));
    for (int slot = 1; slot <= Tandro::SlotCount; ++slot) {
        const Slot &row = BoardSlots[slot - 1];
        QLabel *cross = this->*row.cross = makeLabel(client, row.crossName, tr("X"));
        cross->setFont(crossFont);
        cross->setPalette(crossColours);
        cross->setAlignment(Qt::AlignCenter);
        cross->hide();
        // A screen reader hears a struck word as crossed out, from the word itself.
        Accessibility::leaveOut(cross);
    }
    for (int slot = 1; slot <= Tandro::SlotCount; ++slot) {
        const Slot &row = BoardSlots[slot - 1];
        this->*row.word = makeLabel(client, row.wordName, Tandro::relationshipWord(slot));
    }

    cmdExit = makeButton(client, "cmdExit", tr("E&xit"), tr("Click here to exit the Application"));
    m_announcer = new Announcer(client);
}

void frmMain::placeControls()
{
    // Every control of the window in tab order, with its place in twips from the top-left corner
    // of the client area.
    // clang-format off
    const Twips::Place places[] = {
        { lblYourName, 120, 240, 1455, 255 },
        { txtYourName, 1680, 240, 2415, 285 },
        { lblPartnerName, 120, 720, 1455, 255 },
        { txtYourPartner, 1680, 720, 2415, 285 },
        { cmdGo, 240, 1200, 1095, 375 },
        { cmdClear, 1598, 1200, 1095, 375 },
        { cmdClearPartner, 2918, 1200, 1095, 375 },
        { lblH, 1440, 1800, 255, 255 },
        { lblF, 1440, 2040, 255, 255 },
        { lblL, 1440, 2280, 255, 255 },
        { lblA, 1440, 2520, 255, 255 },
        { lblM, 1440, 2760, 255, 255 },
        { lblE, 1440, 3000, 255, 255 },
        { lblHates, 1800, 1800, 855, 255 },
        { lblFriend, 1800, 2040, 855, 255 },
        { lblLove, 1800, 2280, 855, 255 },
        { lblAdmire, 1800, 2520, 855, 255 },
        { lblMarriage, 1800, 2760, 855, 255 },
        { lblEnemy, 1800, 3000, 855, 255 },
        { cmdExit, 1440, 3360, 1095, 375 },
    };
    // clang-format on

    QWidget *client = centralWidget();
    const int dpi = client->logicalDpiX();
    client->setFixedSize(Twips::toPixels(ClientWidth, dpi), Twips::toPixels(ClientHeight, dpi));
    Twips::placeControls(places, dpi);
    for (const Slot &row : BoardSlots)
        m_board |= (this->*row.cross)->geometry() | (this->*row.word)->geometry();

    // The places are listed in tab order.
    QWidget *previousInTabOrder = nullptr;
    for (const Twips::Place &place : places) {
        if (place.control->focusPolicy() & Qt::TabFocus) {
            if (previousInTabOrder)
                setTabOrder(previousInTabOrder, place.control);
            previousInTabOrder = place.control;
        }
    }
}

void frmMain::setDefaultButton(QPushButton *button)
{
    m_defaultButton = button;
    button->setDefault(true);
}

void frmMain::showDefaultButton(QWidget *focus)
{
    // As in a dialog, a button with the focus is drawn as the default, since Enter presses it;
    // otherwise the window's default button is. Qt moves the emphasis this way only in dialogs:
    // in a main window, the default button would lose it for good the first time the focus left it.
    if (!m_defaultButton || !focus || focus->window() != this)
        return;
    m_defaultButton->setDefault(focus == m_defaultButton || !qobject_cast<QPushButton *>(focus));
}

void frmMain::go()
{
    Clear_Crosses();
    refresh(); // the crosses of an earlier game are gone before any message shows
    play(Tandro::Go(txtYourName->text(), txtYourPartner->text()));
}

void frmMain::clearAll()
{
    Clear_Crosses();
    txtYourName->clear();
    txtYourPartner->clear();
    txtYourName->setFocus();
}

void frmMain::clearPartner()
{
    Clear_Crosses();
    txtYourPartner->clear();
    txtYourPartner->setFocus();
}

void frmMain::exitApplication()
{
    close();
}

void frmMain::about()
{
    // One dialog for the life of the window, modal to the whole application. Parenting it here
    // keeps it above this window and deletes it with it.
    if (!m_about) {
        m_about = new frmAbout(this);
        // The window takes the user's input again, as a window manager would give it back: a web
        // page has none.
        connect(m_about, &QDialog::finished, this, &QWidget::activateWindow);
    }
    m_about->show();
}

void frmMain::play(const QList<Tandro::Step> &steps)
{
    m_steps = steps;
    m_heldInput->hold();
    playNext();
}

void frmMain::playNext()
{
    while (!m_steps.isEmpty()) {
        const Tandro::Step step = m_steps.takeFirst();
        switch (step.kind) {
        case Tandro::Step::ShowMessage:
            showMessage(step.message);
            return; // its OK plays on
        case Tandro::Step::Strike:
            setCrossVisible(step.slot, true);
            refresh();
            break;
        case Tandro::Step::Pause:
            pause(waitBegins());
            return; // its end plays on
        case Tandro::Step::Beep:
            beep();
            break;
        case Tandro::Step::AnnounceResult:
            announceResult(step.slot);
            break;
        case Tandro::Step::ClearAll:
            clearAll();
            break;
        }
    }
    m_heldInput->release();
}

frmMain::Wait frmMain::waitBegins()
{
    m_waiting = ++m_waitsBegun;
    return m_waiting;
}

void frmMain::waitEnded(Wait wait)
{
    if (wait == 0 || wait != m_waiting)
        return;
    m_waiting = 0;
    playNext();
}

void frmMain::Clear_Crosses()
{
    for (int slot = 1; slot <= Tandro::SlotCount; ++slot)
        setCrossVisible(slot, false);
    m_announcer->withdraw(); // the result of the game before holds no more
}

void frmMain::closeEvent(QCloseEvent *event)
{
    // A close from the window's frame comes as a spontaneous event, and waits for the game to end;
    // one from within (QWidget::close, QApplication::closeAllWindows) does not.
    if (event->spontaneous() && isBusy()) {
        event->ignore();
        m_heldInput->run([this] { close(); });
        return;
    }
    // Nothing is asked and nothing is saved. A game under way stops at once; the input and the
    // commands that were waiting for it go with the window.
    m_steps.clear();
    m_waiting = 0;
    m_heldInput->drop();
    QMainWindow::closeEvent(event);
}

void frmMain::showMessage(Tandro::Message message)
{
    auto *box = new QMessageBox(QMessageBox::NoIcon, Tandro::messageTitle(message),
                                Tandro::messagePrompt(message), QMessageBox::Ok, this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::ApplicationModal);
    connect(box, &QDialog::finished, this, [this, wait = waitBegins()] {
        activateWindow(); // as after About
        waitEnded(wait);
    });
    box->show();
}

void frmMain::setCrossVisible(int slot, bool visible)
{
    const Slot &row = BoardSlots.at(slot - 1);
    (this->*row.cross)->setVisible(visible);
    // Read word by word, the board says which words are crossed out.
    (this->*row.word)
            ->setAccessibleName(visible ? tr("%1, crossed out").arg(Tandro::relationshipWord(slot))
                                        : QString());
}

void frmMain::refresh()
{
    // Only the board changes during a game. The name boxes may hold names long enough (a million
    // letters) that painting them takes half a second, so they are left out.
    centralWidget()->repaint(m_board);
}

void frmMain::pause(Wait wait)
{
    // A precise timer: a coarse one may end a pause early. The event loop keeps the window painted
    // meanwhile.
    QTimer::singleShot(m_strikePause, Qt::PreciseTimer, this, [this, wait] { waitEnded(wait); });
}

void frmMain::beep()
{
    Sound::beep();
}

void frmMain::announceResult(int slot)
{
    m_announcer->announce(tr("The result is %1.").arg(Tandro::relationshipWord(slot)));
}
