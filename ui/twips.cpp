#include "twips.h"

#include <QWidget>

namespace Twips {

void placeControls(std::span<const Place> places, int dpi)
{
    for (const Place &place : places)
        place.control->setGeometry(toPixels(place.left, place.top, place.width, place.height, dpi));
}

} // namespace Twips
