#pragma once

#include <QAccessible>

class QWidget;

// What Tandro tells screen readers beyond what Qt's own accessible interfaces say.
namespace Accessibility {

// Gives Qt the accessible interfaces of Tandro's own: of the name boxes, of the announcer, and of
// the plain containers that leave some of their children out. Qt asks for them before its own.
// Once for the process, before any window exists.
void installInterfaces();

// Leaves decoration out of the tree of objects that screen readers walk, for a mark whose meaning
// another control's accessible name already says. Qt 6.4 has no way to do this for a widget
// itself: its parent, a plain QWidget, lists its accessible children without it.
void leaveOut(QWidget *decoration);

} // namespace Accessibility
