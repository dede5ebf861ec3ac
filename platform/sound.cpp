#include "sound.h"

#include <QtGlobal>

#ifdef Q_OS_WASM
#include "webpage.h"
#else
#include <QApplication>
#endif

namespace Sound {

void beep()
{
#ifdef Q_OS_WASM
    WebPage::beep();
#else
    QApplication::beep();
#endif
}

} // namespace Sound
