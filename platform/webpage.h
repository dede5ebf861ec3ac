#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <utility>

class QApplication;

// The web page that holds Tandro when it runs in a browser (packaging/web/), for what Qt for
// WebAssembly does not do itself. Built for the web only.
namespace WebPage {

// Hands the page the application's windows: each stands in the middle of the page when it shows,
// and stays there as the page changes size; the page zooms so that the largest window shown fills
// as much of a phone's or tablet's screen as fits, and tells the user when the last window has
// closed that the program has ended, with a way to start it again.
void host(QApplication &application);
// Plays the beep, a short tone: Qt for WebAssembly has none.
void beep();
// Tells screen readers sentence, through a live region of the page: Qt for WebAssembly mirrors the
// windows for them, but says nothing of what a window merely announces. An empty sentence takes
// the last one back.
void announce(const QString &sentence);
// The faces that the page brought for the language it speaks, each by the name of the program's
// own copy that it stands in for ("Carlito-Regular.ttf"), and its file: they draw that language's
// characters too. None for English.
QList<std::pair<QString, QByteArray>> languageFaces();

} // namespace WebPage
