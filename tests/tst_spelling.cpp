// Spelling of every text a reader sees (card descriptions, theme sentences,
// short and long pair texts) against the Dutch hunspell dictionary, as the
// program ships them. Words the dictionary lacks but the texts use rightly
// live in the allow-list resources/spelling.txt.

#include "catalogue/catalogue.h"

#include <QFile>
#include <QHash>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

using namespace tessaly;

namespace {

struct Text
{
    QString where;
    QString text;
};

QList<Text> shippedTexts()
{
    QList<Text> texts;
    for (int n = 1; n <= CardCount; ++n)
        for (const QString &line : LoadCardText(n).mid(1))
            texts.append({QStringLiteral("description of card %1").arg(n), line});
    const QStringList &themes = ThemeTexts();
    for (int i = 0; i < themes.size(); ++i)
        texts.append(
            {QStringLiteral("theme %1 of card %2").arg(i % ThemesPerCard + 1).arg(i / ThemesPerCard + 1),
             themes[i]});
    for (int i = 1; i <= PairCount; ++i) {
        const auto [a, b] = PairCards(i);
        texts.append({QStringLiteral("short text %1+%2").arg(a).arg(b), PairBareText(i)});
        const QStringList lines = LoadPairText(i + FirstPairTextResource - 1);
        const qsizetype end = lines.lastIndexOf(QStringLiteral("---"));
        for (const QString &line : lines.mid(1, end - 1))
            texts.append({QStringLiteral("long text %1+%2").arg(a).arg(b), line});
    }
    return texts;
}

// Letters joined by inner apostrophes and hyphens ("zo'n", "e-mail"); quote
// marks around a word are not part of it.
QStringList wordsOf(const QString &text)
{
    static const QRegularExpression word(QStringLiteral("\\p{L}+(?:['\u2019-]\\p{L}+)*"));
    QStringList words;
    for (auto it = word.globalMatch(text); it.hasNext();)
        words << it.next().captured();
    return words;
}

QSet<QString> readAllowList(QString *error)
{
    QFile file(QStringLiteral(SPELLING_ALLOW_LIST));
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("cannot read ") + file.fileName();
        return {};
    }
    QSet<QString> words;
    for (const QString &line : QString::fromUtf8(file.readAll()).split(u'\n')) {
        const QString word = line.trimmed();
        if (!word.isEmpty() && !word.startsWith(u'#'))
            words.insert(word);
    }
    return words;
}

// The words of texts that hunspell nl_NL does not know and the allow-list
// does not hold, each once, in order of first appearance. A capital at the
// start of a sentence does not make an allowed word unknown.
QStringList unknownWords(const QStringList &texts, const QSet<QString> &allowed, QString *error)
{
    QStringList words;
    QSet<QString> seen;
    for (const QString &text : texts)
        for (const QString &word : wordsOf(text))
            if (!seen.contains(word)) {
                seen.insert(word);
                words << word;
            }
    QProcess hunspell;
    hunspell.start(QStringLiteral("hunspell"),
                   {QStringLiteral("-d"), QStringLiteral("nl_NL"), QStringLiteral("-i"),
                    QStringLiteral("UTF-8"), QStringLiteral("-l")});
    if (!hunspell.waitForStarted()) {
        *error = QStringLiteral("hunspell did not start (tools/setup.sh installs hunspell and hunspell-nl)");
        return {};
    }
    hunspell.write(words.join(u'\n').toUtf8() + '\n');
    hunspell.closeWriteChannel();
    if (!hunspell.waitForFinished(120000) || hunspell.exitStatus() != QProcess::NormalExit ||
        hunspell.exitCode() != 0) {
        *error = QStringLiteral("hunspell failed: ") +
                 QString::fromUtf8(hunspell.readAllStandardError()).trimmed();
        return {};
    }
    const QStringList output =
        QString::fromUtf8(hunspell.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
    const QSet<QString> flagged(output.begin(), output.end());
    QStringList unknown;
    for (const QString &word : std::as_const(words)) {
        if (!flagged.contains(word) || allowed.contains(word))
            continue;
        if (word.front().isUpper() && allowed.contains(word.front().toLower() + word.mid(1)))
            continue;
        unknown << word;
    }
    return unknown;
}

} // namespace

