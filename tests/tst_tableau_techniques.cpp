#include "tableau/tableau_techniques.h"

#include <QTest>

using namespace tessaly;

using Positions = QList<int>;
using Chain = QList<ChainStep>;

namespace {

// Card p on position p, then the given positions changed.
TableauLayout identityWith(std::initializer_list<std::pair<int, CardNumber>> changes)
{
    TableauLayout layout{};
    for (int p = 1; p <= TableauPositions; ++p)
        layout[p] = p;
    for (const auto &[p, card] : changes)
        layout[p] = card;
    return layout;
}

// Only the given positions hold a card.
TableauLayout sparse(std::initializer_list<std::pair<int, CardNumber>> cards)
{
    TableauLayout layout{};
    for (const auto &[p, card] : cards)
        layout[p] = card;
    return layout;
}

// 29 on 20, 20 on 5, 5 on 12, 12 on 29: a chain of four houses.
const TableauLayout Cycle = identityWith({{20, 29}, {5, 20}, {12, 5}, {29, 12}});

// The short text of a pair, as the catalogue holds it.
QString pair(const char *key)
{
    return PairBareText(*PairIndex(QString::fromLatin1(key)));
}

Positions positionsOf(const ReadingSection &section)
{
    Positions positions;
    for (const ReadingLine &line : section.lines)
        if (line.position)
            positions.append(line.position);
    return positions;
}

const ReadingSection &sectionNamed(const TechniquesReading &reading, const QString &heading)
{
    for (const ReadingSection &section : reading.sections)
        if (section.heading == heading)
            return section;
    qFatal("no section %s", qPrintable(heading));
}

} // namespace

Q_DECLARE_METATYPE(TableauLayout)
Q_DECLARE_METATYPE(Technique)

class tst_TableauTechniques : public QObject
{
    Q_OBJECT

private slots:
    void gridPlaces();
    void geometry_data();
    void geometry();
    void distances_data();
    void distances();
    void houseChain_data();
    void houseChain();
    void frames_data();
    void frames();
    void sectionsOfAFullTableau_data();
    void sectionsOfAFullTableau();
    void lineForms();
    void copyText_data();
    void copyText();
    void savedDate_data();
    void savedDate();
};

void tst_TableauTechniques::gridPlaces()
{
    QCOMPARE(GridRow(1), 0);
    QCOMPARE(GridColumn(1), 0);
    QCOMPARE(GridRow(20), 2);
    QCOMPARE(GridColumn(20), 3);
    QCOMPARE(GridRow(32), 3);
    QCOMPARE(GridColumn(32), 7);
    QCOMPARE(GridPosition(2, 3), 20);
    QCOMPARE(GridPosition(4, 0), 0);
    QCOMPARE(GridPosition(0, 8), 0);
    QCOMPARE(GridPosition(-1, 0), 0);
    QVERIFY(IsGridPosition(32));
    QVERIFY(!IsGridPosition(33));
    QVERIFY(!IsGridPosition(0));
}

