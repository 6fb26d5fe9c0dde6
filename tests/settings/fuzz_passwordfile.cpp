// libFuzzer target for the service password file: its first line stands for no password, or for
// one that it alone accepts and that, written in the file's form again, reads back the same.
#include "passwordfile.h"

#include <QTextStream>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), int(size));
    QTextStream first(bytes), again(bytes);
    first.setCodec("UTF-8");
    again.setCodec("UTF-8");
    const QString password = PasswordFile::decode(first.readLine());
    QStringList codes;
    for (int i = 0; i < password.size(); ++i)
        codes << QString::number(password.at(i).unicode() + i);
    const bool accepted = PasswordFile::check(again, password) == PasswordFile::Check::Accepted;
    if (PasswordFile::decode(codes.join(' ')) != password || accepted == password.isEmpty())
        __builtin_trap();
    return 0;
}
