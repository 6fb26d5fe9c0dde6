#include "scandialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

scanDialog::scanDialog(QWidget *parent)
    : QDialog(parent)
    , m_text(new QLabel(this))
    , m_continue(new QPushButton(this))
    , m_cancel(new QPushButton(this))
{
    setObjectName(QStringLiteral("scanDialog"));
    setModal(true);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_text);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_continue);
    buttons->addWidget(m_cancel);
    layout->addLayout(buttons);
    m_continue->setDefault(true);
    connect(m_continue, &QPushButton::clicked, this, [this] {
        accept();
        emit continueScanClicked();
    });
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    onLangTranslation(0);
}

void scanDialog::onLangTranslation(int)
{
    setWindowTitle(tr("Scan for devices"));
    m_text->setText(tr("Automatically scan for devices?"));
    m_continue->setText(tr("Continue"));
    m_cancel->setText(tr("Cancel"));
}
