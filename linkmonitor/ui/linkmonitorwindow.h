#pragma once

#include "linkdescriber.h"
#include "linkmonitormodel.h"
#include "linkstatistics.h"

#include <QHash>
#include <QWidget>
#include <functional>
#include <memory>

class Prompter;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;
class QTimer;
class QTreeWidget;
class TreeModel;
class UnitRegistry;

// The link monitor: every exchange on the bus while the window is open, in the drive's words,
// with filters, CSV export and per-unit statistics beside the table. Non-modal; it listens to the
// Modbus masters from the moment it is shown until it is closed.
class LinkMonitorWindow : public QWidget
{
    Q_OBJECT
public:
    // Finds the unit tree's name and the parameter model of a unit on a link; false when unknown.
    using UnitResolver
        = std::function<bool(const QString &link, int unit, QString *name, const TreeModel **model)>;
    // The units of the registry, looked up on the user-interface thread.
    static UnitResolver unitsOf(const UnitRegistry &registry);

    explicit LinkMonitorWindow(
        Prompter &prompter, UnitResolver resolver = UnitResolver(), QWidget *parent = nullptr);
    ~LinkMonitorWindow() override;

    LinkMonitorModel *model() const { return m_model; }
    LinkMonitorFilter *filter() const { return m_filter; }
    const LinkStatistics &statistics() const { return m_statistics; }
    QTableView *table() const { return m_table; }
    bool isListening() const { return m_tap != nullptr; }
    // Moves what the masters handed over into the table; the window's timer calls it every 200 ms.
    void drain();
    // Pauses and brings the newest failure shown into the middle of the table.
    void showLastFailure();

public slots:
    void onLangTranslation(int language);

signals:
    void bringAppToForeGround();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void build();
    void retranslate();
    void learnUnits(const std::deque<LinkExchange> &batch);
    void refreshStatistics();
    void refreshCounts();
    void applyUnitFilter();
    void saveCsv();
    void listen(bool on);

    Prompter &m_prompter;
    UnitResolver m_resolver;
    LinkDescriber m_describer;
    QHash<QString, const TreeModel *> m_knownModels; // "link@unit" -> the model its names came from
    LinkMonitorModel *m_model;
    LinkMonitorFilter *m_filter;
    LinkStatistics m_statistics;
    std::shared_ptr<LinkTapQueue> m_tap;
    QTimer *m_timer;
    int m_batches = 0;
    QIcon m_failureIcon;

    QComboBox *m_unitBox = nullptr;
    QComboBox *m_kindBox = nullptr;
    QCheckBox *m_failuresOnly = nullptr;
    QLineEdit *m_search = nullptr;
    QPushButton *m_pause = nullptr;
    QPushButton *m_clear = nullptr;
    QPushButton *m_save = nullptr;
    QPushButton *m_resetStatistics = nullptr;
    QTableView *m_table = nullptr;
    QTreeWidget *m_statisticsTree = nullptr;
    QLabel *m_counts = nullptr;
};