void tst_TableauTechniques::geometry_data()
{
    QTest::addColumn<int>("s");
    QTest::addColumn<Positions>("above");
    QTest::addColumn<Positions>("below");
    QTest::addColumn<Positions>("left");
    QTest::addColumn<Positions>("right");
    QTest::addColumn<Positions>("upLeft");
    QTest::addColumn<Positions>("upRight");
    QTest::addColumn<Positions>("downLeft");
    QTest::addColumn<Positions>("downRight");
    QTest::addColumn<Positions>("knight");
    QTest::addColumn<Positions>("mirrors"); // horizontal, vertical, centre
    QTest::addColumn<Positions>("near");

    QTest::newRow("corner 1") << 1 << Positions{} << Positions{9, 17, 25} << Positions{}
                              << Positions{2, 3, 4, 5, 6, 7, 8} << Positions{} << Positions{} << Positions{}
                              << Positions{10, 19, 28} << Positions{11, 18} << Positions{8, 25, 32}
                              << Positions{2, 9, 10};
    QTest::newRow("corner 8") << 8 << Positions{} << Positions{16, 24, 32} << Positions{7, 6, 5, 4, 3, 2, 1}
                              << Positions{} << Positions{} << Positions{} << Positions{15, 22, 29}
                              << Positions{} << Positions{14, 23} << Positions{1, 32, 25}
                              << Positions{7, 15, 16};
    QTest::newRow("corner 25") << 25 << Positions{17, 9, 1} << Positions{} << Positions{}
                               << Positions{26, 27, 28, 29, 30, 31, 32} << Positions{} << Positions{18, 11, 4}
                               << Positions{} << Positions{} << Positions{10, 19} << Positions{32, 1, 8}
                               << Positions{17, 18, 26};
    QTest::newRow("corner 32") << 32 << Positions{24, 16, 8} << Positions{}
                               << Positions{31, 30, 29, 28, 27, 26, 25} << Positions{} << Positions{23, 14, 5}
                               << Positions{} << Positions{} << Positions{} << Positions{15, 22}
                               << Positions{25, 8, 1} << Positions{23, 24, 31};
    QTest::newRow("top edge 4") << 4 << Positions{} << Positions{12, 20, 28} << Positions{3, 2, 1}
                                << Positions{5, 6, 7, 8} << Positions{} << Positions{}
                                << Positions{11, 18, 25} << Positions{13, 22, 31} << Positions{10, 14, 19, 21}
                                << Positions{5, 28, 29} << Positions{3, 5, 11, 12, 13};
    QTest::newRow("left edge 17") << 17 << Positions{9, 1} << Positions{25} << Positions{}
                                  << Positions{18, 19, 20, 21, 22, 23, 24} << Positions{} << Positions{10, 3}
                                  << Positions{} << Positions{26} << Positions{2, 11, 27}
                                  << Positions{24, 9, 16} << Positions{9, 10, 18, 25, 26};
    QTest::newRow("right edge 16") << 16 << Positions{8} << Positions{24, 32}
                                   << Positions{15, 14, 13, 12, 11, 10, 9} << Positions{} << Positions{7}
                                   << Positions{} << Positions{23, 30} << Positions{} << Positions{6, 22, 31}
                                   << Positions{9, 24, 17} << Positions{7, 8, 15, 23, 24};
    QTest::newRow("bottom edge 29") << 29 << Positions{21, 13, 5} << Positions{} << Positions{28, 27, 26, 25}
                                    << Positions{30, 31, 32} << Positions{20, 11, 2} << Positions{22, 15, 8}
                                    << Positions{} << Positions{} << Positions{12, 14, 19, 23}
                                    << Positions{28, 5, 4} << Positions{20, 21, 22, 28, 30};
    QTest::newRow("centre 20") << 20 << Positions{12, 4} << Positions{28} << Positions{19, 18, 17}
                               << Positions{21, 22, 23, 24} << Positions{11, 2} << Positions{13, 6}
                               << Positions{27} << Positions{29} << Positions{3, 5, 10, 14, 26, 30}
                               << Positions{21, 12, 13} << Positions{11, 12, 13, 19, 21, 27, 28, 29};
    QTest::newRow("outcome 34") << 34 << Positions{} << Positions{} << Positions{} << Positions{}
                                << Positions{} << Positions{} << Positions{} << Positions{} << Positions{}
                                << Positions{} << Positions{};
}

void tst_TableauTechniques::geometry()
{
    QFETCH(int, s);
    QFETCH(Positions, above);
    QFETCH(Positions, below);
    QFETCH(Positions, left);
    QFETCH(Positions, right);
    QFETCH(Positions, upLeft);
    QFETCH(Positions, upRight);
    QFETCH(Positions, downLeft);
    QFETCH(Positions, downRight);
    QFETCH(Positions, knight);
    QFETCH(Positions, mirrors);
    QFETCH(Positions, near);
    QCOMPARE(Ray(s, Direction::Above), above);
    QCOMPARE(Ray(s, Direction::Below), below);
    QCOMPARE(Ray(s, Direction::Left), left);
    QCOMPARE(Ray(s, Direction::Right), right);
    QCOMPARE(Ray(s, Direction::UpLeft), upLeft);
    QCOMPARE(Ray(s, Direction::UpRight), upRight);
    QCOMPARE(Ray(s, Direction::DownLeft), downLeft);
    QCOMPARE(Ray(s, Direction::DownRight), downRight);
    QCOMPARE(KnightJumps(s), knight);
    Positions mirrored;
    QList<MirrorKind> kinds;
    for (const MirrorPlace &mirror : Mirrors(s)) {
        mirrored.append(mirror.position);
        kinds.append(mirror.kind);
    }
    QCOMPARE(mirrored, mirrors);
    if (!mirrors.isEmpty())
        QCOMPARE(kinds,
                 QList<MirrorKind>({MirrorKind::Horizontal, MirrorKind::Vertical, MirrorKind::Centre}));
    Positions atOne;
    if (IsGridPosition(s))
        for (int p = 1; p <= GridPositionCount; ++p)
            if (p != s && GridDistance(s, p) == 1)
                atOne.append(p);
    QCOMPARE(atOne, near);
}

