// The request frames and the serial and Modbus TCP links' reply checks. Frames: what the pymodbus
// peer of tst_modbusmaster cannot check (the read/write function 23, the exact bytes of a coil write,
// nothing written past a frame, every request refused before it is sent; the CRCs were checked
// against pymodbus's own routine). Links: scripted peers for the faults a real server does not
// produce: corrupted, short, foreign and oversized replies, replies in several segments, silence,
// refused connections and resend numbering. The TCP header itself is checked by the pymodbus peer
// of tst_modbusmaster_tcp.
#include "apppaths.h"
#include "commtestpeers.h"
#include "linktap.h"
#include "modbusframe.h"
#include "vxcommmanageserialport.h"
#include "vxcommmodbusmaster.h"
#include "vxcommtcpclient.h"

#include <QTcpServer>
#include <QTranslator>
#include <QtTest>
#include <cstring>
#include <memory>
#include <mutex>

static const QString Host = testHost(23);

class TestScriptedLinks : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();

    void everyFunctionBuildsItsFrame_data();
    void everyFunctionBuildsItsFrame();
    void invalidRequestsAreRefused_data();
    void invalidRequestsAreRefused();
    void bitTextsBecomeBytes_data();
    void bitTextsBecomeBytes();

    // The serial link.
    void faultyRepliesGetTheirCodes_data();
    void faultyRepliesGetTheirCodes();
    void oversizedReplyIsRefusedWithinTheBuffer();
    void byteCountOtherThanAskedIsNoDeviceLink_data();
    void byteCountOtherThanAskedIsNoDeviceLink();
    void portSettingsAndTheirTexts();

    // The TCP link.
    void faultyReplies_data();
    void faultyReplies();
    void replyInSeveralSegmentsIsGathered();
    void silentUnitTimesOutAndCloses();
    void droppedConnectionIsTold();
    void resendKeepsTheTransactionId();
    void refusedConnectionsCountForTheProcess();

private:
    void answer(const QByteArray &reply);
    void setScript(std::function<QList<QByteArray>(const QByteArray &)> replies)
    {
        std::lock_guard<std::mutex> guard(scriptLock);
        script = std::move(replies);
    }
    // A link to the peer with the given pause between messages.
    bool openLink(VxCommTcpClient &link, int delayMs)
    {
        link.VxCommSetMsgDelay(delayMs);
        return link.VxCommTcpConnect(Host, tcpPeer.port());
    }
    int send(VxCommTcpClient &link, const QByteArray &rtu, int expected, int transactionId,
        QByteArray *reply = nullptr);

    QTemporaryDir dir;
    SocatPty pty;
    ScriptedSerialPeer peer;
    ScriptedTcpPeer tcpPeer;
    std::mutex scriptLock;
    QByteArray scripted; // the serial peer's answer
    std::function<QList<QByteArray>(const QByteArray &)> script; // the TCP peer's
    QList<QByteArray> requests; // the TCP peer's
    std::unique_ptr<VxCommModbusMaster> master; // on the serial link
};

void TestScriptedLinks::answer(const QByteArray &reply)
{
    std::lock_guard<std::mutex> guard(scriptLock);
    scripted = reply;
}

// Answers with the request's own header and unit, and the given PDU.
static QList<QByteArray> echoHeader(const QByteArray &request, const QByteArray &pdu)
{
    QByteArray reply = request.left(4);
    reply.append(char((pdu.size() + 1) >> 8)).append(char((pdu.size() + 1) & 0xFF));
    reply.append(request.at(6)).append(pdu);
    return { reply };
}

void TestScriptedLinks::initTestCase()
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
    QVERIFY(tcpPeer.start(
        Host,
        [this](const QByteArray &request) {
            std::lock_guard<std::mutex> guard(scriptLock);
            requests << request;
            return script ? script(request) : QList<QByteArray>();
        },
        30));
}

void TestScriptedLinks::cleanupTestCase()
{
    master.reset();
    peer.stop();
    tcpPeer.stop();
    pty.stop();
}

void TestScriptedLinks::init()
{
    master->VxCommSetMsgDelay(5);
    master->VxCommSetNoOfRetries(0);
    master->VxCommSetUnitAddress(1);
    master->VxCommAddUnitHealth(1, "connect", "1");
    answer(withCrc(fromHex("01 03 02 00 2A")));
    setScript([](const QByteArray &request) { return echoHeader(request, fromHex("03 02 00 2A")); });
    std::lock_guard<std::mutex> guard(scriptLock);
    requests.clear();
}

