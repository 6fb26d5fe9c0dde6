// Two worker threads share one master, as the import, status and oscilloscope workers do:
// exchanges interleave one at a time under the master's mutex, every reply belongs to its own
// request, and no Qt object is touched from a foreign thread (every Qt warning is fatal here).
#include "commtestpeers.h"
#include "vxcommmodbusmaster.h"

#include <QtTest>
#include <atomic>
#include <memory>

static const QString Host = QStringLiteral("127.0.0.24");

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

class TestMasterThreads : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void sharedMasterInterleaves_data();
    void sharedMasterInterleaves();

private:
    QTemporaryDir dir;
    SocatPty pty;
    PymodbusPeer rtuPeer;
    PymodbusPeer tcpPeer;
    quint16 port = 0;
};

void TestMasterThreads::initTestCase()
{
    QVERIFY(dir.isValid());
    QVERIFY(pty.start(dir.path()));
    QVERIFY(rtuPeer.startRtu(pty.peer()));
    port = modbusTcpPort(Host, 15024);
    QVERIFY(tcpPeer.startTcp(Host, port));
}

void TestMasterThreads::cleanupTestCase()
{
    rtuPeer.stop();
    tcpPeer.stop();
    pty.stop();
}

void TestMasterThreads::sharedMasterInterleaves_data()
{
    QTest::addColumn<bool>("overTcp");
    QTest::newRow("rtu") << false;
    QTest::newRow("tcp") << true;
}

void TestMasterThreads::sharedMasterInterleaves()
{
    QFETCH(bool, overTcp);
    VxCommModbusMaster master(overTcp ? 3 : 2);
    if (overTcp)
        QVERIFY(master.VxCommConnectTcpLink(Host, port));
    else
        QCOMPARE(master.VxCommOpenSerialLink(pty.ours(), 115200, "N,8,1"), 1);
    master.VxCommSetMsgDelay(1);
    master.VxCommAddUnitHealth(1, "connect", "1");
    master.VxCommAddUnitHealth(2, "connect", "1");
    ReportCounter counter;
    connect(&master, &VxCommModbusMaster::VxCommHealthOfUnitToUI, &counter, &ReportCounter::count,
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
                QMutexLocker lock(master.VxCommMutex());
                if (!master.VxCommIsUnitConnected(unit)) {
                    ++wrong;
                    continue;
                }
                master.VxCommSetUnitAddress(unit);
                result = master.VxCommTransaction(type, address, 0, count, 0, nullptr, reply);
            }
            const int offset = address - (type == 3 ? 30001 : 40001);
            bool good = result == (overTcp ? 3 : 5) + 2 * count && reply[0] == unit && reply[2] == 2 * count;
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
    QVERIFY(master.VxCommIsLinkOpen() || overTcp);
}

QTEST_GUILESS_MAIN(TestMasterThreads)
#include "tst_modbusmaster_threads.moc"
