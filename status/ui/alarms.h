#pragma once

#include "alertlist.h"

#include <QWidget>
#include <memory>

class QTabWidget;
class QTreeWidget;

// The alert list: every warning and error of the program with its time and unit, on a current
// page and a history page, written to the log file in LogData.
class alarms : public QWidget
{
    Q_OBJECT
public:
    // logFilePath: empty = a new file in AppPaths::logDir() named after the creation time.
    explicit alarms(QWidget *parent = nullptr, const QString &logFilePath = QString());
    ~alarms() override;

    AlertList &list() const { return *m_list; }
    QTreeWidget *currentPage() const { return m_current; }
    QTreeWidget *historyPage() const { return m_history; }
    QTabWidget *pages() const { return m_pages; }

    // The columns an item is shown in: date and time, unit ID, unit name, description.
    static QStringList columnsOf(const QString &item);

public slots:
    // Adds one alert, text built by the caller (a link-information row or a message).
    void addAlert(const QString &text);
    // Writes the alerts not yet in the log file (close-down).
    void flush();
    // 0 shows the current (fault log) page, 1 the history page.
    void onTabChange(int index);
    void vxUISlotFaultLogBtnClicked();
    void vxUISlotFaultHisBtnClicked();
    void vxUISlotfaqBtnClicked() { }
    void vxUISlothelpBtnClicked() { }
    void onLangTranslation(int index);

private:
    static void fill(QTreeWidget *page, const QStringList &items);
    static void append(QTreeWidget *page, const QString &item);
    QTreeWidget *makePage();
    void retranslateUi();

    std::unique_ptr<AlertList> m_list;
    QTabWidget *m_pages = nullptr;
    QTreeWidget *m_current = nullptr;
    QTreeWidget *m_history = nullptr;
};
