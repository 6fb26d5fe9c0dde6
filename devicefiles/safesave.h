#pragma once

#include <QString>

class QSaveFile;

// The one way this program ends a save: every writer (.dat, .rec, CSV, settings, downloads, plot
// exports, trigger files) writes into a QSaveFile and finishes it here. QSaveFile::commit() alone
// ignores a final flush that wrote only part of its buffer, so a nearly full disk would leave a
// cut file under the user's name while the save reported success.
namespace SafeSave {

// Flushes, confirms that the file on disk holds every byte written (and expectedSize bytes
// when it is not negative), then replaces the previous file. On any failure the temporary file
// is discarded, so the previous file stays as it was, and *error says why.
bool commit(QSaveFile &file, QString *error = nullptr, qint64 expectedSize = -1);

// The text for a write at path that failed with deviceError: "No space left on <disk>" when
// the disk holding path is full, otherwise deviceError (or "Unknown error" when that is empty).
QString failureText(const QString &path, const QString &deviceError);

} // namespace SafeSave
