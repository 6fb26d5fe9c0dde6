#pragma once

#include <QDialog>

class QLabel;
class QProgressBar;
class QPushButton;
class QTimer;

// "Scan Progress": modal while a scan runs; its Cancel stops the scan before the next candidate.
class scanning : public QDialog
{
    Q_OBJECT
public:
    explicit scanning(QWidget *parent = nullptr);

    // A new scan over `total` candidates; 0 shows "No units connected" with a full bar.
    void begin(int total);
    // The bar follows the candidates tried; the count line the units found.
    void setValue(int scanned, int found);

    QProgressBar *progressBar() const { return m_bar; }
    QLabel *countLine() const { return m_count; }
    QPushButton *cancelButton() const { return m_cancelBtn; }

signals:
    void vxUISigCancelAutoScanClicked();
    void bringAppToForeGround();

public slots:
    void onLangTranslation(int index);

protected:
    // The window closes only when the scan has ended; Escape cancels like the button.
    void reject() override;

private:
    void showCount();

    QLabel *m_caption;
    QLabel *m_animation;
    QLabel *m_scanning;
    QLabel *m_note;
    QProgressBar *m_bar;
    QLabel *m_count;
    QPushButton *m_cancelBtn;
    QTimer *m_spin;
    int m_phase = 0;
    int m_found = 0;
    bool m_empty = false;
};
