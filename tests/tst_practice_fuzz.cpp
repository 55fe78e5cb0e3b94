// Random and damaged progress files through the reader and the store:
// nothing may crash, a damaged line never costs another line, and what is
// written reads back the same.

#include "app/text_file.h"
#include "catalogue/catalogue.h"
#include "practice/practice_file.h"
#include "tests/support/line_mutator.h"

#include <QFile>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>

#include <random>

using namespace tessaly;

class tst_PracticeFuzz : public QObject
{
    Q_OBJECT

private slots:
    void linesThroughTheReader();
    void filesThroughTheStore();
};

namespace {

class Mutator : public LineMutator
{
public:
    explicit Mutator(quint32 seed)
        : LineMutator(seed, QStringLiteral(" -+.0123456789eE,:"))
    {
    }

    // A progress file's worth of lines: items as the program writes them,
    // some damaged, some twice, a setting or two.
    QStringList batch(int size)
    {
        QStringList lines;
        for (int n = 0; n < size; ++n) {
            QString line;
            if (below(12) == 0) {
                line = QStringLiteral("instelling nieuw-per-dag %1").arg(below(120));
            } else {
                const PracticeItem item = ItemAt(below(TotalItemCount()));
                const QDate first = QDate(2026, 1, 1).addDays(below(900));
                ItemProgress p{first.addDays(below(400)),
                               below(100000) / 100.0 + 0.01,
                               1 + below(900) / 100.0,
                               1 + below(50),
                               0,
                               first.addDays(below(30)),
                               first};
                p.lapses = below(p.reps + 1);
                line = ProgressLine(item, p);
            }
            lines.append(below(3) == 0 ? mutate(line) : line);
        }
        return lines;
    }
};

QStringList damagedTexts(const QList<DamagedLine> &damaged)
{
    QStringList texts;
    for (const DamagedLine &line : damaged)
        texts.append(line.text);
    return texts;
}

int itemsHeld(const PracticeProgress &progress)
{
    int held = 0;
    for (int index = 0; index < TotalItemCount(); ++index)
        held += progress.at(index).has_value();
    return held;
}

} // namespace

void tst_PracticeFuzz::linesThroughTheReader()
{
    Mutator mutator(20261208);
    for (int round = 0; round < 3000; ++round) {
        const QStringList lines = mutator.batch(1 + mutator.below(30));
        const PracticeFileContent content = ReadPracticeLines(lines);
        // Every line is an item, the setting, damaged or blank.
        int settings = 0;
        int blanks = 0;
        for (const QString &line : lines) {
            const PracticeFileContent alone = ReadPracticeLines({line});
            blanks += line.trimmed().isEmpty();
            settings +=
                !line.trimmed().isEmpty() && alone.damaged.isEmpty() && itemsHeld(alone.progress) == 0;
        }
        QCOMPARE(itemsHeld(content.progress) + std::min(settings, 1) + blanks + int(content.damaged.size()),
                 int(lines.size()));
        // Each damaged line names its place.
        for (const DamagedLine &line : content.damaged)
            QCOMPARE(lines.value(line.number - 1), line.text);
        // An untouched line is never lost for a damaged one.
        for (const QString &line : lines) {
            const auto parsed = ParseProgressLine(line);
            if (parsed)
                QVERIFY(content.progress.at(parsed->first));
        }

        // Written once, the lines read back to themselves.
        const QStringList written = PracticeLines(content.progress, content.damaged);
        const PracticeFileContent again = ReadPracticeLines(written);
        QCOMPARE(PracticeLines(again.progress, again.damaged), written);
        QCOMPARE(again.progress.newPerDay, content.progress.newPerDay);
        if (QTest::currentTestFailed())
            QFAIL(qPrintable(QStringLiteral("round %1:\n").arg(round) + lines.join(u'\n')));
    }
}

void tst_PracticeFuzz::filesThroughTheStore()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QString::fromLatin1(PracticeFileName));
    Mutator mutator(8122026);
    const QDate today(2026, 12, 8);
    for (int round = 0; round < 500; ++round) {
        const QStringList lines = mutator.batch(mutator.below(40));
        QByteArray bytes;
        switch (mutator.below(5)) {
        case 0: {
            static const QByteArray marks[] = {"", "\xEF\xBB\xBF", "\xFF\xFE", "\xFE\xFF"};
            bytes = marks[mutator.below(4)];
            for (int n = mutator.below(300); n > 0; --n)
                bytes += char(mutator.below(256));
            break;
        }
        case 1:
            bytes = "\xEF\xBB\xBF" + QStringEncoder(QStringConverter::Utf8).encode(lines.join(u'\n'));
            break;
        case 2:
            bytes = "\xFF\xFE" +
                    QStringEncoder(QStringConverter::Utf16LE).encode(lines.join(QStringLiteral("\r\n")));
            break;
        default:
            for (const QString &line : lines)
                bytes += ToWindows1252(line).value_or(QByteArray("\x81\0", 2)) + "\r\n";
        }
        {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(bytes);
        }
        PracticeStore store(path);
        QVERIFY(store.refresh());
        const PracticeProgress before = store.progress();
        const QStringList damaged = damagedTexts(ReadPracticeLines(ReadLines(path).value()).damaged);

        // One answer keeps every item and every damaged line the file can hold.
        const PracticeItem answered = ItemAt(mutator.below(TotalItemCount()));
        QString error;
        QVERIFY2(store.answer(answered, mutator.below(2) == 0, today, &error), qPrintable(error));
        const PracticeFileContent after = ReadPracticeLines(ReadLines(path).value());
        for (int index = 0; index < TotalItemCount(); ++index) {
            if (ItemAt(index) == answered)
                QVERIFY(after.progress.at(index));
            else if (before.at(index))
                QCOMPARE(ProgressLine(ItemAt(index), *after.progress.at(index)),
                         ProgressLine(ItemAt(index), *before.at(index)));
            else
                QVERIFY(!after.progress.at(index));
        }
        QStringList storable;
        for (const QString &text : damaged)
            if (ToWindows1252(text))
                storable.append(text);
        QCOMPARE(damagedTexts(after.damaged), storable);
        if (QTest::currentTestFailed())
            QFAIL(qPrintable(QStringLiteral("round %1").arg(round)));
    }
}

QTEST_GUILESS_MAIN(tst_PracticeFuzz)
#include "tst_practice_fuzz.moc"
