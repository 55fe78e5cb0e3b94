// Times the Technieken window: bench_techniques [RUNS]. Lays a random
// tableau, opens the window and changes the significator through all 36
// cards RUNS times; prints how long one change takes until the frames and the
// reading are painted, and the reading alone. Processor time beside the
// wall clock, which other programs on a busy machine stretch.

#include "app/window_set.h"
#include "bench_timing.h"
#include "program_fixture.h"
#include "tableau/grand_tableau_window.h"
#include "tableau/techniques_window.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

using namespace tessaly;

namespace {

void report(const char *what, std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    const auto at = [&](double share) { return times[size_t(share * double(times.size() - 1))]; };
    std::printf("%-34s median %6.2f ms   95%% %6.2f ms   max %6.2f ms\n", what, at(0.5), at(0.95),
                times.back());
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 20;
    ProgramFixture program;
    TForm7 *tableau = Windows().Form7;
    tableau->show();
    if (!QTest::qWaitForWindowExposed(tableau))
        return 1;
    tableau->RandomTableau();
    TTechnieken *techniques = tableau->Technieken;
    techniques->ShowBeside();
    if (!QTest::qWaitForWindowExposed(techniques))
        return 1;
    QApplication::processEvents();

    std::vector<double> change;
    std::vector<double> update;
    std::vector<double> cpu;
    std::vector<double> reading;
    QElapsedTimer timer;
    for (int run = 0; run < runs; ++run) {
        for (CardNumber card = 1; card <= CardCount; ++card) {
            const double cpuStart = ThreadCpuMs();
            timer.start();
            techniques->SetSignificator(card);
            update.push_back(timer.nsecsElapsed() / 1e6);
            // The frames and the list are painted on the next pass of the
            // event loop.
            QApplication::processEvents();
            change.push_back(timer.nsecsElapsed() / 1e6);
            cpu.push_back(ThreadCpuMs() - cpuStart);
            timer.start();
            const QString text = techniques->ReadingText();
            reading.push_back(timer.nsecsElapsed() / 1e6);
            if (text.isEmpty())
                return 1;
        }
    }
    std::printf("%d significator changes on a full tableau (%s)\n", int(change.size()),
                qPrintable(QGuiApplication::platformName()));
    report("change, frames and list painted", change);
    report("the same, processor time", cpu);
    report("change, before painting", update);
    report("reading text alone", reading);
    return 0;
}
