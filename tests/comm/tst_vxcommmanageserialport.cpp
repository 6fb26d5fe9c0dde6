// The serial link and the master's reply checks against a scripted peer on a pseudo-terminal,
// for the faults a real server does not produce: corrupted, short, foreign and oversized replies.
#include "apppaths.h"
#include "commtestpeers.h"
#include "vxcommmanageserialport.h"
#include "vxcommmodbusmaster.h"

#include <QTranslator>
#include <QtTest>
#include <cstring>
#include <memory>
#include <mutex>

class TestSerialLink : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();

    void faultyRepliesGetTheirCodes_data();
    void faultyRepliesGetTheirCodes();
    void oversizedReplyIsRefusedWithinTheBuffer();
    void zeroByteCountIsNoDeviceLink_data();
    void zeroByteCountIsNoDeviceLink();
    void portSettingsAndTheirTexts();

private:
    void answer(const QByteArray &reply);

    QTemporaryDir dir;
    SocatPty pty;
    ScriptedSerialPeer peer;
    std::mutex scriptLock;
    QByteArray scripted;
    std::unique_ptr<VxCommModbusMaster> master;
};

void TestSerialLink::answer(const QByteArray &reply)
{
    std::lock_guard<std::mutex> guard(scriptLock);
    scripted = reply;
}

void TestSerialLink::initTestCase()
{
    QVERIFY(dir.isValid());
    QVERIFY(pty.start(dir.path()));
    QVERIFY(peer.start(pty.peer(), [this](const QByteArray &) {
        std::lock_guard<std::mutex> guard(scriptLock);
        return scripted;
    }));
    master = std::make_unique<VxCommModbusMaster>(2);
    QCOMPARE(master->VxCommOpenSerialLink(pty.ours(), 115200, "N,8,1"), 1);
    // RS485: a second unit on the same port reuses it.
    QCOMPARE(master->VxCommOpenSerialLink(pty.ours(), 115200, "N,8,1"), 1);
}

void TestSerialLink::cleanupTestCase()
{
    master.reset();
    peer.stop();
    pty.stop();
}

void TestSerialLink::init()
{
    master->VxCommSetMsgDelay(5);
    master->VxCommSetNoOfRetries(0);
    master->VxCommSetUnitAddress(1);
    master->VxCommAddUnitHealth(1, "connect", "1");
    answer(withCrc(fromHex("01 03 02 00 2A")));
}

void TestSerialLink::faultyRepliesGetTheirCodes_data()
{
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<QString>("activeBefore");
    QTest::addColumn<int>("result");
    QTest::addColumn<QString>("activeAfter");

    QByteArray corrupted = withCrc(fromHex("01 03 02 00 2A"));
    corrupted[corrupted.size() - 1] = char(corrupted.at(corrupted.size() - 1) ^ 0x5A);
    QTest::newRow("correct") << withCrc(fromHex("01 03 02 00 2A")) << "0" << 7 << "1";
    QTest::newRow("corrupted CRC, active") << corrupted << "1" << -13 << "1";
    QTest::newRow("cut short") << fromHex("01 03 02 00") << "1" << -17 << "0";
    QTest::newRow("wrong unit") << withCrc(fromHex("02 03 02 00 2A")) << "1" << -8 << "0";
    QTest::newRow("wrong function") << withCrc(fromHex("01 04 02 00 2A")) << "1" << -9 << "0";
}

void TestSerialLink::faultyRepliesGetTheirCodes()
{
    QFETCH(QByteArray, reply);
    QFETCH(QString, activeBefore);
    QFETCH(int, result);
    QFETCH(QString, activeAfter);
    answer(reply);
    master->VxCommAddUnitHealth(1, "connect", activeBefore);
    QSignalSpy spy(master.get(), &VxCommModbusMaster::VxCommHealthOfUnitToUI);
    quint8 buffer[1024] = {};
    QCOMPARE(master->VxCommTransaction(4, 40001, 0, 1, 0, nullptr, buffer), result);
    QCOMPARE(master->VxCommGetUnitHealth(1).value(2), activeAfter);
    if (result == -17 || result == -8 || result == -9) {
        QCOMPARE(spy.size(), 1);
        QCOMPARE(spy.at(0).at(4).toString(),
            "error Information\t" + QString::number(result) + "\t"
                + VxCommModbusMaster::VxCommErrorText(result) + "\t40001\tread failure");
        QCOMPARE(spy.at(0).at(6).toStringList().size(), reply.size());
    } else if (result == -13) {
        QCOMPARE(spy.size(), 0); // neither success nor a change of state
    } else {
        QCOMPARE(QByteArray(reinterpret_cast<char *>(buffer), 7), reply);
    }
}

