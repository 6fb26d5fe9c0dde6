#include "simunit.h"

#include "registerword.h"

#include <QTextStream>
#include <cmath>
#include <modbus.h>

namespace {
constexpr int TableSize = 10000;
constexpr double RampPerSecond = 0.5; // the motor reaches full speed in two seconds
} // namespace

SimUnit::SimUnit(int unitNumber)
    : m_unitNumber(unitNumber)
    , m_map(modbus_mapping_new(TableSize, TableSize, TableSize, TableSize))
{ }

SimUnit::~SimUnit()
{
    modbus_mapping_free(m_map);
}

quint16 SimUnit::value(int number) const
{
    if (number >= 1 && number <= TableSize)
        return m_map->tab_bits[number - 1];
    if (number >= 10001 && number < 10001 + TableSize)
        return m_map->tab_input_bits[number - 10001];
    if (number >= 30001 && number < 30001 + TableSize)
        return m_map->tab_input_registers[number - 30001];
    if (number >= 40001 && number < 40001 + TableSize)
        return m_map->tab_registers[number - 40001];
    return 0;
}

void SimUnit::setValue(int number, quint16 value)
{
    if (number >= 1 && number <= TableSize)
        m_map->tab_bits[number - 1] = value ? 1 : 0;
    else if (number >= 10001 && number < 10001 + TableSize)
        m_map->tab_input_bits[number - 10001] = value ? 1 : 0;
    else if (number >= 30001 && number < 30001 + TableSize)
        m_map->tab_input_registers[number - 30001] = value;
    else if (number >= 40001 && number < 40001 + TableSize)
        m_map->tab_registers[number - 40001] = value;
}

void SimUnit::markKnown(int number, int count)
{
    m_spans.insert(number, qMax(count, m_spans.value(number)));
    for (int i = 0; i < count; ++i)
        m_known.insert(number + i);
}

bool SimUnit::validRequest(int function, int firstNumber, int count) const
{
    if (m_known.isEmpty())
        return true;
    // Function 23 names its read range first; the write range is checked by libmodbus.
    // Register reads are checked whole; the coils of the motor commands are served as a word.
    const bool registers = function == 3 || function == 4;
    for (int i = 0; i < (registers ? count : 1); ++i)
        if (!m_known.contains(firstNumber + i))
            return false;
    return true;
}

void SimUnit::setControl(const Control &control)
{
    m_control = control;
    for (int number : { control.forwardNumber, control.reverseNumber, control.stopNumber,
             control.runSourceNumber, control.refSourceNumber, control.referenceNumber }) {
        if (number > 0)
            markKnown(number);
    }
    // A drive fresh from the factory runs at half speed when started from the panel.
    if (control.referenceNumber > 0 && value(control.referenceNumber) == 0)
        setValue(control.referenceNumber, quint16(control.referenceMax / 2));
    setMotor(Motor::Stopped);
}

namespace {
// Coils a command value occupies: the base-2 digits of the value, lowest digit on the first coil.
int commandWidth(int value)
{
    int width = 1;
    while ((value >> width) != 0)
        ++width;
    return width;
}
} // namespace

QList<SimUnit::Command> SimUnit::commands() const
{
    QList<Command> list;
    if (m_control.forwardNumber > 0)
        list.append({ m_control.forwardNumber, m_control.forwardValue, Motor::Forward });
    if (m_control.reverseNumber > 0)
        list.append({ m_control.reverseNumber, m_control.reverseValue, Motor::Reverse });
    if (m_control.stopNumber > 0)
        list.append({ m_control.stopNumber, m_control.stopValue, Motor::Stopped });
    return list;
}

int SimUnit::commandPattern(const Command &command) const
{
    if (command.number >= 40001)
        return value(command.number);
    int pattern = 0;
    for (int i = 0; i < commandWidth(command.value); ++i)
        pattern |= (value(command.number + i) ? 1 : 0) << i;
    return pattern;
}

void SimUnit::writeCommandPattern(const Command &command, int pattern)
{
    if (command.number >= 40001) {
        setValue(command.number, quint16(pattern));
        return;
    }
    for (int i = 0; i < commandWidth(command.value); ++i)
        setValue(command.number + i, quint16((pattern >> i) & 1));
}

void SimUnit::setMotor(Motor motor)
{
    m_motor = motor;
    const QList<Command> all = commands();
    for (const Command &command : all) {
        if (command.motor != motor)
            continue;
        // The active command reads back as written; commands on other coils read back clear.
        // Commands that share the coils (one coil word, several values) keep the written pattern.
        writeCommandPattern(command, command.value);
        for (const Command &other : all) {
            const bool overlaps = other.number < command.number + commandWidth(command.value)
                && command.number < other.number + commandWidth(other.value);
            if (other.motor != motor && !overlaps)
                writeCommandPattern(other, 0);
        }
        return;
    }
}

void SimUnit::commandWritten(int first, int count)
{
    for (const Command &command : commands()) {
        const int width = command.number >= 40001 ? 1 : commandWidth(command.value);
        const bool touched = command.number < first + count && first < command.number + width;
        if (touched && commandPattern(command) == command.value) {
            if (command.motor == Motor::Stopped)
                m_activeTrip = 0; // the stop key resets a trip
            setMotor(command.motor);
            return;
        }
    }
}

