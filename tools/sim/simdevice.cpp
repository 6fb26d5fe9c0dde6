#include "simdevice.h"

#include "apppaths.h"
#include "csvline.h"
#include "devicefiles.h"
#include "parametervalues.h"
#include "simunit.h"
#include "treeitem.h"
#include "treemodel.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QTextCodec>
#include <QTextStream>
#include <memory>
#include <optional>

namespace {

// The most registers one record block may name: a whole register table.
constexpr int MaxBlockRegisters = 9999;

// Rows of one section as split lines; the marker and END lines excluded.
QList<QStringList> sectionRows(const QString &path, QTextCodec *codec, const QString &marker)
{
    QList<QStringList> rows;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return rows;
    QTextStream in(&file);
    in.setCodec(codec);
    bool inside = false;
    const QString endMarker = marker + QStringLiteral("END");
    while (!in.atEnd()) {
        const QStringList fields = CsvLine::split(in.readLine());
        const QString first = fields.value(0);
        if (!inside) {
            inside = first == marker;
            continue;
        }
        if (first == endMarker)
            break;
        rows.append(fields);
    }
    return rows;
}

int toInt(const QString &text, int fallback = 0)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    return ok ? value : fallback;
}

// The pole number the drive derives itself, by the rule the program applies to an edit: from
// frequency and speed when either of them is written, and a written pole number made even.
void setPoleRule(SimUnit &unit, const std::shared_ptr<std::unique_ptr<TreeModel>> &shared)
{
    const TreeModel *tree = shared->get();
    const auto pick = [tree](int position, TreeItem *byRole) {
        TreeItem *item = tree->dependencyItem(position);
        return item ? item : byRole;
    };
    const TreeItem *frequency = pick(DependencyTable::Frequency, tree->genPolesFreqItem());
    const TreeItem *speed = pick(DependencyTable::Speed, tree->genPolesSpeedItem());
    const TreeItem *poles = pick(DependencyTable::Poles, tree->polesItem());
    if (!frequency || !speed || !poles)
        return;
    // Register of each item per set; one for all sets when the parameter has one value.
    QHash<const TreeItem *, QVector<int>> registers;
    for (const TreeModel::ReadEntry &entry : tree->readList()) {
        if (entry.item == frequency || entry.item == speed || entry.item == poles)
            registers[entry.item].append(entry.registerNumber);
    }
    if (registers.size() != 3)
        return;
    unit.setWriteRule([shared, frequency, speed, poles, registers](SimUnit &target, int first, int count) {
        for (int set = 0; set < 4; ++set) {
            const auto number = [&](const TreeItem *item) {
                const QVector<int> &r = registers[item];
                return r.value(set, r.first());
            };
            const auto shown = [&](const TreeItem *item) {
                return ParameterValues::fromRegisters(*item, { target.value(number(item)) }).shown;
            };
            const auto written
                = [&](const TreeItem *item) { return number(item) >= first && number(item) < first + count; };
            std::optional<int> result;
            if (written(poles))
                result = DependencyTable::polesEntered(shown(poles));
            else if (written(speed))
                result = DependencyTable::polesFromSpeedEdit(shown(frequency), shown(speed));
            else if (written(frequency))
                result = DependencyTable::polesFromFrequencyEdit(shown(frequency), shown(speed));
            if (!result)
                continue;
            const QString stored = ParameterValues::fromShown(*poles, QString::number(*result)).stored;
            const QVector<quint16> words = ParameterValues::toRegisters(*poles, stored);
            if (!words.isEmpty())
                target.setValue(number(poles), words.first());
        }
    });
}

} // namespace

