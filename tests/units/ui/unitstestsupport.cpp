#include "unitstestsupport.h"

#include "simpeer.h"

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
