#pragma once

#include "datfile.h"
#include "dependencytable.h"
#include "parametertableloader.h"

#include <QAbstractItemModel>
#include <QHash>
#include <QPersistentModelIndex>
#include <QReadWriteLock>
#include <QSet>
#include <QStringList>
#include <QVector>
#include <atomic>
#include <functional>

class QTextStream;
class TreeItem;

// The parameter tree of one unit or parameter set file: menus and parameters of the device
// description file with the four parameter sets, shown and stored.
class TreeModel : public QAbstractItemModel
{
    Q_OBJECT
public:
    // One register read or write the unit worker walks through.
    struct ReadEntry
    {
        TreeItem *item = nullptr;
        int set = 0; // 0..3 = A..D
        int registerNumber = 0; // one-based, set offset included
        int tableType = 4; // 1 coil, 2 discrete input, 3 input register, 4 holding register
        int count = 1;
        bool setValue = false; // one of four per-set values (field 25 "N")
    };

    // Builds the tree from a device description file (codec by its name).
    TreeModel(const QString &deviceFileName, uint language, const QString &nominalCurrent,
        const QString &nominalPower, bool emptyValues, QObject *parent = nullptr);
    // Builds the tree from text already decoded (tests, tools, fuzzing).
    TreeModel(QTextStream &in, const ParameterTableLoader::Options &options, QObject *parent = nullptr);
    ~TreeModel() override;

    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    QModelIndex index(int row, int column, const QModelIndex &parent = QModelIndex()) const override;
    QModelIndex parent(const QModelIndex &index) const override;
    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    bool setHeaderData(
        int section, Qt::Orientation orientation, const QVariant &value, int role = Qt::EditRole) override;
    bool insertColumns(int position, int columns, const QModelIndex &parent = QModelIndex()) override;
    bool removeColumns(int position, int columns, const QModelIndex &parent = QModelIndex()) override;
    bool insertRows(int position, int rows, const QModelIndex &parent = QModelIndex()) override;
    bool removeRows(int position, int rows, const QModelIndex &parent = QModelIndex()) override;

    bool isValid() const { return m_valid; }
    QString deviceFileName() const { return m_deviceFileName; }
    uint language() const { return m_language; }
    QString unitName() const { return m_unitName; }
    void setUnitName(const QString &name) { m_unitName = name; }
    // The 12 customer data texts of the set.
    QStringList customerData() const { return m_customerData; }
    void setCustomerData(const QStringList &texts);
    // The parameter set file this model was last opened from or saved to.
    QString datFileName() const { return m_datFileName; }
    void setDatFileName(const QString &name) { m_datFileName = name; }
    // Whether the user edited a value since the set was made, opened or last saved.
    bool hasUnsavedEdits() const { return m_unsavedEdits; }
    void markSaved() { m_unsavedEdits = false; }

    TreeItem *rootItem() const { return m_rootItem; }
    TreeItem *getItem(const QModelIndex &index) const;
    QModelIndex indexOf(const TreeItem *item, int column = 0) const;

    // First item, in display order, with that menu number.
    TreeItem *findItem(const QString &menuNumber) const;
    // Every item (not the root), parents before children, children in display order.
    QVector<TreeItem *> allItems() const;
    void forEachItem(const std::function<void(TreeItem *)> &visit) const;

    // The dependency items by position (59 entries; nullptr where the menu is absent).
    const QVector<TreeItem *> &DepPrmItemList() const { return m_depPrmItems; }
    TreeItem *dependencyItem(int position) const { return m_depPrmItems.value(position); }
    TreeItem *genPolesFreqItem() const { return m_genPolesFreq; }
    TreeItem *genPolesSpeedItem() const { return m_genPolesSpeed; }
    TreeItem *polesItem() const { return m_poles; }
    TreeItem *unitNameItem() const { return m_unitNameItem; }
    TreeItem *pebbItem() const { return m_pebb; }

    // Parameters that can be edited and compared (field 4 > 0, field 14 not "Y").
    QList<TreeItem *> GetEditableParameters() const;
    // Parameters the unit accepts writes of (access field above 0), whether or not they take
    // part in comparison and printing: what "Load to Drive" restores.
    QList<TreeItem *> GetWritableParameters() const;

    // Parameters with a register that have no value in a set they hold (never read from the
    // unit, or left empty in a file), in display order: a write passes them over. An empty text
    // is a value (a cleared name). `writable`: only those a write of all parameters would send.
    QList<TreeItem *> parametersWithoutValues(bool writable = false) const;

