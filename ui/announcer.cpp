#include "announcer.h"

#ifdef Q_OS_WASM
#include "webpage.h"
#endif

#include <QAccessibleWidget>

QAccessibleInterface *Announcer::accessibleInterface(const QString &className, QObject *object)
{
    if (className == QLatin1String(staticMetaObject.className()))
        return new QAccessibleWidget(static_cast<Announcer *>(object), QAccessible::Notification);
    return nullptr;
}

Announcer::Announcer(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(0, 0, 0, 0);
    hide();
}

void Announcer::announce(const QString &message)
{
    hide();
    setAccessibleName(message);
    show();
#ifdef Q_OS_WIN
    // Qt's UI Automation bridge (so seen with Qt 6.4) passes neither a notification that shows nor
    // a new name on to Windows' screen readers; it raises a UI Automation notification event,
    // which they speak, for a value changed to a text.
    QAccessibleValueChangeEvent event(this, message);
    QAccessible::updateAccessibility(&event);
#elif defined(Q_OS_WASM)
    // Qt for WebAssembly tells screen readers nothing of what a window announces: the page does.
    WebPage::announce(message);
#endif
}

void Announcer::withdraw()
{
    hide();
    setAccessibleName(QString());
#ifdef Q_OS_WASM
    WebPage::announce(QString());
#endif
}
