#include "tableau/tableau_line.h"

#include "app/dutch_date.h"

#include <algorithm>

namespace tessaly {

namespace {

const QString FieldEnd = QStringLiteral(",");

} // namespace

std::optional<long long> ReadWholeNumber(const QString &text)
{
    qsizetype i = 0;
    while (i < text.size() && text[i] == u' ')
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }
    if (i == text.size())
        return std::nullopt;
    constexpr long long Ceiling = 1'000'000'000'000LL;
    long long value = 0;
    for (; i < text.size(); ++i) {
        const char16_t ch = text[i].unicode();
        if (ch < u'0' || ch > u'9')
            return std::nullopt;
        // Past the ceiling the exact value no longer matters: it is no card.
        value = std::min(Ceiling, value * 10 + (ch - u'0'));
    }
    return negative ? -value : value;
}

QString TableauLineText(const QDate &date, const TableauTextArray &texts)
{
    QString line = FileDate(date) + QStringLiteral(" : ");
    for (int p = 1; p <= TableauPositions; ++p) {
        if (texts[p].size() == 1)
            line += u'0';
        line += texts[p] + FieldEnd;
    }
    return line;
}

TableauRead ReadTableauLine(const QString &line)
{
    TableauRead read;
    qsizetype at = TableauFieldStart;
    for (int p = 1; p <= TableauPositions; ++p) {
        const QString field = at < line.size() ? line.mid(at, 2) : QString();
        const std::optional<long long> number = ReadWholeNumber(field);
        TableauField &result = read.fields[p];
        if (!number) {
            ++at;
            continue;
        }
        at += 3;
        if (*number >= 1 && *number <= CardCount) {
            result = {TableauField::Kind::Card, CardNumber(*number), field};
        } else if (*number == 0) {
            result = {TableauField::Kind::Zero, 0, QStringLiteral("00")};
        } else {
            result = {TableauField::Kind::NoCard, 0, QString()};
            read.badNumber = true;
        }
    }
    return read;
}

std::array<CardNumber, TableauPositions> RandomTableauOrder(RandomSource &random)
{
    std::array<CardNumber, TableauPositions> remaining{};
    for (int i = 0; i < TableauPositions; ++i)
        remaining[i] = i + 1;
    std::array<CardNumber, TableauPositions> order{};
    int left = TableauPositions;
    for (int i = 0; i < TableauPositions; ++i) {
        const int pick = random.below(left);
        order[i] = remaining[pick];
        remaining[pick] = remaining[--left];
    }
    return order;
}

QString RandomTableauLine(RandomSource &random)
{
    QString line = UnsavedTableauDate + QStringLiteral(" : ");
    for (const CardNumber card : RandomTableauOrder(random))
        line += TwoDigitNumber(card) + FieldEnd;
    return line;
}

QString PositionHint(int p, CardNumber c, HintForm form)
{
    const QString head = PositionTheme(p) + QStringLiteral(" - ");
    const QString number = QString::number(p);
    if (c == 0)
        return head + QStringLiteral("Positie: ") + number + u' ' + CardName(p);
    if (c == p)
        return head + QStringLiteral("Positie ") + number + QStringLiteral(": ") + CardName(p) +
               QStringLiteral(" + ") + CardName(p) + QStringLiteral(" = dubbele energie: \r") +
               SummaryKeyword(p);
    const QString where = form == HintForm::Placed
                              ? QStringLiteral("Positie: ") + number + u' '
                              : QStringLiteral("Positie ") + number + QStringLiteral(": ");
    const std::optional<int> pair = PairIndex(TwoDigitNumber(p) + u'+' + TwoDigitNumber(c));
    return head + where + CardName(p) + QStringLiteral(" + ") + CardName(c) + QStringLiteral(":\r") +
           (pair ? PairBareText(*pair) : QString());
}

} // namespace tessaly
