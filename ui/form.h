#pragma once

#include <QRect>

#include <span>

class QIcon;
class QLabel;
class QString;
class QWidget;

// How both windows are made: framed alike, with the heart, and laid out in twips, 1440 to the inch,
// as measured on the screen's logical DPI: 15 twips to a pixel at 96 DPI. Fonts are given in points
// on the same DPI, so geometry and text scale together.
namespace Form {

inline constexpr int TwipsPerInch = 1440;

// The nearest whole number of pixels to length twips at dpi logical dots per inch.
constexpr int toPixels(int twips, int dpi)
{
    return (twips * dpi + TwipsPerInch / 2) / TwipsPerInch;
}

// Where a control stands, in twips from the top-left corner of its window's client area.
struct Place
{
    QWidget *control;
    int left;
    int top;
    int width;
    int height;
};

// box, in pixels from client's left edge, as it stands in client: mirrored where client lays out
// right to left (in Arabic), its left edge then as far from client's right edge as it would be
// from its left.
QRect placed(const QWidget *client, const QRect &box);

// The pixel rectangle of the box left, top, width and height twips in client, at its logical DPI,
// as it stands there (placed()).
QRect toPixels(const QWidget *client, int left, int top, int width, int height);

// Puts each control of places in its place in client, as toPixels() says.
void place(const QWidget *client, std::span<const Place> places);

// Sets window up as both windows are: the windows' font, title as its title, the heart as its icon,
// the frame of flags (a fixed one), and a client area, client, of width by height twips, its size
// for good, and laid out in the application's direction.
void setUp(QWidget *window, const QString &title, Qt::WindowFlags flags, QWidget *client, int width,
           int height);

// The heart: the icon of both windows and the About dialog's picture. It holds the picture at
// every size it is drawn at, so that each screen gets the one made for its pixels: a 2x screen
// shows the 32-pixel heart from the 64-pixel picture.
QIcon heartIcon();

// A label of parent showing text, known by name: left-aligned, and opaque in its window's own
// background colour, so that labels that overlap (the board's rows do) show no box. Labels stand
// beneath a window's controls that take input.
QLabel *makeLabel(QWidget *parent, const char *name, const QString &text);

} // namespace Form
