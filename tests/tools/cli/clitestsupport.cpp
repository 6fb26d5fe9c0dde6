#include "clitestsupport.h"

#include <QFile>
#include <QTextStream>

CliRun runCli(const QStringList &args, int timeoutMs)
{
    CliRun run;
    QProcess process;
    process.start(QStringLiteral(TARVOLINK_BIN_DIR "/tarvolink-cli"), args);
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
    QTextStream in(&file);
    in.setCodec("UTF-8");
    QStringList lines;
    while (!in.atEnd())
        lines << in.readLine();
    return lines;
}

bool writeLines(const QString &path, const QStringList &lines)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text))
        return false;
    QTextStream out(&file);
    out.setCodec("UTF-8");
    for (const QString &line : lines)
        out << line << '\n';
    return out.status() == QTextStream::Ok;
}
