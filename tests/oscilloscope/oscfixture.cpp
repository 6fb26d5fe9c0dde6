#include "oscfixture.h"

#include "apppaths.h"
#include "unitentryfields.h"

bool OscFixture::install(const TestInstallation::Edit &edit)
{
    if (!dir.isValid())
        return false;
    AppPaths::setBaseDir(dir.path());
    TestInstallation inst(dir.path());
    return inst.addGeneralCsv() && inst.addDeviceFile(QStringLiteral("KTZV1.10.csv"), edit);
}

QStringList OscFixture::entry(const QString &iface, int unit) const
{
    namespace F = UnitEntryField;
    QStringList e = F::emptyEntry();
    e[F::Number] = QString::number(unit);
    e[F::Name] = QStringLiteral("KTZ23-2P5 (%1)").arg(unit);
    e[F::State] = F::connected();
    e[F::Interface] = iface;
    e[F::DeviceFile] = dir.filePath(QStringLiteral("csv_file/KTZV1.10.csv"));
    e[F::Version] = QStringLiteral("V1.10");
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
