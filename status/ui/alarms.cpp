#include "alarms.h"

#include "apppaths.h"
#include "prompter.h"

#include <QApplication>
#include <QBrush>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTabWidget>
#include <QTextStream>
#include <QTreeWidget>
#include <QVBoxLayout>

alarms::alarms(QWidget *parent, const QString &logFilePath)
    : QWidget(parent)
    , m_list(std::make_unique<AlertList>(logFilePath.isEmpty()
              ? AlertList::logFileName(AppPaths::logDir(), QDateTime::currentDateTime())
              : logFilePath))
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_pages = new QTabWidget(this);
    m_pages->setTabPosition(QTabWidget::South);
    m_current = makePage();
    m_history = makePage();
    m_pages->addTab(m_current, QString());
    m_pages->addTab(m_history, QString());
    layout->addWidget(m_pages);
    auto *buttons = new QHBoxLayout;
    m_clear = new QPushButton(this);
    m_copy = new QPushButton(this);
    m_save = new QPushButton(this);
    buttons->addStretch(1);
    for (QPushButton *b : { m_clear, m_copy, m_save })
        buttons->addWidget(b);
    layout->addLayout(buttons);
    connect(m_clear, &QPushButton::clicked, this, &alarms::clearList);
    connect(m_copy, &QPushButton::clicked, this, &alarms::copyRows);
    connect(m_save, &QPushButton::clicked, this, &alarms::saveRows);
    retranslateUi();
}

alarms::~alarms() = default;

QTreeWidget *alarms::makePage()
{
    auto *page = new QTreeWidget(this);
    page->setColumnCount(3);
    page->setRootIsDecorated(false);
    page->setUniformRowHeights(true);
    page->setSelectionMode(QAbstractItemView::ExtendedSelection);
    page->header()->setStretchLastSection(true);
    page->header()->setSectionResizeMode(TimeColumn, QHeaderView::ResizeToContents);
    page->header()->setSectionResizeMode(CountColumn, QHeaderView::ResizeToContents);
    return page;
}

void alarms::show(QTreeWidgetItem *item, const AlertFold &row)
{
    item->setText(TimeColumn, row.last.toString(Qt::TextDate));
    item->setText(CountColumn, QString::number(row.count));
    item->setTextAlignment(CountColumn, Qt::AlignRight | Qt::AlignVCenter);
    item->setText(AlertColumn, row.sentence());
    item->setToolTip(AlertColumn,
        row.sentence() + QLatin1Char('\n')
            + tr("First: %1\nLast: %2")
                  .arg(row.first.toString(Qt::TextDate), row.last.toString(Qt::TextDate)));
    const bool failure = row.event.severity == AlertEvent::Failure;
    if (failure || row.event.severity == AlertEvent::Warning)
        item->setForeground(AlertColumn, QBrush(failure ? QColor(170, 0, 0) : QColor(150, 90, 0)));
}

void alarms::fill(QTreeWidget *page, const QVector<AlertFold> &rows)
{
    page->clear();
    QList<QTreeWidgetItem *> items;
    items.reserve(rows.size());
    for (const AlertFold &row : rows) {
        auto *item = new QTreeWidgetItem;
        show(item, row);
        items.append(item);
    }
    page->addTopLevelItems(items);
}

void alarms::addAlert(const QString &text)
{
    const int change = m_list->add(text);
    if (change & AlertList::NewPage) {
        fill(m_current, m_list->current());
        fill(m_history, m_list->history());
    } else if (change & AlertList::Appended) {
        auto *item = new QTreeWidgetItem;
        show(item, m_list->current().constLast());
        m_current->addTopLevelItem(item);
    } else if (change & AlertList::Folded) {
        const int row = m_list->foldedRow();
        if (QTreeWidgetItem *item = m_current->topLevelItem(row))
            show(item, m_list->current().at(row));
        return;
    } else {
        return;
    }
    m_current->scrollToBottom();
}

void alarms::flush()
{
    m_list->flush();
}

void alarms::clearList()
{
    m_list->clear();
    m_current->clear();
    m_history->clear();
}

QVector<AlertFold> alarms::shownRows(bool selectedOnly) const
{
    const bool history = m_pages->currentIndex() == 1;
    const QTreeWidget *page = history ? m_history : m_current;
    const QVector<AlertFold> &rows = history ? m_list->history() : m_list->current();
    if (!selectedOnly || page->selectedItems().isEmpty())
        return rows;
    QVector<AlertFold> chosen;
    for (int i = 0; i < page->topLevelItemCount() && i < rows.size(); ++i)
        if (page->topLevelItem(i)->isSelected())
            chosen.append(rows.at(i));
    return chosen;
}

void alarms::copyRows()
{
    QApplication::clipboard()->setText(AlertList::exportText(shownRows(true)));
}

void alarms::saveRows()
{
    if (!m_prompter)
        return;
    const QString path
        = m_prompter->saveFileName(this, tr("Save Alerts"), AppPaths::logDir(), tr("Text files (*.txt)"));
    if (path.isEmpty())
        return;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text)) {
        m_prompter->warning(this, tr("Warning"),
            tr("The alerts could not be saved to\n%1:\n%2")
                .arg(QDir::toNativeSeparators(path), file.errorString()));
        return;
    }
    QTextStream out(&file);
    out.setCodec("UTF-8");
    out << AlertList::exportText(shownRows(false));
}

void alarms::onTabChange(int index)
{
    m_pages->setCurrentIndex(index == 1 ? 1 : 0);
}

void alarms::vxUISlotFaultLogBtnClicked()
{
    onTabChange(0);
}

void alarms::vxUISlotFaultHisBtnClicked()
{
    onTabChange(1);
}

void alarms::onLangTranslation(int)
{
    retranslateUi();
    // The sentences are made again in the new language.
    fill(m_current, m_list->current());
    fill(m_history, m_list->history());
}

void alarms::retranslateUi()
{
    const QStringList titles { tr("Last Time"), tr("Count"), tr("Alert") };
    for (QTreeWidget *page : { m_current, m_history }) {
        page->setHeaderLabels(titles);
        for (int c = 0; c < titles.size(); ++c)
            page->headerItem()->setForeground(c, QBrush(Qt::blue));
    }
    m_pages->setTabText(0, tr("Current Alerts"));
    m_pages->setTabText(1, tr("Alert History"));
    m_clear->setText(tr("Clear"));
    m_clear->setToolTip(tr("Empty the list; the log file keeps every alert"));
    m_copy->setText(tr("Copy"));
    m_copy->setToolTip(tr("Copy the selected alerts, or all of them, as text"));
    m_save->setText(tr("Save..."));
}
