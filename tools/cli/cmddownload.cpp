// download: the device file download window's jobs from a shell, on the same library: list the
// server of the link file, fetch one CSV file, or fetch every CSV file csv_file/ lacks.
#include "apppaths.h"
#include "clicommon.h"
#include "cliprogress.h"
#include "ftplink.h"
#include "ftpnames.h"
#include "ftpoperations.h"
#include "ftpsession.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <QTextStream>

namespace {

// The window's texts for the outcomes a script must tell apart; the password is never in them.
QString failureText(const FtpLink &link, const FtpStatus &status)
{
    switch (status.code) {
    case FtpStatus::ConnectFailed:
    case FtpStatus::LoginFailed:
        return QStringLiteral("Unable to connect to the FTP server at %1 (%2)")
            .arg(link.publicText(), status.detail);
    case FtpStatus::TlsUntrusted:
        return QStringLiteral("the certificate of %1 is not signed by a trusted authority (%2); "
                              "'accept-self-signed' in the link file accepts it")
            .arg(link.publicText(), status.detail);
    case FtpStatus::SizeMismatch:
        return QStringLiteral("File Size mismatched (%1)").arg(status.detail);
    case FtpStatus::FileError:
        return QStringLiteral("Unable to save the file: %1").arg(status.detail);
    default:
        return QStringLiteral("File Download Error: %1").arg(status.detail);
    }
}

int exitOf(const FtpStatus &status)
{
    return status.code == FtpStatus::FileError ? CliExit::File : CliExit::Link;
}

} // namespace

namespace CliCommands {

int download(const QStringList &args)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Lists the FTP server of the link file (configData/ftpLink.txt), or downloads device description\n"
        "files from it into csv_file/: one file (--file) or every CSV file not yet present (--all-new).\n"
        "A file is written under a temporary name and renamed only when complete and of the listed size."));
    parser.addOption(
        { QStringLiteral("file"), QStringLiteral("Download this CSV file."), QStringLiteral("NAME") });
    parser.addOption(
        { QStringLiteral("all-new"), QStringLiteral("Download every CSV file csv_file/ lacks.") });
    parser.addOption(
        { QStringLiteral("overwrite"), QStringLiteral("--file replaces a file already present.") });
    parser.addOption({ QStringLiteral("link"), QStringLiteral("Link file (default: configData/ftpLink.txt)."),
        QStringLiteral("FILE") });
    parser.addOption({ QStringLiteral("timeout"), QStringLiteral("Time-out of one file in ms (90000)."),
        QStringLiteral("MS") });
    CliArgs::addDataOption(parser);
    int exitCode = 0;
    if (!CliCommon::parse(parser, args, &exitCode)
        || !CliCommon::expectPositional(parser, 0, QStringLiteral("download"), &exitCode))
        return exitCode;
    if (parser.isSet(QStringLiteral("file")) && parser.isSet(QStringLiteral("all-new")))
        return CliCommon::fail(CliExit::Usage, QStringLiteral("--file and --all-new exclude each other"));
    bool timeoutOk = true;
    const int timeout = parser.isSet(QStringLiteral("timeout"))
        ? parser.value(QStringLiteral("timeout")).toInt(&timeoutOk)
        : 90000;
    if (!timeoutOk || timeout < 100)
        return CliCommon::fail(CliExit::Usage, QStringLiteral("--timeout must be 100 ms or more"));
    if (parser.isSet(QStringLiteral("data")))
        AppPaths::setBaseDir(QFileInfo(parser.value(QStringLiteral("data"))).absoluteFilePath());

    const QString linkFile = parser.isSet(QStringLiteral("link"))
        ? parser.value(QStringLiteral("link"))
        : AppPaths::configDir() + QStringLiteral("/ftpLink.txt");
    FtpLink link;
    switch (FtpLink::readFile(linkFile, &link)) {
    case FtpLink::ReadResult::NotFound:
        return CliCommon::fail(CliExit::File, QStringLiteral("FTP Link file is not found: %1").arg(linkFile));
    case FtpLink::ReadResult::Invalid:
        return CliCommon::fail(CliExit::File, QStringLiteral("The FTP URL is not valid"));
    case FtpLink::ReadResult::Ok:
        break;
    }

    FtpSession session(link);
    session.setTimeoutMs(timeout);
    QList<FtpEntry> entries;
    const FtpStatus listed = session.list(link.path, &entries);
    if (listed.code == FtpStatus::TransferFailed)
        return CliCommon::fail(
            CliExit::Link, QStringLiteral("Unable to list the directory: %1").arg(listed.detail));
    if (!listed.ok())
        return CliCommon::fail(exitOf(listed), failureText(link, listed));
    QTextStream out(stdout);

    if (parser.isSet(QStringLiteral("all-new"))) {
        CliProgress progress(QStringLiteral("Download All New"));
        const FtpOperations::AllNewResult result
            = FtpOperations::downloadAllNew(session, link.path, entries, AppPaths::csvDir(),
                [&progress](int done, int total, const QString &) { progress.update(done, total); });
        progress.finish();
        for (const QString &name : result.refused)
            QTextStream(stderr) << "tarvolink-cli: refused the listed name " << name
                                << ": not a plain file name, nothing written\n";
        if (!result.failed.isEmpty())
            return CliCommon::fail(CliExit::Link,
                QStringLiteral("Error in downloading new files. Please download again. (%1: %2)")
                    .arg(result.failed.join(QStringLiteral(", ")), result.lastError.detail));
        if (result.downloaded == 0)
            out << "Operation is successful. All files are updated and no file is downloaded.\n";
        else
            out << QStringLiteral("Operation is successful. The total number of files downloaded is %1.\n")
                       .arg(result.downloaded);
        return CliExit::Ok;
    }

    if (parser.isSet(QStringLiteral("file"))) {
        const QString name = parser.value(QStringLiteral("file"));
        const auto found = std::find_if(entries.cbegin(), entries.cend(),
            [&name](const FtpEntry &e) { return e.name == name && !e.isDir; });
        if (found == entries.cend())
            return CliCommon::fail(CliExit::File, QStringLiteral("%1 is not listed on the server").arg(name));
        if (!FtpNames::isSafeLocalName(name))
            return CliCommon::fail(CliExit::Refused,
                QStringLiteral("refused the listed name %1: not a plain file name")
                    .arg(FtpNames::shown(name)));
        if (!FtpNames::isCsvName(name))
            return CliCommon::fail(CliExit::Refused, QStringLiteral("Select only CSV file to download."));
        if (FtpOperations::isPresent(AppPaths::csvDir(), name) && !parser.isSet(QStringLiteral("overwrite")))
            return CliCommon::fail(CliExit::Refused,
                QStringLiteral("File already downloaded: %1 (--overwrite replaces it)").arg(name));
        CliProgress progress(QStringLiteral("Downloading ") + name);
        const FtpStatus status = FtpOperations::downloadFile(session, link.path, *found, AppPaths::csvDir(),
            [&progress](qint64 done, qint64 total) { progress.update(int(done >> 10), int(total >> 10)); });
        progress.finish();
        if (!status.ok())
            return CliCommon::fail(exitOf(status), failureText(link, status));
        out << "File Downloaded Successfully\n";
        return CliExit::Ok;
    }

    for (const FtpEntry &entry : entries) {
        out << (entry.isDir ? "dir " : "file") << '\t' << entry.size << '\t'
            << entry.time.toString(QStringLiteral("yyyy-MM-dd hh:mm")) << '\t' << FtpNames::shown(entry.name)
            << '\n';
    }
    return CliExit::Ok;
}

} // namespace CliCommands
