#pragma once

class QPushButton;

// A default button for a window that is not a dialog: Qt gives a main window none.
namespace DefaultButton {

// Makes button its window's default button, drawn as such whenever no other button has the focus,
// as in a dialog: Enter presses a button that has the focus, so that one is drawn as the default
// meanwhile. (In a main window, the default button would otherwise lose the emphasis for good the
// first time the focus left it.) The window's line edits press it with Enter themselves.
void set(QPushButton *button);

} // namespace DefaultButton
