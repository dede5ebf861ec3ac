// The floor for the web page's start-up: an empty window of the main window's size, in the middle
// of the page, built with the same Qt for WebAssembly and started by the same loader. Nothing can
// open a window in the page faster than this.

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
