// Times the list window on a long journal: bench_list_window [ENTRIES].
// Prints how long opening the list, filtering by kind, deleting one entry
// and the duplicate search take.

#include "app/window_set.h"
#include "literal_duplicates.h"
#include "program_fixture.h"
#include "saved/list_window.h"
#include "saved/saved_list.h"

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QListView>
#include <QPushButton>

#include <cstdio>

using namespace tessaly;

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const int entries = argc > 1 ? atoi(argv[1]) : 100000;
    ProgramFixture program;
    program.write(ListFile, GeneratedJournal(entries, 99));
    TVerleden *list = Windows().Verleden;
    QElapsedTimer timer;
    auto report = [&](const char *what) {
        std::printf("%-28s %8.1f ms\n", what, timer.nsecsElapsed() / 1e6);
        timer.restart();
    };
    timer.start();
    list->OpenAllKinds();
    report("open list (End key)");
    list->cbDrieK->setChecked(false);
    report("untick three-card");
    list->cbDrieK->setChecked(true);
    report("tick three-card again");
    list->selectRow(entries / 2);
    program.platform().confirmAnswers = {true};
    list->btWisSel->click();
    report("delete one entry");
    list->btDubbel->click();
    report("duplicate search");
    std::printf("%d entries, %lld rows after the search\n", entries, (long long)list->rows().size());
    return 0;
}
