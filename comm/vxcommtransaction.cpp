// The exchange itself of VxCommModbusMaster: one request, its resends, the reports and the
// check of a write that the unit answered with "device busy".
#include "linktap.h"
#include "modbusframe.h"
#include "vxcommmanageserialport.h"
#include "vxcommmodbusmaster.h"
#include "vxcommtcpclient.h"

#include <QDateTime>
#include <QDebug>
#include <QElapsedTimer>
#include <cstring>

static QStringList toTexts(const quint8 *bytes, quint32 length)
{
    QStringList texts;
    texts.reserve(int(length));
    for (quint32 i = 0; i < length; ++i)
        texts << QString::number(bytes[i]);
    return texts;
}

static bool resendable(int code)
{
    switch (code) {
    case -17:
    case -12:
    case -10:
    case -9:
    case -8:
    case -6:
    case -5:
    case -4:
    case -2:
    case -1:
        return true;
    default:
        return false;
    }
}

bool VxCommModbusMaster::prepare(
    int type, int readAddress, int writeAddress, int readCount, int writeCount, const quint8 *writeData)
{
    std::memset(txBuffer, 0, sizeof txBuffer);
    ModbusFrame::Request request;
    if (!ModbusFrame::build(txBuffer, request, unitAddress.load(), type, readAddress, writeAddress, readCount,
            writeCount, writeData))
        return false;
    functionCode = requestFunction = quint32(request.function);
    requestLength = quint32(request.length);
    expectedReplyLength = quint32(request.expectedReply);
    requestCrc = request.crc;
    return true;
}

int VxCommModbusMaster::sendOnce(int transactionId)
{
    // Nobody listening: the tap costs this one test.
    if (!LinkTap::listening())
        return sendFrame(transactionId);
    QElapsedTimer timer;
    timer.start();
    const int result = sendFrame(transactionId);
    tapExchange(result, timer.nsecsElapsed());
    return result;
}

void VxCommModbusMaster::tapExchange(int result, qint64 elapsedNs)
{
    LinkExchange e;
    e.timeMs = QDateTime::currentMSecsSinceEpoch();
    e.channel = channel.load();
    e.link = VxCommLinkName();
    e.unit = unitAddress.load();
    e.attempt = tapAttempt;
    e.durationUs = elapsedNs / 1000;
    e.purpose = LinkPurposeScope::current();
    e.purposeDetail = LinkPurposeScope::currentDetail();
    bool refused = false, lost = false;
    if (e.channel == 3 && tcpLink) {
        e.request = tcpLink->lastRequestFrame();
        e.reply = tcpLink->lastReplyFrame();
        refused = tcpLink->lastConnectRefused();
        lost = tcpLink->lastConnectionLost();
    } else {
        e.request = QByteArray(reinterpret_cast<const char *>(txBuffer), int(requestLength));
        e.reply = QByteArray(reinterpret_cast<const char *>(rxBuffer), int(replyLength));
    }
    e.code = result == 1 && !replyCrcValid() ? -13 : result;
    e.outcome = LinkTap::outcomeOf(e.code, refused, lost);
    e.decodeFrames();
    LinkTap::publish(e);
}

int VxCommModbusMaster::sendFrame(int transactionId)
{
    std::memset(rxBuffer, 0, sizeof rxBuffer);
    replyLength = 0;
    switch (channel.load()) {
    case 1:
    case 2:
        if (!serialLink)
            return -10;
        return serialLink->VxCommSendReceive(
            txBuffer, rxBuffer, replyLength, int(requestLength), int(expectedReplyLength));
    case 3:
        if (!tcpLink)
            return -10;
        return tcpLink->VxCommSendReceive(txBuffer, rxBuffer, replyLength, int(requestLength),
            int(expectedReplyLength), transactionId & 0xFFFF);
    default:
        return -10;
    }
}

bool VxCommModbusMaster::replyCrcValid() const
{
    const int ch = channel.load();
    if (ch != 1 && ch != 2)
        return true; // Modbus TCP replies carry no CRC
    if (replyLength < 3)
        return false;
    const quint16 crc = ModbusFrame::crc16(rxBuffer, int(replyLength) - 2);
    return rxBuffer[replyLength - 2] == (crc & 0xFF) && rxBuffer[replyLength - 1] == (crc >> 8);
}

