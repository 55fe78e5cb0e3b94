#include "saved/saved_list.h"

#include "catalogue/catalogue.h"

#include <algorithm>
#include <unordered_map>
#include <vector>

namespace tessaly {

AppendResult AppendToList(LineFile &list, const QString &line, const QString &backup)
{
    AppendResult result;
    result.listWritten = list.append(line, &result.error);
    if (result.listWritten)
        list.copyTo(backup, &result.error);
    return result;
}

QString KindMarker(SpreadKind kind)
{
    switch (kind) {
    case SpreadKind::Five:
        return QStringLiteral(" *");
    case SpreadKind::Nine:
        return QStringLiteral(" #");
    default:
        return QStringLiteral(" ");
    }
}

int CardCountOf(SpreadKind kind)
{
    switch (kind) {
    case SpreadKind::Three:
        return 3;
    case SpreadKind::Five:
        return 5;
    case SpreadKind::Nine:
        return 9;
    default:
        return 0;
    }
}

QString CardField(const QString &slotText)
{
    if (slotText.isEmpty() || slotText == QLatin1String("0"))
        return QStringLiteral("00");
    return slotText.size() == 1 ? u'0' + slotText : slotText;
}

QString ListRemark(const QString &remark)
{
    return remark.isEmpty() ? QStringLiteral("(...)") : u'(' + remark + u')';
}

QString EntryLine(const QString &date, SpreadKind kind, const QString &remark, const QStringList &cards)
{
    return date + KindMarker(kind) + ListRemark(remark) + QStringLiteral(" / ") +
           QStringList(cards.mid(0, CardCountOf(kind))).join(u' ');
}

QString DayCardLine(const QString &date, const QString &remark, const QStringList &threeCards)
{
    return date + QStringLiteral(" (") + remark + QStringLiteral(") [0] ") + threeCards.join(u' ');
}

bool HasForbiddenRemarkCharacter(const QString &text)
{
    return text.contains(u'*') || text.contains(u'#') || text.contains(u'/');
}

QString UnstorableCharacters(const QString &text)
{
    QString found;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'\r' || text[i] == u'\n') {
            found += QChar(0x21B5);
            continue;
        }
        // A character beyond the first plane is two code units; test it whole.
        const qsizetype length = text[i].isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        const QString character = text.mid(i, length);
        if (!ToWindows1252(character))
            found += character;
        i += length - 1;
    }
    return found;
}

SpreadKind SpreadKindOf(const QString &line)
{
    if (line.contains(QLatin1String(" #(")))
        return SpreadKind::Nine;
    if (line.contains(QLatin1String(" *(")))
        return SpreadKind::Five;
    if (line.contains(QLatin1String(" (")))
        return SpreadKind::Three;
    return SpreadKind::None;
}

std::optional<QString> CardPart(const QString &line)
{
    const qsizetype slash = line.indexOf(u'/');
    if (slash < 0)
        return std::nullopt;
    return line.mid(slash + 1);
}

int EntryCardCount(const QString &line)
{
    const std::optional<QString> part = CardPart(line);
    if (!part)
        return 0;
    switch (part->size()) {
    case 9:
        return 3;
    case 15:
        return 5;
    case 27:
        return 9;
    default:
        return 0;
    }
}

std::optional<int> CardAt(const QString &cardPart, int i)
{
    const QString field = cardPart.mid(3 * i - 2, 2);
    bool ok = false;
    const int value = field.toInt(&ok);
    // Only plain digits: toInt would also take a sign or a blank.
    if (!ok || field.size() != 2 || !field[0].isDigit() || !field[1].isDigit())
        return std::nullopt;
    return value;
}

QString CountedPart(const QString &line)
{
    const qsizetype at = line.indexOf(QLatin1String(") /"));
    return at < 0 ? QString() : line.mid(at + 3);
}

QString EntryYear(const QString &line)
{
    return EntryYearView(line).toString();
}

QStringView EntryYearView(const QString &line)
{
    return QStringView(line).mid(7, 2);
}

std::optional<RemarkParts> RemarkSplit(const QString &line)
{
    int headSize = 0;
    int tailSize = 0;
    switch (SpreadKindOf(line)) {
    case SpreadKind::Three:
        headSize = 11;
        tailSize = 12;
        break;
    case SpreadKind::Five:
        headSize = 12;
        tailSize = 18;
        break;
    case SpreadKind::Nine:
        headSize = 12;
        tailSize = 30;
        break;
    case SpreadKind::None:
        return std::nullopt;
    }
    if (line.size() < headSize + tailSize)
        return std::nullopt;
    return RemarkParts{line.left(headSize), line.mid(headSize, line.size() - headSize - tailSize),
                       line.right(tailSize)};
}

