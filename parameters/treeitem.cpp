#include "treeitem.h"

TreeItem::TreeItem(const QVector<QVariant> &data, TreeItem *parent)
    : m_itemData(data)
    , m_parent(parent)
{ }

TreeItem::~TreeItem()
{
    // Children are taken apart level by level instead of recursively: a file may nest its
    // menus as deep as it has rows.
    QVector<TreeItem *> pending;
    pending.swap(m_children);
    while (!pending.isEmpty()) {
        TreeItem *child = pending.takeLast();
        pending += child->m_children;
        child->m_children.clear();
        delete child;
    }
}

TreeItem *TreeItem::child(int number) const
{
    if (number < 0 || number >= m_children.size())
        return nullptr;
    return m_children.at(number);
}

QVariant TreeItem::data(int column) const
{
    if (column < 0 || column >= m_itemData.size())
        return QVariant();
    return m_itemData.at(column);
}

bool TreeItem::setData(int column, const QVariant &value)
{
    if (column < 0 || column >= m_itemData.size())
        return false;
    m_itemData[column] = value;
    return true;
}

int TreeItem::childNumber() const
{
    if (m_parent)
        return m_parent->m_children.indexOf(const_cast<TreeItem *>(this));
    return 0;
}

void TreeItem::appendChild(TreeItem *child)
{
    child->m_parent = this;
    m_children.append(child);
}

bool TreeItem::insertChildren(int position, int count, int columns)
{
    if (position < 0 || position > m_children.size() || count < 0)
        return false;
    for (int row = 0; row < count; ++row) {
        QVector<QVariant> data(columns);
        m_children.insert(position, new TreeItem(data, this));
    }
    return true;
}

bool TreeItem::removeChildren(int position, int count)
{
    if (position < 0 || count < 0 || position + count > m_children.size())
        return false;
    for (int row = 0; row < count; ++row)
        delete m_children.takeAt(position);
    return true;
}

bool TreeItem::insertColumns(int position, int columns)
{
    if (position < 0 || position > m_itemData.size() || columns < 0)
        return false;
    for (int column = 0; column < columns; ++column)
        m_itemData.insert(position, QVariant());
    for (TreeItem *child : qAsConst(m_children))
        child->insertColumns(position, columns);
    return true;
}

bool TreeItem::removeColumns(int position, int columns)
{
    if (position < 0 || columns < 0 || position + columns > m_itemData.size())
        return false;
    for (int column = 0; column < columns; ++column)
        m_itemData.remove(position);
    for (TreeItem *child : qAsConst(m_children))
        child->removeColumns(position, columns);
    return true;
}

void TreeItem::setField(int index, const QString &value)
{
    if (index < 0)
        return;
    while (m_definition.size() <= index)
        m_definition.append(QString());
    m_definition[index] = value;
}

QVariant TreeItem::colour(int set) const
{
    return (set >= 0 && set < 4) ? m_colour[set] : QVariant();
}

void TreeItem::setColour(int set, const QVariant &colour)
{
    if (set >= 0 && set < 4)
        m_colour[set] = colour;
}

bool TreeItem::isChanged(int set) const
{
    return set >= 0 && set < 4 && m_changed[set];
}

void TreeItem::setChanged(int set, bool changed)
{
    if (set >= 0 && set < 4)
        m_changed[set] = changed;
}
