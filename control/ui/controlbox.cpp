#include "controlbox.h"

#include "workeroperations.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

ControlBox::ControlBox(const QString &unitName, QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(tr("Control Source"));
    setObjectName(QStringLiteral("controlBox"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(unitName, this));
    m_runBox = makeGroup(&m_run);
    m_runBox->setTitle(tr("Select Run/Stop Source"));
    m_refBox = makeGroup(&m_ref);
    m_refBox->setTitle(tr("Select Reference Source"));
    layout->addWidget(m_runBox);
    layout->addWidget(m_refBox);
    auto *buttons = new QDialogButtonBox(this);
    QPushButton *ok = buttons->addButton(tr("OK"), QDialogButtonBox::AcceptRole);
    QPushButton *cancel = buttons->addButton(tr("Cancel"), QDialogButtonBox::RejectRole);
    layout->addWidget(buttons);
    connect(ok, &QPushButton::clicked, this, &ControlBox::vxUISlotOkBtnClicked);
    connect(cancel, &QPushButton::clicked, this, &ControlBox::vxUISlotCancelBtnClicked);
    setChoices(WorkerOps::SourceKeyboard, WorkerOps::SourceKeyboard);
}

QGroupBox *ControlBox::makeGroup(QButtonGroup **group)
{
    auto *box = new QGroupBox(this);
    auto *layout = new QVBoxLayout(box);
    *group = new QButtonGroup(box);
    const QList<QPair<QString, int>> choices { { tr("Keyboard"), WorkerOps::SourceKeyboard },
        { tr("Remote"), WorkerOps::SourceRemote }, { tr("Option"), WorkerOps::SourceOption } };
    for (const auto &choice : choices) {
        auto *radio = new QRadioButton(choice.first, box);
        (*group)->addButton(radio, choice.second);
        layout->addWidget(radio);
    }
    return box;
}

int ControlBox::runStopSource() const
{
    return m_run->checkedId();
}

int ControlBox::referenceSource() const
{
    return m_ref->checkedId();
}

void ControlBox::setChoices(int runStopSource, int referenceSource)
{
    if (QAbstractButton *b = m_run->button(runStopSource))
        b->setChecked(true);
    if (QAbstractButton *b = m_ref->button(referenceSource))
        b->setChecked(true);
}

void ControlBox::vxUISlotOkBtnClicked()
{
    m_confirmed = true;
    accept();
}

void ControlBox::vxUISlotCancelBtnClicked()
{
    m_confirmed = false;
    reject();
}
