#pragma once

#include "ftpsession.h"

#include <QList>
#include <QMetaType>
#include <QStringList>
#include <functional>

// The download jobs as plain functions over a session, so the window's worker thread and
// tarvolink-cli fetch files the same way. A file is written into a temporary file beside its
// target in the csv folder and takes the target's name only when the transfer ended well and
// its size matches the listing: a failed, cancelled, timed-out or short transfer leaves no
// file behind and never touches an existing one.
namespace FtpOperations {

// What "Download All New" did.
struct AllNewResult
{
    int downloaded = 0;
    QStringList failed; // names whose transfer failed or whose size did not match
    QStringList refused; // listed names that are not plain file names (shown form)
    bool cancelled = false;
    FtpStatus lastError; // the last failure, for its detail
};

// Fetches `entry` of `dir` into `csvDir`, replacing a file of the same name only on success.
// The caller has checked that the name is a CSV name and asked about overwriting.
FtpStatus downloadFile(FtpSession &session, const QStringList &dir, const FtpEntry &entry,
    const QString &csvDir, const FtpSession::Progress &progress = FtpSession::Progress());

// Every listed CSV file of `dir` that `csvDir` does not hold yet. `step` is called after
// each entry with the count done, the total and the entry's name.
using Step = std::function<void(int done, int total, const QString &name)>;
AllNewResult downloadAllNew(FtpSession &session, const QStringList &dir, const QList<FtpEntry> &entries,
    const QString &csvDir, const Step &step = Step());

// True when `csvDir` already holds a file called `name`.
bool isPresent(const QString &csvDir, const QString &name);

} // namespace FtpOperations

Q_DECLARE_METATYPE(FtpOperations::AllNewResult)
