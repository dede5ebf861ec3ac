#include "defaultbutton.h"

#include <QApplication>
#include <QPushButton>

namespace DefaultButton {

void set(QPushButton *button)
{
    button->setDefault(true);
    // Watched from the button itself, so that the watch ends with it: the focus moves as the
    // window's controls are destroyed.
    QObject::connect(qApp, &QApplication::focusChanged, button, [button](QWidget *, QWidget *now) {
        if (now && now->window() == button->window())
            button->setDefault(now == button || !qobject_cast<QPushButton *>(now));
    });
}

} // namespace DefaultButton
