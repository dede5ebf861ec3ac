#include "frmabout.h"

#include "appearance.h"
#include "fonts.h"
#include "form.h"

#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVersionNumber>

namespace {

// The client area, in twips.
constexpr int ClientWidth = 5730;
constexpr int ClientHeight = 3555;

// The two rules across the dialog: from (x1, y1) to (x2, y2) in twips, width in pixels.
struct Line
{
    const char *name;
    int x1;
    int y1;
    int x2;
    int y2;
    int width;
    QRgb colour;
};

constexpr Line Lines[] = {
    { "Line1_1", 120, 1800, 5684, 1800, 1, 0xff808080 }, // grey, under the disclaimer
    { "Line1_0", 120, 2160, 5669, 2160, 2, 0xffffffff }, // white on white: it does not show
};

using Form::makeLabel;

// A line is drawn as a box of its colour, as long as the line and as high as it is wide.
void makeLine(QWidget *parent, const Line &line)
{
    const int dpi = parent->logicalDpiX();
    auto *rule = new QWidget(parent);
    rule->setObjectName(QLatin1String(line.name));
    const QPoint from(Form::toPixels(line.x1, dpi), Form::toPixels(line.y1, dpi));
    const QPoint to(Form::toPixels(line.x2, dpi), Form::toPixels(line.y2, dpi));
    rule->setGeometry(Form::placed(parent, QRect(from, QSize(to.x() - from.x(), line.width))));
    QPalette colour;
    colour.setColor(QPalette::Window, QColor::fromRgb(line.colour));
    rule->setPalette(colour);
    rule->setAutoFillBackground(true);
}

} // namespace

frmAbout::frmAbout(QWidget *parent) : QDialog(parent)
{
    // A fixed dialog frame: no resizing, no minimise or maximise button.
    Form::setUp(this, tr("About Tandro"),
                Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                        | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint
                        | Qt::MSWindowsFixedSizeDialogHint,
                this, ClientWidth, ClientHeight);
    // Modal to the whole application, as exec() would make it; shown without exec(), which would
    // block.
    setWindowModality(Qt::ApplicationModal);
    setAutoFillBackground(true);
    applyColours();
    // The desktop's colours may change while the program runs (dark mode switched on, a contrast
    // theme chosen): the application hears of it.
    QCoreApplication::instance()->installEventFilter(this);
}

bool frmAbout::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == QCoreApplication::instance()
        && event->type() == QEvent::ApplicationPaletteChange)
        applyColours();
    return QDialog::eventFilter(watched, event);
}

void frmAbout::applyColours()
{
    const bool contrastTheme = Appearance::isContrastTheme();
    setPalette(Appearance::onWhite(QApplication::palette(this), contrastTheme));
    if (!m_form)
        return;
    // The title's red and the black of the description and the warning; in a contrast theme, whose
    // user needs its colours throughout, the theme's.
    const auto colour = [contrastTheme](QLabel *label, const QColor &text) {
        QPalette own;
        if (!contrastTheme)
            own.setColor(QPalette::WindowText, text);
        label->setPalette(own);
    };
    colour(lblTitle, QColor(255, 0, 0));
    colour(lblDescription, Qt::black);
    colour(lblDisclaimer, Qt::black);
}

void frmAbout::setVisible(bool visible)
{
    if (visible && !m_form)
        load();
    QDialog::setVisible(visible);
    // OK has the focus on opening, whatever the window system gave it as the dialog became active:
    // in a web page, the first box in the tab chain.
    if (visible && cmdOK)
        cmdOK->setFocus(Qt::ActiveWindowFocusReason);
    if (!visible && m_form)
        unload();
}

void frmAbout::load()
{
    createControls();

    // The title and version come from the application's identity, not from the stored texts.
    const QString title = QCoreApplication::applicationName();
    const QVersionNumber version =
            QVersionNumber::fromString(QCoreApplication::applicationVersion());
    setWindowTitle(tr("About %1").arg(title));
    lblVersion->setText(
            tr("Version %1.%2").arg(version.majorVersion()).arg(version.minorVersion()));
    lblTitle->setText(title);
    // As a dialog opens, Orca reads its labels but for those of fewer than three words, which it
    // takes for captions of controls. Said with the title, the version is read, and says whose.
    lblVersion->setAccessibleName(tr("%1 %2").arg(title, lblVersion->text()));
}

