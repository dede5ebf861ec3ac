#include "announcer.h"

#include "accessibility.h"

#include <QAccessibleWidget>

namespace {

QAccessibleInterface *announcerInterface(const QString &className, QObject *object)
{
    if (className == QLatin1String(Announcer::staticMetaObject.className()))
        return new QAccessibleWidget(static_cast<Announcer *>(object), QAccessible::Notification);
    return nullptr;
}

} // namespace

Announcer::Announcer(QWidget *parent) : QWidget(parent)
{
    Accessibility::installFactory(announcerInterface);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(0, 0, 0, 0);
    hide();
}

void Announcer::announce(const QString &message)
{
    hide();
    setAccessibleName(message);
    show();
}

void Announcer::withdraw()
{
    hide();
    setAccessibleName(QString());
}
