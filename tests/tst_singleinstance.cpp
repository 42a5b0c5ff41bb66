#include "platform/singleinstance.h"

#include <QLocalSocket>
#include <QLockFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

using namespace orbilex;

class SingleInstanceTest : public QObject
{
    Q_OBJECT

private slots:
    void aLaterStartHandsItsCommandLineOver()
    {
        QTemporaryDir folder;
        SingleInstance running(folder.path());
        QVERIFY(running.becomeRunningCopy());
        QSignalSpy received(&running, &SingleInstance::argumentsReceived);

        SingleInstance later(folder.path());
        QVERIFY(!later.becomeRunningCopy());
        const QStringList arguments {QStringLiteral("orbilex"), QStringLiteral("--country"), QStringLiteral("Côte")};
        // The running copy answers from its event loop, so the sender waits in a thread of its own.
        bool sent = false;
        std::unique_ptr<QThread> sender(QThread::create([&] { sent = later.sendToRunningCopy(arguments); }));
        sender->start();
        QTRY_VERIFY(sender->isFinished());
        QVERIFY(sent);
        QCOMPARE(received.size(), 1);
        QCOMPARE(received.first().first().toStringList(), arguments);
    }

    void theCopyThatEndedLeavesTheWayFree()
    {
        QTemporaryDir folder;
        {
            SingleInstance first(folder.path());
            QVERIFY(first.becomeRunningCopy());
        }
        SingleInstance second(folder.path());
        QVERIFY(second.becomeRunningCopy());
        // Nobody listens for a copy that cannot take the lock.
        SingleInstance third(folder.path());
        QVERIFY(!third.becomeRunningCopy());
    }

    void aKilledCopysLockAndSocketAreTakenOver()
    {
        QTemporaryDir folder;
        // What a killed copy leaves: a lock naming a process that no longer
        // runs, and its socket file.
        QFile lock(folder.filePath(QStringLiteral("orbilex.lock")));
        QVERIFY(lock.open(QIODevice::WriteOnly));
        lock.write("999999999\norbilex\n" + QSysInfo::machineHostName().toUtf8() + "\n");
        lock.close();
        QFile socket(folder.filePath(QStringLiteral("orbilex.socket")));
        QVERIFY(socket.open(QIODevice::WriteOnly));
        socket.close();

        SingleInstance next(folder.path());
        QVERIFY(next.becomeRunningCopy());
        QSignalSpy received(&next, &SingleInstance::argumentsReceived);
        SingleInstance later(folder.path());
        bool sent = false;
        std::unique_ptr<QThread> sender(
            QThread::create([&] { sent = later.sendToRunningCopy({QStringLiteral("orbilex")}); }));
        sender->start();
        QTRY_VERIFY(sender->isFinished());
        QVERIFY(sent);
        QCOMPARE(received.size(), 1);
    }

    void garbageOnTheSocketIsDropped()
    {
        QTemporaryDir folder;
        SingleInstance running(folder.path());
        QVERIFY(running.becomeRunningCopy());
        QSignalSpy received(&running, &SingleInstance::argumentsReceived);
        QLocalSocket socket;
        socket.connectToServer(folder.filePath(QStringLiteral("orbilex.socket")));
        QVERIFY(socket.waitForConnected(1000));
        // A length far beyond any command line.
        socket.write(QByteArray("\xff\xff\xff\xff", 4) + QByteArray(64, 'x'));
        socket.flush();
        QTRY_COMPARE(socket.state(), QLocalSocket::UnconnectedState);
        QCOMPARE(received.size(), 0);
    }
};

QTEST_GUILESS_MAIN(SingleInstanceTest)
#include "tst_singleinstance.moc"
