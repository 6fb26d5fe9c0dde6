// The control panel from a shell: run forward or reverse, stop, the reference value and both
// sources, written with the worker's own control operations.
#include "clicommon.h"
#include "cliunit.h"
#include "devicefiles.h"
#include "registerword.h"
#include "workeroperations.h"

#include <QCommandLineParser>
#include <QJsonObject>
#include <QTextStream>

namespace {

const QStringList kSources { QStringLiteral("Remote"), QStringLiteral("Keyboard"), QStringLiteral("COM"),
    QStringLiteral("Option") };

// "COM" (any case) or "2" -> 2; -1 for neither.
int sourceIndex(const QString &text)
{
    for (int i = 0; i < kSources.size(); ++i)
        if (kSources.at(i).compare(text.trimmed(), Qt::CaseInsensitive) == 0)
            return i;
    bool ok = false;
    const int n = text.toInt(&ok);
    return ok && n >= 0 && n < kSources.size() ? n : -1;
}

QString sourceName(int index)
{
    return index >= 0 && index < kSources.size() ? kSources.at(index) : QStringLiteral("unknown");
}

QString commandName(int command)
{
    static const QStringList names { QStringLiteral("forward"), QStringLiteral("reverse"),
        QStringLiteral("stop") };
    return command >= 0 && command < names.size() ? names.at(command) : QStringLiteral("unknown");
}

} // namespace

namespace CliCommands {

int control(const QStringList &args)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Drives a unit as the control panel does: one of --forward, --reverse, --stop, --ref, "
        "--ref-source, --run-source. Motor commands need the run/stop source \"COM\", --ref the "
        "reference source \"COM\". Without an action the control state is printed."));
    CliArgs::addUnitOptions(parser);
    parser.addOption({ QStringLiteral("forward"), QStringLiteral("Run the motor forward.") });
    parser.addOption({ QStringLiteral("reverse"), QStringLiteral("Run the motor in reverse.") });
    parser.addOption({ QStringLiteral("stop"), QStringLiteral("Stop the motor.") });
    parser.addOption({ QStringLiteral("ref"), QStringLiteral("Reference value, 0 to 100 percent."),
        QStringLiteral("PERCENT") });
    parser.addOption({ QStringLiteral("ref-source"),
        QStringLiteral("Reference source: Remote, Keyboard, COM or Option."), QStringLiteral("NAME") });
    parser.addOption({ QStringLiteral("run-source"),
        QStringLiteral("Run/stop source: Remote, Keyboard, COM or Option."), QStringLiteral("NAME") });
    parser.addOption({ QStringLiteral("json"), QStringLiteral("Print the control state as a JSON object.") });
    int exitCode = 0;
    CliOptions options;
    if (!CliCommon::parseUnitCommand(parser, args, 0,
            QStringLiteral("control (--forward | --reverse | --stop | --ref PERCENT | --ref-source NAME | "
                           "--run-source NAME) --tcp ADDRESS | --rtu PORT"),
            true, options, &exitCode))
        return exitCode;

    // The action, checked before anything is sent.
    int kind = 0;
    double value = 0.0;
    int actions = 0;
    const QList<QPair<QString, int>> motor { { QStringLiteral("forward"), WorkerOps::RunForward },
        { QStringLiteral("reverse"), WorkerOps::RunBackward },
        { QStringLiteral("stop"), WorkerOps::StopMotor } };
    for (const auto &m : motor)
        if (parser.isSet(m.first)) {
            kind = m.second;
            ++actions;
        }
    if (parser.isSet(QStringLiteral("ref"))) {
        bool ok = false;
        value = RegisterWord::parseNumber(parser.value(QStringLiteral("ref")), &ok);
        if (!ok || value < 0.0 || value > 100.0)
            return CliCommon::fail(CliExit::Usage, QStringLiteral("--ref: Range is 0 to 100"));
        kind = WorkerOps::ReferenceValue;
        ++actions;
    }
    for (const auto &source : { qMakePair(QStringLiteral("ref-source"), int(WorkerOps::ReferenceSource)),
             qMakePair(QStringLiteral("run-source"), int(WorkerOps::RunStopSource)) }) {
        if (!parser.isSet(source.first))
            continue;
        const int index = sourceIndex(parser.value(source.first));
        if (index < 0)
            return CliCommon::fail(CliExit::Usage,
                QStringLiteral("--%1: one of %2").arg(source.first, kSources.join(QLatin1String(", "))));
        kind = source.second;
        value = index;
        ++actions;
    }
    if (actions > 1)
        return CliCommon::fail(CliExit::Usage, QStringLiteral("control takes one action at a time"));

    const auto unit = CliCommon::connectUnit(options, options.target, &exitCode);
    if (!unit)
        return exitCode;
    const DeviceFiles::ControlPanelInfo panel = DeviceFiles::VxCommGetControlPanel(unit->deviceFile());
    WorkerOps::Context ctx;
    ctx.master = unit->master();
    ctx.unitAddress = unit->target().unit;
    QString message;
    ctx.out.errorMsg = [&message](const QString &text, const QString &) { message = text.trimmed(); };

    WorkerOps::ControlReadings state;
    if (!WorkerOps::readControlState(ctx, panel, &state))
        return CliCommon::fail(CliExit::Link,
            QStringLiteral("control state not read: %1")
                .arg(unit->lastFailure().isEmpty()
                        ? QStringLiteral("the CSV file names no control panel registers")
                        : unit->lastFailure()));
    if (kind != 0) {
        // As in the window, whose buttons and field are enabled only then.
        const bool motorCommand = kind >= WorkerOps::RunForward && kind <= WorkerOps::StopMotor;
        if (motorCommand && state.runSource != WorkerOps::SourceCom)
            return CliCommon::fail(CliExit::Refused,
                QStringLiteral("the run/stop source is %1, not COM: nothing written (--run-source COM first)")
                    .arg(sourceName(state.runSource)));
        if (kind == WorkerOps::ReferenceValue && state.referenceSource != WorkerOps::SourceCom)
            return CliCommon::fail(CliExit::Refused,
                QStringLiteral(
                    "the reference source is %1, not COM: nothing written (--ref-source COM first)")
                    .arg(sourceName(state.referenceSource)));
        if (WorkerOps::controlCommand(ctx, panel, kind, value) != WorkerOps::Completed) {
            const QString failure = unit->lastFailure();
            return CliCommon::fail(
                CliExit::Link, failure.isEmpty() ? message : message + QStringLiteral(": ") + failure);
        }
        WorkerOps::readControlState(ctx, panel, &state);
    }
    if (parser.isSet(QStringLiteral("json"))) {
        CliCommon::printJson({ { QStringLiteral("unitName"), unit->unitName() },
            { QStringLiteral("reference"), state.reference },
            { QStringLiteral("referenceSource"), sourceName(state.referenceSource) },
            { QStringLiteral("runSource"), sourceName(state.runSource) },
            { QStringLiteral("command"), commandName(state.command) } });
    } else {
        QTextStream(stdout) << "Unit name:       " << unit->unitName() << '\n'
                            << "Ref value:       " << QString::number(state.reference, 'g', 6) << " %\n"
                            << "Ref source:      " << sourceName(state.referenceSource) << '\n'
                            << "Run/Stop source: " << sourceName(state.runSource) << '\n'
                            << "Motor:           " << commandName(state.command) << '\n';
    }
    return CliExit::Ok;
}

} // namespace CliCommands
