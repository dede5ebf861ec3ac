// The floor of the figures: an empty window of the main window's size, in the middle of its screen,
// built with the same Qt and linked the same way as Tandro; on the web, started by the same loader.
// No program of Qt's widgets is smaller, nor opens a window sooner.

#include <QApplication>
#include <QScreen>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QWidget window;
    window.resize(286, 282);
    window.showNormal();
    const QRect page = window.screen()->availableGeometry();
    const QSize frame = window.frameGeometry().size();
    window.move(page.left() + (page.width() - frame.width()) / 2,
                page.top() + (page.height() - frame.height()) / 2);
    return QApplication::exec();
}
