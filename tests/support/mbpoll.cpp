#include "mbpoll.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStringList>

int mbpollReadHolding(const QString &link, int unit, int registerNumber, bool rtu)
{
    QStringList args;
    QString target = link;
    if (rtu) {
        args << QStringLiteral("-m") << QStringLiteral("rtu") << QStringLiteral("-b")
             << QStringLiteral("38400") << QStringLiteral("-P") << QStringLiteral("even");
    } else {
        args << QStringLiteral("-m") << QStringLiteral("tcp");
        if (link.contains(QLatin1Char(':'))) {
            args << QStringLiteral("-p") << link.section(QLatin1Char(':'), 1);
            target = link.section(QLatin1Char(':'), 0, 0);
        }
    }
    const int offset = registerNumber - 40000;
    args << QStringLiteral("-a") << QString::number(unit) << QStringLiteral("-t") << QStringLiteral("4")
         << QStringLiteral("-r") << QString::number(offset) << QStringLiteral("-c") << QStringLiteral("1")
         << QStringLiteral("-1") << target;
    QProcess mbpoll;
    mbpoll.start(QStringLiteral("mbpoll"), args);
    if (!mbpoll.waitForFinished(10000)) {
        mbpoll.kill();
        mbpoll.waitForFinished(2000);
        return -1;
    }
    const QRegularExpression value(
        QStringLiteral("^\\[%1\\]:\\s*(-?\\d+)").arg(offset), QRegularExpression::MultilineOption);
    const QRegularExpressionMatch match = value.match(QString::fromLocal8Bit(mbpoll.readAllStandardOutput()));
    return match.hasMatch() ? match.captured(1).toInt() & 0xFFFF : -1;
}
