#pragma once

#include <QDialog>
#include <QStringList>

class QLineEdit;

// The twelve customer data texts of a parameter set, editable or shown read-only.
class CustomerDataDialog : public QDialog
{
    Q_OBJECT
public:
    explicit CustomerDataDialog(QWidget *parent = nullptr);

    // Labels in the order the texts are stored (company name ... serial number).
    static QStringList labels();
    void setTexts(const QStringList &texts);
    QStringList texts() const;
    void setReadOnly(bool readOnly);
    QLineEdit *field(int i) const { return m_fields.value(i); }

signals:
    void bringAppToForeGround();

private:
    QList<QLineEdit *> m_fields;
};
