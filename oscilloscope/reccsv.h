#pragma once

#include <QSet>
#include <QString>

class OscUnitDev;
class QIODevice;
struct Recording;

// A recording as plain CSV, written alike by the window's "Save as CSV" and the command line's
// rec2csv: a header row ("time", "unit", then every signal of every unit, prefixed by the unit
// number when the recording holds more than one), one row per sample in time order with ISO 8601
// time stamps and a decimal point. Rows the recording's comment notes as recorded without an
// answer keep their value cells empty.
namespace RecCsv {

// Writes the whole recording to out (UTF-8); false when out did not take every byte.
bool write(const Recording &recording, QIODevice *out);
// The same into a file, through a QSaveFile: a failed write keeps the file that was there, and
// *error says why.
bool writeFile(const Recording &recording, const QString &path, QString *error = nullptr);

// The comment line naming the samples of unit `unit` (from 1) recorded without an answer, "No
// answer from unit 1 in samples 17-77, 80" (sample rows counted from 1); empty when every sample
// was answered.
QString silentNote(int unit, const OscUnitDev &device);
// Rows (from 0) of `unit` (from 1) that the comment notes as recorded without an answer.
QSet<int> silentRows(const QString &comment, int unit);

} // namespace RecCsv
