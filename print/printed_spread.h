#pragma once

#include "catalogue/catalogue.h"
#include "spreads/nine_card_spread.h"
#include "tableau/tableau_techniques.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

#include <array>

namespace tessaly {

// One card of a printed spread where the window lays it: column and row
// count in card places, so half a place sets a card between two above it.
struct PrintedCard
{
    CardNumber card = 0; // 0 is the card back
    double column = 0;
    double row = 0;
    QString title;
    // The second line under the picture: keyword, label or position theme.
    QString caption;
    // An empty place that shows no picture on screen, only its outline.
    bool blank = false;
};

// A piece of the reading that a page never splits.
struct ReadingBlock
{
    QString heading;
    // In italics under the heading: a pair's short text.
    QString lead;
    QStringList paragraphs;
};

// What "Afdrukken" and "PDF" put on paper: the header facts, the cards as on
// screen with the lines under them, then the reading in the window's order.
struct PrintedSpread
{
    QString kind;
    QDate date;
    QString remark;
    QList<PrintedCard> cards;
    QStringList notes;
    // The reading starts on a page of its own (the Grand Tableau).
    bool readingOnNewPage = false;
    QList<ReadingBlock> reading;
};

// "8 december 2026".
QString LongDutchDate(const QDate &date);
// "3 Kaarten – 8 december 2026", the title in the PDF's properties.
QString DocumentTitle(const PrintedSpread &spread);
// The header of every page: program, kind, date and remark.
QString HeaderLine(const PrintedSpread &spread);
// "<folder>/<kind> <yyyy-mm-dd>.pdf".
QString ProposedPdfPath(const QString &folder, const PrintedSpread &spread);

// Where the date and remark come from: the journal line of the spread on
// screen while it is saved (saved or opened), else today without a remark.
struct SpreadOrigin
{
    QDate date;
    QString remark;
};
SpreadOrigin OriginOf(bool saved, const QString &savedLine, const QDate &today);

// The line under a card's title: the label as the window shows it, or the
// card's keyword where the label is empty or repeats the title.
QString CardCaption(CardNumber card, const QString &label, const QString &keyword);

// A slot as a window shows it.
struct SlotView
{
    CardNumber card = 0;
    QString caption;
};

// The daily pyramid (views 1..10 are entries 0..9), or the triangle of six.
PrintedSpread DailySpreadPrint(const std::array<SlotView, 10> &views, bool triangle, CardNumber magicCard);
PrintedSpread ThreeCardPrint(const std::array<SlotView, 3> &views, CardNumber result);
// The line (entries 0..4) and, when expanded, the extra cards (5..8).
PrintedSpread LineOfFivePrint(const std::array<SlotView, 9> &views, bool expanded, CardNumber result);
// Slots 1..9 are entries 0..8; only those the layout shows are printed.
PrintedSpread NineCardPrint(const std::array<SlotView, 9> &views, NineLayout layout, CardNumber total);
// Positions 1..36; 0 is an empty place.
PrintedSpread TableauPrint(const std::array<CardNumber, 37> &positions);
// The tableau read by its techniques for a significator, before the
// positions are read one by one.
PrintedSpread WithTechniques(PrintedSpread spread, const TechniquesReading &reading);
// The tableau's date: the one it was saved under while it lies as saved
// ("08.dec.26"), else today.
QDate TableauDate(const QString &savedDate, const QDate &today);
// Cards A and B with their pair, and the short texts as the window lists
// them when they hold more than this pair's.
PrintedSpread CombinationPrint(CardNumber a, CardNumber b, const QString &shortTexts);

} // namespace tessaly
