#pragma once

#include <QApplication>
#include <QPointer>
#include <QString>
#include <QWidget>

class QLocalServer;

// The single-application base of the application object: an application with
// an id, a local server named after it, and an activation window that is
// raised when another process sends a message. Whether another copy may run
// at all is decided earlier by SingleInstanceGuard.
class QtSingleApplication : public QApplication
{
    Q_OBJECT

public:
    QtSingleApplication(const QString &id, int &argc, char **argv);
    ~QtSingleApplication() override;

    QString id() const { return m_id; }
    // True when another process already serves this id.
    bool isRunning() const { return m_running; }
    // Sends a text to the running process; false when none answers in time.
    bool sendMessage(const QString &message, int timeoutMs = 5000);
    // The same from a process that is no single application itself (a
    // second start that stops at the single-instance lock).
    static bool sendMessageTo(const QString &id, const QString &message, int timeoutMs = 5000);

    void setActivationWindow(QWidget *window, bool activateOnMessage = true);
    QWidget *activationWindow() const { return m_activationWindow; }

    // The local server's name, a socket in the user's runtime folder.
    static QString serverName(const QString &id);

public slots:
    // Un-minimises, raises and activates the activation window.
    void activateWindow();

signals:
    void messageReceived(const QString &message);

private:
    void onNewConnection();

    QString m_id;
    QLocalServer *m_server = nullptr;
    QPointer<QWidget> m_activationWindow;
    bool m_activateOnMessage = false;
    bool m_running = false;
};
