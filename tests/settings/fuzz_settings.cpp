// libFuzzer target for the settings file reader: any text gives a record, and the text written
// from that record is read again, all without a sanitizer report.

#include "settingsfile.h"

#include <QBuffer>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QByteArray bytes(reinterpret_cast<const char *>(data), int(size)), written;
    QBuffer in(&bytes), out(&written);
    SettingsRecord record, again;
    in.open(QIODevice::ReadOnly);
    SettingsFile::read(in, record);
    out.open(QIODevice::WriteOnly);
    SettingsFile::write(out, record);
    out.close();
    out.open(QIODevice::ReadOnly);
    SettingsFile::read(out, again);
    return 0;
}
