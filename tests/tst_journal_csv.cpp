#include "app/dutch_date.h"
#include "saved/journal_csv.h"

#include <QRegularExpression>
#include <QTest>

using namespace tessaly;

class tst_JournalCsv : public QObject
{
    Q_OBJECT

private slots:
    void rows_data();
    void rows();
    void fields_data();
    void fields();
    void fileDates_data();
    void fileDates();
    void wholeFile();
};

void tst_JournalCsv::rows_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("row");
    QTest::newRow("three cards") << "08.dec.26 (Ruiter, Klaverblad, Schip) / 01 02 03"
                                 << "2026-12-08;3 kaarten;Ruiter, Klaverblad, Schip;1;2;3;;;;;;";
    QTest::newRow("five cards, an empty slot") << "08.dec.26 *(vraag over werk) / 12 05 09 00 33"
                                               << "2026-12-08;5 kaarten;vraag over werk;12;5;9;;33;;;;";
    QTest::newRow("nine cards, empty remark") << "01.mrt.25 #(...) / 06 04 07 01 02 03 08 05 09"
                                              << "2025-03-01;9 kaarten;;6;4;7;1;2;3;8;5;9";
    QTest::newRow("remark with ; and quotes") << "02.jan.24 (zon; \"maan\") / 01 02 03"
                                              << "2024-01-02;3 kaarten;\"zon; \"\"maan\"\"\";1;2;3;;;;;;";
    QTest::newRow("brackets inside the remark") << "02.okt.26 *(werk (nieuw)) / 07 01 02 03 09"
                                                << "2026-10-02;5 kaarten;werk (nieuw);7;1;2;3;9;;;;";
    QTest::newRow("a remark a spreadsheet would compute") << "02.jan.24 (=1+1) / 01 02 03"
                                                          << "2024-01-02;3 kaarten;'=1+1;1;2;3;;;;;;";
    QTest::newRow("a date another program wrote") << "08.Dec.26 (a) / 01 02 03"
                                                  << "2026-12-08;3 kaarten;a;1;2;3;;;;;;";
    QTest::newRow("a date that is none is kept") << "31.feb.26 (a) / 01 02 03"
                                                 << "31.feb.26;3 kaarten;a;1;2;3;;;;;;";
    QTest::newRow("hand-edited cards are kept") << "08.dec.26 (a) / 01 xy 3"
                                                << "2026-12-08;3 kaarten;a;1;xy;3;;;;;;";
    QTest::newRow("a loose line stays whole") << "losse regel; 05"
                                              << ";;\"losse regel; 05\";;;;;;;;;";
    QTest::newRow("a line without cards") << "08.dec.26 (a)"
                                          << "2026-12-08;;08.dec.26 (a);;;;;;;;;";
    QTest::newRow("an empty line") << ""
                                   << ";;;;;;;;;;;";
}

void tst_JournalCsv::rows()
{
    QFETCH(QString, line);
    QFETCH(QString, row);
    QCOMPARE(CsvRow(line), row);
    // Every row has the header's twelve fields, outside quotes.
    QString outside = row;
    outside.remove(QRegularExpression(QStringLiteral("\"([^\"]|\"\")*\"")));
    QCOMPARE(outside.count(u';'), 11);
}

void tst_JournalCsv::fields_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("field");
    QTest::newRow("plain") << "Ruiter"
                           << "Ruiter";
    QTest::newRow("separator") << "a;b"
                               << "\"a;b\"";
    QTest::newRow("quote") << "zeg \"ja\""
                           << "\"zeg \"\"ja\"\"\"";
    QTest::newRow("line break") << "a\r\nb"
                                << "\"a\r\nb\"";
    QTest::newRow("formula") << "=SOM(A1)"
                             << "'=SOM(A1)";
    QTest::newRow("plus, minus, at") << "+31"
                                     << "'+31";
    QTest::newRow("minus") << "- werk"
                           << "'- werk";
    QTest::newRow("at") << "@a"
                        << "'@a";
    QTest::newRow("formula with a separator") << "=a;b"
                                              << "\"'=a;b\"";
    QTest::newRow("a sign inside is no formula") << "a=b"
                                                 << "a=b";
    QTest::newRow("accents") << "één"
                             << "één";
    QTest::newRow("empty") << ""
                           << "";
}

void tst_JournalCsv::fields()
{
    QFETCH(QString, text);
    QFETCH(QString, field);
    QCOMPARE(CsvField(text), field);
}

void tst_JournalCsv::fileDates_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QDate>("date");
    QTest::newRow("Dutch") << "08.mrt.26" << QDate(2026, 3, 8);
    QTest::newRow("Dutch mei") << "31.mei.99" << QDate(2099, 5, 31);
    QTest::newRow("English oct") << "01.oct.00" << QDate(2000, 10, 1);
    QTest::newRow("capitals") << "01.OKT.21" << QDate(2021, 10, 1);
    QTest::newRow("not a day of the month") << "30.feb.24" << QDate();
    QTest::newRow("unknown month") << "01.xyz.24" << QDate();
    QTest::newRow("a locale's dot") << "01.dec..2" << QDate();
    QTest::newRow("too long") << "01.dec.2026" << QDate();
    QTest::newRow("blank for a digit") << " 1.dec.26" << QDate();
}

void tst_JournalCsv::fileDates()
{
    QFETCH(QString, text);
    QFETCH(QDate, date);
    const std::optional<QDate> found = ParseFileDate(text);
    QCOMPARE(found.value_or(QDate()), date);
}

void tst_JournalCsv::wholeFile()
{
    const QByteArray expected =
        "\xEF\xBB\xBF"
        "Datum;Soort;Opmerking;Kaart 1;Kaart 2;Kaart 3;Kaart 4;Kaart 5;Kaart 6;Kaart 7;"
        "Kaart 8;Kaart 9\r\n"
        "2026-12-08;3 kaarten;\xC3\xA9\xC3\xA9n;1;2;3;;;;;;\r\n"
        "2026-12-08;9 kaarten;;6;4;7;1;2;3;8;5;9\r\n";
    QCOMPARE(JournalCsv({QStringLiteral("08.dec.26 (één) / 01 02 03"),
                         QStringLiteral("08.dec.26 #(...) / 06 04 07 01 02 03 08 05 09")}),
             expected);
    QCOMPARE(JournalCsv({}), expected.left(expected.indexOf("\r\n") + 2));
}

QTEST_GUILESS_MAIN(tst_JournalCsv)
#include "tst_journal_csv.moc"