int TestScriptedLinks::send(
    VxCommTcpClient &link, const QByteArray &rtu, int expected, int transactionId, QByteArray *reply)
{
    quint8 buffer[1024] = {};
    quint32 length = 0;
    const int result = link.VxCommSendReceive(reinterpret_cast<const quint8 *>(rtu.constData()), buffer,
        length, rtu.size(), expected, transactionId);
    if (reply)
        *reply = QByteArray(reinterpret_cast<char *>(buffer), int(length));
    return result;
}

void TestScriptedLinks::everyFunctionBuildsItsFrame_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("readAddress");
    QTest::addColumn<int>("writeAddress");
    QTest::addColumn<int>("readCount");
    QTest::addColumn<int>("writeCount");
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QByteArray>("frame"); // with CRC
    QTest::addColumn<int>("expectedReply");

    const auto row = [](const char *name, int type, int readAddress, int writeAddress, int readCount,
                         int writeCount, const char *data, const char *frame, int expectedReply) {
        QTest::newRow(name) << type << readAddress << writeAddress << readCount << writeCount << fromHex(data)
                            << fromHex(frame) << expectedReply;
    };
    // Functions 1 to 16 are exchanged with pymodbus over RTU and TCP in tst_modbusmaster.
    row("5 coil always on", 1, 0, 173, 0, 1, "00", "01 05 00 AC FF 00 4C 1B", 8);
    row("23 read/write", 4, 40004, 40015, 6, 3, "00 FF 00 FF 00 FF",
        "01 17 00 03 00 06 00 0E 00 03 06 00 FF 00 FF 00 FF 46 91", 17);
}

void TestScriptedLinks::everyFunctionBuildsItsFrame()
{
    QFETCH(int, type);
    QFETCH(int, readAddress);
    QFETCH(int, writeAddress);
    QFETCH(int, readCount);
    QFETCH(int, writeCount);
    QFETCH(QByteArray, data);
    QFETCH(QByteArray, frame);
    QFETCH(int, expectedReply);

    quint8 buffer[ModbusFrame::BufferSize];
    std::memset(buffer, 0xEE, sizeof buffer);
    ModbusFrame::Request request;
    QVERIFY(ModbusFrame::build(buffer, request, 1, type, readAddress, writeAddress, readCount, writeCount,
        reinterpret_cast<const quint8 *>(data.constData())));
    QCOMPARE(QByteArray(reinterpret_cast<const char *>(buffer), request.length).toHex(' '), frame.toHex(' '));
    QCOMPARE(request.expectedReply, expectedReply);
    QCOMPARE(request.function, int(quint8(frame[1])));
    QCOMPARE(buffer[request.length], quint8(0xEE)); // nothing written past the frame
}

void TestScriptedLinks::invalidRequestsAreRefused_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("readAddress");
    QTest::addColumn<int>("writeAddress");
    QTest::addColumn<int>("readCount");
    QTest::addColumn<int>("writeCount");
    QTest::addColumn<bool>("withData");

    QTest::newRow("type 0") << 0 << 40001 << 0 << 1 << 0 << false;
    QTest::newRow("no address") << 4 << 0 << 0 << 1 << 0 << false;
    QTest::newRow("no count") << 4 << 40001 << 0 << 0 << 0 << false;
    QTest::newRow("discrete input written") << 2 << 0 << 10001 << 0 << 1 << true;
    QTest::newRow("coils read and written") << 1 << 1 << 2 << 1 << 1 << true;
    QTest::newRow("holding number for input register") << 3 << 40001 << 0 << 1 << 0 << false;
    QTest::newRow("coil 0") << 1 << 0 << 0 << 1 << 0 << false;
    QTest::newRow("holding 50000") << 4 << 50000 << 0 << 1 << 0 << false;
    QTest::newRow("read address with write count") << 4 << 40001 << 0 << 0 << 1 << true;
    QTest::newRow("write address with read count") << 4 << 0 << 40001 << 1 << 0 << true;
    QTest::newRow("read with stray write address") << 4 << 40001 << 40002 << 1 << 0 << true;
    QTest::newRow("write without data") << 4 << 0 << 40001 << 0 << 1 << false;
    QTest::newRow("16 byte count over 255") << 4 << 0 << 40001 << 0 << 128 << true;
    QTest::newRow("reply over 1024 bytes") << 4 << 40001 << 0 << 510 << 0 << false;
}

