#include "process.h"

#include "accessibility.h"
#include "fonts.h"
#include "translation.h"

namespace Process {

void setUp(const QString &translation)
{
    Fonts::installStandIns();
    Accessibility::install();
    Translation::install(translation);
}

} // namespace Process
