#include "saved/save_spread.h"

#include "app/dutch_date.h"
#include "app/main_window.h"
#include "app/platform.h"
#include "app/shared_state.h"
#include "app/text_file.h"
#include "app/window_set.h"
#include "saved/list_window.h"
#include "saved/saved_list.h"
#include "spreads/line_of_five_window.h"
#include "spreads/nine_card_window.h"
#include "spreads/three_card_window.h"

#include <optional>

namespace tessaly {

namespace {

// Asks for the remark until it is acceptable; nullopt on Cancel.
std::optional<QString> askRemark(QString remark)
{
    Platform &platform = Platform::instance();
    for (;;) {
        const std::optional<QString> answer =
            platform.input(QStringLiteral("Bewaren in Orvalis.txt?"),
                           QStringLiteral("Max 90 tekens\rZonder: *, #, /"), remark);
        if (!answer)
            return std::nullopt;
        remark = answer->left(MaxRemarkLength);
        if (HasForbiddenRemarkCharacter(remark)) {
            platform.message(QStringLiteral("Niet toegestaan getal of teken: * , # , /"));
            continue;
        }
        // A line break or a character outside Windows-1252 would corrupt the
        // list; offered again like the forbidden characters.
        if (const QString bad = UnstorableCharacters(remark); !bad.isEmpty()) {
            platform.message(QStringLiteral("Deze tekens kunnen niet bewaard worden: ") + bad);
            continue;
        }
        return remark;
    }
}

QStringList cards(int from, int count)
{
    return QStringList(std::begin(Shared().SaveCards) + from, std::begin(Shared().SaveCards) + from + count);
}

} // namespace

void ShowAlreadySaved()
{
    Platform::instance().message(QStringLiteral("   Legging is al Bewaard!"));
}

void SaveSpread()
{
    SharedState &shared = Shared();
    const WindowSet &windows = Windows();
    BusyCursor busy;
    if (shared.SpreadSaved)
        return;
    const std::optional<QString> remark = askRemark(shared.SaveRemark);
    if (!remark)
        return;

    const bool nineShown = windows.Form3 && windows.Form3->isVisible();
    const bool lineShown = windows.Form2 && windows.Form2->isVisible();
    shared.SaveRemark = *remark;
    shared.SaveDate = FileDate(Platform::instance().now().date());
    shared.SaveRemarkParen = u'(' + *remark + u')';
    SpreadKind kind = SpreadKind::Three;
    if (lineShown)
        kind = shared.LineExpanded ? SpreadKind::Nine : SpreadKind::Five;
    if (nineShown)
        kind = SpreadKind::Nine;
    shared.SaveLine = EntryLine(shared.SaveDate, kind, *remark, cards(1, 9));

    // The middle row of a square, else the first three cards.
    QString dayLine;
    const bool mainOrThree =
        (windows.Form1 && windows.Form1->isVisible()) || (windows.Form4 && windows.Form4->isVisible());
    if ((nineShown && shared.AlsoDayList) || (!nineShown && lineShown && shared.LineExpanded))
        dayLine = DayCardLine(shared.SaveDate, *remark, cards(4, 3));
    else if ((!nineShown && lineShown) || mainOrThree)
        dayLine = DayCardLine(shared.SaveDate, *remark, cards(1, 3));

    if (!windows.Verleden->AppendEntry(shared.SaveLine))
        return;

    shared.SpreadSaved = true;
    shared.CarrySaved = true;
    if (shared.AlsoDayList) {
        QString error;
        LineFile dayList(DayCardFile);
        if (!dayList.append(dayLine, &error))
            Platform::instance().message(error);
    }

    if (windows.Verleden && windows.Verleden->isVisible())
        windows.Verleden->RefreshList();
}

} // namespace tessaly
