#include "rolechange.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

RoleChange::RoleChange(QWidget *parent)
    : QDialog(parent)
    , m_text(new QLabel(this))
    , m_change(new QPushButton(this))
    , m_cancel(new QPushButton(this))
{
    setModal(true);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_text);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_change);
    buttons->addWidget(m_cancel);
    layout->addLayout(buttons);
    m_cancel->setDefault(true);

    connect(m_change, &QPushButton::clicked, this, [this] {
        emit roleChangeClicked();
        accept();
    });
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    onLangTranslation(0);
}

void RoleChange::onLangTranslation(int)
{
    setWindowTitle(tr("Change User Role - Confirmation"));
    m_text->setText(tr("Changing the User role will re-establish the communication with\n"
                       "connected units to support all extra functions. Do you want to\ncontinue?"));
    m_change->setText(tr("Change User"));
    m_cancel->setText(tr("Cancel"));
}
