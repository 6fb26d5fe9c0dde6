#pragma once

#include <QDialog>
#include <QList>

class QLabel;
class QProgressBar;
class QPushButton;
class QVBoxLayout;
class importfileThread;

// "Load from Drive" after a scan: one row per unit read in parallel, each with its own bar and
// Cancel; the window closes when the last row has gone.
class ScanImport : public QDialog
{
    Q_OBJECT
public:
    explicit ScanImport(QWidget *parent = nullptr);

    // Adds a row for the worker (not started; the caller starts it right after).
    void addUnit(const QString &name, importfileThread *worker);
    int rowCount() const { return m_rows.size(); }
    int doneCount() const { return m_done; }

    QPushButton *cancelButton() const { return m_cancel; }

signals:
    // Cancel: every running read is asked to stop after its current parameter.
    void cancelAll();
    void bringAppToForeGround();

public slots:
    void onLangTranslation(int index);

private:
    struct Row
    {
        importfileThread *worker;
        QWidget *widget;
        QProgressBar *bar;
    };
    void removeRow(importfileThread *worker);
    void showCounters();

    QLabel *m_wait;
    QLabel *m_counters;
    QVBoxLayout *m_rowsLayout;
    QPushButton *m_cancel;
    QList<Row> m_rows;
    int m_total = 0;
    int m_done = 0;
};
