#include "frmmain.h"

#include <tandro/identity.h>

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(Tandro::Identity::Title));
    QApplication::setApplicationVersion(QString::fromLatin1(Tandro::Identity::Version));
    QApplication::setDesktopFileName(QString::fromLatin1(Tandro::Identity::DesktopFileName));
    frmMain window;
    window.show();
    return QApplication::exec();
}
