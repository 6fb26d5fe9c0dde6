#pragma once

#include "editorchoice.h"

#include <QStyledItemDelegate>

// Creates the editor that fits a parameter's kind (text, decimal, whole number, value texts,
// time) and reports an accepted value instead of writing it, so the view can store it and send
// it on to the unit.
class ParameterDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    explicit ParameterDelegate(QObject *parent = nullptr);

    QWidget *createEditor(
        QWidget *parent, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    // Values reach the model only through valueCommitted().
    void setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override;
    void updateEditorGeometry(
        QWidget *editor, const QStyleOptionViewItem &option, const QModelIndex &index) const override;

    // The editor kind of a cell of a TreeModel.
    static EditorChoice choiceFor(const QModelIndex &index);

signals:
    // An editor confirmed `text`; `lineEdit` tells whether it was typed (not chosen).
    void valueCommitted(const QModelIndex &index, const QString &text, bool lineEdit) const;
    // An editor refused `text` (out of range or malformed); typing: refused key by key.
    void valueRefused(const QModelIndex &index, const QString &text, bool typing) const;
};
