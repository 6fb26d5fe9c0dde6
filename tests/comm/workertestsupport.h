#pragma once

#include "importfilethread.h"
#include "simpeer.h"
#include "treeitem.h"
#include "treemodel.h"
#include "vxcommmodbusmaster.h"

#include <QObject>
#include <QStringList>
#include <memory>

// What the unit worker tests share: a recorder of the worker's signals and a fixture that runs
// the drive simulator on the test program's own loopback address.

// Receives the worker's signals in the test's thread, as the tab controller does, and keeps
// them in order.
class Recorder : public QObject
{
    Q_OBJECT
public:
    QStringList events;
    QStringList errors; // "title|message"
    QStringList names;
    int passes = 0;
    bool onOwnThread = true;

    explicit Recorder(importfileThread *t)
    {
        const auto q = Qt::QueuedConnection;
        connect(t, &importfileThread::ImportThreadSigProgressBarSetRange, this, &Recorder::range, q);
        connect(t, &importfileThread::ImportThreadSigProgressBarSetProgress, this, &Recorder::progress, q);
        connect(t, &importfileThread::ImportThreadSigProgressBarClose, this, &Recorder::close, q);
        connect(t, &importfileThread::vxUISigEnableWindow, this, &Recorder::enable, q);
        connect(t, &importfileThread::ImportThreadSigErrorMsg, this, &Recorder::error, q);
        connect(t, &importfileThread::vxUISigChangeUnitName, this, &Recorder::name, q);
        connect(t, &importfileThread::vxUISigOprStatusUpdated, this, &Recorder::pass, q);
        connect(t, &importfileThread::vxUISigTriplogUpdated, this, &Recorder::pass, q);
    }
    int lastProgress() const
    {
        for (int i = events.size() - 1; i >= 0; --i)
            if (events[i].startsWith(QLatin1String("progress ")))
                return events[i].mid(9).toInt();
        return -1;
    }
    QStringList lastTwo() const { return events.mid(events.size() - 2); }

public slots:
    void range(int a, int b) { note(QStringLiteral("range %1 %2").arg(a).arg(b)); }
    void progress(int v) { note(QStringLiteral("progress %1").arg(v)); }
    void close() { note(QStringLiteral("close")); }
    void enable() { note(QStringLiteral("enable")); }
    void error(QString message, QString title) { note(title + QLatin1Char('|') + message, errors); }
    void name(QString n) { note(n, names); }
    void pass()
    {
        check();
        ++passes;
    }

private:
    void check() { onOwnThread = onOwnThread && QThread::currentThread() == thread(); }
    void note(const QString &e, QStringList &into)
    {
        check();
        into << e;
    }
    void note(const QString &e) { note(e, events); }
};

// A master connected over loopback TCP as the workers use it: no resends, unit 1 connected.
std::unique_ptr<VxCommModbusMaster> connectedMaster(const QString &host, quint16 port);

// The simulator serving the shipped KTZ V1.10 file, masters connected to it and models of that
// file as the tab controller builds them after identification.
class WorkerFixture : public QObject
{
public:
    static const QString Device;
    static const QStringList CloseAndEnable;

protected:
    // The file, INOM and PNOM of the simulated unit (size 1), which the models are built with.
    bool setUp(const QString &address, quint16 fallbackPort);
    bool startSim(const QStringList &extra = {});
    std::unique_ptr<VxCommModbusMaster> connectMaster() const { return connectedMaster(host, port); }
    std::unique_ptr<TreeModel> unitModel(bool emptyValues) const;
    // Runs the thread to its end (bounded) and returns its result.
    static int runToEnd(importfileThread &thread, int boundMs = 120000);
    static QString stored(const TreeModel &model, const TreeModel::ReadEntry &entry);
    // Whether the file delivers a value for the entry (an empty text reads back empty).
    static bool delivered(const TreeModel &reference, const TreeModel::ReadEntry &entry)
    {
        return !stored(reference, entry).isEmpty();
    }

    SimPeer sim;
    QString host;
    quint16 port = 0;
    QString deviceFile, inom, pnom;
};
