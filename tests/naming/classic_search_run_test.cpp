// The state machine of the classic search: each transition, and random click sequences against a
// model worker, which must always leave a search that can start.
#include "naming/classic_search_run.h"

#include <gtest/gtest.h>
#include <random>

namespace {

using Step = ClassicSearchRun::Step;
enum class Event { Start, Stop, Done };

ClassicSearchRun runIn(SearchPhase phase)
{
    ClassicSearchRun run;
    switch (phase) {
    case SearchPhase::Idle: break;
    case SearchPhase::Running: run.start({}); break;
    case SearchPhase::Stopping: run.start({}), run.stop(); break;
    case SearchPhase::Restarting: run.start({}), run.start({}); break;
    }
    EXPECT_EQ(run.phase(), phase);
    return run;
}

const char* stepName(Step s)
{
    return s == Step::Nothing ? "Nothing" : s == Step::StartWorker ? "StartWorker" : "StopWorker";
}

}  // namespace

TEST(ClassicSearchRun, EveryPhaseAnswersEveryEvent)
{
    const struct { SearchPhase from; Event event; SearchPhase to; Step step; const char* why; } cases[] = {
        {SearchPhase::Idle, Event::Start, SearchPhase::Running, Step::StartWorker, "nothing runs: start at once"},
        {SearchPhase::Idle, Event::Stop, SearchPhase::Idle, Step::Nothing, "nothing to stop"},
        {SearchPhase::Idle, Event::Done, SearchPhase::Idle, Step::Nothing, "a late word from an old worker"},
        {SearchPhase::Running, Event::Start, SearchPhase::Restarting, Step::StopWorker, "the new start waits"},
        {SearchPhase::Running, Event::Stop, SearchPhase::Stopping, Step::StopWorker, "stop the worker"},
        {SearchPhase::Running, Event::Done, SearchPhase::Idle, Step::Nothing, "the search ran to its end"},
        {SearchPhase::Stopping, Event::Start, SearchPhase::Restarting, Step::Nothing, "already stopping"},
        {SearchPhase::Stopping, Event::Stop, SearchPhase::Stopping, Step::Nothing, "a second stop"},
        {SearchPhase::Stopping, Event::Done, SearchPhase::Idle, Step::Nothing, "stopped"},
        {SearchPhase::Restarting, Event::Start, SearchPhase::Restarting, Step::Nothing, "the last start wins"},
        {SearchPhase::Restarting, Event::Stop, SearchPhase::Stopping, Step::Nothing, "a stop cancels the start"},
        {SearchPhase::Restarting, Event::Done, SearchPhase::Running, Step::StartWorker, "the waiting start"},
    };
    for (const auto& c : cases) {
        ClassicSearchRun run = runIn(c.from);
        const Step step = c.event == Event::Start ? run.start({}) : c.event == Event::Stop ? run.stop() : run.workerDone();
        EXPECT_EQ(run.phase(), c.to) << c.why << ": " << phaseName(run.phase());
        EXPECT_EQ(step, c.step) << c.why << ": " << stepName(step);
        EXPECT_EQ(run.placesLines(), c.to == SearchPhase::Running) << c.why;
    }
}

TEST(ClassicSearchRun, TheLastStartBeforeTheWorkerEndsIsTheOneThatRuns)
{
    ClassicSearchRun run;
    ClassicSearchOptions first, second, third;
    first.surname = "王", second.surname = "李", third.surname = "欧阳";
    ASSERT_EQ(run.start(first), Step::StartWorker);
    EXPECT_EQ(run.nextOptions().surname, "王");
    run.start(second);
    run.start(third);
    ASSERT_EQ(run.workerDone(), Step::StartWorker);
    EXPECT_EQ(run.nextOptions().surname, "欧阳");
}

// A model of the page: at most one worker, which ends some time after it was told to stop (or on
// its own). Whatever the clicks, one worker at most runs, a stop always reaches it, and once the
// worker has ended a start is always answered by a new worker.
TEST(ClassicSearchRun, RandomClicksNeverLeaveASearchThatCannotStart)
{
    for (unsigned seed = 1; seed <= 200; ++seed) {
        std::mt19937 random(seed);
        ClassicSearchRun run;
        bool workerAlive = false, toldToStop = false;
        const auto carryOut = [&](Step step) {
            if (step == Step::StartWorker) {
                ASSERT_FALSE(workerAlive) << "seed " << seed << ": two workers at once";
                workerAlive = true, toldToStop = false;
            }
            if (step == Step::StopWorker) {
                ASSERT_TRUE(workerAlive) << "seed " << seed;
                toldToStop = true;
            }
        };
        for (int click = 0; click < 40; ++click) {
            switch (random() % 3) {
            case 0: carryOut(run.start({})); break;
            case 1: carryOut(run.stop()); break;
            case 2:  // the worker ends: on its own, or because it was told to
                if (workerAlive) workerAlive = false, carryOut(run.workerDone());
                break;
            }
            const bool wantsNoWorker = run.phase() == SearchPhase::Stopping || run.phase() == SearchPhase::Restarting;
            EXPECT_EQ(workerAlive, run.phase() != SearchPhase::Idle) << "seed " << seed << ": " << phaseName(run.phase());
            if (wantsNoWorker) {
                EXPECT_TRUE(toldToStop) << "seed " << seed << ": a worker nobody stops";
            }
        }
        while (workerAlive) workerAlive = false, carryOut(run.workerDone());
        carryOut(run.stop());
        while (workerAlive) workerAlive = false, carryOut(run.workerDone());
        ASSERT_EQ(run.phase(), SearchPhase::Idle) << "seed " << seed;
        EXPECT_EQ(run.start({}), Step::StartWorker) << "seed " << seed;
    }
}
