#pragma once

#include <QStringList>
#include <QWidget>

class QLabel;
class QTreeView;
class TreeModel;

// The status view: the operating status values of the selected unit, a filtered look at its
// parameter tree that the status cycle keeps up to date.
class Status : public QWidget
{
    Q_OBJECT
public:
    explicit Status(QWidget *parent = nullptr);

    QTreeView *treeView() const { return m_tree; }
    QLabel *label() const { return m_label; }
    TreeModel *model() const { return m_model; }
    bool userMode() const { return m_userMode; }

    // The text of the label for a unit entry: its field 18 when identification filled it, else
    // the unit's name.
    static QString unitCaption(const QStringList &entry);
    // Shows the given top-level rows of the model in the tree (the others hidden) and hides the
    // given columns; column 0 is 150 pixels wide, column 2 50. Shared with the fault logger.
    static void showRows(QTreeView *tree, TreeModel *model, const QList<int> &rows, const QList<int> &hidden);
    // The bold unit caption over a read-only tree, laid out in `owner`; both are children of it.
    static void buildUnitView(QWidget *owner, const QString &labelName, QLabel **label, QTreeView **tree);

public slots:
    // Shows this unit (entry) with its model; a null model empties the view.
    void vxUIGetTreeModel(QStringList filelist, TreeModel *model);
    void vxUIsetUsermode(bool Usermode) { m_userMode = Usermode; }

private:
    QLabel *m_label = nullptr;
    QTreeView *m_tree = nullptr;
    TreeModel *m_model = nullptr; // owned by the tab controller
    bool m_userMode = false;
};