void TestScriptedLinks::invalidRequestsAreRefused()
{
    QFETCH(int, type);
    QFETCH(int, readAddress);
    QFETCH(int, writeAddress);
    QFETCH(int, readCount);
    QFETCH(int, writeCount);
    QFETCH(bool, withData);

    static const quint8 data[512] = {};
    quint8 buffer[ModbusFrame::BufferSize];
    ModbusFrame::Request request;
    QVERIFY(!ModbusFrame::build(buffer, request, 1, type, readAddress, writeAddress, readCount, writeCount,
        withData ? data : nullptr));
    QCOMPARE(request.length, 0);

    // The master refuses the same request with -11 before any link is involved.
    VxCommModbusMaster unlinked(0);
    QCOMPARE(unlinked.VxCommTransaction(
                 type, readAddress, writeAddress, readCount, writeCount, withData ? data : nullptr, nullptr),
        -11);
}

void TestScriptedLinks::bitTextsBecomeBytes_data()
{
    QTest::addColumn<QStringList>("bits");
    QTest::addColumn<QStringList>("bytes");
    QTest::newRow("weights from the last character") << QStringList { "00000001", "10000000", "11111111",
        "0101" } << QStringList { "1", "128", "255", "5" };
    QTest::newRow("any non-zero digit sets, letters do not")
        << QStringList { "9x02", "" } << QStringList { "9", "0" };
}

void TestScriptedLinks::bitTextsBecomeBytes()
{
    QFETCH(QStringList, bits);
    QFETCH(QStringList, bytes);
    QStringList out { "stale" };
    VxCommModbusMaster::VxCommBitsToByte(bits, out);
    QCOMPARE(out, bytes);
}

void TestScriptedLinks::faultyRepliesGetTheirCodes_data()
{
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<int>("result");
    QTest::addColumn<QString>("activeAfter");
    QTest::addColumn<int>("outcome"); // as the link monitor shows it
    // A correct reply, its bytes and a unit coming back by it: tst_modbusmaster against pymodbus.
    QByteArray corrupted = withCrc(fromHex("01 03 02 00 2A"));
    corrupted[corrupted.size() - 1] = char(corrupted.at(corrupted.size() - 1) ^ 0x5A);
    QTest::newRow("corrupted CRC, active") << corrupted << -13 << "1" << int(LinkOutcome::BadCrc);
    QTest::newRow("cut short") << fromHex("01 03 02 00") << -17 << "0" << int(LinkOutcome::WrongLength);
    QTest::newRow("wrong unit") << withCrc(fromHex("02 03 02 00 2A")) << -8 << "0"
                                << int(LinkOutcome::WrongUnit);
    QTest::newRow("wrong function") << withCrc(fromHex("01 04 02 00 2A")) << -9 << "0"
                                    << int(LinkOutcome::WrongFunction);
}

void TestScriptedLinks::faultyRepliesGetTheirCodes()
{
    QFETCH(QByteArray, reply);
    QFETCH(int, result);
    QFETCH(QString, activeAfter);
    QFETCH(int, outcome);
    answer(reply);
    QSignalSpy spy(master.get(), &VxCommModbusMaster::VxCommHealthOfUnitToUI);
    quint8 buffer[1024] = {};
    const auto tap = LinkTap::subscribe();
    QCOMPARE(master->VxCommTransaction(4, 40001, 0, 1, 0, nullptr, buffer), result);
    LinkTap::unsubscribe(tap);
    const std::deque<LinkExchange> seen = tap->take();
    QCOMPARE(seen.size(), size_t(1));
    QCOMPARE(int(seen[0].outcome), outcome);
    QCOMPARE(seen[0].reply, reply); // as received, CRC included
    QCOMPARE(master->VxCommGetUnitHealth(1).value(2), activeAfter);
    if (result == -13) {
        QCOMPARE(spy.size(), 0); // neither success nor a change of state
        return;
    }
    QCOMPARE(spy.size(), 1);
    QCOMPARE(spy.at(0).at(4).toString(),
        "error Information\t" + QString::number(result) + "\t" + VxCommModbusMaster::VxCommErrorText(result)
            + "\t40001\tread failure");
    QCOMPARE(spy.at(0).at(6).toStringList().size(), reply.size());
}

void TestScriptedLinks::oversizedReplyIsRefusedWithinTheBuffer()
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

