#pragma once

#include "autoscaninfo.h"

#include <QStringList>
#include <QWidget>

class Prompter;
class QLabel;
class QPushButton;
class addunit;

// The unit-details panel: shows the picked unit with its link settings and identification, offers
// "Disconnect"/"Connect" and "Remove", and owns the "Add Units" dialog whose request it forwards.
class Connect : public QWidget
{
    Q_OBJECT
public:
    enum DetailRow {
        UnitRow,
        PortRow,
        BaudrateRow,
        ParityRow,
        SizeRow,
        SwVersionRow,
        CsvVersionRow,
        IpRow,
        RowCount
    };

    // The prompter belongs to the main window and outlives this panel.
    explicit Connect(Prompter &prompter, QWidget *parent = nullptr);

    addunit *addUnitDialog() const { return m_addUnit; }
    // Refreshes the port lists and shows the add-unit dialog without blocking.
    void showAddUnitDialog();
    // The controller calls this when a connect attempt ended, so the user can try again.
    void enableAddUnitButtons();
    // Clears the panel and puts the add-unit dialog back to its first state.
    void reset();

    // The entry shown, empty when no unit is shown.
    QStringList currentEntry() const { return m_entry; }
    // Sets the shown unit's connection state ("connect" / "disconnect") and the button text with it.
    void setUnitState(const QString &state);

    QLabel *titleLabel() const { return m_title; }
    QLabel *valueLabel(DetailRow row) const { return m_rows[row].value; }
    QLabel *nameLabel(DetailRow row) const { return m_rows[row].name; }
    bool isRowShown(DetailRow row) const;
    QPushButton *connectButton() const { return m_connectBtn; }
    QPushButton *removeButton() const { return m_removeBtn; }

    // What the panel shows for an entry, without the widgets (the choice of fields is the logic).
    static QString titleFor(const QString &interfaceName);
    static QString sizeText(const QStringList &entry);
    static QString fileBaseName(const QString &path);

signals:
    void vxUISigAddUnitClicked(int deviceNo, QString port, int baudrate, QString parity, int tcpDevineNo,
        QString ipAddr, QString connectMode, int datafilemode, QString filepath);
    // The scan dialogs' requests, relayed here so the controller wires one object for every way a
    // unit is added.
    void vxUISigScanBtnClicked();
    void vxUISigCancelScanClicked();
    void vxUISigStartScanClicked(
        rs232InfoForAutoScan rs232Info, rs485InfoForAutoScan rs485Info, ethernetInfoForAutoScan tcpIpInfo);
    // The add-unit dialog is about to show its port lists: the controller may refresh its own view of them.
    void vxUISigAddPorts();
    void vxUISigUnitDisconnectClicked(QString buttonText, QStringList entry);
    void vxUISigUnitRemoveClicked(QStringList entry, bool cleanUp);
    void langTranslation(int index);
    void bringAppToForeGround();

public slots:
    void vxUISlotDisplayUnitDetails(QStringList entry);
    // A health report changed a unit's state: updates the panel when it shows that unit.
    void vxUISlotUnitStatusChanged(QStringList entry);
    void onAddunitsClosed();
    void onDataFileSelectClicked();
    void onConnectBtnClicked();
    void onRemoveBtnClicked();
    void onLangTranslation(int index);

    // Closes the add-unit dialog once its connect has started.
    void closeAddUnitDialog();

private:
    QString fileRowCaption() const;
    struct Row
    {
        QLabel *name = nullptr;
        QLabel *value = nullptr;
    };

    void showRows(const QString &interfaceName);
    void updateButtons();
    void retranslateUi();

    addunit *m_addUnit;
    QLabel *m_title;
    Row m_rows[RowCount];
    QPushButton *m_connectBtn;
    QPushButton *m_removeBtn;
    QStringList m_entry;
};
