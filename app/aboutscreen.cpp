#include "aboutscreen.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

AboutScreen::AboutScreen(QWidget *parent)
    : QDialog(parent)
    , m_text(new QLabel(this))
    , m_close(new QPushButton(this))
{
    setModal(true);
    auto *logo = new QLabel(this);
    logo->setPixmap(QPixmap(QStringLiteral(":/VXLogo.png")));
    m_text->setTextFormat(Qt::RichText);
    m_text->setWordWrap(true);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(logo, 0, Qt::AlignHCenter);
    layout->addWidget(m_text);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_close);
    layout->addLayout(buttons);
    connect(m_close, &QPushButton::clicked, this, &QDialog::accept);
    onLangTranslation(0);
}

void AboutScreen::onLangTranslation(int)
{
    setWindowTitle(tr("About Tarvolink"));
    m_text->setText(tr("<h3>Tarvolink %1</h3>"
                       "<p>Commissioning and service tool for variable-speed drives.</p>"
                       "<p>Built with Qt %2 (LGPL v3) and QCustomPlot (GPL v3).</p>")
                        .arg(QCoreApplication::applicationVersion(), QString::fromLatin1(qVersion())));
    m_close->setText(tr("Close"));
}
