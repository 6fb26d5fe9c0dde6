// libFuzzer target for the service password file: whatever its first line, it stands for no
// password or for one that only a typable text matches, and that password written out again in
// the file's form reads back the same.
#include "passwordfile.h"

#include <QTextStream>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), int(size));
    QTextStream stream(bytes);
    stream.setCodec("UTF-8");
    const QString line = stream.readLine();
    const QString password = PasswordFile::decode(line);
    QStringList codes;
    for (int i = 0; i < password.size(); ++i) {
        if (password.at(i).unicode() < 0x20 || password.at(i).isSurrogate())
            __builtin_trap();
        codes << QString::number(password.at(i).unicode() + i);
    }
    QTextStream again(bytes);
    again.setCodec("UTF-8");
    if (PasswordFile::decode(codes.join(QLatin1Char(' '))) != password
        || (PasswordFile::check(again, password) == PasswordFile::Check::Accepted) == password.isEmpty())
        __builtin_trap();
    return 0;
}
