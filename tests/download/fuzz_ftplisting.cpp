// libFuzzer target for what a server's listing turns into: an entry from the fields curl's parser
// hands over (name, owner, group, time text, size, flags), and the checks on its name. A name
// taken as safe is one file directly inside the target folder, and its shown form is printable.
#include "ftpnames.h"
#include "ftpsession.h"

#include <QDir>
#include <QFileInfo>
#include <curl/curl.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 2)
        return 0;
    // Fields are separated by NUL bytes, as the C strings curl hands over end.
    QList<QByteArray> fields
        = QByteArray(reinterpret_cast<const char *>(data + 2), int(size - 2)).split('\0');
    while (fields.size() < 4)
        fields << QByteArray();
    curl_fileinfo info {};
    info.filename = fields[0].data();
    info.filetype = data[0] & 1 ? CURLFILETYPE_DIRECTORY : CURLFILETYPE_FILE;
    info.flags = data[1] & (CURLFINFOFLAG_KNOWN_SIZE | CURLFINFOFLAG_KNOWN_TIME);
    info.size = curl_off_t(data[0]) << (data[1] >> 4);
    info.time = time_t(data[0] & 2 ? -1 : data[1]) * 86400 * 365;
    info.strings.user = data[1] & 4 ? nullptr : fields[1].data();
    info.strings.group = fields[2].data();
    info.strings.time = data[1] & 8 ? nullptr : fields[3].data();
    const FtpEntry entry = FtpSession::entryOf(&info);
    FtpNames::isCsvName(entry.name);
    const QString dir = QStringLiteral("/tarvolink/csv_file");
    if (FtpNames::isSafeLocalName(entry.name)
        && QFileInfo(QDir::cleanPath(QDir(dir).filePath(entry.name))).absolutePath() != dir)
        __builtin_trap();
    for (const QChar c : FtpNames::shown(entry.name)) {
        if (c.category() == QChar::Other_Control || c.category() == QChar::Other_Format)
            __builtin_trap();
    }
    return 0;
}
