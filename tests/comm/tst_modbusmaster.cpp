// The Modbus master against a real pymodbus server: over a socat pseudo-terminal (RTU) or over
// loopback TCP, chosen at build time so that both transports run the same cases. Every Qt warning
// is fatal here, so a worker thread touching a Qt object of another thread fails the test.
#include "commtestpeers.h"
#include "linktap.h"
#include "vxcommmanageserialport.h"
#include "vxcommmodbusmaster.h"

#include <QElapsedTimer>
#include <QtTest>
#include <atomic>
#include <memory>

static const QString Host = testHost(TEST_LOOPBACK);

// Counts the master's reports in the user-interface thread, as the tab controller does.
class ReportCounter : public QObject
{
    Q_OBJECT
public:
    std::atomic<int> successes { 0 };
    std::atomic<int> others { 0 };
    bool inOwnThread = true;
public slots:
    void count(int kind, int, int, QString, QString, QStringList, QStringList)
    {
        inOwnThread = inOwnThread && QThread::currentThread() == thread();
        (kind == 4 ? successes : others)++;
    }
};

class TestModbusMaster : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();

    void readsEveryTable_data();
    void readsEveryTable();
    void writesEveryFunction_data();
    void writesEveryFunction();
    void exceptionRepliesAreReported_data();
    void exceptionRepliesAreReported();
    void busyWriteIsReadBack_data();
    void busyWriteIsReadBack();
    void sharedMasterInterleaves();
    void sharedCommandCoilGivesDirection_data();
    void sharedCommandCoilGivesDirection();
    void silentUnitIsResentThenInactive();
    void disconnectedUnitGetsNoTraffic();
    void unitThatReturnsIsActiveOnce();
    void unpluggedAdapterIsTakenUpAgain();

private:
    bool startPeer();
    int exchange(int type, int readAddress, int writeAddress, int readCount, int writeCount,
        const QByteArray &data, QByteArray *payload = nullptr);
    QStringList messages(const QSignalSpy &spy, int kind) const;

    QTemporaryDir dir;
    SocatPty pty;
    PymodbusPeer peer;
    quint16 port = 0;
    std::unique_ptr<VxCommModbusMaster> master;
};

bool TestModbusMaster::startPeer()
{
    return MASTER_OVER_TCP ? peer.startTcp(Host, port) : peer.startRtu(pty.peer());
}

void TestModbusMaster::initTestCase()
{
    QVERIFY(dir.isValid());
    if (MASTER_OVER_TCP) {
        port = modbusTcpPort(Host, TEST_FALLBACK_PORT);
        QVERIFY(startPeer());
        master = std::make_unique<VxCommModbusMaster>(3);
        QVERIFY(master->VxCommConnectTcpLink(Host, port));
    } else {
        QVERIFY(pty.start(dir.path()));
        QVERIFY(startPeer());
        master = std::make_unique<VxCommModbusMaster>(1);
        QCOMPARE(master->VxCommOpenSerialLink(pty.ours(), 115200, "N,8,1"), 1);
        QCOMPARE(master->VxCommOpenSerialLink(pty.ours(), 115200, "N,8,1"), -15);
        QCOMPARE(master->VxCommLinkName(), pty.ours()); // /dev/pts/N is used unchanged
    }
}

void TestModbusMaster::cleanupTestCase()
{
    master.reset();
    peer.stop();
    pty.stop();
}

void TestModbusMaster::init()
{
    // RTU waits for its first byte over 45 polls; TCP gets the usual 40 + 200 ms window.
    master->VxCommSetMsgDelay(MASTER_OVER_TCP ? 40 : 5);
    master->VxCommSetNoOfRetries(1);
    master->VxCommSetStopFlag(0);
    master->VxCommSetUnitAddress(1);
    for (int unit : { 1, 2, 7 })
        master->VxCommAddUnitHealth(unit, "connect", "1");
}

int TestModbusMaster::exchange(int type, int readAddress, int writeAddress, int readCount, int writeCount,
    const QByteArray &data, QByteArray *payload)
{
    quint8 reply[1024] = {};
    QMutexLocker lock(master->VxCommMutex());
    if (!master->VxCommIsUnitConnected(master->VxCommGetUnitAddress()))
        return -100;
    const int result = master->VxCommTransaction(type, readAddress, writeAddress, readCount, writeCount,
        data.isNull() ? nullptr : reinterpret_cast<const quint8 *>(data.constData()), reply);
    if (payload && result > 3)
        *payload = QByteArray(reinterpret_cast<const char *>(reply) + 3, reply[2]);
    return result;
}

