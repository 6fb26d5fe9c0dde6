#pragma once

#include <QHash>
#include <QList>
#include <QSet>
#include <QString>
#include <QVector>
#include <functional>

struct _modbus_mapping_t;
typedef struct _modbus_mapping_t modbus_mapping_t;

// One simulated drive: its four Modbus tables and the behaviour behind them (signals that
// move over time, control writes that start and stop the motor, a trip log).
class SimUnit
{
public:
    // A recordable signal served at one register.
    struct Signal
    {
        enum Kind { AnalogDecimal, AnalogSigned, AnalogUnsigned, Bits, FaultCode };
        int number = 0; // data-model register number
        Kind kind = AnalogUnsigned;
        quint16 mask = 0xFFFF;
        double phase = 0.0; // spreads the signals of one drive apart
    };

    // Registers and values of the control panel; number 0 means "not present".
    struct Control
    {
        int forwardNumber = 0, forwardValue = 1; // value: the command's coil pattern
        int reverseNumber = 0, reverseValue = 1;
        int stopNumber = 0, stopValue = 1;
        int runSourceNumber = 0;
        int refSourceNumber = 0;
        int referenceNumber = 0;
        int referenceMax = 100;
    };

    // Trip log: every entry occupies the same pattern of registers; entry 0 is the newest.
    // A new trip moves every entry one place down and lets `writeNewest` fill entry 0.
    struct TripLog
    {
        QList<QVector<int>> entries; // registers of each entry, in the same order
        int messageCount = 0; // number of fault texts the unit knows
        std::function<void(SimUnit &, int code)> writeNewest;
    };

    // An actual value that follows the motor: value = offset + gain x speed (speed -1 .. 1,
    // or its magnitude when `magnitude` is set), served as a register word.
    struct LiveValue
    {
        int number = 0;
        double offset = 0.0;
        double gain = 0.0;
        bool magnitude = true;
        int decimals = 0;
    };

    // A value-text actual value that tells the motor's state: the index of each state's text.
    struct DriveState
    {
        int number = 0;
        int stop = -1;
        int run = -1;
        int accelerating = -1;
        int decelerating = -1;
    };

    explicit SimUnit(int unitNumber);
    ~SimUnit();
    SimUnit(const SimUnit &) = delete;
    SimUnit &operator=(const SimUnit &) = delete;

    int unitNumber() const { return m_unitNumber; }
    modbus_mapping_t *mapping() const { return m_map; }

    // Data-model numbers: 1-9999 coils, 10001- discrete inputs, 30001- input registers,
    // 40001- holding registers. Coils and inputs read as 0 or 1.
    quint16 value(int number) const;
    void setValue(int number, quint16 value);
    // Marks a register as served; once any register is marked, requests touching other
    // registers get "illegal data address", as a real drive answers.
    void markKnown(int number, int count = 1);
    // A read of several registers is served only when every one of them is served.
    bool validRequest(int function, int firstNumber, int count = 1) const;
    // Whether a read covers exactly one served item (a parameter of several registers included).
    bool oneItem(int firstNumber, int count) const
    {
        return count == 1 || m_spans.value(firstNumber) == count;
    }

    void addSignal(const Signal &signal) { m_signals.append(signal); }
    void setControl(const Control &control);
    void setTripLog(const TripLog &tripLog) { m_tripLog = tripLog; }
    void addLiveValue(const LiveValue &value) { m_liveValues.append(value); }
    // The drive's own rule for values that follow a written one (the pole number after motor
    // frequency or speed), run after every write with the first data-model number and count.
    using WriteRule = std::function<void(SimUnit &, int first, int count)>;
    void setWriteRule(const WriteRule &rule) { m_writeRule = rule; }
    void setDriveState(const DriveState &state) { m_driveState = state; }
    double speed() const { return m_speed; }
    int lastTrip() const { return m_lastTrip; }
    int activeTrip() const { return m_activeTrip; }
    const QList<Signal> &recordSignals() const { return m_signals; }

    void beforeRead();
    // Reacts to what a request changed (control coils and registers).
    void afterRequest(const unsigned char *pdu, int pduLength);
    void tick(double seconds);
    // A trip stops the motor and stays active, as the first fault-number signal shows, until a stop
    // command resets it.
    void injectTrip(int code);

    QString stateText() const;

private:
    enum class Motor { Stopped, Forward, Reverse };
    // One motor command: the coils (or holding register) it is written to and its value.
    struct Command
    {
        int number;
        int value;
        Motor motor;
    };
    QList<Command> commands() const;
    int commandPattern(const Command &command) const;
    void writeCommandPattern(const Command &command, int pattern);
    void setMotor(Motor motor);
    // Whichever command's pattern now stands on the written coils becomes the drive's state.
    void commandWritten(int first, int count);

    int m_unitNumber;
    modbus_mapping_t *m_map;
    QSet<int> m_known;
    QHash<int, int> m_spans; // first register of a served item -> its registers
    QList<Signal> m_signals;
    Control m_control;
    TripLog m_tripLog;
    QList<LiveValue> m_liveValues;
    DriveState m_driveState;
    WriteRule m_writeRule;
    Motor m_motor = Motor::Stopped;
    double m_speed = 0.0; // -1 .. 1 of the reference maximum, follows the command with a ramp
    double m_target = 0.0; // where the ramp is heading
    double m_time = 0.0;
    int m_lastTrip = 0;
    int m_activeTrip = 0;
};
