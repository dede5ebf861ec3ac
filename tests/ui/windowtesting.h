#pragma once

#include <QList>
#include <QMessageBox>
#include <QObject>
#include <QTimer>

// The offscreen platform cannot hand a fixed window size on to a window manager and warns about it
// for every fixed-size window. Drops exactly that warning; all other output goes on to the test
// log.
void dropOffscreenSizeHintWarnings();

// Answers every message box that opens, pressing its OK button, and writes down what it showed.
// Checks belong after the box has closed, in the test itself.
class MessageBoxAnswerer : public QObject
{
    Q_OBJECT

public:
    struct Seen
    {
        QString title;
        QString prompt;
        QMessageBox::Icon icon;
        QMessageBox::StandardButtons buttons;
    };

    explicit MessageBoxAnswerer(QObject *parent = nullptr);

    QList<Seen> seen;
    // "title: prompt" of each box, in order.
    QStringList texts() const;

private:
    void answer();

    QTimer m_poll;
};
