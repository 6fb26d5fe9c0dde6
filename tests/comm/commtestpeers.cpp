#include "commtestpeers.h"

#include "modbusframe.h"

#include <QDir>
#include <QFileInfo>
#include <QHostAddress>
#include <QTcpServer>
#include <QThread>
#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <termios.h>
#include <unistd.h>

static void endProcess(QProcess &process)
{
    if (process.state() != QProcess::NotRunning) {
        process.kill();
        process.waitForFinished(3000);
    }
}

bool SocatPty::start(const QString &dir)
{
    const QString a = dir + QStringLiteral("/ours");
    const QString b = dir + QStringLiteral("/peer");
    process.start(QStringLiteral("socat"),
        { QStringLiteral("pty,raw,echo=0,link=") + a, QStringLiteral("pty,raw,echo=0,link=") + b });
    if (!process.waitForStarted(3000))
        return false;
    for (int i = 0; i < 100; ++i) {
        if (QFileInfo::exists(a) && QFileInfo::exists(b)) {
            oursPath = QFileInfo(a).symLinkTarget();
            peerPath = QFileInfo(b).symLinkTarget();
            return !oursPath.isEmpty() && !peerPath.isEmpty();
        }
        QThread::msleep(20);
    }
    return false;
}

void SocatPty::stop()
{
    endProcess(process);
}

bool PymodbusPeer::start(const QStringList &arguments)
{
    // Nobody reads the server's log while the tests run: a full pipe would stall the server.
    process.setStandardErrorFile(QProcess::nullDevice());
    process.start(QStringLiteral("/usr/bin/python3"),
        QStringList { QStringLiteral(TARVOLINK_SOURCE_DIR "/tests/comm/modbus_peer.py") } + arguments);
    if (!process.waitForStarted(3000))
        return false;
    QByteArray out;
    for (int i = 0; i < 100 && !out.contains("READY"); ++i) {
        if (process.state() == QProcess::NotRunning)
            return false;
        process.waitForReadyRead(100);
        out += process.readAllStandardOutput();
    }
    return out.contains("READY");
}

bool PymodbusPeer::startRtu(const QString &device, const QStringList &holding)
{
    return start(QStringList { QStringLiteral("rtu"), device } + holding);
}

bool PymodbusPeer::startTcp(const QString &host, quint16 port, const QStringList &holding)
{
    return start(QStringList { QStringLiteral("tcp"), host, QString::number(port) } + holding);
}

void PymodbusPeer::stop()
{
    endProcess(process);
}

quint16 modbusTcpPort(const QString &host, quint16 fallback)
{
    QTcpServer probe;
    if (probe.listen(QHostAddress(host), 502)) {
        probe.close();
        return 502;
    }
    return fallback;
}

QByteArray withCrc(QByteArray frame)
{
    const quint16 crc = ModbusFrame::crc16(reinterpret_cast<const quint8 *>(frame.constData()), frame.size());
    frame.append(char(crc & 0xFF));
    frame.append(char(crc >> 8));
    return frame;
}

QByteArray fromHex(const char *hex)
{
    return QByteArray::fromHex(QByteArray(hex).replace(' ', ""));
}

// ---- scripted serial peer

bool ScriptedSerialPeer::start(const QString &device, Responder responder)
{
    respond = std::move(responder);
    fd = ::open(device.toLocal8Bit().constData(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (fd < 0)
        return false;
    termios tio {};
    tcgetattr(fd, &tio);
    cfmakeraw(&tio);
    tcsetattr(fd, TCSANOW, &tio);
    running = true;
    thread = std::thread([this] { run(); });
    return true;
}

void ScriptedSerialPeer::stop()
{
    running = false;
    if (thread.joinable())
        thread.join();
    if (fd >= 0)
        ::close(fd);
    fd = -1;
}

void ScriptedSerialPeer::run()
{
    QByteArray frame;
    while (running) {
        pollfd p { fd, POLLIN, 0 };
        // A request is complete after 4 ms without a byte; 20 ms polls keep stop() quick.
        const int ready = ::poll(&p, 1, frame.isEmpty() ? 20 : 4);
        if (ready > 0 && (p.revents & POLLIN)) {
            char chunk[512];
            const ssize_t n = ::read(fd, chunk, sizeof chunk);
            if (n > 0)
                frame.append(chunk, int(n));
            continue;
        }
        if (frame.isEmpty())
            continue;
        ++requests;
        const QByteArray reply = respond(frame);
        frame.clear();
        int written = 0;
        for (int tries = 0; written < reply.size() && tries < 200; ++tries) {
            const ssize_t n = ::write(fd, reply.constData() + written, size_t(reply.size() - written));
            if (n > 0)
                written += int(n);
            else
                ::usleep(1000);
        }
    }
}

// ---- scripted TCP peer

bool ScriptedTcpPeer::start(const QString &host, Responder responder, int gapMs)
{
    respond = std::move(responder);
    gap = gapMs;
    listenFd = ::socket(AF_INET, SOCK_STREAM, 0);
    if (listenFd < 0)
        return false;
    int yes = 1;
    setsockopt(listenFd, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
    sockaddr_in address {};
    address.sin_family = AF_INET;
    address.sin_port = 0;
    inet_pton(AF_INET, host.toLatin1().constData(), &address.sin_addr);
    if (::bind(listenFd, reinterpret_cast<sockaddr *>(&address), sizeof address) != 0
        || ::listen(listenFd, 8) != 0)
        return false;
    socklen_t length = sizeof address;
    getsockname(listenFd, reinterpret_cast<sockaddr *>(&address), &length);
    listenPort = ntohs(address.sin_port);
    running = true;
    thread = std::thread([this] { run(); });
    return true;
}

void ScriptedTcpPeer::stop()
{
    running = false;
    if (thread.joinable())
        thread.join();
    if (listenFd >= 0)
        ::close(listenFd);
    listenFd = -1;
}

void ScriptedTcpPeer::run()
{
    while (running) {
        pollfd p { listenFd, POLLIN, 0 };
        if (::poll(&p, 1, 20) <= 0)
            continue;
        const int client = ::accept(listenFd, nullptr, nullptr);
        if (client >= 0) {
            serve(client);
            ::close(client);
        }
    }
}

void ScriptedTcpPeer::serve(int client)
{
    QByteArray request;
    // The request arrives in one piece on loopback; wait at most 1 s for it.
    for (int i = 0; i < 50 && running && request.size() < 8; ++i) {
        pollfd p { client, POLLIN, 0 };
        if (::poll(&p, 1, 20) <= 0)
            continue;
        char chunk[512];
        const ssize_t n = ::read(client, chunk, sizeof chunk);
        if (n <= 0)
            return; // a connection check: closed without a request
        request.append(chunk, int(n));
    }
    if (request.isEmpty())
        return;
    const QList<QByteArray> segments = respond(request);
    if (segments.size() == 1 && segments[0].isNull())
        return; // a connection dropped before any reply
    for (int i = 0; i < segments.size(); ++i) {
        if (i > 0 && gap > 0)
            ::usleep(useconds_t(gap) * 1000);
        ::send(client, segments[i].constData(), size_t(segments[i].size()), MSG_NOSIGNAL);
    }
    // Let the client close first so that nothing it still reads is cut off.
    for (int i = 0; i < 50 && running; ++i) {
        pollfd p { client, POLLIN, 0 };
        if (::poll(&p, 1, 20) > 0) {
            char chunk[64];
            if (::read(client, chunk, sizeof chunk) <= 0)
                return;
        }
    }
}
