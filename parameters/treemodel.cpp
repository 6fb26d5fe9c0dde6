#include "treemodel.h"

#include "csvline.h"
#include "datfile.h"
#include "devicefiles.h"
#include "parametervalues.h"
#include "registerspans.h"
#include "registerword.h"
#include "treeitem.h"

#include <QColor>
#include <QCoreApplication>
#include <QDebug>
#include <QFile>
#include <QFont>
#include <QReadLocker>
#include <QTextStream>
#include <QThread>
#include <QWriteLocker>

using namespace ParameterValues;

namespace {

QVector<QVariant> headerTexts()
{
    // English here; headerData() shows them in the language of the moment.
    return { QT_TRANSLATE_NOOP("TreeModel", "Menu"), QT_TRANSLATE_NOOP("TreeModel", "Parameter Text"),
        QT_TRANSLATE_NOOP("TreeModel", " Unit"), QT_TRANSLATE_NOOP("TreeModel", "Default"),
        QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C"), QStringLiteral("D"),
        QStringLiteral("FORMAT1"), QStringLiteral("FORMAT2"), QStringLiteral("FORMAT3"),
        QStringLiteral("FORMAT4") };
}

int setOfColumn(int column)
{
    return (column >= TreeItem::SetAColumn && column < TreeItem::StoredAColumn)
        ? column - TreeItem::SetAColumn
        : -1;
}

bool oneValueForAllSets(const TreeItem *item)
{
    return item->field(FieldOneValue) == QLatin1String("Y");
}

} // namespace

TreeModel::TreeModel(const QString &deviceFileName, uint language, const QString &nominalCurrent,
    const QString &nominalPower, bool emptyValues, QObject *parent)
    : QAbstractItemModel(parent)
    , m_rootItem(new TreeItem(headerTexts()))
    , m_deviceFileName(deviceFileName)
    , m_language(language)
{
    setCustomerData({});
    QFile file(deviceFileName);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return;
    QTextStream in(&file);
    in.setCodec(CsvLine::codecForDeviceFile(deviceFileName));
    ParameterTableLoader::Options options;
    options.language = int(language);
    options.nominalCurrent = nominalCurrent;
    options.nominalPower = nominalPower;
    options.emptyValues = emptyValues;
    options.deviceFileName = deviceFileName;
    build(in, options);
}

TreeModel::TreeModel(QTextStream &in, const ParameterTableLoader::Options &options, QObject *parent)
    : QAbstractItemModel(parent)
    , m_rootItem(new TreeItem(headerTexts()))
    , m_deviceFileName(options.deviceFileName)
    , m_language(uint(qMax(0, options.language)))
{
    setCustomerData({});
    build(in, options);
}

TreeModel::~TreeModel()
{
    delete m_rootItem;
}

void TreeModel::build(QTextStream &in, const ParameterTableLoader::Options &options)
{
    const auto result = ParameterTableLoader::load(in, m_rootItem, options);
    m_valid = result == ParameterTableLoader::Result::Complete;
    if (!m_valid)
        m_rootItem->removeChildren(0, m_rootItem->childCount());
    indexItems();
    m_registerOverlaps = RegisterSpans::assign(allItems());
    for (const QString &overlap : qAsConst(m_registerOverlaps))
        qDebug().noquote() << "register overlap in" << m_deviceFileName << ':' << overlap;
}

void TreeModel::indexItems()
{
    m_byMenu.clear();
    m_genPolesFreq = m_genPolesSpeed = m_poles = m_unitNameItem = m_pebb = nullptr;
    m_nominalCurrent = m_nominalPower = nullptr;
    forEachItem([this](TreeItem *item) {
        const QString menu = item->text(TreeItem::MenuColumn);
        if (!m_byMenu.contains(menu))
            m_byMenu.insert(menu, item);
        const QString nominal = item->field(FieldNominal);
        if (nominal == QLatin1String("Inom") && !m_nominalCurrent)
            m_nominalCurrent = item;
        else if (nominal == QLatin1String("Pnom") && !m_nominalPower)
            m_nominalPower = item;
        const QString role = item->field(FieldRole);
        if (role == QLatin1String("Gen_Poles_Freq"))
            m_genPolesFreq = item;
        else if (role == QLatin1String("Gen_Poles_Speed"))
            m_genPolesSpeed = item;
        else if (role == QLatin1String("Poles"))
            m_poles = item;
        else if (role == QLatin1String("String") && item->field(FieldLength).toInt() == 12)
            m_unitNameItem = item;
        else if (role == QLatin1String("PEBB_Nr"))
            m_pebb = item;
    });
    // Positions stay fixed even when a menu is missing: the rules address items by position.
    m_depPrmItems.clear();
    for (const QString &menu : DependencyTable::menuNumbers())
        m_depPrmItems.append(m_byMenu.value(menu));
}

