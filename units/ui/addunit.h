#pragma once

#include <QDialog>
#include <QStringList>
#include <functional>

class Prompter;
class QButtonGroup;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;

// The "Add Units" dialog: the user types the link settings of one unit (RS232, RS485 or TCP/IP page)
// and asks the controller to connect it.
class addunit : public QDialog
{
    Q_OBJECT
public:
    enum Page { RS232Page = 0, RS485Page = 1, TcpIpPage = 2 };
    enum DataFileMode { AutomaticFile = 1, ManualFile = 2 };

    // The prompter belongs to the main window and outlives this dialog.
    explicit addunit(Prompter &prompter, QWidget *parent = nullptr);

    // Where refreshPorts() gets the serial port names from; the ports present by default.
    void setPortLister(std::function<QStringList()> lister);
    static QStringList availableSerialPorts();
    // Fills both serial pages' port lists, keeping each page's choice when that port is still there.
    void setPortList(const QStringList &ports);
    void refreshPorts();

    // The controller calls this when a connect attempt has ended, whatever its outcome.
    void enableConnectButtons();
    // "Automatic", no file chosen.
    void resetDataFileSelection();
    // Back to the state of a fresh dialog: unit numbers "1", automatic data file, buttons usable.
    void reset();

    // The interface name the controller expects for a page: "RS232", "RS485" or "TCPIP".
    static QString interfaceName(int page);

    QTabWidget *pages() const { return m_pages; }
    QLineEdit *unitEdit(int page) const;
    QComboBox *portCombo(int page) const;
    QComboBox *baudCombo(int page) const;
    QComboBox *parityCombo(int page) const;
    QLineEdit *ipEdit() const { return m_ipEdit; }
    QRadioButton *automaticButton() const { return m_automatic; }
    QRadioButton *manualButton() const { return m_manual; }
    QPushButton *browseButton() const { return m_browse; }
    QLineEdit *filePathEdit() const { return m_filePath; }
    QPushButton *connectButton() const { return m_connect; }
    QPushButton *cancelButton() const { return m_cancel; }

signals:
    void vxUISigAddUnitClicked(int deviceNo, QString port, int baudrate, QString parity, int tcpDevineNo,
        QString ipAddr, QString connectMode, int datafilemode, QString filepath);
    void bringAppToForeGround();

public slots:
    void onConnectClicked();
    void onCancelClicked();
    void onDataFileSelectClicked();
    void onLangTranslation(int index);

private slots:
    void onDataFileModeChanged();

private:
    struct SerialPage
    {
        QWidget *page = nullptr;
        QLabel *unitLabel = nullptr;
        QLineEdit *unit = nullptr;
        QLabel *portLabel = nullptr;
        QComboBox *port = nullptr;
        QLabel *baudLabel = nullptr;
        QComboBox *baud = nullptr;
        QLabel *parityLabel = nullptr;
        QComboBox *parity = nullptr;
    };

    SerialPage buildSerialPage();
    QWidget *buildTcpIpPage();
    QWidget *buildDataFileBox();
    QLineEdit *newUnitEdit(QWidget *parent);
    void retranslateUi();

    Prompter &m_prompter;
    std::function<QStringList()> m_portLister;
    QTabWidget *m_pages;
    SerialPage m_serial[2];
    QLabel *m_tcpUnitLabel = nullptr;
    QLineEdit *m_tcpUnit = nullptr;
    QLabel *m_ipLabel = nullptr;
    QLineEdit *m_ipEdit = nullptr;
    QGroupBox *m_dataFileBox = nullptr;
    QButtonGroup *m_dataFileGroup = nullptr;
    QRadioButton *m_automatic = nullptr;
    QRadioButton *m_manual = nullptr;
    QPushButton *m_browse = nullptr;
    QLineEdit *m_filePath = nullptr;
    QPushButton *m_connect = nullptr;
    QPushButton *m_cancel = nullptr;
};
