#pragma once

class QString;

// The web page that holds Tandro when it runs in a browser (packaging/web/), for what Qt for
// WebAssembly does not do itself. Built for the web only.
namespace WebPage {

// Plays the beep, a short tone: Qt for WebAssembly has none.
void beep();
// Tells screen readers sentence, through a live region of the page: Qt 6.4 for WebAssembly gives
// them nothing of the windows. An empty sentence takes the last one back.
void announce(const QString &sentence);
// Says that the program has ended, in place of its window, with a way to start it again.
void ended();

} // namespace WebPage