void TreeModel::setCustomerData(const QStringList &texts)
{
    m_customerData = texts.mid(0, 12);
    while (m_customerData.size() < 12)
        m_customerData.append(QString());
}

int TreeModel::columnCount(const QModelIndex &) const
{
    return m_rootItem->columnCount();
}

int TreeModel::rowCount(const QModelIndex &parent) const
{
    if (parent.isValid() && parent.column() > 0)
        return 0;
    return getItem(parent)->childCount();
}

TreeItem *TreeModel::getItem(const QModelIndex &index) const
{
    if (index.isValid()) {
        if (auto *item = static_cast<TreeItem *>(index.internalPointer()))
            return item;
    }
    return m_rootItem;
}

QModelIndex TreeModel::index(int row, int column, const QModelIndex &parent) const
{
    if (parent.isValid() && parent.column() != 0)
        return {};
    TreeItem *child = getItem(parent)->child(row);
    if (!child || column < 0 || column >= columnCount())
        return {};
    return createIndex(row, column, child);
}

QModelIndex TreeModel::parent(const QModelIndex &index) const
{
    if (!index.isValid())
        return {};
    TreeItem *parentItem = getItem(index)->parent();
    if (!parentItem || parentItem == m_rootItem)
        return {};
    return createIndex(parentItem->childNumber(), 0, parentItem);
}

QModelIndex TreeModel::indexOf(const TreeItem *item, int column) const
{
    if (!item || item == m_rootItem || !item->parent())
        return {};
    return createIndex(item->childNumber(), column, const_cast<TreeItem *>(item));
}

QVariant TreeModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole)
        return QCoreApplication::translate(
            "TreeModel", m_rootItem->data(section).toString().toUtf8().constData());
    return {};
}

QVariant TreeModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    const TreeItem *item = getItem(index);
    const int set = setOfColumn(index.column());
    // Worker threads store values while views read them.
    QReadLocker lock(&m_valueLock);
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return item->data(index.column());
    case Qt::FontRole: {
        if (set < 0)
            return {};
        QFont font;
        if (item->isChanged(set))
            font.setWeight(99);
        if (item->colour(set).value<QColor>() == QColor(Qt::red))
            font.setUnderline(true);
        return font;
    }
    case Qt::ForegroundRole:
        if (set < 0)
            return {};
        if (item->field(FieldAccess) == QLatin1String("0"))
            return QColor(Qt::darkGray);
        return item->colour(set);
    default:
        return {};
    }
}

Qt::ItemFlags TreeModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    const TreeItem *item = getItem(index);
    const int column = index.column();
    if (column == TreeItem::DefaultColumn)
        return Qt::ItemIsSelectable;
    if (item->isMenu())
        return Qt::ItemIsSelectable | Qt::ItemIsEnabled;
    if (column == TreeItem::SetAColumn || (setOfColumn(column) > 0 && !oneValueForAllSets(item)))
        return Qt::ItemIsSelectable | Qt::ItemIsEditable | Qt::ItemIsEnabled;
    return Qt::ItemIsSelectable | Qt::ItemIsEnabled;
}

void TreeModel::setValue(TreeItem *item, int set, const QString &shown, const QString &stored, bool changed)
{
    const int first = oneValueForAllSets(item) ? 0 : set;
    const int last = oneValueForAllSets(item) ? 3 : set;
    {
        QWriteLocker lock(&m_valueLock);
        for (int s = first; s <= last; ++s) {
            item->setData(TreeItem::SetAColumn + s, shown);
            item->setData(TreeItem::StoredAColumn + s, stored);
            if (changed)
                item->setChanged(s, true);
        }
    }
    if (QThread::currentThread() == thread()) {
        emit dataChanged(
            indexOf(item, TreeItem::SetAColumn + first), indexOf(item, TreeItem::SetAColumn + last));
        emit dataChanged(
            indexOf(item, TreeItem::StoredAColumn + first), indexOf(item, TreeItem::StoredAColumn + last));
        return;
    }
    // A worker thread stored the value: views hear of it on the model's own thread. One pending
    // notification covers every store made until it runs, so a fast read does not flood the
    // event queue; it names no item, which may be gone by the time it runs.
    if (!m_notifyPending.exchange(true)) {
        QMetaObject::invokeMethod(
            this,
            [this] {
                m_notifyPending.store(false);
                emitChanged(m_rootItem);
            },
            Qt::QueuedConnection);
    }
}

