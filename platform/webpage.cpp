#include "webpage.h"

#include <QApplication>
#include <QHash>
#include <QMessageBox>
#include <QScreen>
#include <QString>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <emscripten/val.h>

namespace {

// Qt's own button for screen readers (the Qt for the web gives it a translation; its patch
// screen-readers-read-texts-boxes-and-dialogs.patch), whose text Tandro's translations carry.
[[maybe_unused]] constexpr char EnableScreenReader[] =
        QT_TRANSLATE_NOOP("QWasmAccessibility", "Enable Screen Reader");

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
    const QSize frame = window->frameSize();
    window->move(area.left() + (area.width() - frame.width()) / 2,
                 area.top() + (area.height() - frame.height()) / 2);
}

// Puts each window in the middle of the page once it is first drawn, and again when the page frames
// it anew (its title bar comes a moment later), keeps the windows there as the page changes size,
// and has the page zoom to the largest of them. A window that the user moves stays where it is put.
class WindowArranger : public QObject
{
public:
    explicit WindowArranger(QApplication &application) : QObject(&application)
    {
        application.installEventFilter(this);
        connect(QGuiApplication::primaryScreen(), &QScreen::availableGeometryChanged, this, [this] {
            for (QWidget *window : shownWindows())
                place(window);
        });
        connect(&application, &QGuiApplication::lastWindowClosed, this,
                [] { page().call<void>("ended"); });
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Expose) {
            // Drawn for the first time since it was shown.
            for (QWidget *window : shownWindows()) {
                if (window->windowHandle() == watched && !m_framed.contains(window))
                    place(window);
            }
            return false;
        }
        auto *window = qobject_cast<QWidget *>(watched);
        if (!window || !window->isWindow())
            return false;
        switch (event->type()) {
        case QEvent::Show:
            // Screen readers find a box's text in the page's mirror of the windows, but are not
            // told when a box opens: the page says it.
            if (const auto *box = qobject_cast<QMessageBox *>(window))
                WebPage::announce(box->windowTitle() + u' ' + box->text());
            break;
        case QEvent::Move:
            if (m_framed.contains(window) && m_framed.value(window) != window->frameSize())
                place(window);
            break;
        case QEvent::Hide:
            m_framed.remove(window);
            QTimer::singleShot(0, this, &WindowArranger::fitPage); // once it has gone
            break;
        default:
            break;
        }
        return false;
    }

private:
    void place(QWidget *window)
    {
        m_framed.insert(window, window->frameSize());
        centre(window);
        fitPage();
    }

    static void fitPage()
    {
        QSize largest;
        for (QWidget *window : shownWindows())
            largest = largest.expandedTo(window->frameSize());
        if (!largest.isEmpty())
            page().call<void>("fit", largest.width(), largest.height());
    }

    QHash<QWidget *, QSize> m_framed; // the windows shown and placed, with their frames' size then
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

QList<std::pair<QString, QByteArray>> languageFaces()
{
    // [{name, bytes}], bytes a Uint8Array, copied into the program's memory.
    const emscripten::val faces = page()["faces"];
    QList<std::pair<QString, QByteArray>> copies;
    const int count = faces.isUndefined() ? 0 : faces["length"].as<int>();
    for (int i = 0; i < count; ++i) {
        const emscripten::val face = faces[i];
        const emscripten::val bytes = face["bytes"];
        QByteArray copy(bytes["length"].as<qsizetype>(), Qt::Uninitialized);
        emscripten::val(emscripten::typed_memory_view(
                                copy.size(), reinterpret_cast<unsigned char *>(copy.data())))
                .call<void>("set", bytes);
        copies.append({ QString::fromStdString(face["name"].as<std::string>()), copy });
    }
    return copies;
}

} // namespace WebPage
