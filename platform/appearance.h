#pragma once

#include <QPalette>

// How the windows take the desktop's colours, in light and dark and in a contrast theme. The
// main window takes them as they come, but for its red crosses; the About dialog is white, and
// takes the rest so that its text reads on white. Where platforms differ in this, it is here.
namespace Appearance {

// WCAG's contrast ratio of two colours, from 1 (the same) to 21 (black and white). Text of the
// usual sizes reads at 4.5 and more.
double contrast(const QColor &one, const QColor &other);

// Whether the desktop's colours are a contrast theme's, chosen by a user who needs them: windows
// then take those colours whole, white included. Qt tells so only on Windows (its colour scheme is
// then neither light nor dark); elsewhere this is false.
bool isContrastTheme();

// The palette of a window that is white (the About dialog), from the palette that the desktop
// gives its windows: in a contrast theme, that palette whole; otherwise the window is white, and
// its text and controls take the desktop's colours where they read on white (a light scheme),
// or else a light scheme's own (under a dark scheme, whose text is light).
QPalette onWhite(const QPalette &desktop, bool contrastTheme);

} // namespace Appearance
