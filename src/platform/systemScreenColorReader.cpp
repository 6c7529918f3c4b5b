#include "systemScreenColorReader.h"

#include <QGuiApplication>
#include <QImage>
#include <QLoggingCategory>
#include <QPixmap>
#include <QScreen>

#include <atomic>

namespace {

Q_LOGGING_CATEGORY(lcScreenColor, "velmora.platform.screencolor")

std::atomic<bool> g_refusalLogged{false};

screenPixelResult failure(const QString &why)
{
    screenPixelResult result;
    result.error = why;
    return result;
}

} // namespace

const screenColorReader *screenColorReader::system()
{
    static const systemScreenColorReader reader;
    return &reader;
}

QString systemScreenColorReader::refusalReason(const QString &platformName, const QByteArray &waylandDisplay,
                                               const QByteArray &sessionType)
{
    if (platformName != QLatin1String("xcb"))
        return QStringLiteral("screen pixels cannot be read on the \"%1\" platform").arg(platformName);
    if (!waylandDisplay.isEmpty() || sessionType == "wayland")
        return QStringLiteral("screen pixels cannot be read in a Wayland session (XWayland does not show the display)");
    return QString();
}

QString systemScreenColorReader::currentRefusalReason()
{
    return refusalReason(QGuiApplication::platformName(), qgetenv("WAYLAND_DISPLAY"),
                         qgetenv("XDG_SESSION_TYPE"));
}

screenPixelResult systemScreenColorReader::readPixel(const QPoint &globalPos) const
{
    const QString refusal = currentRefusalReason();
    if (!refusal.isEmpty()) {
        if (!g_refusalLogged.exchange(true))
            qCWarning(lcScreenColor).noquote() << "Colour picker:" << refusal;
        return failure(refusal);
    }
    QScreen *screen = QGuiApplication::screenAt(globalPos);
    if (!screen)
        return failure(QStringLiteral("no screen at (%1, %2)").arg(globalPos.x()).arg(globalPos.y()));
    // With no window, Qt 5's X11 grab reads the root window, which spans every
    // screen: its coordinates are the global ones.
    const QImage image = screen->grabWindow(0, globalPos.x(), globalPos.y(), 1, 1).toImage();
    if (image.isNull())
        return failure(QStringLiteral("the screen grab at (%1, %2) failed").arg(globalPos.x()).arg(globalPos.y()));
    screenPixelResult result;
    result.ok = true;
    result.color = QColor(image.pixel(0, 0));
    result.color.setAlpha(255);
    return result;
}
