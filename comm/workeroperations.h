#pragma once

#include "controlreadback.h"
#include "devicefiles.h"
#include "treemodel.h"

#include <QString>
#include <QStringList>
#include <QVector>
#include <functional>

class AcquisitionSink;
class TreeItem;
class VxCommModbusMaster;

// The operations of the unit worker as plain functions on the calling thread: importfileThread
// runs them on its own thread, tests and the command line call them directly.
namespace WorkerOps {

constexpr int DefaultWritePaceMs = 150; // between two parameters of a write of all parameters
constexpr int TriplogPauseMs = 1000; // between two passes of the trip-log update
constexpr int StatusPauseMs = 10; // between two passes of the status update

// Outcome of an operation.
enum Result {
    Completed = 1, // walked to the end (items skipped by ContinueDespiteCOMFault included)
    Cancelled = 0, // runFlag cleared: ended after the current item
    Failed = -1, // a failed exchange ended it; the message was reported
    Removed = -2 // the unit is being removed: ended at the next exchange, nothing reported
};

// What an operation tells its owner; importfileThread turns each into its signal. Unset members
// are not called.
struct Reports
{
    std::function<void(int, int)> progressRange;
    std::function<void(int)> progress;
    std::function<void()> progressClose;
    // Parameters read or written by a read or write of all parameters, reported once as it ends.
    std::function<void(int)> handled;
    // A parameter passed over after a failed exchange (ContinueDespiteCOMFault), before the
    // progress of its group is reported.
    std::function<void(TreeItem *)> skipped;
    std::function<void(const QString &message, const QString &title)> errorMsg;
    std::function<void()> enableWindow;
    std::function<void(const QString &)> changeUnitName;
    std::function<void()> statusUpdated;
    std::function<void()> triplogUpdated;
    std::function<void()> controlUpdated;
    // The drive's active trip as the status update read it (0 = none): the first reading of a
    // run and every change after it.
    std::function<void(int code)> activeFault;
    std::function<void(const QStringList &entry, const QString &deviceFile, const QString &version,
        const QString &driveSize, double reference, const QString &referenceSource, const QString &runSource,
        const QString &motorDirection, bool newLink, int status)>
        unitInfo;
};

// Everything an operation works with. master and model are not owned.
struct Context
{
    VxCommModbusMaster *master = nullptr;
    int unitAddress = 1;
    QStringList entry; // the unit entry; the add-unit operation writes its fields
    TreeModel *model = nullptr;
    // The unit's own model when a write sends the values of another (a set from a file): what the
    // unit took is stored there as each write succeeds. Unset = the unit's model is `model`.
    TreeModel *unitModel = nullptr;
    bool ignoreCommFault = false; // "ContinueDespiteCOMFault"
    // Register of the drive's active trip, read by the status update after each pass; 0 = none.
    int activeTripRegister = 0;
    // Parameters are read in runs of consecutive registers where the unit accepts it.
    bool blockReads = false;
    // removeFlag: the unit is being removed. Unset = never.
    std::function<bool()> removed;
    // runFlag: false = stop after the current item (cyclic operations: after the current pass).
    // Unset = always run.
    std::function<bool()> running;
    // Waits up to msecs, returning early when running() turns false or removed() true. Unset =
    // a sleep in short slices that checks both.
    std::function<void(int msecs)> pause;
    Reports out;
};

// Outcome of one exchange under the common pattern.
enum class Exchange { Ok, Failed, NotConnected, Removed };

// One exchange: lock the master's mutex for exactly this exchange, check that the unit is
// connected, end silently when the unit is being removed, set the unit address, exchange, unlock.
// *code receives the transaction's result (or -18 when the unit is not connected), *exception
// the code of an exception reply (0 for none).
Exchange exchange(Context &ctx, int type, int readAddress, int writeAddress, int readCount, int writeCount,
    const quint8 *writeData, quint8 *reply, int *code = nullptr, int *exception = nullptr);

// Reads count registers (type 3 or 4) or coils/inputs (1, 2) at a one-based number into words.
Exchange readWords(Context &ctx, int type, int number, int count, QVector<quint16> *words);
// Writes words at a one-based number (holding registers or coils).
Exchange writeWords(Context &ctx, int type, int number, const QVector<quint16> &words, int *code = nullptr);

// 0: reads every parameter of the model's read list (per-set ones four times) into the model.
Result readAllParameters(Context &ctx);

struct WriteOptions
{
    bool exportOnlyChanged = false; // "ExportOnlyChanged": only values changed offline
    int paceMs = DefaultWritePaceMs;
};
// 1: writes every writable parameter of the model to the unit.
Result writeParameters(Context &ctx, const WriteOptions &options = WriteOptions());
// 2: writes one parameter of one set, then re-reads what depends on it.
Result writeOneParameter(Context &ctx, TreeItem *item, int set);
// Re-reads every parameter whose value depends on item, for set (and every set for the
// parameters with one value per set), and stores it in the model.
Result updateDependingFields(Context &ctx, TreeItem *item, int set);

// The parameters a cyclic update reads: top-level rows 2 (its first child only) and 6 for the
// status view, row 7 for the trip log; set A, as both views show only set A.
// Parameters of the trip log that lie outside the ten trip groups (the reset command) are left out.
QVector<TreeModel::ReadEntry> statusParameters(const TreeModel &model);
QVector<TreeModel::ReadEntry> triplogParameters(const TreeModel &model);
// 16: reads the status parameters while running(), storing each pass in the model, and the
// active trip after each pass.
Result oprStatusUpdate(Context &ctx);
// 9: reads the trip-log parameters while running(), storing each pass in the model.
Result triplogUpdate(Context &ctx);

struct AddUnitRequest
{
    int fileMode = 1; // 1 = choose the device description file from the unit, 2 = use filePath
    QString filePath;
    quint16 tcpPort = 502;
    bool newLink = false; // the serial link was opened for this unit: closed again on failure
};
// 19: identification of a unit added by hand; reports through out.unitInfo (and errorMsg on
// failure). Returns the identification status (1 identified, negative failure code).
int addUnit(Context &ctx, const AddUnitRequest &request);

// 17: oscilloscope acquisition. The shortest pause between two cycles: a unit slower than the
// interval is sampled every cycle time + 20 ms, so other workers on its link get their turn.
constexpr int AcquisitionMinGapMs = 20;
// The pause after a cycle of elapsedMs: interval - elapsed, or the minimum gap.
int acquisitionWait(int intervalMs, qint64 elapsedMs);
// One cycle: reads every signal block of the device (one exchange each, table type from the
// block's start register) and hands the words to the sink. False when the cycle was invalid
// (a failed exchange, or a reply shorter than its block); nothing is handed over once removed().
bool acquisitionCycle(Context &ctx, AcquisitionSink *sink);
// Runs cycles while running(), pausing through ctx.pause; interval() is read before each pause.
Result acquire(Context &ctx, AcquisitionSink *sink, const std::function<int()> &interval);

// 3 to 8: the control panel's commands, one value written to the registers the unit's
// "[CONTROL PANEL]" section names.
enum ControlKind {
    RunForward = 3,
    RunBackward = 4,
    StopMotor = 5,
    ReferenceSource = 6, // value: source index
    RunStopSource = 7, // value: source index
    ReferenceValue = 8 // value: percent, 0 to 100
};
constexpr int ControlUpdatePauseMs = 5000; // between two passes of the control update

// One write of a control command: table type, first number, and the words (coils: one word of
// 0 or 1 per coil).
struct ControlWrite
{
    int type = 4;
    int number = 0;
    QVector<quint16> words;
};
// What `kind` with `value` writes for this panel; false when the file names no register for it.
// A motor command on coils covers as many coils as the widest command starting at the same coil,
// so a command of value 0 clears the coils another command set.
bool controlWriteFor(const DeviceFiles::ControlPanelInfo &panel, int kind, double value, ControlWrite *out);
// Writes one control command; a failure is reported with the command's own message.
Result controlCommand(Context &ctx, const DeviceFiles::ControlPanelInfo &panel, int kind, double value);

// What the control update reads; -1 (reference: a negative value) where a read failed.
struct ControlReadings
{
    double reference = -1.0; // percent
    int referenceSource = -1;
    int runSource = -1;
    int command = -1; // 0 forward, 1 backward, 2 stop
};
// One pass of the control update: reference, both sources and the motor command the unit holds.
// False when the unit is being removed or nothing could be read.
bool readControlState(Context &ctx, const DeviceFiles::ControlPanelInfo &panel, ControlReadings *out);
// 20: reads the control state while running(), hands each pass to `update`, then reports
// controlUpdated and pauses pauseMs. Failed reads are left out silently: a unit that does not
// answer is already reported by its other workers.
Result controlUpdate(Context &ctx, const DeviceFiles::ControlPanelInfo &panel,
    const std::function<void(const ControlReadings &)> &update, int pauseMs = ControlUpdatePauseMs);

} // namespace WorkerOps
