#include "alarms.h"

#include "apppaths.h"

#include <QBrush>
#include <QHeaderView>
#include <QTabWidget>
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
    retranslateUi();
}

alarms::~alarms() = default;

QTreeWidget *alarms::makePage()
{
    auto *page = new QTreeWidget(this);
    page->setColumnCount(4);
    page->setRootIsDecorated(false);
    page->setUniformRowHeights(true);
    page->setSelectionMode(QAbstractItemView::ExtendedSelection);
    page->header()->setStretchLastSection(true);
    page->setColumnWidth(0, 190);
    page->setColumnWidth(1, 70);
    page->setColumnWidth(2, 160);
    return page;
}

QStringList alarms::columnsOf(const QString &item)
{
    const int split = item.indexOf(QStringLiteral("\t   "));
    const QString when = split < 0 ? QString() : item.left(split);
    const QString text = split < 0 ? item : item.mid(split + 4);
    QStringList fields = text.split(QLatin1Char('\t'));
    // A link-information row: unit number, name, port or address, result, message, "----", kind.
    if (fields.size() >= 3) {
        const QString id = fields.takeFirst().trimmed();
        const QString name = fields.takeFirst().trimmed();
        fields.removeAll(QStringLiteral("----"));
        for (QString &f : fields)
            f = f.trimmed();
        fields.removeAll(QString());
        return { when, id, name, fields.join(QLatin1Char(' ')) };
    }
    return { when, QString(), QString(), text.trimmed() };
}

void alarms::append(QTreeWidget *page, const QString &item)
{
    page->addTopLevelItem(new QTreeWidgetItem(columnsOf(item)));
}

void alarms::fill(QTreeWidget *page, const QStringList &items)
{
    page->clear();
    QList<QTreeWidgetItem *> rows;
    rows.reserve(items.size());
    for (const QString &item : items)
        rows.append(new QTreeWidgetItem(columnsOf(item)));
    page->addTopLevelItems(rows);
}

void alarms::addAlert(const QString &text)
{
    const int change = m_list->add(text);
    if (change & AlertList::NewPage) {
        // The header item is the page's header row.
        fill(m_current, m_list->current().mid(1));
        fill(m_history, m_list->history());
    } else {
        append(m_current, m_list->current().constLast());
    }
    m_current->scrollToBottom();
}

void alarms::flush()
{
    m_list->flush();
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
}

void alarms::retranslateUi()
{
    const QStringList titles { tr("Date and Time"), tr("Unit ID"), tr("Unit Name"), tr("Description") };
    for (QTreeWidget *page : { m_current, m_history }) {
        page->setHeaderLabels(titles);
        // The header in blue, as the list's first item always was.
        for (int c = 0; c < titles.size(); ++c)
            page->headerItem()->setForeground(c, QBrush(Qt::blue));
    }
    m_pages->setTabText(0, tr("Current Alerts"));
    m_pages->setTabText(1, tr("Alert History"));
}
