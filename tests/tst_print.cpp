#include "accessible_text.h"
#include "app/main_window.h"
#include "app/shared_state.h"
#include "app/window_set.h"
#include "catalogue/catalogue.h"
#include "combos/combination_window.h"
#include "print/printed_spread.h"
#include "program_fixture.h"
#include "saved/list_window.h"
#include "saved/saved_list.h"
#include "spreads/line_of_five_window.h"
#include "spreads/nine_card_window.h"
#include "spreads/three_card_window.h"
#include "tableau/grand_tableau_window.h"
#include "tableau/techniques_window.h"

#include <QAccessible>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

#include <unistd.h>

using namespace tessaly;

class tst_Print : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void pdfOfEachWindow_data();
    void pdfOfEachWindow();
    void tableauPositionsFillTheFirstPage();
    void pairTextNeverSplitOverPages();
    void tableauWithItsTechniques();
    void savedTableauCarriesItsDate();
    void cancelWritesNothing();
    void writeError_data();
    void writeError();
    void previewPrintsTheSamePages();
    void savedSpreadCarriesItsDateAndRemark();
    void openedEntryCarriesItsDateAndRemark();
    void combinationWithoutPair();
    void copiedDailyPictureLeavesTheButtonsOut();

private:
    // Clicks the window's "PDF" and answers the save dialog with its proposal.
    QString savePdf(QWidget *window);
    QString proposal() const;

    QScopedPointer<ProgramFixture> m_program;
    ScriptedPlatform *m_platform = nullptr;
};

