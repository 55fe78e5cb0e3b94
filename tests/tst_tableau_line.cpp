#include "tableau/tableau_line.h"
#include "tests/support/seeded_random.h"

#include <QRandomGenerator>
#include <QTest>

#include <algorithm>
#include <random>

using namespace tessaly;

namespace {

using Kind = TableauField::Kind;

// Draws that always take the last remaining card, so the order is known.
class LastPick : public RandomSource
{
public:
    int below(int n) override { return n - 1; }
};

QString fields(const QStringList &texts)
{
    QString text;
    for (const QString &t : texts)
        text += t + u',';
    return text;
}

} // namespace

class tst_TableauLine : public QObject
{
    Q_OBJECT

private slots:
    void wholeNumbers_data();
    void wholeNumbers();
    void writesTwoCardsOnEighthDecember();
    void writerPadsOneDigitAndKeepsZero();
    void readsFields_data();
    void readsFields();
    void readsBackWhatItWrites();
    void randomOrderUsesEveryCardOnce();
    void randomOrderFollowsTheDraws();
    void randomLineReadsBackFull();
    void hints_data();
    void hints();
    void readerSurvivesRandomAndMutatedLines();
};

void tst_TableauLine::wholeNumbers_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<qlonglong>("value");
    QTest::addColumn<bool>("isNumber");
    QTest::newRow("two digits") << "05" << 5LL << true;
    QTest::newRow("leading blank") << " 7" << 7LL << true;
    QTest::newRow("plus sign") << "+9" << 9LL << true;
    QTest::newRow("minus sign") << "-1" << -1LL << true;
    QTest::newRow("zero") << "00" << 0LL << true;
    QTest::newRow("huge is still a number") << "123456789012345678901234" << 1'000'000'000'000LL << true;
    QTest::newRow("empty") << "" << 0LL << false;
    QTest::newRow("blank only") << "  " << 0LL << false;
    QTest::newRow("sign only") << "-" << 0LL << false;
    QTest::newRow("trailing blank") << "5 " << 0LL << false;
    QTest::newRow("comma") << ",5" << 0LL << false;
    QTest::newRow("letters") << "ab" << 0LL << false;
    QTest::newRow("arabic-indic digit") << QString(QChar(0x0663)) << 0LL << false;
}

void tst_TableauLine::wholeNumbers()
{
    QFETCH(QString, text);
    QFETCH(qlonglong, value);
    QFETCH(bool, isNumber);
    const std::optional<long long> read = ReadWholeNumber(text);
    QCOMPARE(read.has_value(), isNumber);
    if (isNumber)
        QCOMPARE(*read, value);
}

void tst_TableauLine::writesTwoCardsOnEighthDecember()
{
    TableauTextArray texts;
    texts[1] = QStringLiteral("05");
    texts[3] = QStringLiteral("12");
    const QString line = TableauLineText(QDate(2026, 12, 8), texts);
    QCOMPARE(line, QStringLiteral("08.dec.26 : 05,,12,") + QString(33, u','));
    QCOMPARE(line.size(), 52);

    const TableauRead read = ReadTableauLine(line);
    QVERIFY(!read.badNumber);
    QCOMPARE(read.fields[1].kind, Kind::Card);
    QCOMPARE(read.fields[1].card, 5);
    QCOMPARE(read.fields[2].kind, Kind::Unchanged);
    QCOMPARE(read.fields[3].kind, Kind::Card);
    QCOMPARE(read.fields[3].card, 12);
    QCOMPARE(read.fields[3].text, QStringLiteral("12"));
    for (int p = 4; p <= 36; ++p)
        QCOMPARE(read.fields[p].kind, Kind::Unchanged);
}

void tst_TableauLine::writerPadsOneDigitAndKeepsZero()
{
    TableauTextArray texts;
    texts[1] = QStringLiteral("7");
    texts[2] = QStringLiteral("00");
    texts[36] = QStringLiteral("36");
    const QString line = TableauLineText(QDate(2027, 3, 1), texts);
    QCOMPARE(line, QStringLiteral("01.mrt.27 : 07,00,") + QString(33, u',') + QStringLiteral("36,"));
}

