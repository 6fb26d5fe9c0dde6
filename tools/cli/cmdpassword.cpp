// password: writes the service password file, so an installation can have a password that is
// its own instead of one shipped to everybody.
#include "apppaths.h"
#include "clicommon.h"
#include "clioptions.h"
#include "passwordfile.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <QTextStream>
#include <cstdio>
#include <termios.h>
#include <unistd.h>

namespace {

// One line typed on the terminal without showing it.
QString askHidden(const char *prompt)
{
    std::fputs(prompt, stderr);
    std::fflush(stderr);
    termios saved {};
    const bool terminal = tcgetattr(STDIN_FILENO, &saved) == 0;
    if (terminal) {
        termios quiet = saved;
        quiet.c_lflag &= tcflag_t(~ECHO);
        tcsetattr(STDIN_FILENO, TCSAFLUSH, &quiet);
    }
    QTextStream in(stdin);
    in.setCodec("UTF-8");
    const QString line = in.readLine();
    if (terminal) {
        tcsetattr(STDIN_FILENO, TCSAFLUSH, &saved);
        std::fputs("\n", stderr);
    }
    return line;
}

} // namespace

namespace CliCommands {

int password(const QStringList &args)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Sets the service password: asks for it twice on a terminal, otherwise reads the first line of "
        "standard input. Writes configData/pwFile.txt (or --file), readable by its owner only."));
    parser.addOption(
        { QStringLiteral("file"), QStringLiteral("Password file to write."), QStringLiteral("FILE") });
    CliArgs::addDataOption(parser);
    int exitCode = 0;
    if (!CliCommon::parse(parser, args, &exitCode)
        || !CliCommon::expectPositional(parser, 0, QStringLiteral("password"), &exitCode))
        return exitCode;
    // Only the folder: a fresh installation may set its password before anything else is there.
    if (parser.isSet(QStringLiteral("data")))
        AppPaths::setBaseDir(QFileInfo(parser.value(QStringLiteral("data"))).absoluteFilePath());
    QString error;
    const QString path
        = parser.isSet(QStringLiteral("file")) ? parser.value(QStringLiteral("file")) : PasswordFile::path();

    QString password;
    if (isatty(STDIN_FILENO)) {
        password = askHidden("New service password: ");
        if (askHidden("Type it again: ") != password)
            return CliCommon::fail(
                CliExit::Usage, QStringLiteral("the two passwords differ; nothing written"));
    } else {
        QTextStream in(stdin);
        in.setCodec("UTF-8");
        password = in.readLine();
    }
    if (!PasswordFile::write(path, password, &error))
        return CliCommon::fail(PasswordFile::encode(password).isEmpty() ? CliExit::Usage : CliExit::File,
            QStringLiteral("%1: %2").arg(path, error));
    QTextStream(stdout) << "Service password written to " << path << '\n';
    return CliExit::Ok;
}

} // namespace CliCommands
