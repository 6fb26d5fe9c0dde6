#pragma once

#include "workeroperations.h"

#include <QHash>
#include <QVector>

namespace WorkerOps {

// Reads the entries of a read list in runs of consecutive registers of one table (function 3 or
// 4, one exchange per run) and hands each entry the words a read of its own would have given.
// Runs span only registers of the entries given, so no register outside the device description
// file is ever asked for. A run the unit refuses (exception 1, 2 or 3, or a reply of the wrong
// length) is read entry by entry, now and for the rest of the program; any other failed run is
// read entry by entry this time only. Without ctx.blockReads every entry is read on its own.
class BlockReads
{
public:
    static constexpr int MaxRunRegisters = 60;

    BlockReads(Context &ctx, const QVector<TreeModel::ReadEntry> &entries);
    // Notes once per unit in its link reports when the unit refused every run.
    ~BlockReads();
    BlockReads(const BlockReads &) = delete;
    BlockReads &operator=(const BlockReads &) = delete;

    // The words of entry: from its run, read at the first of its entries asked for, or by an
    // exchange of its own.
    Exchange read(const TreeModel::ReadEntry &entry, QVector<quint16> *words);
    // Forgets the words of the runs, so that the next pass of a cycle reads them again.
    void nextPass();

    // Forgets every unit's refusals (tests: a fresh program).
    static void forgetRefusals();

private:
    enum class State { Unread, Read, Single };
    struct Run
    {
        int type = 4;
        int start = 0;
        int count = 0;
        State state = State::Unread;
        bool refused = false; // for the rest of the program
        QVector<quint16> words;
    };
    int runOf(const TreeModel::ReadEntry &entry) const;
    Exchange readRun(Run &run);
    QString unitKey() const;
    static QString runKey(const Run &run);

    Context &m_ctx;
    QVector<Run> m_runs;
    QHash<qint64, int> m_runByFirst; // (table type, register) of every entry in a run -> run
};

} // namespace WorkerOps