void tst_TableauTechniques::distances_data()
{
    QTest::addColumn<int>("p");
    QTest::addColumn<int>("q");
    QTest::addColumn<int>("distance");
    QTest::newRow("neighbours in a row") << 1 << 2 << 1;
    QTest::newRow("diagonal neighbours") << 1 << 10 << 1;
    QTest::newRow("corner to corner") << 1 << 32 << 7;
    QTest::newRow("columns count most") << 20 << 1 << 3;
    QTest::newRow("rows count most") << 12 << 29 << 2;
    QTest::newRow("a row end to end") << 16 << 9 << 7;
    QTest::newRow("top to bottom") << 5 << 29 << 3;
}

void tst_TableauTechniques::distances()
{
    QFETCH(int, p);
    QFETCH(int, q);
    QFETCH(int, distance);
    QCOMPARE(GridDistance(p, q), distance);
    QCOMPARE(GridDistance(q, p), distance);
}

void tst_TableauTechniques::houseChain_data()
{
    QTest::addColumn<TableauLayout>("layout");
    QTest::addColumn<int>("significator");
    QTest::addColumn<Chain>("steps");
    QTest::addColumn<int>("missing");
    QTest::newRow("own house") << identityWith({}) << 29 << Chain{{29, 29}} << 0;
    QTest::newRow("four houses") << Cycle << 29 << Chain{{29, 20}, {20, 5}, {5, 12}, {12, 29}} << 0;
    QTest::newRow("entered halfway") << Cycle << 5 << Chain{{5, 12}, {12, 29}, {29, 20}, {20, 5}} << 0;
    QTest::newRow("swapped pair") << identityWith({{8, 29}, {29, 8}}) << 29 << Chain{{29, 8}, {8, 29}} << 0;
    QTest::newRow("into the outcome")
        << identityWith({{34, 29}, {29, 34}}) << 29 << Chain{{29, 34}, {34, 29}} << 0;
    QTest::newRow("card missing") << sparse({{20, 29}, {5, 20}}) << 29 << Chain{{29, 20}, {20, 5}} << 5;
    QTest::newRow("significator missing") << sparse({{5, 20}}) << 29 << Chain{} << 29;
    QTest::newRow("card laid twice counts first")
        << identityWith({{3, 29}, {7, 29}}) << 29 << Chain{{29, 3}} << 3;
}

void tst_TableauTechniques::houseChain()
{
    QFETCH(TableauLayout, layout);
    QFETCH(int, significator);
    QFETCH(Chain, steps);
    QFETCH(int, missing);
    const HouseChain chain = HouseChainOf(layout, significator);
    QCOMPARE(chain.steps, steps);
    QCOMPARE(chain.missing, missing);
}

