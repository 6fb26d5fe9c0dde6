#pragma once

#include <QFrame>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The logged-off screen: choose a role ("Normal" or "Service") and, for "Service", type the password.
class LoginFrame : public QFrame
{
    Q_OBJECT
public:
    explicit LoginFrame(QWidget *parent = nullptr);

    QComboBox *roleBox() const { return m_roleBox; }
    QLineEdit *passwordEdit() const { return m_password; }
    QPushButton *loginButton() const { return m_login; }
    QPushButton *resetButton() const { return m_reset; }

    // The main window sets these texts again on every language change.
    void retranslateUi();

private:
    QComboBox *m_roleBox;
    QLineEdit *m_password;
    QPushButton *m_login;
    QPushButton *m_reset;
    QLabel *m_userCaption;
    QLabel *m_passwordCaption;
};
