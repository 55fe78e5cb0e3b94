#include "print/printed_spread.h"

#include "app/copy_texts.h"
#include "app/dutch_date.h"
#include "saved/saved_list.h"

#include <QDir>
#include <QHash>

#include <utility>

namespace tessaly {

namespace {

const QString Dash = QStringLiteral(" – ");

QString placeWord(const QStringList &places)
{
    return (places.size() > 1 ? QStringLiteral("Kaarten ") : QStringLiteral("Kaart ")) + JoinDutch(places);
}

// The embedded texts break their lines for a narrow list box; on paper they
// run on as one paragraph.
QString flowing(const QStringList &lines)
{
    QStringList words;
    for (const QString &line : lines)
        if (!line.trimmed().isEmpty())
            words.append(line.trimmed());
    return words.join(u' ');
}

QStringList descriptionBody(CardNumber card)
{
    return {flowing(LoadCardText(card).mid(1))};
}

// The long text between its header line and the closing "---".
QStringList longPairBody(int pair)
{
    const QStringList lines = LoadPairText(pair + FirstPairTextResource - 1);
    QStringList body;
    for (qsizetype i = 1; i < lines.size() && lines[i].trimmed() != QStringLiteral("---"); ++i)
        body.append(lines[i]);
    return {flowing(body)};
}

QString pairNames(CardNumber a, CardNumber b)
{
    return CardName(a) + QStringLiteral(" + ") + CardName(b);
}

// The reading of a spread: each card's description once, in the order the
// cards are read, then each pair once, in the order the pairs are read.
class Reading
{
public:
    void card(CardNumber card, const QString &place)
    {
        if (card < 1 || card > CardCount)
            return;
        if (!m_cardPlaces.contains(card))
            m_cards.append(card);
        m_cardPlaces[card].append(place);
    }

    void pair(CardNumber a, CardNumber b, const QString &place)
    {
        if (a < 1 || a > CardCount || b < 1 || b > CardCount || a == b)
            return;
        const int index = PairIndexOf(a, b);
        if (!m_pairPlaces.contains(index))
            m_pairs.append(index);
        m_pairPlaces[index].append(place);
    }