void tst_TableauTechniques::frames_data()
{
    QTest::addColumn<TableauLayout>("layout");
    QTest::addColumn<int>("significator");
    QTest::addColumn<Technique>("technique");
    QTest::addColumn<Positions>("framed");

    const Positions outcome{33, 34, 35, 36};
    QTest::newRow("centre: significator") << Cycle << 29 << Technique::Significator << Positions{20};
    QTest::newRow("centre: near") << Cycle << 29 << Technique::Near
                                  << Positions{11, 12, 13, 19, 21, 27, 28, 29};
    QTest::newRow("centre: lines") << Cycle << 29 << Technique::Lines
                                   << Positions{4, 12, 17, 18, 19, 21, 22, 23, 24, 28};
    QTest::newRow("centre: diagonals")
        << Cycle << 29 << Technique::Diagonals << Positions{2, 6, 11, 13, 27, 29};
    QTest::newRow("centre: knight") << Cycle << 29 << Technique::Knight << Positions{3, 5, 10, 14, 26, 30};
    QTest::newRow("centre: mirrors") << Cycle << 29 << Technique::Mirrors << Positions{12, 13, 21};
    QTest::newRow("centre: chain") << Cycle << 29 << Technique::Chain << Positions{5, 12, 29};
    QTest::newRow("centre: outcome") << Cycle << 29 << Technique::Outcome << outcome;

    const TableauLayout inOutcome = identityWith({{34, 29}, {29, 34}});
    QTest::newRow("outcome: significator") << inOutcome << 29 << Technique::Significator << Positions{34};
    QTest::newRow("outcome: no grid") << inOutcome << 29 << Technique::Near << Positions{};
    QTest::newRow("outcome: no knight") << inOutcome << 29 << Technique::Knight << Positions{};
    QTest::newRow("outcome: chain") << inOutcome << 29 << Technique::Chain << Positions{29};

    // The pattern shows on empty places as well.
    const TableauLayout corner = sparse({{1, 29}});
    QTest::newRow("corner alone: knight") << corner << 29 << Technique::Knight << Positions{11, 18};
    QTest::newRow("corner alone: mirrors") << corner << 29 << Technique::Mirrors << Positions{8, 25, 32};
    QTest::newRow("corner alone: no chain") << corner << 29 << Technique::Chain << Positions{};

    QTest::newRow("absent: no significator")
        << sparse({{5, 20}}) << 29 << Technique::Significator << Positions{};
    QTest::newRow("absent: no lines") << sparse({{5, 20}}) << 29 << Technique::Lines << Positions{};
    QTest::newRow("absent: outcome stays") << sparse({{5, 20}}) << 29 << Technique::Outcome << outcome;
}

void tst_TableauTechniques::frames()
{
    QFETCH(TableauLayout, layout);
    QFETCH(int, significator);
    QFETCH(Technique, technique);
    QFETCH(Positions, framed);
    const auto frames = TechniqueFrames(layout, significator);
    Positions found;
    for (int p = 1; p <= TableauPositions; ++p)
        if (frames[p] & MaskOf(technique))
            found.append(p);
    QCOMPARE(found, framed);
}

void tst_TableauTechniques::sectionsOfAFullTableau_data()
{
    QTest::addColumn<QString>("heading");
    QTest::addColumn<Positions>("positions");
    QTest::newRow("Afstand") << "Afstand" << Positions{11, 12, 13, 19, 21, 27, 28, 29,             // 1
                                                       2,  3,  4,  5,  6,  10, 14, 18, 22, 26, 30, // 2
                                                       1,  7,  9,  15, 17, 23, 25, 31,             // 3
                                                       8,  16, 24, 32};                            // 4
    QTest::newRow("Boven") << "Boven" << Positions{12, 4};
    QTest::newRow("Onder") << "Onder" << Positions{28};
    QTest::newRow("Links") << "Links" << Positions{19, 18, 17};
    QTest::newRow("Rechts") << "Rechts" << Positions{21, 22, 23, 24};
    QTest::newRow("Diagonalen") << "Diagonalen" << Positions{11, 2, 13, 6, 27, 29};
    QTest::newRow("Paardensprong") << "Paardensprong" << Positions{3, 5, 10, 14, 26, 30};
    QTest::newRow("Spiegels") << "Spiegels" << Positions{21, 12, 13};
    QTest::newRow("Huizenketen") << "Huizenketen" << Positions{20, 5, 12, 29};
    QTest::newRow("Uitkomst") << "Uitkomst" << Positions{33, 34, 35, 36};
}