bool TreeModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || role != Qt::EditRole)
        return false;
    TreeItem *item = getItem(index);
    const int set = setOfColumn(index.column());
    if (set < 0) {
        if (!item->setData(index.column(), value))
            return false;
        emit dataChanged(index, index, { Qt::DisplayRole, Qt::EditRole });
        return true;
    }
    if (item->isMenu() || !(flags(index) & Qt::ItemIsEditable))
        return false;
    const SetValue converted = fromShown(*item, value.toString());
    setValue(item, set, converted.shown, converted.stored, true);
    GetReprentationVal(index, value.toString());
    m_unsavedEdits = true;
    return true;
}

bool TreeModel::setHeaderData(int section, Qt::Orientation orientation, const QVariant &value, int role)
{
    if (role != Qt::EditRole || orientation != Qt::Horizontal)
        return false;
    const bool result = m_rootItem->setData(section, value);
    if (result)
        emit headerDataChanged(orientation, section, section);
    return result;
}

bool TreeModel::insertColumns(int position, int columns, const QModelIndex &parent)
{
    beginInsertColumns(parent, position, position + columns - 1);
    const bool success = m_rootItem->insertColumns(position, columns);
    endInsertColumns();
    return success;
}

bool TreeModel::removeColumns(int position, int columns, const QModelIndex &parent)
{
    beginRemoveColumns(parent, position, position + columns - 1);
    const bool success = m_rootItem->removeColumns(position, columns);
    endRemoveColumns();
    if (m_rootItem->columnCount() == 0)
        removeRows(0, rowCount());
    return success;
}

bool TreeModel::insertRows(int position, int rows, const QModelIndex &parent)
{
    TreeItem *parentItem = getItem(parent);
    if (rows <= 0 || position < 0 || position > parentItem->childCount())
        return false;
    beginInsertRows(parent, position, position + rows - 1);
    const bool success = parentItem->insertChildren(position, rows, m_rootItem->columnCount());
    endInsertRows();
    indexItems();
    return success;
}

bool TreeModel::removeRows(int position, int rows, const QModelIndex &parent)
{
    TreeItem *parentItem = getItem(parent);
    if (rows <= 0 || position < 0 || position + rows > parentItem->childCount())
        return false;
    beginRemoveRows(parent, position, position + rows - 1);
    const bool success = parentItem->removeChildren(position, rows);
    endRemoveRows();
    indexItems();
    return success;
}

TreeItem *TreeModel::findItem(const QString &menuNumber) const
{
    return m_byMenu.value(menuNumber);
}

void TreeModel::forEachItem(const std::function<void(TreeItem *)> &visit) const
{
    // Iterative pre-order walk: a hostile file may nest items thousands of levels deep.
    QVector<TreeItem *> stack;
    for (int i = m_rootItem->childCount() - 1; i >= 0; --i)
        stack.append(m_rootItem->child(i));
    while (!stack.isEmpty()) {
        TreeItem *item = stack.takeLast();
        visit(item);
        for (int i = item->childCount() - 1; i >= 0; --i)
            stack.append(item->child(i));
    }
}

QVector<TreeItem *> TreeModel::allItems() const
{
    QVector<TreeItem *> items;
    forEachItem([&items](TreeItem *item) { items.append(item); });
    return items;
}

QList<TreeItem *> TreeModel::GetEditableParameters() const
{
    QList<TreeItem *> result;
    forEachItem([&result](TreeItem *item) {
        if (!item->isMenu() && item->field(FieldAccess).toInt() > 0
            && item->field(FieldNotEditable) != QLatin1String("Y"))
            result.append(item);
    });
    return result;
}

QList<TreeItem *> TreeModel::GetWritableParameters() const
{
    QList<TreeItem *> result;
    forEachItem([&result](TreeItem *item) {
        if (!item->isMenu() && item->field(FieldAccess).toInt() > 0)
            result.append(item);
    });
    return result;
}

int TreeModel::tableTypeFor(int registerNumber)
{
    return DeviceFiles::tableTypeOf(registerNumber);
}

