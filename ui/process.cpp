#include "process.h"

#include "accessibility.h"
#include "fonts.h"

namespace Process {

void setUp()
{
    Fonts::installStandIns();
    Accessibility::installInterfaces();
}

} // namespace Process
