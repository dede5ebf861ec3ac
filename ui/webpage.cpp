#include "webpage.h"

#include <QApplication>
#include <QMessageBox>
#include <QScreen>
#include <QString>
#include <QTimer>
#include <QWidget>

#include <emscripten/val.h>

#include <algorithm>

namespace {

// The page's own functions are TandroPage's, in packaging/web/page.js.
emscripten::val page()
{
    return emscripten::val::global("TandroPage");
}

// The windows that the user sees: the main window and the dialogs, not menus or tool tips.
QList<QWidget *> shownWindows()
{
    QList<QWidget *> shown;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        const Qt::WindowType type = widget->windowType();
        if (widget->isVisible() && (type == Qt::Window || type == Qt::Dialog))
            shown.append(widget);
    }
    return shown;
}

void centre(QWidget *window)
{
    const QRect area = window->screen()->availableGeometry();
    const QSize frame = window->frameGeometry().size();
    window->move(area.left() + (area.width() - frame.width()) / 2,
                 area.top() + (area.height() - frame.height()) / 2);
}

// Keeps the windows shown in the middle of the page, and the page zoomed to the largest of them.
class WindowArranger : public QObject
{
public:
    explicit WindowArranger(QApplication &application) : QObject(&application)
    {
        application.installEventFilter(this);
        connect(QGuiApplication::primaryScreen(), &QScreen::availableGeometryChanged, this, [] {
            for (QWidget *window : shownWindows())
                centre(window);
        });
        connect(&application, &QGuiApplication::lastWindowClosed, this,
                [] { page().call<void>("ended"); });
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        const bool shown = event->type() == QEvent::Show;
        if ((!shown && event->type() != QEvent::Hide) || !watched->isWidgetType()
            || !static_cast<QWidget *>(watched)->isWindow())
            return false;
        // Screen readers find a box's text in the page's mirror of the windows, but are not told
        // when a box opens: the page says it.
        if (const auto *box = qobject_cast<QMessageBox *>(watched); box && shown)
            WebPage::announce(box->windowTitle() + u' ' + box->text());
        // Once the window system has framed the window, or taken it away.
        QTimer::singleShot(0, this, &WindowArranger::arrange);
        return false;
    }

private:
    static void arrange()
    {
        QSize largest;
        for (QWidget *window : shownWindows()) {
            centre(window);
            largest = largest.expandedTo(window->frameGeometry().size());
        }
        if (!largest.isEmpty())
            page().call<void>("fit", largest.width(), largest.height());
    }
};

} // namespace

namespace WebPage {

void host(QApplication &application)
{
    new WindowArranger(application);
}

void beep()
{
    page().call<void>("beep");
}

void announce(const QString &sentence)
{
    page().call<void>("announce", sentence.toStdString());
}

} // namespace WebPage
