#pragma once

#include "ftplink.h"

#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// The pyftpdlib server of ftp_peer.py on loopback, serving a folder the test fills, and an
// installation folder (configData/, csv_file/) to download into. The server ends with this object.
class FtpPeer
{
public:
    FtpPeer();
    ~FtpPeer();

    // Writes `files` (name -> content; "dir/name" makes the folder) into the served folder.
    void addFiles(const QList<QPair<QString, QByteArray>> &files);
    // Starts the server with ftp_peer.py's options; false with the reason in error().
    bool start(const QStringList &options);
    QString error() const { return m_error; }
    int port() const { return m_port; }

    QString root() const { return m_root.path(); }
    QString installation() const { return m_install.path(); }
    QString csvDir() const { return m_install.path() + QStringLiteral("/csv_file"); }
    // The link to this server; `userInfo` "user:password" or empty.
    FtpLink link(const QString &userInfo, const QString &scheme = QStringLiteral("ftp")) const;
    // Writes configData/ftpLink.txt of the installation, encoded, with `options` as further lines.
    bool writeLinkFile(const QString &userInfo, const QString &scheme = QStringLiteral("ftp"),
        const QStringList &options = QStringList()) const;
    QString linkText(const QString &userInfo, const QString &scheme = QStringLiteral("ftp")) const;

    // Sorted names in csv_file/ (temporary files included, so a leftover shows).
    QStringList csvFiles() const;
    QByteArray csvFile(const QString &name) const;
    void putCsvFile(const QString &name, const QByteArray &content) const;

    static bool haveTls();

private:
    QTemporaryDir m_root;
    QTemporaryDir m_install;
    QProcess m_process;
    int m_port = 0;
    QString m_error;
};
