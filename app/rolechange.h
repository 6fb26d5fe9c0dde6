#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

// Asks before the user role is changed, because changing it leaves the main view.
class RoleChange : public QDialog
{
    Q_OBJECT
public:
    explicit RoleChange(QWidget *parent = nullptr);

    QPushButton *changeButton() const { return m_change; }
    QPushButton *cancelButton() const { return m_cancel; }

signals:
    void roleChangeClicked();
    void bringAppToForeGround();

public slots:
    void onLangTranslation(int index);

private:
    QLabel *m_text;
    QPushButton *m_change;
    QPushButton *m_cancel;
};
