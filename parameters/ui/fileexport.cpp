#include "fileexport.h"

#include "unitentryfields.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QVBoxLayout>
#include <algorithm>

FileExport::FileExport(const QList<QStringList> &units, QWidget *parent)
    : QDialog(parent)
    , m_units(units)
    , m_mode(new QComboBox(this))
    , m_unit(new QComboBox(this))
{
    // Closing a dialog gives the focus back to the main window.
    connect(this, &QDialog::finished, this, &FileExport::bringAppToForeGround);
    setWindowTitle(tr("File Export"));
    m_mode->addItems({ QStringLiteral("RS232"), QStringLiteral("RS485"), QStringLiteral("TCP/IP") });
    auto *layout = new QVBoxLayout(this);
    auto *form = new QFormLayout;
    form->addRow(tr("Mode"), m_mode);
    form->addRow(tr("Unit"), m_unit);
    layout->addLayout(form);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    connect(m_mode, QOverload<int>::of(&QComboBox::currentIndexChanged), this, &FileExport::fillUnits);
    // Start on the first interface that has a unit.
    for (int i = 0; i < 3; ++i) {
        const bool any = std::any_of(units.begin(), units.end(), [i](const QStringList &e) {
            return e.value(UnitEntryField::Interface) == UnitEntryField::interfaceAt(i);
        });
        if (any) {
            m_mode->setCurrentIndex(i);
            break;
        }
    }
    fillUnits();
}

void FileExport::fillUnits()
{
    m_unit->clear();
    m_shown.clear();
    for (const QStringList &entry : m_units) {
        if (entry.value(UnitEntryField::Interface) != UnitEntryField::interfaceAt(m_mode->currentIndex()))
            continue;
        m_shown.append(entry);
        m_unit->addItem(entry.value(UnitEntryField::Name)); // already carries the unit number
    }
}

QStringList FileExport::selectedUnit() const
{
    return m_shown.value(m_unit->currentIndex());
}
