#include "clitrace.h"

#include "linkdescriber.h"
#include "linkrecords.h"
#include "treemodel.h"

#include <QFile>
#include <QJsonDocument>
#include <QTextStream>
#include <atomic>
#include <memory>
#include <thread>

namespace {

struct Trace
{
    std::shared_ptr<LinkTapQueue> queue;
    LinkDescriber describer;
    bool toStderr = false;
    QFile json;
    std::thread writer;
    std::atomic<bool> running { false };

    void write(const std::deque<LinkExchange> &batch)
    {
        QTextStream err(stderr);
        for (const LinkExchange &e : batch) {
            const QString name = describer.unitName(e.link, e.unit);
            const QString what = describer.describe(e);
            if (toStderr)
                err << LinkRecords::traceLine(e, name, what) << '\n';
            if (json.isOpen())
                json.write(
                    QJsonDocument(LinkRecords::toJson(e, name, what)).toJson(QJsonDocument::Compact) + '\n');
        }
        err.flush();
        if (queue->dropped() > 0 && toStderr)
            err << "trace: " << queue->dropped() << " exchanges dropped\n";
    }

    void run()
    {
        while (running.load())
            write(queue->take(100));
        write(queue->take());
    }
};

Trace *trace()
{
    static Trace instance;
    return &instance;
}

} // namespace

bool CliTrace::start(bool toStderr, const QString &jsonFile, QString *error)
{
    Trace &t = *trace();
    if (t.running.load() || (!toStderr && jsonFile.isEmpty()))
        return true;
    if (!jsonFile.isEmpty()) {
        t.json.setFileName(jsonFile);
        if (!t.json.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
            *error = QStringLiteral("cannot write the trace to %1: %2").arg(jsonFile, t.json.errorString());
            return false;
        }
    }
    t.toStderr = toStderr;
    // Room for minutes of the busiest command between two passes of the writer.
    t.queue = LinkTap::subscribe(200000);
    t.running.store(true);
    t.writer = std::thread([&t] { t.run(); });
    return true;
}

bool CliTrace::active()
{
    return trace()->running.load();
}

void CliTrace::learnUnit(const QString &link, int unit, const QString &name, const TreeModel *model)
{
    if (!active())
        return;
    trace()->describer.setUnit(
        link, unit, name, model ? LinkDictionary::fromModel(*model) : LinkDictionary());
}

void CliTrace::stop()
{
    Trace &t = *trace();
    if (!t.running.exchange(false))
        return;
    LinkTap::unsubscribe(t.queue);
    t.writer.join();
    if (t.json.isOpen())
        t.json.close();
}
