#pragma once

#include <QString>

class QTextStream;

// The service password file: its first line holds one decimal number per character, each the
// character's code raised by its position. The window only reads it; an administrator writes it
// with `tarvolink-cli password`.
namespace PasswordFile {

enum class Check {
    Accepted,
    Missing, // the file cannot be opened
    Invalid // the typed text differs, or the file holds no usable password
};

// The password a first line stands for. Empty when a piece is not a number or gives no valid
// character: such a file accepts no password at all.
QString decode(const QString &firstLine);
// Checks typed against the first line of the stream (the rest is ignored).
Check check(QTextStream &stream, const QString &typed);
// Checks typed against the file at path.
Check check(const QString &path, const QString &typed);
// configData/pwFile.txt beside the program.
QString path();

// The first line that stands for password; empty when the password is empty or holds a character
// that decode() would refuse (a control character, half of a surrogate pair).
QString encode(const QString &password);
// Writes the file for password, readable and writable by its owner only, replacing any earlier
// file whole. False with *error set when the password cannot be stored or the file not written.
bool write(const QString &path, const QString &password, QString *error);

} // namespace PasswordFile
