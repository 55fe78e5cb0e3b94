// Random and damaged journals through every reader: nothing may crash, and
// the indexed duplicate search must keep to the literal rule.

#include "app/text_file.h"
#include "catalogue/catalogue.h"
#include "literal_duplicates.h"
#include "saved/saved_list.h"
#include "tests/support/line_mutator.h"

#include <QFile>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>

#include <random>

using namespace tessaly;

class tst_JournalFuzz : public QObject
{
    Q_OBJECT

private slots:
    void linesThroughEveryReader();
    void filesThroughEveryReader();
};

namespace {

class Mutator : public LineMutator
{
public:
    explicit Mutator(quint32 seed)
        : LineMutator(seed, QStringLiteral("/ ()#*0123456789.-"))
    {
    }

    QStringList batch(const QStringList &source, int size)
    {
        QStringList lines;
        for (int n = 0; n < size; ++n) {
            const QString &base = source[below(int(source.size()))];
            lines.append(below(3) == 0 ? base : mutate(base));
        }
        return lines;
    }
};

// What the per-line rules promise for any text at all.
void checkLine(const QString &line)
{
    const int cards = EntryCardCount(line);
    QVERIFY(cards == 0 || cards == 3 || cards == 5 || cards == 9);
    if (cards > 0) {
        const QString part = *CardPart(line);
        for (int i = 1; i <= cards; ++i) {
            const std::optional<int> card = CardAt(part, i);
            QVERIFY(!card || (*card >= 0 && *card <= 99));
        }
    }
    QVERIFY(EntryYear(line).size() <= 2);
    QVERIFY(CountedPart(line).size() <= line.size());
    if (const std::optional<RemarkParts> parts = RemarkSplit(line))
        QCOMPARE(parts->head + parts->remark + parts->tail, line);
    else
        QVERIFY(SpreadKindOf(line) == SpreadKind::None || line.size() < 42);
}

void checkList(const QStringList &lines)
{
    QCOMPARE(FindDuplicateTriples(lines), LiteralDuplicateTriples(lines));
    const qsizetype three = FilterByKind(lines, true, false, false).size();
    const qsizetype five = FilterByKind(lines, false, true, false).size();
    const qsizetype nine = FilterByKind(lines, false, false, true).size();
    QCOMPARE(FilterByKind(lines, true, true, false).size(), three + five);
    QVERIFY(three + five + nine <= lines.size());
    QCOMPARE(FilterByKind(lines, true, true, true), lines);
    if (!lines.isEmpty()) {
        const QString &last = lines.last();
        QCOMPARE(FindFileLine(lines, last), int(lines.lastIndexOf(last)) + 1);
        QVERIFY(SearchLines(lines, last).contains(last));
    }
}

} // namespace

void tst_JournalFuzz::linesThroughEveryReader()
{
    Mutator mutator(20261208);
    const QStringList source = GeneratedJournal(2000, 7);
    int fed = 0;
    while (fed < 100000) {
        const QStringList lines = mutator.batch(source, 20);
        for (const QString &line : lines) {
            checkLine(line);
            if (QTest::currentTestFailed())
                QFAIL(qPrintable(QStringLiteral("line: ") + line));
        }
        checkList(lines);
        if (QTest::currentTestFailed())
            QFAIL(qPrintable(lines.join(u'\n')));
        fed += int(lines.size());
    }
    // Megabyte lines, among entries they could repeat.
    for (int round = 0; round < 2; ++round) {
        QStringList lines = mutator.batch(source, 4);
        QString huge;
        while (huge.size() < 1 << 20)
            huge += source[mutator.below(int(source.size()))];
        lines.insert(mutator.below(5), huge);
        checkLine(huge);
        checkList(lines);
    }
}

void tst_JournalFuzz::filesThroughEveryReader()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("Orvalis.txt"));
    Mutator mutator(8122026);
    const QStringList source = GeneratedJournal(500, 11);
    for (int round = 0; round < 600; ++round) {
        const QStringList lines = mutator.batch(source, 10);
        QByteArray bytes;
        switch (mutator.below(6)) {
        case 0: {
            // Random bytes, sometimes after a mark.
            static const QByteArray marks[] = {"", "\xEF\xBB\xBF", "\xFF\xFE", "\xFE\xFF"};
            bytes = marks[mutator.below(4)];
            for (int n = mutator.below(400); n > 0; --n)
                bytes += char(mutator.below(256));
            break;
        }
        case 1:
            bytes = QStringEncoder(QStringConverter::Utf8).encode(lines.join(QStringLiteral("\r\n")));
            bytes.prepend("\xEF\xBB\xBF");
            break;
        case 2:
            bytes = QStringEncoder(QStringConverter::Utf16LE).encode(lines.join(u'\n'));
            bytes.prepend("\xFF\xFE");
            break;
        case 3:
            bytes = QStringEncoder(QStringConverter::Utf16BE).encode(lines.join(u'\r'));
            bytes.prepend("\xFE\xFF");
            break;
        case 4:
            if (mutator.below(20) == 0)
                bytes = QByteArray(1 << 20, '7');
            break;
        default:
            for (const QString &line : lines)
                bytes += ToWindows1252(line).value_or(QByteArray("\x80\0\r", 3)) + "\r\n";
        }
        {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(bytes);
        }
        const std::optional<QStringList> read = ReadLines(path);
        QVERIFY(read);
        LineFile held(path);
        QVERIFY(held.refresh());
        QCOMPARE(held.lines(), *read);
        for (const QString &line : *read)
            checkLine(line);
        checkList(*read);

        // A line appended keeps every line there was, or nothing is written.
        const QString entry = QStringLiteral("08.dec.26 (fuzz %1) / 01 02 03").arg(round);
        QString error;
        if (held.append(entry, &error)) {
            QCOMPARE(*ReadLines(path), *read + QStringList{entry});
        } else {
            QVERIFY(!error.isEmpty());
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(file.readAll(), bytes);
        }
        if (QTest::currentTestFailed())
            QFAIL(qPrintable(QStringLiteral("round %1").arg(round)));
    }
}

QTEST_GUILESS_MAIN(tst_JournalFuzz)
#include "tst_journal_fuzz.moc"
