#include "recordingwriter.h"

#include "apppaths.h"
#include "oscunitdev.h"
#include "recformat.h"
#include "safesave.h"

#include <QDebug>
#include <QFile>
#include <QSaveFile>
#include <QTextCodec>
#include <QTextStream>
#include <cstring>

QString RecordingWriter::message(Status status)
{
    switch (status) {
    case Written:
        return QString();
    case InvalidFilepath:
        return QStringLiteral("Invalid Filepath");
    case GiveFilepath:
        return QStringLiteral("Give Filepath");
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
}

RecordingWriter::Status RecordingWriter::writeHeader()
{
    QFile file(m_runningFile);
    if (!file.open(QIODevice::Append | QIODevice::Text))
        return InvalidFilepath;
    QTextStream out(&file);
    out.setCodec(RecFormat::writeCodec());
    const QDateTime now = m_clock ? m_clock() : QDateTime::currentDateTime();
    out << RecFormat::dateText(now.date()) << '\n';
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
    QFile running(m_runningFile);
    if (!running.open(QIODevice::ReadOnly))
        return InvalidFilepath;
    QSaveFile target(path);
    if (!target.open(QIODevice::WriteOnly))
        return InvalidFilepath;
    // The running file already has its line ends: copy it byte for byte, and end the comment
    // lines the same way.
    QByteArray lineEnd = "\n";
    char buffer[65536];
    for (bool first = true;; first = false) {
        const qint64 n = running.read(buffer, sizeof buffer);
        if (n < 0)
            return InvalidFilepath; // the QSaveFile is discarded: nothing appears at path
        if (n == 0)
            break;
        if (first) {
            const char *nl = static_cast<const char *>(memchr(buffer, '\n', size_t(n)));
            if (nl && nl > buffer && nl[-1] == '\r')
                lineEnd = "\r\n";
        }
        if (target.write(buffer, n) != n) {
            if (error)
                *error = SafeSave::failureText(path, target.errorString());
            return InvalidFilepath;
        }
    }
    QString text = RecFormat::commentMarker() + QLatin1Char('\n') + comment;
    if (!comment.isEmpty() && !comment.endsWith(QLatin1Char('\n')))
        text += QLatin1Char('\n');
    QByteArray bytes = RecFormat::writeCodec()->fromUnicode(text);
    bytes.replace("\r\n", "\n");
    if (lineEnd != "\n")
        bytes.replace("\n", lineEnd);
    if (target.write(bytes) != bytes.size()) {
        if (error)
            *error = SafeSave::failureText(path, target.errorString());
        return InvalidFilepath;
    }
    return SafeSave::commit(target, error) ? Written : InvalidFilepath;
}
