#pragma once
// One running copy per user. The first start holds a lock file in the user's
// runtime folder for its whole life and listens on a local socket beside it;
// a later start finds the lock taken, hands its command line to the running
// copy and ends, so no second copy edits the same files.

#include <QLockFile>
#include <QObject>
#include <QStringList>

#include <memory>

class QLocalServer;

namespace orbilex {

class SingleInstance : public QObject
{
    Q_OBJECT
public:
    // folder: where the lock and the socket live (the runtime folder).
    explicit SingleInstance(const QString &folder, QObject *parent = nullptr);
    ~SingleInstance() override;

    // True when this start is the running copy from now on: the lock is
    // ours and the socket listens. False when another copy holds the lock.
    bool becomeRunningCopy();

    // Hands arguments to the running copy; false when none answered within
    // timeoutMs (it may be ending).
    bool sendToRunningCopy(const QStringList &arguments, int timeoutMs = 3000) const;

    // The runtime folder of this user, or the temporary folder where the
    // platform has none.
    static QString defaultFolder();

signals:
    // The command line of a later start.
    void argumentsReceived(const QStringList &arguments);

private:
    void readConnection();

    QString m_folder;
    QLockFile m_lock;
    std::unique_ptr<QLocalServer> m_server;
};

} // namespace orbilex
