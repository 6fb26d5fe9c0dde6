#include "oscfixture.h"

#include "apppaths.h"

bool OscFixture::install(const TestInstallation::Edit &edit)
{
    if (!dir.isValid())
        return false;
    AppPaths::setBaseDir(dir.path());
    TestInstallation inst(dir.path());
    return inst.addGeneralCsv() && inst.addDeviceFile(QStringLiteral("KTZV1.10.csv"), edit);
}

QStringList OscFixture::entry(const QString &name) const
{
    QStringList e;
    for (int i = 0; i < 21; ++i)
        e.append(QString());
    e[0] = QStringLiteral("1");
    e[1] = name;
    e[2] = QStringLiteral("connect");
    e[3] = QStringLiteral("RS232");
    e[8] = dir.filePath(QStringLiteral("csv_file/KTZV1.10.csv"));
    e[11] = QStringLiteral("V1.10");
    return e;
}

std::unique_ptr<OscUnitDev> OscFixture::device(int runningNumber)
{
    auto dev = std::make_unique<OscUnitDev>(entry(), runningNumber, 1);
    dev->setClock([this] { return clock.toMSecsSinceEpoch(); });
    return dev;
}

QByteArray OscFixture::words(quint16 fill, const QList<QPair<int, quint16>> &set)
{
    QVector<quint16> w(Signals, fill);
    for (const auto &p : set)
        w[p.first] = p.second;
    QByteArray bytes;
    for (quint16 v : w) {
        bytes.append(char(v >> 8));
        bytes.append(char(v & 0xFF));
    }
    return bytes;
}
