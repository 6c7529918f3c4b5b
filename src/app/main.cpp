#include "CrashHandler.h"
#include "DAppllication.h"
#include "SettingsKeys.h"
#include "SimulatedHidBackend.h"
#include "SingleInstanceGuard.h"
#include "getWindowsVersion.h"

#include <QApplication>
#include <QDebug>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

constexpr char kInstanceName[] = "Velmora1.0";
constexpr char kApplicationId[] = "Velmora1.0.0.0";

QString userSettingsPath()
{
    return SettingsKeys::userSettingsPath(
        SettingsKeys::userConfigDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)));
}

} // namespace

int main(int argc, char **argv)
{
    // The process the crash handler starts: it only shows the crash box.
    if (argc == 2 && qstrcmp(argv[1], CrashHandler::CrashBoxArgument) == 0) {
        QApplication app(argc, argv);
        return CrashHandler::showCrashBox(userSettingsPath());
    }

    // Named as the application object will name it, so that the data folders
    // are known before it exists.
    QCoreApplication::setApplicationName(QFileInfo(QString::fromLocal8Bit(argv[0])).fileName());
    CrashHandler::install(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/dump"),
                          CrashHandler::currentExecutable(), {QLatin1String(CrashHandler::CrashBoxArgument)});

    SingleInstanceGuard guard(QString::fromLatin1(kInstanceName));
    if (!guard.tryAcquire()) {
        qDebug().noquote() << "--------------- EXE already runing -----------------";
        return -1;
    }

    // Without hardware: VELMORA_SIMULATED_DEVICES names simulated devices to use instead.
    SimulatedHidBackend::installFromEnvironment();

    if (getWindowsVersion() != 1)
        QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling);

    DAppllication app(QString::fromLatin1(kApplicationId), argc, argv);
    return app.exec();
}
