// Times the indexed duplicate-sequence search against the literal rule on a
// generated journal: bench_duplicates [ENTRIES] [RUNS]. Prints the median of
// each and checks that the two agree.

#include "literal_duplicates.h"
#include "saved/saved_list.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int entries = argc > 1 ? atoi(argv[1]) : 10000;
    const int runs = argc > 2 ? atoi(argv[2]) : 5;
    const QStringList journal = GeneratedJournal(entries, 2026);
    auto median = [&](auto search, QStringList &result) {
        std::vector<double> times;
        for (int run = 0; run < runs; ++run) {
            QElapsedTimer timer;
            timer.start();
            result = search(journal);
            times.push_back(timer.nsecsElapsed() / 1e6);
        }
        std::sort(times.begin(), times.end());
        return times[times.size() / 2];
    };
    QStringList indexed;
    QStringList literal;
    const double indexedMs = median(tessaly::FindDuplicateTriples, indexed);
    const double literalMs = median(LiteralDuplicateTriples, literal);
    std::printf("%d entries, %d runs: indexed %.1f ms, literal %.1f ms (median); %lld result rows; %s\n",
                entries, runs, indexedMs, literalMs, (long long)indexed.size(),
                indexed == literal ? "results agree" : "RESULTS DIFFER");
    return indexed == literal ? 0 : 1;
}
