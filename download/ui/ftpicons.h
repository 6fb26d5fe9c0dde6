#pragma once

#include <QIcon>

// The download window's icons, drawn here so the program ships no borrowed pictures.
namespace FtpIcons {
QIcon directory();
QIcon file();
QIcon parentDirectory();
} // namespace FtpIcons
