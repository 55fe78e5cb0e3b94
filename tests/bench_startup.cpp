// Times the start-up until the main window is on screen: bench_startup [RUNS].
// Starts the program in a fresh process in an empty folder, in a folder with
// a 100,000-entry journal, and an empty Qt window for comparison, in turns,
// and prints the median of each. Headless unless QT_QPA_PLATFORM says else.

#include "app/main_window.h"
#include "app/startup.h"
#include "app/text_file.h"
#include "app/window_set.h"
#include "literal_duplicates.h"
#include "saved/saved_list.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLockFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <cstring>
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
    if (std::strcmp(argv[1], "--window") == 0) {
        empty.reset(new QWidget);
        empty->resize(440, 687);
        empty->show();
        shown = empty.data();
    } else {
        QDir::setCurrent(QString::fromLocal8Bit(argv[2]));
        if (!LockWorkingDirectory(lock))
            return 1;
        StartProgram(app);
        shown = Windows().Form1;
    }
    if (!QTest::qWaitForWindowExposed(shown))
        return 1;
    std::puts("shown");
    std::fflush(stdout);
    std::_Exit(0);
}

double startOnce(const QStringList &arguments)
{
    QProcess process;
    QElapsedTimer timer;
    timer.start();
    process.start(QCoreApplication::applicationFilePath(), arguments);
    while (!process.canReadLine() && process.waitForReadyRead(30000)) {
    }
    const double ms = timer.nsecsElapsed() / 1e6;
    process.waitForFinished(30000);
    return process.readLine().trimmed() == "shown" ? ms : -1;
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
        {"empty Qt window", {QStringLiteral("--window")}},
    };
    std::vector<std::vector<double>> times(cases.size());
    for (int run = 0; run < runs; ++run)
        for (std::size_t c = 0; c < cases.size(); ++c)
            times[c].push_back(startOnce(cases[c].second));
    std::printf("start-up until the main window is exposed, median of %d (journal %.1f MB)\n", runs,
                QFileInfo(list).size() / 1e6);
    for (std::size_t c = 0; c < cases.size(); ++c) {
        std::sort(times[c].begin(), times[c].end());
        std::printf("%-28s %8.1f ms\n", cases[c].first, times[c][times[c].size() / 2]);
    }
    return 0;
}
