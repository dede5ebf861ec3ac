#include "twips.h"

#include <QWidget>

namespace Twips {

void placeControls(QWidget *client, std::span<const Place> places)
{
    const int dpi = client->logicalDpiX();
    for (const Place &place : places) {
        auto *control =
                client->findChild<QWidget *>(QLatin1String(place.name), Qt::FindDirectChildrenOnly);
        Q_ASSERT_X(control, "Twips::placeControls", place.name);
        control->setGeometry(toPixels(place.left, place.top, place.width, place.height, dpi));
    }
}

} // namespace Twips
