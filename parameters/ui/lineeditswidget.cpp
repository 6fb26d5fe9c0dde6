#include "lineeditswidget.h"

#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>

namespace {

// A time text as one number that orders like the value ("1:30:00" < "2:00:00").
qint64 ordinal(const QString &text, bool *ok)
{
    const QStringList parts = text.trimmed().split(QLatin1Char(':'));
    *ok = parts.size() == 3;
    qint64 value = 0;
    for (const QString &p : parts) {
        bool partOk = false;
        value = value * 100000 + p.trimmed().toLongLong(&partOk);
        *ok = *ok && partOk;
    }
    return value;
}

} // namespace

LineEditsWidget::LineEditsWidget(QWidget *parent)
    : QWidget(parent)
{
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(1);
    for (int i = 0; i < 3; ++i) {
        m_edits[i] = new QLineEdit(this);
        m_edits[i]->setAlignment(Qt::AlignCenter);
        if (i > 0)
            layout->addWidget(new QLabel(QStringLiteral(":"), this));
        layout->addWidget(m_edits[i]);
        connect(m_edits[i], &QLineEdit::returnPressed, this, [this] {
            if (isAcceptable())
                emit editsConfirmed();
        });
    }
    setFocusProxy(m_edits[0]);
}

void LineEditsWidget::setup(int timeKind, const QString &min, const QString &max)
{
    m_min = min;
    m_max = max;
    // Kinds as in TreeItem: 4 "T" (h:mm:ss), 6 "T_HHMMSST" (hh:mm:ss), 7 "T_YYMMDD".
    struct Range
    {
        int lo, hi, length;
    };
    Range ranges[3] = { { 0, 999, 3 }, { 0, 59, 2 }, { 0, 59, 2 } };
    if (timeKind == 6)
        ranges[0] = { 0, 23, 2 };
    if (timeKind == 7) {
        ranges[0] = { 0, 99, 2 };
        ranges[1] = { 1, 12, 2 };
        ranges[2] = { 1, 31, 2 };
    }
    for (int i = 0; i < 3; ++i) {
        m_edits[i]->setValidator(new QIntValidator(ranges[i].lo, ranges[i].hi, m_edits[i]));
        m_edits[i]->setMaxLength(ranges[i].length);
    }
}

QString LineEditsWidget::text() const
{
    QString result = m_edits[0]->text().trimmed();
    for (int i = 1; i < 3; ++i)
        result += QLatin1Char(':') + m_edits[i]->text().trimmed().rightJustified(2, QLatin1Char('0'));
    return result;
}

bool LineEditsWidget::isAcceptable() const
{
    for (QLineEdit *edit : m_edits) {
        if (!edit->hasAcceptableInput())
            return false;
    }
    bool ok = false;
    const qint64 value = ordinal(text(), &ok);
    bool okMin = false, okMax = false;
    const qint64 lo = ordinal(m_min, &okMin);
    const qint64 hi = ordinal(m_max, &okMax);
    return ok && (!okMin || value >= lo) && (!okMax || value <= hi);
}

void LineEditsWidget::updateEditData(QString &value)
{
    const QStringList parts = value.split(QLatin1Char(':'));
    for (int i = 0; i < 3; ++i)
        m_edits[i]->setText(parts.value(i).trimmed());
}
