#include "hearticon.h"

QIcon heartIcon()
{
    QIcon heart;
    for (const int side : { 16, 32, 48, 64, 128, 256 })
        heart.addFile(QStringLiteral(":/icons/heart-%1.png").arg(side), QSize(side, side));
    return heart;
}