int VxCommModbusMaster::VxCommTransaction(int type, int readAddress, int writeAddress, int readCount,
    int writeCount, const quint8 *writeData, quint8 *replyBuffer)
{
    const int unit = unitAddress.load();
    const int ch = channel.load();
    if (VxCommGetUnitHealth(unit).value(1) == QLatin1String("disconnect"))
        return -18;

    if (countExchange())
        VxCommRefreshComPort();
    const int transactionId = ch == 3 ? VxCommNextTransactionId() : 0;

    std::memset(txBuffer, 0, sizeof txBuffer);
    std::memset(rxBuffer, 0, sizeof rxBuffer);
    replyLength = 0;
    functionCode = 0;
    lastException.store(0);

    if (type < 1 || type > 4 || (writeCount != 0 && writeAddress != 0 && !writeData))
        return -11;
    if (!prepare(type, readAddress, writeAddress, readCount, writeCount, writeData))
        return -11;

    tapAttempt = 1;
    int result = sendOnce(transactionId);

    const QStringList requestBytes = toTexts(txBuffer, requestLength);
    const QStringList replyBytes = toTexts(rxBuffer, replyLength);
    const bool isRead = readAddress != 0;
    const QString addressText = QString::number(isRead ? readAddress : writeAddress);
    const QString failureText = isRead ? QStringLiteral("read failure") : QStringLiteral("write failure");
    const QString operationText
        = isRead ? QStringLiteral("READ_OPERATION") : QStringLiteral("WRITE_OPERATION");
    const QString link = VxCommLinkName();

    if (result == -16)
        return handleException(
            type, writeAddress, writeCount, writeData, addressText, failureText, requestBytes, replyBytes);

    bool retried = false;
    if (result != 1) {
        if (!resendable(result)) {
            qDebug() << "COMM_FAILURE";
            // The port itself is gone (an unplugged adapter): said once, as for a silent unit.
            if (result == -14) {
                if (activeFlagOf(unit) == QLatin1String("1"))
                    emit VxCommHealthOfUnitToUI(
                        2, unit, ch, link, QStringLiteral("Device-Inactive"), requestBytes, replyBytes);
                VxCommSetUnitActive(unit, QStringLiteral("0"));
            }
            return -1;
        }
        emit VxCommHealthOfUnitToUI(3, unit, ch, link,
            QStringLiteral("error Information\t") + QString::number(result) + QLatin1Char('\t')
                + VxCommErrorText(result) + QLatin1Char('\t') + addressText + QLatin1Char('\t') + failureText,
            requestBytes, replyBytes);
        bool resend = stopFlag.load() != 2;
        if (resend)
            VxCommRefreshComPort();
        resend = resend && noOfRetries.load() >= 1;
        for (int attempt = 1; resend; ++attempt) {
            qDebug() << "Going to resend the last command again";
            prepare(type, readAddress, writeAddress, readCount, writeCount, writeData);
            tapAttempt = attempt + 1;
            result = sendOnce(transactionId);
            if (result > 0) {
                retried = true;
                break;
            }
            VxCommRefreshComPort();
            emit VxCommHealthOfUnitToUI(3, unit, ch, link,
                QStringLiteral("error information\t") + QString::number(result)
                    + QStringLiteral("\tresending the same message:") + QString::number(attempt)
                    + QLatin1Char('\t') + addressText + QLatin1Char('\t') + failureText,
                requestBytes, replyBytes);
            if (attempt >= noOfRetries.load())
                break;
        }
        if (!retried) {
            if ((result == -12 || result == -4 || result == -1 || result == -14) && activeFlagOf(unit) == "1")
                emit VxCommHealthOfUnitToUI(
                    2, unit, ch, link, QStringLiteral("Device-Inactive"), requestBytes, replyBytes);
            VxCommSetUnitActive(unit, QStringLiteral("0"));
            return result;
        }
    }

    if (!replyCrcValid()) {
        qDebug() << "CRC_ERROR";
        return -13;
    }
    if (replyBuffer)
        std::memcpy(replyBuffer, rxBuffer, replyLength);
    if (activeFlagOf(unit) == QLatin1String("0"))
        emit VxCommHealthOfUnitToUI(
            2, unit, ch, link, QStringLiteral("Device-Active"), requestBytes, replyBytes);
    if (!retried)
        emit VxCommHealthOfUnitToUI(4, unit, ch, link,
            addressText + QLatin1Char(':') + operationText + QStringLiteral(":success"), QStringList(),
            QStringList());
    VxCommSetUnitActive(unit, QStringLiteral("1"));
    return int(replyLength);
}