void TestScriptedLinks::byteCountOtherThanAskedIsNoDeviceLink_data()
{
    // Bytes after unit and function (input registers): byte count and data.
    QTest::addColumn<QByteArray>("tail");
    QTest::newRow("short reply") << fromHex("00");
    // Full length and a valid CRC: only the byte count says the register is missing.
    QTest::newRow("full-length reply") << fromHex("00 12 34");
    // Every reader takes the same rule (identification, parameters, status, recording).
    QTest::newRow("byte count 250 carrying 2") << fromHex("FA 12 34");
}

// Identification's first read, the device code, answered without the register.
void TestScriptedLinks::byteCountOtherThanAskedIsNoDeviceLink()
{
    QFETCH(QByteArray, tail);
    answer(withCrc(fromHex("01 04") + tail));
    AppPaths::setBaseDir(TARVOLINK_BIN_DIR);
    const int before = peer.requestCount();
    QString file, size, version, inom, pnom;
    QCOMPARE(master->VxCommIdentifyUnit(file, size, version, inom, pnom, 1, QString(), 1), -3);
    QCOMPARE(peer.requestCount(), before + 1);
}

void TestScriptedLinks::portSettingsAndTheirTexts()
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

void TestScriptedLinks::faultyReplies_data()
{
    QTest::addColumn<QByteArray>("reply"); // the TCP frame after the transaction id
    QTest::addColumn<bool>("foreignId");
    QTest::addColumn<int>("result");
    QTest::newRow("foreign transaction id") << fromHex("00 00 00 05 01 03 02 00 2A") << true << -6;
    QTest::newRow("foreign unit") << fromHex("00 00 00 05 02 03 02 00 2A") << false << -8;
    QTest::newRow("foreign function") << fromHex("00 00 00 05 01 04 02 00 2A") << false << -9;
    QTest::newRow("cut short") << fromHex("00 00 00 04 01 03 02 00") << false << -17;
    QTest::newRow("too long") << fromHex("00 00 00 07 01 03 02 00 2A 00 00") << false << -17;
    QByteArray flood = fromHex("00 00 04 4D 01 03 02 00 2A");
    flood.append(QByteArray(1100, '\x55'));
    QTest::newRow("over 1023 bytes") << flood << false << -12;
}

void TestScriptedLinks::faultyReplies()
{
    QFETCH(QByteArray, reply);
    QFETCH(bool, foreignId);
    QFETCH(int, result);
    setScript([reply, foreignId](const QByteArray &request) {
        return QList<QByteArray> { (foreignId ? fromHex("77 77") : request.left(2)) + reply };
    });
    VxCommTcpClient link;
    QVERIFY(openLink(link, 0));
    QByteArray got;
    QCOMPARE(send(link, withCrc(fromHex("01 03 00 00 00 01")), 7, 0x0102, &got), result);
    QVERIFY(got.isEmpty()); // a refused reply is handed on to nobody
    QVERIFY(!link.VxCommIsTcpConnected());
}

void TestScriptedLinks::replyInSeveralSegmentsIsGathered()
{
    setScript([](const QByteArray &request) {
        const QByteArray whole = echoHeader(request, fromHex("03 04 00 2A 00 2B")).first();
        return QList<QByteArray> { whole.left(3), whole.mid(3, 5), whole.mid(8) };
    });
    VxCommTcpClient link;
    QVERIFY(openLink(link, 0));
    QByteArray reply;
    QCOMPARE(send(link, withCrc(fromHex("01 03 00 00 00 02")), 9, 5, &reply), 1);
    QCOMPARE(reply.toHex(' '), QByteArray("01 03 04 00 2a 00 2b"));
}

void TestScriptedLinks::silentUnitTimesOutAndCloses()
{
    setScript(nullptr);
    VxCommTcpClient link;
    QVERIFY(openLink(link, 20));
    QSignalSpy errors(&link, &VxCommTcpClient::TcpServerError);
    QElapsedTimer timer;
    timer.start();
    QCOMPARE(send(link, withCrc(fromHex("01 03 00 00 00 01")), 7, 9), -12);
    QVERIFY2(timer.elapsed() >= 220, qPrintable(QString::number(timer.elapsed())));
    QVERIFY(!link.VxCommIsTcpConnected());
    QCOMPARE(errors.size(), 1);
}

