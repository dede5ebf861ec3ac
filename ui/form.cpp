#include "form.h"

#include "fonts.h"

#include <QDirIterator>
#include <QIcon>
#include <QLabel>

#include <algorithm>

namespace Form {

QRect placed(const QWidget *client, const QRect &box)
{
    if (client->layoutDirection() != Qt::RightToLeft)
        return box;
    return box.translated(client->width() - box.right() - 1 - box.left(), 0);
}

QRect toPixels(const QWidget *client, int left, int top, int width, int height)
{
    const int dpi = client->logicalDpiX();
    return placed(client,
                  QRect(toPixels(left, dpi), toPixels(top, dpi), toPixels(width, dpi),
                        toPixels(height, dpi)));
}

void place(const QWidget *client, std::span<const Place> places)
{
    for (const Place &place : places)
        place.control->setGeometry(
                toPixels(client, place.left, place.top, place.width, place.height));
}

void setUp(QWidget *window, const QString &title, Qt::WindowFlags flags, QWidget *client, int width,
           int height)
{
    window->setFont(Fonts::windowFont());
    window->setWindowTitle(title);
    window->setWindowIcon(heartIcon());
    window->setWindowFlags(flags);
    const int dpi = client->logicalDpiX();
    client->setFixedSize(toPixels(width, dpi), toPixels(height, dpi));
}

QIcon heartIcon()
{
    // Each picture the program carries, heart-<side>.png (ui/CMakeLists.txt says which), smallest
    // first.
    QList<int> sides;
    for (QDirIterator picture(QStringLiteral(":/icons"), { QStringLiteral("heart-*.png") });
         picture.hasNext();)
        sides.append(picture.next().section(u'-', -1).section(u'.', 0, 0).toInt());
    std::sort(sides.begin(), sides.end());
    QIcon heart;
    for (const int side : std::as_const(sides))
        heart.addFile(QStringLiteral(":/icons/heart-%1.png").arg(side), QSize(side, side));
    return heart;
}

QLabel *makeLabel(QWidget *parent, const char *name, const QString &text)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setAutoFillBackground(true);
    return label;
}

} // namespace Form
