#pragma once

#include "tripmessages.h"

#include <QModelIndex>
#include <QStringList>
#include <QWidget>

class QLabel;
class QTreeView;
class TreeModel;

// The fault logger view: the selected unit's trip log, a filtered look at its parameter tree that
// the trip-log cycle keeps up to date, fault numbers shown with their texts. The branches the
// user opens are remembered in each unit's model, so they come back when the unit is shown again.
class FaultLogger : public QWidget
{
    Q_OBJECT
public:
    // The model's expand/collapse memory of this view.
    static constexpr int ExpansionView = 1;

    explicit FaultLogger(QWidget *parent = nullptr);

    QTreeView *treeView() const { return m_tree; }
    QLabel *label() const { return m_label; }
    TreeModel *model() const { return m_model; }
    bool userMode() const { return m_userMode; }
    // The fault texts of the unit shown ("[TRIP MESSAGES]" of its device description file).
    const TripMessages &trips() const { return m_trips; }

public slots:
    void UpdateExpandedTreeState(QModelIndex Indx);
    void UpdateCollapsedTreeState(QModelIndex Indx);
    // Shows this unit (entry) with its model; a null model empties the view.
    void vxUIGetTreeModel(QStringList filelist, TreeModel *model);
    void vxUIsetUsermode(bool Usermode) { m_userMode = Usermode; }

private:
    QLabel *m_label = nullptr;
    QTreeView *m_tree = nullptr;
    TreeModel *m_model = nullptr; // owned by the tab controller
    QString m_messagesFile; // the device description file m_trips were read from
    TripMessages m_trips;
    bool m_restoring = false;
    bool m_userMode = false;
};
