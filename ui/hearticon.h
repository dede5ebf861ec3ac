#pragma once

#include <QIcon>

// The heart: the icon of both windows and the About dialog's picture. It holds the picture at
// every size it is drawn at, 16 to 256 pixels, so that each screen gets the one made for its
// pixels: a 2x screen shows the 32-pixel heart from the 64-pixel picture.
QIcon heartIcon();
