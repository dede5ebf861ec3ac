#include "fonts.h"

#include <QStringList>

namespace Fonts {

namespace {

const QString WindowFace = QStringLiteral("MS Sans Serif");

} // namespace

void substituteMissingFaces()
{
    // Carlito is as narrow as the classic face at 8.25 pt, so "Your Partners Name" and "Clear
    // Partner" fit their boxes with room to spare; the usual replacements (DejaVu Sans, and
    // Liberation Sans, shaped like Arial) are too wide for them. The two narrow faces behind it
    // also fit, for machines set up otherwise.
    QFont::insertSubstitutions(WindowFace,
                               { QStringLiteral("Carlito"),
                                 QStringLiteral("Liberation Sans Narrow"),
                                 QStringLiteral("DejaVu Sans Condensed") });
}

QFont windowFont()
{
    QFont font(WindowFace);
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(8.25);
    return font;
}

} // namespace Fonts
