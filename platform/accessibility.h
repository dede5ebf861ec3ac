#pragma once

class QString;
class QWidget;

// What Tandro tells screen readers beyond what Qt's own accessible interfaces say: the whole text
// of a line edit, a sentence announced, and which marks are decoration.
namespace Accessibility {

// Gives Qt the accessible interfaces of Tandro's own, which it asks for before its own: of line
// edits, of the announcements, and of the plain containers that leave some of their children out.
// Once for the process, before any window exists.
void install();

// Leaves decoration out of the tree of objects that screen readers walk, for a mark whose meaning
// another control's accessible name already says. Qt 6.4 has no way to do this for a widget
// itself: its parent, a plain QWidget, lists its accessible children without it.
void leaveOut(QWidget *decoration);

// Tells a screen reader's user sentence, a short one, as what has just happened in place's window,
// without moving the focus; a sentence equal to the last one is said again. The sentence stays in
// place, as an object of its own that nothing draws, for readers that walk the window, until it is
// taken back: an empty sentence takes it back once it no longer holds.
void announce(QWidget *place, const QString &sentence);

} // namespace Accessibility
