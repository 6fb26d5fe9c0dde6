// libFuzzer target for a server's listing as curl's parser hands it over: two bytes of type, flags
// and size, then name, owner, group and time text separated by NUL. A name taken as safe is one
// file directly inside the target folder, and its shown form holds no control character.
#include "ftpnames.h"
#include "ftpsession.h"

#include <QDir>
#include <QRegularExpression>
#include <curl/curl.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 2)
        return 0;
    QList<QByteArray> f = QByteArray(reinterpret_cast<const char *>(data + 2), int(size - 2)).split('\0');
    while (f.size() < 4)
        f << QByteArray();
    curl_fileinfo info {};
    info.filename = f[0].data();
    info.filetype = data[0] & 1 ? CURLFILETYPE_DIRECTORY : CURLFILETYPE_FILE;
    info.flags = data[1] & (CURLFINFOFLAG_KNOWN_SIZE | CURLFINFOFLAG_KNOWN_TIME);
    info.size = curl_off_t(data[0]) << (data[1] >> 4);
    info.time = time_t(data[0] & 2 ? -1 : data[1]) * 86400 * 365;
    info.strings.user = data[1] & 4 ? nullptr : f[1].data();
    info.strings.group = f[2].data();
    info.strings.time = data[1] & 8 ? nullptr : f[3].data();
    const QString name = FtpSession::entryOf(&info).name;
    FtpNames::isCsvName(name);
    if ((FtpNames::isSafeLocalName(name) && QDir::cleanPath("/csv/" + name).section('/', 0, -2) != "/csv")
        || FtpNames::shown(name).contains(QRegularExpression("[\\p{Cc}\\p{Cf}]")))
        __builtin_trap();
    return 0;
}
