#include "frmmain.h"
#include "process.h"
#include "startup.h"
#include "translation.h"

#include <tandro/identity.h>

#include <QApplication>

int main(int argc, char *argv[])
{
    Tandro::Identity::apply();
    if (const std::optional<int> status = StartUp::answerCommandLine(argc, argv))
        return *status;
    const std::unique_ptr<QApplication> application = StartUp::makeApplication(argc, argv);
    Process::setUp(Translation::forPlayer());
    frmMain window;
    StartUp::showMainWindow(window);
    return QApplication::exec();
}
