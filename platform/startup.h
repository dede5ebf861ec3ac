#pragma once

#include <memory>
#include <optional>

class QApplication;
class QWidget;

// What start-up does before the window opens.
namespace StartUp {

// Answers --help and --version, and refuses options and arguments that neither Tandro nor Qt
// takes, before any window system is reached, so that all of it works without a display. Qt's own
// options (-platform, -style, -reverse, ...) are let through for Qt. Returns the exit status when
// the program ends here: 0 after help or the version, 2 for a usage error, said on one line.
// A web page starts the program with no command line: there, nothing is answered.
std::optional<int> answerCommandLine(int argc, char *argv[]);

// Makes the application, which connects to the desktop's window system and takes Qt's options out
// of argc and argv. Where the window system cannot be started, says so and ends the program with
// status 1, instead of the abort (and core dump) that Qt ends it with: in one sentence where there
// is no display to reach, and otherwise with Qt's own messages, which say what went wrong (a
// platform plugin that is missing or cannot be loaded). When the application is made, Qt's
// messages on the way there are passed on.
// In a web page, the page is handed the windows (WebPage::host).
std::unique_ptr<QApplication> makeApplication(int &argc, char *argv[]);

// Shows window at its own size, where the window system puts it (in a web page, in its middle).
void showMainWindow(QWidget &window);

} // namespace StartUp
