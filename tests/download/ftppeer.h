#pragma once

#include <QByteArray>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

// The peers' user "tv" and its password, which no message may show.
inline const QString kSecret = "Zx9-s3cret";
inline const QString kUser = "tv:" + kSecret;

// ftp_peer.py serving a folder of `files` (name -> content; "dir/name" makes the folder, "dir/" an
// empty one), and an installation folder (configData/, csv_file/) to download into. The server
// ends with this object.
class FtpPeer
{
public:
    FtpPeer(const QList<QPair<QString, QByteArray>> &files, const QStringList &options);
    ~FtpPeer();

    QString error() const { return m_error; } // empty when the server runs
    int port() const { return m_port; }
    QString installation() const { return m_install.path(); }
    QString csvDir() const { return m_install.path() + "/csv_file"; }
    // "SCHEME://[USERINFO@]127.0.0.1:PORT"; writeLinkFile() writes it encoded, `options` after it.
    QString linkText(const QString &userInfo, const QString &scheme = "ftp") const;
    bool writeLinkFile(const QString &userInfo, const QStringList &options = {}) const;

    // Names in csv_file/, temporary files included so a leftover shows; "<missing>" for no file.
    QStringList csvFiles() const;
    QByteArray csvFile(const QString &name) const;
    // Empties csv_file/, then writes each of `names` with `content`.
    void resetCsvFiles(const QStringList &names = {}, const QByteArray &content = "kept") const;

private:
    QTemporaryDir m_root;
    QTemporaryDir m_install;
    QProcess m_process;
    int m_port = 0;
    QString m_error;
};
