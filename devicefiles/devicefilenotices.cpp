#include "devicefilenotices.h"

#include <QCoreApplication>
#include <QThread>

DeviceFileNotices *DeviceFileNotices::instance()
{
    // Never deleted: worker threads may still report while the application object is torn down.
    static DeviceFileNotices *notices = [] {
        auto *created = new DeviceFileNotices;
        // The first caller is often a worker thread that ends soon; the notifier belongs to the
        // application's thread, which outlives every worker.
        if (QCoreApplication::instance() && created->thread() != QCoreApplication::instance()->thread())
            created->moveToThread(QCoreApplication::instance()->thread());
        return created;
    }();
    return notices;
}

void DeviceFileNotices::reportGeneralCsvMissing(const QString &path)
{
    // Several workers may find the file missing at once; exactly one of them reports it.
    bool expected = false;
    if (generalCsvReported.compare_exchange_strong(expected, true))
        emit generalCsvMissing(path);
}

void DeviceFileNotices::resetForTests()
{
    generalCsvReported.store(false);
}
