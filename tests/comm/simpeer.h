#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <functional>

// The drive simulator as a peer: started with the given arguments, ready once it prints its
// "serving" line, killed when the peer goes out of scope (also when a test fails).
class SimPeer
{
public:
    ~SimPeer() { stop(); }
    bool start(const QStringList &arguments, int readyTimeoutMs = 5000);
    void stop();

private:
    QProcess process;
};

// An installation folder (configData/general.csv and csv_file/) built from the shipped data,
// each file optionally edited on the way, for faults that live in the PC's files.
class TestInstallation
{
public:
    using Edit = std::function<QByteArray(QByteArray)>;
    explicit TestInstallation(const QString &baseDir);
    bool addGeneralCsv(const Edit &edit = Edit());
    bool addDeviceFile(const QString &name, const Edit &edit = Edit());
    QString baseDir() const { return dir; }

private:
    bool copy(const QString &from, const QString &to, const Edit &edit);
    QString dir;
};

// An edit that replaces one exact text and fails the copy when the text is not there, so a
// change of the shipped data cannot silently turn a fault case into a plain copy.
TestInstallation::Edit replacing(const QByteArray &before, const QByteArray &after);
