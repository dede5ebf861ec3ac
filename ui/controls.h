#pragma once

class QLabel;
class QString;
class QWidget;

// How both windows make their labels.
namespace Controls {

// A label of parent showing text, known by name: left-aligned, and opaque in its window's own
// background colour, so that labels that overlap (the board's rows do) show no box. Labels stand
// beneath a window's controls that take input.
QLabel *makeLabel(QWidget *parent, const char *name, const QString &text);

} // namespace Controls
