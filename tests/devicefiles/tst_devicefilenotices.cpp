#include "devicefilenotices.h"
#include "devicefiles.h"

#include <QtTest>
#include <memory>
#include <vector>

class TestDeviceFileNotices : public QObject
{
    Q_OBJECT
private slots:
    void missingGeneralCsvReportedOnceAcrossWorkers();
};

// Workers that find general.csv missing at the same time must produce exactly one notice, delivered
// on the user-interface thread, even when a worker is the first to touch the notifier.
void TestDeviceFileNotices::missingGeneralCsvReportedOnceAcrossWorkers()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString missing = dir.path() + "/configData/general.csv";

    QObject receiver;
    int delivered = 0;
    bool onMainThread = true;
    QString reportedPath;
    QThread *mainThread = QThread::currentThread();

    std::vector<std::unique_ptr<QThread>> workers;
    for (int i = 0; i < 4; ++i) {
        workers.emplace_back(QThread::create([&, i] {
            // The first worker creates the notifier; the queued connection is made on this thread
            // only once, by worker 0, before the others start reading.
            if (i == 0) {
                QObject::connect(
                    DeviceFileNotices::instance(), &DeviceFileNotices::generalCsvMissing, &receiver,
                    [&](const QString &path) {
                        ++delivered;
                        reportedPath = path;
                        onMainThread = onMainThread && QThread::currentThread() == mainThread;
                    },
                    Qt::QueuedConnection);
            }
            for (int n = 0; n < 50; ++n)
                DeviceFiles::VxCommReadGeneralCsv(missing, 2, 4610, 1);
        }));
    }
    workers.front()->start();
    QVERIFY(workers.front()->wait(10000));
    for (std::size_t i = 1; i < workers.size(); ++i)
        workers[i]->start();
    for (auto &worker : workers)
        QVERIFY(worker->wait(10000));

    QCOMPARE(DeviceFileNotices::instance()->thread(), mainThread);
    QTRY_COMPARE_WITH_TIMEOUT(delivered, 1, 5000);
    // Nothing more arrives once the queue has been drained.
    QTest::qWait(50);
    QCOMPARE(delivered, 1);
    QVERIFY(onMainThread);
    QCOMPARE(reportedPath, missing);
}

QTEST_GUILESS_MAIN(TestDeviceFileNotices)
#include "tst_devicefilenotices.moc"
