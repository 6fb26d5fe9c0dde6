#include "ftppeer.h"

#include "ftplink.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {
bool writeFile(const QString &path, const QByteArray &content)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}
} // namespace

FtpPeer::FtpPeer(const QList<QPair<QString, QByteArray>> &files, const QStringList &options)
{
    QDir(m_install.path()).mkpath("configData");
    QDir(m_install.path()).mkpath("csv_file");
    for (const auto &file : files) // a name ending in "/" is an empty folder
        file.first.endsWith('/') ? QDir().mkpath(m_root.filePath(file.first))
                                 : writeFile(m_root.filePath(file.first), file.second);
    m_process.start("/usr/bin/python3",
        QStringList { TARVOLINK_SOURCE_DIR "/tests/download/ftp_peer.py", "--root", m_root.path() }
            + options);
    while (m_process.waitForReadyRead(10000) && !m_process.canReadLine()) { }
    const QByteArray line = m_process.readLine().trimmed();
    m_port = line.startsWith("PORT ") ? line.mid(5).toInt() : 0;
    if (!m_port) {
        m_process.waitForFinished(2000);
        m_error = "ftp_peer.py did not start: "
            + QString::fromLocal8Bit(m_process.readAllStandardError().right(300));
    }
}

FtpPeer::~FtpPeer()
{
    m_process.kill();
    m_process.waitForFinished(3000);
}

QString FtpPeer::linkText(const QString &userInfo, const QString &scheme) const
{
    const QString user = userInfo.isEmpty() ? QString() : userInfo + '@';
    return scheme + "://" + user + "127.0.0.1:" + QString::number(m_port);
}

bool FtpPeer::writeLinkFile(const QString &userInfo, const QStringList &options) const
{
    const QString text = FtpLink::encode(linkText(userInfo)) + '\n' + options.join('\n');
    return writeFile(m_install.filePath("configData/ftpLink.txt"), text.toUtf8());
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

void FtpPeer::resetCsvFiles(const QStringList &names, const QByteArray &content) const
{
    for (const QString &name : csvFiles())
        QFile::remove(QDir(csvDir()).filePath(name));
    for (const QString &name : names)
        writeFile(QDir(csvDir()).filePath(name), content);
}
