#include "modbusframe.h"

#include <cstring>

quint16 ModbusFrame::crc16(const quint8 *data, int length)
{
    quint16 crc = 0xFFFF;
    for (int i = 0; i < length; ++i) {
        crc ^= data[i];
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 1) ? quint16((crc >> 1) ^ 0xA001) : quint16(crc >> 1);
    }
    return crc;
}

static int tableStart(int type)
{
    switch (type) {
    case ModbusFrame::Coils:
        return 1;
    case ModbusFrame::DiscreteInputs:
        return 10001;
    case ModbusFrame::InputRegisters:
        return 30001;
    case ModbusFrame::HoldingRegisters:
        return 40001;
    default:
        return -1;
    }
}

bool ModbusFrame::inRange(int type, int number)
{
    const int start = tableStart(type);
    return start > 0 && number >= start && number <= start + 9998;
}

int ModbusFrame::wireOffset(int type, int number)
{
    return number - tableStart(type);
}

int ModbusFrame::selectFunction(int type, int readAddress, int writeAddress, int readCount, int writeCount)
{
    if (type < Coils || type > HoldingRegisters)
        return InvalidRequest;
    if (readAddress < 0 || writeAddress < 0 || readCount < 0 || writeCount < 0)
        return InvalidRequest;
    // Each direction is either complete (address and count) or absent.
    if ((readAddress != 0) != (readCount != 0) || (writeAddress != 0) != (writeCount != 0))
        return InvalidRequest;
    const bool read = readAddress != 0;
    const bool write = writeAddress != 0;
    if (!read && !write)
        return InvalidRequest;
    if (read && write) {
        if (type != HoldingRegisters || !inRange(type, readAddress) || !inRange(type, writeAddress))
            return InvalidRequest;
        return 23;
    }
    if (read) {
        if (!inRange(type, readAddress))
            return InvalidRequest;
        static const int readFunctions[] = { 0, 1, 2, 4, 3 };
        return readFunctions[type];
    }
    if (type == DiscreteInputs || type == InputRegisters || !inRange(type, writeAddress))
        return InvalidRequest;
    if (type == Coils)
        return writeCount == 1 ? 5 : 15;
    return writeCount == 1 ? 6 : 16;
}

int ModbusFrame::checkReply(const quint8 *request, const quint8 *reply, int length, int expectedLength)
{
    if (length != expectedLength) {
        // An exception reply carries the request's function with the top bit set.
        if (length >= 3 && reply[1] == (request[1] | 0x80))
            return -16;
        return -17;
    }
    if (reply[0] != request[0])
        return -8;
    if (reply[1] != request[1])
        return -9;
    return 1;
}

int ModbusFrame::expectedReplyLength(int function, int readCount)
{
    switch (function) {
    case 1:
    case 2:
        return 5 + (readCount + 7) / 8;
    case 3:
    case 4:
    case 23:
        return 5 + 2 * readCount;
    case 5:
    case 6:
    case 15:
    case 16:
        return 8;
    default:
        return 0;
    }
}

bool ModbusFrame::isWrite(int function)
{
    return function == 5 || function == 6 || function == 15 || function == 16 || function == 23;
}

static void put16(quint8 *at, int value)
{
    at[0] = quint8((value >> 8) & 0xFF);
    at[1] = quint8(value & 0xFF);
}

bool ModbusFrame::build(quint8 *frame, Request &request, int unit, int type, int readAddress,
    int writeAddress, int readCount, int writeCount, const quint8 *writeData)
{
    const int function = selectFunction(type, readAddress, writeAddress, readCount, writeCount);
    if (function == InvalidRequest)
        return false;
    const bool write = isWrite(function);
    if (write && !writeData)
        return false;

    // Counts that cannot be encoded (one-byte byte count, 16-bit quantity) or whose frames
    // would overrun the fixed buffers are refused instead of being truncated on the wire.
    int dataBytes = 0;
    if (function == 15)
        dataBytes = (writeCount + 7) / 8;
    else if (function == 16 || function == 23)
        dataBytes = 2 * writeCount;
    if (dataBytes > 255 || readCount > 0xFFFF || writeCount > 0xFFFF)
        return false;
    const int expected = expectedReplyLength(function, readCount);
    if (expected > BufferSize)
        return false;

    int n = 0;
    frame[n++] = quint8(unit & 0xFF);
    frame[n++] = quint8(function);
    switch (function) {
    case 1:
    case 2:
    case 3:
    case 4:
        put16(frame + n, wireOffset(type, readAddress));
        put16(frame + n + 2, readCount);
        n += 4;
        break;
    case 5:
        // The drives' coils are commands: a single-coil write always switches the coil on.
        put16(frame + n, wireOffset(type, writeAddress));
        frame[n + 2] = 0xFF;
        frame[n + 3] = 0x00;
        n += 4;
        break;
    case 6:
        put16(frame + n, wireOffset(type, writeAddress));
        frame[n + 2] = writeData[1];
        frame[n + 3] = writeData[0];
        n += 4;
        break;
    case 15:
        put16(frame + n, wireOffset(type, writeAddress));
        put16(frame + n + 2, writeCount);
        frame[n + 4] = quint8(dataBytes);
        n += 5;
        std::memcpy(frame + n, writeData, size_t(dataBytes));
        n += dataBytes;
        break;
    case 16:
        put16(frame + n, wireOffset(type, writeAddress));
        put16(frame + n + 2, writeCount);
        frame[n + 4] = quint8(dataBytes);
        n += 5;
        for (int i = 0; i < writeCount; ++i) {
            frame[n++] = writeData[2 * i + 1];
            frame[n++] = writeData[2 * i];
        }
        break;
    case 23:
        put16(frame + n, wireOffset(type, readAddress));
        put16(frame + n + 2, readCount);
        put16(frame + n + 4, wireOffset(type, writeAddress));
        put16(frame + n + 6, writeCount);
        frame[n + 8] = quint8(dataBytes);
        n += 9;
        std::memcpy(frame + n, writeData, size_t(dataBytes));
        n += dataBytes;
        break;
    default:
        return false;
    }
    const quint16 crc = crc16(frame, n);
    frame[n++] = quint8(crc & 0xFF);
    frame[n++] = quint8(crc >> 8);

    request.function = function;
    request.length = n;
    request.expectedReply = expected;
    request.crc = crc;
    return true;
}
