#include "customerdatadialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

CustomerDataDialog::CustomerDataDialog(QWidget *parent)
    : QDialog(parent)
{
    // Closing a dialog gives the focus back to the main window.
    connect(this, &QDialog::finished, this, &CustomerDataDialog::bringAppToForeGround);
    setWindowTitle(tr("Customer Data"));
    auto *layout = new QVBoxLayout(this);
    auto *form = new QFormLayout;
    for (const QString &label : labels()) {
        auto *edit = new QLineEdit(this);
        m_fields.append(edit);
        form->addRow(label + QLatin1Char(':'), edit);
    }
    layout->addLayout(form);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

QStringList CustomerDataDialog::labels()
{
    return { tr("Company Name"), tr("Street 1"), tr("Street 2"), tr("Location"), tr("City"), tr("Country"),
        tr("Telephone"), tr("Contact"), tr("Project"), tr("Application"), tr("Commissioned By"),
        tr("Serial number") };
}

void CustomerDataDialog::setTexts(const QStringList &texts)
{
    for (int i = 0; i < m_fields.size(); ++i)
        m_fields.at(i)->setText(texts.value(i));
}

QStringList CustomerDataDialog::texts() const
{
    QStringList result;
    for (QLineEdit *edit : m_fields)
        result.append(edit->text());
    return result;
}

void CustomerDataDialog::setReadOnly(bool readOnly)
{
    for (QLineEdit *edit : m_fields)
        edit->setReadOnly(readOnly);
}
