#pragma once

#include <QDialog>

class QPushButton;
class QRadioButton;

// Printing of the oscilloscope: the graphs or the legend table, on a printer or into a PDF.
class OscPrintGui : public QDialog
{
    Q_OBJECT
public:
    enum What { Graph = 0, Table = 1 };
    enum Output { Printer = 0, Pdf = 1 };
    explicit OscPrintGui(QWidget *parent = nullptr);
    QRadioButton *pdfChoice() const { return m_pdf; }

signals:
    // (what, output)
    void vxUIOscilloscopePrinting(int, int);
    void bringAppToForeGround();

public slots:
    void vxUISlotOkbtnClciked();
    void vxUISlotcancelbtnClciked();
    void vxUIGraphRbClicked();
    void vxUIOppRbClicked();
    void onLangTranslation(int);

private:
    QRadioButton *m_graph;
    QRadioButton *m_table;
    QRadioButton *m_printer;
    QRadioButton *m_pdf;
    QPushButton *m_ok;
    QPushButton *m_cancel;
};