int FindFileLine(const QStringList &lines, const QString &text)
{
    return int(lines.lastIndexOf(text)) + 1;
}

QStringList FilterByKind(const QStringList &lines, bool three, bool five, bool nine)
{
    if (three && five && nine)
        return lines;
    QStringList shown;
    for (const QString &line : lines) {
        const SpreadKind kind = SpreadKindOf(line);
        if ((kind == SpreadKind::Three && three) || (kind == SpreadKind::Five && five) ||
            (kind == SpreadKind::Nine && nine))
            shown.append(line);
    }
    return shown;
}

QStringList SearchLines(const QStringList &lines, const QString &text)
{
    QStringList found;
    for (const QString &line : lines)
        if (line.contains(text, Qt::CaseSensitive))
            found.append(line);
    return found;
}

namespace {

// The text as a case-insensitive comparison sees it: every character folded
// on its own, so that plain order of the folded texts is their order
// ignoring case.
QString foldedForComparison(QStringView text)
{
    QString folded;
    folded.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            const char32_t point = QChar::toCaseFolded(QChar::surrogateToUcs4(c, text[i + 1]));
            folded += QChar(QChar::highSurrogate(point));
            folded += QChar(QChar::lowSurrogate(point));
            ++i;
        } else if (c.unicode() < 0x80) {
            // Most of a journal is ASCII: folded here, without a table look-up.
            const char16_t u = c.unicode();
            folded += QChar(u >= u'A' && u <= u'Z' ? char16_t(u + 32) : u);
        } else {
            folded += QChar(QChar::toCaseFolded(c.unicode()));
        }
    }
    return folded;
}

} // namespace

QStringList SortedUniqueIgnoringCase(QStringList texts)
{
    std::sort(texts.begin(), texts.end(), [](const QString &a, const QString &b) {
        const int folded = a.compare(b, Qt::CaseInsensitive);
        return folded != 0 ? folded < 0 : a < b;
    });
    const auto last = std::unique(texts.begin(), texts.end(), [](const QString &a, const QString &b) {
        return a.compare(b, Qt::CaseInsensitive) == 0;
    });
    texts.erase(last, texts.end());
    return texts;
}

namespace {

constexpr int SequenceLength = 8; // "01 02 03"

// Eight UTF-16 code units packed in two words: an exact key for a sequence.
struct SequenceKey
{
    quint64 high = 0;
    quint64 low = 0;
    bool operator==(const SequenceKey &other) const = default;
};

struct SequenceKeyHash
{
    std::size_t operator()(const SequenceKey &key) const noexcept
    {
        return std::hash<quint64>()(key.high * 0x9E3779B97F4A7C15ull ^ key.low);
    }
};

SequenceKey keyAt(const QString &text, qsizetype at)
{
    SequenceKey key;
    for (int c = 0; c < 4; ++c) {
        key.high = key.high << 16 | text[at + c].unicode();
        key.low = key.low << 16 | text[at + 4 + c].unicode();
    }
    return key;
}

// Whether some entry of dates (a run of line dates) differs from date.
struct DateRun
{
    bool any = false;
    bool mixed = false;
    QStringView date;

    void add(QStringView d)
    {
        if (!any) {
            any = true;
            date = d;
        } else if (!mixed && d != date) {
            mixed = true;
        }
    }
    bool hasOtherThan(QStringView d) const { return any && (mixed || date != d); }
};

// Where a text stands among others: by its case-folded form (equal for
// texts that differ only in case) and by its plain form.
struct Ranks
{
    int folded = 0;
    int plain = 0;
};

std::vector<Ranks> RanksIgnoringCase(const std::vector<QStringView> &texts)
{
    std::vector<QString> folded(texts.size());
    std::vector<int> order(texts.size());
    for (std::size_t i = 0; i < texts.size(); ++i) {
        folded[i] = foldedForComparison(texts[i]);
        order[i] = int(i);
    }
    std::sort(order.begin(), order.end(), [&](int a, int b) {
        const int byFold = folded[a].compare(folded[b]);
        return byFold != 0 ? byFold < 0 : texts[a] < texts[b];
    });
    std::vector<Ranks> ranks(texts.size());
    for (std::size_t k = 0; k < order.size(); ++k) {
        const int i = order[k];
        if (k == 0) {
            ranks[i] = {0, 0};
            continue;
        }
        const Ranks &before = ranks[order[k - 1]];
        ranks[i].folded = folded[i] == folded[order[k - 1]] ? before.folded : before.folded + 1;
        ranks[i].plain = texts[i] == texts[order[k - 1]] ? before.plain : before.plain + 1;
    }
    return ranks;
}

} // namespace

