#pragma once

class QString;

// What the program says to whoever started it from a command line. The one place where the
// platforms differ in how that is said.
namespace Terminal {

enum class Kind {
    Information, // asked for: help, the version
    Error, // a refusal
};

// Says text, a line or more, with a line end added: information on standard output, errors on
// standard error. A Windows program has no console of its own: started without one and without
// its output redirected to a file or pipe (from Explorer or a shortcut, say), it shows the text in
// a message box instead, as Qt's own command-line parser does.
void say(Kind kind, const QString &text);

} // namespace Terminal
