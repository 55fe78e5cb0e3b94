// Times writing the PDF of a full Grand Tableau with its technique reading:
// composing, drawing the 36 pictures and writing the file.
// bench_print [RUNS] [FOLDER]. The first run also parses the card pictures,
// as the first PDF of a session does; the median is over the runs after it.
// With a folder, the PDFs are kept there.

#include "app/text_file.h"
#include "print/page_composer.h"
#include "print/printed_spread.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace tessaly;

namespace {

PrintedSpread fullTableau()
{
    std::array<CardNumber, 37> positions{};
    // Seven and 36 have no common divisor, so every card lies once.
    for (int p = 1; p <= 36; ++p)
        positions[size_t(p)] = (p * 7) % 36 + 1;
    // With the technique reading, as printed while the Technieken window is open.
    PrintedSpread spread = WithTechniques(TableauPrint(positions), ReadTechniques(positions, 28, QString()));
    spread.date = QDate(2026, 12, 8);
    return spread;
}

double writeOnce(const PrintedSpread &spread, const QString &path)
{
    QElapsedTimer timer;
    timer.start();
    QString error;
    if (!WriteFileBytes(path, SpreadPdf(spread), &error)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        std::exit(1);
    }
    return double(timer.nsecsElapsed()) / 1e6;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(2, QString::fromLocal8Bit(argv[1]).toInt()) : 10;
    QTemporaryDir scratch;
    const QString folder = argc > 2 ? QString::fromLocal8Bit(argv[2]) : scratch.path();
    const PrintedSpread tableau = fullTableau();
    const QString path = QDir(folder).filePath(QStringLiteral("Grand Tableau.pdf"));

    const double first = writeOnce(tableau, path);
    std::vector<double> times;
    for (int run = 1; run < runs; ++run)
        times.push_back(writeOnce(tableau, path));
    std::sort(times.begin(), times.end());
    std::printf("Grand Tableau PDF, %lld bytes: first %.0f ms, median of %d more %.0f ms, slowest %.0f ms\n",
                QFileInfo(path).size(), first, runs - 1, times[times.size() / 2], times.back());

    if (argc > 2) {
        const std::array<SlotView, 3> three = {
            {{1, CardKeyword(1, 1)}, {2, CardKeyword(2, 1)}, {3, CardKeyword(3, 1)}}};
        PrintedSpread spread = ThreeCardPrint(three, 6);
        spread.date = QDate(2026, 12, 8);
        writeOnce(spread, QDir(folder).filePath(QStringLiteral("3 Kaarten.pdf")));
        std::printf("written to %s\n", qPrintable(folder));
    }
    return 0;
}
