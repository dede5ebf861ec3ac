#pragma once

#include <QLineEdit>

class QAccessibleInterface;

// A box for a name: one line of text with no length limit, whose whole text screen readers read.
//
// Qt's own accessible interface for line edits reports an empty run of text attributes at each
// offset. Orca 43 takes the end of the last run as the end of the line and so reads a name
// without its last letter ("Ra" for "Ram"). A name box has an accessible interface of its own
// that reports one run over the whole text; the rest it answers as Qt's own does.
class NameBox : public QLineEdit
{
    Q_OBJECT

public:
    explicit NameBox(QWidget *parent = nullptr);

    // The accessible interface of object when it is a name box, for QAccessible::installFactory;
    // null otherwise.
    static QAccessibleInterface *accessibleInterface(const QString &className, QObject *object);
};
