// libFuzzer target for the recording reader: whatever the bytes, it loads a well-formed recording
// or refuses the file, and everything a loaded recording offers can be read. The first byte
// decides whether the units' device description files are found.
#include "recfilereader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1)
        return 0;
    const bool found = data[0] & 1;
    const QByteArray bytes(reinterpret_cast<const char *>(data + 1), int(size - 1));
    Recording rec;
    const RecFileReader::Status status
        = RecFileReader::parse(bytes, &rec, [found](const QString &, SignalCatalogue *) { return found; });
    if (status != RecFileReader::Loaded) {
        if (!rec.units.isEmpty())
            __builtin_trap(); // a refused file must leave nothing loaded
        return 0;
    }
    for (const RecordingUnit &unit : rec.units) {
        if (unit.values.size() != unit.rowCount() * unit.signalCount() || unit.x.size() != unit.rowCount())
            __builtin_trap();
        for (int r = 0; r < unit.rowCount(); ++r) {
            unit.timeText(r);
            for (int s = 0; s < unit.signalCount(); ++s)
                unit.cellText(r, s);
        }
    }
    return 0;
}