    // What the worker reads or writes, in display order.
    QVector<ReadEntry> readList() const;
    static int tableTypeFor(int registerNumber);

    // Stores words read from the unit. A parameter with one value for all sets fills every set.
    // Safe to call from a worker thread: the values are written under a lock that data() and
    // registerWords() also take, and views are told through a queued call on the model's thread.
    void storeRegisters(TreeItem *item, int set, const QVector<quint16> &words);
    QVector<quint16> registerWords(const TreeItem *item, int set) const;

    // Minimum and maximum of a parameter in a set, in its shown form.
    DependencyTable::Limits limits(const TreeItem *item, int set) const;

    // Whether an edited item is one the pole number depends on.
    bool checkdependingfields(const QModelIndex &index) const;
    // Items whose values change when `item` changes (re-read after writing it).
    QList<TreeItem *> dependingItems(const TreeItem *item) const;
    // Recomputes the value that depends on the edited value at `index` (its set column).
    bool GetReprentationVal(const QModelIndex &index, const QString &value);

    void setSetColour(TreeItem *item, int set, const QVariant &colour);
    void clearChangedFlags();

    // Parameters of the device description file whose declared registers reach into another
    // parameter's, one text each; their reads and writes are cut short.
    const QStringList &registerOverlaps() const { return m_registerOverlaps; }

    // Runs `read` with the set values held still: a worker's storeRegisters() waits until it
    // returns. For whatever reads many values as one whole (a file, a comparison, a printout).
    void withValuesLocked(const std::function<void()> &read) const
    {
        QReadLocker lock(&m_valueLock);
        read();
    }

    // Items a parameter set file opened into the model did not reach (it ended before its last
    // parameter): they keep the values they had, and a write to a unit leaves them out unless
    // they were edited since. Empty after a whole file.
    void setItemsBeyondFile(const QVector<TreeItem *> &items)
    {
        m_beyondFile = QSet<const TreeItem *>(items.cbegin(), items.cend());
    }
    bool isBeyondFile(const TreeItem *item) const { return m_beyondFile.contains(item); }
    bool endsBeforeLastItem() const { return !m_beyondFile.isEmpty(); }

    // Reads the customer data and the set values of a parameter set file (see DatFile).
    bool ParameterOpen(const QString &fileName, QString *message = nullptr,
        DatFile::ChangeMarks marks = DatFile::ChangeMarks::Clear);
    // Tells views that every value may have changed (after reads from a worker or a file).
    void notifyAllValuesChanged();

    // The expand/collapse memory of the views that show this model, per view number (the fault
    // logger is view 1): kept with the unit, so a view shown another unit meanwhile restores it.
    void setExpandcollapseFlag(int view, const QModelIndex &index, bool expanded);
    QList<QPersistentModelIndex> expandedIndexes(int view) const { return m_expanded.value(view); }
    // Whether the view ever recorded a branch opened or closed.
    bool hasExpandState(int view) const { return m_expanded.contains(view); }

public slots:
    // Text and value texts of another language, from the same device description file.
    void changelang(QString fileName, uint language);

private:
    void build(QTextStream &in, const ParameterTableLoader::Options &options);
    void indexItems();
    void setValue(TreeItem *item, int set, const QString &shown, const QString &stored, bool changed);
    void emitChanged(TreeItem *parent);

    TreeItem *m_rootItem;
    QString m_deviceFileName;
    QString m_unitName;
    QString m_datFileName;
    bool m_unsavedEdits = false;
    QStringList m_customerData;
    QStringList m_registerOverlaps;
    uint m_language = 0;
    bool m_valid = false;
    QVector<TreeItem *> m_depPrmItems;
    QHash<QString, TreeItem *> m_byMenu;
    TreeItem *m_genPolesFreq = nullptr;
    TreeItem *m_genPolesSpeed = nullptr;
    TreeItem *m_poles = nullptr;
    TreeItem *m_unitNameItem = nullptr;
    TreeItem *m_pebb = nullptr;
    // The motor's nominal current and power: the parameters whose values are the unit's (field 26).
    TreeItem *m_nominalCurrent = nullptr;
    TreeItem *m_nominalPower = nullptr;
    // Set values are written by unit worker threads (storeRegisters) while views read them.
    // Recursive: a reader holding a snapshot may call data(), which locks for reading too.
    mutable QReadWriteLock m_valueLock { QReadWriteLock::Recursive };
    std::atomic<bool> m_notifyPending { false };
    QHash<int, QList<QPersistentModelIndex>> m_expanded;
    QSet<const TreeItem *> m_beyondFile;
};
