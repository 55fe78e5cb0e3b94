#include "accessible_text.h"
#include "app/help_window.h"
#include "app/main_window.h"
#include "app/window_set.h"
#include "chance_journal.h"
#include "program_fixture.h"
#include "saved/analysis_window.h"
#include "saved/chance_chart.h"
#include "saved/chance_window.h"
#include "saved/list_window.h"
#include "saved/saved_list.h"
#include "saved/selection_window.h"

#include <QAccessible>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

using namespace tessaly;

namespace {

const QStringList Small = {
    QStringLiteral("01.jan.21 (a) / 05 05 12"),
    QStringLiteral("02.feb.21 *(zon; maan) / 15 16 17 18 19"),
    QStringLiteral("03.mrt.26 #(9-Kaart) / 06 04 07 01 02 03 08 05 09"),
    QStringLiteral("losse regel"),
};

} // namespace

class tst_ChanceWindow : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void opensFromTheAnalysis();
    void marksOnlyWhatStandsOut_data();
    void marksOnlyWhatStandsOut();
    void tooFewEntries();
    void followsTheAnalysisYear();
    void chooseCard_data();
    void chooseCard();
    void chosenCardOpensTheSelection_data();
    void chosenCardOpensTheSelection();
    void copy();
    void csv_data();
    void csv();
    void csvWithoutJournal();
    void escapeAndHelp();

private:
    // Starts the program on lines, with the analysis window open, and opens
    // the chance window through its button.
    void open(const QStringList &lines);
    TKansAnalyse *chance() const { return Windows().KansAnalyse; }
    TAnalyseBox *analysis() const { return Windows().AnalyseBox; }
    QScopedPointer<ProgramFixture> m_program;
};

void tst_ChanceWindow::open(const QStringList &lines)
{
    m_program.reset(new ProgramFixture);
    if (!lines.isEmpty())
        m_program->write(ListFile, lines);
    Windows().Verleden->RefreshList();
    analysis()->show();
    analysis()->btKans->click();
    QVERIFY(chance()->isVisible());
}

void tst_ChanceWindow::cleanup()
{
    m_program.reset();
}

void tst_ChanceWindow::opensFromTheAnalysis()
{
    open(Small);
    QCOMPARE(AccessibleText(analysis()->btKans, QAccessible::Name), QStringLiteral("Kans"));
    QCOMPARE(analysis()->btKans->text(), QStringLiteral("Kans"));
    // In free space: it covers none of the analysis window's controls.
    for (QWidget *control : analysis()->findChildren<QWidget *>())
        if (control != analysis()->btKans && control->parentWidget() == analysis())
            QVERIFY2(!control->geometry().intersects(analysis()->btKans->geometry()),
                     qPrintable(control->objectName()));
    QCOMPARE(chance()->windowTitle(), QStringLiteral("Kansanalyse"));
    QCOMPARE(chance()->lbAantal->text(),
             QStringLiteral("Alle jaren: 3 leggingen (1 regel zonder kaarten telt niet mee)"));
    QCOMPARE(AccessibleText(chance()->grKans, QAccessible::Name), QStringLiteral("Kansgrafiek"));
    for (QPushButton *button : {chance()->btKopieer, chance()->btCsv, chance()->btSelectie})
        QCOMPARE(AccessibleText(button, QAccessible::Name), button->text());
}

void tst_ChanceWindow::marksOnlyWhatStandsOut_data()
{
    QTest::addColumn<int>("entries");
    QTest::addColumn<int>("favoured");
    QTest::addColumn<QString>("marked");
    QTest::newRow("Boom twice its chance in 2000") << 2000 << 5 << "Gemarkeerd: Boom vaker dan toeval.";
    QTest::newRow("Kruis twice its chance in 300") << 300 << 36 << "Gemarkeerd: Kruis vaker dan toeval.";
    QTest::newRow("every card its chance") << 2000 << 0 << "Geen kaart gemarkeerd.";
    QTest::newRow("every card its chance, approximated") << 6000 << 0 << "Geen kaart gemarkeerd.";
}

