#pragma once

#include <QAccessible>

class QWidget;

// What Tandro tells screen readers beyond what Qt's own accessible interfaces say.
namespace Accessibility {

// Installs factory, which Qt asks for accessible interfaces before its own, once however often it
// is called: a widget with an interface of its own installs its factory as it is made.
void installFactory(QAccessible::InterfaceFactory factory);

// Leaves decoration out of the tree of objects that screen readers walk, for a mark whose meaning
// another control's accessible name already says. Qt 6.4 has no way to do this for a widget
// itself: its parent, a plain QWidget, lists its accessible children without it. Call it before
// the parent is first shown.
void leaveOut(QWidget *decoration);

} // namespace Accessibility