int VxCommModbusMaster::handleException(int type, int writeAddress, int writeCount, const quint8 *writeData,
    const QString &addressText, const QString &failureText, const QStringList &requestBytes,
    const QStringList &replyBytes)
{
    const int unit = unitAddress.load();
    const int code = rxBuffer[2];
    lastException.store(code);
    QString number = QString::number(code);
    QString text;
    switch (code) {
    case 1:
        number = QStringLiteral("-16");
        text = QStringLiteral("illegal function");
        break;
    case 2:
        number = QStringLiteral("-16");
        text = QStringLiteral("illegal data address");
        break;
    case 3:
        text = QStringLiteral("illegal data address");
        break;
    case 6:
        text = QStringLiteral("device busy");
        break;
    default:
        text = QStringLiteral("unknown warning message\t:");
        break;
    }
    emit VxCommHealthOfUnitToUI(1, unit, channel.load(), VxCommLinkName(),
        QStringLiteral("warning message\t") + number + QLatin1Char('\t') + text + QLatin1Char('\t')
            + addressText + QLatin1Char('\t') + failureText,
        requestBytes, replyBytes);
    int result = -16;
    if (code == 6 && ModbusFrame::isWrite(int(functionCode)))
        result = verifyBusyWrite(type, writeAddress, writeCount, writeData);
    VxCommSetUnitActive(unit, QStringLiteral("1"));
    return result;
}

int VxCommModbusMaster::readBack(int type, int address, int count)
{
    std::memset(txBuffer, 0, sizeof txBuffer);
    std::memset(rxBuffer, 0, sizeof rxBuffer);
    if (!prepare(type, address, 0, count, 0, nullptr))
        return -11;
    tapAttempt = 1;
    const int result = sendOnce(channel.load() == 3 ? VxCommNextTransactionId() : 0);
    if (result == 1 && !replyCrcValid())
        return -13;
    return result;
}

int VxCommModbusMaster::verifyBusyWrite(int type, int writeAddress, int writeCount, const quint8 *writeData)
{
    // The unit said "busy" but may have taken the value: read it back before calling the
    // write failed. Every register or coil is read on its own and compared with what was sent.
    const int function = int(functionCode);
    if (writeCount <= 0)
        return -4;
    switch (function) {
    case 6: {
        const int result = readBack(type, writeAddress, writeCount);
        if (result != 1)
            return result;
        return (rxBuffer[3] == writeData[1] && rxBuffer[4] == writeData[0]) ? 1 : -4;
    }
    case 5:
        if (readBack(type, writeAddress, writeCount) != 1)
            return -4;
        return (rxBuffer[3] == 1 || rxBuffer[3] == 255) ? 1 : -4;
    case 16:
    case 15: {
        bool anyRead = false;
        for (int k = 0; k < writeCount; ++k) {
            if (readBack(type, writeAddress + k, 1) != 1)
                continue;
            anyRead = true;
            bool same = false;
            if (function == 16) {
                same = rxBuffer[3] == writeData[2 * k + 1] && rxBuffer[4] == writeData[2 * k];
            } else {
                const int sent = (writeData[k / 8] >> (k % 8)) & 1;
                same = (rxBuffer[3] & 1) == sent;
            }
            if (!same)
                return -4;
        }
        return anyRead ? 1 : -4;
    }
    default:
        return 0;
    }
}