void tst_TableauTechniques::sectionsOfAFullTableau()
{
    QFETCH(QString, heading);
    QFETCH(Positions, positions);
    const TechniquesReading reading = ReadTechniques(Cycle, 29, QStringLiteral("08.dec.26"));
    QStringList headings;
    for (const ReadingSection &section : reading.sections)
        headings.append(section.heading);
    QCOMPARE(headings, QStringList({"Afstand", "Boven", "Onder", "Links", "Rechts", "Diagonalen",
                                    "Paardensprong", "Spiegels", "Huizenketen", "Uitkomst"}));
    const ReadingSection &section = sectionNamed(reading, heading);
    // A full tableau needs no note: every line is a card.
    QCOMPARE(positionsOf(section), positions);
    QCOMPARE(section.lines.size(), positions.size());
    for (const ReadingLine &line : section.lines) {
        const CardNumber card = Cycle[line.position];
        QCOMPARE(line.card, card == 29 ? 0 : card);
        QVERIFY2(line.text.startsWith(CardTitle(card) + u' '), qPrintable(line.text));
    }
}

void tst_TableauTechniques::lineForms()
{
    const TechniquesReading reading = ReadTechniques(Cycle, 29, QString());
    QCOMPARE(reading.header,
             QStringLiteral("Grand Tableau niet bewaard — significator 29) Vrouw op positie 20"));
    const QList<ReadingLine> distance = sectionNamed(reading, QStringLiteral("Afstand")).lines;
    QCOMPARE(distance[0].text,
             QStringLiteral("11) Roede op 11, afstand 1 (dichtbij) — 29+11: ") + pair("29+11"));
    QCOMPARE(distance[1].text,
             QStringLiteral("05) Boom op 12, afstand 1 (dichtbij) — 29+05: ") + pair("29+05"));
    QCOMPARE(distance[8].text, QStringLiteral("02) Klaverblad op 2, afstand 2 — 29+02: ") + pair("29+02"));
    QCOMPARE(distance[27].text,
             QStringLiteral("08) Lijkkist op 8, afstand 4 (veraf) — 29+08: ") + pair("29+08"));
    QCOMPARE(sectionNamed(reading, QStringLiteral("Diagonalen")).lines[3].text,
             QStringLiteral("06) Wolken op 6, rechtsboven — 29+06: ") + pair("29+06"));
    const QList<ReadingLine> mirrors = sectionNamed(reading, QStringLiteral("Spiegels")).lines;
    QCOMPARE(mirrors[0].text, QStringLiteral("21) Berg op 21, horizontaal — 29+21: ") + pair("29+21"));
    QCOMPARE(mirrors[2].text, QStringLiteral("13) Kindje op 13, door het midden — 29+13: ") + pair("29+13"));
    const QList<ReadingLine> chain = sectionNamed(reading, QStringLiteral("Huizenketen")).lines;
    QCOMPARE(chain[0].text, QStringLiteral("29) Vrouw in huis 20 — de significator"));
    QCOMPARE(chain[1].text, QStringLiteral("20) Tuin in huis 5 — 29+20: ") + pair("29+20"));
    QCOMPARE(chain[1].card, 20);
}

