#include "fonts.h"

#include "faces.h"
#ifdef Q_OS_WASM
#include "webpage.h"
#endif

#include <QDirIterator>
#include <QFontDatabase>
#include <QStringList>

namespace Fonts {

namespace {

#ifdef Q_OS_WIN
// Qt (so seen with 6.4) files Windows' bitmap faces ("MS Sans Serif", "MS Serif") under the height
// of their lines but asks Windows for them by the height of their letters, and so draws them a size
// too large: "Your Partners Name" would not fit its box. Their outline twins are drawn at the size
// asked for.
constexpr QFont::StyleStrategy Strategy = QFont::ForceOutline;
constexpr char Here[] = "windows";
#else
constexpr QFont::StyleStrategy Strategy = QFont::PreferDefault;
// The free faces that the set-up installs, and that a web page gets with the program.
constexpr char Here[] = "free";
#endif

} // namespace

void installStandIns()
{
#ifdef Q_OS_WASM
    // A web page has no fonts: Linux's stand-ins come with the program, and Qt's default face,
    // cut down to the characters the windows show in English. The page brings, for another
    // language, copies of some that draw its characters too, and faces for its script: those
    // stand in for the program's own.
    QStringList brought;
    for (const auto &[name, face] : WebPage::languageFaces()) {
        QFontDatabase::addApplicationFontFromData(face);
        brought.append(name);
    }
    for (QDirIterator font(QStringLiteral(":/webfonts")); font.hasNext();) {
        const QString file = font.next();
        if (!brought.contains(font.fileName()))
            QFontDatabase::addApplicationFont(file);
    }
#endif
    // Each face's own stand-ins, and then those for the scripts that they lack ("*").
    QStringList faces;
    for (const StandIn &standIn : StandIns) {
        const QString face = QString::fromLatin1(standIn.face);
        if (qstrcmp(standIn.where, Here) != 0 || face == u'*')
            continue;
        QFont::insertSubstitution(face, QString::fromUtf8(standIn.standIn));
        if (!faces.contains(face))
            faces.append(face);
    }
    for (const StandIn &standIn : StandIns) {
        if (qstrcmp(standIn.where, Here) == 0 && qstrcmp(standIn.face, "*") == 0) {
            for (const QString &face : std::as_const(faces))
                QFont::insertSubstitution(face, QString::fromUtf8(standIn.standIn));
        }
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
