// libFuzzer target for Modbus replies: an RTU reply and a TCP frame checked against the request
// they answer (bytes 0-4 choose it: table, number, count, unit and direction; the rest is the
// reply), and the words or bits taken from an accepted one, which lie in the bytes received.
#include "modbusframe.h"
#include "vxcommreply.h"
#include "vxcommtcpclient.h"

#include <cstring>
#include <vector>

static void takeValues(const quint8 *reply, int length, int type, int count)
{
    const std::vector<quint8> got(reply, reply + length); // exactly what came: ASan sees any overread
    const bool bits = type <= ModbusFrame::DiscreteInputs;
    for (int i = 0; i < count; ++i) {
        if (bits && VxCommReply::hasBits(got.data(), length, count))
            VxCommReply::bit(got.data(), i);
        if (!bits && VxCommReply::hasRegisters(got.data(), length, count))
            VxCommReply::word(got.data(), i);
    }
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    constexpr int N = ModbusFrame::BufferSize;
    static const int starts[] = { 1, 10001, 30001, 40001 };
    if (size < 5 || size > N)
        return 0;
    const int type = data[0] % 4 + 1, number = starts[type - 1] + (data[1] << 8 | data[2]) % 9999;
    const int count = data[3] % 126 + 1, write = data[4] & 1, length = int(size - 5);
    static const quint8 values[256] = {};
    quint8 request[N] = {}, reply[N] = {}, requestFrame[N] = {}, frame[N + 6] = {}, out[N] = {};
    ModbusFrame::Request built;
    if (!ModbusFrame::build(request, built, data[4] >> 1, type, write ? 0 : number, write ? number : 0,
            write ? 0 : count, write ? count : 0, values))
        return 0;
    std::memcpy(reply, data + 5, size_t(length));
    if (ModbusFrame::checkReply(request, reply, length, built.expectedReply) == 1)
        takeValues(reply, length, type, count);

    // The same bytes behind the header of the TCP frame of this request.
    std::memcpy(requestFrame + 6, request, size_t(built.length - 2));
    std::memcpy(frame + 6, reply, size_t(length));
    quint32 outLength = 0;
    const int received = qMin(length + 6, N - 1);
    const int tcp = VxCommTcpClient::decodeReply(
        requestFrame, frame, received, built.expectedReply + 4, out, outLength);
    if (int(outLength) > received - 6)
        __builtin_trap();
    if (tcp == 1)
        takeValues(out, int(outLength), type, count);
    return 0;
}