void TestScriptedLinks::droppedConnectionIsTold()
{
    setScript([](const QByteArray &) { return QList<QByteArray> { QByteArray() }; });
    VxCommModbusMaster tcpMaster(3);
    QVERIFY(tcpMaster.VxCommConnectTcpLink(Host, tcpPeer.port()));
    tcpMaster.VxCommAddUnitHealth(1, "connect", "1");
    tcpMaster.VxCommSetNoOfRetries(0);
    const auto tap = LinkTap::subscribe();
    QCOMPARE(tcpMaster.VxCommTransaction(4, 40001, 0, 1, 0, nullptr, nullptr), -12);
    LinkTap::unsubscribe(tap);
    const std::deque<LinkExchange> seen = tap->take();
    QCOMPARE(seen.size(), size_t(1));
    QCOMPARE(seen[0].outcome, LinkOutcome::ConnectionLost);
    QCOMPARE(seen[0].request.toHex(' ').mid(6), QByteArray("00 00 00 06 01 03 00 00 00 01"));
}

void TestScriptedLinks::resendKeepsTheTransactionId()
{
    setScript([this](const QByteArray &request) {
        // requests already holds this one: silent on the first, answer the resend.
        return requests.size() < 2 ? QList<QByteArray>() : echoHeader(request, fromHex("03 02 00 2A"));
    });
    VxCommModbusMaster tcpMaster(3);
    QVERIFY(tcpMaster.VxCommConnectTcpLink(Host, tcpPeer.port()));
    tcpMaster.VxCommSetMsgDelay(0);
    tcpMaster.VxCommSetNoOfRetries(2);
    tcpMaster.VxCommAddUnitHealth(1, "connect", "1");
    QSignalSpy spy(&tcpMaster, &VxCommModbusMaster::VxCommHealthOfUnitToUI);
    const int before = VxCommModbusMaster::VxCommTransactionId();
    QCOMPARE(tcpMaster.VxCommTransaction(4, 40001, 0, 1, 0, nullptr, nullptr), 5);
    QCOMPARE(VxCommModbusMaster::VxCommTransactionId(), before + 1);
    std::lock_guard<std::mutex> guard(scriptLock);
    QCOMPARE(requests.size(), 2);
    QCOMPARE(requests[0], requests[1]);
    // A retried success reports no success of its own; the unit stayed active.
    for (const QList<QVariant> &report : spy)
        QVERIFY(report.at(0).toInt() != 4 && report.at(0).toInt() != 2);
}

void TestScriptedLinks::refusedConnectionsCountForTheProcess()
{
    quint16 closedPort = 0;
    {
        QTcpServer probe;
        QVERIFY(probe.listen(QHostAddress(Host), 0));
        closedPort = probe.serverPort();
    }
    QCOMPARE(VxCommTcpClient::VxCommRefusedConnections(), 0);
    VxCommModbusMaster tcpMaster(3);
    tcpMaster.VxCommSetUnitAddress(4);
    QSignalSpy spy(&tcpMaster, &VxCommModbusMaster::VxCommHealthOfUnitToUI);
    // The first call tries three times and reports once the third refusal is reached.
    QVERIFY(!tcpMaster.VxCommConnectTcpLink(Host, closedPort));
    QCOMPARE(VxCommTcpClient::VxCommRefusedConnections(), 3);
    QCOMPARE(spy.size(), 1);
    QCOMPARE(spy.at(0).at(4).toString(),
        "Link Info\t" + Host + "\tNO_OF_RETRIES_EXCEEDED_THE_LIMIT_VALUE\t----\tFAILURE");
    // From then on every refusal is reported at once.
    QVERIFY(!tcpMaster.VxCommConnectTcpLink(Host, closedPort));
    QCOMPARE(VxCommTcpClient::VxCommRefusedConnections(), 4);
    QCOMPARE(spy.size(), 2);
    // An exchange on a refused connection fails with -1 and counts as a lost unit.
    tcpMaster.VxCommAddUnitHealth(4, "connect", "1");
    tcpMaster.VxCommSetNoOfRetries(0);
    spy.clear();
    const auto tap = LinkTap::subscribe();
    QCOMPARE(tcpMaster.VxCommTransaction(3, 30001, 0, 1, 0, nullptr, nullptr), -1);
    QCOMPARE(tcpMaster.VxCommGetUnitHealth(4).value(2), QString("0"));
    QCOMPARE(tap->take().at(0).outcome, LinkOutcome::ConnectionRefused);
    LinkTap::unsubscribe(tap);
    bool inactive = false;
    for (const QList<QVariant> &report : spy)
        inactive = inactive || report.at(4).toString() == "Device-Inactive";
    QVERIFY(inactive);
}

QTEST_GUILESS_MAIN(TestScriptedLinks)
#include "tst_scriptedlinks.moc"
