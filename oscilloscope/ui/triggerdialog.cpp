#include "triggerdialog.h"

#include "oscunitdev.h"
#include "prompter.h"
#include "registerword.h"
#include "screenfit.h"
#include "unitentryfields.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

QSpinBox *spin(int max, QWidget *parent)
{
    auto *box = new QSpinBox(parent);
    box->setRange(0, max);
    return box;
}

} // namespace

TriggerDialog::TriggerDialog(Prompter &prompter, int groups, QWidget *parent)
    : QDialog(parent)
    , m_prompter(prompter)
    , m_groupCount(groups)
{
    // The fields scroll on a short screen; Confirm and Close stay in view below them.
    auto *content = new QWidget(this);
    auto *grid = new QGridLayout(content);
    int row = 0;
    m_modeLabel = new QLabel(this);
    m_mode = new QComboBox(this);
    m_mode->addItems({ QStringLiteral("RS232"), QStringLiteral("RS485"), QStringLiteral("TCP/IP") });
    m_unitLabel = new QLabel(this);
    m_unit = new QComboBox(this);
    grid->addWidget(m_modeLabel, row, 0);
    grid->addWidget(m_mode, row++, 1);
    grid->addWidget(m_unitLabel, row, 0);
    grid->addWidget(m_unit, row++, 1);
    for (int g = 0; g < m_groupCount; ++g) {
        Group &group = m_groups[g];
        if (m_groupCount > 1) {
            group.title = new QLabel(this);
            grid->addWidget(group.title, row++, 0, 1, 2);
        }
        group.signalLabel = new QLabel(this);
        group.signal = new QComboBox(this);
        group.typeLabel = new QLabel(this);
        group.type = new QComboBox(this);
        group.type->addItems({ QString(), QString(), QString() });
        group.valueLabel = new QLabel(this);
        group.value = new QLineEdit(this);
        group.highLabel = new QLabel(this);
        group.high = new QLineEdit(this);
        for (auto pair : { std::make_pair<QWidget *, QWidget *>(group.signalLabel, group.signal),
                 std::make_pair<QWidget *, QWidget *>(group.typeLabel, group.type),
                 std::make_pair<QWidget *, QWidget *>(group.valueLabel, group.value),
                 std::make_pair<QWidget *, QWidget *>(group.highLabel, group.high) }) {
            grid->addWidget(pair.first, row, 0);
            grid->addWidget(pair.second, row++, 1);
        }
        connect(group.signal, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            [this, g] { signalTypeChosen(g); });
        connect(group.type, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            [this, g] { signalTypeChosen(g); });
    }
    if (m_groupCount > 1) {
        m_conditionLabel = new QLabel(this);
        m_condition = new QComboBox(this);
        m_condition->addItems({ QStringLiteral("AND"), QStringLiteral("OR") });
        grid->addWidget(m_conditionLabel, row, 0);
        grid->addWidget(m_condition, row++, 1);
    }
    m_beforeLabel = new QLabel(this);
    m_beforeMin = spin(59, this);
    m_beforeSec = spin(59, this);
    m_afterLabel = new QLabel(this);
    m_afterMin = spin(59, this);
    m_afterSec = spin(59, this);
    m_afterSec->setValue(1);
    for (auto *w : { m_beforeMin, m_beforeSec, m_afterMin, m_afterSec })
        connect(w, QOverload<int>::of(&QSpinBox::valueChanged), this, &TriggerDialog::updateSampleCount);
    auto *before = new QHBoxLayout;
    before->addWidget(m_beforeMin);
    before->addWidget(m_beforeSec);
    auto *after = new QHBoxLayout;
    after->addWidget(m_afterMin);
    after->addWidget(m_afterSec);
    grid->addWidget(m_beforeLabel, row, 0);
    grid->addLayout(before, row++, 1);
    grid->addWidget(m_afterLabel, row, 0);
    grid->addLayout(after, row++, 1);
    m_captureLabel = new QLabel(this);
    m_single = new QRadioButton(this);
    m_multiple = new QRadioButton(this);
    m_single->setChecked(true);
    auto *capture = new QHBoxLayout;
    capture->addWidget(m_single);
    capture->addWidget(m_multiple);
    grid->addWidget(m_captureLabel, row, 0);
    grid->addLayout(capture, row++, 1);
    // The two stop rules of "Multiple" choose among themselves only.
    auto *ruleBox = new QWidget(this);
    auto *rules = new QGridLayout(ruleBox);
    rules->setContentsMargins(0, 0, 0, 0);
    m_bySize = new QRadioButton(ruleBox);
    m_size = new QLineEdit(ruleBox);
    m_mbLabel = new QLabel(ruleBox);
    m_byDuration = new QRadioButton(ruleBox);
    m_hours = spin(999, ruleBox);
    m_minutes = spin(59, ruleBox);
    m_seconds = spin(59, ruleBox);
    m_bySize->setChecked(true);
    rules->addWidget(m_bySize, 0, 0);
    rules->addWidget(m_size, 0, 1);
    rules->addWidget(m_mbLabel, 0, 2);
    rules->addWidget(m_byDuration, 1, 0);
    auto *hms = new QHBoxLayout;
    for (auto *w : { m_hours, m_minutes, m_seconds })
        hms->addWidget(w);
    rules->addLayout(hms, 1, 1, 1, 2);
    grid->addWidget(ruleBox, row++, 0, 1, 2);
    m_samplesLabel = new QLabel(this);
    m_samples = new QLabel(this);
    grid->addWidget(m_samplesLabel, row, 0);
    grid->addWidget(m_samples, row++, 1);
    m_confirm = new QPushButton(this);
    m_close = new QPushButton(this);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(ScreenFit::scrolling(content, this), 1);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_confirm);
    buttons->addWidget(m_close);
    layout->addLayout(buttons);

    connect(m_mode, QOverload<int>::of(&QComboBox::currentIndexChanged), this, [this](int i) {
        fillUnits();
        emit vxUISigModeChanged(i);
    });
    connect(m_unit, QOverload<int>::of(&QComboBox::currentIndexChanged), this, [this](int i) {
        fillSignals();
        emit vxUISigUnitChanged(i);
    });
    connect(m_single, &QRadioButton::clicked, this, &TriggerDialog::vxUISlotSingleRBClicked);
    connect(m_multiple, &QRadioButton::clicked, this, &TriggerDialog::vxUISlotMultipleRBClicked);
    connect(m_bySize, &QRadioButton::clicked, this, &TriggerDialog::vxUISlotfileSizeLblClicked);
    connect(m_byDuration, &QRadioButton::clicked, this, &TriggerDialog::vxUISlotmaxDurationLblClicked);
    connect(m_confirm, &QPushButton::clicked, this, &TriggerDialog::vxUISlotConfirmBtnClicked);
    connect(m_close, &QPushButton::clicked, this, &QDialog::close);
    vxUISlotSingleRBClicked();
    retranslateUi();
    updateSampleCount();
}