class tst_Spelling : public QObject
{
    Q_OBJECT

private slots:
    void unknownWords_data();
    void unknownWords();
    void shippedTextsSpelledCorrectly();
    void allowListHoldsOnlyUsedUnknownWords();
};

void tst_Spelling::unknownWords_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("allowed");
    QTest::addColumn<QStringList>("unknown");
    QTest::newRow("plain Dutch") << QStringLiteral("De ruiter brengt nieuws en beweging.") << QStringList{}
                                 << QStringList{};
    QTest::newRow("misspelling, listed once")
        << QStringLiteral("Een brief mett goed nieuws; mett spoed.") << QStringList{} << QStringList{"mett"};
    QTest::newRow("inner apostrophes and hyphens, outer quotes")
        << QStringLiteral("Zo'n collega\u2019s e-mail: zeg \u2018nee, dank je\u2019.") << QStringList{}
        << QStringList{};
    QTest::newRow("allowed, also capitalised")
        << QStringLiteral("Vraagster: de vraagster zelf.") << QStringList{"vraagster"} << QStringList{};
    QTest::newRow("capital not allowed without the list")
        << QStringLiteral("Vraagster en vraagster.") << QStringList{}
        << QStringList{"Vraagster", "vraagster"};
    QTest::newRow("allowed capitalised only")
        << QStringLiteral("Vraagster en vraagster.") << QStringList{"Vraagster"} << QStringList{"vraagster"};
}

void tst_Spelling::unknownWords()
{
    QFETCH(QString, text);
    QFETCH(QStringList, allowed);
    QFETCH(QStringList, unknown);
    QString error;
    const QStringList found = ::unknownWords({text}, QSet<QString>(allowed.begin(), allowed.end()), &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QCOMPARE(found, unknown);
}

void tst_Spelling::shippedTextsSpelledCorrectly()
{
    QString error;
    const QSet<QString> allowed = readAllowList(&error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    const QList<Text> texts = shippedTexts();
    QStringList plain;
    for (const Text &t : texts)
        plain << t.text;
    const QStringList unknown = ::unknownWords(plain, allowed, &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QHash<QString, QStringList> places;
    for (const Text &t : texts)
        for (const QString &word : wordsOf(t.text))
            if (unknown.contains(word) && !places[word].contains(t.where))
                places[word] << t.where;
    QStringList problems;
    for (const QString &word : unknown)
        problems << QStringLiteral("%1 (%2)").arg(word, places[word].join(QStringLiteral(", ")));
    // The test library cuts long failure messages, so the words go out whole first.
    for (const QString &problem : std::as_const(problems))
        qWarning().noquote() << "unknown word:" << problem;
    QVERIFY2(problems.isEmpty(),
             qPrintable(QStringLiteral("%1 word(s) unknown to hunspell nl_NL and not in %2")
                            .arg(problems.size())
                            .arg(QStringLiteral(SPELLING_ALLOW_LIST))));
}

// Keeps the list short: a word that the dictionary learnt or the texts
// dropped goes.
void tst_Spelling::allowListHoldsOnlyUsedUnknownWords()
{
    QString error;
    const QSet<QString> allowed = readAllowList(&error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QSet<QString> used;
    for (const Text &t : shippedTexts())
        for (const QString &word : wordsOf(t.text))
            used.insert(word.front().toLower() + word.mid(1));
    QStringList listed = allowed.values();
    listed.sort();
    const QStringList needed = ::unknownWords(listed, {}, &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QStringList problems;
    for (const QString &word : std::as_const(listed)) {
        if (!needed.contains(word))
            problems << word + QStringLiteral(": known to the dictionary");
        else if (!used.contains(word.front().toLower() + word.mid(1)))
            problems << word + QStringLiteral(": in no text");
    }
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u'\n')));
}

QTEST_GUILESS_MAIN(tst_Spelling)
#include "tst_spelling.moc"
