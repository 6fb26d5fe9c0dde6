#pragma once

#include "autoscaninfo.h"

#include <QDialog>

class Prompter;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
struct SettingsRecord;

// "Auto Scan Settings": ports, baud rate, framing and unit numbers per serial interface, and an
// IP range; "Start Scan" checks them and sends the scan request.
class AutoScanSettings : public QDialog
{
    Q_OBJECT
public:
    enum Serial { Rs232 = 0, Rs485 = 1 };

    explicit AutoScanSettings(Prompter &prompter, QWidget *parent = nullptr);

    // The port lists offered (the serial ports present unless a test sets others); checked
    // names stay checked where they are offered again.
    void setPorts(const QStringList &ports);
    void refreshPorts();
    void setCheckedPorts(Serial serial, const QStringList &ports);
    QStringList checkedPorts(Serial serial) const;

    void loadFrom(const SettingsRecord &record);
    void storeIn(SettingsRecord &record) const;

    QListWidget *portList(Serial serial) const { return m_side[serial].ports; }
    QComboBox *baudBox(Serial serial) const { return m_side[serial].baud; }
    QComboBox *parityBox(Serial serial) const { return m_side[serial].parity; }
    QLineEdit *unitsEdit(Serial serial) const { return m_side[serial].units; }
    // Ports the list does not offer (a pseudo-terminal, a /dev/serial/by-id link), comma-separated.
    QLineEdit *typedPortsEdit(Serial serial) const { return m_side[serial].typedPorts; }
    QLineEdit *startIpEdit() const { return m_startIp; }
    QLineEdit *endIpEdit() const { return m_endIp; }
    QPushButton *startButton() const { return m_start; }
    QPushButton *cancelButton() const { return m_cancel; }

signals:
    void vxUISigStartScanClicked(
        rs232InfoForAutoScan rs232Info, rs485InfoForAutoScan rs485Info, ethernetInfoForAutoScan tcpIpstruct);
    void bringAppToForeGround();

public slots:
    void vxUISlotStartScanClicked();
    void onLangTranslation(int index);

private:
    struct Side
    {
        QGroupBox *group = nullptr;
        QListWidget *ports = nullptr;
        QComboBox *baud = nullptr;
        QComboBox *parity = nullptr;
        QLineEdit *units = nullptr;
        QLineEdit *typedPorts = nullptr;
        QLabel *captions[5] = {};
    };
    void buildSide(Serial serial);

    Prompter &m_prompter;
    Side m_side[2];
    QGroupBox *m_tcpGroup;
    QLabel *m_startCaption;
    QLabel *m_endCaption;
    QLineEdit *m_startIp;
    QLineEdit *m_endIp;
    QPushButton *m_start;
    QPushButton *m_cancel;
};
