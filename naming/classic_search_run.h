// The life of the naming page's classic search as one small state machine. Every button that starts
// or stops a search, and the worker when it has ended, goes through here, so that however the clicks
// fall there is never a search that neither runs nor can be started again.
//
//   Idle --start--> Running --stop--> Stopping --done--> Idle
//                      |                  |
//                    start              start
//                      v                  v
//                   Restarting --done--> Running (with the options of the last start)
//
// "done" means the worker has ended and every line it sent has been placed or dropped. The machine
// only decides; the page carries out the step it returns.
#pragma once

#include "naming/classic_search.h"

enum class SearchPhase { Idle, Running, Stopping, Restarting };

class ClassicSearchRun {
public:
    enum class Step {
        Nothing,
        StartWorker,  // start a worker with nextOptions()
        StopWorker,   // tell the running worker to stop and drop the lines not yet placed
    };

    SearchPhase phase() const { return phase_; }
    // Lines from the worker are shown only while its search is wanted.
    bool placesLines() const { return phase_ == SearchPhase::Running; }

    Step start(const ClassicSearchOptions& options);  // "马上起名"
    Step stop();                                      // "停止起名", or another mode taking over
    Step workerDone();                                // the worker ended, its lines placed or dropped

    const ClassicSearchOptions& nextOptions() const { return next_; }

private:
    SearchPhase phase_ = SearchPhase::Idle;
    ClassicSearchOptions next_;
};

const char* phaseName(SearchPhase phase);  // for test output and debugging