void tst_TableauLine::readsFields_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QList<int>>("kinds"); // positions 1..6
    QTest::addColumn<QList<int>>("cards");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<bool>("bad");
    const auto k = [](Kind kind) { return int(kind); };
    const int U = k(Kind::Unchanged), C = k(Kind::Card), Z = k(Kind::Zero), N = k(Kind::NoCard);
    QTest::newRow("full start") << "08.dec.26 : " + fields({"01", "02", "03", "04", "05", "06"})
                                << QList<int>{C, C, C, C, C, C} << QList<int>{1, 2, 3, 4, 5, 6}
                                << QStringList{"01", "02", "03", "04", "05", "06"} << false;
    QTest::newRow("00 kept as 00") << "08.dec.26 : 00,14," << QList<int>{Z, C, U, U, U, U}
                                   << QList<int>{0, 14, 0, 0, 0, 0} << QStringList{"00", "14", "", "", "", ""}
                                   << false;
    QTest::newRow("out of range empties")
        << "08.dec.26 : 37,99,-1,05," << QList<int>{N, N, N, C, U, U} << QList<int>{0, 0, 0, 5, 0, 0}
        << QStringList{"", "", "", "05", "", ""} << true;
    QTest::newRow("blank for comma reads the same")
        << "08.dec.26 : 05 06 07," << QList<int>{C, C, C, U, U, U} << QList<int>{5, 6, 7, 0, 0, 0}
        << QStringList{"05", "06", "07", "", "", ""} << false;
    QTest::newRow("leading blank") << "08.dec.26 :  5," << QList<int>{C, U, U, U, U, U}
                                   << QList<int>{5, 0, 0, 0, 0, 0} << QStringList{" 5", "", "", "", "", ""}
                                   << false;
    // "xx" costs two positions, one per character; the comma after it a third.
    QTest::newRow("non-digits stepped over one by one")
        << "08.dec.26 : xx,09," << QList<int>{U, U, U, C, U, U} << QList<int>{0, 0, 0, 9, 0, 0}
        << QStringList{"", "", "", "09", "", ""} << false;
    QTest::newRow("one digit at the end")
        << "08.dec.26 : 05,3" << QList<int>{C, C, U, U, U, U} << QList<int>{5, 3, 0, 0, 0, 0}
        << QStringList{"05", "3", "", "", "", ""} << false;
    QTest::newRow("shorter than the date")
        << "08.dec" << QList<int>{U, U, U, U, U, U} << QList<int>{0, 0, 0, 0, 0, 0}
        << QStringList{"", "", "", "", "", ""} << false;
    QTest::newRow("separator not looked at")
        << "08.dec.26xxx07," << QList<int>{C, U, U, U, U, U} << QList<int>{7, 0, 0, 0, 0, 0}
        << QStringList{"07", "", "", "", "", ""} << false;
}

void tst_TableauLine::readsFields()
{
    QFETCH(QString, line);
    QFETCH(QList<int>, kinds);
    QFETCH(QList<int>, cards);
    QFETCH(QStringList, texts);
    QFETCH(bool, bad);
    const TableauRead read = ReadTableauLine(line);
    for (int p = 1; p <= 6; ++p) {
        QCOMPARE(int(read.fields[p].kind), kinds[p - 1]);
        QCOMPARE(read.fields[p].card, cards[p - 1]);
        QCOMPARE(read.fields[p].text, texts[p - 1]);
    }
    QCOMPARE(read.badNumber, bad);
}

void tst_TableauLine::readsBackWhatItWrites()
{
    SeededRandom random(7);
    for (int round = 0; round < 50; ++round) {
        TableauTextArray texts;
        for (int p = 1; p <= 36; ++p) {
            const int card = random.below(38) - 1; // -1 empty, 0 "00"
            texts[p] = card < 0 ? QString() : TwoDigitNumber(card).replace(u'-', QStringLiteral("00"));
        }
        const TableauRead read = ReadTableauLine(TableauLineText(QDate(2026, 12, 8), texts));
        for (int p = 1; p <= 36; ++p) {
            if (texts[p].isEmpty())
                QCOMPARE(read.fields[p].kind, Kind::Unchanged);
            else
                QCOMPARE(read.fields[p].text, texts[p]);
        }
    }
}

void tst_TableauLine::randomOrderUsesEveryCardOnce()
{
    for (quint32 seed : {1u, 2u, 99u}) {
        SeededRandom random(seed);
        auto order = RandomTableauOrder(random);
        std::sort(order.begin(), order.end());
        for (int i = 0; i < 36; ++i)
            QCOMPARE(order[i], i + 1);
    }
}

