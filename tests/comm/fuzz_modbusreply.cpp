// libFuzzer target for the decoding of Modbus replies: the checks of an RTU reply and of a TCP
// frame against the request they answer, and the words or bits taken out of an accepted reply.
// Bytes 0-4 choose the request (table, read or write, number, count); the rest is the reply.
// What is taken out of a reply lies in the bytes received, never behind them.
#include "modbusframe.h"
#include "vxcommreply.h"
#include "vxcommtcpclient.h"

#include <cstring>
#include <vector>

static void takeValues(const quint8 *reply, int length, int type, int count)
{
    const std::vector<quint8> got(reply, reply + length); // exactly what came, so ASan sees overreads
    const bool bits = type <= ModbusFrame::DiscreteInputs;
    if (bits ? !VxCommReply::hasBits(got.data(), length, count)
             : !VxCommReply::hasRegisters(got.data(), length, count))
        return;
    for (int i = 0; i < count; ++i)
        bits ? void(VxCommReply::bit(got.data(), i)) : void(VxCommReply::word(got.data(), i));
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 5 || size > ModbusFrame::BufferSize)
        return 0;
    static const int starts[] = { 1, 10001, 30001, 40001 };
    const int type = data[0] % 4 + 1;
    const int number = starts[type - 1] + (data[1] << 8 | data[2]) % 9999;
    const int count = data[3] % 126 + 1;
    const bool write = data[4] & 1;
    const quint8 values[256] = {};
    quint8 request[ModbusFrame::BufferSize] = {};
    ModbusFrame::Request built;
    if (!ModbusFrame::build(request, built, data[4] >> 1, type, write ? 0 : number, write ? number : 0,
            write ? 0 : count, write ? count : 0, values))
        return 0;
    const int length = int(size - 5);
    quint8 reply[ModbusFrame::BufferSize] = {};
    std::memcpy(reply, data + 5, size_t(length));

    const int rtu = ModbusFrame::checkReply(request, reply, length, built.expectedReply);
    if (rtu == 1 && (length != built.expectedReply || reply[1] != built.function))
        __builtin_trap();
    if (rtu == 1)
        takeValues(reply, length, type, count);

    // The same bytes behind the header of the TCP frame of this request.
    quint8 requestFrame[ModbusFrame::BufferSize] = {};
    std::memcpy(requestFrame + 6, request, size_t(built.length - 2));
    quint8 frame[ModbusFrame::BufferSize] = {};
    std::memcpy(frame + 6, data + 5, size_t(qMin(length, ModbusFrame::BufferSize - 7)));
    quint8 out[ModbusFrame::BufferSize] = {};
    quint32 outLength = 0;
    const int received = qMin(length + 6, ModbusFrame::BufferSize - 1);
    const int tcp = VxCommTcpClient::decodeReply(
        requestFrame, frame, received, built.expectedReply + 4, out, outLength);
    if ((tcp == 1 || tcp == -16) != (outLength > 0) || int(outLength) > received - 6)
        __builtin_trap();
    if (tcp == 1)
        takeValues(out, int(outLength), type, count);
    return 0;
}
