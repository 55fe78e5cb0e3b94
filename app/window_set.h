#pragma once

namespace tessaly {

class TForm1;
class TVerleden;
class THelpInfo;
class TForm2;
class TForm3;
class TForm4;
class TAnalyseBox;
class TBewerk;
class TSelectie;
class TForm5;
class TForm6;
class TForm7;
class TForm8;
class TKansAnalyse;

// The windows: created once, in this order, and alive until the program
// ends, so any window may reach any other directly.
struct WindowSet
{
    TForm1 *Form1 = nullptr;
    TVerleden *Verleden = nullptr;
    THelpInfo *HelpInfo = nullptr;
    TForm2 *Form2 = nullptr;
    TForm3 *Form3 = nullptr;
    TForm4 *Form4 = nullptr;
    TAnalyseBox *AnalyseBox = nullptr;
    TBewerk *Bewerk = nullptr;
    TSelectie *Selectie = nullptr;
    TForm5 *Form5 = nullptr;
    TForm6 *Form6 = nullptr;
    TForm7 *Form7 = nullptr;
    TForm8 *Form8 = nullptr;
    TKansAnalyse *KansAnalyse = nullptr;
};

const WindowSet &Windows();

// Creates the windows in order (the main window's FormCreate runs first).
void CreateWindows();
// Destroys them in reverse order; tests create a fresh set per case.
void DestroyWindows();

} // namespace tessaly