void tst_TableauLine::randomOrderFollowsTheDraws()
{
    // Always the last of the remaining cards: the order comes out reversed.
    LastPick last;
    const auto order = RandomTableauOrder(last);
    for (int i = 0; i < 36; ++i)
        QCOMPARE(order[i], 36 - i);
}

void tst_TableauLine::randomLineReadsBackFull()
{
    SeededRandom random(42);
    const QString line = RandomTableauLine(random);
    QVERIFY(line.startsWith(QStringLiteral("00.000.00 : ")));
    QCOMPARE(line.size(), 120);
    const TableauRead read = ReadTableauLine(line);
    QList<int> seen;
    for (int p = 1; p <= 36; ++p) {
        QCOMPARE(read.fields[p].kind, Kind::Card);
        seen.append(read.fields[p].card);
    }
    std::sort(seen.begin(), seen.end());
    for (int i = 0; i < 36; ++i)
        QCOMPARE(seen[i], i + 1);
}

void tst_TableauLine::hints_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("card");
    QTest::addColumn<int>("form");
    QTest::addColumn<QString>("hint");
    const QString ringPair = PairBareText(PairIndexOf(6, 25));
    QTest::newRow("no card") << 6 << 0 << int(HintForm::Placed) << "Zorgen - Positie: 6 Wolken";
    QTest::newRow("placed by hand") << 6 << 25 << int(HintForm::Placed)
                                    << "Zorgen - Positie: 6 Wolken + Ring:\r" + ringPair;
    QTest::newRow("from a line") << 6 << 25 << int(HintForm::FromLine)
                                 << "Zorgen - Positie 6: Wolken + Ring:\r" + ringPair;
    QTest::newRow("own house") << 36 << 36 << int(HintForm::Placed)
                               << "Verdriet - Positie 36: Kruis + Kruis = dubbele energie: \rLot, Pijn, "
                                  "Leed, Karma, Geloof, Bepoeving";
    QTest::newRow("own house from a line")
        << 14 << 14 << int(HintForm::FromLine)
        << "Bedrog - Positie 14: Vosje + Vosje = dubbele energie: \r" + SummaryKeyword(14);
}

void tst_TableauLine::hints()
{
    QFETCH(int, position);
    QFETCH(int, card);
    QFETCH(int, form);
    QFETCH(QString, hint);
    QVERIFY(!PairBareText(PairIndexOf(6, 25)).isEmpty());
    QCOMPARE(PositionHint(position, card, HintForm(form)), hint);
}

// Whatever a hand-edited or damaged file holds, the reader stays within the
// line and hands back only cards 1..36, "00" or nothing.
void tst_TableauLine::readerSurvivesRandomAndMutatedLines()
{
    SeededRandom random(2026);
    const QString alphabet = QStringLiteral("0123456789 ,+-.:x\t\r€é");
    const QString valid = RandomTableauLine(random);
    for (int round = 0; round < 20000; ++round) {
        QString line;
        if (round % 2 == 0) {
            const int length = random.below(160);
            for (int i = 0; i < length; ++i)
                line += round % 4 == 0 ? alphabet[random.below(int(alphabet.size()))]
                                       : QChar(char16_t(random.below(0xFFFF) + 1));
        } else {
            line = valid;
            for (int edits = random.below(8) + 1; edits > 0; --edits) {
                const int at = random.below(int(line.size()) + 1);
                switch (random.below(3)) {
                case 0:
                    line.insert(at, alphabet[random.below(int(alphabet.size()))]);
                    break;
                case 1:
                    line.remove(at, random.below(4));
                    break;
                default:
                    if (at < line.size())
                        line[at] = alphabet[random.below(int(alphabet.size()))];
                }
            }
        }
        const TableauRead read = ReadTableauLine(line);
        bool bad = false;
        for (int p = 1; p <= 36; ++p) {
            const TableauField &f = read.fields[p];
            switch (f.kind) {
            case Kind::Card:
                QVERIFY2(f.card >= 1 && f.card <= 36, qPrintable(line));
                QVERIFY(f.text.size() <= 2 && ReadWholeNumber(f.text) == f.card);
                break;
            case Kind::Zero:
                QCOMPARE(f.text, QStringLiteral("00"));
                break;
            case Kind::NoCard:
                bad = true;
                QVERIFY(f.text.isEmpty());
                break;
            case Kind::Unchanged:
                QVERIFY(f.text.isEmpty());
                break;
            }
        }
        QCOMPARE(read.badNumber, bad);
    }
}

QTEST_APPLESS_MAIN(tst_TableauLine)
#include "tst_tableau_line.moc"
