#pragma once

#include <QWidget>

class QAccessibleInterface;

// Tells a user of a screen reader, in a short sentence, what has just happened on a window,
// without moving the focus. Nothing of it is seen: it takes no room, draws nothing and lets the
// mouse through. It exists only for screen readers.
//
// Qt 6.8 has an API for this, QAccessibleAnnouncementEvent; Qt 6.4, which Tandro is built against
// on Debian 12, has none. The sentence is the accessible name of this object, whose accessible role
// is Notification, and announcing it shows the object: Orca speaks a notification when it becomes
// showing. On Windows, it also reports its value changed to the sentence, which Qt's UI Automation
// bridge raises as a notification event. The sentence stays there, for readers that walk the
// window, until it is withdrawn. In a web page, where Qt's mirror of the windows for screen readers
// says nothing of what is announced, the page's live region says it.
class Announcer : public QWidget
{
    Q_OBJECT

public:
    explicit Announcer(QWidget *parent = nullptr);

    // Says message now. A message equal to the last one is said again.
    void announce(const QString &message);
    // Takes the last message back, once it no longer holds.
    void withdraw();

    // The accessible interface of object when it is an announcer, for
    // QAccessible::installFactory; null otherwise.
    static QAccessibleInterface *accessibleInterface(const QString &className, QObject *object);
};
