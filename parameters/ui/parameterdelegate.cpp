#include "parameterdelegate.h"

#include "lineeditswidget.h"
#include "treeitem.h"
#include "treemodel.h"
#include "valuefieldeditor.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPersistentModelIndex>

ParameterDelegate::ParameterDelegate(QObject *parent)
    : QStyledItemDelegate(parent)
{ }

EditorChoice ParameterDelegate::choiceFor(const QModelIndex &index)
{
    const auto *model = qobject_cast<const TreeModel *>(index.model());
    if (!model || !index.isValid())
        return {};
    return EditorChoice::forItem(*model, model->getItem(index), index.column());
}

QWidget *ParameterDelegate::createEditor(
    QWidget *parent, const QStyleOptionViewItem &, const QModelIndex &index) const
{
    const EditorChoice choice = choiceFor(index);
    const QPersistentModelIndex at(index);
    switch (choice.kind) {
    case EditorChoice::None:
        return nullptr;
    case EditorChoice::Time: {
        auto *editor = new LineEditsWidget(parent);
        editor->setup(choice.timeKind, choice.min, choice.max);
        connect(editor, &LineEditsWidget::editsConfirmed, this,
            [this, editor, at] { emit valueCommitted(at, editor->text(), true); });
        return editor;
    }
    default:
        break;
    }
    auto *editor = new specialwidgets(parent);
    switch (choice.kind) {
    case EditorChoice::Text:
        editor->setTextLength(choice.maxLength);
        break;
    case EditorChoice::Decimal:
        editor->setLineEditRange({ QString::number(choice.minValue, 'f', choice.decimals),
                                     QString::number(choice.maxValue, 'f', choice.decimals) },
            choice.decimals);
        break;
    case EditorChoice::Whole:
        editor->setLineEditRange(
            { QString::number(qint64(choice.minValue)), QString::number(qint64(choice.maxValue)) });
        break;
    case EditorChoice::Choice: {
        QStringList texts = choice.texts;
        editor->updateCombo(texts);
        if (choice.typedNumbers)
            editor->setTypedNumbers(int(choice.minValue), int(choice.maxValue));
        break;
    }
    default:
        break;
    }
    const bool typed = choice.kind != EditorChoice::Choice;
    connect(editor, &specialwidgets::committed, this,
        [this, at, typed](const QString &text) { emit valueCommitted(at, text, typed); });
    connect(editor, &specialwidgets::refused, this,
        [this, at](const QString &text, bool typing) { emit valueRefused(at, text, typing); });
    return editor;
}

void ParameterDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    QString text = index.data(Qt::EditRole).toString();
    if (auto *times = qobject_cast<LineEditsWidget *>(editor)) {
        times->updateEditData(text);
        return;
    }
    auto *special = qobject_cast<specialwidgets *>(editor);
    if (!special)
        return;
    special->setText(text);
}

void ParameterDelegate::setModelData(QWidget *, QAbstractItemModel *, const QModelIndex &) const
{ }

void ParameterDelegate::updateEditorGeometry(
    QWidget *editor, const QStyleOptionViewItem &option, const QModelIndex &) const
{
    QRect r = option.rect;
    // The three time fields need more room than a set column gives.
    if (qobject_cast<LineEditsWidget *>(editor))
        r.setWidth(qMax(r.width(), 120));
    editor->setGeometry(r);
}