QStringList FindDuplicateTriples(const QStringList &lines)
{
    const int count = int(lines.size());
    std::vector<QStringView> dates(count);
    for (int i = 0; i < count; ++i)
        dates[i] = QStringView(lines[i]).left(9);

    // The sequences each line offers: cards k, k+1, k+2 after the first "/".
    std::unordered_map<SequenceKey, int, SequenceKeyHash> ids;
    std::vector<std::vector<int>> offeredBy; // id -> lines, ascending
    std::vector<QStringView> sequenceText;
    for (int i = 0; i < count; ++i) {
        const QString &line = lines[i];
        const qsizetype slash = line.indexOf(u'/');
        if (slash < 0)
            continue;
        for (int k = 1; k <= 7; ++k) {
            const qsizetype at = slash + 2 + 3 * (k - 1);
            if (at + SequenceLength > line.size())
                break;
            const auto [it, added] = ids.try_emplace(keyAt(line, at), int(offeredBy.size()));
            if (added) {
                offeredBy.emplace_back();
                sequenceText.push_back(QStringView(line).mid(at, SequenceLength));
            }
            std::vector<int> &offering = offeredBy[it->second];
            if (offering.empty() || offering.back() != i)
                offering.push_back(i);
        }
    }

    // Every line that holds a known sequence anywhere in its text.
    std::vector<std::vector<int>> containedIn(offeredBy.size());
    for (int j = 0; j < count; ++j) {
        const QString &line = lines[j];
        for (qsizetype at = 0; at + SequenceLength <= line.size(); ++at) {
            const auto it = ids.find(keyAt(line, at));
            if (it == ids.end())
                continue;
            std::vector<int> &holders = containedIn[it->second];
            if (holders.empty() || holders.back() != j)
                holders.push_back(j);
        }
    }

    // A pair is an offering line i and a later holding line j of another
    // date; each side of a pair gives one result row, "sequence - line".
    std::vector<std::pair<int, int>> found; // (sequence id, line)
    for (std::size_t id = 0; id < offeredBy.size(); ++id) {
        const std::vector<int> &offering = offeredBy[id];
        const std::vector<int> &holders = containedIn[id];

        DateRun later;
        std::size_t h = holders.size();
        for (auto o = offering.rbegin(); o != offering.rend(); ++o) {
            while (h > 0 && holders[h - 1] > *o)
                later.add(dates[holders[--h]]);
            if (later.hasOtherThan(dates[*o]))
                found.emplace_back(int(id), *o);
        }

        DateRun earlier;
        std::size_t e = 0;
        for (const int j : holders) {
            while (e < offering.size() && offering[e] < j)
                earlier.add(dates[offering[e++]]);
            if (earlier.hasOtherThan(dates[j]))
                found.emplace_back(int(id), j);
        }
    }

    // Sorted and made unique as whole rows ignoring case, but by ranks:
    // every row starts with a sequence of the same length, so rows order by
    // their sequence, then by their line, and each text is folded once.
    const std::vector<Ranks> sequenceRanks = RanksIgnoringCase(sequenceText);
    std::vector<QStringView> lineViews(count);
    std::vector<bool> inResult(count, false);
    for (const auto &row : found)
        inResult[row.second] = true;
    for (int i = 0; i < count; ++i)
        if (inResult[i])
            lineViews[i] = lines[i];
    const std::vector<Ranks> lineRanks = RanksIgnoringCase(lineViews);
    auto foldedKey = [&](const std::pair<int, int> &row) {
        return quint64(sequenceRanks[row.first].folded) << 32 | quint64(lineRanks[row.second].folded);
    };
    std::sort(found.begin(), found.end(), [&](const auto &a, const auto &b) {
        const quint64 ka = foldedKey(a), kb = foldedKey(b);
        if (ka != kb)
            return ka < kb;
        return std::pair(sequenceRanks[a.first].plain, lineRanks[a.second].plain) <
               std::pair(sequenceRanks[b.first].plain, lineRanks[b.second].plain);
    });
    QStringList rows;
    rows.reserve(qsizetype(found.size()));
    for (std::size_t k = 0; k < found.size(); ++k) {
        const auto [id, line] = found[k];
        if (k > 0 && foldedKey(found[k - 1]) == foldedKey(found[k]))
            continue;
        QString row;
        row.reserve(SequenceLength + 3 + lines[line].size());
        row.append(sequenceText[id]).append(u" - ").append(lines[line]);
        rows.append(std::move(row));
    }
    return rows;
}

} // namespace tessaly
