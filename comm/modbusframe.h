#pragma once

#include <QtGlobal>

// Modbus RTU request building: function selection from data-model numbers, frames, CRC-16.
class ModbusFrame
{
public:
    // Request and reply buffers of every link are this size; nothing is written beyond it.
    static constexpr int BufferSize = 1024;
    static constexpr int InvalidRequest = -11;

    // Table types: 1 coils, 2 discrete inputs, 3 input registers, 4 holding registers.
    enum Table { Coils = 1, DiscreteInputs = 2, InputRegisters = 3, HoldingRegisters = 4 };

    // CRC-16 of the Modbus serial line (reflected 0xA001, start 0xFFFF, no final XOR).
    static quint16 crc16(const quint8 *data, int length);

    // Whether the one-based data-model number lies in the range of the table type.
    static bool inRange(int type, int number);
    // The number sent on the wire: number minus the first number of its table.
    static int wireOffset(int type, int number);

    // Function code for a request given in data-model terms (0 = not given), or InvalidRequest.
    // A direction counts only when both its address and its count are given; an address
    // without its count (or a count without its address) makes the request invalid.
    static int selectFunction(int type, int readAddress, int writeAddress, int readCount, int writeCount);

    struct Request
    {
        int function = 0;
        int length = 0; // bytes in the frame, CRC included
        int expectedReply = 0; // length of a correct RTU reply, CRC included
        quint16 crc = 0;
    };

    // Builds the RTU frame into `frame` (BufferSize bytes). Register values in `writeData`
    // are low byte first (functions 6, 16); coil bytes and function-23 data are copied as
    // given. Returns false (frame untouched beyond what was written) when the request is
    // invalid or the request or its reply would not fit the buffers.
    static bool build(quint8 *frame, Request &request, int unit, int type, int readAddress, int writeAddress,
        int readCount, int writeCount, const quint8 *writeData);

    // Length of a correct reply for the function and counts, CRC included.
    static int expectedReplyLength(int function, int readCount);

    // An RTU reply of `length` bytes (CRC included but not checked) against its request: 1, or
    // -16 for an exception reply, -17 for a wrong length, -8 for another unit, -9 for another function.
    static int checkReply(const quint8 *request, const quint8 *reply, int length, int expectedLength);

    // Whether `function` is a write (5, 6, 15, 16, 23).
    static bool isWrite(int function);
};
