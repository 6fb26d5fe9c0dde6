#pragma once

#include <QtGlobal>

// Checks and words of a read reply in the form the links hand back (unit, function, byte
// count, data; RTU replies also carry their CRC after the data). One rule for every reader:
// the byte count must be exactly what was asked for and the reply must carry that many bytes;
// a reply that says otherwise is damaged, whoever reads it.
namespace VxCommReply {

// The exchange succeeded and the reply carries `count` registers.
inline bool hasRegisters(const quint8 *reply, int result, int count)
{
    return result >= 3 + 2 * count && reply[2] == 2 * count;
}

// The exchange succeeded and the reply carries `count` coils or inputs.
inline bool hasBits(const quint8 *reply, int result, int count)
{
    const int bytes = (count + 7) / 8;
    return result >= 3 + bytes && reply[2] == bytes;
}

// The one or the other by table type (1 coils, 2 discrete inputs, 3 and 4 registers).
inline bool hasItems(const quint8 *reply, int result, int type, int count)
{
    return (type == 1 || type == 2) ? hasBits(reply, result, count) : hasRegisters(reply, result, count);
}

// Register `index` of the reply (registers travel high byte first).
inline quint16 word(const quint8 *reply, int index)
{
    return quint16((reply[3 + 2 * index] << 8) | reply[4 + 2 * index]);
}

// Coil or input `index` of the reply (first item in the lowest bit of the first byte).
inline bool bit(const quint8 *reply, int index)
{
    return (reply[3 + index / 8] >> (index % 8)) & 1;
}

} // namespace VxCommReply
