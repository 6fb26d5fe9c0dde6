#pragma once

#include <QString>
#include <QStringList>

// The FTP server link of configData/ftpLink.txt: where the new device description files are.
// The first line holds the link, each character stored as its code plus its position, so the
// password is not readable at a glance (it is no protection against a determined reader).
// Lines after the first are plain options; "accept-self-signed" lets an FTPS link trust a
// certificate that no authority in the system store signed.
struct FtpLink
{
    QString scheme; // "ftp" or "ftps" (explicit TLS on the control and data connections)
    QString user; // empty: anonymous, no login of our own
    QString password; // percent-decoded
    QString host;
    int port = 21;
    QStringList path; // directory segments after the host, decoded
    bool acceptSelfSigned = false;

    bool isTls() const { return scheme == QLatin1String("ftps"); }
    // "ftp://host[:port]" without user or password: the only form shown or logged.
    QString publicText() const;

    // "ftpLink.txt could not be read" and "not a valid link" are told apart for the messages.
    enum class ReadResult { Ok, NotFound, Invalid };
    static ReadResult readFile(const QString &fileName, FtpLink *link);
    // Parses a decoded link "scheme://[user[:password]@]host[:port][/path]".
    static bool parse(const QString &text, FtpLink *link);

    // The numbers of one line <-> the link text.
    static QString decode(const QString &numbers, bool *ok);
    static QString encode(const QString &text);
};
