#include "fonts.h"

#include <QDirIterator>
#include <QFontDatabase>
#include <QStringList>

namespace Fonts {

namespace {

// A face that the windows ask for, and up to three faces that stand in for it, best first, where
// the system lacks it.
struct StandIns
{
    const char *face;
    const char *standIns[3];
};

#ifdef Q_OS_WIN
// Qt (so seen with 6.4) files Windows' bitmap faces ("MS Sans Serif", "MS Serif") under the height
// of their lines but asks Windows for them by the height of their letters, and so draws them a size
// too large: "Your Partners Name" would not fit its box. Their outline twins are drawn at the size
// asked for.
constexpr QFont::StyleStrategy Strategy = QFont::ForceOutline;
// Windows has every face the windows ask for; "MS Sans Serif" has its outline twin in "Microsoft
// Sans Serif", and "MS Serif" its nearest in "Times New Roman". Should another face be missing, its
// nearest kin among Windows' own fonts takes its place, with Tahoma, which every Windows has, last.
const StandIns Substitutions[] = {
    { "MS Sans Serif", { "Microsoft Sans Serif", "Tahoma" } },
    { "MS Serif", { "Times New Roman" } },
    { "Modern", { "Arial", "Tahoma" } },
};
#else
constexpr QFont::StyleStrategy Strategy = QFont::PreferDefault;
// The free faces that the set-up installs, and that a web page gets with the program.
const StandIns Substitutions[] = {
    // Carlito is as narrow as the classic face at 8.25 pt, so "Your Partners Name" and "Clear
    // Partner" fit their boxes with room to spare; the usual replacements (DejaVu Sans, and
    // Liberation Sans, shaped like Arial) are too wide for them. The two narrow faces behind it
    // also fit, for machines set up otherwise.
    { "MS Sans Serif", { "Carlito", "Liberation Sans Narrow", "DejaVu Sans Condensed" } },
    // Comic Neue is drawn in the same casual hand.
    { "Comic Sans MS", { "Comic Neue" } },
    // Times-like serif faces.
    { "MS Serif", { "Liberation Serif", "DejaVu Serif" } },
    // "Modern" draws plain strokes of one width; a plain sans face is its nearest, and its three
    // lines of the About text fit their box.
    { "Modern", { "Liberation Sans", "DejaVu Sans" } },
};
#endif

} // namespace

void installStandIns()
{
#ifdef Q_OS_WASM
    // A web page has no fonts: Linux's stand-ins come with the program, and Qt's default face,
    // cut down to the characters the windows show.
    for (QDirIterator font(QStringLiteral(":/webfonts")); font.hasNext();)
        QFontDatabase::addApplicationFont(font.next());
#endif
    for (const StandIns &face : Substitutions) {
        QStringList standIns;
        for (const char *standIn : face.standIns) {
            if (standIn)
                standIns.append(QString::fromLatin1(standIn));
        }
        QFont::insertSubstitutions(QString::fromLatin1(face.face), standIns);
    }
}

QFont font(const QString &face, qreal points, QFont::Weight weight)
{
    QFont font(face);
    font.setPointSizeF(points);
    font.setWeight(weight);
    font.setStyleStrategy(Strategy);
    return font;
}

QFont windowFont()
{
    QFont window = font(QStringLiteral("MS Sans Serif"), 8.25);
    window.setStyleHint(QFont::SansSerif, Strategy);
    return window;
}

} // namespace Fonts
