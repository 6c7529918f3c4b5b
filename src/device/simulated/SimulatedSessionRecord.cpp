#include "SimulatedSessionRecord.h"

#include "SimulatedHidBackend.h"

#include <QSaveFile>
#include <QStringList>

QString SimulatedSessionRecord::text(const SimulatedHidBackend &backend)
{
    QString all;
    for (const std::shared_ptr<SimulatedDevice> &device : backend.devices()) {
        QStringList sync;
        for (const hidReportData &report : device->outputReports(HidCmd::LightSynchronize))
            sync.append(QString::number(report[kHidPayloadOffset]));
        all += QStringLiteral("%1 lightSynchronize=%2 open=%3\n")
                   .arg(device->modelName(), sync.join(QLatin1Char(',')))
                   .arg(device->openConnectionCount());
    }
    return all;
}

bool SimulatedSessionRecord::writeFromEnvironment(const std::shared_ptr<SimulatedHidBackend> &backend)
{
    const QString path = qEnvironmentVariable(kEnvironmentVariable).trimmed();
    if (!backend || path.isEmpty())
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(text(*backend).toUtf8());
    return file.commit();
}
