#include "spreads/nine_card_spread.h"

#include "app/copy_texts.h"
#include "catalogue/counting.h"

namespace tessaly {

namespace {

const QChar CR(u'\r');
const QString Separator = QStringLiteral(" - ");

QString join(const NineTexts &texts, std::initializer_list<int> cells)
{
    QStringList parts;
    for (const int slot : cells)
        parts.append(texts[slot]);
    return parts.join(Separator);
}

QString block(NineLayout layout, const NineTexts &x, int saltireIndent)
{
    switch (layout) {
    case NineLayout::Square:
        return join(x, {1, 2, 3}) + CR + join(x, {4, 5, 6}) + CR + join(x, {7, 8, 9}) + CR;
    case NineLayout::Saltire:
        return join(x, {1, 3}) + CR + QString(saltireIndent, u' ') + x[5] + CR + join(x, {7, 9}) + CR;
    case NineLayout::Plus:
        break;
    }
    const QString indent(10, u' ');
    return indent + x[2] + CR + join(x, {4, 5, 6}) + CR + indent + x[8] + CR;
}

CountedSlot counted(int slot, const NineCards &cards, int a, int b)
{
    return {slot, countOut(cards[a] + cards[b])};
}

} // namespace

CardNumber NineTotal(const NineCards &cards, bool cross, int index)
{
    const NineSlotFlags counted = VisibleSlots(cross, index);
    int sum = 0;
    for (int slot = 1; slot <= 9; ++slot)
        sum += counted[slot] ? cards[slot] : 0;
    return countOut(sum);
}

std::array<CountedSlot, 4> CountCorners(const NineCards &cards)
{
    return {counted(1, cards, 4, 2), counted(3, cards, 2, 6), counted(7, cards, 4, 8),
            counted(9, cards, 6, 8)};
}

std::array<CountedSlot, 4> CountMiddles(const NineCards &cards)
{
    return {counted(2, cards, 1, 3), counted(4, cards, 1, 7), counted(6, cards, 3, 9),
            counted(8, cards, 7, 9)};
}

const std::array<NineTheme, 13> NineThemes = {{
    {QStringLiteral(" Thema Kaart"), 0, QString()},
    {QStringLiteral("Reizen"), 3, QStringLiteral("[ Reizen ]")},
    {QStringLiteral("Privéleven "), 4, QStringLiteral("[ Privéleven ]")},
    {QStringLiteral("Gezondheid"), 5, QStringLiteral("[ Gezondheid ]")},
    {QStringLiteral("Kind(eren)"), 13, QStringLiteral("[ Kind(eren) ]")},
    {QStringLiteral("Vriendschap"), 18, QStringLiteral("[ Vriendschap ]")},
    {QStringLiteral("Omgeving"), 20, QStringLiteral("[ Omgeving ]")},
    {QStringLiteral("Verlangens,"), 24, QStringLiteral("[ Verlangens ]")},
    {QStringLiteral("Relaties"), 25, QStringLiteral("[ Relaties ]")},
    {QStringLiteral("Studie"), 26, QStringLiteral("[ Studie ]")},
    {QStringLiteral("Familie"), 30, QStringLiteral("[ Familie ]")},
    {QStringLiteral("Werk"), 32, QStringLiteral("[ Werk ]")},
    {QStringLiteral("Financiën"), 34, QStringLiteral("[ Financiën ]")},
}};

NineLayout LayoutOf(bool cross, int index)
{
    if (!cross)
        return NineLayout::Square;
    return IsSaltireOrder(index) ? NineLayout::Saltire : NineLayout::Plus;
}

QString NineCopyText(NineLayout layout, const NineTexts &names, const NineTexts &labels, const QString &total,
                     const QDate &date)
{
    const QString header =
        QStringLiteral("Mijn Kaartjes voor %1-%2-%3: ").arg(date.day()).arg(date.month()).arg(date.year()) +
        CR + CR;
    return header + block(layout, names, 6) + CR + block(layout, labels, 8) +
           QStringLiteral("\rUitgeteld: ") + total + CR + Dashes + CR;
}

} // namespace tessaly
