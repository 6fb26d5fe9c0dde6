#include "recordingwriter.h"

#include "apppaths.h"
#include "oscunitdev.h"
#include "recfilereader.h"
#include "recformat.h"
#include "safesave.h"

#include <QCoreApplication>
#include <QDebug>
#include <QFile>
#include <QSaveFile>
#include <QTextCodec>
#include <QTextStream>
#include <cstring>
#include <limits>

QString RecordingWriter::message(Status status)
{
    switch (status) {
    case Written:
        return QString();
    case InvalidFilepath:
        return QCoreApplication::translate("RecordingWriter", "Invalid Filepath");
    case GiveFilepath:
        return QCoreApplication::translate("RecordingWriter", "Give Filepath");
    }
    return QString();
}

RecordingWriter::RecordingWriter(const QString &runningFile)
    : m_runningFile(runningFile.isEmpty() ? AppPaths::tempRecordingPath() : runningFile)
{ }

void RecordingWriter::setDevices(const QList<OscUnitDev *> &devices)
{
    m_devices.clear();
    for (OscUnitDev *device : devices)
        m_devices.append(device);
}

QList<OscUnitDev *> RecordingWriter::devices() const
{
    QList<OscUnitDev *> list;
    for (const QPointer<OscUnitDev> &device : m_devices)
        if (device)
            list.append(device.data());
    return list;
}

void RecordingWriter::start()
{
    QFile::remove(m_runningFile);
    m_headerPending = true;
    m_startDate = (m_clock ? m_clock() : QDateTime::currentDateTime()).date();
}

RecordingWriter::Status RecordingWriter::writeHeader()
{
    QFile file(m_runningFile);
    if (!file.open(QIODevice::Append | QIODevice::Text))
        return InvalidFilepath;
    QTextStream out(&file);
    out.setCodec(RecFormat::writeCodec());
    out << RecFormat::dateText(m_startDate) << '\n';
    const QList<OscUnitDev *> list = devices();
    for (int i = 0; i < list.size(); ++i)
        out << RecFormat::unitLine(i + 1, list.at(i)->unitEntry()) << '\n';
    for (int i = 0; i < list.size(); ++i)
        out << RecFormat::headerLine(i + 1, list.at(i)->signalNames()) << '\n';
    out.flush();
    return out.status() == QTextStream::Ok && file.error() == QFileDevice::NoError ? Written
                                                                                   : InvalidFilepath;
}

RecordingWriter::Status RecordingWriter::append()
{
    if (m_runningFile.isEmpty())
        return GiveFilepath;
    if (m_headerPending) {
        const Status header = writeHeader();
        if (header != Written)
            return header;
        m_headerPending = false;
    }
    QFile file(m_runningFile);
    if (!file.open(QIODevice::Append | QIODevice::Text))
        return InvalidFilepath;
    QTextStream out(&file);
    out.setCodec(RecFormat::writeCodec());
    const QList<OscUnitDev *> list = devices();
    for (int i = 0; i < list.size(); ++i)
        list.at(i)->writePendingRows(out, i + 1);
    out.flush();
    return file.error() == QFileDevice::NoError ? Written : InvalidFilepath;
}

RecordingWriter::Status RecordingWriter::save(const QString &path, const QString &comment, QString *error)
{
    const Status status = copyTo(path, comment, error);
    if (status != Written && error && error->isEmpty())
        *error = message(status);
    return status;
}

RecordingWriter::Status RecordingWriter::copyTo(const QString &path, const QString &comment, QString *error)
{
    if (path.isEmpty())
        return GiveFilepath;
    const Status appended = append();
    if (appended != Written)
        return appended;
    return saveCopy(m_runningFile, path, comment, error);
}

RecordingWriter::Status RecordingWriter::saveCopy(
    const QString &source, const QString &path, const QString &comment, QString *error)
{
    if (path.isEmpty())
        return GiveFilepath;
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return InvalidFilepath;
    // Mapped: a day's recording is copied without a copy in memory.
    const qint64 size = in.size();
    if (size > std::numeric_limits<int>::max())
        return InvalidFilepath;
    QByteArray owned;
    const char *data = nullptr;
    int length = int(size);
    if (uchar *mapped = size > 0 ? in.map(0, size) : nullptr) {
        data = reinterpret_cast<const char *>(mapped);
    } else {
        owned = in.readAll();
        data = owned.constData();
        length = owned.size();
    }
    const QByteArray bytes = QByteArray::fromRawData(data, length);
    // Up to the line "[COMMENT]" of a saved recording: its old comment makes way for the new one.
    int end = bytes.startsWith("[COMMENT]") ? 0 : bytes.indexOf("\n[COMMENT]");
    end = end < 0 ? bytes.size() : end == 0 ? 0 : end + 1;
    const int firstLine = bytes.indexOf('\n');
    const QByteArray lineEnd = firstLine > 0 && bytes.at(firstLine - 1) == '\r' ? "\r\n" : "\n";
    QTextCodec *codec = RecFileReader::isUtf8(data, end) ? RecFormat::writeCodec()
                                                         : QTextCodec::codecForName("Windows-1252");
    QSaveFile target(path);
    if (!target.open(QIODevice::WriteOnly))
        return InvalidFilepath;
    if (target.write(data, end) != end) {
        if (error)
            *error = SafeSave::failureText(path, target.errorString());
        return InvalidFilepath; // the QSaveFile is discarded: nothing appears at path
    }
    QString text = QString(end > 0 && bytes.at(end - 1) != '\n' ? QStringLiteral("\n") : QString())
        + RecFormat::commentMarker() + QLatin1Char('\n') + comment;
    if (!comment.isEmpty() && !comment.endsWith(QLatin1Char('\n')))
        text += QLatin1Char('\n');
    QByteArray tail = codec->fromUnicode(text);
    tail.replace("\r\n", "\n");
    if (lineEnd != "\n")
        tail.replace("\n", lineEnd);
    if (target.write(tail) != tail.size()) {
        if (error)
            *error = SafeSave::failureText(path, target.errorString());
        return InvalidFilepath;
    }
    return SafeSave::commit(target, error) ? Written : InvalidFilepath;
}
