#include "controls.h"

#include <QLabel>

namespace Controls {

QLabel *makeLabel(QWidget *parent, const char *name, const QString &text)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setAutoFillBackground(true);
    return label;
}

} // namespace Controls
