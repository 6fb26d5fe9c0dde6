#pragma once

#include <QDateTime>
#include <QList>
#include <QMetaType>
#include <QPointer>
#include <QString>
#include <functional>

class OscUnitDev;

// The write side of a recording: the running file ("TEMP.peb") that grows while a recording
// runs, and the saved copies with their comment. No dialogs: the caller shows the message of a
// status that is not Written.
class RecordingWriter
{
public:
    enum Status {
        Written,
        InvalidFilepath, // the file could not be opened or written: "Invalid Filepath"
        GiveFilepath // no file name: "Give Filepath"
    };
    static QString message(Status status);

    // runningFile: the running file; empty means "TEMP.peb" beside the program.
    explicit RecordingWriter(const QString &runningFile = QString());

    QString runningFile() const { return m_runningFile; }
    // The devices taking part, in the order of their unit numbers (RS232, RS485, TCP/IP units).
    void setDevices(const QList<OscUnitDev *> &devices);
    QList<OscUnitDev *> devices() const;
    void setClock(const std::function<QDateTime()> &clock) { m_clock = clock; }

    // Record start: the running file is removed and the header waits for the first append; the
    // date line is the date of this moment (the first append may come after midnight).
    void start();
    bool headerPending() const { return m_headerPending; }
    // Appends every device's rows not yet written (header first when pending). Rows stay
    // pending when the file cannot be opened.
    Status append();
    // Appends, then writes a copy of the running file with "[COMMENT]" and the comment at path.
    // A failed save keeps the previous file; *error gets the reason ("No space left on ..." for
    // a full disk).
    Status save(const QString &path, const QString &comment, QString *error = nullptr);
    // The one way a recording is saved (the running file, or a loaded one again): a copy of
    // source up to its own comment section, then "[COMMENT]" and the comment, in the source's
    // encoding (UTF-8, or Windows-1252 from earlier installations) and line ends. The copy is
    // made in a temporary file beside path and renamed: an interrupted save leaves no
    // half-written file under the name the user chose.
    static Status saveCopy(
        const QString &source, const QString &path, const QString &comment, QString *error = nullptr);

private:
    Status writeHeader();
    Status copyTo(const QString &path, const QString &comment, QString *error);

    QString m_runningFile;
    QList<QPointer<OscUnitDev>> m_devices;
    std::function<QDateTime()> m_clock;
    bool m_headerPending = false;
    QDate m_startDate;
};

Q_DECLARE_METATYPE(RecordingWriter::Status)
