#pragma once

class QWidget;

namespace Accessibility {

// Leaves decoration out of the tree of objects that screen readers walk, for a mark whose meaning
// another control's accessible name already says. Qt 6.4 has no way to do this for a widget
// itself: its parent, a plain QWidget, lists its accessible children without it. Call it before
// the parent is first shown.
void leaveOut(QWidget *decoration);

} // namespace Accessibility
