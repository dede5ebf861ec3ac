#include "frmmain.h"

#include "accessibility.h"
#include "defaultbutton.h"
#include "fonts.h"
#include "form.h"
#include "frmabout.h"
#include "heldinput.h"
#include "sound.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>

#include <functional>
#include <limits>
#include <vector>

namespace {

using Form::makeLabel;

// The client area below the menu bar, in twips.
constexpr int ClientWidth = 4290;
constexpr int ClientHeight = 3945;

// The board, slot 1 first: the names of each slot's cross and word, and the top of their row, in
// twips. The crosses stand in a column from 1440, 255 wide; the words in one from 1800, 855 wide;
// every row is 255 high, at a pitch of 240, so that neighbouring rows overlap by 15.
struct BoardRow
{
    const char *cross;
    const char *word;
    int top;
};
constexpr BoardRow Board[Tandro::SlotCount] = {
    { "lblH", "lblHates", 1800 },  { "lblF", "lblFriend", 2040 },   { "lblL", "lblLove", 2280 },
    { "lblA", "lblAdmire", 2520 }, { "lblM", "lblMarriage", 2760 }, { "lblE", "lblEnemy", 3000 },
};

QLineEdit *makeNameBox(QWidget *parent, const char *name, const QString &toolTip)
{
    auto *box = new QLineEdit(parent);
    box->setObjectName(QLatin1String(name));
    box->setToolTip(toolTip);
    // Names have no length limit (a line edit's own default is 32,767 characters).
    box->setMaxLength(std::numeric_limits<int>::max());
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

frmMain::frmMain(QWidget *parent) : QMainWindow(parent)
{
    // A fixed size alone still lets the window manager offer to maximise: say which buttons the
    // frame has. The Windows hint gives the fixed single border there.
    auto *client = new QWidget(this);
    setCentralWidget(client);
    Form::setUp(this, QCoreApplication::applicationName(),
                Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                        | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                        | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint,
                client, ClientWidth, ClientHeight);
    createControls();
    mnuAbout = menuBar()->addAction(tr("A&bout"));
    mnuAbout->setObjectName(QStringLiteral("mnuAbout"));
    placeControls();
    // The window is as large as its menu bar and client area, and no larger or smaller.
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    // A command that comes while a game is under way waits for its end with the user's input; one
    // that comes past the window's input while a dialog stands over it (a screen reader's press)
    // does nothing, as a click does then.
    m_input = new HeldInput(this);
    m_input->command(cmdGo, std::bind_front(&frmMain::go, this));
    m_input->command(cmdClear, std::bind_front(&frmMain::clearAll, this));
    m_input->command(cmdClearPartner, std::bind_front(&frmMain::clearPartner, this));
    m_input->command(cmdExit, std::bind_front(&QWidget::close, this));
    m_input->command(mnuAbout, std::bind_front(&frmMain::about, this));
    // Go is the window's default button, but a main window passes Enter on to nobody: the name
    // boxes press it themselves.
    DefaultButton::set(cmdGo);
    connect(txtYourName, &QLineEdit::returnPressed, cmdGo, &QPushButton::click);
    connect(txtYourPartner, &QLineEdit::returnPressed, cmdGo, &QPushButton::click);

    // A precise timer: a coarse one may end a pause early. The event loop keeps the window painted
    // meanwhile.
    m_boardTimer.setSingleShot(true);
    m_boardTimer.setTimerType(Qt::PreciseTimer);
    m_boardTimer.setInterval(StrikePause);
    connect(&m_boardTimer, &QTimer::timeout, this, &frmMain::playNext);
}

void frmMain::setStrikePause(std::chrono::milliseconds pause)
{
    m_boardTimer.setInterval(pause);
}

bool frmMain::isBusy() const
{
    return m_input->isHolding() || (m_about && m_about->isVisible());
}

void frmMain::createControls()
{
    QWidget *client = centralWidget();
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
    for (int slot = 0; slot < Tandro::SlotCount; ++slot) {
        QLabel *cross = m_board[slot].cross = makeLabel(client, Board[slot].cross, tr("X"));
        cross->setFont(crossFont);
        cross->setPalette(crossColours);
        cross->setAlignment(Qt::AlignCenter);
        cross->hide();
        // A screen reader hears a struck word as crossed out, from the word itself.
        Accessibility::leaveOut(cross);
    }
    for (int slot = 0; slot < Tandro::SlotCount; ++slot)
        m_board[slot].word =
                makeLabel(client, Board[slot].word, Tandro::relationshipWord(slot + 1));
    // The board's rows overlap by a pixel: filled with the window's colour, a row would hide the
    // foot of a word written deep (Arabic's) in the row above. The window's own shows through.
    for (const Slot &slot : m_board) {
        slot.cross->setAutoFillBackground(false);
        slot.word->setAutoFillBackground(false);
    }

    cmdExit = makeButton(client, "cmdExit", tr("E&xit"), tr("Click here to exit the Application"));
}

void frmMain::placeControls()
{
    // Every control of the window in tab order, with its place in twips from the top-left corner
    // of the client area.
    // clang-format off
    std::vector<Form::Place> places = {
        { lblYourName, 120, 240, 1455, 255 },
        { txtYourName, 1680, 240, 2415, 285 },
        { lblPartnerName, 120, 720, 1455, 255 },
        { txtYourPartner, 1680, 720, 2415, 285 },
        { cmdGo, 240, 1200, 1095, 375 },
        { cmdClear, 1598, 1200, 1095, 375 },
        { cmdClearPartner, 2918, 1200, 1095, 375 },
    };
    // clang-format on
    for (int slot = 0; slot < Tandro::SlotCount; ++slot)
        places.push_back({ m_board[slot].cross, 1440, Board[slot].top, 255, 255 });
    for (int slot = 0; slot < Tandro::SlotCount; ++slot)
        places.push_back({ m_board[slot].word, 1800, Board[slot].top, 855, 255 });
    places.push_back({ cmdExit, 1440, 3360, 1095, 375 });
    Form::place(centralWidget(), places);
    for (const Slot &slot : m_board)
        m_boardArea |= slot.cross->geometry() | slot.word->geometry();

    QWidget *previousInTabOrder = nullptr;
    for (const Form::Place &place : places) {
        if (place.control->focusPolicy() & Qt::TabFocus) {
            if (previousInTabOrder)
                setTabOrder(previousInTabOrder, place.control);
            previousInTabOrder = place.control;
        }
    }
}

void frmMain::go()
{
    Clear_Crosses();
    centralWidget()->repaint(
            m_boardArea); // the crosses of an earlier game are gone before any message shows
    m_steps = Tandro::Go(txtYourName->text(), txtYourPartner->text());
    m_input->hold();
    playNext();
}

void frmMain::clearAll()
{
    // Set, not cleared: clear() keeps what it removes as undo history, a command a letter, which a
    // pasted million letters would keep for as long as the window lives.
    Clear_Crosses();
    txtYourName->setText(QString());
    txtYourPartner->setText(QString());
    txtYourName->setFocus();
}

void frmMain::clearPartner()
{
    Clear_Crosses();
    txtYourPartner->setText(QString());
    txtYourPartner->setFocus();
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

void frmMain::playNext()
{
    while (!m_steps.isEmpty()) {
        const Tandro::Step step = m_steps.takeFirst();
        switch (step.kind) {
        case Tandro::Step::ShowMessage: {
            auto *box = new QMessageBox(QMessageBox::NoIcon, Tandro::messageTitle(step.message),
                                        Tandro::messagePrompt(step.message), QMessageBox::Ok, this);
            box->setAttribute(Qt::WA_DeleteOnClose);
            box->setWindowModality(Qt::ApplicationModal);
            connect(box, &QDialog::finished, this, &QWidget::activateWindow); // as after About
            connect(box, &QDialog::finished, this, &frmMain::playNext);
            box->show();
            return; // its OK plays on
        }
        case Tandro::Step::Strike: {
            const Slot &slot = m_board.at(step.slot - 1);
            slot.cross->show();
            // Read word by word, the board says which words are crossed out.
            slot.word->setAccessibleName(tr("%1, crossed out").arg(slot.word->text()));
            // Only the board changes during a game. The name boxes may hold names long enough (a
            // million letters) that painting them takes half a second, so they are left out.
            centralWidget()->repaint(m_boardArea);
            break;
        }
        case Tandro::Step::Pause:
            m_boardTimer.start();
            return; // its end plays on
        case Tandro::Step::Beep:
            Sound::beep();
            break;
        case Tandro::Step::AnnounceResult:
            Accessibility::announce(
                    centralWidget(),
                    tr("The result is %1.").arg(m_board.at(step.slot - 1).word->text()));
            break;
        case Tandro::Step::ClearAll:
            clearAll();
            break;
        }
    }
    m_input->release();
}

void frmMain::Clear_Crosses()
{
    for (const Slot &slot : m_board) {
        slot.cross->hide();
        slot.word->setAccessibleName(QString());
    }
    Accessibility::announce(centralWidget(),
                            QString()); // the result of the game before holds no more
}

void frmMain::closeEvent(QCloseEvent *event)
{
    // A close from the window's frame comes as a spontaneous event, and waits for the game to end;
    // one from within (QWidget::close, QApplication::closeAllWindows) does not.
    if (event->spontaneous() && isBusy()) {
        event->ignore();
        m_input->run([this] { close(); });
        return;
    }
    // Nothing is asked and nothing is saved. A game under way stops at once; the input and the
    // commands that were waiting for it go with the window.
    m_steps.clear();
    m_boardTimer.stop();
    m_input->drop();
    QMainWindow::closeEvent(event);
}