void tst_TableauTechniques::copyText_data()
{
    QTest::addColumn<TableauLayout>("layout");
    QTest::addColumn<QString>("date");
    QTest::addColumn<QStringList>("lines");

    const QString notFull = QStringLiteral("Het tableau is niet vol: lege plaatsen ontbreken.");
    const QString none = QStringLiteral("Geen kaarten.");
    QTest::newRow("sparse, in a corner")
        << sparse({{1, 29}, {2, 7}, {8, 3}, {10, 24}, {11, 18}, {33, 31}}) << "08.dec.26"
        << QStringList{"Grand Tableau 08.dec.26 — significator 29) Vrouw op positie 1",
                       "Afstand",
                       notFull,
                       "07) Slang op 2, afstand 1 (dichtbij) — 29+07: " + pair("29+07"),
                       "24) Hart op 10, afstand 1 (dichtbij) — 29+24: " + pair("29+24"),
                       "18) Hond op 11, afstand 2 — 29+18: " + pair("29+18"),
                       "03) Schip op 8, afstand 7 (veraf) — 29+03: " + pair("29+03"),
                       "Boven",
                       notFull,
                       none,
                       "Onder",
                       notFull,
                       none,
                       "Links",
                       notFull,
                       none,
                       "Rechts",
                       notFull,
                       "07) Slang op 2 — 29+07: " + pair("29+07"),
                       "03) Schip op 8 — 29+03: " + pair("29+03"),
                       "Diagonalen",
                       notFull,
                       "24) Hart op 10, rechtsonder — 29+24: " + pair("29+24"),
                       "Paardensprong",
                       notFull,
                       "18) Hond op 11 — 29+18: " + pair("29+18"),
                       "Spiegels",
                       notFull,
                       "03) Schip op 8, horizontaal — 29+03: " + pair("29+03"),
                       "Huizenketen",
                       "29) Vrouw in huis 1 — de significator",
                       "01) Ruiter ligt niet op het tableau; de keten stopt hier.",
                       "Uitkomst",
                       "31) Zonne op 33 — 29+31: " + pair("29+31")};

    const QString outside = QStringLiteral("De significator ligt in de uitkomst, buiten de vier rijen.");
    QTest::newRow("significator in the outcome")
        << identityWith({{34, 29}, {29, 34}}) << ""
        << QStringList{"Grand Tableau niet bewaard — significator 29) Vrouw op positie 34",
                       "Afstand",
                       outside,
                       "Boven",
                       outside,
                       "Onder",
                       outside,
                       "Links",
                       outside,
                       "Rechts",
                       outside,
                       "Diagonalen",
                       outside,
                       "Paardensprong",
                       outside,
                       "Spiegels",
                       outside,
                       "Huizenketen",
                       "29) Vrouw in huis 34 — de significator",
                       "34) Vissen in huis 29 — 29+34: " + pair("29+34"),
                       "Uitkomst",
                       "33) Sleutel op 33 — 29+33: " + pair("29+33"),
                       "29) Vrouw op 34 — de significator",
                       "35) Anker op 35 — 29+35: " + pair("29+35"),
                       "36) Kruis op 36 — 29+36: " + pair("29+36")};

    const QString absent = QStringLiteral("29) Vrouw ligt niet op het tableau.");
    QTest::newRow("significator not laid")
        << sparse({{35, 10}}) << "08.dec.26"
        << QStringList{"Grand Tableau 08.dec.26 — significator 29) Vrouw, niet op het tableau",
                       "Afstand",
                       absent,
                       "Boven",
                       absent,
                       "Onder",
                       absent,
                       "Links",
                       absent,
                       "Rechts",
                       absent,
                       "Diagonalen",
                       absent,
                       "Paardensprong",
                       absent,
                       "Spiegels",
                       absent,
                       "Huizenketen",
                       absent,
                       "Uitkomst",
                       "10) Zeisen op 35 — 29+10: " + pair("29+10")};
}

void tst_TableauTechniques::copyText()
{
    QFETCH(TableauLayout, layout);
    QFETCH(QString, date);
    QFETCH(QStringList, lines);
    const QString text = ReadingText(ReadTechniques(layout, 29, date));
    QCOMPARE(text, lines.join(QStringLiteral("\r\n")));
    QVERIFY(!text.endsWith(u'\n'));
    QCOMPARE(text.count(u'\n'), text.count(QStringLiteral("\r\n")));
}

void tst_TableauTechniques::savedDate_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<TableauLayout>("layout");
    QTest::addColumn<QString>("date");
    const QString twoCards = QStringLiteral("08.dec.26 : 05,,12,") + QString(33, u',');
    QTest::newRow("the line on screen") << twoCards << sparse({{1, 5}, {3, 12}}) << "08.dec.26";
    QTest::newRow("a card moved since") << twoCards << sparse({{1, 5}, {4, 12}}) << "";
    QTest::newRow("a card added since") << twoCards << sparse({{1, 5}, {3, 12}, {36, 1}}) << "";
    QTest::newRow("00 reads as empty")
        << QStringLiteral("07.okt.25 : 00,,12,") + QString(33, u',') << sparse({{3, 12}}) << "07.okt.25";
    QTest::newRow("never saved") << QStringLiteral("00.000.00 : 05,,12,") + QString(33, u',')
                                 << sparse({{1, 5}, {3, 12}}) << "";
    QTest::newRow("no line") << QString() << TableauLayout{} << "";
}

void tst_TableauTechniques::savedDate()
{
    QFETCH(QString, line);
    QFETCH(TableauLayout, layout);
    QFETCH(QString, date);
    QCOMPARE(SavedLayoutDate(line, layout), date);
}

QTEST_APPLESS_MAIN(tst_TableauTechniques)
#include "tst_tableau_techniques.moc"
