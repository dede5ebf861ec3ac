#include <tandro/identity.h>

#include <QGuiApplication>

namespace Tandro::Identity {

void apply()
{
    QGuiApplication::setApplicationName(QString::fromLatin1(Title));
    QGuiApplication::setApplicationVersion(QString::fromLatin1(Version));
    QGuiApplication::setDesktopFileName(QString::fromLatin1(DesktopFileName));
}

} // namespace Tandro::Identity
