// Renders the main window before and after a game of 'Ram' and 'Sita', and the About dialog, to
// PNG files.
//
//     tandro-screenshots FOLDER
//
// writes main-window-before-game.png, main-window-after-game.png and about-dialog.png into FOLDER.
// Run it with QT_QPA_PLATFORM=offscreen to render without a display (screenshots.sh does).

#include "frmmain.h"
#include "process.h"
#include "translation.h"

#include <tandro/identity.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>

#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    Tandro::Identity::apply();
    Process::setUp(Translation::forPlayer()); // LANGUAGE=de pictures the windows in German
    const QDir folder(QString::fromLocal8Bit(argv[1]));

    frmMain window;
    window.setStrikePause(std::chrono::milliseconds(1));
    window.show();
    bool saved = window.grab().save(folder.filePath(QStringLiteral("main-window-before-game.png")));

    window.findChild<QLineEdit *>(QStringLiteral("txtYourName"))->setText(QStringLiteral("Ram"));
    window.findChild<QLineEdit *>(QStringLiteral("txtYourPartner"))
            ->setText(QStringLiteral("Sita"));
    window.findChild<QPushButton *>(QStringLiteral("cmdGo"))->click();
    while (window.isBusy()) // the game plays on its own, a strike at a time
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    saved = window.grab().save(folder.filePath(QStringLiteral("main-window-after-game.png")))
            && saved;

    window.findChild<QAction *>(QStringLiteral("mnuAbout"))->trigger();
    QWidget *about = QApplication::activeModalWidget();
    saved = about && about->grab().save(folder.filePath(QStringLiteral("about-dialog.png")))
            && saved;
    if (about)
        about->close();
    if (!saved)
        std::fprintf(stderr, "%s: could not write the pictures into %s\n", argv[0], argv[1]);
    return saved ? 0 : 1;
}
