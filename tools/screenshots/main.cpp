// Renders every window with fixed cards into PNG files, for the README and
// the AppStream description. Run through tools/screenshots.sh.

#include "app/help_window.h"
#include "app/main_window.h"
#include "app/shared_state.h"
#include "app/startup.h"
#include "app/text_file.h"
#include "app/window_set.h"
#include "combos/combination_window.h"
#include "saved/analysis_window.h"
#include "saved/edit_window.h"
#include "saved/list_window.h"
#include "saved/saved_list.h"
#include "saved/selection_window.h"
#include "scripted_platform.h"
#include "spreads/five_themes_window.h"
#include "spreads/line_of_five_window.h"
#include "spreads/nine_card_window.h"
#include "spreads/three_card_window.h"
#include "tableau/grand_tableau_window.h"
#include "tableau/tableau_list_window.h"
#include "tableau/techniques_window.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QListView>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>

using namespace tessaly;

namespace {

const QStringList Journal = {
    QStringLiteral("14.sep.26 (Ruiter, Klaverblad, Schip) / 01 02 03"),
    QStringLiteral("02.okt.26 *(werk (nieuw)) / 07 01 02 03 09"),
    QStringLiteral("19.okt.26 (Huis, Boom, Wolken) / 04 05 06"),
    QStringLiteral("03.nov.26 #(verhuizing) / 06 04 07 10 11 12 08 05 09"),
    QStringLiteral("21.nov.26 (Brief, Heer, Dame) / 27 28 29"),
    QStringLiteral("01.dec.26 *(familie) / 24 05 16 30 33"),
    QStringLiteral("05.dec.26 (Hart, Ring, Boek) / 24 25 26"),
    QStringLiteral("08.dec.26 (Boom, Sterren, Sleutel) / 05 16 33"),
};

void fill(const QList<QLineEdit *> &edits, const QList<int> &cards)
{
    for (int i = 0; i < edits.size(); ++i)
        edits[i]->setText(QStringLiteral("%1").arg(cards[i], 2, 10, QChar(u'0')));
}

class Shooter
{
public:
    explicit Shooter(QString folder)
        : m_folder(std::move(folder))
    {
    }

    bool take(QWidget *window, const QString &name)
    {
        window->show();
        window->raise();
        if (!QTest::qWaitForWindowExposed(window))
            return false;
        QTest::qWait(100);
        const QString path = m_folder + u'/' + name + QStringLiteral(".png");
        if (!window->grab().save(path)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return false;
        }
        std::printf("%s\n", qPrintable(path));
        return true;
    }

private:
    QString m_folder;
};

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const QString folder =
        QDir(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs/screenshots")).absolutePath();
    QDir().mkpath(folder);
    QTemporaryDir work;
    QDir::setCurrent(work.path());
    ScriptedPlatform platform;
    WriteLines(ListFile, Journal);
    StartProgram(app);
    const WindowSet &w = Windows();
    Shooter shot(folder);
    bool ok = true;

    ok &= shot.take(w.Form1, QStringLiteral("main"));

    w.Form4->show();
    fill({w.Form4->Edit(1), w.Form4->Edit(2), w.Form4->Edit(3)}, {5, 16, 24});
    ok &= shot.take(w.Form4, QStringLiteral("three_cards"));
    w.Form4->hide();

    w.Form2->show();
    fill({w.Form2->Edit(1), w.Form2->Edit(2), w.Form2->Edit(3), w.Form2->Edit(4), w.Form2->Edit(5)},
         {24, 5, 16, 33, 30});
    if (!Shared().LineExpanded)
        w.Form2->ToggleExtras();
    ok &= shot.take(w.Form2, QStringLiteral("line_of_five"));
    w.Form6->ThemeLines();
    ok &= shot.take(w.Form6, QStringLiteral("five_themes"));
    w.Form6->hide();
    w.Form2->hide();

    w.Form3->show();
    QList<QLineEdit *> nine;
    for (int i = 1; i <= 9; ++i)
        nine << w.Form3->Edit(i);
    fill(nine, {6, 4, 7, 10, 11, 12, 8, 5, 9});
    ok &= shot.take(w.Form3, QStringLiteral("nine_cards"));
    w.Form3->hide();

    w.Form7->show();
    w.Form7->RandomTableau();
    ok &= shot.take(w.Form7, QStringLiteral("grand_tableau"));
    w.Form7->Technieken->ShowBeside();
    // The card in the middle of the grid shows every technique.
    w.Form7->Technieken->SetSignificator(w.Form7->TableauCards[20]);
    ok &= shot.take(w.Form7->Technieken, QStringLiteral("techniques"));
    ok &= shot.take(w.Form7, QStringLiteral("techniques_frames"));
    w.Form7->Technieken->close();
    platform.confirmAnswers << true << true;
    w.Form7->SaveTableau();
    w.Form7->RandomTableau();
    w.Form7->SaveTableau();
    w.Form7->hide();
    w.Form8->ShowList();
    ok &= shot.take(w.Form8, QStringLiteral("tableau_list"));
    w.Form8->hide();

    w.Form5->LookUpCards(QStringLiteral("05"), QStringLiteral("16"));
    ok &= shot.take(w.Form5, QStringLiteral("combinations"));
    w.Form5->hide();

    w.Verleden->RefreshList();
    ok &= shot.take(w.Verleden, QStringLiteral("journal"));

    w.AnalyseBox->show();
    QListView *counts = w.AnalyseBox->lbAnalyse;
    counts->setCurrentIndex(counts->model()->index(counts->model()->rowCount() - 1, 0));
    ok &= shot.take(w.AnalyseBox, QStringLiteral("analysis"));
    w.AnalyseBox->btSelectClick();
    ok &= shot.take(w.Selectie, QStringLiteral("selection"));
    w.Selectie->hide();
    w.AnalyseBox->hide();

    ok &= shot.take(w.Bewerk, QStringLiteral("edit"));
    w.Bewerk->hide();
    w.Verleden->hide();

    ok &= shot.take(w.HelpInfo, QStringLiteral("help"));

    if (!platform.messages.isEmpty())
        std::fprintf(stderr, "messages: %s\n", qPrintable(platform.messages.join(QStringLiteral(" | "))));
    DestroyWindows();
    return ok ? 0 : 1;
}
