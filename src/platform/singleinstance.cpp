#include "platform/singleinstance.h"

#include <QDataStream>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>

namespace orbilex {

namespace {

QString socketPath(const QString &folder)
{
#ifdef Q_OS_WIN
    // Named pipes live in a namespace of their own; the folder keeps users apart.
    return QStringLiteral("orbilex-") + QString::number(qHash(folder), 16);
#else
    return QDir(folder).filePath(QStringLiteral("orbilex.socket"));
#endif
}

// A message: its length, then the arguments as a QDataStream list.
QByteArray message(const QStringList &arguments)
{
    QByteArray body;
    QDataStream out(&body, QIODevice::WriteOnly);
    out << arguments;
    QByteArray framed;
    QDataStream frame(&framed, QIODevice::WriteOnly);
    frame << quint32(body.size());
    return framed + body;
}

// Nothing a later start sends is trusted further than this size.
constexpr quint32 kMaxMessage = 64 * 1024;

} // namespace

SingleInstance::SingleInstance(const QString &folder, QObject *parent)
    : QObject(parent)
    , m_folder(folder)
    , m_lock(QDir(folder).filePath(QStringLiteral("orbilex.lock")))
{
    // The lock is held for the program's whole life, so its age says nothing:
    // only a lock whose process no longer runs (a killed or crashed copy) is
    // taken over, which QLockFile does by itself.
    m_lock.setStaleLockTime(0);
}

SingleInstance::~SingleInstance()
{
    if (m_server)
        m_server->close();
}

QString SingleInstance::defaultFolder()
{
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return runtime.isEmpty() ? QDir::tempPath() : runtime;
}

bool SingleInstance::becomeRunningCopy()
{
    if (!m_lock.tryLock(0))
        return false;
    const QString path = socketPath(m_folder);
    // The lock is ours, so a socket file there is a dead copy's leftover.
    QLocalServer::removeServer(path);
    m_server = std::make_unique<QLocalServer>();
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server->listen(path)) {
        // Still the running copy: without the socket a later start cannot
        // hand over its command line, but it finds the lock and ends.
        qWarning("orbilex: cannot listen on %s: %s", qPrintable(path), qPrintable(m_server->errorString()));
        return true;
    }
    connect(m_server.get(), &QLocalServer::newConnection, this, &SingleInstance::readConnection);
    return true;
}

void SingleInstance::readConnection()
{
    while (QLocalSocket *socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            if (socket->bytesAvailable() < qint64(sizeof(quint32)))
                return;
            QDataStream in(socket);
            quint32 size = 0;
            in.startTransaction();
            in >> size;
            if (size > kMaxMessage) {
                socket->abort();
                return;
            }
            QByteArray body(qsizetype(size), Qt::Uninitialized);
            if (in.readRawData(body.data(), int(size)) != int(size)) {
                in.rollbackTransaction();
                return;
            }
            in.commitTransaction();
            QStringList arguments;
            QDataStream bodyIn(body);
            bodyIn >> arguments;
            socket->write("ok", 2);
            socket->flush();
            if (bodyIn.status() == QDataStream::Ok)
                emit argumentsReceived(arguments);
        });
    }
}

bool SingleInstance::sendToRunningCopy(const QStringList &arguments, int timeoutMs) const
{
    QLocalSocket socket;
    socket.connectToServer(socketPath(m_folder));
    if (!socket.waitForConnected(timeoutMs))
        return false;
    socket.write(message(arguments));
    if (!socket.waitForBytesWritten(timeoutMs))
        return false;
    // The running copy answers once it has the whole command line.
    return socket.waitForReadyRead(timeoutMs) && socket.readAll() == "ok";
}

} // namespace orbilex
