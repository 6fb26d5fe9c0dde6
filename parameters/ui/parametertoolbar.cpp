#include "parametertoolbar.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const char *const kIconNames[] = { "import", "export", "new", "open", "save", "print", "compare" };

// Enabled texts in the view's grey, disabled ones clearly fainter.
const char kStyle[] = "QPushButton, QCheckBox { color: #404040; }"
                      "QPushButton:disabled, QCheckBox:disabled { color: #b8b8b8; }";

} // namespace

ParameterToolBar::ParameterToolBar(QWidget *parent)
    : QWidget(parent)
{
    setStyleSheet(QLatin1String(kStyle));
    auto *rows = new QVBoxLayout(this);
    rows->setContentsMargins(4, 2, 4, 2);
    rows->setSpacing(0);
    for (QHBoxLayout *&row : m_rows) {
        row = new QHBoxLayout;
        rows->addLayout(row);
    }
    QHBoxLayout *layout = m_rows[0];
    for (int b = 0; b < ButtonCount; ++b) {
        m_buttons[b] = new QPushButton(this);
        m_buttons[b]->setFlat(true);
        m_buttons[b]->setIconSize(QSize(24, 24));
        showPressed(Button(b), false);
        layout->addWidget(m_buttons[b]);
        if (b == Export || b == Save || b == Compare)
            layout->addSpacing(12);
    }
    m_expand = new QPushButton(this);
    m_expand->setFlat(true);
    layout->addWidget(m_expand);
    m_sendDirectly = new QCheckBox(this);
    layout->addWidget(m_sendDirectly);
    m_upgrade = new QLabel(this);
    m_upgrade->setTextFormat(Qt::RichText);
    layout->addWidget(m_upgrade);
    m_unit = new QLabel(this);
    m_unit->setStyleSheet(QStringLiteral("color:#636363; font-weight:bold"));
    // A long unit name gives way (elided, whole in its tool tip) before the buttons do.
    m_unit->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    m_unit->setMinimumWidth(30); // room for "KT…": the row fits a 150 % screen beside the unit pane
    m_unit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    layout->addWidget(m_unit, 1);
    retranslateUi();
    setUnitName(QString());
}

void ParameterToolBar::showPressed(Button b, bool pressed)
{
    m_buttons[b]->setIcon(QIcon(QStringLiteral(":/%1_%2.png")
                                    .arg(QLatin1String(kIconNames[b]),
                                        pressed ? QLatin1String("pressed") : QLatin1String("default"))));
}

void ParameterToolBar::showExpanded(bool expanded)
{
    m_expanded = expanded;
    m_expand->setText(m_compact ? QString() : expanded ? tr("Collapse All") : tr("Expand All"));
    m_expand->setIcon(QIcon(expanded ? QStringLiteral(":/Minimize.png") : QStringLiteral(":/Maximize.png")));
    m_expand->setToolTip(expanded ? tr("Collapses All Parameters") : tr("Expands All Parameters"));
}

void ParameterToolBar::setButtonEnabled(Button b, bool enabled)
{
    m_buttons[b]->setEnabled(enabled);
}

void ParameterToolBar::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    int level = 0;
    while (level < 2 && width() < m_widthAt[level])
        ++level;
    setCompactLevel(level);
    showUnitName();
}

void ParameterToolBar::showUnitName()
{
    m_unit->setText(m_unit->fontMetrics().elidedText(m_unitName, Qt::ElideRight, m_unit->width()));
    m_unit->setToolTip(m_unitName);
}

void ParameterToolBar::setCompactLevel(int level)
{
    if (level == m_compact)
        return;
    m_compact = level;
    retranslateUi();
}

void ParameterToolBar::setUnitName(const QString &name)
{
    m_unitName = name.isEmpty() ? tr("No Unit") : name;
    showUnitName();
}

void ParameterToolBar::retranslateUi()
{
    m_sendDirectly->setToolTip(tr("Exports the edited parameters immediately to controlcard if checked"));
    m_upgrade->setText(
        QStringLiteral("<a style=\"color: blue; \" href=\"Ftp\">%1</a>").arg(tr("Upgrade CSV")));
    showExpanded(m_expanded);
    // The width each level needs, measured with the texts it shows (and room for the unit name).
    // A narrow row keeps the transfer texts longest; the other buttons show their pictures and
    // their texts move into the tool tips.
    const int level = m_compact;
    for (int step = 0; step < 2; ++step) {
        applyCompactLevel(step);
        layout()->invalidate();
        m_widthAt[step] = sizeHint().width() + 100;
    }
    applyCompactLevel(level);
}

void ParameterToolBar::applyCompactLevel(int level)
{
    QHBoxLayout *row = m_rows[level >= 2 ? 1 : 0];
    if (row->indexOf(m_unit) < 0) {
        for (QWidget *w : { static_cast<QWidget *>(m_sendDirectly), static_cast<QWidget *>(m_upgrade),
                 static_cast<QWidget *>(m_unit) }) {
            m_rows[0]->removeWidget(w);
            m_rows[1]->removeWidget(w);
            row->addWidget(w, w == m_unit ? 1 : 0);
        }
    }
    m_sendDirectly->setText(level == 0 ? tr("Send changes directly") : tr("Send directly"));
    m_expand->setText(level == 0 ? (m_expanded ? tr("Collapse All") : tr("Expand All")) : QString());
    for (int b = 0; b < ButtonCount; ++b) {
        QPushButton *button = m_buttons[b];
        const bool transfer = b == Import || b == Export;
        const QString text = buttonText(Button(b));
        const bool shown = level == 0 || (level == 1 && transfer);
        button->setText(shown ? text : QString());
        const QString tip = buttonTip(Button(b));
        button->setToolTip(shown || text.isEmpty() ? tip : text + QLatin1Char('\n') + tip);
    }
}

QString ParameterToolBar::buttonText(Button b) const
{
    switch (b) {
    case Import:
        return tr("Load from Drive");
    case Export:
        return tr("Load to Drive");
    case Open:
        return tr("Open");
    case Save:
        return tr("Save");
    case Print:
        return tr("Print");
    case Compare:
        return tr("Compare");
    default:
        return QString();
    }
}

QString ParameterToolBar::buttonTip(Button b) const
{
    switch (b) {
    case Import:
        return tr("Imports data from \ncontrolcard to application");
    case Export:
        return tr("Exports data from \napplication to controlcard");
    case New:
        return tr("Opens new csv file");
    case Open:
        return tr("Opens already saved .dat files");
    case Save:
        return tr("Saves the file in .dat format");
    case Print:
        return tr("Prints the parameter view");
    case Compare:
        return tr("Compares two files");
    default:
        return QString();
    }
}
