#pragma once

#include <QDialog>

class QLabel;
class QPushButton;
class QRadioButton;
class QSlider;

// "Settings" of the plots: background grey level, line width and grid.
class OsciSettings : public QDialog
{
    Q_OBJECT
public:
    explicit OsciSettings(QWidget *parent = nullptr);
    // The current look, shown without emitting anything.
    void setState(int grey, bool fat, bool grid);
    QSlider *colourBar() const { return m_bar; }

signals:
    void vxUISigWhiteClrClicked();
    void vxUISigBlackClrClicked();
    void vxUISigThinBtnClicked();
    void vxUISigFatBtnClicked();
    void vxUISigYesGridClicked(int);
    void vxUISigNoGridClicked();
    void vxUISigColorBarMoved(int);
    void bringAppToForeGround();

public slots:
    void vxUISlotWhiteClrClicked();
    void vxUISlotBlackClrClicked();
    void vxUISlotThinBtnClicked();
    void vxUISlotFatBtnClicked();
    void vxUISlotYesGridClicked();
    void vxUISlotNoGridClicked();
    void vxUISlotColorBarMoved(int grey);
    void vxUISlotOkClciked();
    void onLangTranslation(int);

private:
    void styleHandle(int grey);

    QLabel *m_backLabel;
    QPushButton *m_white;
    QPushButton *m_black;
    QSlider *m_bar;
    QLabel *m_widthLabel;
    QRadioButton *m_thin;
    QRadioButton *m_fat;
    QLabel *m_gridLabel;
    QRadioButton *m_gridOn;
    QRadioButton *m_gridOff;
    QPushButton *m_ok;
};
