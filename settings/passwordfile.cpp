#include "passwordfile.h"

#include "apppaths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <QTextStream>

namespace PasswordFile {

QString decode(const QString &firstLine)
{
    const QStringList pieces
        = firstLine.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
    QString password;
    for (int i = 0; i < pieces.size(); ++i) {
        bool ok = false;
        // Read as int: a 64-bit number at its limit would overflow when lowered by its position.
        const qlonglong value = qlonglong(pieces.at(i).toInt(&ok)) - i;
        // A code below the blank or outside one UTF-16 unit is no character anyone can type: the
        // file is damaged, and a damaged file must not let anyone in.
        if (!ok || value < 0x20 || value > 0xFFFF || QChar::isSurrogate(char32_t(value)))
            return QString();
        password.append(QChar(ushort(value)));
    }
    return password;
}

Check check(QTextStream &stream, const QString &typed)
{
    // A password anyone types fills a few hundred characters of codes; a longer line is damage,
    // and reading and splitting it whole would freeze the login.
    constexpr qint64 kMaxLine = 4096;
    const QString line = stream.readLine(kMaxLine + 1);
    if (line.size() > kMaxLine)
        return Check::Invalid;
    const QString expected = decode(line);
    // An empty first line would otherwise accept an empty password.
    if (expected.isEmpty() || typed != expected)
        return Check::Invalid;
    return Check::Accepted;
}

Check check(const QString &filePath, const QString &typed)
{
    QFile file(filePath);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return Check::Missing;
    QTextStream stream(&file);
    stream.setCodec("UTF-8");
    return check(stream, typed);
}

QString path()
{
    return AppPaths::configDir() + QStringLiteral("/pwFile.txt");
}

QString encode(const QString &password)
{
    QStringList pieces;
    for (int i = 0; i < password.size(); ++i) {
        const QChar c = password.at(i);
        if (c.unicode() < 0x20 || c.isSurrogate())
            return QString();
        pieces.append(QString::number(int(c.unicode()) + i));
    }
    return pieces.join(QLatin1Char(' '));
}

bool write(const QString &filePath, const QString &password, QString *error)
{
    const QString line = encode(password);
    if (line.isEmpty()) {
        *error = password.isEmpty()
            ? QStringLiteral("the password is empty")
            : QStringLiteral("the password holds a character that cannot be typed at the login");
        return false;
    }
    QDir().mkpath(QFileInfo(filePath).absolutePath());
    // Written beside the old file and renamed over it: an interrupted write leaves the old password.
    QSaveFile file(filePath);
    if (!file.open(QIODevice::WriteOnly)) {
        *error = file.errorString();
        return false;
    }
    // Set on the new file before the password is in it, so nobody else can read it at any moment.
    file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    file.write(line.toUtf8() + '\n');
    if (!file.commit()) {
        *error = file.errorString();
        return false;
    }
    return true;
}

} // namespace PasswordFile