    QList<ReadingBlock> blocks() const
    {
        QList<ReadingBlock> blocks;
        for (const CardNumber card : m_cards)
            blocks.append({placeWord(m_cardPlaces[card]) + QStringLiteral(": ") + CardTitle(card), QString(),
                           descriptionBody(card)});
        for (const int index : m_pairs) {
            const auto [a, b] = PairCards(index);
            blocks.append({placeWord(m_pairPlaces[index]) + QStringLiteral(": ") + pairNames(a, b),
                           PairBareText(index), longPairBody(index)});
        }
        return blocks;
    }

private:
    QList<CardNumber> m_cards;
    QHash<CardNumber, QStringList> m_cardPlaces;
    QList<int> m_pairs;
    QHash<int, QStringList> m_pairPlaces;
};

PrintedCard placed(const SlotView &slot, double column, double row)
{
    return {slot.card, column, row, CardTitle(slot.card), slot.caption, false};
}

QString counted(const QString &what, CardNumber card)
{
    return what + QStringLiteral(": ") + CardTitle(card);
}

// Day, month and two-digit year of a journal line's "08.dec.26".
QDate journalDate(const QString &line)
{
    if (line.size() < 9 || line[2] != u'.' || line[6] != u'.')
        return {};
    const QString month = line.mid(3, 3);
    for (int m = 1; m <= 12; ++m)
        if (DutchMonth(m) == month)
            return QDate(2000 + line.mid(7, 2).toInt(), m, line.left(2).toInt());
    return {};
}

} // namespace

QString LongDutchDate(const QDate &date)
{
    static const std::array<const char *, 12> months = {"januari",   "februari", "maart",    "april",
                                                        "mei",       "juni",     "juli",     "augustus",
                                                        "september", "oktober",  "november", "december"};
    if (!date.isValid())
        return {};
    return QStringLiteral("%1 %2 %3")
        .arg(date.day())
        .arg(QLatin1String(months[size_t(date.month() - 1)]))
        .arg(date.year());
}

QString DocumentTitle(const PrintedSpread &spread)
{
    return spread.kind + Dash + LongDutchDate(spread.date);
}

QString HeaderLine(const PrintedSpread &spread)
{
    QString line = QStringLiteral("Tessaly Studie") + Dash + DocumentTitle(spread);
    if (!spread.remark.trimmed().isEmpty())
        line += Dash + spread.remark.trimmed();
    return line;
}

QString ProposedPdfPath(const QString &folder, const PrintedSpread &spread)
{
    return QDir(folder).filePath(spread.kind + u' ' + spread.date.toString(QStringLiteral("yyyy-MM-dd")) +
                                 QStringLiteral(".pdf"));
}

SpreadOrigin OriginOf(bool saved, const QString &savedLine, const QDate &today)
{
    if (!saved)
        return {today, QString()};
    const QDate date = journalDate(savedLine);
    const std::optional<RemarkParts> parts = RemarkSplit(savedLine);
    if (!date.isValid() || !parts)
        return {today, QString()};
    // The list writes an empty remark as "(...)".
    return {date, parts->remark == QStringLiteral("...") ? QString() : parts->remark};
}

QString CardCaption(CardNumber card, const QString &label, const QString &keyword)
{
    if (label.isEmpty() || label == QStringLiteral("---") || label == CardTitle(card))
        return keyword;
    return label;
}

PrintedSpread DailySpreadPrint(const std::array<SlotView, 10> &views, bool triangle, CardNumber magicCard)
{
    struct Place
    {
        double column;
        double row;
    };
    static constexpr std::array<Place, 10> places = {
        {{0, 0}, {1, 0}, {2, 0}, {3, 0}, {0.5, 1}, {1.5, 1}, {2.5, 1}, {1, 2}, {2, 2}, {1.5, 3}}};
    static constexpr std::array<bool, 10> inTriangle = {true, true,  true, false, true,
                                                        true, false, true, false, false};
    PrintedSpread spread;
    spread.kind = QStringLiteral("Dagkaarten");
    Reading reading;
    for (int i = 0; i < 10; ++i) {
        if (triangle && !inTriangle[size_t(i)])
            continue;
        spread.cards.append(placed(views[size_t(i)], places[size_t(i)].column, places[size_t(i)].row));
        reading.card(views[size_t(i)].card, QString::number(i + 1));
    }
    // Each row is read along its neighbours, whose counted card lies below them.
    const QList<std::pair<int, int>> pairs =
        triangle ? QList<std::pair<int, int>>{{1, 2}, {2, 3}, {5, 6}}
                 : QList<std::pair<int, int>>{{1, 2}, {2, 3}, {5, 6}, {6, 7}, {8, 9}};
    for (const auto &[first, second] : pairs)
        reading.pair(views[size_t(first - 1)].card, views[size_t(second - 1)].card,
                     QStringLiteral("%1 + %2").arg(first).arg(second));
    spread.notes.append(counted(QStringLiteral("Magic Card"), magicCard));
    spread.reading = reading.blocks();
    return spread;
}

PrintedSpread ThreeCardPrint(const std::array<SlotView, 3> &views, CardNumber result)
{
    PrintedSpread spread;
    spread.kind = QStringLiteral("3 Kaarten");
    Reading reading;
    for (int i = 0; i < 3; ++i) {
        spread.cards.append(placed(views[size_t(i)], i, 0));
        reading.card(views[size_t(i)].card, QString::number(i + 1));
    }
    for (int i = 0; i < 2; ++i)
        reading.pair(views[size_t(i)].card, views[size_t(i + 1)].card,
                     QStringLiteral("%1 + %2").arg(i + 1).arg(i + 2));
    spread.notes.append(counted(QStringLiteral("Uitgeteld"), result));
    spread.reading = reading.blocks();
    return spread;
}

PrintedSpread LineOfFivePrint(const std::array<SlotView, 9> &views, bool expanded, CardNumber result)
{
    PrintedSpread spread;
    spread.kind = QStringLiteral("Lijn van 5");
    Reading reading;
    const int count = expanded ? 9 : 5;
    for (int i = 0; i < count; ++i) {
        // An extra card stands under the gap of the two line cards it is counted from.
        spread.cards.append(i < 5 ? placed(views[size_t(i)], i, 0)
                                  : placed(views[size_t(i)], i - 5 + 0.5, 1));
        reading.card(views[size_t(i)].card, QString::number(i + 1));
    }
    for (int i = 0; i + 1 < count; ++i)
        if (i != 4)
            reading.pair(views[size_t(i)].card, views[size_t(i + 1)].card,
                         QStringLiteral("%1 + %2").arg(i + 1).arg(i + 2));
    spread.notes.append(counted(QStringLiteral("Uitgeteld"), result));
    spread.reading = reading.blocks();
    return spread;
}

PrintedSpread NineCardPrint(const std::array<SlotView, 9> &views, NineLayout layout, CardNumber total)
{
    QList<int> shown;
    QList<std::pair<int, int>> pairs;
    switch (layout) {
    case NineLayout::Square:
        shown = {1, 2, 3, 4, 5, 6, 7, 8, 9};
        pairs = {{1, 2}, {2, 3}, {4, 5}, {5, 6}, {7, 8}, {8, 9}};
        break;
    case NineLayout::Plus:
        shown = {2, 4, 5, 6, 8};
        pairs = {{4, 5}, {5, 6}, {2, 5}, {5, 8}};
        break;
    case NineLayout::Saltire:
        shown = {1, 3, 5, 7, 9};
        pairs = {{1, 5}, {5, 9}, {3, 5}, {5, 7}};
        break;
    }
    PrintedSpread spread;
    spread.kind = QStringLiteral("9 Kaarten");
    Reading reading;
    for (const int slot : shown) {
        const SlotView &view = views[size_t(slot - 1)];
        spread.cards.append(placed(view, (slot - 1) % 3, (slot - 1) / 3));
        reading.card(view.card, QString::number(slot));
    }
    for (const auto &[first, second] : pairs)
        reading.pair(views[size_t(first - 1)].card, views[size_t(second - 1)].card,
                     QStringLiteral("%1 + %2").arg(first).arg(second));
    spread.notes.append(counted(QStringLiteral("Uitgeteld"), total));
    spread.reading = reading.blocks();
    return spread;
}

PrintedSpread TableauPrint(const std::array<CardNumber, 37> &positions)
{
    PrintedSpread spread;
    spread.kind = QStringLiteral("Grand Tableau");
    spread.readingOnNewPage = true;
    for (int p = 1; p <= 36; ++p) {
        const CardNumber card = positions[size_t(p)];
        const bool empty = card < 1 || card > CardCount;
        // Four rows of eight, and the last four under the middle columns.
        const double column = p <= 32 ? (p - 1) % 8 : p - 33 + 2;
        const double row = p <= 32 ? (p - 1) / 8 : 4;
        spread.cards.append({empty ? 0 : card, column, row, empty ? QString() : CardTitle(card),
                             PositionThemeTitle(p), empty});
        if (empty)
            continue;
        ReadingBlock block;
        block.heading = QStringLiteral("Positie %1: %2 (huis %3)").arg(p).arg(PositionTheme(p), House(p)) +
                        Dash + CardTitle(card);
        // A card is read with the card whose number is its position.
        if (card == p) {
            block.lead =
                pairNames(p, card) + QStringLiteral(" = dubbele energie: ") + SummaryKeyword(p).trimmed();
            block.paragraphs = descriptionBody(card);
        } else {
            const int index = PairIndexOf(p, card);
            block.lead = pairNames(p, card) + QStringLiteral(": ") + PairBareText(index);
            block.paragraphs = longPairBody(index);
        }
        spread.reading.append(block);
    }
    return spread;
}

PrintedSpread WithTechniques(PrintedSpread spread, const TechniquesReading &reading)
{
    QList<ReadingBlock> blocks = {{QStringLiteral("Technieken"), reading.header, {}}};
    for (const ReadingSection &section : reading.sections) {
        QStringList lines;
        for (const ReadingLine &line : section.lines)
            lines.append(line.text);
        blocks.append({section.heading, QString(), lines});
    }
    spread.reading = blocks + spread.reading;
    return spread;
}

QDate TableauDate(const QString &savedDate, const QDate &today)
{
    const QDate saved = journalDate(savedDate);
    return saved.isValid() ? saved : today;
}

PrintedSpread CombinationPrint(CardNumber a, CardNumber b, const QString &shortTexts)
{
    PrintedSpread spread;
    spread.kind = QStringLiteral("Combinatie");
    Reading reading;
    spread.cards.append({a, 0, 0, CardTitle(a), QStringLiteral("Kaart A"), false});
    spread.cards.append({b, 1, 0, CardTitle(b), QStringLiteral("Kaart B"), false});
    reading.card(a, QStringLiteral("A"));
    reading.card(b, QStringLiteral("B"));
    reading.pair(a, b, QStringLiteral("A + B"));
    spread.reading = reading.blocks();
    const QStringList lines = shortTexts.trimmed().split(u'\n');
    // The list's entry for this pair alone says nothing the pair's block does not.
    const bool onlyThisPair =
        a != b && a >= 1 && b >= 1 && a <= CardCount && b <= CardCount &&
        lines == QStringList{QStringLiteral("- ") + SplitCrLf(PairText(PairIndexOf(a, b))).first(),
                             SplitCrLf(PairText(PairIndexOf(a, b))).last()};
    if (!shortTexts.trimmed().isEmpty() && !onlyThisPair)
        spread.reading.append({QStringLiteral("Combinatie Kort en Intuïtief"), QString(), lines});
    return spread;
}

} // namespace tessaly
