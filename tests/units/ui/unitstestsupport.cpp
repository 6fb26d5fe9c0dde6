#include "unitstestsupport.h"

#include "apppaths.h"
#include "paramtransfer.h"
#include "settingsbinder.h"
#include "simpeer.h"
#include "tabwidget.h"
#include "unitfactory.h"

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

bool TabFixture::setUp()
{
    dir = std::make_unique<QTemporaryDir>();
    device = dir->isValid() ? prepareTestInstallation(dir->path()) : QString();
    AppPaths::setBaseDir(dir->path());
    prompter.reset();
    rows.clear();
    return !device.isEmpty();
}

void TabFixture::tearDown()
{
    tab.reset();
    AppPaths::setBaseDir(QString());
    verifyPrompts();
}

TabWidget &TabFixture::makeTab(std::unique_ptr<UnitFactory> factory)
{
    tab = std::make_unique<TabWidget>(prompter, nullptr, std::move(factory));
    SettingsRecord &s = tab->settings().record();
    s.importActive = false;
    s.autoSave = false;
    s.delayMs = 0;
    s.retriesEnabled = false;
    s.continueDespiteFault = false;
    connect(tab.get(), &TabWidget::linkInformation, this, [this](const QString &row) { rows << row; });
    return *tab;
}

QStringList TabFixture::simArgs(const QStringList &extra) const
{
    return QStringList { QStringLiteral("--data"), dir->path(), QStringLiteral("--device"), device,
        QStringLiteral("--size"), QStringLiteral("1") }
    + extra;
}

void TabFixture::connectTcp(const QString &ip, int unit)
{
    tab->onAddUnitClicked(
        unit, QString(), 19200, QStringLiteral("N,8,1"), unit, ip, QStringLiteral("TCPIP"), 1, QString());
}

void TabFixture::connectSerial(const QString &iface, const QString &port, int unit)
{
    tab->onAddUnitClicked(unit, port, 19200, QStringLiteral("N,8,1"), unit, QString(), iface, 1, QString());
}

bool TabFixture::waitRow(const QString &needle, int ms)
{
    return waitFor([&] { return rowsWith(needle) > 0; }, ms);
}

int TabFixture::rowsWith(const QString &needle) const
{
    int n = 0;
    for (const QString &row : rows)
        n += row.contains(needle) ? 1 : 0;
    return n;
}

bool TabFixture::readAll(const QStringList &entry)
{
    tab->GetTreeModelslotImport(tab->modelOf(entry), entry);
    return tab->transfer()->isOpen() && waitFor([this] { return !tab->transfer()->isOpen(); }, 30000);
}
