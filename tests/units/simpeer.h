#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

// The drive simulator as a peer of the tab controller tests: started with its options, ready once
// its pseudo-terminal link or TCP address answers, and always killed at the end.
class SimPeer
{
public:
    ~SimPeer() { stop(); }
    // Serves Modbus TCP on address:502 with the extra options.
    bool startTcp(const QString &dataDir, const QString &address, const QStringList &extra = {});
    // Serves Modbus RTU on a new pseudo-terminal whose link is `link`, for the unit numbers given.
    bool startPty(
        const QString &dataDir, const QString &link, const QList<int> &units, const QStringList &extra = {});
    void stop();
    QString output();
    // Freezes and thaws the simulator (SIGSTOP / SIGCONT): a unit that stops answering and comes back.
    bool pause(bool paused);

private:
    bool start(const QStringList &arguments);
    QProcess m_process;
};

// A test installation in dir: the shipped general.csv plus the small test drive "TST" and its
// device description file. Returns the device file path, or an empty text on failure.
QString prepareTestInstallation(const QString &dir);

// True when this process may bind port 502 (the program always talks Modbus TCP on 502).
bool canServePort502();

// Reads one holding register with mbpoll (an independent Modbus master) over TCP; -1 on failure.
int mbpollReadHolding(const QString &address, int unit, int registerNumber);
