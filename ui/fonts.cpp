#include "fonts.h"

#include <QStringList>

namespace Fonts {

void substituteMissingFaces()
{
    static const bool installed = [] {
        // Carlito is as narrow as the classic face at 8.25 pt, so "Your Partners Name" and "Clear
        // Partner" fit their boxes with room to spare; the usual replacements (DejaVu Sans, and
        // Liberation Sans, shaped like Arial) are too wide for them. The two narrow faces behind it
        // also fit, for machines set up otherwise.
        QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                                   { QStringLiteral("Carlito"),
                                     QStringLiteral("Liberation Sans Narrow"),
                                     QStringLiteral("DejaVu Sans Condensed") });
        // Comic Neue is drawn in the same casual hand.
        QFont::insertSubstitution(QStringLiteral("Comic Sans MS"), QStringLiteral("Comic Neue"));
        // Times-like serif faces.
        QFont::insertSubstitutions(
                QStringLiteral("MS Serif"),
                { QStringLiteral("Liberation Serif"), QStringLiteral("DejaVu Serif") });
        // "Modern" draws plain strokes of one width; a plain sans face is its nearest, and its
        // three lines of the About text fit their box.
        QFont::insertSubstitutions(
                QStringLiteral("Modern"),
                { QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans") });
        return true;
    }();
    Q_UNUSED(installed);
}

QFont font(const QString &face, qreal points, QFont::Weight weight)
{
    QFont font(face);
    font.setPointSizeF(points);
    font.setWeight(weight);
    return font;
}

QFont windowFont()
{
    QFont window = font(QStringLiteral("MS Sans Serif"), 8.25);
    window.setStyleHint(QFont::SansSerif);
    return window;
}

} // namespace Fonts