namespace SimDevice {

QString resolveDeviceFile(const QString &argument, QString *error)
{
    if (!argument.isEmpty()) {
        const QString path = DeviceFiles::resolveDeviceFile(argument);
        if (QFileInfo::exists(path))
            return path;
        *error = QStringLiteral("device description file not found: %1").arg(argument);
        return QString();
    }
    const QStringList files
        = QDir(AppPaths::csvDir()).entryList({ QStringLiteral("*.csv") }, QDir::Files, QDir::Name);
    if (files.isEmpty()) {
        *error = QStringLiteral("no device description files in %1").arg(AppPaths::csvDir());
        return QString();
    }
    return AppPaths::csvDir() + QLatin1Char('/') + files.first();
}

bool versionFromFileName(const QString &fileName, quint16 *version, quint16 *subVersion)
{
    static const QRegularExpression pattern(
        QStringLiteral("^.{3}([VPBA])(\\d+)\\.(\\d{2})(?:-(\\d{2})\\.(\\d{2}))?"),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = pattern.match(QFileInfo(fileName).fileName());
    if (!match.hasMatch())
        return false;
    const int letter = QStringLiteral("VPBA").indexOf(match.captured(1).toUpper());
    *version = quint16(
        (letter << 14) | ((match.captured(2).toInt() & 0x3F) << 8) | (match.captured(3).toInt() & 0xFF));
    *subVersion = match.captured(4).isEmpty()
        ? 0
        : quint16((match.captured(4).toInt() << 8) | (match.captured(5).toInt() & 0xFF));
    return true;
}

bool populate(SimUnit &unit, const QString &deviceFile, int sizeCode, QString *error)
{
    const QString fileName = QFileInfo(deviceFile).fileName();
    QTextCodec *codec = CsvLine::codecForDeviceFile(fileName);
    const QString generalCsv = AppPaths::generalCsvPath();

    // Identification: device code, version and size, where general.csv and the file say.
    const QString driveName = fileName.left(3);
    int deviceCode = -1;
    for (const QStringList &row :
        sectionRows(generalCsv, QTextCodec::codecForName("UTF-8"), QStringLiteral("[DEVICE CODE]"))) {
        if (row.value(1).compare(driveName, Qt::CaseInsensitive) == 0) {
            deviceCode = toInt(row.value(0), -1);
            break;
        }
    }
    if (deviceCode < 0) {
        *error = QStringLiteral("general.csv has no device code for the drive name %1").arg(driveName);
        return false;
    }
    const int deviceCodeRegister = toInt(DeviceFiles::VxCommReadGeneralCsv(generalCsv, 1, 1, 1));
    const int versionRegister = toInt(DeviceFiles::VxCommReadGeneralCsv(generalCsv, 3, deviceCode, 1));
    const int versionCount = toInt(DeviceFiles::VxCommReadGeneralCsv(generalCsv, 3, deviceCode, 2), 1);
    quint16 version = 0, subVersion = 0;
    if (deviceCodeRegister <= 0 || versionRegister <= 0
        || !versionFromFileName(fileName, &version, &subVersion)) {
        *error = QStringLiteral("cannot tell device code or version registers for %1").arg(fileName);
        return false;
    }
    unit.setValue(deviceCodeRegister, quint16(deviceCode));
    unit.markKnown(deviceCodeRegister);
    unit.setValue(versionRegister, version);
    unit.markKnown(versionRegister, qMax(1, versionCount));
    if (versionCount > 1)
        unit.setValue(versionRegister + 1, subVersion);

    // Without a size given, the drive is the first size the file lists.
    const QList<DeviceFiles::DriveSize> sizes = DeviceFiles::VxCommGetSizes(deviceFile);
    if (sizeCode < 0 && !sizes.isEmpty())
        sizeCode = sizes.first().code;
    if (sizeCode < 0)
        sizeCode = 0;
    const int sizeRegister = toInt(DeviceFiles::VxCommGetSizeAddress(deviceFile, 1, 1));
    if (sizeRegister > 0) {
        unit.setValue(sizeRegister, quint16(sizeCode));
        unit.markKnown(sizeRegister);
    }

    // Parameters hold their delivered values in every set.
    const QString inom = DeviceFiles::VxCommGetInom(deviceFile, sizeCode);
    const QString pnom = DeviceFiles::VxCommGetPnom(deviceFile, sizeCode);
    auto model = std::make_unique<TreeModel>(deviceFile, 0, inom, pnom, false);
    if (!model->isValid()) {
        *error = QStringLiteral("the parameter table of %1 is not valid").arg(fileName);
        return false;
    }
    for (const TreeModel::ReadEntry &entry : model->readList()) {
        const QVector<quint16> words = model->registerWords(entry.item, entry.set);
        for (int i = 0; i < entry.count; ++i)
            unit.setValue(entry.registerNumber + i, words.value(i));
        unit.markKnown(entry.registerNumber, entry.count);
    }

    // Recordable signals: one register each, in block order.
    const QList<QStringList> record = sectionRows(deviceFile, codec, QStringLiteral("[RECORD VALUES]"));
    int blockStart = 0, blockCount = 0, inBlock = 0, signalIndex = 0;
    bool expectHeader = false;
    for (const QStringList &row : record) {
        const QString first = row.value(0);
        if (first.contains(QLatin1String("//")) || first.startsWith(QLatin1Char('*')))
            continue;
        if (first == QLatin1String("%Block")) {
            expectHeader = true;
            continue;
        }
        if (expectHeader) {
            blockStart = toInt(row.value(1));
            blockCount = toInt(row.value(2));
            // One block lies within one register table: a count beyond it is a broken file,
            // not a reason to hold gigabytes of registers.
            if (blockCount < 0 || blockCount > MaxBlockRegisters || blockStart < 0 || blockStart > 65535) {
                *error = QStringLiteral("record block at register %1 of %2 counts %3 registers (at most %4)")
                             .arg(row.value(1), fileName, row.value(2))
                             .arg(MaxBlockRegisters);
                return false;
            }
            inBlock = 0;
            unit.markKnown(blockStart, blockCount);
            expectHeader = false;
            continue;
        }
        if (blockCount == 0 || inBlock >= blockCount || row.size() < 11)
            continue;
        SimUnit::Signal signal;
        signal.number = blockStart + inBlock++;
        signal.phase = 0.7 * signalIndex++;
        // Data fields: 6 fault-code flag, 7 "N" or bit mask, 10 number format.
        if (row.value(6) == QLatin1String("Y"))
            signal.kind = SimUnit::Signal::FaultCode;
        else if (row.value(7) != QLatin1String("N")) {
            signal.kind = SimUnit::Signal::Bits;
            signal.mask = quint16(toInt(row.value(7), 0xFFFF));
        } else if (row.value(10).contains(QLatin1Char('E')))
            signal.kind = SimUnit::Signal::AnalogDecimal;
        else if (row.value(10).contains(QLatin1Char('N')))
            signal.kind = SimUnit::Signal::AnalogSigned;
        else
            signal.kind = SimUnit::Signal::AnalogUnsigned;
        unit.addSignal(signal);
    }

    const DeviceFiles::ControlPanelInfo panel = DeviceFiles::VxCommGetControlPanel(deviceFile);
    SimUnit::Control control;
    control.forwardNumber = toInt(panel.fwdAddress);
    control.forwardValue = toInt(panel.fwdData, 1);
    control.reverseNumber = toInt(panel.revAddress);
    control.reverseValue = toInt(panel.revData, 1);
    control.stopNumber = toInt(panel.stpAddress);
    control.stopValue = toInt(panel.stpData, 1);
    control.runSourceNumber = toInt(panel.runSourceAddress);
    control.refSourceNumber = toInt(panel.refSourceAddress);
    control.referenceNumber = toInt(panel.refAddress);
    control.referenceMax = toInt(panel.refMaxValue, 100);
    unit.setControl(control);

    // The model stays alive with the unit: a new trip entry is written through it, so date,
    // time and run time get exactly the register words the program decodes.
    auto shared = std::make_shared<std::unique_ptr<TreeModel>>(std::move(model));
    TreeModel *tree = shared->get();
    SimUnit::TripLog tripLog;
    tripLog.messageCount = sectionRows(deviceFile, codec, QStringLiteral("[TRIP MESSAGES]")).size();
    // The trip log is the menu in the eighth top-level row; each entry is a menu whose first
    // parameter is the fault number, followed by date, time, values and run time.
    QList<const TreeItem *> entryMenus;
    const TreeItem *root = tree->rootItem();
    std::function<void(const TreeItem *)> findEntries = [&](const TreeItem *item) {
        for (const TreeItem *child : item->children()) {
            if (!child->isMenu())
                continue;
            if (!child->children().isEmpty() && !child->children().first()->isMenu())
                entryMenus.append(child);
            else
                findEntries(child);
        }
    };
    if (root && root->childCount() > 7)
        findEntries(root->child(7));
    QHash<const TreeItem *, int> countOf;
    for (const TreeModel::ReadEntry &entry : tree->readList())
        countOf.insert(entry.item, entry.count);
    for (const TreeItem *menu : qAsConst(entryMenus)) {
        QVector<int> registers;
        for (const TreeItem *item : menu->children()) {
            const int number = toInt(item->field(5));
            for (int k = 0; number > 0 && k < countOf.value(item, 1); ++k)
                registers.append(number + k);
        }
        tripLog.entries.append(registers);
    }
    if (!entryMenus.isEmpty()) {
        const TreeItem *newest = entryMenus.first();
        tripLog.writeNewest = [shared, newest](SimUnit &target, int code) {
            TreeModel *m = shared->get();
            const QDateTime now = QDateTime::currentDateTime();
            for (const TreeItem *item : newest->children()) {
                const int number = toInt(item->field(5));
                if (number <= 0)
                    continue;
                QString shown;
                const QString type = item->field(19);
                if (item == newest->children().first())
                    shown = QString::number(code);
                else if (type == QLatin1String("T_YYMMDD"))
                    shown = now.toString(QStringLiteral("yy:MM:dd"));
                else if (type == QLatin1String("T_HHMMSST"))
                    shown = now.toString(QStringLiteral("hh:mm:ss"));
                else if (type == QLatin1String("T"))
                    shown = QStringLiteral("%1:%2:00")
                                .arg(1234 + now.time().hour())
                                .arg(now.time().minute(), 2, 10, QLatin1Char('0'));
                else if (item->text(TreeItem::UnitColumn).trimmed() == QLatin1String("rpm"))
                    shown = QString::number(int(target.speed() * 1500.0));
                else
                    shown = QStringLiteral("0");
                TreeItem *editable = const_cast<TreeItem *>(item);
                const QModelIndex index = m->indexOf(editable, TreeItem::SetAColumn);
                if (item == newest->children().first() && editable->kind() != TreeItem::Numeric) {
                    // Fault texts are chosen by number: store the number directly.
                    target.setValue(number, quint16(code));
                    continue;
                }
                m->setData(index, shown, Qt::EditRole);
                const QVector<quint16> words = m->registerWords(item, 0);
                for (int k = 0; k < words.size(); ++k)
                    target.setValue(number + k, words[k]);
            }
        };
    }
    // Actual values under the seventh top-level row follow the motor.
    if (root && root->childCount() > 6) {
        int voltageSeen = 0;
        std::function<void(const TreeItem *)> live = [&](const TreeItem *item) {
            for (const TreeItem *child : item->children()) {
                if (child->isMenu()) {
                    live(child);
                    continue;
                }
                const int number = toInt(child->field(5));
                const QStringList texts = child->valueTexts();
                if (number > 0 && texts.contains(QLatin1String("Stop"))
                    && texts.contains(QLatin1String("Run"))) {
                    // The drive status shows what the motor does.
                    SimUnit::DriveState state;
                    state.number = number;
                    state.stop = texts.indexOf(QLatin1String("Stop"));
                    state.run = texts.indexOf(QLatin1String("Run"));
                    state.accelerating = texts.indexOf(QLatin1String("Acc"));
                    state.decelerating = texts.indexOf(QLatin1String("Dec"));
                    unit.setDriveState(state);
                    continue;
                }
                if (number <= 0 || child->kind() != TreeItem::Numeric
                    || child->field(19).startsWith(QLatin1Char('T')))
                    continue;
                const QString unitText = child->text(TreeItem::UnitColumn).trimmed();
                SimUnit::LiveValue value;
                value.number = number;
                if (unitText == QLatin1String("rpm")) {
                    value.gain = 1500.0;
                    value.magnitude = false;
                } else if (unitText == QLatin1String("Hz")) {
                    value.gain = 50.0;
                    value.decimals = 1;
                } else if (unitText == QLatin1String("A")) {
                    value.offset = 0.4;
                    value.gain = 11.6;
                    value.decimals = 1;
                } else if (unitText == QLatin1String("V")) {
                    value.offset = voltageSeen++ == 0 ? 0.0 : 560.0;
                    value.gain = voltageSeen == 1 ? 400.0 : 5.0;
                } else if (unitText == QLatin1String("Nm")) {
                    value.gain = 35.0;
                    value.magnitude = false;
                } else if (unitText == QLatin1String("kW")) {
                    value.gain = 5.5;
                    value.decimals = 1;
                } else if (unitText == QLatin1String("%")) {
                    value.gain = 100.0;
                } else if (unitText.endsWith(QLatin1Char('C'))) {
                    value.offset = 32.0;
                    value.gain = 12.0;
                } else {
                    continue;
                }
                unit.addLiveValue(value);
            }
        };
        live(root->child(6));
    }
    unit.setTripLog(tripLog);
    setPoleRule(unit, shared);
    return true;
}

} // namespace SimDevice