void TestSerialLink::oversizedReplyIsRefusedWithinTheBuffer()
{
    QByteArray flood = fromHex("01 03 02 00 2A");
    flood.append(QByteArray(1100, '\x55'));
    answer(flood);
    VxCommManageSerialPort *link = master->VxCommSerialLink();
    const QByteArray request = withCrc(fromHex("01 03 00 00 00 01"));
    struct
    {
        quint8 reply[1024];
        quint8 guard[64];
    } memory;
    std::memset(&memory, 0xEE, sizeof memory);
    quint32 length = 99;
    QCOMPARE(link->VxCommSendReceive(reinterpret_cast<const quint8 *>(request.constData()), memory.reply,
                 length, request.size(), 7),
        -17);
    QCOMPARE(int(length), 0);
    for (quint8 byte : memory.guard)
        QCOMPARE(byte, quint8(0xEE));

    // Nothing of the flood is taken for the next reply.
    answer(withCrc(fromHex("01 03 02 00 2A")));
    quint8 buffer[1024] = {};
    QCOMPARE(master->VxCommTransaction(4, 40001, 0, 1, 0, nullptr, buffer), 7);
    QCOMPARE(buffer[4], quint8(0x2A));
}

void TestSerialLink::zeroByteCountIsNoDeviceLink_data()
{
    // Bytes after unit, function (input registers) and the byte count 0.
    QTest::addColumn<QByteArray>("tail");
    QTest::newRow("short reply") << QByteArray();
    // Full length and a valid CRC: only the byte count says the register is missing.
    QTest::newRow("full-length reply") << fromHex("12 34");
}

// Identification's first read, the device code, answered without the register.
void TestSerialLink::zeroByteCountIsNoDeviceLink()
{
    QFETCH(QByteArray, tail);
    answer(withCrc(fromHex("01 04 00") + tail));
    AppPaths::setBaseDir(TARVOLINK_BIN_DIR);
    const int before = peer.requestCount();
    QString file, size, version, inom, pnom;
    QCOMPARE(master->VxCommIdentifyUnit(file, size, version, inom, pnom, 1, QString(), 1), -3);
    QCOMPARE(peer.requestCount(), before + 1);
}

void TestSerialLink::portSettingsAndTheirTexts()
{
    // The port is opened exclusively: the master lets go of it for this test.
    QCOMPARE(master->VxCommCloseLink(), 1);
    VxCommManageSerialPort link;
    QVERIFY(!link.VxCommOpenPort(dir.path() + "/no-such-port", 9600, "N,8,1"));
    QVERIFY(!link.VxCommIsPortOpen());

    QVERIFY(link.VxCommOpenPort(pty.ours(), 1200, "E,7,2"));
    QVERIFY(link.VxCommIsPortOpen());
    QCOMPARE(link.VxCommGetBaudRateText(), QString("9600")); // 1200 is not offered
    QCOMPARE(link.VxCommGetSettingsText(), QString("E,7,2"));
    link.VxCommClosePort();

    QVERIFY(link.VxCommOpenPort(pty.ours(), 2400, "X,9,3"));
    QCOMPARE(link.VxCommGetBaudRateText(), QString("2400"));
    QCOMPARE(link.VxCommGetSettingsText(), QString("N,8,2"));
    link.VxCommClosePort();

    // The periodic reopen keeps the settings themselves, whatever language their letters are
    // shown in: a translated "E" must not reopen the port without parity.
    struct Marking : QTranslator
    {
        bool isEmpty() const override { return false; }
        QString translate(const char *, const char *text, const char *, int) const override
        {
            return QStringLiteral("#") + QString::fromUtf8(text);
        }
    } marking;
    QCoreApplication::installTranslator(&marking);
    QVERIFY(link.VxCommOpenPort(pty.ours(), 19200, "E,8,1"));
    QVERIFY(link.VxCommReopenPort());
    QCOMPARE(link.VxCommGetParityText(), QString("#E"));
    QCoreApplication::removeTranslator(&marking);
    link.VxCommClosePort();
    QCOMPARE(master->VxCommOpenSerialLink(pty.ours(), 115200, "N,8,1"), 1);
}

QTEST_GUILESS_MAIN(TestSerialLink)
#include "tst_vxcommmanageserialport.moc"
