#include "app/text_file.h"
#include "catalogue/catalogue.h"
#include "practice/practice_file.h"
#include "tests/support/file_bytes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

using namespace tessaly;

namespace {

const QDate Day0(2026, 12, 8);
const QString Good =
    QStringLiteral("paar-betekenis 05+16 2026-12-11 3.1730 5.2824 1 0 2026-12-08 2026-12-08");
const QString Other = QStringLiteral("positie-thema 07 2026-12-20 10.7389 5.2730 2 0 2026-12-09 2026-12-06");
const PracticeItem Pair{Exercise::PairText, PairIndexOf(5, 16)};
const PracticeItem Position{Exercise::PositionTheme, 7};

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

class tst_PracticeFile : public QObject
{
    Q_OBJECT

private slots:
    void lineRoundTrip();
    void answerWithTheClockSetBackStaysReadable();
    void handEditedSpacingIsRead();
    void damagedLineIsSetAside_data();
    void damagedLineIsSetAside();
    void writtenLinesKeepTheDamaged();
    void damagedMessage();
    void answerIsWrittenAsWindows1252CrLf();
    void changeMadeOutsideIsKept();
    void damagedLinesAreReportedOnce();
    void unwritableFileIsRefused();
    void unreadableFileIsNeverWrittenOver();
    void unstorableDamagedLineIsDropped();
};

void tst_PracticeFile::lineRoundTrip()
{
    const ItemProgress progress = Review(std::nullopt, true, Day0);
    QCOMPARE(ProgressLine(Pair, progress), Good);
    const auto parsed = ParseProgressLine(Good);
    QVERIFY(parsed);
    QCOMPARE(parsed->first, Pair);
    QCOMPARE(parsed->second.due, QDate(2026, 12, 11));
    QCOMPARE(parsed->second.stability, 3.173);
    QCOMPARE(parsed->second.difficulty, 5.2824);
    QCOMPARE(parsed->second.reps, 1);
    QCOMPARE(parsed->second.lapses, 0);
    QCOMPARE(parsed->second.last, Day0);
    QCOMPARE(parsed->second.first, Day0);
    QCOMPARE(ProgressLine(parsed->first, parsed->second), Good);
}

void tst_PracticeFile::answerWithTheClockSetBackStaysReadable()
{
    const auto before = ParseProgressLine(Other);
    QVERIFY(before);
    // Answered on 9 December; the clock now says 1 December.
    const ItemProgress after = Review(before->second, true, QDate(2026, 12, 1));
    const auto read = ParseProgressLine(ProgressLine(Position, after));
    QVERIFY(read);
    QCOMPARE(read->second.first, QDate(2026, 12, 1));
    QCOMPARE(read->second.last, QDate(2026, 12, 1));
    QCOMPARE(read->second.reps, 3);
}

void tst_PracticeFile::handEditedSpacingIsRead()
{
    const PracticeFileContent content =
        ReadPracticeLines({QStringLiteral("  instelling\tnieuw-per-dag  4 "),
                           QString(Good).replace(u' ', QStringLiteral(" \t ")), QStringLiteral("   ")});
    QVERIFY(content.damaged.isEmpty());
    QCOMPARE(content.progress.newPerDay, 4);
    QVERIFY(content.progress.at(Pair));
}

void tst_PracticeFile::damagedLineIsSetAside_data()
{
    QTest::addColumn<QString>("line");
    QTest::newRow("too few fields") << "paar-betekenis 05+16 2026-12-11 3.1730 5.2824 1 0 2026-12-08";
    QTest::newRow("too many fields") << Good + QStringLiteral(" 7");
    QTest::newRow("unknown exercise")
        << QString(Good).replace(QStringLiteral("paar-betekenis"), QStringLiteral("paar-tekst"));
    QTest::newRow("card with itself")
        << QString(Good).replace(QStringLiteral("05+16"), QStringLiteral("05+05"));
    QTest::newRow("card 37") << QString(Other).replace(QStringLiteral(" 07 "), QStringLiteral(" 37 "));
    QTest::newRow("one digit") << QString(Other).replace(QStringLiteral(" 07 "), QStringLiteral(" 7 "));
    QTest::newRow("no such day") << QString(Good).replace(QStringLiteral("2026-12-11"),
                                                          QStringLiteral("2026-02-30"));
    QTest::newRow("list date") << QString(Good).replace(QStringLiteral("2026-12-11"),
                                                        QStringLiteral("11.dec.26"));
    QTest::newRow("stability not a number")
        << QString(Good).replace(QStringLiteral("3.1730"), QStringLiteral("3,1730"));
    QTest::newRow("stability zero") << QString(Good).replace(QStringLiteral("3.1730"), QStringLiteral("0"));
    QTest::newRow("stability with exponent")
        << QString(Good).replace(QStringLiteral("3.1730"), QStringLiteral("3e2"));
    QTest::newRow("difficulty above 10")
        << QString(Good).replace(QStringLiteral("5.2824"), QStringLiteral("10.5"));
    QTest::newRow("no answers") << QString(Good).replace(QStringLiteral(" 1 0 "), QStringLiteral(" 0 0 "));
    QTest::newRow("more wrong than answers")
        << QString(Good).replace(QStringLiteral(" 1 0 "), QStringLiteral(" 1 2 "));
    QTest::newRow("negative count") << QString(Good).replace(QStringLiteral(" 1 0 "),
                                                             QStringLiteral(" 1 -0 "));
    QTest::newRow("first after last")
        << QStringLiteral("paar-betekenis 05+16 2026-12-11 3.1730 5.2824 1 0 2026-12-08 2026-12-09");
    QTest::newRow("second line for the same item") << Other;
    QTest::newRow("second setting") << "instelling nieuw-per-dag 10";
    QTest::newRow("setting out of range") << "instelling nieuw-per-dag 101";
    QTest::newRow("text") << "Dit is geen regel van de oefenlijst.";
    QTest::newRow("NUL") << QString(Good).replace(QStringLiteral(" 1 0 "),
                                                  QStringLiteral(" 1") + QChar(0) + u' ');
}

void tst_PracticeFile::damagedLineIsSetAside()
{
    QFETCH(QString, line);
    const QStringList lines = {QStringLiteral("instelling nieuw-per-dag 6"), Other, line, Good};
    const PracticeFileContent content = ReadPracticeLines(lines);
    QCOMPARE(content.damaged, (QList<DamagedLine>{{3, line}}));
    // The lines around it count.
    QCOMPARE(content.progress.newPerDay, 6);
    QVERIFY(content.progress.at(Pair));
    QCOMPARE(content.progress.at(Position)->reps, 2);
}

void tst_PracticeFile::writtenLinesKeepTheDamaged()
{
    const PracticeFileContent content = ReadPracticeLines({QStringLiteral("kapot"), Good, Other});
    QCOMPARE(
        PracticeLines(content.progress, content.damaged),
        (QStringList{QStringLiteral("instelling nieuw-per-dag 10"), Other, Good, QStringLiteral("kapot")}));
}

void tst_PracticeFile::damagedMessage()
{
    QCOMPARE(
        DamagedLinesMessage({{4, QStringLiteral("x")}}),
        QStringLiteral("In Oefenlijst.txt is regel 4 beschadigd. Die regel wordt overgeslagen en blijft in "
                       "het bestand staan."));
    QList<DamagedLine> many;
    for (int n = 1; n <= 7; ++n)
        many.append({n * 2, QStringLiteral("x")});
    QCOMPARE(
        DamagedLinesMessage(many),
        QStringLiteral("In Oefenlijst.txt zijn 7 regels beschadigd (regel 2, 4, 6, 8, 10, \u2026). Ze worden "
                       "overgeslagen en blijven in het bestand staan."));
    QVERIFY(DamagedLinesMessage({}).isEmpty());
}

void tst_PracticeFile::answerIsWrittenAsWindows1252CrLf()
{
    QTemporaryDir dir;
    PracticeStore store(dir.filePath(QString::fromLatin1(PracticeFileName)));
    QString error;
    QVERIFY(store.answer(Pair, true, Day0, &error));
    QCOMPARE(FileBytes(dir.filePath(QStringLiteral("Oefenlijst.txt"))),
             "instelling nieuw-per-dag 10\r\n" + Good.toLatin1() + "\r\n");
    QVERIFY(store.setNewPerDay(3, &error));
    QVERIFY(FileBytes(dir.filePath(QStringLiteral("Oefenlijst.txt")))
                .startsWith("instelling nieuw-per-dag 3\r\n"));
}

void tst_PracticeFile::changeMadeOutsideIsKept()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QString::fromLatin1(PracticeFileName));
    PracticeStore store(path);
    QVERIFY(store.answer(Pair, true, Day0));
    // Another editor adds an item and changes the setting meanwhile.
    QVERIFY(WriteLines(path, {QStringLiteral("instelling nieuw-per-dag 2"), Good, Other}));
    QVERIFY(store.answer({Exercise::CardKeywords, 1}, false, Day0));
    QCOMPARE(ReadLines(path).value(),
             (QStringList{
                 QStringLiteral("instelling nieuw-per-dag 2"),
                 QStringLiteral("kaart-trefwoorden 01 2026-12-08 0.4026 7.1949 1 1 2026-12-08 2026-12-08"),
                 Other, Good}));
    QCOMPARE(store.progress().newPerDay, 2);
}

