#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

#include <memory>

class QSocketNotifier;
class SimulatedHidBackend;

// Plugs and unplugs simulated devices from outside the program: a test
// writes lines "unplug <model>" and "plug <model>" into the FIFO named by
// VELMORA_SIMULATED_CONTROL, and every device of that model follows. The
// FIFO is read on the GUI thread through a socket notifier.
class SimulatedControlFifo : public QObject
{
    Q_OBJECT

public:
    static constexpr const char *kEnvironmentVariable = "VELMORA_SIMULATED_CONTROL";

    // Opens (and, when missing, creates) the FIFO at path.
    SimulatedControlFifo(std::shared_ptr<SimulatedHidBackend> backend, const QString &path,
                         QObject *parent = nullptr);
    ~SimulatedControlFifo() override;

    bool isOpen() const { return m_fd >= 0; }

    // A FIFO for the backend when VELMORA_SIMULATED_CONTROL is set, else null.
    static SimulatedControlFifo *startFromEnvironment(const std::shared_ptr<SimulatedHidBackend> &backend,
                                                      QObject *parent);

    struct Command
    {
        bool plug = false;
        QString model;
    };
    // One line; false for anything but "plug <model>" or "unplug <model>".
    static bool parseLine(const QByteArray &line, Command *command);

    // Carries one line out; false when it was not understood.
    bool execute(const QByteArray &line);

signals:
    // After each line carried out.
    void commandExecuted(const QString &line);

private:
    void readAvailable();

    std::shared_ptr<SimulatedHidBackend> m_backend;
    int m_fd = -1;
    QSocketNotifier *m_notifier = nullptr;
    QByteArray m_pending;
};
