#include "windowtesting.h"

#include <tandro/identity.h>

#include <QPushButton>
#include <QTest>

// Meets a message box that no test expects: the shared set-up must fail it at once. CTest checks
// that it fails, and how, well within its time.
class tst_UnexpectedMessageBox : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        setUpWindowTests();
        Tandro::Identity::apply();
    }

    void goWithNoNames()
    {
        WatchedWindow window;
        QVERIFY(showActive(&window));
        // "Empty Data" opens, and no MessageBoxAnswerer is there to answer it.
        QTest::mouseClick(window.findChild<QPushButton *>("cmdGo"), Qt::LeftButton);
    }
};

QTEST_MAIN(tst_UnexpectedMessageBox)
#include "tst_unexpectedmessagebox.moc"
