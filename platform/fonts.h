#pragma once

#include <QFont>

// The windows ask for the classic Windows faces, and are drawn in them where the system has them.
// Where a face is missing, the application maps it to the closest face: on Linux, a free face that
// the set-up installs, chosen so that every text still fits its fixed box; in a web page, the same
// faces, which come with the program; on Windows, one of the system's own. The system's own font
// configuration is left alone. Which faces stand in for which is said in faces.txt.
namespace Fonts {

// Installs the application's face substitutions (and, in a web page, the faces themselves). Once
// for the process, before any window sets a font.
void installStandIns();

// face at points, in weight.
QFont font(const QString &face, qreal points, QFont::Weight weight = QFont::Normal);

// "MS Sans Serif" 8.25 pt: the font of both windows and of everything on them that has no font
// of its own.
QFont windowFont();

} // namespace Fonts
