// Times the analysis, selection and edit windows on a long journal:
// bench_journal_windows [ENTRIES]. Prints how long counting all years, one
// year, filling the selection and opening the edit window take.

#include "app/window_set.h"
#include "literal_duplicates.h"
#include "program_fixture.h"
#include "saved/analysis_window.h"
#include "saved/edit_window.h"
#include "saved/saved_list.h"
#include "saved/selection_window.h"

#include <QApplication>
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
    TAnalyseBox *analysis = Windows().AnalyseBox;
    TSelectie *selection = Windows().Selectie;
    QElapsedTimer timer;
    auto report = [&](const char *what) {
        std::printf("%-28s %8.1f ms\n", what, timer.nsecsElapsed() / 1e6);
        timer.restart();
    };
    timer.start();
    analysis->show();
    report("analysis, all years");
    program.platform().inputAnswers = {QStringLiteral("2026")};
    analysis->btFilter->click();
    report("analysis, one year");
    analysis->btLess->click();
    report("analysis, year stepped");
    analysis->btReset->click();
    report("analysis, back to all");
    analysis->lbAnalyse->setCurrentIndex(analysis->lbAnalyse->model()->index(35, 0));
    timer.restart();
    analysis->btSelect->click();
    report("selection fill");
    const qsizetype selected = selection->rows().size();
    analysis->close();
    timer.restart();
    Windows().Bewerk->show();
    report("edit window open");
    std::printf("%d entries, %lld selected, %lld rows in the edit window\n", entries, (long long)selected,
                (long long)Windows().Bewerk->rows().size());
    return 0;
}
