#include "classic_search_run.h"

ClassicSearchRun::Step ClassicSearchRun::start(const ClassicSearchOptions& options)
{
    next_ = options;
    switch (phase_) {
    case SearchPhase::Idle:
        phase_ = SearchPhase::Running;
        return Step::StartWorker;
    case SearchPhase::Running:
        phase_ = SearchPhase::Restarting;
        return Step::StopWorker;
    case SearchPhase::Stopping:
    case SearchPhase::Restarting:
        phase_ = SearchPhase::Restarting;  // the worker is stopping already; the last start wins
        return Step::Nothing;
    }
    return Step::Nothing;
}

ClassicSearchRun::Step ClassicSearchRun::stop()
{
    switch (phase_) {
    case SearchPhase::Running:
        phase_ = SearchPhase::Stopping;
        return Step::StopWorker;
    case SearchPhase::Restarting:
        phase_ = SearchPhase::Stopping;  // a stop after a start: the user wants no search now
        return Step::Nothing;
    case SearchPhase::Idle:
    case SearchPhase::Stopping:
        return Step::Nothing;
    }
    return Step::Nothing;
}

ClassicSearchRun::Step ClassicSearchRun::workerDone()
{
    if (phase_ == SearchPhase::Restarting) {
        phase_ = SearchPhase::Running;
        return Step::StartWorker;
    }
    phase_ = SearchPhase::Idle;
    return Step::Nothing;
}

const char* phaseName(SearchPhase phase)
{
    switch (phase) {
    case SearchPhase::Idle: return "Idle";
    case SearchPhase::Running: return "Running";
    case SearchPhase::Stopping: return "Stopping";
    case SearchPhase::Restarting: return "Restarting";
    }
    return "?";
}
