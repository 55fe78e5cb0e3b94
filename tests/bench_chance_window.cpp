// Times the chance window on a long journal: bench_chance_window [ENTRIES]
// [RUNS]. With the analysis window open, as a user has it: opening the
// window (reading the tally and painting), a year change in the analysis
// (its own recount, the chance window following and painting), and a
// journal changed on disk counted again. A second journal of 5,000 entries
// times the exact test at its largest. Prints the median of the runs.

#include "app/window_set.h"
#include "bench_timing.h"
#include "chance_journal.h"
#include "program_fixture.h"
#include "saved/analysis_window.h"
#include "saved/chance_window.h"
#include "saved/list_window.h"
#include "saved/saved_list.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

using namespace tessaly;

namespace {

// Runs setup (untimed), then action and a paint of the window, runs times.
void measure(const char *what, int runs, const std::function<void()> &setup,
             const std::function<void()> &action)
{
    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        setup();
        QElapsedTimer timer;
        timer.start();
        action();
        // Painted into a picture: the offscreen platform paints a window only
        // once it is exposed, which a benchmark would have to wait for.
        Windows().KansAnalyse->grab();
        times.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::printf("%-44s %8.1f ms\n", what, Median(times));
}

void benchJournal(ProgramFixture &program, int entries, int runs)
{
    const QStringList journal = ChanceJournal(entries, 5, 11);
    program.write(ListFile, journal);
    Windows().Verleden->RefreshList();
    TAnalyseBox *analysis = Windows().AnalyseBox;
    TKansAnalyse *chance = Windows().KansAnalyse;
    analysis->show();
    std::printf("%d entries\n", entries);
    // Each open starts from a journal the window has not seen: a rewritten
    // file, read by the analysis as the user opens it.
    int version = 0;
    measure(
        "  open, journal not counted before", runs,
        [&] {
            chance->close();
            program.write(ListFile, journal + QStringList{QStringLiteral("v%1").arg(++version)});
            analysis->RefreshAnalysis();
        },
        [&] { analysis->btKans->click(); });
    measure(
        "  open again, same journal", runs, [&] { chance->close(); }, [&] { analysis->btKans->click(); });
    int year = 0;
    measure(
        "  year change in the analysis (both windows)", runs,
        [&] { program.platform().inputAnswers = {QStringLiteral("202%1").arg(4 + year++ % 3)}; },
        [&] { analysis->btFilter->click(); });
    measure(
        "  of which the chance window", runs, [] {}, [&] { chance->FollowAnalysis(); });
    measure(
        "  back to all years (both windows)", runs,
        [&] {
            program.platform().inputAnswers = {QStringLiteral("2025")};
            analysis->btFilter->click();
        },
        [&] { analysis->btReset->click(); });
    measure(
        "  journal changed on disk, recount", runs,
        [&] { program.write(ListFile, journal + QStringList{QStringLiteral("v%1").arg(++version)}); },
        [&] { chance->Recount(); });
    // A card at twice its chance leaves the others a little below theirs,
    // which a long journal is large enough to show.
    std::printf("  card 5 at twice its chance: %d cards marked, %s\n", int(chance->report().marked().size()),
                chance->report().exact ? "exact test" : "normal approximation");
    chance->close();
    analysis->close();
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const int entries = argc > 1 ? std::atoi(argv[1]) : 100000;
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 7;
    ProgramFixture program;
    benchJournal(program, entries, runs);
    benchJournal(program, ExactTestLimit, runs);
    return 0;
}
