#pragma once

#include <QStringList>
#include <QWidget>

class QComboBox;
class QLineEdit;

// The in-place editor of one set value that is typed or chosen: a line edit (text, decimal or
// whole number, each with the validator that refuses what the unit would not take) or a combo
// box of value texts. Emits committed() only for acceptable input.
class specialwidgets : public QWidget
{
    Q_OBJECT
public:
    explicit specialwidgets(QWidget *parent = nullptr);

    QLineEdit *lineEdit() const { return m_lineEdit; }
    QComboBox *comboBox() const { return m_combo; }
    bool isCombo() const { return m_isCombo; }

    // A text of 1 to `length` characters without ";".
    void setTextLength(int length);
    // The combo box accepts typed whole numbers from min to max beside its texts.
    void setTypedNumbers(int min, int max);
    void setText(const QString &text);

signals:
    void committed(const QString &text);
    // Return was pressed on text the validator does not accept (typing: a key was refused while
    // typing instead); the editor stays open.
    void refused(const QString &text, bool typing);

public slots:
    void updateCombo(QStringList &list);
    // A number typed with a decimal comma or point, `noOfDec` decimals at most.
    void setLineEditRange(QStringList MinMax, int noOfDec);
    // Whole number, at most 6 characters.
    void setLineEditRange(QStringList MinMax);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showLineEdit();
    void onReturn();

    QLineEdit *m_lineEdit;
    QComboBox *m_combo;
    bool m_isCombo = false;
};
