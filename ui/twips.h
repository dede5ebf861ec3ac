#pragma once

#include <QRect>

#include <span>

class QWidget;

// The windows are laid out in twips, 1440 to the inch, as measured on the screen's logical DPI:
// 15 twips to a pixel at 96 DPI. Fonts are given in points on the same DPI, so geometry and text
// scale together.
namespace Twips {

inline constexpr int PerInch = 1440;

// The nearest whole number of pixels to length twips at dpi logical dots per inch.
constexpr int toPixels(int twips, int dpi)
{
    return (twips * dpi + PerInch / 2) / PerInch;
}

// The pixel rectangle of a box given in twips.
constexpr QRect toPixels(int left, int top, int width, int height, int dpi)
{
    return QRect(toPixels(left, dpi), toPixels(top, dpi), toPixels(width, dpi),
                 toPixels(height, dpi));
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

// Puts each control of places in its place, at dpi logical dots per inch.
void placeControls(std::span<const Place> places, int dpi);

} // namespace Twips