namespace {

enum Window { Daily, Three, Line, Nine, Tableau, Combination };

QString run(const QString &tool, const QStringList &arguments)
{
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        qWarning() << tool << arguments << process.readAllStandardError();
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The text as a reader copies it: runs of blanks and line breaks as one blank.
QString pdfText(const QString &path, int page = 0)
{
    QStringList arguments;
    if (page > 0)
        arguments << "-f" << QString::number(page) << "-l" << QString::number(page);
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    return run("pdftotext", arguments << path << "-").replace(blanks, QStringLiteral(" "));
}

QString pdfInfo(const QString &path, const QString &key)
{
    const QRegularExpression line(u'^' + key + QStringLiteral(":\\s*(.*)$"),
                                  QRegularExpression::MultilineOption);
    return line.match(run("pdfinfo", {path})).captured(1).trimmed();
}

QPushButton *button(QWidget *window, const char *name)
{
    auto *found = window->findChild<QPushButton *>(QLatin1String(name));
    return found && found->isVisible() ? found : nullptr;
}

QString pair(int a, int b)
{
    return PairBareText(PairIndexOf(a, b));
}

void fill(QLineEdit *(*edit)(int), int count)
{
    for (int i = 1; i <= count; ++i)
        edit(i)->setText(QString::number(i));
}

} // namespace

void tst_Print::init()
{
    m_program.reset(new ProgramFixture);
    m_platform = &m_program->platform();
    QVERIFY(QTest::qWaitForWindowExposed(Windows().Form1));
}

void tst_Print::cleanup()
{
    m_program.reset();
}

QString tst_Print::proposal() const
{
    return m_platform->saveDialogs.isEmpty() ? QString() : m_platform->saveDialogs.last().section(u'|', 1, 1);
}

QString tst_Print::savePdf(QWidget *window)
{
    QPushButton *pdf = button(window, "btPdf");
    if (!pdf)
        return {};
    m_platform->whileAsking = [this] { m_platform->saveAnswers.append(proposal()); };
    pdf->click();
    return proposal();
}

void tst_Print::pdfOfEachWindow_data()
{
    QTest::addColumn<int>("window");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("daily") << int(Daily) << "Dagkaarten"
                           << QStringList{
                                  "01) Ruiter",  "02) Klaverblad", "03) Schip", "06) Wolken", "22) Wegen",
                                  "Magic Card:", pair(1, 2),       pair(3, 5),  pair(8, 14)};
    QTest::newRow("three cards") << int(Three) << "3 Kaarten"
                                 << QStringList{"01) Ruiter", "02) Klaverblad",
                                                "03) Schip",  "Uitgeteld: 06) Wolken",
                                                pair(1, 2),   pair(2, 3)};
    QTest::newRow("line of five") << int(Line) << "Lijn van 5"
                                  << QStringList{"04) Huis", "05) Boom", "Uitgeteld: 15) Beer", pair(3, 4),
                                                 pair(4, 5)};
    QTest::newRow("nine cards") << int(Nine) << "9 Kaarten"
                                << QStringList{"07) Slang", "09) Ruiker", "Uitgeteld: 09) Ruiker", pair(4, 5),
                                               pair(8, 9)};
    QTest::newRow("grand tableau") << int(Tableau) << "Grand Tableau"
                                   << QStringList{"01-Situatie", "36-Verdriet"};
    QTest::newRow("combination") << int(Combination) << "Combinatie"
                                 << QStringList{"05) Boom", "16) Ster", "Kaart A + B: Boom + Ster",
                                                pair(5, 16)};
}

void tst_Print::pdfOfEachWindow()
{
    QFETCH(int, window);
    QFETCH(QString, kind);
    QFETCH(QStringList, expected);

    const WindowSet &windows = Windows();
    QWidget *shown = windows.Form1;
    switch (Window(window)) {
    case Daily:
        for (int k = 1; k <= 3; ++k)
            windows.Form1->SelectCard(k, k);
        break;
    case Three:
        windows.Form1->bt3kaart->click();
        fill([](int i) { return Windows().Form4->Edit(i); }, 3);
        shown = windows.Form4;
        break;
    case Line:
        windows.Form1->btVijf->click();
        fill([](int i) { return Windows().Form2->Edit(i); }, 5);
        shown = windows.Form2;
        break;
    case Nine:
        windows.Form1->btNegen->click();
        fill([](int i) { return Windows().Form3->Edit(i); }, 9);
        shown = windows.Form3;
        break;
    case Tableau:
        windows.Form1->btGrandT->click();
        windows.Form7->btRandommie->click();
        for (int p = 1; p <= TableauPositions; ++p)
            expected.append(CardTitle(windows.Form7->TableauCards[size_t(p)]));
        shown = windows.Form7;
        break;
    case Combination:
        windows.Form5->LookUpCards("05", "16");
        shown = windows.Form5;
        break;
    }
    QVERIFY(QTest::qWaitForWindowExposed(shown));
    for (const char *name : {"btAfdrukken", "btPdf"}) {
        QPushButton *made = button(shown, name);
        QVERIFY2(made, name);
        QCOMPARE(AccessibleText(made), made->text());
    }

    const QString path = savePdf(shown);
    QCOMPARE(m_platform->saveDialogs,
             QStringList{"PDF bewaren|" + QDir::current().filePath(kind + " 2026-12-08.pdf") +
                         "|PDF-bestanden (*.pdf)"});
    QCOMPARE(m_platform->messages, QStringList{"De PDF is bewaard als " + kind + " 2026-12-08.pdf."});

    const QString text = pdfText(path);
    QVERIFY2(text.startsWith("Tessaly Studie – " + kind + " – 8 december 2026 "), qPrintable(text.left(80)));
    for (const QString &part : expected)
        QVERIFY2(text.contains(part), qPrintable(part));
    const int pages = pdfInfo(path, "Pages").toInt();
    QVERIFY(pages >= 1);
    for (int page = 1; page <= pages; ++page)
        QVERIFY2(pdfText(path, page).contains(QStringLiteral(" %1/%2 ").arg(page).arg(pages)),
                 qPrintable(kind));
    QCOMPARE(pdfInfo(path, "Title"), kind + " – 8 december 2026");
    QCOMPARE(pdfInfo(path, "Author"), QStringLiteral("Tessaly Studie"));
    QCOMPARE(pdfInfo(path, "Page size"), QStringLiteral("595 x 842 pts (A4)"));
}

void tst_Print::tableauPositionsFillTheFirstPage()
{
    TForm7 *tableau = Windows().Form7;
    Windows().Form1->btGrandT->click();
    tableau->btRandommie->click();
    const QString path = savePdf(tableau);
    const QString first = pdfText(path, 1);
    for (int p = 1; p <= TableauPositions; ++p) {
        QVERIFY(first.contains(CardTitle(tableau->TableauCards[size_t(p)])));
        QVERIFY(first.contains(PositionThemeTitle(p)));
    }
    QVERIFY(!first.contains("Positie 1:"));
    QVERIFY(pdfText(path, 2).contains("Positie 1: Situatie (huis Plannen)"));
}

void tst_Print::pairTextNeverSplitOverPages()
{
    TForm7 *tableau = Windows().Form7;
    Windows().Form1->btGrandT->click();
    tableau->btRandommie->click();
    const QString path = savePdf(tableau);
    const int pages = pdfInfo(path, "Pages").toInt();
    QVERIFY(pages >= 4);
    QStringList pageTexts;
    for (int page = 1; page <= pages; ++page)
        pageTexts.append(pdfText(path, page));
    const PrintedSpread spread = TableauPrint(tableau->TableauCards);
    QCOMPARE(spread.reading.size(), TableauPositions);
    for (const ReadingBlock &block : spread.reading) {
        const qsizetype page =
            std::find_if(pageTexts.begin(), pageTexts.end(),
                         [&](const QString &text) { return text.contains(block.heading); }) -
            pageTexts.begin();
        QVERIFY2(page < pages, qPrintable(block.heading));
        // Its whole text stands on the page of its heading.
        QVERIFY2(pageTexts[page].contains(block.lead), qPrintable(block.heading));
        QVERIFY2(pageTexts[page].contains(block.paragraphs.last()), qPrintable(block.heading));
    }
}

void tst_Print::tableauWithItsTechniques()
{
    TForm7 *tableau = Windows().Form7;
    Windows().Form1->btGrandT->click();
    tableau->btRandommie->click();
    QVERIFY(!pdfText(savePdf(tableau)).contains("significator"));

    tableau->btTechnieken->click();
    tableau->Technieken->SetSignificator(29);
    const TechniquesReading reading = tableau->Technieken->Reading();
    m_platform->saveDialogs.clear();
    const QString path = savePdf(tableau);
    QVERIFY(!pdfText(path, 1).contains("Technieken"));
    const QString second = pdfText(path, 2);
    QVERIFY2(
        second.startsWith("Tessaly Studie – Grand Tableau – 8 december 2026 Technieken " + reading.header),
        qPrintable(second.left(160)));
    const QString text = pdfText(path);
    qsizetype at = 0;
    // Each technique with its lines, in the window's order, then the positions.
    for (const ReadingSection &section : reading.sections) {
        at = text.indexOf(section.heading, at);
        QVERIFY2(at > 0, qPrintable(section.heading));
        for (const ReadingLine &line : section.lines)
            QVERIFY2(text.contains(line.text), qPrintable(line.text));
    }
    QVERIFY(text.indexOf("Positie 1: Situatie", at) > at);

    tableau->Technieken->close();
    m_platform->saveDialogs.clear();
    QVERIFY(!pdfText(savePdf(tableau)).contains("significator"));
}

void tst_Print::savedTableauCarriesItsDate()
{
    TForm7 *tableau = Windows().Form7;
    Windows().Form1->btGrandT->click();
    QString line = "14.sep.26 : ";
    for (int p = 1; p <= TableauPositions; ++p)
        line += TwoDigitNumber(p) + u',';
    tableau->ApplyTableauLine(line);
    QVERIFY(pdfText(savePdf(tableau)).startsWith("Tessaly Studie – Grand Tableau – 14 september 2026 "));
    QCOMPARE(proposal(), QDir::current().filePath("Grand Tableau 2026-09-14.pdf"));
}

void tst_Print::cancelWritesNothing()
{
    Windows().Form1->bt3kaart->click();
    button(Windows().Form4, "btPdf")->click();
    QCOMPARE(m_platform->saveDialogs.size(), 1);
    QVERIFY(m_platform->messages.isEmpty());
    QCOMPARE(QDir::current().entryList({"*.pdf"}), QStringList());
}

void tst_Print::writeError_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("message");
    QTest::newRow("missing folder") << "geen map/uitdraai.pdf"
                                    << "Kan uitdraai.pdf niet schrijven.";
    QTest::newRow("read-only folder") << "alleen lezen/uitdraai.pdf"
                                      << "Kan uitdraai.pdf niet schrijven.";
    QTest::newRow("a folder") << "map.pdf"
                              << "map.pdf is geen gewoon bestand en wordt niet gebruikt.";
    // Typed over the proposed name: never a PDF in place of the program's lists.
    QTest::newRow("the journal") << "Orvalis.txt"
                                 << "Orvalis.txt is een bestand van het programma zelf en wordt niet "
                                    "overschreven. Kies een andere naam.";
    QTest::newRow("the practice progress") << "Oefenlijst.txt"
                                           << "Oefenlijst.txt is een bestand van het programma zelf en "
                                              "wordt niet overschreven. Kies een andere naam.";
}

