// The naming page in its window (offscreen): "马上起名" for 王, 男, 双字名, "电脑全自动", minimum 70,
// until every line is placed in the pane and the list. The counter "worst_gap_ms" is the longest
// time the user-interface thread went without answering (a 2 ms timer's largest gap) while the
// lines streamed in: what a click on "停止起名" may have to wait at most.
#include "app/frm_index.h"
#include "app/naming/naming_page.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QEventLoop>
#include <QTimer>
#include <benchmark/benchmark.h>

namespace {

void BM_NamingPageAutomaticSearch(benchmark::State& state)
{
    TFrmIndex window;
    window.endProcess = [] {};
    window.show();
    NamingPage& page = *window.namingPage;
    page.Xing->setText(QStringLiteral("王"));
    emit page.Xing->editingFinished();

    qint64 worstGap = 0;
    for (auto _ : state) {
        QEventLoop untilEnded;
        QObject::connect(&page, &NamingPage::searchEnded, &untilEnded, &QEventLoop::quit);
        QTimer::singleShot(60000, &untilEnded, [&] { untilEnded.exit(1); });
        QElapsedTimer clock;
        clock.start();
        qint64 last = 0;
        QTimer tick;
        tick.setInterval(2);
        QObject::connect(&tick, &QTimer::timeout, [&] {
            worstGap = std::max(worstGap, clock.elapsed() - last);
            last = clock.elapsed();
        });
        tick.start();
        page.RzBitBtn5->click();
        if (untilEnded.exec() != 0) {
            state.SkipWithError("the search did not end: are the knowledge files built?");
            break;
        }
    }
    state.counters["worst_gap_ms"] = double(worstGap);
}
BENCHMARK(BM_NamingPageAutomaticSearch)->Unit(benchmark::kMillisecond)->UseRealTime();

// The user-interface thread's own share: one slice of lines (the most the page places between two
// turns of the event loop) placed into a pane and a list that already hold 60,000 names, and the
// repaint that follows. A click waits at most about this long, on a machine that gives the thread
// its turn.
void BM_NamingPagePlaceSlice(benchmark::State& state)
{
    TFrmIndex window;
    window.endProcess = [] {};
    window.show();
    NamingPage& page = *window.namingPage;
    QStringList slice;
    for (int i = 0; i < 1500; ++i) slice << QStringLiteral("王明华(%1分)").arg(70 + i % 30);
    for (int i = 0; i < 40; ++i) page.PlaceNameLines(slice);
    QCoreApplication::processEvents();
    for (auto _ : state) {
        page.PlaceNameLines(slice);
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_NamingPagePlaceSlice)->Unit(benchmark::kMillisecond);

}  // namespace
