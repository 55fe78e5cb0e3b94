// The content check: every embedded picture and text is present, numbered
// without gaps and keeps its layout, encoding and size. Strict on purpose: a
// missing or malformed text fails the suite instead of being skipped.

#include "catalogue/catalogue.h"

#include <QHash>
#include <QImage>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

using namespace tessaly;

namespace {

constexpr int MaxCardTextBytes = 220;
constexpr int MaxPairTextBytes = 440;

// Bytes that Windows-1252 leaves undefined: a text holding one was not
// written in that code page.
bool isWindows1252(const QByteArray &bytes)
{
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        if (b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D)
            return false;
    }
    return true;
}

// Every CR is followed by LF and every LF preceded by CR.
bool onlyCrLf(const QByteArray &bytes)
{
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\r' && (i + 1 == bytes.size() || bytes[i + 1] != '\n'))
            return false;
        if (bytes[i] == '\n' && (i == 0 || bytes[i - 1] != '\r'))
            return false;
    }
    return true;
}

// Baseline JPEG: a start-of-frame 0 segment and no progressive one.
bool isBaselineJpeg(const QByteArray &bytes)
{
    if (!bytes.startsWith("\xFF\xD8"))
        return false;
    for (qsizetype i = 2; i + 3 < bytes.size();) {
        if (static_cast<unsigned char>(bytes[i]) != 0xFF)
            return false;
        const auto marker = static_cast<unsigned char>(bytes[i + 1]);
        if (marker == 0xC0)
            return true;
        if (marker >= 0xC1 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC)
            return false;
        const int length =
            (static_cast<unsigned char>(bytes[i + 2]) << 8) | static_cast<unsigned char>(bytes[i + 3]);
        i += 2 + length;
    }
    return false;
}

QString commonTextProblem(const QByteArray &bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return QStringLiteral("byte-order mark");
    if (!isWindows1252(bytes))
        return QStringLiteral("not Windows-1252");
    if (!onlyCrLf(bytes))
        return QStringLiteral("line break other than CR LF");
    return {};
}

// The clauses of a short text: the parts between "; ", ": " and sentence
// ends, lower-cased, without punctuation and with single blanks.
QStringList clausesOf(const QString &text)
{
    static const QRegularExpression boundary(QStringLiteral("[;:.!?]\\s+"));
    static const QRegularExpression punctuation(QStringLiteral("[^\\w\\s]"),
                                                QRegularExpression::UseUnicodePropertiesOption);
    QStringList clauses;
    for (const QString &part : text.split(boundary)) {
        const QString clause = part.toLower().replace(punctuation, QStringLiteral(" ")).simplified();
        if (!clause.isEmpty())
            clauses << clause;
    }
    return clauses;
}

// A short text names its reading in clauses that follow from each other; a
// later clause opening with "of" offers a second reading instead.
bool laterClauseOpensWithOf(const QString &text)
{
    const QStringList clauses = clausesOf(text);
    for (qsizetype i = 1; i < clauses.size(); ++i)
        if (clauses[i] == QLatin1String("of") || clauses[i].startsWith(QLatin1String("of ")))
            return true;
    return false;
}

void report(const QStringList &problems)
{
    QVERIFY2(problems.isEmpty(), qPrintable(QStringList(problems.mid(0, 40)).join(u'\n') +
                                            (problems.size() > 40 ? QStringLiteral("\n...") : QString()) +
                                            QStringLiteral("\n%1 problem(s)").arg(problems.size())));
}

} // namespace

class tst_Content : public QObject
{
    Q_OBJECT

private slots:
    void numberedWithoutGaps();
    void pictures();
    void cardTexts();
    void themeTexts();
    void shortPairTexts();
    void longPairTexts();
    void clauses_data();
    void clauses();
    void clauseOpeningWithOf_data();
    void clauseOpeningWithOf();
    void noShortTextOffersASecondReading();
    void mirroredPairsReadDifferently();
    void longTextLinesUnique();
};

void tst_Content::numberedWithoutGaps()
{
    QStringList problems;
    for (int r = 1; r <= LastResource; ++r)
        if (ResourceBytes(r).isEmpty())
            problems << QStringLiteral("resource %1 missing").arg(r);
    report(problems);
    QVERIFY(ResourceBytes(0).isEmpty());
    QVERIFY(ResourceBytes(LastResource + 1).isEmpty());
}

void tst_Content::pictures()
{
    QStringList problems;
    for (int r = FirstPictureResource; r < FirstCardTextResource; ++r) {
        const QByteArray bytes = ResourceBytes(r);
        if (!isBaselineJpeg(bytes)) {
            problems << QStringLiteral("picture %1 is not a baseline JPEG").arg(r);
            continue;
        }
        const QImage image = QImage::fromData(bytes, "JPG");
        if (image.size() != QSize(88, 147))
            problems << QStringLiteral("picture %1 is %2 x %3").arg(r).arg(image.width()).arg(image.height());
    }
    report(problems);
}

