#include "clitestsupport.h"

#include <QFile>

CliRun runCli(const QStringList &args, int timeoutMs, const QByteArray &input)
{
    CliRun run;
    QProcess process;
    process.start(QStringLiteral(TARVOLINK_BIN_DIR "/tarvolink-cli"), args);
    process.write(input);
    process.closeWriteChannel();
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished(2000);
        run.err = QStringLiteral("timed out");
        return run;
    }
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

bool makeInstallation(const QString &dir)
{
    TestInstallation installation(dir);
    return installation.addGeneralCsv(addingTestDrive(4690, "CLT"))
        && installation.addDeviceFileFrom(
            QStringLiteral(TARVOLINK_SOURCE_DIR "/tests/tools/cli/data/CLTV1.00.csv"));
}

QStringList fileLines(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    QStringList lines = QString::fromUtf8(file.readAll()).split('\n');
    if (lines.last().isEmpty())
        lines.removeLast(); // what follows the last line end
    return lines;
}

bool writeLines(const QString &path, const QStringList &lines)
{
    QFile file(path);
    const QByteArray bytes = lines.isEmpty() ? QByteArray() : (lines.join('\n') + '\n').toUtf8();
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}
