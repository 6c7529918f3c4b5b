#include "CrashHandler.h"
#include "DAppllication.h"
#include "DDataManager.h"
#include "QtSingleApplication.h"
#include "SettingsKeys.h"
#include "SimulatedControlFifo.h"
#include "SimulatedDeviceNotifier.h"
#include "SimulatedHidBackend.h"
#include "SimulatedSessionRecord.h"
#include "SingleInstanceGuard.h"
#include "getWindowsVersion.h"

#include <QApplication>
#include <QDebug>
#include <QFileInfo>
#include <QStandardPaths>

#include <memory>

namespace {

constexpr char kInstanceName[] = "Velmora1.0";
constexpr char kApplicationId[] = "Velmora1.0.0.0";
constexpr char kShowMessage[] = "show";
constexpr int kShowMessageTimeoutMs = 1000;

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
        // The running copy shows its window, which may be hidden with no tray
        // icon to bring it back.
        QCoreApplication messenger(argc, argv);
        QtSingleApplication::sendMessageTo(QString::fromLatin1(kApplicationId), QString::fromLatin1(kShowMessage),
                                           kShowMessageTimeoutMs);
        return -1;
    }

    // Without hardware: VELMORA_SIMULATED_DEVICES names simulated devices to
    // use instead; they raise the hot-plug events themselves.
    QString simulatedWarning;
    const std::shared_ptr<SimulatedHidBackend> simulated = SimulatedHidBackend::installFromEnvironment(&simulatedWarning);
    if (simulated)
        SimulatedDeviceNotifier::installFactory(simulated);

    if (getWindowsVersion() != 1)
        QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling);

    DAppllication app(QString::fromLatin1(kApplicationId), argc, argv);
    // The daily log exists once the application does.
    if (!simulatedWarning.isEmpty())
        DDataManager::instance()->writeLog(simulatedWarning);
    // VELMORA_SIMULATED_CONTROL: a FIFO through which tests plug and unplug them.
    const std::unique_ptr<SimulatedControlFifo> control(SimulatedControlFifo::startFromEnvironment(simulated, nullptr));
    const int exitCode = app.exec();
    // VELMORA_SIMULATED_RECORD: what the simulated devices were sent, for tests.
    SimulatedSessionRecord::writeFromEnvironment(simulated);
    return exitCode;
}
