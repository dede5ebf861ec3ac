#include "announcer.h"

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
    static const bool installed = [] {
        QAccessible::installFactory(announcerInterface);
        return true;
    }();
    Q_UNUSED(installed);
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