void tst_PracticeFile::damagedLinesAreReportedOnce()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QString::fromLatin1(PracticeFileName));
    QVERIFY(WriteLines(path, {Good, QStringLiteral("kapot 1")}));
    PracticeStore store(path);
    QVERIFY(store.refresh());
    QCOMPARE(store.takeNewlyDamaged(), (QList<DamagedLine>{{2, QStringLiteral("kapot 1")}}));
    QVERIFY(store.answer(Position, true, Day0));
    QVERIFY(store.takeNewlyDamaged().isEmpty());
    QVERIFY(ReadLines(path).value().contains(QStringLiteral("kapot 1")));
    // A new damaged line, written outside: only that one is news.
    QStringList lines = ReadLines(path).value();
    lines.prepend(QStringLiteral("kapot 2"));
    QVERIFY(WriteLines(path, lines));
    QVERIFY(store.refresh());
    QCOMPARE(store.takeNewlyDamaged(), (QList<DamagedLine>{{1, QStringLiteral("kapot 2")}}));
    QVERIFY(store.progress().at(Pair) && store.progress().at(Position));
}

void tst_PracticeFile::unwritableFileIsRefused()
{
    QTemporaryDir dir;
    // A folder that is not there: nothing can be written, whoever runs this.
    PracticeStore store(dir.filePath(QStringLiteral("weg/Oefenlijst.txt")));
    QString error;
    QVERIFY(!store.answer(Pair, true, Day0, &error));
    QCOMPARE(error, QStringLiteral("Kan Oefenlijst.txt niet schrijven."));
    // The sitting goes on with the answer held.
    QVERIFY(store.progress().at(Pair));
}

