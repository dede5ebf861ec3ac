#include "webpage.h"

#include <QString>

#include <emscripten/val.h>

namespace {

// The page's own functions are TandroPage's, in packaging/web/page.js.
emscripten::val page()
{
    return emscripten::val::global("TandroPage");
}

} // namespace

namespace WebPage {

void beep()
{
    page().call<void>("beep");
}

void announce(const QString &sentence)
{
    page().call<void>("announce", sentence.toStdString());
}

void ended()
{
    page().call<void>("ended");
}

} // namespace WebPage
