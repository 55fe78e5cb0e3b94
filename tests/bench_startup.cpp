// Times the start-up until the main window is on screen: bench_startup [RUNS].
// Starts the program in a fresh process in an empty folder, in a folder with
// a 100,000-entry journal, and, for comparison, a Qt window with one label
// and an empty one, in turns, and prints the median of each. Headless unless QT_QPA_PLATFORM says else.

#include "app/main_window.h"
#include "app/startup.h"
#include "app/text_file.h"
#include "app/window_set.h"
#include "bench_timing.h"
#include "literal_duplicates.h"
#include "saved/saved_list.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QLockFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <sys/resource.h>
#include <vector>

using namespace tessaly;

namespace {

// In the child: what main() does, up to the window being exposed.
int child(int argc, char **argv)
{
    QApplication app(argc, argv);
    QWidget *shown = nullptr;
    QScopedPointer<QWidget> empty;
    QLockFile lock(QString::fromLatin1(DirectoryLockName));
    if (std::strcmp(argv[1], "--window") == 0 || std::strcmp(argv[1], "--label") == 0) {
        empty.reset(new QWidget);
        empty->resize(440, 687);
        // One line of text: the first text of any window loads the font set-up.
        if (std::strcmp(argv[1], "--label") == 0)
            (new QLabel(QStringLiteral("Tessaly Studie"), empty.data()))->move(8, 8);
        empty->show();
        shown = empty.data();
    } else {
        QDir::setCurrent(QString::fromLocal8Bit(argv[2]));
        if (!LockWorkingDirectory(lock))
            return 1;
        RemoveLeftoverTemporaryFiles();
        StartProgram(app);
        shown = Windows().Form1;
    }
    if (!QTest::qWaitForWindowExposed(shown))
        return 1;
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const double cpuMs = (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3 +
                         (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
    // A program that ends normally leaves no lock; the next run must not
    // find a stale one to take over, which a user's start never does.
    lock.unlock();
    std::printf("shown %.3f\n", cpuMs);
    std::fflush(stdout);
    std::_Exit(0);
}

struct Times
{
    double wallMs = -1;
    double cpuMs = -1;
};

Times startOnce(const QStringList &arguments)
{
    QProcess process;
    QElapsedTimer timer;
    timer.start();
    process.start(QCoreApplication::applicationFilePath(), arguments);
    while (!process.canReadLine() && process.waitForReadyRead(30000)) {
    }
    const double ms = timer.nsecsElapsed() / 1e6;
    process.waitForFinished(30000);
    const QList<QByteArray> words = process.readLine().trimmed().split(' ');
    if (words.size() != 2 || words[0] != "shown")
        return {};
    return {ms, words[1].toDouble()};
}

} // namespace

int main(int argc, char **argv)
{
    if (argc > 1 && argv[1][0] == '-' && argv[1][1] == '-')
        return child(argc, argv);
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? atoi(argv[1]) : 11;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir empty;
    QTemporaryDir journal;
    const QString list = QDir(journal.path()).filePath(ListFile);
    WriteLines(list, GeneratedJournal(100000, 99));

    const std::vector<std::pair<const char *, QStringList>> cases = {
        {"program, no journal", {QStringLiteral("--program"), empty.path()}},
        {"program, 100,000 entries", {QStringLiteral("--program"), journal.path()}},
        {"Qt window with one label", {QStringLiteral("--label")}},
        {"empty Qt window", {QStringLiteral("--window")}},
    };
    std::vector<std::vector<double>> wall(cases.size());
    std::vector<std::vector<double>> cpu(cases.size());
    for (int run = 0; run < runs; ++run)
        for (std::size_t c = 0; c < cases.size(); ++c) {
            const Times times = startOnce(cases[c].second);
            wall[c].push_back(times.wallMs);
            cpu[c].push_back(times.cpuMs);
        }
    std::printf("start-up until the main window is exposed, median of %d (journal %.1f MB)\n", runs,
                QFileInfo(list).size() / 1e6);
    std::printf("%-28s %10s %8s %10s %8s\n", "", "wall", "ratio", "CPU", "ratio");
    // Ratios are to the empty window, the last case.
    const double emptyWall = Median(wall.back());
    const double emptyCpu = Median(cpu.back());
    for (std::size_t c = 0; c < cases.size(); ++c)
        std::printf("%-28s %7.1f ms %7.2fx %7.1f ms %7.2fx\n", cases[c].first, Median(wall[c]),
                    Median(wall[c]) / emptyWall, Median(cpu[c]), Median(cpu[c]) / emptyCpu);
    return 0;
}
