#include "valuefieldeditor.h"

#include "numbervalidator.h"
#include "registerword.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRegularExpressionValidator>

namespace {

// Value texts, or a whole number in range, for the "0 = Off, else a number" parameters.
class ChoiceValidator : public QValidator
{
public:
    ChoiceValidator(const QStringList &texts, int min, int max, QObject *parent)
        : QValidator(parent)
        , m_texts(texts)
        , m_min(min)
        , m_max(max)
    { }
    State validate(QString &input, int &) const override
    {
        if (input.isEmpty())
            return Intermediate;
        for (const QString &t : m_texts) {
            if (t == input)
                return Acceptable;
            if (t.startsWith(input))
                return Intermediate;
        }
        if (input == QLatin1String("-"))
            return m_min < 0 ? Intermediate : Invalid;
        bool ok = false;
        const int v = input.toInt(&ok);
        if (!ok)
            return Invalid;
        if (v >= m_min && v <= m_max)
            return Acceptable;
        return (v > m_max && v > 0) || (v < m_min && v < 0) ? Invalid : Intermediate;
    }

private:
    QStringList m_texts;
    int m_min;
    int m_max;
};

} // namespace

specialwidgets::specialwidgets(QWidget *parent)
    : QWidget(parent)
    , m_lineEdit(new QLineEdit(this))
    , m_combo(new QComboBox(this))
{
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_lineEdit);
    layout->addWidget(m_combo);
    m_combo->hide();
    setFocusProxy(m_lineEdit);
    connect(m_lineEdit, &QLineEdit::returnPressed, this, &specialwidgets::onReturn);
    connect(m_lineEdit, &QLineEdit::inputRejected, this, [this] { emit refused(m_lineEdit->text(), true); });
    m_lineEdit->installEventFilter(this);
    connect(m_combo, QOverload<int>::of(&QComboBox::activated), this,
        [this](int i) { emit committed(m_combo->itemText(i)); });
}

void specialwidgets::showLineEdit()
{
    m_isCombo = false;
    m_combo->hide();
    m_lineEdit->show();
    setFocusProxy(m_lineEdit);
}

void specialwidgets::onReturn()
{
    // QLineEdit only reports Return for acceptable input; the check also covers setText().
    if (m_lineEdit->hasAcceptableInput())
        emit committed(m_lineEdit->text());
}

void specialwidgets::setTextLength(int length)
{
    showLineEdit();
    m_lineEdit->setMaxLength(length);
    m_lineEdit->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[^;]{1,%1}").arg(length)), m_lineEdit));
}

void specialwidgets::setLineEditRange(QStringList MinMax, int noOfDec)
{
    showLineEdit();
    m_lineEdit->setMaxLength(32767);
    m_lineEdit->setValidator(new NumberValidator(RegisterWord::parseNumber(MinMax.value(0)),
        RegisterWord::parseNumber(MinMax.value(1)), noOfDec, m_lineEdit));
}

void specialwidgets::setLineEditRange(QStringList MinMax)
{
    setLineEditRange(MinMax, 0);
    m_lineEdit->setMaxLength(6);
}

void specialwidgets::updateCombo(QStringList &list)
{
    m_isCombo = true;
    m_lineEdit->hide();
    m_combo->show();
    m_combo->setEditable(false);
    m_combo->clear();
    m_combo->addItems(list);
    setFocusProxy(m_combo);
}

void specialwidgets::setTypedNumbers(int min, int max)
{
    QStringList texts;
    for (int i = 0; i < m_combo->count(); ++i)
        texts.append(m_combo->itemText(i));
    m_combo->setEditable(true);
    m_combo->setInsertPolicy(QComboBox::NoInsert);
    m_combo->lineEdit()->setValidator(new ChoiceValidator(texts, min, max, m_combo));
    connect(m_combo->lineEdit(), &QLineEdit::returnPressed, this, [this] {
        if (m_combo->lineEdit()->hasAcceptableInput())
            emit committed(m_combo->lineEdit()->text());
    });
    // Return on part of a value text completes it, so only refused keys are reported here.
    connect(m_combo->lineEdit(), &QLineEdit::inputRejected, this,
        [this] { emit refused(m_combo->lineEdit()->text(), true); });
}

bool specialwidgets::eventFilter(QObject *watched, QEvent *event)
{
    // QLineEdit keeps quiet about Return on text its validator does not accept, and the view
    // would then close the editor as if the value had been taken: say so and stay open instead.
    auto *edit = qobject_cast<QLineEdit *>(watched);
    if (edit && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && !edit->hasAcceptableInput()) {
            emit refused(edit->text(), false);
            return true;
        }
        // Tab would only move the focus inside this editor: it takes the value and hands the key
        // to the view, which ends the edit and moves on to the next value.
        if (key == Qt::Key_Tab || key == Qt::Key_Backtab) {
            if (!edit->hasAcceptableInput()) {
                emit refused(edit->text(), false);
                return true;
            }
            if (edit->isModified())
                emit committed(edit->text());
            QKeyEvent forwarded(QEvent::KeyPress, key, static_cast<QKeyEvent *>(event)->modifiers());
            QCoreApplication::sendEvent(this, &forwarded);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void specialwidgets::setText(const QString &text)
{
    if (m_isCombo) {
        const int i = m_combo->findText(text);
        if (i >= 0)
            m_combo->setCurrentIndex(i);
        else if (m_combo->isEditable())
            m_combo->setEditText(text);
    } else {
        m_lineEdit->setText(text);
    }
}