void tst_Content::cardTexts()
{
    QStringList problems;
    for (int n = 1; n <= CardCount; ++n) {
        const int r = n + FirstCardTextResource - 1;
        const QByteArray bytes = ResourceBytes(r);
        const QString where = QStringLiteral("card text %1 (resource %2): ").arg(n).arg(r);
        if (const QString problem = commonTextProblem(bytes); !problem.isEmpty()) {
            problems << where + problem;
            continue;
        }
        if (bytes.size() > MaxCardTextBytes)
            problems << where + QStringLiteral("%1 bytes").arg(bytes.size());
        if (bytes.endsWith("\r\n"))
            problems << where + QStringLiteral("line break after the last line");
        const QStringList lines = LoadCardText(n);
        const QString first = QStringLiteral(" %1. %2").arg(n).arg(DescriptionNames[n]);
        if (lines.value(0) != first)
            problems << where + QStringLiteral("first line '%1', want '%2'").arg(lines.value(0), first);
        if (lines.size() < 5 || lines.size() > 7)
            problems << where + QStringLiteral("%1 description lines").arg(lines.size() - 1);
        for (const QString &line : lines.mid(1))
            if (line.isEmpty() || line.size() > 46)
                problems << where + QStringLiteral("line of %1 characters: %2").arg(line.size()).arg(line);
    }
    report(problems);
}

void tst_Content::themeTexts()
{
    QStringList problems;
    const QStringList &themes = ThemeTexts();
    QCOMPARE(themes.size(), CardCount * ThemesPerCard);
    for (int i = 0; i < themes.size(); ++i) {
        const QString &text = themes[i];
        const QString where = QStringLiteral("theme text %1 of card %2: ").arg(i % 5 + 1).arg(i / 5 + 1);
        if (text.isEmpty() || text.size() > 65)
            problems << where + QStringLiteral("%1 characters").arg(text.size());
        if (text.contains(u'\r') || text.contains(u'\n') || !ToWindows1252(text))
            problems << where + QStringLiteral("line break or character outside Windows-1252");
    }
    report(problems);
}

void tst_Content::shortPairTexts()
{
    QStringList problems;
    QCOMPARE(PairKeys().size(), PairCount);
    QCOMPARE(PairTexts().size(), PairCount);
    QCOMPARE(PairBareTexts().size(), PairCount);
    QSet<QString> seen;
    for (int i = 1; i <= PairCount; ++i) {
        const auto [a, b] = PairCards(i);
        const QString where = QStringLiteral("pair %1 (%2): ").arg(i).arg(PairKeys()[i - 1]);
        const QString bare = PairBareText(i);
        if (PairKeys()[i - 1] != TwoDigitNumbers[a] + u'+' + TwoDigitNumbers[b])
            problems << where + QStringLiteral("key out of index order");
        if (bare.isEmpty()) {
            problems << where + QStringLiteral("no text");
            continue;
        }
        if (bare.size() > 81)
            problems << where + QStringLiteral("%1 characters").arg(bare.size());
        if (!ToWindows1252(bare) || bare.contains(u'\r') || bare.contains(u'\n'))
            problems << where + QStringLiteral("line break or character outside Windows-1252");
        if (seen.contains(bare))
            problems << where + QStringLiteral("same text as another pair: ") + bare;
        seen.insert(bare);
        const QString header = ShortPairNames[a] + QStringLiteral(" + ") + ShortPairNames[b] + u':';
        if (PairText(i) != header + QStringLiteral("\r\n") + bare)
            problems << where + QStringLiteral("header is not '%1'").arg(header);
    }
    report(problems);
}

