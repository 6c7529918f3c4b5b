#include "QtSingleApplication.h"

#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QWidget>

namespace {

constexpr int kConnectTimeoutMs = 500;
// Every message starts with this byte, so that a bare probe connection (a
// starting process looking for a running one) is not taken for a message.
constexpr char kMessageMark = 'M';

} // namespace

QtSingleApplication::QtSingleApplication(const QString &id, int &argc, char **argv)
    : QApplication(argc, argv)
    , m_id(id)
{
    const QString name = serverName(m_id);
    QLocalSocket probe;
    probe.connectToServer(name);
    if (probe.waitForConnected(kConnectTimeoutMs)) {
        m_running = true;
        return;
    }
    // Nobody answers: a socket file left by a killed process is stale.
    QLocalServer::removeServer(name);
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    if (m_server->listen(name))
        connect(m_server, &QLocalServer::newConnection, this, &QtSingleApplication::onNewConnection);
}

QtSingleApplication::~QtSingleApplication() = default;

QString QtSingleApplication::serverName(const QString &id)
{
    QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty())
        dir = QDir::tempPath();
    return QDir(dir).filePath(id + QStringLiteral(".socket"));
}

bool QtSingleApplication::sendMessage(const QString &message, int timeoutMs)
{
    return m_running && sendMessageTo(m_id, message, timeoutMs);
}

bool QtSingleApplication::sendMessageTo(const QString &id, const QString &message, int timeoutMs)
{
    QLocalSocket socket;
    socket.connectToServer(serverName(id));
    if (!socket.waitForConnected(timeoutMs))
        return false;
    socket.write(kMessageMark + message.toUtf8());
    if (!socket.waitForBytesWritten(timeoutMs))
        return false;
    socket.disconnectFromServer();
    return socket.state() == QLocalSocket::UnconnectedState || socket.waitForDisconnected(timeoutMs);
}

void QtSingleApplication::onNewConnection()
{
    while (QLocalSocket *socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, this, [this, socket] {
            const QByteArray data = socket->readAll();
            socket->deleteLater();
            if (!data.startsWith(kMessageMark))
                return;
            emit messageReceived(QString::fromUtf8(data.mid(1)));
            if (m_activateOnMessage)
                activateWindow();
        });
    }
}

void QtSingleApplication::setActivationWindow(QWidget *window, bool activateOnMessage)
{
    m_activationWindow = window;
    m_activateOnMessage = activateOnMessage;
}

void QtSingleApplication::activateWindow()
{
    if (!m_activationWindow)
        return;
    m_activationWindow->setWindowState(m_activationWindow->windowState() & ~Qt::WindowMinimized);
    m_activationWindow->raise();
    m_activationWindow->activateWindow();
}
