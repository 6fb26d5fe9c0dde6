#include "ftplink.h"

#include <QFile>
#include <QTextStream>
#include <QUrl>

QString FtpLink::publicText() const
{
    QString text = scheme + QStringLiteral("://") + host;
    if (port != 21)
        text += QLatin1Char(':') + QString::number(port);
    return text;
}

QString FtpLink::decode(const QString &numbers, bool *ok)
{
    *ok = false;
    const QStringList parts = numbers.trimmed().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    QString text;
    for (int i = 0; i < parts.size(); ++i) {
        bool isNumber = false;
        const int code = parts.at(i).toInt(&isNumber) - i;
        // Codes outside printable characters cannot belong to a link; refusing them keeps
        // control characters out of the host and path.
        if (!isNumber || code < 0x20 || code > 0xFFFF || code == 0x7F)
            return QString();
        text += QChar(code);
    }
    *ok = !text.isEmpty();
    return text;
}

QString FtpLink::encode(const QString &text)
{
    QStringList numbers;
    for (int i = 0; i < text.size(); ++i)
        numbers << QString::number(text.at(i).unicode() + i);
    return numbers.join(QLatin1Char(' '));
}

bool FtpLink::parse(const QString &text, FtpLink *link)
{
    const QUrl url(text, QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || url.host().isEmpty()
        || (scheme != QLatin1String("ftp") && scheme != QLatin1String("ftps")))
        return false;
    link->scheme = scheme;
    link->host = url.host();
    link->port = url.port(21);
    link->user = url.userName(QUrl::FullyDecoded);
    link->password = url.password(QUrl::FullyDecoded);
    link->path.clear();
    for (const QString &segment : url.path(QUrl::FullyDecoded).split(QLatin1Char('/'), Qt::SkipEmptyParts))
        link->path << segment;
    return true;
}

FtpLink::ReadResult FtpLink::readFile(const QString &fileName, FtpLink *link)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return ReadResult::NotFound;
    QTextStream in(&file);
    bool ok = false;
    const QString text = decode(in.readLine(), &ok);
    if (!ok || !parse(text, link))
        return ReadResult::Invalid;
    link->acceptSelfSigned = false;
    while (!in.atEnd()) {
        if (in.readLine().trimmed() == QLatin1String("accept-self-signed"))
            link->acceptSelfSigned = true;
    }
    return ReadResult::Ok;
}
