#include "app/CSingleInstance.h"

#include "model/CTrace.h"

#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QStandardPaths>

#include <sys/socket.h>
#include <sys/types.h>
#include <unistd.h>

namespace {
constexpr qint64 kMaxCommand = 64 * 1024;

bool PeerIsSameUser(QLocalSocket *socket)
{
    struct ucred cred {};
    socklen_t len = sizeof(cred);
    if (getsockopt(static_cast<int>(socket->socketDescriptor()), SOL_SOCKET, SO_PEERCRED, &cred, &len) != 0)
        return false;
    return cred.uid == getuid();
}
} // namespace

CSingleInstance::CSingleInstance(const QString &name, QObject *parent)
    : QObject(parent), m_name(name.isEmpty() ? DefaultName() : name)
{
}

CSingleInstance::~CSingleInstance()
{
    if (m_server)
        m_server->close();
}

QString CSingleInstance::DisplayKey()
{
    QString display = qEnvironmentVariable("WAYLAND_DISPLAY");
    if (display.isEmpty())
        display = qEnvironmentVariable("DISPLAY");
    if (display.isEmpty())
        display = QStringLiteral("nodisplay");
    QString key;
    for (const QChar c : display)
        key += (c.isLetterOrNumber() || c == QLatin1Char('.') || c == QLatin1Char('_') || c == QLatin1Char('-')) ? c : QLatin1Char('_');
    return key;
}

QString CSingleInstance::DefaultName()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    return QDir(folder).filePath(QStringLiteral("kestrelmark-%1-%2").arg(getuid()).arg(DisplayKey()));
}

bool CSingleInstance::IsAnswering() const
{
    QLocalSocket probe;
    probe.connectToServer(m_name);
    const bool answering = probe.waitForConnected(1000);
    probe.abort();
    return answering;
}

CSingleInstance::Role CSingleInstance::Claim()
{
    // Two copies started at once must not both take over the socket.
    QLockFile lock(m_name + QStringLiteral(".lock"));
    lock.setStaleLockTime(10000);
    if (!lock.tryLock(5000))
        Trace("CSingleInstance: could not take the start-up lock.\n");

    if (IsAnswering())
        return Another;
    // Nobody answers: whatever lies there was left by a copy that ended badly.
    QLocalServer::removeServer(m_name);
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server->listen(m_name)) {
        Trace(QStringLiteral("CSingleInstance: listen failed: ") + m_server->errorString() + QLatin1Char('\n'));
        delete m_server;
        m_server = nullptr;
        return Failed;
    }
    connect(m_server, &QLocalServer::newConnection, this, &CSingleInstance::OnNewConnection);
    return First;
}

void CSingleInstance::OnNewConnection()
{
    while (QLocalSocket *socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        if (!PeerIsSameUser(socket)) {
            Trace("CSingleInstance: refused a connection of another user.\n");
            socket->abort();
            continue;
        }
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            if (socket->bytesAvailable() > kMaxCommand) {
                socket->abort();
                return;
            }
            if (!socket->canReadLine())
                return;
            const QString command = QString::fromUtf8(socket->readLine()).trimmed();
            socket->write("ok\n");
            socket->flush();
            socket->disconnectFromServer();
            emit commandReceived(command);
        });
    }
}

bool CSingleInstance::Send(const QString &command, int timeoutMs) const
{
    QLocalSocket socket;
    socket.connectToServer(m_name);
    if (!socket.waitForConnected(timeoutMs))
        return false;
    QByteArray bytes = command.toUtf8();
    bytes.replace('\n', ' ');
    bytes += '\n';
    socket.write(bytes);
    if (!socket.waitForBytesWritten(timeoutMs))
        return false;
    while (!socket.canReadLine()) {
        if (!socket.waitForReadyRead(timeoutMs))
            return false;
    }
    return socket.readLine().trimmed() == "ok";
}