void tst_ChanceWindow::marksOnlyWhatStandsOut()
{
    QFETCH(int, entries);
    QFETCH(int, favoured);
    QFETCH(QString, marked);
    open(ChanceJournal(entries, favoured, 7));
    QCOMPARE(AccessibleText(chance()->grKans, QAccessible::Description), marked);
    const QStringList sentences = chance()->mmOordeel->toPlainText().split(u'\n');
    QCOMPARE(sentences.size(), 1);
    if (favoured)
        QVERIFY2(
            sentences[0].startsWith(CardNames[favoured] + QStringLiteral(" komt vaker voor dan toeval: ")),
            qPrintable(sentences[0]));
    else
        QCOMPARE(sentences[0],
                 QStringLiteral("Geen kaart komt duidelijk vaker of minder vaak voor dan toeval."));
    QVERIFY(chance()->lbToets->text().startsWith(QStringLiteral("Alle kaarten samen: χ² = ")));
    QCOMPARE(chance()->lbToets->text().endsWith(QStringLiteral("de verdeling wijkt af van toeval.")),
             favoured != 0);
}

void tst_ChanceWindow::tooFewEntries()
{
    open(QStringList(29, QStringLiteral("08.dec.26 (a) / 01 02 03")));
    QCOMPARE(chance()->lbToets->text(), QStringLiteral("Te weinig leggingen om iets over toeval te zeggen: "
                                                       "29, en er zijn er minstens 30 nodig."));
    QCOMPARE(chance()->mmOordeel->toPlainText(),
             QStringLiteral("Geen oordeel per kaart: daarvoor zijn minstens 30 leggingen nodig."));
    QCOMPARE(AccessibleText(chance()->grKans, QAccessible::Description),
             QStringLiteral("Geen kaart gemarkeerd."));
}

void tst_ChanceWindow::followsTheAnalysisYear()
{
    open(Small);
    chance()->grKans->selectCard(5);
    m_program->platform().inputAnswers = {QStringLiteral("2021")};
    analysis()->btFilter->click();
    QCOMPARE(chance()->lbAantal->text(), QStringLiteral("Jaar 2021: 2 leggingen"));
    QCOMPARE(chance()->report().cards[5].observed, 1);
    QCOMPARE(chance()->report().cards[15].observed, 1);
    QCOMPARE(chance()->report().cards[6].observed, 0);
    // The chosen card stays, with its years.
    QCOMPARE(AccessibleText(chance()->grJaren, QAccessible::Description),
             QStringLiteral("05) Boom per jaar: 2021: 1, 2026: 1"));
    analysis()->btLess->click();
    QCOMPARE(chance()->lbAantal->text(), QStringLiteral("Jaar 2020: 0 leggingen"));
    QCOMPARE(chance()->lbToets->text(), QStringLiteral("Er zijn geen leggingen met kaarten om te tellen."));
    analysis()->btReset->click();
    QCOMPARE(chance()->lbAantal->text(),
             QStringLiteral("Alle jaren: 3 leggingen (1 regel zonder kaarten telt niet mee)"));
    QCOMPARE(chance()->report().cards[5].observed, 2);

    // Opened while a year is set, it shows that year; a journal grown
    // meanwhile is counted again.
    chance()->close();
    m_program->platform().inputAnswers = {QStringLiteral("26")};
    analysis()->btFilter->click();
    m_program->write(ListFile, Small + QStringList{QStringLiteral("04.apr.26 (b) / 05 20 30")});
    analysis()->btKans->click();
    QCOMPARE(chance()->lbAantal->text(), QStringLiteral("Jaar 2026: 2 leggingen"));
    QCOMPARE(chance()->report().cards[5].observed, 2);
}

void tst_ChanceWindow::chooseCard_data()
{
    QTest::addColumn<QString>("how"); // "click n" or keys
    QTest::addColumn<int>("card");
    QTest::newRow("click on the bar") << "click 5" << 5;
    QTest::newRow("click under the bar, on its number") << "number 12" << 12;
    QTest::newRow("right three times") << "RRR" << 3;
    QTest::newRow("end, then left") << "EL" << 35;
    QTest::newRow("left stops at the first") << "HLL" << 1;
    QTest::newRow("right stops at the last") << "ERR" << 36;
}

