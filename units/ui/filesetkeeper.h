#pragma once

#include <QHash>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QStringList>

class Connect;
class Parameters;
class TreeModel;
class UnitRegistry;
class UnitTreeFrame;
class importfileThread;

// The parameter sets opened from files or made new: listed in the unit tree's file group and owned
// here until they are removed.
class FileSetKeeper : public QObject
{
    Q_OBJECT
public:
    // The views a set appears in; all outlive the keeper.
    struct Views
    {
        UnitTreeFrame *tree = nullptr;
        Parameters *params = nullptr;
        Connect *details = nullptr;
        UnitRegistry *registry = nullptr;
    };

    explicit FileSetKeeper(const Views &views, QObject *parent = nullptr);

    QList<TreeModel *> sets() const { return m_sets; }
    // Removed sets still used by a worker that outlasted the wait.
    int parkedCount() const { return m_parked.size(); }
    // How long a removal waits for a worker writing the set (tests shorten it).
    void setStopWaitMs(int ms) { m_stopWaitMs = ms; }
    // Removes the set an entry of the file group describes.
    void remove(const QStringList &entry);
    void remove(TreeModel *model);
    void removeAll();

signals:
    // A set came or went: the File actions may change.
    void changed();

public slots:
    // Takes the set over and lists it.
    void add(QString unitName, QString fileName, QString inom, QString pnom, QString version,
        QString updatedName, TreeModel *model);

private:
    void park(TreeModel *model, const QList<importfileThread *> &users);
    void releaseParked(TreeModel *model);

    Views m_views;
    QList<TreeModel *> m_sets;
    QHash<TreeModel *, QList<QPointer<importfileThread>>> m_parked;
    int m_stopWaitMs;
};
