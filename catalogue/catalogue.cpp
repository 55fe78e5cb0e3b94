#include "catalogue/catalogue.h"

#include "catalogue/content_tables.h"

#include <QFile>

// The generated resource file lives in a static library, where nothing would
// otherwise pull it into the program.
static void initContentResources()
{
    Q_INIT_RESOURCE(content);
}

namespace tessaly {

namespace {

template <std::size_t N> QString entry(const std::array<QString, N> &table, int n)
{
    return n >= 0 && n < int(N) ? table[n] : table[0];
}

QStringList fromUtf8Table(const char *const *texts, int count)
{
    QStringList list;
    list.reserve(count);
    for (int i = 0; i < count; ++i)
        list.append(QString::fromUtf8(texts[i]));
    return list;
}

} // namespace

QString CardTitle(int n)
{
    return entry(CardTitles, n);
}
QString CardName(int n)
{
    return entry(CardNames, n);
}
QString PaddedNumber(int n)
{
    return entry(PaddedNumbers, n);
}
QString TwoDigitNumber(int n)
{
    return entry(TwoDigitNumbers, n);
}
QString PositionTheme(int p)
{
    return entry(PositionThemes, p);
}
QString PositionThemeTitle(int p)
{
    return entry(PositionThemeTitles, p);
}
QString House(int p)
{
    return entry(Houses, p);
}

QString SummaryKeyword(int n)
{
    return n >= 1 && n <= CardCount ? SummaryKeywords[n - 1] : QString();
}

QString CardKeyword(int n, int k)
{
    if (n < 1 || n > CardCount || k < 1 || k > KeywordsPerCard)
        return {};
    return CardKeywords[(n - 1) * KeywordsPerCard + (k - 1)];
}

const QStringList &ThemeTexts()
{
    static const QStringList list = fromUtf8Table(content::ThemeTexts, content::ThemeTextCount);
    return list;
}

QString ThemeText(int n, int t)
{
    if (n < 1 || n > CardCount || t < 1 || t > ThemesPerCard)
        return {};
    return ThemeTexts().value((n - 1) * ThemesPerCard + (t - 1));
}

const QStringList &PairKeys()
{
    static const QStringList keys = [] {
        QStringList list;
        list.reserve(PairCount);
        for (int i = 1; i <= PairCount; ++i) {
            const auto [a, b] = PairCards(i);
            list.append(TwoDigitNumbers[a] + u'+' + TwoDigitNumbers[b]);
        }
        return list;
    }();
    return keys;
}

const QStringList &PairBareTexts()
{
    static const QStringList list = fromUtf8Table(content::PairBareTexts, content::PairTextCount);
    return list;
}

const QStringList &PairTexts()
{
    static const QStringList list = [] {
        QStringList texts;
        texts.reserve(PairCount);
        const QStringList &bare = PairBareTexts();
        for (int i = 1; i <= PairCount; ++i) {
            const auto [a, b] = PairCards(i);
            texts.append(ShortPairNames[a] + QStringLiteral(" + ") + ShortPairNames[b] +
                         QStringLiteral(":\r\n") + bare.value(i - 1));
        }
        return texts;
    }();
    return list;
}

std::optional<int> PairIndex(const QString &key)
{
    // The table holds every pair once in index order, so the formula gives the
    // same answer as a search once the key is known to be in it.
    if (key.size() != 5 || key[2] != u'+')
        return std::nullopt;
    bool okA = false;
    bool okB = false;
    const int a = key.left(2).toInt(&okA);
    const int b = key.mid(3, 2).toInt(&okB);
    if (!okA || !okB || a < 1 || a > CardCount || b < 1 || b > CardCount || a == b)
        return std::nullopt;
    const int i = PairIndexOf(a, b);
    if (PairKeys()[i - 1] != key)
        return std::nullopt;
    return i;
}

QString PairText(int i)
{
    return PairTexts().value(i - 1);
}

QString PairBareText(int i)
{
    return PairBareTexts().value(i - 1);
}

QByteArray ResourceBytes(int number)
{
    static const bool ready = (initContentResources(), true);
    Q_UNUSED(ready);
    if (number < 1 || number > LastResource)
        return {};
    QFile file(QStringLiteral(":/res/%1").arg(number));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

QStringList LoadCardText(CardNumber n)
{
    return SplitCrLf(FromWindows1252(ResourceBytes(n + FirstCardTextResource - 1)));
}

QStringList LoadPairText(int resource)
{
    return SplitCrLf(FromWindows1252(ResourceBytes(resource)));
}

} // namespace tessaly