QStringList TestModbusMaster::messages(const QSignalSpy &spy, int kind) const
{
    QStringList texts;
    for (const QList<QVariant> &report : spy) {
        if (report.at(0).toInt() == kind)
            texts << report.at(4).toString();
    }
    return texts;
}

// Values as the link monitor shows them.
static QString texts(const QVector<quint16> &values)
{
    QStringList list;
    for (quint16 v : values)
        list << QString::number(v);
    return list.join(' ');
}

// Replies carry a CRC on RTU only.
static int replyBytes(int rtuLength)
{
    return MASTER_OVER_TCP ? rtuLength - 2 : rtuLength;
}

void TestModbusMaster::readsEveryTable_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("address");
    QTest::addColumn<int>("count");
    QTest::addColumn<QByteArray>("payload");
    QTest::newRow("coils") << 1 << 1 << 8 << fromHex("00");
    QTest::newRow("discrete inputs") << 2 << 10001 << 10 << fromHex("AA 02");
    // Register reads, their lengths and values: sharedMasterInterleaves.
}

void TestModbusMaster::readsEveryTable()
{
    QFETCH(int, type);
    QFETCH(int, address);
    QFETCH(int, count);
    QFETCH(QByteArray, payload);
    QSignalSpy spy(master.get(), &VxCommModbusMaster::VxCommHealthOfUnitToUI);
    QByteArray got;
    QCOMPARE(exchange(type, address, 0, count, 0, QByteArray(), &got), replyBytes(5 + payload.size()));
    QCOMPARE(got.toHex(' '), payload.toHex(' '));
    QCOMPARE(messages(spy, 4), QStringList { QString::number(address) + ":READ_OPERATION:success" });
    QCOMPARE(spy.size(), 1);
}

void TestModbusMaster::writesEveryFunction_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("address");
    QTest::addColumn<int>("count");
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QByteArray>("readBack");
    QTest::addColumn<QString>("values"); // as the link monitor shows them, written and read back
    QTest::newRow("5 single coil") << 1 << 101 << 1 << fromHex("00") << fromHex("01") << "1";
    QTest::newRow("15 coils") << 1 << 111 << 10 << fromHex("A5 02") << fromHex("A5 02")
                              << "1 0 1 0 0 1 0 1 0 1";
    QTest::newRow("6 single register") << 4 << 40101 << 1 << fromHex("34 12") << fromHex("12 34") << "4660";
    QTest::newRow("16 registers") << 4 << 40111 << 3 << fromHex("01 00 02 00 FF 7F")
                                  << fromHex("00 01 00 02 7F FF") << "1 2 32767";
}

void TestModbusMaster::writesEveryFunction()
{
    QFETCH(int, type);
    QFETCH(int, address);
    QFETCH(int, count);
    QFETCH(QByteArray, data);
    QFETCH(QByteArray, readBack);
    QFETCH(QString, values);
    QSignalSpy spy(master.get(), &VxCommModbusMaster::VxCommHealthOfUnitToUI);
    const auto tap = LinkTap::subscribe();
    QCOMPARE(exchange(type, 0, address, 0, count, data), replyBytes(8));
    QCOMPARE(messages(spy, 4), QStringList { QString::number(address) + ":WRITE_OPERATION:success" });
    QByteArray got;
    QVERIFY(exchange(type, address, 0, count, 0, QByteArray(), &got) > 0);
    QCOMPARE(got.toHex(' '), readBack.toHex(' '));
    LinkTap::unsubscribe(tap);
    const std::deque<LinkExchange> seen = tap->take();
    QCOMPARE(seen.size(), size_t(2));
    QCOMPARE(texts(seen[0].writtenValues()), values);
    QCOMPARE(texts(seen[1].replyValues()), values);
    for (const LinkExchange &e : seen) {
        QCOMPARE(e.firstRegister, address);
        QCOMPARE(e.count, count);
        QCOMPARE(e.outcome, LinkOutcome::Ok);
        QCOMPARE(e.link, master->VxCommLinkName());
        // As sent: the TCP frame carries its header before the unit.
        QCOMPARE(e.request.at(MASTER_OVER_TCP ? 6 : 0), char(1));
    }
    QCOMPARE(seen[1].reply.size(), MASTER_OVER_TCP ? got.size() + 9 : got.size() + 5);
}