QVector<TreeModel::ReadEntry> TreeModel::readList() const
{
    QVector<ReadEntry> list;
    forEachItem([&list](TreeItem *item) {
        if (item->isMenu())
            return;
        bool ok = false;
        const int base = item->field(FieldRegister).toInt(&ok);
        if (!ok || base <= 0)
            return; // "x": no register
        const bool perSet = item->field(FieldOneValue) == QLatin1String("N");
        for (int set = 0; set < (perSet ? 4 : 1); ++set) {
            ReadEntry entry;
            entry.item = item;
            entry.set = set;
            entry.registerNumber = base + 1000 * set;
            entry.tableType = tableTypeFor(entry.registerNumber);
            entry.count = registerCount(*item);
            entry.setValue = perSet;
            list.append(entry);
        }
    });
    return list;
}

QList<TreeItem *> TreeModel::parametersWithoutValues(bool writable) const
{
    QList<TreeItem *> result;
    for (const ReadEntry &entry : readList()) {
        if (entry.item->kind() == TreeItem::Text || (!result.isEmpty() && result.last() == entry.item))
            continue;
        if (writable && (entry.tableType != 4 || entry.item->field(FieldAccess).toInt() <= 0))
            continue;
        if (registerWords(entry.item, entry.set).size() != entry.count)
            result.append(entry.item);
    }
    return result;
}

void TreeModel::storeRegisters(TreeItem *item, int set, const QVector<quint16> &words)
{
    if (!item || item->isMenu() || set < 0 || set > 3)
        return;
    SetValue value;
    {
        // Value texts may be changing language on the model's thread.
        QReadLocker lock(&m_valueLock);
        value = fromRegisters(*item, words);
    }
    {
        // What the unit holds is no offline change: the bold mark goes with the value it marked.
        QWriteLocker lock(&m_valueLock);
        const bool all = oneValueForAllSets(item);
        for (int s = all ? 0 : set; s <= (all ? 3 : set); ++s)
            item->setChanged(s, false);
    }
    setValue(item, set, value.shown, value.stored, false);
}

QVector<quint16> TreeModel::registerWords(const TreeItem *item, int set) const
{
    if (!item || set < 0 || set > 3)
        return {};
    QReadLocker lock(&m_valueLock);
    return toRegisters(*item, item->text(TreeItem::StoredAColumn + set));
}

DependencyTable::Limits TreeModel::limits(const TreeItem *item, int set) const
{
    // The selections that set the limits are values a worker may be storing.
    QReadLocker lock(&m_valueLock);
    DependencyTable::Limits result { item->field(FieldMin), item->field(FieldMax) };
    const int position = m_depPrmItems.indexOf(const_cast<TreeItem *>(item));
    if (position < 0)
        return result;
    const auto valueAt = [this, set](int p) -> std::optional<double> {
        // The nominal current and power are the parameters the device description file marks
        // as such, whatever their menu numbers.
        const TreeItem *other = p == DependencyTable::NominalCurrent ? m_nominalCurrent
            : p == DependencyTable::NominalPower                     ? m_nominalPower
                                                                     : m_depPrmItems.value(p);
        if (!other)
            return std::nullopt;
        const bool enumerated
            = other->kind() == TreeItem::Enumerated || other->kind() == TreeItem::EnumeratedNegative;
        const QString text = other->text((enumerated ? TreeItem::StoredAColumn : TreeItem::SetAColumn) + set);
        bool ok = false;
        const double v = RegisterWord::parseNumber(text, &ok);
        return ok ? std::optional<double>(v) : std::nullopt;
    };
    if (const auto dependent = DependencyTable::limits(position, valueAt)) {
        if (!dependent->min.isEmpty())
            result.min = dependent->min;
        if (!dependent->max.isEmpty())
            result.max = dependent->max;
    }
    return result;
}

bool TreeModel::checkdependingfields(const QModelIndex &index) const
{
    const TreeItem *item = getItem(index);
    return index.isValid() && item && (item == m_genPolesFreq || item == m_genPolesSpeed || item == m_poles);
}

QList<TreeItem *> TreeModel::dependingItems(const TreeItem *item) const
{
    QList<TreeItem *> result;
    TreeItem *poles
        = dependencyItem(DependencyTable::Poles) ? dependencyItem(DependencyTable::Poles) : m_poles;
    if (!item || !poles)
        return result;
    if (item == dependencyItem(DependencyTable::Frequency) || item == dependencyItem(DependencyTable::Speed)
        || item == m_genPolesFreq || item == m_genPolesSpeed)
        result.append(poles);
    return result;
}