void tst_ChanceWindow::chooseCard()
{
    QFETCH(QString, how);
    QFETCH(int, card);
    open(Small);
    ChanceChart *chart = chance()->grKans;
    QVERIFY(!chance()->btSelectie->isEnabled());
    if (how.startsWith(QStringLiteral("click"))) {
        const QRect column = chart->cardColumn(how.section(u' ', 1).toInt());
        QTest::mouseClick(chart, Qt::LeftButton, {}, QPoint(column.center().x(), column.bottom() - 2));
    } else if (how.startsWith(QStringLiteral("number"))) {
        const QRect column = chart->cardColumn(how.section(u' ', 1).toInt());
        QTest::mouseClick(chart, Qt::LeftButton, {}, QPoint(column.center().x(), column.bottom() + 8));
    } else {
        chart->setFocus();
        for (const QChar key : how)
            QTest::keyClick(chart, key == u'R'   ? Qt::Key_Right
                                   : key == u'L' ? Qt::Key_Left
                                   : key == u'H' ? Qt::Key_Home
                                                 : Qt::Key_End);
    }
    QCOMPARE(chart->selectedCard(), card);
    QVERIFY(chance()->lbKaart->text().startsWith(CardTitles[card] + QStringLiteral(": ")));
    QVERIFY(
        AccessibleText(chart, QAccessible::Description).startsWith(CardTitles[card] + QStringLiteral(": ")));
    QVERIFY(AccessibleText(chance()->grJaren, QAccessible::Description)
                .startsWith(CardTitles[card] + QStringLiteral(" per jaar: ")));
    QVERIFY(chance()->btSelectie->isEnabled());
}

void tst_ChanceWindow::chosenCardOpensTheSelection_data()
{
    QTest::addColumn<QString>("year");
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("label");
    QTest::addColumn<int>("listed");
    QTest::newRow("button") << ""
                            << "button"
                            << "Selectie kaart: 05) Boom" << 2;
    QTest::newRow("Enter on the chart") << ""
                                        << "enter"
                                        << "Selectie kaart: 05) Boom" << 2;
    QTest::newRow("double click") << ""
                                  << "double"
                                  << "Selectie kaart: 05) Boom" << 2;
    QTest::newRow("with a year") << "2021"
                                 << "button"
                                 << "Selectie 2021 kaart: 05) Boom" << 1;
}

void tst_ChanceWindow::chosenCardOpensTheSelection()
{
    QFETCH(QString, year);
    QFETCH(QString, how);
    QFETCH(QString, label);
    QFETCH(int, listed);
    open(Small);
    if (!year.isEmpty()) {
        m_program->platform().inputAnswers = {year};
        analysis()->btFilter->click();
    }
    ChanceChart *chart = chance()->grKans;
    // Enter without a chosen card opens nothing.
    chart->setFocus();
    QTest::keyClick(chart, Qt::Key_Return);
    QVERIFY(!Windows().Selectie->isVisible());
    const QPoint bar = chart->cardColumn(5).center();
    if (how == QLatin1String("double")) {
        QTest::mouseDClick(chart, Qt::LeftButton, {}, bar);
    } else {
        QTest::mouseClick(chart, Qt::LeftButton, {}, bar);
        if (how == QLatin1String("enter"))
            QTest::keyClick(chart, Qt::Key_Return);
        else
            chance()->btSelectie->click();
    }
    TSelectie *selection = Windows().Selectie;
    QVERIFY(selection->isVisible());
    QCOMPARE(selection->SelectionCardNo, QStringLiteral("05"));
    QCOMPARE(selection->Label1->text(), label);
    QCOMPARE(selection->rows().size(), listed);
}

void tst_ChanceWindow::copy()
{
    open(QStringList(36, QStringLiteral("08.dec.26 (a) / 01 02 03")));
    chance()->btKopieer->click();
    const QStringList lines = m_program->platform().clipboardText.split(QStringLiteral("\r\n"));
    QCOMPARE(lines.size(), 1 + CardCount + 1);
    QCOMPARE(lines[0], QStringLiteral("Kaart\tgeteld\tverwacht\tp\toordeel"));
    QCOMPARE(lines[1], QStringLiteral("01) Ruiter\t36\t3,0\t< 0,001\tvaker dan toeval"));
    QCOMPARE(lines[36], QStringLiteral("36) Kruis\t0\t3,0\t1,000\t"));
    QVERIFY(lines[37].isEmpty());
}