void TestModbusMaster::exceptionRepliesAreReported_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("readAddress");
    QTest::addColumn<int>("writeAddress");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("message");
    // The exception code is the row name's first number.
    QTest::newRow("1 illegal function")
        << 4 << 40901 << 0 << 1 << "warning message\t-16\tillegal function\t40901\tread failure";
    QTest::newRow("2 illegal data address")
        << 4 << 41501 << 0 << 1 << "warning message\t-16\tillegal data address\t41501\tread failure";
    QTest::newRow("3 illegal value") << 4 << 40001 << 0 << 126
                                     << "warning message\t3\tillegal data address\t40001\tread failure";
    QTest::newRow("4 other code") << 4 << 40902 << 0 << 1
                                  << "warning message\t4\tunknown warning message\t:\t40902\tread failure";
    // Exceptions to functions outside 3..6 are exceptions too, not length errors.
    QTest::newRow("2 on coil read") << 1 << 1501 << 0 << 1
                                    << "warning message\t-16\tillegal data address\t1501\tread failure";
    QTest::newRow("2 on multiple register write")
        << 4 << 0 << 41501 << 2 << "warning message\t-16\tillegal data address\t41501\twrite failure";
}

void TestModbusMaster::exceptionRepliesAreReported()
{
    QFETCH(int, type);
    QFETCH(int, readAddress);
    QFETCH(int, writeAddress);
    QFETCH(int, count);
    QFETCH(QString, message);
    master->VxCommAddUnitHealth(1, "connect", "0");
    QSignalSpy spy(master.get(), &VxCommModbusMaster::VxCommHealthOfUnitToUI);
    const QByteArray data(2 * count, '\x01');
    const auto tap = LinkTap::subscribe();
    QCOMPARE(exchange(type, readAddress, writeAddress, readAddress ? count : 0, writeAddress ? count : 0,
                 writeAddress ? data : QByteArray()),
        -16);
    LinkTap::unsubscribe(tap);
    const std::deque<LinkExchange> seen = tap->take();
    QCOMPARE(seen.size(), size_t(1));
    QCOMPARE(seen[0].outcome, LinkOutcome::Exception);
    QCOMPARE(QString::number(seen[0].exception), QString(QTest::currentDataTag()).section(' ', 0, 0));
    QCOMPARE(messages(spy, 1), QStringList { message });
    QCOMPARE(spy.size(), 1); // no resend, no error report
    const QStringList request = spy.at(0).at(5).toStringList();
    const QStringList reply = spy.at(0).at(6).toStringList();
    QCOMPARE(
        request.mid(0, 2), (QStringList { "1", QString::number(readAddress ? (type == 1 ? 1 : 3) : 16) }));
    QCOMPARE(reply.value(1).toInt(), request.value(1).toInt() | 0x80);
    QCOMPARE(reply.value(2), QString(QTest::currentDataTag()).section(' ', 0, 0));
    QCOMPARE(master->VxCommGetUnitHealth(1).value(2), QString("1")); // the unit answered
}

void TestModbusMaster::busyWriteIsReadBack_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("address");
    QTest::addColumn<int>("count");
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<int>("result");
    // The peer stores writes at 40801.., coils 801.. and drops those at 40811.., coils 811..
    QTest::newRow("6 stored") << 4 << 40801 << 1 << fromHex("05 00") << 1;
    QTest::newRow("6 dropped") << 4 << 40811 << 1 << fromHex("05 00") << -4;
    QTest::newRow("16 stored") << 4 << 40802 << 2 << fromHex("07 01 08 02") << 1;
    QTest::newRow("16 dropped") << 4 << 40812 << 2 << fromHex("07 01 08 02") << -4;
    QTest::newRow("5 stored") << 1 << 801 << 1 << fromHex("00") << 1;
    QTest::newRow("5 dropped") << 1 << 811 << 1 << fromHex("00") << -4;
    QTest::newRow("15 stored, a zero among ones") << 1 << 803 << 3 << fromHex("05") << 1;
    QTest::newRow("15 dropped") << 1 << 813 << 3 << fromHex("07") << -4;
}

