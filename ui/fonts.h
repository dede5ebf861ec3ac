#pragma once

#include <QFont>

// The windows ask for the classic Windows faces. Where a face is missing, the application maps it
// to the closest free face that the set-up installs, chosen so that every caption still fits its
// fixed box; the system's own font configuration is left alone.
namespace Fonts {

// Installs the application's face substitutions; calling it again changes nothing.
void substituteMissingFaces();

// "MS Sans Serif" 8.25 pt, the font of the main window and of everything on it.
QFont windowFont();

} // namespace Fonts
