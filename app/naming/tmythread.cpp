#include "tmythread.h"

#include <QElapsedTimer>

TMythread::TMythread(ClassicSearchOptions options, const std::atomic_bool& searching, QObject* parent)
    : QThread(parent), options_(std::move(options)), searching_(searching)
{
}

TMythread::~TMythread()
{
    wait();
}

void TMythread::run()
{
    QStringList batch;
    QElapsedTimer sinceLastBatch;
    sinceLastBatch.start();
    auto send = [&] {
        if (batch.isEmpty()) return;
        emit linesReady(batch);
        batch.clear();
        sinceLastBatch.restart();
    };
    RunClassicSearch(options_, searching_, [&](const QString& line) {
        batch << line;
        if (batch.size() >= kMaxBatchLines || sinceLastBatch.elapsed() >= kBatchMilliseconds) send();
    });
    send();  // the search ends silently, whatever the reason: the page needs only the lines
}
