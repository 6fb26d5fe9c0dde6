#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

// The About box: program name, version and the libraries it is built on.
class AboutScreen : public QDialog
{
    Q_OBJECT
public:
    explicit AboutScreen(QWidget *parent = nullptr);

signals:
    void bringAppToForeGround();

public slots:
    void onLangTranslation(int index);

private:
    QLabel *m_text;
    QPushButton *m_close;
};
