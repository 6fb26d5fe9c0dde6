#include "ftpoperations.h"

#include "ftpnames.h"
#include "safesave.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace FtpOperations {

bool isPresent(const QString &csvDir, const QString &name)
{
    return QFileInfo(QDir(csvDir).filePath(name)).isFile();
}

FtpStatus downloadFile(FtpSession &session, const QStringList &dir, const FtpEntry &entry,
    const QString &csvDir, const FtpSession::Progress &progress)
{
    FtpStatus status;
    if (!FtpNames::isSafeLocalName(entry.name)) {
        status.code = FtpStatus::RefusedName;
        return status;
    }
    QSaveFile file(QDir(csvDir).filePath(entry.name));
    if (!file.open(QIODevice::WriteOnly)) {
        status.code = FtpStatus::FileError;
        status.detail = file.errorString();
        return status;
    }
    qint64 received = 0;
    status = session.fetch(dir, entry.name, &file, &received, progress, entry.size);
    if (status.ok() && received != entry.size) {
        status.code = FtpStatus::SizeMismatch;
        status.detail = QStringLiteral("%1 bytes received, %2 listed").arg(received).arg(entry.size);
    }
    if (status.code == FtpStatus::FileError)
        status.detail = SafeSave::failureText(file.fileName(), file.errorString());
    if (!status.ok()) {
        file.cancelWriting();
        file.commit(); // removes the temporary file
        return status;
    }
    if (!SafeSave::commit(file, &status.detail, entry.size))
        status.code = FtpStatus::FileError;
    return status;
}

AllNewResult downloadAllNew(FtpSession &session, const QStringList &dir, const QList<FtpEntry> &entries,
    const QString &csvDir, const Step &step)
{
    AllNewResult result;
    for (int i = 0; i < entries.size() && !result.cancelled; ++i) {
        const FtpEntry &entry = entries.at(i);
        if (!entry.isDir && entry.name.endsWith(QLatin1String("csv"), Qt::CaseInsensitive)) {
            if (!FtpNames::isSafeLocalName(entry.name)) {
                result.refused << FtpNames::shown(entry.name);
            } else if (!isPresent(csvDir, entry.name)) {
                const FtpStatus status = downloadFile(session, dir, entry, csvDir);
                if (status.ok()) {
                    ++result.downloaded;
                } else if (status.code == FtpStatus::Cancelled) {
                    result.cancelled = true;
                } else {
                    result.failed << entry.name;
                    result.lastError = status;
                }
            }
        }
        if (step)
            step(i + 1, entries.size(), entry.name);
    }
    return result;
}

} // namespace FtpOperations