void tst_Print::writeError()
{
    QFETCH(QString, path);
    QFETCH(QString, message);
    QDir here = QDir::current();
    if (QTest::currentDataTag() == QLatin1String("read-only folder")) {
        if (::geteuid() == 0)
            QSKIP("the superuser writes into a read-only folder");
        QVERIFY(here.mkdir("alleen lezen"));
        QVERIFY(QFile::setPermissions("alleen lezen", QFile::ReadOwner | QFile::ExeOwner));
    }
    if (QTest::currentDataTag() == QLatin1String("a folder"))
        QVERIFY(here.mkdir("map.pdf"));
    Windows().Form1->bt3kaart->click();
    m_platform->saveAnswers.append(here.filePath(path));
    button(Windows().Form4, "btPdf")->click();
    QCOMPARE(m_platform->messages, QStringList{message});
    QVERIFY(!QFileInfo(here.filePath(path)).isFile());
}

void tst_Print::previewPrintsTheSamePages()
{
    Windows().Form1->bt3kaart->click();
    TForm4 *three = Windows().Form4;
    fill([](int i) { return Windows().Form4->Edit(i); }, 3);
    m_platform->previewPdf = QDir::current().filePath("voorbeeld.pdf");
    button(three, "btAfdrukken")->click();
    QCOMPARE(m_platform->previews, QStringList{"3 Kaarten – 8 december 2026"});
    QVERIFY(m_platform->saveDialogs.isEmpty());
    const QString printed = pdfText(m_platform->previewPdf);
    QCOMPARE(pdfInfo(m_platform->previewPdf, "Page size"), QStringLiteral("595 x 842 pts (A4)"));

    const QString saved = pdfText(savePdf(three));
    QCOMPARE(printed, saved);
    QVERIFY(printed.contains(pair(2, 3)));
}

