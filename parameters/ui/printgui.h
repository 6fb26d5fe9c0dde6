#pragma once

#include <QDialog>

class QCheckBox;
class QPushButton;
class QRadioButton;

// "Printer Option": what to print of a parameter set, and whether into a PDF file.
class PrintGui : public QDialog
{
    Q_OBJECT
public:
    explicit PrintGui(QWidget *parent = nullptr);

    // ParameterPrint::Mode of the chosen content.
    int mode() const { return m_mode; }
    bool saveAsPdf() const;
    QCheckBox *pdfBox() const { return m_pdf; }
    QRadioButton *allChoice() const { return m_all; }
    QRadioButton *readOnlyChoice() const { return m_readOnly; }
    QRadioButton *changedChoice() const { return m_changed; }
    QPushButton *printButton() const { return m_print; }

signals:
    // "Print" was pressed: the caller prints or saves with mode() and saveAsPdf().
    void printRequested(int mode, bool pdf);
    void bringAppToForeGround();

public slots:
    void vxUISlotOkClciked();
    void vxUISlotcancelClciked();
    void vxUIReadOnlyRbClicked();
    void vxUIAllRbClicked();
    void vxUIchangeonlyRbClicked();
    void onLangTranslation(int language);

private:
    QCheckBox *m_pdf;
    QRadioButton *m_all;
    QRadioButton *m_readOnly;
    QRadioButton *m_changed;
    QPushButton *m_print;
    QPushButton *m_cancel;
    int m_mode;
};

// The print choice of the comparison: printer or PDF file.
class CompPrintGui : public QDialog
{
    Q_OBJECT
public:
    // Values of vxUiComparisonPrint().
    enum Output { ToPrinter = 0, ToPdf = 1 };

    explicit CompPrintGui(QWidget *parent = nullptr);
    QCheckBox *pdfBox() const { return m_pdf; }
    QPushButton *printButton() const { return m_print; }

signals:
    void vxUiComparisonPrint(int output);
    void bringAppToForeGround();

public slots:
    void vxUISlotOkbtnClciked();
    void vxUISlotcancelbtnClciked();
    void onLangTranslation(int language);

private:
    QCheckBox *m_pdf;
    QPushButton *m_print;
    QPushButton *m_cancel;
};
