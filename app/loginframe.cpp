#include "loginframe.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

LoginFrame::LoginFrame(QWidget *parent)
    : QFrame(parent)
    , m_roleBox(new QComboBox(this))
    , m_password(new QLineEdit(this))
    , m_login(new QPushButton(this))
    , m_reset(new QPushButton(this))
    , m_userCaption(new QLabel(this))
    , m_passwordCaption(new QLabel(this))
{
    setObjectName(QStringLiteral("loginFrame"));
    setFrameShape(QFrame::StyledPanel);
    m_roleBox->addItems({ QString(), QString() });
    m_password->setEchoMode(QLineEdit::Password);
    m_login->setDefault(true);
    // A frame is no dialog: Return in the field would otherwise do nothing.
    connect(m_password, &QLineEdit::returnPressed, m_login, &QPushButton::click);

    auto *box = new QFrame(this);
    box->setStyleSheet(QStringLiteral("background-color:#e8e8ee"));
    auto *grid = new QGridLayout(box);
    grid->addWidget(m_userCaption, 0, 0);
    grid->addWidget(m_roleBox, 0, 1);
    grid->addWidget(m_passwordCaption, 1, 0);
    grid->addWidget(m_password, 1, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_login);
    buttons->addWidget(m_reset);
    grid->addLayout(buttons, 2, 0, 1, 2);

    // Centre the small form in whatever room the central area gives it.
    auto *outer = new QGridLayout(this);
    outer->setRowStretch(0, 1);
    outer->setRowStretch(2, 1);
    outer->setColumnStretch(0, 1);
    outer->setColumnStretch(2, 1);
    outer->addWidget(box, 1, 1);

    retranslateUi();
}

void LoginFrame::retranslateUi()
{
    m_roleBox->setItemText(0, tr("Normal"));
    m_roleBox->setItemText(1, tr("Service"));
    m_userCaption->setText(tr("Username"));
    m_passwordCaption->setText(tr("Password"));
    m_login->setText(tr("Login"));
    m_reset->setText(tr("Reset"));
}
