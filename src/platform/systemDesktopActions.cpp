#include "systemDesktopActions.h"

#include <QClipboard>
#include <QDebug>
#include <QDesktopServices>
#include <QFileInfo>
#include <QGuiApplication>
#include <QProcess>
#include <QUrl>

desktopActions *desktopActions::system()
{
    static systemDesktopActions actions;
    return &actions;
}

void systemDesktopActions::setClipboardText(const QString &text)
{
    if (QClipboard *clipboard = QGuiApplication::clipboard())
        clipboard->setText(text);
}

bool systemDesktopActions::launchProgram(const QString &target)
{
    const QString path = target.trimmed();
    if (path.isEmpty())
        return false;
    const QFileInfo info(path);
    bool started = false;
    if (info.isFile() && info.isExecutable()) {
        // The program alone, without arguments or a shell to interpret it.
        started = QProcess::startDetached(info.absoluteFilePath(), QStringList(), info.absolutePath());
    } else if (info.exists()) {
        started = QDesktopServices::openUrl(QUrl::fromLocalFile(info.absoluteFilePath()));
    } else {
        const QUrl url(path, QUrl::StrictMode);
        if (url.isValid() && !url.scheme().isEmpty() && url.scheme().size() > 1)
            started = QDesktopServices::openUrl(url);
    }
    if (!started)
        qDebug() << "---------- *** Run program failed *** ----------" << path;
    return started;
}
