// The worker thread of the classic search. It runs the search with the options taken when it was
// started and sends the name lines to the page in batches, in the order they were produced: one
// batch every few milliseconds at most, so that a search of a hundred thousand names neither floods
// the event queue nor redraws the panes line by line.
#pragma once

#include "naming/classic_search.h"

#include <QStringList>
#include <QThread>
#include <atomic>

class TMythread : public QThread {
    Q_OBJECT
public:
    // searching is the page's stop flag; it must outlive the thread.
    TMythread(ClassicSearchOptions options, const std::atomic_bool& searching, QObject* parent = nullptr);
    ~TMythread() override;

    static constexpr int kBatchMilliseconds = 30;
    static constexpr int kMaxBatchLines = 4000;

signals:
    void linesReady(const QStringList& lines);

protected:
    void run() override;  // the thread's Execute

private:
    ClassicSearchOptions options_;
    const std::atomic_bool& searching_;
};