void tst_ChanceWindow::csv_data()
{
    QTest::addColumn<QString>("answer"); // relative to the working folder; empty is Cancel
    QTest::addColumn<QString>("written");
    QTest::addColumn<QStringList>("messages");
    QTest::newRow("proposed name") << "Orvalis.csv"
                                   << "Orvalis.csv" << QStringList{"4 regels bewaard in Orvalis.csv."};
    QTest::newRow("another folder and name")
        << "uit/dagboek.csv"
        << "uit/dagboek.csv" << QStringList{"4 regels bewaard in dagboek.csv."};
    QTest::newRow("cancel") << ""
                            << "" << QStringList{};
    QTest::newRow("the journal itself is refused")
        << "Orvalis.txt"
        << ""
        << QStringList{"Orvalis.txt is een bestand van het programma zelf en wordt niet overschreven. "
                       "Kies een andere naam."};
    QTest::newRow("another list, also by another path and not there yet")
        << "uit/../Kelvaro.txt"
        << ""
        << QStringList{"Kelvaro.txt is een bestand van het programma zelf en wordt niet overschreven. "
                       "Kies een andere naam."};
    QTest::newRow("the practice progress too")
        << "Oefenlijst.txt"
        << ""
        << QStringList{"Oefenlijst.txt is een bestand van het programma zelf en wordt niet overschreven. "
                       "Kies een andere naam."};
    QTest::newRow("a folder that is not there") << "weg/lijst.csv"
                                                << "" << QStringList{"Kan lijst.csv niet schrijven."};
}

void tst_ChanceWindow::csv()
{
    QFETCH(QString, answer);
    QFETCH(QString, written);
    QFETCH(QStringList, messages);
    open(Small);
    QVERIFY(QDir().mkdir(QStringLiteral("uit")));
    m_program->write(ListBackup, Small);
    const QByteArray journal = m_program->bytes(ListFile);
    const QByteArray backup = m_program->bytes(ListBackup);
    m_program->platform().saveAnswers = {answer.isEmpty() ? QString()
                                                          : QDir::current().absoluteFilePath(answer)};
    chance()->btCsv->click();
    QCOMPARE(
        m_program->platform().saveDialogs,
        QStringList{QStringLiteral("Bewaarlijst als CSV bewaren|%1|CSV-bestanden (*.csv);;Alle bestanden (*)")
                        .arg(QDir::current().absoluteFilePath(QStringLiteral("Orvalis.csv")))});
    QCOMPARE(m_program->platform().messages, messages);
    // The program's own lists are never touched.
    QCOMPARE(m_program->bytes(ListFile), journal);
    QCOMPARE(m_program->bytes(ListBackup), backup);
    QVERIFY(!QFileInfo::exists(DayCardFile));
    const QStringList csvFiles =
        QDir().entryList({QStringLiteral("*.csv")}, QDir::Files) +
        QDir(QStringLiteral("uit")).entryList({QStringLiteral("*.csv")}, QDir::Files);
    QCOMPARE(csvFiles.size(), written.isEmpty() ? 0 : 1);
    if (written.isEmpty())
        return;
    QCOMPARE(m_program->bytes(written),
             QByteArray("\xEF\xBB\xBF"
                        "Datum;Soort;Opmerking;Kaart 1;Kaart 2;Kaart 3;Kaart 4;Kaart 5;"
                        "Kaart 6;Kaart 7;Kaart 8;Kaart 9\r\n"
                        "2021-01-01;3 kaarten;a;5;5;12;;;;;;\r\n"
                        "2021-02-02;5 kaarten;\"zon; maan\";15;16;17;18;19;;;;\r\n"
                        "2026-03-03;9 kaarten;9-Kaart;6;4;7;1;2;3;8;5;9\r\n"
                        ";;losse regel;;;;;;;;;\r\n"));
}

void tst_ChanceWindow::csvWithoutJournal()
{
    open({});
    QCOMPARE(chance()->lbAantal->text(), QStringLiteral("Er is nog geen bewaarlijst (Orvalis.txt)."));
    chance()->btCsv->click();
    QVERIFY(m_program->platform().saveDialogs.isEmpty());
    QCOMPARE(m_program->platform().messages,
             QStringList{QStringLiteral("Er is nog geen bewaarlijst om als CSV te bewaren.")});
}

void tst_ChanceWindow::escapeAndHelp()
{
    open(Small);
    chance()->btHelp->click();
    THelpInfo *help = Windows().HelpInfo;
    QVERIFY(help->isVisible());
    QCOMPARE(help->Memo1->textCursor().selectedText(), QStringLiteral("- Kansanalyse"));
    help->close();
    // Esc closes this window only; the program goes on.
    QSignalSpy ends(Windows().Form1, &TForm1::programEnds);
    QTest::keyClick(chance()->grKans, Qt::Key_Escape);
    QVERIFY(!chance()->isVisible());
    QVERIFY(analysis()->isVisible());
    QCOMPARE(ends.size(), 0);
}

QTEST_MAIN(tst_ChanceWindow)
#include "tst_chance_window.moc"
