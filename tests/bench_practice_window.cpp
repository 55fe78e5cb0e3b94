// Times opening the Oefenen window on a long progress file:
// bench_practice_window [LINES] [RUNS]. Every one of the 1,404 items has been
// answered; lines beyond those are of an exercise this version does not know
// (kept and reported as damaged), so the reader gets LINES lines. Prints the
// median of RUNS first openings (window made, file read, first question
// shown and painted; wall clock and this thread's CPU time) and of
// reopenings, for the items alone and for LINES lines, in turns.

#include "app/main_window.h"
#include "app/startup.h"
#include "app/text_file.h"
#include "app/window_set.h"
#include "bench_timing.h"
#include "practice/practice_file.h"
#include "practice/practice_window.h"
#include "program_fixture.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

using namespace tessaly;

namespace {

QStringList progressLines(int lines, const QDate &today)
{
    PracticeProgress progress;
    for (int index = 0; index < TotalItemCount(); ++index) {
        const PracticeItem item = ItemAt(index);
        // Months of practice: several answers each, some due today.
        const QDate first = today.addDays(-200 + index % 150);
        progress.answer(item, true, first);
        progress.answer(item, index % 7 != 0, first.addDays(3));
        progress.answer(item, true, first.addDays(14 + index % 20));
    }
    QStringList written = PracticeLines(progress, {});
    for (int n = 0; written.size() < lines; ++n)
        written.append(QStringLiteral("kaart-thema %1 2026-12-%2 12.5000 5.0000 3 0 2026-11-01 2026-10-01")
                           .arg(n % 36 + 1, 2, 10, QChar(u'0'))
                           .arg(n % 28 + 1, 2, 10, QChar(u'0')));
    return written;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const int lines = argc > 1 ? atoi(argv[1]) : 5000;
    const int runs = argc > 2 ? atoi(argv[2]) : 11;
    ProgramFixture program;
    const QDate today = program.platform().clock.date();

    // The two files in turns, so that whatever the process gathers over the
    // runs weighs on both alike.
    const std::vector<int> counts = {TotalItemCount(), std::max(lines, TotalItemCount())};
    std::vector<QStringList> files;
    for (const int count : counts)
        files.push_back(progressLines(count, today));
    std::vector<std::vector<double>> first(counts.size());
    std::vector<std::vector<double>> cpu(counts.size());
    std::vector<std::vector<double>> again(counts.size());
    std::vector<QString> vandaag(counts.size());
    for (int run = 0; run < runs; ++run) {
        for (std::size_t c = 0; c < counts.size(); ++c) {
            DestroyWindows();
            program.write(QString::fromLatin1(PracticeFileName), files[c]);
            StartProgram(app);
            TForm1 *main = Windows().Form1;
            // The main window's own first painting is not the practice window's.
            if (!QTest::qWaitForWindowExposed(main))
                return 1;
            QApplication::processEvents();
            QElapsedTimer timer;
            const double cpuStart = ThreadCpuMs();
            timer.start();
            main->btOefenen->click();
            QApplication::processEvents();
            first[c].push_back(timer.nsecsElapsed() / 1e6);
            cpu[c].push_back(ThreadCpuMs() - cpuStart);
            TOefenen *window = main->Oefenen();
            vandaag[c] = window->lbVandaag->text();
            window->close();
            timer.restart();
            main->btOefenen->click();
            QApplication::processEvents();
            again[c].push_back(timer.nsecsElapsed() / 1e6);
        }
    }
    for (std::size_t c = 0; c < counts.size(); ++c)
        std::printf("%5d lines: open %6.1f ms (%.1f ms CPU), reopen %6.1f ms (median of %d; %s)\n", counts[c],
                    Median(first[c]), Median(cpu[c]), Median(again[c]), runs, qPrintable(vandaag[c]));
    return 0;
}
