#include "ftppeer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

FtpPeer::FtpPeer()
{
    QDir(m_install.path()).mkpath(QStringLiteral("configData"));
    QDir(m_install.path()).mkpath(QStringLiteral("csv_file"));
}

FtpPeer::~FtpPeer()
{
    if (m_process.state() != QProcess::NotRunning) {
        m_process.kill();
        m_process.waitForFinished(3000);
    }
}

void FtpPeer::addFiles(const QList<QPair<QString, QByteArray>> &files)
{
    for (const auto &file : files) {
        const QString path = m_root.filePath(file.first);
        QDir().mkpath(QFileInfo(path).path());
        QFile out(path);
        if (out.open(QIODevice::WriteOnly))
            out.write(file.second);
    }
}

bool FtpPeer::start(const QStringList &options)
{
    m_process.setProcessChannelMode(QProcess::SeparateChannels);
    m_process.start(QStringLiteral("/usr/bin/python3"),
        QStringList { QStringLiteral(TARVOLINK_SOURCE_DIR "/tests/download/ftp_peer.py"),
            QStringLiteral("--root"), root() }
            + options);
    if (!m_process.waitForStarted(5000)) {
        m_error = m_process.errorString();
        return false;
    }
    while (!m_process.canReadLine() && m_process.waitForReadyRead(10000)) { }
    const QByteArray line = m_process.readLine().trimmed();
    if (!line.startsWith("PORT ")) {
        m_process.waitForFinished(1000);
        m_error = QString::fromLocal8Bit(m_process.readAllStandardError().right(400));
        return false;
    }
    m_port = line.mid(5).toInt();
    return true;
}

QString FtpPeer::linkText(const QString &userInfo, const QString &scheme) const
{
    const QString user = userInfo.isEmpty() ? QString() : userInfo + QLatin1Char('@');
    return scheme + QStringLiteral("://") + user + QStringLiteral("127.0.0.1:") + QString::number(m_port);
}

FtpLink FtpPeer::link(const QString &userInfo, const QString &scheme) const
{
    FtpLink link;
    FtpLink::parse(linkText(userInfo, scheme), &link);
    return link;
}

bool FtpPeer::writeLinkFile(const QString &userInfo, const QString &scheme, const QStringList &options) const
{
    QFile file(m_install.filePath(QStringLiteral("configData/ftpLink.txt")));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text))
        return false;
    file.write(FtpLink::encode(linkText(userInfo, scheme)).toUtf8() + '\n');
    for (const QString &option : options)
        file.write(option.toUtf8() + '\n');
    return true;
}

QStringList FtpPeer::csvFiles() const
{
    return QDir(csvDir()).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

QByteArray FtpPeer::csvFile(const QString &name) const
{
    QFile file(QDir(csvDir()).filePath(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void FtpPeer::putCsvFile(const QString &name, const QByteArray &content) const
{
    QFile file(QDir(csvDir()).filePath(name));
    if (file.open(QIODevice::WriteOnly))
        file.write(content);
}

bool FtpPeer::haveTls()
{
    return QProcess::execute(QStringLiteral("/usr/bin/python3"),
               { QStringLiteral("-c"),
                   QStringLiteral("import OpenSSL, pyftpdlib.handlers as h; h.TLS_FTPHandler") })
        == 0;
}