void TriggerDialog::retranslateUi()
{
    setWindowTitle(m_groupCount > 1 ? tr("Conditional Trigger") : tr("Level Trigger"));
    m_modeLabel->setText(tr("Mode"));
    m_unitLabel->setText(tr("Unit Name"));
    for (int g = 0; g < m_groupCount; ++g) {
        Group &group = m_groups[g];
        if (group.title)
            group.title->setText(g == 0 ? tr("Group A") : tr("Group B"));
        group.signalLabel->setText(tr("Signal Name"));
        group.typeLabel->setText(tr("Trigger Type"));
        group.type->setItemText(TriggerSetup::Falling, tr("Falling"));
        group.type->setItemText(TriggerSetup::Rising, tr("Rising"));
        group.type->setItemText(TriggerSetup::Both, tr("Both"));
        group.valueLabel->setText(tr("Value"));
        group.highLabel->setText(tr("High"));
    }
    if (m_conditionLabel)
        m_conditionLabel->setText(tr("Condition"));
    m_beforeLabel->setText(tr("Before Time") + QStringLiteral(" (MM:SS):"));
    m_afterLabel->setText(tr("After Time") + QStringLiteral(" (MM:SS):"));
    m_captureLabel->setText(tr("Capture Time"));
    m_single->setText(tr("Single"));
    m_multiple->setText(tr("Multiple"));
    m_bySize->setText(tr("Maximum Total File Size"));
    m_mbLabel->setText(tr("MB"));
    m_byDuration->setText(tr("Maximum Total Duration") + QStringLiteral(" (HH:MM:SS)"));
    m_samplesLabel->setText(m_groupCount > 1 ? tr("Number Of Sample") : tr("Number Of Samples"));
    m_confirm->setText(tr("Confirm"));
    m_close->setText(tr("Close"));
}

void TriggerDialog::onLangTranslation(int)
{
    retranslateUi();
}

void TriggerDialog::setUnitSource(const DeviceList &devices)
{
    m_devices = devices;
    fillUnits();
}

void TriggerDialog::fillUnits()
{
    const QSignalBlocker block(m_unit);
    m_unit->clear();
    m_unitDevices.clear();
    if (m_devices)
        for (OscUnitDev *device : m_devices(m_mode->currentIndex())) {
            m_unitDevices.append(device);
            m_unit->addItem(UnitEntryField::at(device->unitEntry(), UnitEntryField::Number)
                + QStringLiteral(": ") + UnitEntryField::at(device->unitEntry(), UnitEntryField::Name));
        }
    fillSignals();
}

