#pragma once

#include "mbpoll.h"
#include "simpeer.h"

#include <QProcess>
#include <QString>
#include <QStringList>

// What one run of tarvolink-cli gave.
struct CliRun
{
    int exitCode = -1;
    QString out;
    QString err;
};

// Runs tarvolink-cli with `args` and `input` on its standard input; a run that outlives
// `timeoutMs` is killed and fails.
CliRun runCli(const QStringList &args, int timeoutMs = 90000, const QByteArray &input = QByteArray());

// An installation folder in `dir`: the shipped general.csv with the test drive "CLT" added, and
// csv_file/ with the test drive's description file.
bool makeInstallation(const QString &dir);

// Lines of a text file; empty when it cannot be read.
QStringList fileLines(const QString &path);
bool writeLines(const QString &path, const QStringList &lines);
