// Times the list window on a long journal: bench_list_window [ENTRIES].
// Prints how long saving (list hidden and open), opening the list, filtering
// by kind, deleting one entry, editing a remark and the duplicate search
// take, and the peak memory with the list open, measured in fresh processes
// with and without the journal.

#include "app/main_window.h"
#include "app/shared_state.h"
#include "app/startup.h"
#include "app/text_file.h"
#include "app/window_set.h"
#include "literal_duplicates.h"
#include "program_fixture.h"
#include "saved/list_window.h"
#include "saved/saved_list.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QListView>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>

#include <cstdio>
#include <cstring>
#include <malloc.h>
#include <sys/resource.h>

using namespace tessaly;

namespace {

// In a fresh process: the program started in the folder, the list opened;
// prints the peak resident memory and the heap in use, both in kB.
int memoryChild(int argc, char **argv)
{
    QApplication app(argc, argv);
    QDir::setCurrent(QString::fromLocal8Bit(argv[2]));
    StartProgram(app);
    app.processEvents();
    Windows().Verleden->OpenAllKinds();
    app.processEvents();
    struct rusage usage;
    getrusage(RUSAGE_SELF, &usage);
    std::printf("%ld %zu\n", usage.ru_maxrss, mallinfo2().uordblks / 1024);
    std::fflush(stdout);
    std::_Exit(0);
}

struct Memory
{
    double peak = 0; // MB
    double heap = 0;
};

Memory memoryWithListOpen(const QString &folder)
{
    QProcess process;
    process.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--memory"), folder});
    process.waitForFinished(60000);
    const QList<QByteArray> figures = process.readAll().trimmed().split(' ');
    if (figures.size() != 2)
        return {};
    return {figures[0].toLong() / 1024.0, figures[1].toLong() / 1024.0};
}

} // namespace

int main(int argc, char **argv)
{
    if (argc > 2 && std::strcmp(argv[1], "--memory") == 0)
        return memoryChild(argc, argv);
    QApplication app(argc, argv);
    const int entries = argc > 1 ? atoi(argv[1]) : 100000;
    const QStringList journal = GeneratedJournal(entries, 99);
    ProgramFixture program;
    program.write(ListFile, journal);
    TVerleden *list = Windows().Verleden;
    TForm1 *main = Windows().Form1;
    QElapsedTimer timer;
    auto report = [&](const char *what) {
        std::printf("%-28s %8.1f ms\n", what, timer.nsecsElapsed() / 1e6);
        timer.restart();
    };
    auto save = [&] {
        Shared().SpreadSaved = false;
        program.platform().inputAnswers = {QStringLiteral("bench")};
        timer.restart();
        main->btBewaren->click();
    };
    save();
    report("save, list hidden");
    list->OpenAllKinds();
    report("open list (End key)");
    list->cbDrieK->setChecked(false);
    report("untick three-card");
    list->cbDrieK->setChecked(true);
    report("tick three-card again");
    save();
    report("save, list open");
    list->selectRow(entries / 2);
    program.platform().confirmAnswers = {true};
    timer.restart();
    list->btWisSel->click();
    report("delete one entry");
    list->selectRow(entries / 3);
    program.platform().inputAnswers = {QStringLiteral("andere opmerking")};
    list->btBewerk->click();
    report("edit remark");
    list->btDubbel->click();
    report("duplicate search");
    std::printf("%d entries, %lld rows after the search\n", entries, (long long)list->rows().size());
    if (!program.platform().messages.isEmpty())
        std::printf("messages: %s\n", qPrintable(program.platform().messages.join(QStringLiteral(" | "))));

    QTemporaryDir empty;
    QTemporaryDir full;
    WriteLines(QDir(full.path()).filePath(ListFile), journal);
    const double size = QFileInfo(QDir(full.path()).filePath(ListFile)).size() / 1048576.0;
    const Memory without = memoryWithListOpen(empty.path());
    const Memory with = memoryWithListOpen(full.path());
    std::printf("memory with the list open, journal of %.1f MB:\n", size);
    std::printf("  peak resident %7.1f MB without, %7.1f MB with: %.1f x the file size more\n", without.peak,
                with.peak, (with.peak - without.peak) / size);
    std::printf("  heap in use   %7.1f MB without, %7.1f MB with: %.1f x the file size more\n", without.heap,
                with.heap, (with.heap - without.heap) / size);
    return 0;
}
