#pragma once

#include "alertlist.h"

#include <QWidget>
#include <memory>

class Prompter;
class QPushButton;
class QTabWidget;
class QTreeWidget;
class QTreeWidgetItem;

// The alert list: every warning and error of the program as a sentence, repeats folded into one
// row with their count and the time of the last, on a current page and a history page; every
// reported row also goes to the log file in LogData.
class alarms : public QWidget
{
    Q_OBJECT
public:
    enum Column { TimeColumn = 0, CountColumn, AlertColumn };

    // logFilePath: empty = a new file in AppPaths::logDir() named after the creation time.
    explicit alarms(QWidget *parent = nullptr, const QString &logFilePath = QString());
    ~alarms() override;

    AlertList &list() const { return *m_list; }
    QTreeWidget *currentPage() const { return m_current; }
    QTreeWidget *historyPage() const { return m_history; }
    QTabWidget *pages() const { return m_pages; }
    QPushButton *clearButton() const { return m_clear; }
    QPushButton *copyButton() const { return m_copy; }
    QPushButton *saveButton() const { return m_save; }
    // The door for the Save dialog and its messages (none: Save does nothing).
    void setPrompter(Prompter *prompter) { m_prompter = prompter; }

public slots:
    // Adds one reported row, text built by the caller (a link-information row or a message).
    void addAlert(const QString &text);
    // Writes the rows not yet in the log file (close-down).
    void flush();
    // 0 shows the current (fault log) page, 1 the history page.
    void onTabChange(int index);
    void vxUISlotFaultLogBtnClicked();
    void vxUISlotFaultHisBtnClicked();
    void vxUISlotfaqBtnClicked() { }
    void vxUISlothelpBtnClicked() { }
    void onLangTranslation(int index);
    // Empties both pages (the log file keeps everything).
    void clearList();
    // The selected rows of the shown page, or all of them, to the clipboard as text.
    void copyRows();
    // The shown page to a text file the user names.
    void saveRows();

private:
    static void fill(QTreeWidget *page, const QVector<AlertFold> &rows);
    static void show(QTreeWidgetItem *item, const AlertFold &row);
    QTreeWidget *makePage();
    QVector<AlertFold> shownRows(bool selectedOnly) const;
    void retranslateUi();

    std::unique_ptr<AlertList> m_list;
    Prompter *m_prompter = nullptr;
    QTabWidget *m_pages = nullptr;
    QTreeWidget *m_current = nullptr;
    QTreeWidget *m_history = nullptr;
    QPushButton *m_clear = nullptr;
    QPushButton *m_copy = nullptr;
    QPushButton *m_save = nullptr;
};
