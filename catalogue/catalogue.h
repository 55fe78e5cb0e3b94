#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>
#include <utility>

namespace tessaly {

// A card is 1..36; 0 is an empty slot (card back, title "--").
using CardNumber = int;

constexpr int CardCount = 36;
constexpr int KeywordsPerCard = 13;
constexpr int ThemesPerCard = 5;
constexpr int PairCount = CardCount * (CardCount - 1);
constexpr int FirstPictureResource = 1;
constexpr int FirstCardTextResource = 38;
constexpr int FirstPairTextResource = 74;
constexpr int LastResource = 1333;

// Indexed by CardNumber, entry 0 for the empty slot.
extern const std::array<QString, 37> CardTitles;
extern const std::array<QString, 37> CardNames;
extern const std::array<QString, 37> PaddedNumbers;
extern const std::array<QString, 37> TwoDigitNumbers;
extern const std::array<QString, 37> DescriptionNames;
extern const std::array<QString, 37> ShortPairNames;
extern const std::array<QString, 37> LongPairNames;
// Indexed from 0 for card 1.
extern const std::array<QString, 36> SummaryKeywords;
extern const std::array<QString, 468> CardKeywords;
// Indexed by Grand Tableau position, entry 0 "--".
extern const std::array<QString, 37> PositionThemes;
extern const std::array<QString, 37> PositionThemeTitles;
extern const std::array<QString, 37> Houses;

// Built from the content sources; entry i-1 for pair index i.
const QStringList &ThemeTexts();
const QStringList &PairKeys();
const QStringList &PairTexts();
const QStringList &PairBareTexts();

// Out-of-range numbers give the entry of 0 rather than reading past a table.
QString CardTitle(int n);
QString CardName(int n);
QString PaddedNumber(int n);
QString TwoDigitNumber(int n);
QString SummaryKeyword(int n);
QString CardKeyword(int n, int k);
QString ThemeText(int n, int t);
QString PositionTheme(int p);
QString PositionThemeTitle(int p);
QString House(int p);

// Pair index 1..1260 of the ordered pair (a, b), a != b.
constexpr int PairIndexOf(CardNumber a, CardNumber b)
{
    return 35 * (a - 1) + b - (b > a ? 1 : 0);
}

// The two cards of pair index i.
constexpr std::pair<CardNumber, CardNumber> PairCards(int i)
{
    const int a = (i - 1) / 35 + 1;
    const int b = (i - 1) % 35 + 1;
    return {a, b >= a ? b + 1 : b};
}
// Exact text match against PairKeys: "1+2", "07+07" and "00+05" are not found.
std::optional<int> PairIndex(const QString &key);
QString PairText(int i);
QString PairBareText(int i);

// Raw bytes of numbered resource 1..1333; empty when there is none.
QByteArray ResourceBytes(int number);
// Split at CR LF and converted from Windows-1252.
QStringList LoadCardText(CardNumber n);
QStringList LoadPairText(int resource);

// Windows-1252, the encoding of every file and embedded text.
QString FromWindows1252(const QByteArray &bytes);
// nullopt when a character has no Windows-1252 byte.
std::optional<QByteArray> ToWindows1252(const QString &text);
QStringList SplitCrLf(const QString &text);

} // namespace tessaly
