#pragma once

#include <QString>
#include <QStringList>

class QTextStream;

// The fault texts of a drive model: the "[TRIP MESSAGES]" section of its device description file,
// the text of fault number i at position i.
class TripMessages
{
public:
    TripMessages() = default;
    explicit TripMessages(const QStringList &texts)
        : m_texts(texts)
    { }

    // Reads the section from the stream's current position and leaves the stream after its end
    // marker (at the end of the stream when the section is missing or never closed).
    static TripMessages read(QTextStream &in);
    // Reads the section of a device description file (UTF-8 when its name says "UTF8", else
    // Windows-1252); no texts for a file that cannot be opened.
    static TripMessages readFile(const QString &path);

    const QStringList &texts() const { return m_texts; }
    // The shown value of a fault number: the number and its text, or "Undefined error".
    QString faultText(int number) const;

private:
    QStringList m_texts;
};
