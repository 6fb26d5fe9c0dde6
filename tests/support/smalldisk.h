#pragma once

#include <QFile>
#include <QProcess>
#include <QStorageInfo>
#include <QTemporaryDir>

// A tmpfs of a few KiB mounted for one test, to see what a save does on a full disk. Mounting
// needs root: a test that cannot mount skips.
class SmallDisk
{
public:
    SmallDisk()
    {
        m_mounted
            = QProcess::execute("mount", { "-t", "tmpfs", "-o", "size=256k", "tmpfs", m_dir.path() }) == 0;
    }
    ~SmallDisk()
    {
        if (m_mounted)
            QProcess::execute("umount", { "-l", m_dir.path() });
    }
    bool mounted() const { return m_mounted; }
    QString path(const QString &name) const { return m_dir.filePath(name); }
    void leaveFree(qint64 bytes)
    {
        QFile filler(path(".filler"));
        filler.open(QIODevice::WriteOnly);
        filler.write(QByteArray(int(QStorageInfo(m_dir.path()).bytesAvailable() - bytes), 'x'));
    }

private:
    QTemporaryDir m_dir;
    bool m_mounted = false;
};

#define SKIP_WITHOUT_SMALL_DISK(disk)                                                                        \
    if (!(disk).mounted())                                                                                   \
    QSKIP("no tmpfs can be mounted here")
