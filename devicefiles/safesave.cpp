#include "safesave.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStorageInfo>
#include <cerrno>
#include <cstring>

namespace SafeSave {

namespace {

// Below this a disk is full for any file this program writes, whatever the error text says.
constexpr qint64 kNearlyFullBytes = 64 * 1024;

bool diskFull(const QString &path, const QString &deviceError)
{
    if (deviceError == QString::fromLocal8Bit(std::strerror(ENOSPC)))
        return true;
    const QStorageInfo disk(QFileInfo(path).absolutePath());
    return disk.isValid() && disk.bytesAvailable() >= 0 && disk.bytesAvailable() < kNearlyFullBytes;
}

} // namespace

QString failureText(const QString &path, const QString &deviceError)
{
    if (diskFull(path, deviceError)) {
        const QStorageInfo disk(QFileInfo(path).absolutePath());
        return QStringLiteral("No space left on %1")
            .arg(QDir::toNativeSeparators(disk.isValid() ? disk.rootPath() : QFileInfo(path).absolutePath()));
    }
    return deviceError.isEmpty() ? QStringLiteral("Unknown error") : deviceError;
}

bool commit(QSaveFile &file, QString *error, qint64 expectedSize)
{
    const qint64 written = file.pos();
    bool ok = file.isOpen() && file.error() == QFileDevice::NoError && file.flush();
    // The size the file system reports, not the count handed to the buffer.
    const qint64 onDisk = ok ? file.size() : -1;
    ok = ok && onDisk == written && (expectedSize < 0 || onDisk == expectedSize);
    QString text;
    if (!ok) {
        text = failureText(file.fileName(),
            file.error() != QFileDevice::NoError || onDisk < 0
                ? file.errorString()
                : QStringLiteral("%1 of %2 bytes written").arg(onDisk).arg(qMax(written, expectedSize)));
        file.cancelWriting();
    }
    // After cancelWriting() commit() only removes the temporary file.
    if (!file.commit() && ok) {
        ok = false;
        text = failureText(file.fileName(), file.errorString());
    }
    if (!ok && error)
        *error = text;
    return ok;
}

} // namespace SafeSave
