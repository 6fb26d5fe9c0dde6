#include "unitstestsupport.h"

#include "simpeer.h"

#include <QProcess>
#include <QRegularExpression>
#include <unistd.h>

QString prepareTestInstallation(const QString &dir)
{
    TestInstallation installation(dir);
    const QString device = QStringLiteral(TARVOLINK_SOURCE_DIR "/tests/parameters/data/TSTV1.00.csv");
    if (!installation.addGeneralCsv(addingTestDrive(4690, "TST")) || !installation.addDeviceFileFrom(device))
        return QString();
    return installation.deviceFilePath(QStringLiteral("TSTV1.00.csv"));
}

bool canServePort502()
{
    return geteuid() == 0;
}

int mbpollReadHolding(const QString &address, int unit, int registerNumber)
{
    QProcess mbpoll;
    mbpoll.start(QStringLiteral("mbpoll"),
        { QStringLiteral("-m"), QStringLiteral("tcp"), QStringLiteral("-a"), QString::number(unit),
            QStringLiteral("-t"), QStringLiteral("4"), QStringLiteral("-r"),
            QString::number(registerNumber - 40000), QStringLiteral("-c"), QStringLiteral("1"),
            QStringLiteral("-1"), address });
    if (!mbpoll.waitForFinished(5000)) {
        mbpoll.kill();
        mbpoll.waitForFinished(1000);
        return -1;
    }
    const QString text = QString::fromLocal8Bit(mbpoll.readAllStandardOutput());
    const QRegularExpression value(QStringLiteral("\\[%1\\]:\\s*(-?\\d+)").arg(registerNumber - 40000));
    const auto match = value.match(text);
    return match.hasMatch() ? match.captured(1).toInt() & 0xFFFF : -1;
}
