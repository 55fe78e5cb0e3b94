// Times the list views on lists that are one line of 20 MB, as a damaged or
// foreign file can be: bench_giant_line [MEGABYTES]. Prints how long opening
// and drawing the journal list, the extended edit window, the selection
// window and the Grand Tableau list take, and a save into each list, and the
// peak memory.

#include "app/main_window.h"
#include "app/shared_state.h"
#include "app/window_set.h"
#include "program_fixture.h"
#include "saved/edit_window.h"
#include "saved/list_window.h"
#include "saved/saved_list.h"
#include "saved/selection_window.h"
#include "tableau/grand_tableau_window.h"
#include "tableau/tableau_list_window.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QListView>
#include <QPushButton>

#include <cstdio>
#include <sys/resource.h>

using namespace tessaly;

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const qsizetype size = qsizetype(argc > 1 ? atoi(argv[1]) : 20) * 1024 * 1024;
    ProgramFixture program;
    // A journal entry with a remark of megabytes, holding card 5 in 2021.
    const QString entry =
        QStringLiteral("01.jan.21 (") + QString(size - 23, u'x') + QStringLiteral(") / 05 06 07");
    program.write(ListFile, {entry});
    QString layout = QStringLiteral("01.jan.21 : ");
    for (int p = 1; p <= 36; ++p)
        layout += QStringLiteral("%1,").arg(p, 2, 10, QLatin1Char('0'));
    program.write(TableauListFile, {layout + QString(size - layout.size(), u'7')});
    std::printf("one line of %.1f MB in %s and in %s\n", QFileInfo(ListFile).size() / 1048576.0,
                qPrintable(ListFile), qPrintable(TableauListFile));

    QElapsedTimer timer;
    auto report = [&](const char *what) {
        std::printf("%-34s %8.1f ms\n", what, timer.nsecsElapsed() / 1e6);
        timer.restart();
    };
    // Shown and drawn, as the person sees it.
    auto draw = [](QWidget *window) {
        QCoreApplication::processEvents();
        window->grab();
    };
    ScriptedPlatform &platform = program.platform();

    timer.start();
    Windows().Verleden->OpenAllKinds();
    draw(Windows().Verleden);
    report("journal list, open");
    Shared().SpreadSaved = false;
    platform.inputAnswers = {QStringLiteral("bench")};
    timer.restart();
    Windows().Form1->btBewaren->click();
    draw(Windows().Verleden);
    report("journal save, list open");
    Windows().Verleden->btBewHerst->click();
    draw(Windows().Bewerk);
    report("extended edit window, open");
    Windows().Bewerk->close();
    TSelectie *selection = Windows().Selectie;
    selection->SelectionCardNo = QStringLiteral("05");
    selection->SelectionCardText = QStringLiteral("5) Boom");
    selection->SelectionYear = QStringLiteral("21");
    timer.restart();
    selection->show();
    draw(selection);
    report("selection window, open");
    selection->hide();

    TForm7 *tableau = Windows().Form7;
    TForm8 *tableauList = Windows().Form8;
    tableau->show();
    draw(tableau);
    timer.restart();
    tableauList->ShowList();
    draw(tableauList);
    report("Grand Tableau list, open");
    platform.confirmAnswers = {true};
    tableau->btBewGT->click();
    draw(tableauList);
    report("Grand Tableau save, list open");
    tableauList->selectRow(0);
    tableauList->btOpen->click();
    draw(tableau);
    report("Grand Tableau, open the line");

    struct rusage usage;
    getrusage(RUSAGE_SELF, &usage);
    std::printf("peak resident %.0f MB\n", usage.ru_maxrss / 1024.0);
    if (!platform.messages.isEmpty())
        std::printf("messages: %s\n", qPrintable(platform.messages.join(QStringLiteral(" | "))));
    return 0;
}
