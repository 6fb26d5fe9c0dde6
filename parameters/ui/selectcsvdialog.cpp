#include "selectcsvdialog.h"

#include "csvline.h"
#include "prompter.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QListWidget>
#include <QTableWidget>
#include <QTextStream>
#include <QVBoxLayout>

SelectCsvDialog::SelectCsvDialog(Prompter &prompter, const QString &csvDir, QWidget *parent)
    : QDialog(parent)
    , m_prompter(prompter)
    , m_csvDir(csvDir)
    , m_files(new QListWidget(this))
    , m_sizes(new QTableWidget(this))
{
    // Closing a dialog gives the focus back to the main window.
    connect(this, &QDialog::finished, this, &SelectCsvDialog::bringAppToForeGround);
    setWindowTitle(tr("Select Csv File"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_files);
    layout->addWidget(m_sizes);
    const QStringList names = QDir(csvDir).entryList({ QStringLiteral("*.csv") }, QDir::Files, QDir::Name);
    for (const QString &name : names) {
        if (name.endsWith(QLatin1String(".csv")))
            m_files->addItem(name);
    }
    m_sizes->setColumnCount(3);
    m_sizes->setHorizontalHeaderLabels(QStringLiteral("Size;Inom(A);Pnom(W)").split(QLatin1Char(';')));
    m_sizes->horizontalHeader()->setStretchLastSection(true);
    m_sizes->verticalHeader()->hide();
    m_sizes->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_sizes->setSelectionMode(QAbstractItemView::SingleSelection);
    m_sizes->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_sizes->hide();
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &SelectCsvDialog::onOk);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    connect(m_files, &QListWidget::itemDoubleClicked, this, &SelectCsvDialog::chooseFile);
    connect(m_sizes, &QTableWidget::cellDoubleClicked, this, &SelectCsvDialog::chooseSize);
    resize(420, 360);
}

void SelectCsvDialog::chooseFile()
{
    QListWidgetItem *item = m_files->currentItem();
    if (!item)
        return;
    m_file = QDir(m_csvDir).filePath(item->text());
    m_sizeRows = DeviceFiles::VxCommGetSizes(m_file);
    if (m_sizeRows.isEmpty()) {
        m_sizes->hide();
        m_prompter.critical(this, tr("Error"), tr("invalid CSV file"));
        return;
    }
    // The nominal power is in watts unless the file's sizes table names its own unit.
    const QString unit = m_sizeRows.first().pnomUnit;
    m_sizes->setHorizontalHeaderLabels(QStringLiteral("Size;Inom(A);Pnom(%1)")
                                           .arg(unit.isEmpty() ? QStringLiteral("W") : unit)
                                           .split(QLatin1Char(';')));
    m_sizes->setRowCount(m_sizeRows.size());
    for (int r = 0; r < m_sizeRows.size(); ++r) {
        m_sizes->setItem(r, 0, new QTableWidgetItem(m_sizeRows.at(r).name));
        m_sizes->setItem(r, 1, new QTableWidgetItem(m_sizeRows.at(r).inom));
        m_sizes->setItem(r, 2, new QTableWidgetItem(m_sizeRows.at(r).pnom));
    }
    m_sizes->selectRow(0);
    m_files->hide();
    m_sizes->show();
}

void SelectCsvDialog::chooseSize()
{
    const int row = m_sizes->currentRow();
    if (m_file.isEmpty() || row < 0 || row >= m_sizeRows.size())
        return;
    emit fileAndSizeChosen(m_file, m_sizeRows.at(row));
    accept();
}

void SelectCsvDialog::onOk()
{
    if (!m_sizes->isHidden())
        chooseSize();
    else
        chooseFile();
}