void TestModbusMaster::busyWriteIsReadBack()
{
    QFETCH(int, type);
    QFETCH(int, address);
    QFETCH(int, count);
    QFETCH(QByteArray, data);
    QFETCH(int, result);
    QSignalSpy spy(master.get(), &VxCommModbusMaster::VxCommHealthOfUnitToUI);
    QCOMPARE(exchange(type, 0, address, 0, count, data), result);
    QCOMPARE(messages(spy, 1),
        QStringList { "warning message\t6\tdevice busy\t" + QString::number(address) + "\twrite failure" });
    QCOMPARE(master->VxCommGetUnitHealth(1).value(2), QString("1"));
}

// Two worker threads share one master, as the import, status and oscilloscope workers do:
// exchanges interleave one at a time under the master's mutex and every reply belongs to its own
// request.
void TestModbusMaster::sharedMasterInterleaves()
{
    master->VxCommSetMsgDelay(1);
    ReportCounter counter;
    connect(master.get(), &VxCommModbusMaster::VxCommHealthOfUnitToUI, &counter, &ReportCounter::count,
        Qt::QueuedConnection);

    // 20 exchanges per thread: more than 16 in all, so the serial port is also reopened
    // while the other thread waits for the mutex.
    constexpr int Rounds = 20;
    std::atomic<int> wrong { 0 };
    std::atomic<int> done { 0 };
    auto worker = [&](int unit, int type, int first, int count, quint16 base, quint16 step) {
        for (int round = 0; round < Rounds; ++round) {
            quint8 reply[1024] = {};
            const int address = first + round;
            int result = 0;
            {
                QMutexLocker lock(master->VxCommMutex());
                if (!master->VxCommIsUnitConnected(unit)) {
                    ++wrong;
                    continue;
                }
                master->VxCommSetUnitAddress(unit);
                result = master->VxCommTransaction(type, address, 0, count, 0, nullptr, reply);
            }
            const int offset = address - (type == 3 ? 30001 : 40001);
            bool good = result == replyBytes(5 + 2 * count) && reply[0] == unit && reply[2] == 2 * count;
            for (int i = 0; good && i < count; ++i) {
                const quint16 value = quint16((reply[3 + 2 * i] << 8) | reply[4 + 2 * i]);
                good = value == quint16(base + step * (offset + i));
            }
            wrong += good ? 0 : 1;
            ++done;
        }
    };
    std::unique_ptr<QThread> a(QThread::create(worker, 1, 4, 40001, 3, quint16(1), quint16(3)));
    std::unique_ptr<QThread> b(QThread::create(worker, 2, 3, 30101, 2, quint16(1000), quint16(1)));
    a->start();
    b->start();
    QVERIFY(a->wait(60000));
    QVERIFY(b->wait(60000));
    QCOMPARE(done.load(), 2 * Rounds);
    QCOMPARE(wrong.load(), 0);
    QTRY_COMPARE_WITH_TIMEOUT(counter.successes.load(), 2 * Rounds, 5000);
    QCOMPARE(counter.others.load(), 0);
    QVERIFY(counter.inOwnThread);
    QVERIFY(master->VxCommIsLinkOpen() || MASTER_OVER_TCP);
}

void TestModbusMaster::sharedCommandCoilGivesDirection_data()
{
    // The KTZ file drives all three commands through coil 11 and the coils above it:
    // forward 11 (binary), reverse 101, stop 0.
    QTest::addColumn<int>("coils"); // coils 11, 12, 13 as bits 0, 1, 2
    QTest::addColumn<int>("result");
    QTest::addColumn<QString>("direction");
    QTest::newRow("forward") << 0b011 << 1 << "00";
    QTest::newRow("reverse") << 0b101 << 1 << "01";
    QTest::newRow("stop") << 0b000 << 1 << "02";
    QTest::newRow("no command matches") << 0b001 << -1 << "";
}

void TestModbusMaster::sharedCommandCoilGivesDirection()
{
    QFETCH(int, coils);
    QFETCH(int, result);
    QFETCH(QString, direction);
    // pymodbus keeps whatever coils it is given, unlike a drive that acts on them.
    QVERIFY(exchange(1, 0, 11, 0, 3, QByteArray(1, char(coils))) > 0);
    QString got;
    QCOMPARE(
        master->VxCommGetMotorDirection(TARVOLINK_SOURCE_DIR "/data/csv_file/KTZV1.10.csv", 1, got), result);
    QCOMPARE(got, direction);
}