bool TreeModel::GetReprentationVal(const QModelIndex &index, const QString &value)
{
    const int set = setOfColumn(index.column());
    if (!index.isValid() || set < 0)
        return false;
    TreeItem *item = getItem(index);
    const auto pick = [this](int position, TreeItem *byRole) {
        TreeItem *p = dependencyItem(position);
        return p ? p : byRole;
    };
    TreeItem *frequency = pick(DependencyTable::Frequency, m_genPolesFreq);
    TreeItem *speed = pick(DependencyTable::Speed, m_genPolesSpeed);
    TreeItem *poles = pick(DependencyTable::Poles, m_poles);
    if (!poles)
        return false;

    std::optional<int> result;
    if (item == poles) {
        result = DependencyTable::polesEntered(value);
    } else if (item == speed && frequency) {
        result = DependencyTable::polesFromSpeedEdit(frequency->text(TreeItem::SetAColumn + set), value);
    } else if (item == frequency && speed) {
        result = DependencyTable::polesFromFrequencyEdit(value, speed->text(TreeItem::SetAColumn + set));
    }
    if (!result)
        return false;
    const SetValue converted = fromShown(*poles, QString::number(*result));
    if (converted.shown == poles->text(TreeItem::SetAColumn + set)
        && converted.stored == poles->text(TreeItem::StoredAColumn + set))
        return false;
    setValue(poles, set, converted.shown, converted.stored, true);
    return true;
}

void TreeModel::setSetColour(TreeItem *item, int set, const QVariant &colour)
{
    if (!item)
        return;
    item->setColour(set, colour);
    if (QThread::currentThread() == thread()) {
        const QModelIndex i = indexOf(item, TreeItem::SetAColumn + set);
        emit dataChanged(i, i, { Qt::FontRole, Qt::ForegroundRole });
    }
}

void TreeModel::clearChangedFlags()
{
    forEachItem([](TreeItem *item) {
        for (int set = 0; set < 4; ++set)
            item->setChanged(set, false);
    });
    notifyAllValuesChanged();
}

bool TreeModel::ParameterOpen(const QString &fileName, QString *message, DatFile::ChangeMarks marks)
{
    const DatFile::OpenResult result = DatFile::openParameters(fileName, *this, marks);
    if (message)
        *message = result.message;
    if (result.ok) {
        m_datFileName = fileName;
        m_unsavedEdits = false;
    }
    return result.ok;
}

void TreeModel::emitChanged(TreeItem *parent)
{
    // Only parents whose children are shown; rows of one parent are told in one signal.
    QVector<TreeItem *> stack { parent };
    while (!stack.isEmpty()) {
        TreeItem *p = stack.takeLast();
        if (p->childCount() == 0)
            continue;
        const QModelIndex parentIndex = indexOf(p);
        emit dataChanged(
            index(0, 0, parentIndex), index(p->childCount() - 1, columnCount() - 1, parentIndex));
        for (TreeItem *child : p->children())
            stack.append(child);
    }
}

void TreeModel::notifyAllValuesChanged()
{
    if (QThread::currentThread() == thread())
        emitChanged(m_rootItem);
}

void TreeModel::changelang(QString fileName, uint language)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return;
    QTextStream in(&file);
    in.setCodec(CsvLine::codecForDeviceFile(fileName));
    QHash<int, QStringList> rows;
    ParameterTableLoader::walk(
        in, int(language), [](int, const QStringList &) {},
        [&rows](int ordinal, const QStringList &fields) {
            if (!rows.contains(ordinal))
                rows.insert(ordinal, fields);
        });
    {
        // Value texts and the values shown through them are what a status cycle, a transfer or
        // the reads after a scan store at this moment from their own threads.
        QWriteLocker lock(&m_valueLock);
        forEachItem([&rows](TreeItem *item) {
            const auto row = rows.constFind(item->definitionOrdinal());
            if (row != rows.constEnd())
                ParameterTableLoader::applyLanguage(item, *row);
        });
    }
    m_language = language;
    notifyAllValuesChanged();
}

void TreeModel::setExpandcollapseFlag(int view, const QModelIndex &index, bool expanded)
{
    if (!index.isValid() || index.model() != this)
        return;
    QList<QPersistentModelIndex> &list = m_expanded[view];
    const QModelIndex first = index.siblingAtColumn(0);
    list.removeAll(QPersistentModelIndex(first));
    if (expanded)
        list.append(QPersistentModelIndex(first));
}
