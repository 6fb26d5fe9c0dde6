#pragma once

#include <QObject>
#include <atomic>

// Carries problems found by the file readers, which run on worker threads, to the user-interface thread.
//
// The readers must never show a message box themselves: a widget created on a worker thread crashes
// Qt. The main window connects to these signals with a queued connection and shows the box there.
class DeviceFileNotices : public QObject
{
    Q_OBJECT
public:
    // Lives for the whole process; kept in the application's main thread so queued connections
    // to it are delivered there.
    static DeviceFileNotices *instance();

    // Emits generalCsvMissing the first time it is called in this process, from any thread.
    void reportGeneralCsvMissing(const QString &path);

    // Lets the next missing general.csv be reported again (tests).
    void resetForTests();

signals:
    // general.csv could not be opened; every lookup in it gives empty texts.
    void generalCsvMissing(const QString &path);

private:
    DeviceFileNotices() = default;
    std::atomic_bool generalCsvReported { false };
};
