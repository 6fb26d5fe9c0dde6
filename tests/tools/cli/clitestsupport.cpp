#include "clitestsupport.h"

#include <QFile>
#include <QRegularExpression>
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

int mbpollRead(const QString &link, bool rtu, int unit, int number)
{
    QStringList args;
    if (rtu)
        args << QStringLiteral("-m") << QStringLiteral("rtu") << QStringLiteral("-b")
             << QStringLiteral("38400") << QStringLiteral("-P") << QStringLiteral("even");
    else
        args << QStringLiteral("-m") << QStringLiteral("tcp") << QStringLiteral("-p")
             << link.section(QLatin1Char(':'), 1);
    args << QStringLiteral("-a") << QString::number(unit) << QStringLiteral("-t") << QStringLiteral("4")
         << QStringLiteral("-r") << QString::number(number - 40000) << QStringLiteral("-c")
         << QStringLiteral("1") << QStringLiteral("-1")
         << (rtu ? link : link.section(QLatin1Char(':'), 0, 0));
    QProcess mbpoll;
    mbpoll.start(QStringLiteral("mbpoll"), args);
    if (!mbpoll.waitForFinished(10000)) {
        mbpoll.kill();
        mbpoll.waitForFinished(2000);
        return -1;
    }
    const QRegularExpression value(
        QStringLiteral("^\\[%1\\]:\\s*(-?\\d+)").arg(number - 40000), QRegularExpression::MultilineOption);
    const QRegularExpressionMatch match = value.match(QString::fromUtf8(mbpoll.readAllStandardOutput()));
    return match.hasMatch() ? match.captured(1).toInt() : -1;
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
