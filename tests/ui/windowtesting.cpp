#include "windowtesting.h"

#include <QAbstractButton>
#include <QApplication>

namespace {

QtMessageHandler testLogHandler = nullptr;

void dropSizeHintWarning(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtWarningMsg
        && message == QLatin1String("This plugin does not support propagateSizeHints()"))
        return;
    testLogHandler(type, context, message);
}

} // namespace

void dropOffscreenSizeHintWarnings()
{
    if (!testLogHandler)
        testLogHandler = qInstallMessageHandler(dropSizeHintWarning);
}

MessageBoxAnswerer::MessageBoxAnswerer(QObject *parent) : QObject(parent)
{
    m_poll.setInterval(5);
    connect(&m_poll, &QTimer::timeout, this, &MessageBoxAnswerer::answer);
    m_poll.start();
}

QStringList MessageBoxAnswerer::texts() const
{
    QStringList texts;
    for (const Seen &box : seen)
        texts.append(box.title + QStringLiteral(": ") + box.prompt);
    return texts;
}

void MessageBoxAnswerer::answer()
{
    auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
    if (!box || !box->isVisible())
        return;
    seen.append({ box->windowTitle(), box->text(), box->icon(), box->standardButtons() });
    if (QAbstractButton *ok = box->button(QMessageBox::Ok))
        ok->click();
    else
        box->close(); // the test will find the wrong buttons in seen
}
