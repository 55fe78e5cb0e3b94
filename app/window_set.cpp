#include "app/window_set.h"

#include "app/help_window.h"
#include "app/main_window.h"
#include "combos/combination_window.h"
#include "saved/analysis_window.h"
#include "saved/chance_window.h"
#include "saved/edit_window.h"
#include "saved/list_window.h"
#include "saved/selection_window.h"
#include "spreads/five_themes_window.h"
#include "spreads/line_of_five_window.h"
#include "spreads/nine_card_window.h"
#include "spreads/three_card_window.h"
#include "tableau/grand_tableau_window.h"
#include "tableau/tableau_list_window.h"

namespace tessaly {

namespace {
WindowSet windowSet;
}

const WindowSet &Windows()
{
    return windowSet;
}

void CreateWindows()
{
    windowSet.Form1 = new TForm1;
    windowSet.Verleden = new TVerleden;
    windowSet.HelpInfo = new THelpInfo;
    windowSet.Form2 = new TForm2;
    windowSet.Form3 = new TForm3;
    windowSet.Form4 = new TForm4;
    windowSet.AnalyseBox = new TAnalyseBox;
    windowSet.Bewerk = new TBewerk;
    windowSet.Selectie = new TSelectie;
    windowSet.Form5 = new TForm5;
    windowSet.Form6 = new TForm6;
    windowSet.Form7 = new TForm7;
    windowSet.Form8 = new TForm8;
    windowSet.KansAnalyse = new TKansAnalyse;
}

void DestroyWindows()
{
    WindowSet old = windowSet;
    windowSet = WindowSet();
    delete old.KansAnalyse;
    delete old.Form8;
    delete old.Form7;
    delete old.Form6;
    delete old.Form5;
    delete old.Selectie;
    delete old.Bewerk;
    delete old.AnalyseBox;
    delete old.Form4;
    delete old.Form3;
    delete old.Form2;
    delete old.HelpInfo;
    delete old.Verleden;
    delete old.Form1;
}

} // namespace tessaly
