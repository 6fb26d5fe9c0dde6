#pragma once

#include <QStringList>
#include <QVariant>
#include <QVector>

// One menu or parameter of a unit's parameter tree (or the invisible root holding the headers).
class TreeItem
{
public:
    enum Kind {
        Numeric = 0, // plain number (register word, or scaled integer)
        Text = 1, // "String" parameter: a text packed into registers
        Enumerated = 2, // value v shown as value text 2 + v
        EnumeratedNegative = 3, // values 0, -1, -2 shown as value text 2 - v
        Time = 4, // "T"
        Menu = 5,
        TimeHhMmSsT = 6, // "T_HHMMSST"
        Date = 7 // "T_YYMMDD"
    };

    // Tree columns.
    enum Column {
        MenuColumn = 0,
        TextColumn = 1,
        UnitColumn = 2,
        DefaultColumn = 3,
        SetAColumn = 4, // sets A..D as shown: 4..7
        StoredAColumn = 8, // sets A..D in stored form: 8..11
        ColumnCount = 12
    };

    explicit TreeItem(const QVector<QVariant> &data, TreeItem *parent = nullptr);
    ~TreeItem();
    TreeItem(const TreeItem &) = delete;
    TreeItem &operator=(const TreeItem &) = delete;

    TreeItem *child(int number) const;
    int childCount() const { return m_children.size(); }
    const QVector<TreeItem *> &children() const { return m_children; }
    int columnCount() const { return m_itemData.size(); }
    QVariant data(int column) const;
    bool setData(int column, const QVariant &value);
    QString text(int column) const { return data(column).toString(); }
    TreeItem *parent() const { return m_parent; }
    int childNumber() const;

    // Takes ownership of `child` and appends it.
    void appendChild(TreeItem *child);
    bool insertChildren(int position, int count, int columns);
    bool removeChildren(int position, int count);
    bool insertColumns(int position, int columns);
    bool removeColumns(int position, int columns);

    // The definition row as read from the device description file; a missing field is empty.
    const QStringList &definition() const { return m_definition; }
    QString field(int index) const { return m_definition.value(index); }
    void setDefinition(const QStringList &fields) { m_definition = fields; }
    void setField(int index, const QString &value);

    // Value texts of the language in force (language row fields 2 onward).
    const QStringList &valueTexts() const { return m_valueTexts; }
    void setValueTexts(const QStringList &texts) { m_valueTexts = texts; }

    int kind() const { return m_kind; }
    void setKind(int kind) { m_kind = kind; }
    bool isMenu() const { return m_kind == Menu; }

    // Per set (0 = A .. 3 = D): colour of the shown value and the "changed offline" mark.
    QVariant colour(int set) const;
    void setColour(int set, const QVariant &colour);
    bool isChanged(int set) const;
    void setChanged(int set, bool changed);

    // Position of this item's definition row among all definition rows of the file; lets a
    // language change find the row again.
    int definitionOrdinal() const { return m_definitionOrdinal; }
    // Registers the value occupies (see RegisterSpans); 0 until the model has assigned it.
    int registerSpan() const { return m_registerSpan; }
    void setRegisterSpan(int span) { m_registerSpan = span; }
    void setDefinitionOrdinal(int ordinal) { m_definitionOrdinal = ordinal; }

private:
    QVector<QVariant> m_itemData;
    QStringList m_definition;
    QStringList m_valueTexts;
    QVariant m_colour[4];
    bool m_changed[4] = { false, false, false, false };
    int m_kind = Numeric;
    int m_definitionOrdinal = -1;
    int m_registerSpan = 0;
    QVector<TreeItem *> m_children;
    TreeItem *m_parent;
};
