#pragma once

#include <QString>

// Checks on the names a server lists. A listing is untrusted input: a name that is not one
// plain file name must never become a path outside csv_file/.
namespace FtpNames {

// Letters, digits, ".", "_" and "-" ending in ".csv" in any letter case, without "..".
bool isCsvName(const QString &name);

// True when `name` can be written as one file directly inside the target folder: not empty,
// not "." or "..", no "/" or "\", no drive letter, no control character, no ".." anywhere.
bool isSafeLocalName(const QString &name);

// The name with control characters shown as "?", for messages.
QString shown(const QString &name);

} // namespace FtpNames