void TestModbusMaster::silentUnitIsResentThenInactive()
{
    master->VxCommSetUnitAddress(7); // the peer ignores unit 7
    master->VxCommSetNoOfRetries(3);
    QSignalSpy spy(master.get(), &VxCommModbusMaster::VxCommHealthOfUnitToUI);
    const auto tap = LinkTap::subscribe(3); // holds three of the four attempts
    QCOMPARE(exchange(4, 40001, 0, 1, 0, QByteArray()), -12);
    LinkTap::unsubscribe(tap);
    const std::deque<LinkExchange> attempts = tap->take();
    QCOMPARE(tap->dropped(), qint64(1)); // the oldest went
    QCOMPARE(attempts.size(), size_t(3));
    for (int k = 0; k < 3; ++k) {
        QCOMPARE(attempts[size_t(k)].attempt, k + 2);
        QCOMPARE(attempts[size_t(k)].outcome, LinkOutcome::Timeout);
        QCOMPARE(attempts[size_t(k)].unit, 7);
        QVERIFY(attempts[size_t(k)].reply.isEmpty());
    }

    QStringList errors;
    for (const QString &text : messages(spy, 3)) {
        if (!text.startsWith("Link Info")) // TCP also reports the socket's timeout
            errors << text;
    }
    QCOMPARE(errors.size(), 4);
    QCOMPARE(errors[0],
        "error Information\t-12\t" + VxCommModbusMaster::VxCommErrorText(-12) + "\t40001\tread failure");
    for (int k = 1; k <= 3; ++k)
        QCOMPARE(errors[k],
            "error information\t-12\tresending the same message:" + QString::number(k)
                + "\t40001\tread failure");
    QCOMPARE(messages(spy, 2), QStringList { "Device-Inactive" });
    QCOMPARE(master->VxCommGetUnitHealth(7).value(2), QString("0"));
    for (const QList<QVariant> &report : spy) {
        if (report.at(4).toString().startsWith("error Information")) {
            QCOMPARE(report.at(5).toStringList(),
                QString("7 3 0 0 0 1 132 108").split(' ')); // CRC from pymodbus
            QVERIFY(report.at(6).toStringList().isEmpty());
        }
    }
    if (MASTER_OVER_TCP) {
        QCOMPARE(
            messages(spy, 3).count("Link Info\t" + Host + "\tTIME_OUT_FOR_CONNECTION\t----\tFAILURE"), 4);
    }

    // Already inactive: a second failure does not repeat the transition.
    spy.clear();
    master->VxCommSetNoOfRetries(0);
    QCOMPARE(exchange(4, 40001, 0, 1, 0, QByteArray()), -12);
    QVERIFY(messages(spy, 2).isEmpty());

    // The stop flag suppresses the resends: one error, none after it.
    spy.clear();
    master->VxCommSetNoOfRetries(3);
    master->VxCommSetStopFlag(2);
    QCOMPARE(exchange(3, 30001, 0, 1, 0, QByteArray()), -12);
    QCOMPARE(messages(spy, 3).filter(QRegularExpression("^error")).size(), 1);
}

void TestModbusMaster::disconnectedUnitGetsNoTraffic()
{
    master->VxCommAddUnitHealth(2, "disconnect", "1");
    master->VxCommSetUnitAddress(2);
    QSignalSpy spy(master.get(), &VxCommModbusMaster::VxCommHealthOfUnitToUI);
    QVERIFY(!master->VxCommIsUnitConnected(2));
    QCOMPARE(master->VxCommTransaction(4, 40001, 0, 1, 0, nullptr, nullptr), -18);
    QCOMPARE(spy.size(), 0);
    QCOMPARE(master->VxCommConnectedUnitCount(), master->VxCommUnitCount() - 1);
}

