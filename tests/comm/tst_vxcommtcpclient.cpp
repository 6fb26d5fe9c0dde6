// The Modbus TCP link against a scripted loopback peer (the header itself is checked by the
// pymodbus peer of tst_modbusmaster_tcp): reply checks, replies in
// several segments, oversized replies, silence, refused connections and resend numbering.
#include "commtestpeers.h"
#include "vxcommmodbusmaster.h"
#include "vxcommtcpclient.h"

#include <QTcpServer>
#include <QtTest>
#include <cstring>
#include <mutex>

static const QString Host = QStringLiteral("127.0.0.23");

class TestTcpClient : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();

    void faultyReplies_data();
    void faultyReplies();
    void replyInSeveralSegmentsIsGathered();
    void silentUnitTimesOutAndCloses();
    void resendKeepsTheTransactionId();
    void refusedConnectionsCountForTheProcess();

private:
    void setScript(std::function<QList<QByteArray>(const QByteArray &)> replies)
    {
        std::lock_guard<std::mutex> guard(scriptLock);
        script = std::move(replies);
    }
    // A link to the peer with the given pause between messages.
    bool openLink(VxCommTcpClient &link, int delayMs)
    {
        link.VxCommSetMsgDelay(delayMs);
        return link.VxCommTcpConnect(Host, peer.port());
    }
    int send(VxCommTcpClient &link, const QByteArray &rtu, int expected, int transactionId,
        QByteArray *reply = nullptr);

    ScriptedTcpPeer peer;
    std::mutex scriptLock;
    std::function<QList<QByteArray>(const QByteArray &)> script;
    QList<QByteArray> requests;
};

void TestTcpClient::initTestCase()
{
    QVERIFY(peer.start(
        Host,
        [this](const QByteArray &request) {
            std::lock_guard<std::mutex> guard(scriptLock);
            requests << request;
            return script ? script(request) : QList<QByteArray>();
        },
        30));
}

void TestTcpClient::cleanupTestCase()
{
    peer.stop();
}

// Answers with the request's own header and unit, and the given PDU.
static QList<QByteArray> echoHeader(const QByteArray &request, const QByteArray &pdu)
{
    QByteArray reply = request.left(4);
    reply.append(char((pdu.size() + 1) >> 8)).append(char((pdu.size() + 1) & 0xFF));
    reply.append(request.at(6)).append(pdu);
    return { reply };
}

void TestTcpClient::init()
{
    setScript([](const QByteArray &request) { return echoHeader(request, fromHex("03 02 00 2A")); });
    std::lock_guard<std::mutex> guard(scriptLock);
    requests.clear();
}

int TestTcpClient::send(
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

void TestTcpClient::faultyReplies_data()
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

void TestTcpClient::faultyReplies()
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

void TestTcpClient::replyInSeveralSegmentsIsGathered()
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

void TestTcpClient::silentUnitTimesOutAndCloses()
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

void TestTcpClient::resendKeepsTheTransactionId()
{
    setScript([this](const QByteArray &request) {
        // requests already holds this one: silent on the first, answer the resend.
        return requests.size() < 2 ? QList<QByteArray>() : echoHeader(request, fromHex("03 02 00 2A"));
    });
    VxCommModbusMaster master(3);
    QVERIFY(master.VxCommConnectTcpLink(Host, peer.port()));
    master.VxCommSetMsgDelay(0);
    master.VxCommSetNoOfRetries(2);
    master.VxCommAddUnitHealth(1, "connect", "1");
    QSignalSpy spy(&master, &VxCommModbusMaster::VxCommHealthOfUnitToUI);
    const int before = VxCommModbusMaster::VxCommTransactionId();
    QCOMPARE(master.VxCommTransaction(4, 40001, 0, 1, 0, nullptr, nullptr), 5);
    QCOMPARE(VxCommModbusMaster::VxCommTransactionId(), before + 1);
    std::lock_guard<std::mutex> guard(scriptLock);
    QCOMPARE(requests.size(), 2);
    QCOMPARE(requests[0], requests[1]);
    // A retried success reports no success of its own; the unit stayed active.
    for (const QList<QVariant> &report : spy)
        QVERIFY(report.at(0).toInt() != 4 && report.at(0).toInt() != 2);
}

void TestTcpClient::refusedConnectionsCountForTheProcess()
{
    quint16 closedPort = 0;
    {
        QTcpServer probe;
        QVERIFY(probe.listen(QHostAddress(Host), 0));
        closedPort = probe.serverPort();
    }
    QCOMPARE(VxCommTcpClient::VxCommRefusedConnections(), 0);
    VxCommModbusMaster master(3);
    master.VxCommSetUnitAddress(4);
    QSignalSpy spy(&master, &VxCommModbusMaster::VxCommHealthOfUnitToUI);
    // The first call tries three times and reports once the third refusal is reached.
    QVERIFY(!master.VxCommConnectTcpLink(Host, closedPort));
    QCOMPARE(VxCommTcpClient::VxCommRefusedConnections(), 3);
    QCOMPARE(spy.size(), 1);
    QCOMPARE(spy.at(0).at(4).toString(),
        "Link Info\t" + Host + "\tNO_OF_RETRIES_EXCEEDED_THE_LIMIT_VALUE\t----\tFAILURE");
    // From then on every refusal is reported at once.
    QVERIFY(!master.VxCommConnectTcpLink(Host, closedPort));
    QCOMPARE(VxCommTcpClient::VxCommRefusedConnections(), 4);
    QCOMPARE(spy.size(), 2);
    // An exchange on a refused connection fails with -1 and counts as a lost unit.
    master.VxCommAddUnitHealth(4, "connect", "1");
    master.VxCommSetNoOfRetries(0);
    spy.clear();
    QCOMPARE(master.VxCommTransaction(3, 30001, 0, 1, 0, nullptr, nullptr), -1);
    QCOMPARE(master.VxCommGetUnitHealth(4).value(2), QString("0"));
    bool inactive = false;
    for (const QList<QVariant> &report : spy)
        inactive = inactive || report.at(4).toString() == "Device-Inactive";
    QVERIFY(inactive);
}

QTEST_GUILESS_MAIN(TestTcpClient)
#include "tst_vxcommtcpclient.moc"
