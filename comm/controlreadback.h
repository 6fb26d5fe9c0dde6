#pragma once

#include <QVector>

// How the control panel's registers read back: the source a selector register holds, and which
// motor command the command registers hold. The window's identification and the unit worker's
// control update read them alike.
namespace WorkerOps {

// The sources both selectors offer, in their order; Com means "controlled through this program".
enum ControlSource { SourceRemote = 0, SourceKeyboard = 1, SourceCom = 2, SourceOption = 3 };
// A source register's value as a source; a value no source has reads as Remote.
int sourceIndex(int registerValue);

// The motor commands forward, reverse and stop in that order: register number (0: none) and the
// value that selects the command.
struct MotorCommand
{
    int number = 0;
    uint value = 0;
};
// The one read that shows which command a unit holds: table type (1 coils, 4 holding registers),
// first number and count; count 0 when the commands cannot be read as one state (a command
// missing, two tables, inputs, or too far apart for one request).
struct CommandRead
{
    int type = 0;
    int first = 0;
    int count = 0;
};
CommandRead commandRead(const QVector<MotorCommand> &commands);
// The command whose value `items` (one coil or one register per item, from read.first) hold:
// 0 forward, 1 reverse, 2 stop; -1 for none.
int heldCommand(
    const QVector<MotorCommand> &commands, const CommandRead &read, const QVector<quint16> &items);

} // namespace WorkerOps