void TestModbusMaster::unitThatReturnsIsActiveOnce()
{
    QSignalSpy spy(master.get(), &VxCommModbusMaster::VxCommHealthOfUnitToUI);
    peer.stop();
    master->VxCommSetNoOfRetries(0);
    QVERIFY(exchange(4, 40001, 0, 1, 0, QByteArray()) < 0);
    QCOMPARE(messages(spy, 2), QStringList { "Device-Inactive" });

    QVERIFY(startPeer());
    spy.clear();
    QCOMPARE(exchange(4, 40001, 0, 1, 0, QByteArray()), replyBytes(7));
    QCOMPARE(exchange(4, 40002, 0, 1, 0, QByteArray()), replyBytes(7));
    QCOMPARE(messages(spy, 2), QStringList { "Device-Active" });
    QCOMPARE(messages(spy, 4).size(), 2);
    QCOMPARE(master->VxCommGetUnitHealth(1).value(2), QString("1"));
}

// A USB adapter pulled out and plugged in again: the pseudo-terminal pair behind the link name
// ends and a new one takes the same name. One report for the port and one "inactive" per unit;
// while it is away at most one open a second; back, both units are active again without any
// exchange asking for them.
void TestModbusMaster::unpluggedAdapterIsTakenUpAgain()
{
    if (MASTER_OVER_TCP)
        QSKIP("serial adapters only");
    const QString adapterDir = dir.path() + QStringLiteral("/adapter");
    QVERIFY(QDir().mkpath(adapterDir));
    auto adapter = std::make_unique<SocatPty>();
    PymodbusPeer drive;
    QVERIFY(adapter->start(adapterDir) && drive.startRtu(adapter->peer()));
    VxCommModbusMaster link(2);
    QCOMPARE(link.VxCommOpenSerialLink(adapterDir + QStringLiteral("/ours"), 115200, "N,8,1"), 1);
    link.VxCommSetMsgDelay(5);
    link.VxCommSetNoOfRetries(1);
    link.VxCommAddUnitHealth(1, "connect", "1");
    link.VxCommAddUnitHealth(2, "connect", "1");
    link.VxCommSetUnitAddress(1);
    auto read = [&link] {
        QMutexLocker lock(link.VxCommMutex());
        return link.VxCommIsUnitConnected(1) ? link.VxCommTransaction(4, 40001, 0, 1, 0, nullptr, nullptr)
                                             : -100;
    };
    QCOMPARE(read(), replyBytes(7));

    QSignalSpy spy(&link, &VxCommModbusMaster::VxCommHealthOfUnitToUI);
    drive.stop();
    adapter.reset();
    const int attempts = link.VxCommSerialLink()->VxCommOpenAttempts();
    QElapsedTimer away;
    away.start();
    while (away.elapsed() < 3000) {
        QVERIFY(read() < 0 && read() != -100);
        QThread::msleep(5);
    }
    QVERIFY(link.VxCommIsLinkLost());
    QVERIFY(link.VxCommSerialLink()->VxCommOpenAttempts() - attempts <= 4);
    QCOMPARE(messages(spy, 3).size(), 1);
    QVERIFY(messages(spy, 3).first().contains(adapterDir + QStringLiteral("/ours")));
    QCOMPARE(messages(spy, 2), (QStringList { "Device-Inactive", "Device-Inactive" }));

    adapter = std::make_unique<SocatPty>();
    QVERIFY(adapter->start(adapterDir) && drive.startRtu(adapter->peer()));
    QVERIFY(QTest::qWaitFor([&] { return messages(spy, 2).size() == 4; }, 4000));
    QCOMPARE(messages(spy, 2).mid(2), (QStringList { "Device-Active", "Device-Active" }));
    QCOMPARE(link.VxCommGetUnitHealth(2).value(2), QString("1"));
    QCOMPARE(read(), replyBytes(7));

    // The stable names offered beside a port are the links that lead to its device.
    QVERIFY(QFile::link(adapter->ours(), adapterDir + QStringLiteral("/usb-Maker_Adapter_1234-if00")));
    QVERIFY(QFile::link(adapter->peer(), adapterDir + QStringLiteral("/usb-Other-if00")));
    QCOMPARE(VxCommManageSerialPort::stableNamesOf(adapter->ours(), adapterDir),
        (QStringList { adapterDir + QStringLiteral("/ours"),
            adapterDir + QStringLiteral("/usb-Maker_Adapter_1234-if00") }));
}

QTEST_GUILESS_MAIN(TestModbusMaster)
#include "tst_modbusmaster.moc"
