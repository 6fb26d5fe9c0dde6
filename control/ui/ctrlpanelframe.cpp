#include "ctrlpanelframe.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

// The pictures live in a static library, whose resource initialiser the linker would drop unless
// something refers to it.
static void initControlResources()
{
    Q_INIT_RESOURCE(control);
}

namespace {

QPushButton *motorButton(QWidget *parent)
{
    auto *button = new QPushButton(parent);
    button->setIconSize(QSize(40, 40));
    button->setFixedSize(48, 48);
    button->setFlat(true);
    return button;
}

} // namespace

CtrlPanelFrame::CtrlPanelFrame(QWidget *parent)
    : QFrame(parent)
{
    initControlResources();
    setObjectName(QStringLiteral("ctrlPanelFrame"));
    setFrameShape(QFrame::StyledPanel);
    auto *layout = new QVBoxLayout(this);
    m_caption = new QLabel(this);
    QFont bold = m_caption->font();
    bold.setBold(true);
    m_caption->setFont(bold);
    m_unit = new QLabel(this);
    layout->addWidget(m_caption);
    layout->addWidget(m_unit);

    auto *grid = new QGridLayout;
    m_refValueLabel = new QLabel(this);
    m_refSourceLabel = new QLabel(this);
    m_runSourceLabel = new QLabel(this);
    m_refValue = new QLineEdit(this);
    m_refValue->setMaximumWidth(90);
    m_refSource = new QComboBox(this);
    m_runSource = new QComboBox(this);
    grid->addWidget(m_refValueLabel, 0, 0);
    grid->addWidget(m_refValue, 0, 1);
    grid->addWidget(m_refSourceLabel, 1, 0);
    grid->addWidget(m_refSource, 1, 1);
    grid->addWidget(m_runSourceLabel, 2, 0);
    grid->addWidget(m_runSource, 2, 1);
    layout->addLayout(grid);

    auto *buttons = new QHBoxLayout;
    m_bwd = motorButton(this);
    m_stp = motorButton(this);
    m_fwd = motorButton(this);
    m_bwd->setObjectName(QStringLiteral("motorBwdButton"));
    m_stp->setObjectName(QStringLiteral("motorStopButton"));
    m_fwd->setObjectName(QStringLiteral("motorFwdButton"));
    buttons->addStretch();
    buttons->addWidget(m_bwd);
    buttons->addWidget(m_stp);
    buttons->addWidget(m_fwd);
    buttons->addStretch();
    layout->addLayout(buttons);
    layout->addStretch();

    connect(m_fwd, &QPushButton::clicked, this, &CtrlPanelFrame::vxUISigFwdClicked);
    connect(m_bwd, &QPushButton::clicked, this, &CtrlPanelFrame::vxUISigBwdClicked);
    connect(m_stp, &QPushButton::clicked, this, &CtrlPanelFrame::vxUISigStpClicked);
    connect(m_refValue, &QLineEdit::returnPressed, this, &CtrlPanelFrame::vxUISigRefValEntered);
    connect(
        m_refSource, QOverload<int>::of(&QComboBox::activated), this, &CtrlPanelFrame::vxUISigRefSrcChanged);
    connect(m_runSource, QOverload<int>::of(&QComboBox::activated), this,
        &CtrlPanelFrame::vxUISigRunStopSrcChanged);
    retranslateUi();
    showNoUnit();
}

void CtrlPanelFrame::setUnitName(const QString &name)
{
    m_noUnit = false;
    m_unit->setText(name);
    m_unit->setStyleSheet(QString());
}

void CtrlPanelFrame::showNoUnit()
{
    m_noUnit = true;
    m_unit->setText(tr("No Unit"));
    m_unit->setStyleSheet(QStringLiteral("color: gray;"));
    m_refValue->clear();
    for (QWidget *w : std::initializer_list<QWidget *> { m_refValue, m_refSource, m_runSource })
        w->setEnabled(false);
    setMotorButtonsEnabled(false);
    setPressed(NonePressed);
}

void CtrlPanelFrame::setPressed(int which)
{
    m_pressed = which >= ForwardPressed && which <= StopPressed ? which : NonePressed;
    const auto picture = [this](const char *name, int self) {
        return QIcon(QStringLiteral(":/motor%1_%2.png")
                         .arg(QLatin1String(name),
                             m_pressed == self ? QStringLiteral("pressed") : QStringLiteral("default")));
    };
    m_fwd->setIcon(picture("Fwd", ForwardPressed));
    m_bwd->setIcon(picture("Bwd", BackwardPressed));
    m_stp->setIcon(picture("Stop", StopPressed));
}

void CtrlPanelFrame::setMotorButtonsEnabled(bool enabled)
{
    for (QPushButton *b : { m_fwd, m_bwd, m_stp })
        b->setEnabled(enabled);
}

void CtrlPanelFrame::onLangTranslation(int)
{
    retranslateUi();
}

void CtrlPanelFrame::retranslateUi()
{
    m_caption->setText(tr("Control Panel"));
    if (m_noUnit)
        m_unit->setText(tr("No Unit"));
    m_refValueLabel->setText(tr("Ref value"));
    m_refSourceLabel->setText(tr("Ref source"));
    m_runSourceLabel->setText(tr("Run/Stop source"));
    m_fwd->setToolTip(tr("Forward"));
    m_bwd->setToolTip(tr("Backward"));
    m_stp->setToolTip(tr("Stop"));
    const QStringList sources { tr("Remote"), tr("Keyboard"), tr("COM"), tr("Option") };
    for (QComboBox *box : { m_refSource, m_runSource }) {
        const QSignalBlocker quiet(box);
        const int index = box->currentIndex();
        box->clear();
        box->addItems(sources);
        box->setCurrentIndex(qMax(0, index));
    }
}