void SimUnit::afterRequest(const unsigned char *pdu, int pduLength)
{
    if (pduLength < 5)
        return;
    const int function = pdu[0];
    const int start = (pdu[1] << 8) | pdu[2];
    switch (function) {
    case 5:
        commandWritten(start + 1, 1);
        break;
    case 15:
        commandWritten(start + 1, (pdu[3] << 8) | pdu[4]);
        break;
    case 6: {
        const int number = start + 40001;
        commandWritten(number, 1);
        if (m_writeRule)
            m_writeRule(*this, number, 1);
        // A source switched away from the program stops a motor the program was running.
        if (number == m_control.runSourceNumber && value(number) != 2)
            setMotor(Motor::Stopped);
        break;
    }
    case 16:
        commandWritten(start + 40001, (pdu[3] << 8) | pdu[4]);
        if (m_writeRule)
            m_writeRule(*this, start + 40001, (pdu[3] << 8) | pdu[4]);
        break;
    default:
        break;
    }
}

void SimUnit::tick(double seconds)
{
    m_time += seconds;
    double target = 0.0;
    if (m_control.referenceNumber > 0 && m_control.referenceMax > 0) {
        const double reference = double(value(m_control.referenceNumber)) / double(m_control.referenceMax);
        target = qBound(0.0, reference, 1.0);
    } else {
        target = 1.0;
    }
    if (m_motor == Motor::Stopped)
        target = 0.0;
    else if (m_motor == Motor::Reverse)
        target = -target;
    m_target = target;
    const double step = RampPerSecond * seconds;
    if (m_speed < target)
        m_speed = qMin(target, m_speed + step);
    else
        m_speed = qMax(target, m_speed - step);
}

void SimUnit::beforeRead()
{
    bool activeShown = false;
    for (const Signal &signal : qAsConst(m_signals)) {
        const double wave = std::sin(2.0 * M_PI * 0.5 * m_time + signal.phase);
        const double level = 0.2 + 0.8 * std::fabs(m_speed);
        switch (signal.kind) {
        case Signal::AnalogDecimal:
            setValue(signal.number, RegisterWord::encode(std::round(wave * level * 500.0) / 10.0));
            break;
        case Signal::AnalogSigned: {
            const int v = int(std::lround(m_speed * 1500.0 + wave * 20.0));
            setValue(signal.number, quint16(qint16(v)));
            break;
        }
        case Signal::AnalogUnsigned: {
            const double saw = std::fmod(m_time + signal.phase, 10.0) / 10.0;
            setValue(signal.number, quint16(std::lround(saw * 1000.0)));
            break;
        }
        case Signal::Bits: {
            const quint16 pattern
                = quint16((int(m_time) % 2 ? 0xAAAA : 0x5555) | (m_motor != Motor::Stopped ? 1 : 0));
            setValue(signal.number, pattern & signal.mask);
            break;
        }
        case Signal::FaultCode:
            // The first fault number is the active trip, the others the last one.
            setValue(signal.number, quint16(activeShown ? m_lastTrip : m_activeTrip));
            activeShown = true;
            break;
        }
    }
    // A register that is both an actual value and a recorded signal holds the actual value.
    for (const LiveValue &live : qAsConst(m_liveValues)) {
        const double speed = live.magnitude ? std::fabs(m_speed) : m_speed;
        const double scale = std::pow(10.0, live.decimals);
        setValue(
            live.number, RegisterWord::encode(std::round((live.offset + live.gain * speed) * scale) / scale));
    }
    if (m_driveState.number > 0) {
        int state = m_driveState.run;
        if (m_speed == 0.0 && m_target == 0.0)
            state = m_driveState.stop;
        else if (std::fabs(m_speed) < std::fabs(m_target))
            state = m_driveState.accelerating;
        else if (m_speed != m_target)
            state = m_driveState.decelerating;
        if (state >= 0)
            setValue(m_driveState.number, quint16(state));
    }
}

void SimUnit::injectTrip(int code)
{
    if (code <= 0)
        code = m_tripLog.messageCount > 1 ? 1 + (m_lastTrip % (m_tripLog.messageCount - 1)) : 1;
    m_lastTrip = code;
    m_activeTrip = code;
    const QList<QVector<int>> &entries = m_tripLog.entries;
    for (int i = entries.size() - 1; i > 0; --i) {
        const QVector<int> &to = entries[i];
        const QVector<int> &from = entries[i - 1];
        for (int k = 0; k < to.size() && k < from.size(); ++k)
            setValue(to[k], value(from[k]));
    }
    if (m_tripLog.writeNewest)
        m_tripLog.writeNewest(*this, code);
    setMotor(Motor::Stopped); // a trip stops the motor
}

QString SimUnit::stateText() const
{
    const char *motor = m_motor == Motor::Forward ? "forward"
        : m_motor == Motor::Reverse               ? "reverse"
                                                  : "stopped";
    return QStringLiteral("unit %1: motor %2, speed %3 %, last trip %4")
        .arg(m_unitNumber)
        .arg(QLatin1String(motor))
        .arg(m_speed * 100.0, 0, 'f', 1)
        .arg(m_lastTrip);
}