void tst_Content::longPairTexts()
{
    QStringList problems;
    QSet<QByteArray> seen;
    for (int i = 1; i <= PairCount; ++i) {
        const auto [a, b] = PairCards(i);
        const int r = i + FirstPairTextResource - 1;
        const QByteArray bytes = ResourceBytes(r);
        const QString where = QStringLiteral("long text of %1+%2 (resource %3): ").arg(a).arg(b).arg(r);
        if (bytes.isEmpty()) {
            problems << where + QStringLiteral("missing");
            continue;
        }
        if (const QString problem = commonTextProblem(bytes); !problem.isEmpty()) {
            problems << where + problem;
            continue;
        }
        if (bytes.size() > MaxPairTextBytes)
            problems << where + QStringLiteral("%1 bytes").arg(bytes.size());
        if (!bytes.endsWith("\r\n---\r\n") && !bytes.endsWith("\r\n---\r\n\r\n"))
            problems << where + QStringLiteral("does not end with a '---' line");
        const QStringList lines = LoadPairText(r);
        const QString header =
            QStringLiteral("%1 + %2 \u2014 %3 + %4").arg(a).arg(b).arg(LongPairNames[a], LongPairNames[b]);
        if (lines.value(0) != header)
            problems << where + QStringLiteral("header '%1', want '%2'").arg(lines.value(0), header);
        const qsizetype end = lines.lastIndexOf(QStringLiteral("---"));
        const QStringList body = lines.mid(1, end - 1);
        if (body.size() < 3 || body.size() > 6)
            problems << where + QStringLiteral("%1 lines of text").arg(body.size());
        for (const QString &line : body)
            if (line.trimmed().isEmpty())
                problems << where + QStringLiteral("empty line inside the text");
        const QByteArray text = bytes.mid(bytes.indexOf("\r\n"));
        if (seen.contains(text))
            problems << where + QStringLiteral("same text as another pair");
        seen.insert(text);
    }
    report(problems);
}

void tst_Content::clauses_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("clauses");
    QTest::newRow("two clauses") << QStringLiteral("Goed nieuws; onverwachte meevaller.")
                                 << QStringList{QStringLiteral("goed nieuws"),
                                                QStringLiteral("onverwachte meevaller")};
    QTest::newRow("case, quotes and sentence ends")
        << QStringLiteral("Zeg \u2018Nee\u2019! Een  Reis: weg.")
        << QStringList{QStringLiteral("zeg nee"), QStringLiteral("een reis"), QStringLiteral("weg")};
    QTest::newRow("comma stays inside")
        << QStringLiteral("Wat vastzat, gaat open.") << QStringList{QStringLiteral("wat vastzat gaat open")};
}

void tst_Content::clauses()
{
    QFETCH(QString, text);
    QFETCH(QStringList, clauses);
    QCOMPARE(clausesOf(text), clauses);
}

void tst_Content::clauseOpeningWithOf_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("opensWithOf");
    QTest::newRow("after a semicolon") << QStringLiteral("Een verbintenis; of een belofte.") << true;
    QTest::newRow("after a colon, capitalised") << QStringLiteral("Een keuze: Of je blijft.") << true;
    QTest::newRow("word starting with of") << QStringLiteral("Een brief; offerte komt.") << false;
    QTest::newRow("first clause") << QStringLiteral("Of het lukt; de tijd zal het leren.") << false;
    QTest::newRow("of inside a clause") << QStringLiteral("Nieuws; goed of slecht.") << false;
}

void tst_Content::clauseOpeningWithOf()
{
    QFETCH(QString, text);
    QFETCH(bool, opensWithOf);
    QCOMPARE(laterClauseOpensWithOf(text), opensWithOf);
}

void tst_Content::noShortTextOffersASecondReading()
{
    QStringList problems;
    for (int i = 1; i <= PairCount; ++i)
        if (laterClauseOpensWithOf(PairBareText(i)))
            problems
                << QStringLiteral("%1: a clause opens with 'of': %2").arg(PairKeys()[i - 1], PairBareText(i));
    report(problems);
}

// a+b and b+a are two readings: a is the subject and b colours it, so the
// two short texts never share a clause.
void tst_Content::mirroredPairsReadDifferently()
{
    QStringList problems;
    for (int i = 1; i <= PairCount; ++i) {
        const auto [a, b] = PairCards(i);
        if (a > b)
            continue;
        const QStringList mirrored = clausesOf(PairBareText(PairIndexOf(b, a)));
        for (const QString &clause : clausesOf(PairBareText(i)))
            if (mirrored.contains(clause))
                problems << QStringLiteral("%1+%2 and %2+%1 share '%3'").arg(a).arg(b).arg(clause);
    }
    report(problems);
}

void tst_Content::longTextLinesUnique()
{
    QStringList problems;
    QHash<QString, QString> firstPair;
    for (int i = 1; i <= PairCount; ++i) {
        const auto [a, b] = PairCards(i);
        const QString pair = QStringLiteral("%1+%2").arg(a).arg(b);
        const QStringList lines = LoadPairText(i + FirstPairTextResource - 1);
        const qsizetype end = lines.lastIndexOf(QStringLiteral("---"));
        for (const QString &line : lines.mid(1, end - 1)) {
            const QString text = line.simplified();
            const auto found = firstPair.constFind(text);
            if (found == firstPair.constEnd())
                firstPair.insert(text, pair);
            else if (*found != pair)
                problems << QStringLiteral("%1 repeats a line of %2: %3").arg(pair, *found, text);
        }
    }
    report(problems);
}

QTEST_GUILESS_MAIN(tst_Content)
#include "tst_content.moc"
