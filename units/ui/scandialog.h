#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

// "Scan for devices": offered once at start-up when the automatic scan is preferred.
class scanDialog : public QDialog
{
    Q_OBJECT
public:
    explicit scanDialog(QWidget *parent = nullptr);

    QPushButton *continueButton() const { return m_continue; }
    QPushButton *cancelButton() const { return m_cancel; }

signals:
    void continueScanClicked();
    void bringAppToForeGround();

public slots:
    void onLangTranslation(int index);

private:
    QLabel *m_text;
    QPushButton *m_continue;
    QPushButton *m_cancel;
};
