#include "parametertoolbar.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>

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
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 2, 4, 2);
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
    layout->addStretch(1);
    m_upgrade = new QLabel(this);
    m_upgrade->setTextFormat(Qt::RichText);
    layout->addWidget(m_upgrade);
    m_unit = new QLabel(this);
    m_unit->setStyleSheet(QStringLiteral("color:#636363; font-weight:bold"));
    layout->addWidget(m_unit);
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
    setCompact(width() < m_fullWidth);
}

void ParameterToolBar::setCompact(bool compact)
{
    if (compact == m_compact)
        return;
    m_compact = compact;
    retranslateUi();
}

void ParameterToolBar::setUnitName(const QString &name)
{
    m_unit->setText(name.isEmpty() ? tr("No Unit") : name);
}

void ParameterToolBar::retranslateUi()
{
    m_buttons[Import]->setText(tr("Load from Drive"));
    m_buttons[Import]->setToolTip(tr("Imports data from \ncontrolcard to application"));
    m_buttons[Export]->setText(tr("Load to Drive"));
    m_buttons[Export]->setToolTip(tr("Exports data from \napplication to controlcard"));
    m_buttons[New]->setToolTip(tr("Opens new csv file"));
    m_buttons[Open]->setText(tr("Open"));
    m_buttons[Open]->setToolTip(tr("Opens already saved .dat files"));
    m_buttons[Save]->setText(tr("Save"));
    m_buttons[Save]->setToolTip(tr("Saves the file in .dat format"));
    m_buttons[Print]->setText(tr("Print"));
    m_buttons[Print]->setToolTip(tr("Prints the parameter view"));
    m_buttons[Compare]->setText(tr("Compare"));
    m_buttons[Compare]->setToolTip(tr("Compares two files"));
    m_sendDirectly->setText(tr("Send changes directly"));
    m_sendDirectly->setToolTip(tr("Exports the edited parameters immediately to controlcard if checked"));
    m_upgrade->setText(
        QStringLiteral("<a style=\"color: blue; \" href=\"Ftp\">%1</a>").arg(tr("Upgrade CSV")));
    showExpanded(m_expanded);
    if (!m_compact) {
        // Measured with the texts shown; on a narrow screen the buttons keep only their
        // pictures and the texts move into the tool tips.
        m_fullWidth = sizeHint().width();
        setCompact(width() < m_fullWidth && isVisible());
        return;
    }
    for (QPushButton *b : m_buttons) {
        if (!b->text().isEmpty() && !b->toolTip().startsWith(b->text()))
            b->setToolTip(b->text() + QLatin1Char('\n') + b->toolTip());
        b->setText(QString());
    }
}
