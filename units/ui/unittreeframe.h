#pragma once

#include <QList>
#include <QModelIndex>
#include <QStringList>
#include <QWidget>

class QLabel;
class QPushButton;
class QStandardItemModel;
class QTreeView;
class TreeModel;

// The unit tree: the connected units per interface and the parameter sets opened from file, each
// group foldable, every unit with a mark of its link state; a click picks the current unit.
class UnitTreeFrame : public QWidget
{
    Q_OBJECT
public:
    enum Group { RS232Group = 0, RS485Group, TcpIpGroup, FileGroup, GroupCount };
    enum Column { MarkColumn = 0, NameColumn = 1 };

    explicit UnitTreeFrame(QWidget *parent = nullptr);

    // The style of a unit's mark: green for "connect", yellow for anything else.
    static QString statusStyle(const QString &state);
    // The group that lists units of an interface ("RS232", "RS485", "TCPIP", "FILE"); -1 if none.
    static int groupOf(const QString &interfaceName);

    QPushButton *scanUnitsButton() const { return m_scanBtn; }
    QPushButton *addUnitButton() const { return m_addBtn; }
    QLabel *favoritesLink() const { return m_favorites; }
    QLabel *headerLink(Group g) const { return m_groups[g].link; }
    QTreeView *view(Group g) const { return m_groups[g].view; }
    QStandardItemModel *model(Group g) const { return m_groups[g].model; }
    bool isUnfolded(Group g) const { return m_groups[g].unfolded; }

    // The entries the rows of a group were built from, in row order.
    QList<QStringList> entries(Group g) const { return m_groups[g].entries; }
    // The mark widget of a unit row; nullptr for a row that does not exist or a file row.
    QLabel *statusMark(Group g, int row) const;

    TreeModel *fileModel(int row) const;
    // Takes a parameter set off the file group; false when it is not listed. The model is not deleted:
    // it belongs to the controller.
    bool removeFileUnit(TreeModel *model);
    void clearFileTree();

    // Selects a row as a click would; with notify the click signal is emitted too.
    bool selectUnit(const QString &interfaceName, int row, bool notify = true);
    void clearSelection();
    // The selected row of a group, -1 when none of its rows is selected.
    int selectedRow(Group g) const;

signals:
    void vxUISigUnitClicked(QModelIndex index, QString csv_file, QStringList entry);
    void vxUISigScanUnitsBtnClicked();
    void vxUISigAddUnitBtnClicked();
    void vxUISigFavoritesClicked();

public slots:
    void rs232ListVisibility();
    void rs485ListVisibility();
    void tcpIpListVisibility();
    void fileListVisibility();
    void rs232viewClicked(QModelIndex index);
    void rs485viewClicked(QModelIndex index);
    void tcpIpviewClicked(QModelIndex index);
    void fileviewClicked(QModelIndex index);
    // A unit's connection state changed: recolours the row of the same unit (same interface, number,
    // port or address) and keeps the new entry for later clicks.
    void vxUISlotUnitStatusChanged(QStringList entry);
    // The name the unit holds in its unit-name parameter, shown as the row's tool tip.
    void setGivenName(const QStringList &entry, const QString &name);
    void constructRS232Tree(QList<QStringList> rs232list);
    void constructRS485Tree(QList<QStringList> rs485list);
    void constructTcpIpTree(QList<QStringList> tcpIplist);
    void constructFileTree(QString unitName, QString fileName, QString inom, QString pnom, QString version,
        QString updatedName, TreeModel *model);
    void onLangTranslation(int index);

private:
    struct GroupWidgets
    {
        QLabel *link = nullptr;
        QTreeView *view = nullptr;
        QStandardItemModel *model = nullptr;
        QList<QStringList> entries;
        bool unfolded = true;
    };

    void buildGroup(Group g, QWidget *parent);
    void rebuild(Group g, const QList<QStringList> &entries);
    void appendRow(Group g, const QStringList &entry);
    void toggle(Group g);
    void rowClicked(Group g, const QModelIndex &index);
    void retranslateUi();
    static QString rowText(const QStringList &entry);

    QPushButton *m_scanBtn;
    QPushButton *m_addBtn;
    QLabel *m_favorites;
    GroupWidgets m_groups[GroupCount];
    QList<TreeModel *> m_fileModels;
};
