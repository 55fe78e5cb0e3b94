#pragma once

#include "catalogue/card_slots.h"

#include <QDateTime>
#include <QString>

#include <array>

namespace tessaly {

// The one record through which the windows hand cards and save data to each
// other. Arrays are indexed from 1 as the windows number their slots; entry 0
// is unused.
struct SharedState
{
    // Pending hand-over between spread windows: 3, 4, 5, 8 or 9.
    int LastSpreadKind = 0;
    std::array<CardNumber, 11> MainSlotCards{};
    KeywordChoice CurrentKeywords{};
    bool SpreadSaved = false;
    bool CarrySaved = false;
    bool AlsoDayList = false;
    bool ThreeFromMain = false;
    CardNumber NineSumCard = 0;
    QDateTime CopyDate;

    // The entry being saved.
    QString SaveDate;
    QString SaveRemark;
    QString SaveRemarkParen;
    QString SaveLine;
    std::array<QString, 10> SaveCards{};

    // Shared by the line of five and the nine-card window.
    bool LineToNineCross = false;
    bool LineToNineSquare = false;
    bool NineWasSquare = false;
    QString NineCardsText;
    QString LineCardsText;
    bool LineExpanded = false;
    std::array<CardNumber, 10> LineCards{};
    int LineOrderIndex = 0;
    int NineCardOrderIndex = 1;

    // Shared with the combination window.
    QString CurrentPairKey;
    int CardTextTarget = 0;
    int PairPickToA = 0;
    int PairPickToB = 0;
};

// The process-wide instance.
SharedState &Shared();

} // namespace tessaly
