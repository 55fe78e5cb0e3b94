#include "spreads/line_of_five.h"

#include "app/copy_texts.h"
#include "catalogue/counting.h"

namespace tessaly {

namespace {

const QChar CR(u'\r');

} // namespace

QString LineTitleText(LineTitle title)
{
    switch (title) {
    case LineTitle::Plain:
        return QStringLiteral("Lijn van 5");
    case LineTitle::Counted:
        return QStringLiteral("5 + 4 Kaarten Uitgeteld!");
    case LineTitle::FromThreeCards:
        return QStringLiteral("3-kaart + 2 uitgetelde dagkaartjes");
    case LineTitle::FromSquare:
        return QStringLiteral("Kaarten uit het 9 Vierkant");
    case LineTitle::ExtrasEmptied:
        return QStringLiteral("Lijn van 5 + 4 kaarten");
    case LineTitle::OpenedNine:
        return QStringLiteral("Lijn van 5 + 4 Kaarten");
    }
    return {};
}

ExtraFour CountExtras(const LineFive &line)
{
    ExtraFour extras{};
    for (int j = 0; j < 4; ++j)
        extras[j] = countOut(line[j] + line[j + 1]);
    return extras;
}

CardNumber LineResult(const LineFive &line, const ExtraFour &extras, bool expanded)
{
    int sum = 0;
    for (const CardNumber card : line)
        sum += card;
    if (expanded)
        for (const CardNumber card : extras)
            sum += card;
    return countOut(sum);
}

const std::array<LineOrder, 6> LineOrderPermutations = {{
    {},
    {{1, 2, 3, 4, 5}, QStringLiteral("V1"), QStringLiteral("Volgorde: 1 2 3 4 5"), {1, 4, 2, 5, 3}},
    {{4, 2, 1, 3, 5}, QStringLiteral("V2"), QStringLiteral("Volgorde: 4 2 1 3 5"), {4, 2, 1, 3, 5}},
    {{2, 5, 4, 1, 3},
     QStringLiteral("V3"),
     QStringLiteral("Volgorde: 2 5 4 1 3 - 9K Kruis"),
     {2, 5, 1, 3, 4}},
    {{2, 3, 4, 1, 5}, QStringLiteral("V4"), QStringLiteral("2 3 4 1 5 - 9K Midden Hor."), {1, 5, 3, 4, 2}},
    {{1, 3, 5, 2, 4}, QStringLiteral("V5"), QStringLiteral("1 3 5 2 4 - 9K Midden Vert."), {4, 2, 5, 1, 3}},
}};

int NextLineOrderIndex(int index)
{
    const int next = index + 1;
    if (next <= 1)
        return 2;
    return next > 5 ? 1 : next;
}

std::array<QString, 5> MoveLineTexts(const std::array<QString, 5> &texts, int order)
{
    std::array<QString, 5> moved;
    for (int i = 0; i < 5; ++i)
        moved[i] = texts[LineOrderPermutations[order].movedFrom[i] - 1];
    return moved;
}

QString LineCopyText(const std::array<QString, 5> &titles, const std::array<QString, 5> &labels,
                     const QString &result, const QDate &date)
{
    const auto joined = [](const std::array<QString, 5> &parts) {
        return QStringList(parts.begin(), parts.end()).join(QStringLiteral(" - "));
    };
    return QStringLiteral("Mijn Kaartjes voor %1-%2-%3: ")
               .arg(date.day())
               .arg(date.month())
               .arg(date.year()) +
           CR + CR + joined(titles) + CR + joined(labels) + CR + CR + QStringLiteral("Uitgeteld: ") + result +
           CR + Dashes + CR;
}

QStringList ThemeLines(const LineFive &line)
{
    static const std::array<QString, 5> prefixes = {
        QStringLiteral(" 1) Liefde : "), QStringLiteral(" 2) Werk : "), QStringLiteral(" 3) Geld : "),
        QStringLiteral(" 4) Spiritueel : "), QStringLiteral(" 5) Schaduw : ")};
    QStringList lines;
    for (int theme = 1; theme <= 5; ++theme) {
        const CardNumber card = line[theme - 1];
        // CardName and ThemeText give "--" and "" for anything not a card.
        lines.append(prefixes[theme - 1] + CardName(card) + QStringLiteral(" = ") + ThemeText(card, theme));
    }
    return lines;
}

} // namespace tessaly
