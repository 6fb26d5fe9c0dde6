#pragma once

#include <QFile>
#include <QProcess>
#include <QStorageInfo>
#include <QTemporaryDir>

// A tmpfs of a few KiB mounted for one test, to see what a save does when the disk fills up.
// Mounting needs root: a test that cannot mount skips.
class SmallDisk
{
public:
    explicit SmallDisk(int kib = 256)
        : m_mounted(m_dir.isValid()
            && QProcess::execute(QStringLiteral("mount"),
                   { "-t", "tmpfs", "-o", QStringLiteral("size=%1k").arg(kib), "tmpfs", m_dir.path() })
                == 0)
    { }
    ~SmallDisk()
    {
        if (m_mounted)
            QProcess::execute(QStringLiteral("umount"), { "-l", m_dir.path() });
    }
    bool mounted() const { return m_mounted; }
    QString path(const QString &name) const { return m_dir.filePath(name); }
    // Leaves about `bytes` free.
    void leaveFree(qint64 bytes)
    {
        QFile filler(path(QStringLiteral(".filler")));
        filler.open(QIODevice::WriteOnly);
        filler.write(
            QByteArray(int(qMax<qint64>(0, QStorageInfo(m_dir.path()).bytesAvailable() - bytes)), 'x'));
    }

private:
    QTemporaryDir m_dir;
    const bool m_mounted;
};

#define SKIP_WITHOUT_SMALL_DISK(disk)                                                                        \
    if (!(disk).mounted())                                                                                   \
    QSKIP("no tmpfs can be mounted here")
