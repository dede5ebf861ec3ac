#include "accessibility.h"

#include "announcer.h"
#include "namebox.h"

#include <QAccessibleWidget>
#include <QVariant>
#include <QWidget>

namespace {

// The mark on a widget left out.
constexpr char LeftOut[] = "_tandro_accessibleLeftOut";

// A plain container, whose accessible children are its child widgets as Qt lists them, less those
// left out.
class ContainerAccessible : public QAccessibleWidget
{
public:
    explicit ContainerAccessible(QWidget *container) : QAccessibleWidget(container) { }

    int childCount() const override { return int(children().size()); }
    QAccessibleInterface *child(int index) const override { return children().value(index); }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        return int(children().indexOf(child));
    }

private:
    QList<QAccessibleInterface *> children() const
    {
        QList<QAccessibleInterface *> kept;
        for (int i = 0, count = QAccessibleWidget::childCount(); i < count; ++i) {
            QAccessibleInterface *child = QAccessibleWidget::child(i);
            if (child && !child->object()->property(LeftOut).toBool())
                kept.append(child);
        }
        return kept;
    }
};

QAccessibleInterface *containerInterface(const QString &className, QObject *object)
{
    if (className == QLatin1String(QWidget::staticMetaObject.className()))
        return new ContainerAccessible(static_cast<QWidget *>(object));
    return nullptr;
}

} // namespace

namespace Accessibility {

void installInterfaces()
{
    QAccessible::installFactory(containerInterface);
    QAccessible::installFactory(NameBox::accessibleInterface);
    QAccessible::installFactory(Announcer::accessibleInterface);
}

void leaveOut(QWidget *decoration)
{
    decoration->setProperty(LeftOut, true);
}

} // namespace Accessibility