void TriggerDialog::fillSignals()
{
    OscUnitDev *unit = device();
    const QList<QStringList> rows = unit ? unit->signalRows() : QList<QStringList>();
    m_entries = GraphEntries::build(rows);
    for (int g = 0; g < m_groupCount; ++g) {
        const QSignalBlocker block(m_groups[g].signal);
        m_groups[g].signal->clear();
        for (const GraphEntry &entry : qAsConst(m_entries))
            m_groups[g].signal->addItem(GraphEntries::name(rows, entry));
        signalTypeChosen(g);
    }
}

OscUnitDev *TriggerDialog::device() const
{
    const int i = m_unit->currentIndex();
    return i >= 0 && i < m_unitDevices.size() ? m_unitDevices.at(i).data() : nullptr;
}

// A bit entry has no levels; "High" is asked only for "Both".
void TriggerDialog::signalTypeChosen(int group)
{
    Group &g = m_groups[group];
    const bool digital = GraphEntries::at(m_entries, g.signal->currentIndex()).isDigital();
    g.value->setEnabled(!digital);
    g.high->setEnabled(!digital && g.type->currentIndex() == TriggerSetup::Both);
}

void TriggerDialog::vxUISlotSingleRBClicked()
{
    m_single->setChecked(true);
    for (QWidget *w :
        std::initializer_list<QWidget *> { m_bySize, m_size, m_byDuration, m_hours, m_minutes, m_seconds })
        w->setEnabled(false);
}

void TriggerDialog::vxUISlotMultipleRBClicked()
{
    m_multiple->setChecked(true);
    m_bySize->setEnabled(true);
    m_byDuration->setEnabled(true);
    if (m_bySize->isChecked())
        vxUISlotfileSizeLblClicked();
    else
        vxUISlotmaxDurationLblClicked();
}

void TriggerDialog::vxUISlotfileSizeLblClicked()
{
    m_bySize->setChecked(true);
    m_size->setEnabled(true);
    for (QWidget *w : std::initializer_list<QWidget *> { m_hours, m_minutes, m_seconds })
        w->setEnabled(false);
}

void TriggerDialog::vxUISlotmaxDurationLblClicked()
{
    m_byDuration->setChecked(true);
    m_size->setEnabled(false);
    for (QWidget *w : std::initializer_list<QWidget *> { m_hours, m_minutes, m_seconds })
        w->setEnabled(true);
}

void TriggerDialog::setBeforeTime(int minutes, int seconds)
{
    m_beforeMin->setValue(minutes);
    m_beforeSec->setValue(seconds);
}

void TriggerDialog::setAfterTime(int minutes, int seconds)
{
    m_afterMin->setValue(minutes);
    m_afterSec->setValue(seconds);
}

void TriggerDialog::setSingle()
{
    vxUISlotSingleRBClicked();
}

void TriggerDialog::setMultipleBySize(double megabytes)
{
    m_bySize->setChecked(true);
    vxUISlotMultipleRBClicked();
    m_size->setText(QString::number(megabytes));
}

void TriggerDialog::setMultipleByDuration(int hours, int minutes, int seconds)
{
    m_byDuration->setChecked(true);
    vxUISlotMultipleRBClicked();
    m_hours->setValue(hours);
    m_minutes->setValue(minutes);
    m_seconds->setValue(seconds);
}

void TriggerDialog::setSamplingInterval(int msecs)
{
    m_intervalMs = std::max(10, msecs);
    updateSampleCount();
}

int TriggerDialog::sampleCount() const
{
    const int ms = (m_beforeMin->value() + m_afterMin->value()) * 60000
        + (m_beforeSec->value() + m_afterSec->value()) * 1000;
    return ms / m_intervalMs + 1;
}

void TriggerDialog::updateSampleCount()
{
    m_samples->setText(QString::number(sampleCount()));
}

namespace {

// A level as typed, with a decimal comma or point; an empty field counts as 0.
bool levelOf(const QLineEdit *edit, double *value)
{
    bool ok = true;
    *value = edit->text().trimmed().isEmpty() ? 0.0 : RegisterWord::parseNumber(edit->text(), &ok);
    return ok;
}

} // namespace

// A level that is no number is refused rather than taken as 0; only "Both" asks two levels.
bool TriggerDialog::validate(int group)
{
    const Group &g = m_groups[group];
    if (!g.value->isEnabled())
        return true;
    const bool both = g.type->currentIndex() == TriggerSetup::Both;
    double low = 0.0;
    double high = 0.0;
    if (!levelOf(g.value, &low) || (both && !levelOf(g.high, &high))) {
        m_prompter.critical(this, tr("Error"), tr("Enter Valid Value"));
        return false;
    }
    if (both && low > high) {
        m_prompter.critical(this, tr("Error"), tr("Low Value Should be Less than High Value "));
        return false;
    }
    return true;
}