void tst_PracticeFile::unreadableFileIsNeverWrittenOver()
{
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("Oefenlijst.txt")));
    PracticeStore store(dir.filePath(QString::fromLatin1(PracticeFileName)));
    QString error;
    QVERIFY(!store.refresh(&error));
    QCOMPARE(error, QStringLiteral("Oefenlijst.txt is geen gewoon bestand en wordt niet gebruikt."));
    QVERIFY(!store.answer(Pair, true, Day0, &error));
    QVERIFY(QFileInfo(dir.filePath(QStringLiteral("Oefenlijst.txt"))).isDir());
}

void tst_PracticeFile::unstorableDamagedLineIsDropped()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QString::fromLatin1(PracticeFileName));
    writeBytes(path, "\xEF\xBB\xBF" + Good.toUtf8() + "\r\n\xE2\x82\xAC \xCE\xA9\r\n");
    PracticeStore marked(path);
    QVERIFY(marked.refresh());
    QCOMPARE(marked.takeNewlyDamaged().size(), 1);
    QVERIFY(marked.answer(Position, true, Day0));
    // The line Windows-1252 cannot hold is the one thing not kept.
    QCOMPARE(ReadLines(path).value().size(), 3);
}

QTEST_GUILESS_MAIN(tst_PracticeFile)
#include "tst_practice_file.moc"