void frmAbout::unload()
{
    // The OK button may be in the middle of its own click: delete the controls once that is over.
    m_form->hide();
    m_form->deleteLater();
    m_form = nullptr;
    lblTitle = nullptr;
    lblVersion = nullptr;
    lblDescription = nullptr;
    lblDisclaimer = nullptr;
    cmdOK = nullptr;
    Text1 = nullptr;
}

void frmAbout::createControls()
{
    m_form = new QWidget(this);
    m_form->setObjectName(QStringLiteral("form"));
    m_form->setGeometry(rect());

    Text1 = new QPlainTextEdit(m_form);
    Text1->setObjectName(QStringLiteral("Text1"));
    // The text wraps within the box's width, breaking inside a word only if it must, so the box
    // scrolls up and down but never sideways.
    Text1->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    Text1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Text1->setTabChangesFocus(true); // a contact box has no use for a typed Tab

    auto *picIcon = makeLabel(m_form, "picIcon", QString());
    // 32 by 32 on the screen, from the picture made for the screen's pixels.
    picIcon->setPixmap(windowIcon().pixmap(QSize(32, 32), devicePixelRatioF()));

    cmdOK = new QPushButton(tr("OK"), m_form);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true); // Enter presses it; Esc closes the dialog the same way
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);

    auto *Label3 = makeLabel(m_form, "Label3", tr("Contact Information:"));
    // Its box reaches a pixel into the contact box below, which stands above it: from the top, the
    // foot of a script written deep (Arabic's) stays out of it.
    Label3->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label3->setBuddy(Text1); // screen readers name the contact box by its caption
    auto *Label1 =
            makeLabel(m_form, "Label1", tr("A little game of two names, built in C++ with Qt 6."));
    makeLine(m_form, Lines[0]);

    lblDescription = makeLabel(
            m_form, "lblDescription",
            tr("Enjoy this interesting Game - Tandro. Just fill in your name and your partners "
               "name and get the relationship that exists between you."));
    lblDescription->setFont(Fonts::font(QStringLiteral("Modern"), 8.25));
    lblDescription->setWordWrap(true);
    lblDescription->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    lblTitle = makeLabel(m_form, "lblTitle", tr("Tandro"));
    lblTitle->setFont(Fonts::font(QStringLiteral("Comic Sans MS"), 18, QFont::Bold));

    makeLine(m_form, Lines[1]);

    lblVersion = makeLabel(m_form, "lblVersion", tr("Version"));
    lblVersion->setFont(Fonts::font(QStringLiteral("MS Serif"), 12, QFont::Bold));

    lblDisclaimer =
            makeLabel(m_form, "lblDisclaimer", tr("Warning: Clicking on OK closes this Dialog !"));
    // Its box, a line high, is a pixel or two lower than some faces' line for some scripts
    // (Windows' for Arabic): from the top, the text loses none of its foot.
    lblDisclaimer->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    applyColours();

    // The controls in the order they are created, with their places in twips.
    // clang-format off
    const Form::Place places[] = {
        { Text1, 240, 2760, 3855, 615 },
        { picIcon, 240, 360, 480, 480 },
        { cmdOK, 4245, 2520, 1260, 345 },
        { Label3, 240, 2520, 2775, 255 },
        { Label1, 240, 2160, 3855, 255 },
        { lblDescription, 1080, 960, 4005, 690 },
        { lblTitle, 1050, 120, 3885, 480 },
        { lblVersion, 1080, 600, 3885, 345 },
        { lblDisclaimer, 240, 1920, 3150, 225 },
    };
    // clang-format on
    Form::place(this, places);
    // Labels stand beneath the controls that take input, whatever the order they were made in:
    // "Contact Information:" reaches a pixel into the contact box, whose edge shows.
    Text1->raise();
    cmdOK->raise();
    Text1->setPlainText(tr("Questions, ideas and bug reports are welcome:\r\n"
                           "file them in the issue tracker of the project that gave you this game."
                           "\r\n")); // two lines, each ended by CR LF: 119 characters
    // Of the controls that take the focus, OK comes first and has it on opening.
    setTabOrder(cmdOK, Text1);
    m_form->show();
    cmdOK->setFocus();
}
