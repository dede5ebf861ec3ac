#include "appearance.h"

#include <QGuiApplication>
#include <QStyleHints>

#include <algorithm>
#include <cmath>

namespace Appearance {

namespace {

double luminance(const QColor &colour)
{
    const auto linear = [](float channel) {
        return channel <= 0.04045f ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    const QColor rgb = colour.toRgb();
    return 0.2126 * linear(rgb.redF()) + 0.7152 * linear(rgb.greenF())
            + 0.0722 * linear(rgb.blueF());
}

} // namespace

double contrast(const QColor &one, const QColor &other)
{
    const double first = luminance(one);
    const double second = luminance(other);
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

bool isContrastTheme()
{
    // Windows' platform says that a contrast theme is on by a colour scheme that is neither light
    // nor dark, as Qt's own Windows 11 style takes it; other platforms say Unknown when they do
    // not know.
#if QT_VERSION >= QT_VERSION_CHECK(6, 5, 0)
    return QGuiApplication::platformName() == QLatin1String("windows")
            && QGuiApplication::styleHints()->colorScheme() == Qt::ColorScheme::Unknown;
#else
    return false; // Qt before 6.5 (Debian 12's) tells nothing of the desktop's scheme
#endif
}

QPalette onWhite(const QPalette &desktop, bool contrastTheme)
{
    if (contrastTheme)
        return desktop;
    constexpr double Readable = 4.5;
    // Under a dark scheme, a light one: Qt works it out from the light grey of its own light
    // scheme's buttons (black text, white boxes).
    QPalette colours =
            contrast(desktop.color(QPalette::Active, QPalette::WindowText), Qt::white) >= Readable
            ? desktop
            : QPalette(QColor(239, 239, 239));
    colours.setColor(QPalette::Window, Qt::white);
    return colours;
}

} // namespace Appearance
