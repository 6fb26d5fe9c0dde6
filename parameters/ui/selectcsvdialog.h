#pragma once

#include "devicefiles.h"

#include <QDialog>
#include <QList>

class Prompter;
class QListWidget;
class QTableWidget;

// "New": picks a device description file of csv_file and one of its drive sizes.
class SelectCsvDialog : public QDialog
{
    Q_OBJECT
public:
    using Size = DeviceFiles::DriveSize;

    SelectCsvDialog(Prompter &prompter, const QString &csvDir, QWidget *parent = nullptr);

    QListWidget *fileList() const { return m_files; }
    QTableWidget *sizeTable() const { return m_sizes; }
    // Confirms the file chosen in the list (OK or double click on a file).
    void chooseFile();
    // Confirms the size chosen in the table (OK or double click on a size).
    void chooseSize();

signals:
    // A file and a size were confirmed.
    void fileAndSizeChosen(const QString &deviceFile, const SelectCsvDialog::Size &size);
    void bringAppToForeGround();

private:
    void onOk();

    Prompter &m_prompter;
    QString m_csvDir;
    QString m_file;
    QList<Size> m_sizeRows;
    QListWidget *m_files;
    QTableWidget *m_sizes;
};