void TriggerDialog::vxUISlotConfirmBtnClicked()
{
    for (int g = 0; g < m_groupCount; ++g)
        if (!validate(g))
            return;
    updateComments();
    emit vxUISigChangeTriggerstatus(m_groups[0].signal->currentIndex() < 0 ? 1 : 0);
    if (m_groups[0].signal->currentIndex() >= 0)
        emit confirmed();
    close();
}

void TriggerDialog::updateComments()
{
    const QString sep = QStringLiteral(":");
    m_comments = QStringList { windowTitle() };
    m_comments << m_modeLabel->text() + sep + m_mode->currentText();
    m_comments << m_unitLabel->text() + sep + m_unit->currentText();
    for (int g = 0; g < m_groupCount; ++g)
        m_comments << m_groups[g].signalLabel->text() + sep + m_groups[g].signal->currentText();
    for (int g = 0; g < m_groupCount; ++g)
        m_comments << m_groups[g].typeLabel->text() + sep + m_groups[g].type->currentText();
    for (int g = 0; g < m_groupCount; ++g) {
        m_comments << m_groups[g].valueLabel->text() + sep + m_groups[g].value->text();
        if (m_groups[g].type->currentIndex() == TriggerSetup::Both)
            m_comments << m_groups[g].highLabel->text() + sep + m_groups[g].high->text();
    }
    if (m_condition)
        m_comments << m_conditionLabel->text() + sep + m_condition->currentText();
    const auto mmss = [](const QSpinBox *m, const QSpinBox *s) {
        return QStringLiteral("%1:%2")
            .arg(m->value(), 2, 10, QLatin1Char('0'))
            .arg(s->value(), 2, 10, QLatin1Char('0'));
    };
    // The trigger file keeps the marks its readers look for, which the dialog no longer shows.
    const QString fileMark = QStringLiteral(":-");
    m_comments << m_beforeLabel->text() + QLatin1Char('-') + sep + mmss(m_beforeMin, m_beforeSec);
    m_comments << m_afterLabel->text() + QLatin1Char('-') + sep + mmss(m_afterMin, m_afterSec);
    if (m_single->isChecked()) {
        m_comments << m_single->text();
    } else {
        m_comments << m_multiple->text();
        if (m_bySize->isChecked())
            m_comments << m_bySize->text() + sep + m_size->text() + QStringLiteral(" ") + m_mbLabel->text();
        else
            m_comments << m_byDuration->text() + fileMark + sep
                    + QStringLiteral("%1:%2:%3")
                          .arg(m_hours->value(), 2, 10, QLatin1Char('0'))
                          .arg(m_minutes->value(), 2, 10, QLatin1Char('0'))
                          .arg(m_seconds->value(), 2, 10, QLatin1Char('0'));
    }
}

TriggerSetup::Group TriggerDialog::groupSetup(int group) const
{
    const Group &g = m_groups[group];
    const GraphEntry entry = GraphEntries::at(m_entries, g.signal->currentIndex());
    TriggerSetup::Group out;
    out.column = entry.signal + 1;
    out.digital = entry.isDigital();
    out.bit = std::max(0, entry.bit);
    out.type = std::max(0, g.type->currentIndex());
    double value = 0.0;
    double high = 0.0;
    levelOf(g.value, &value);
    levelOf(g.high, &high);
    // Rising watches the low level, Falling the high level; "Value" is the one level asked.
    if (out.type == TriggerSetup::Falling) {
        out.high = value;
        out.low = 0.0;
    } else if (out.type == TriggerSetup::Rising) {
        out.low = value;
        out.high = 0.0;
    } else {
        out.low = value;
        out.high = high;
    }
    return out;
}

TriggerSetup TriggerDialog::setup() const
{
    TriggerSetup s;
    s.kind = m_groupCount > 1 ? TriggerSetup::Conditional : TriggerSetup::Level;
    s.a = groupSetup(0);
    if (m_groupCount > 1) {
        s.b = groupSetup(1);
        s.condition = m_condition->currentIndex() == 1 ? TriggerSetup::Or : TriggerSetup::And;
    }
    s.beforeMs = m_beforeMin->value() * 60000 + m_beforeSec->value() * 1000;
    s.afterMs = m_afterMin->value() * 60000 + m_afterSec->value() * 1000;
    if (m_single->isChecked()) {
        s.stopRule = TriggerSetup::Single;
    } else if (m_bySize->isChecked()) {
        s.stopRule = TriggerSetup::TotalSize;
        s.maxTotalBytes = RegisterWord::parseNumber(m_size->text()) * 1000000.0;
    } else {
        s.stopRule = TriggerSetup::TotalDuration;
        s.maxTotalDurationMs
            = (qint64(m_hours->value()) * 3600 + m_minutes->value() * 60 + m_seconds->value()) * 1000;
    }
    s.comment = m_comments;
    return s;
}
