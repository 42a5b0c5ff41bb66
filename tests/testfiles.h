#pragma once
// The files a test lays out and looks at afterwards.

#include <QByteArray>
#include <QFile>
#include <QTest>

namespace orbilex::test {

// The whole file; empty when it cannot be read.
inline QByteArray readBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Fails the test when the file cannot be written whole.
inline void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY2(f.open(QIODevice::WriteOnly | QIODevice::Truncate), qPrintable(path));
    QCOMPARE(f.write(bytes), bytes.size());
}

} // namespace orbilex::test
