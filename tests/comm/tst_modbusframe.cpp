// Request frames the pymodbus peer of tst_modbusmaster cannot check: the read/write function 23,
// the exact bytes of a coil write, nothing written past a frame, and every request that is refused
// before it is sent. The CRCs were checked against pymodbus's own CRC routine.
#include "commtestpeers.h"
#include "modbusframe.h"
#include "vxcommmodbusmaster.h"

#include <QtTest>
#include <cstring>

class TestModbusFrame : public QObject
{
    Q_OBJECT
private slots:
    void everyFunctionBuildsItsFrame_data();
    void everyFunctionBuildsItsFrame();
    void invalidRequestsAreRefused_data();
    void invalidRequestsAreRefused();
    void bitTextsBecomeBytes_data();
    void bitTextsBecomeBytes();
};

void TestModbusFrame::everyFunctionBuildsItsFrame_data()
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

void TestModbusFrame::everyFunctionBuildsItsFrame()
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

void TestModbusFrame::invalidRequestsAreRefused_data()
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

void TestModbusFrame::invalidRequestsAreRefused()
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
    VxCommModbusMaster master(0);
    QCOMPARE(master.VxCommTransaction(
                 type, readAddress, writeAddress, readCount, writeCount, withData ? data : nullptr, nullptr),
        -11);
}

void TestModbusFrame::bitTextsBecomeBytes_data()
{
    QTest::addColumn<QStringList>("bits");
    QTest::addColumn<QStringList>("bytes");
    QTest::newRow("weights from the last character") << QStringList { "00000001", "10000000", "11111111",
        "0101" } << QStringList { "1", "128", "255", "5" };
    QTest::newRow("any non-zero digit sets, letters do not")
        << QStringList { "9x02", "" } << QStringList { "9", "0" };
}

void TestModbusFrame::bitTextsBecomeBytes()
{
    QFETCH(QStringList, bits);
    QFETCH(QStringList, bytes);
    QStringList out { "stale" };
    VxCommModbusMaster::VxCommBitsToByte(bits, out);
    QCOMPARE(out, bytes);
}

QTEST_GUILESS_MAIN(TestModbusFrame)
#include "tst_modbusframe.moc"