void tst_Print::savedSpreadCarriesItsDateAndRemark()
{
    Windows().Form1->bt3kaart->click();
    TForm4 *three = Windows().Form4;
    fill([](int i) { return Windows().Form4->Edit(i); }, 3);
    m_platform->inputAnswers.append(QStringLiteral("vraag over werk"));
    three->btBewaar->click();
    QVERIFY(Shared().SpreadSaved);
    QVERIFY(pdfText(savePdf(three))
                .startsWith("Tessaly Studie – 3 Kaarten – 8 december 2026 – vraag over werk 01)"));

    // Another card is another spread, not the one saved.
    three->Edit(3)->setText("4");
    m_platform->saveDialogs.clear();
    QVERIFY(pdfText(savePdf(three)).startsWith("Tessaly Studie – 3 Kaarten – 8 december 2026 01)"));
}

void tst_Print::openedEntryCarriesItsDateAndRemark()
{
    m_program->write(ListFile, {"14.sep.26 (oude vraag) / 07 08 09", "01.okt.26 *(...) / 01 02 03 04 05"});
    Windows().Form1->bt3kaart->click();
    TForm4 *three = Windows().Form4;
    TVerleden *list = Windows().Verleden;
    list->RefreshList();
    list->selectRow(0);
    list->OpenEntry();
    QCOMPARE(three->ThreeCards, (ThreeSlots{7, 8, 9}));
    const QString text = pdfText(savePdf(three));
    QVERIFY2(text.startsWith("Tessaly Studie – 3 Kaarten – 14 september 2026 – oude vraag 07) Slang"),
             qPrintable(text.left(90)));
    QCOMPARE(proposal(), QDir::current().filePath("3 Kaarten 2026-09-14.pdf"));
}

void tst_Print::combinationWithoutPair()
{
    TForm5 *combination = Windows().Form5;
    combination->ShowWithoutLookup();
    QVERIFY(QTest::qWaitForWindowExposed(combination));
    for (const char *name : {"btAfdrukken", "btPdf"}) {
        m_platform->messages.clear();
        button(combination, name)->click();
        QCOMPARE(m_platform->messages, QStringList{"Zoek eerst een combinatie op."});
    }
    QVERIFY(m_platform->saveDialogs.isEmpty());
    QVERIFY(m_platform->previews.isEmpty());
}

void tst_Print::copiedDailyPictureLeavesTheButtonsOut()
{
    TForm1 *main = Windows().Form1;
    main->CopyPicture();
    const QImage &picture = m_platform->clipboardImage;
    QCOMPARE(picture.size(), QSize(440, 658));
    // Where the buttons stand, the copy shows the window's lavender.
    for (const QPushButton *made : {main->btAfdrukken, main->btPdf}) {
        QVERIFY(made->isVisible());
        const QPoint centre = made->geometry().center() - QPoint(0, 29);
        QCOMPARE(picture.pixelColor(centre), QColor(0xE6, 0xE6, 0xFA));
    }
}

QTEST_MAIN(tst_Print)
#include "tst_print.moc"
