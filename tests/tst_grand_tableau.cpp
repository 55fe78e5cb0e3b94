#include "app/help_window.h"
#include "app/main_window.h"
#include "app/window_set.h"
#include "catalogue/catalogue.h"
#include "combos/combination_window.h"
#include "program_fixture.h"
#include "tableau/grand_tableau_window.h"
#include "tableau/tableau_list_window.h"
#include "widgets/gradient_panel.h"

#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

using namespace tessaly;

namespace {

const QString Saved = QStringLiteral("08.dec.26 : 05,,12,") + QString(33, u',');

// A layout line from cards per position (0 = empty field).
QString lineOf(const QString &date, const QList<int> &cards)
{
    QString line = date + QStringLiteral(" : ");
    for (int p = 0; p < 36; ++p)
        line += (p < cards.size() && cards[p] ? TwoDigitNumber(cards[p]) : QString()) + u',';
    return line;
}

} // namespace

class tst_GrandTableau : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void startsEmptyInConnectionMode();
    void placingFromThirtyThenCancel();
    void placingAnswers_data();
    void placingAnswers();
    void placedHints();
    void saveWritesDatedLineAndReadsBack();
    void saveAsksAndAppends();
    void saveReportsUnreadableList();
    void randomLayoutUsesEveryCardOnce();
    void connectionColours();
    void connectionsAccumulateUntilCleared();
    void ownHouseConnectionIsOneGreenPanel();
    void themesAndHousesExcludeEachOther();
    void clearAsksFirst();
    void keys();
    void openListShowsFileAndKeepsCards();
    void openEntryReplacesWholeTableau();
    void openEntryByEnterAndButton();
    void badFieldsReportedOnce();
    void deleteRestoreAndWriteBack();
    void deleteSeveralRows();
    void saveWhileListOpenSurvivesDelete();
    void deleteReportsWriteFailure();
    void outsideChangeIsNotDeleted_data();
    void outsideChangeIsNotDeleted();
    void restoreSurvivesSaveAndDelete();
    void longLineIsDrawnCut();
    void closeBacksUpToMainWindowAndBackupGoesAtEnd();

private:
    TForm7 *tableau() const { return Windows().Form7; }
    TForm8 *list() const { return Windows().Form8; }
    void click(int p) { QTest::mouseClick(tableau()->Plaatje[p], Qt::LeftButton); }
    QList<int> shownPanels() const;

    QScopedPointer<ProgramFixture> m_program;
    ScriptedPlatform *m_platform = nullptr;
};

void tst_GrandTableau::init()
{
    m_program.reset(new ProgramFixture);
    m_platform = &m_program->platform();
    tableau()->show();
    QVERIFY(QTest::qWaitForWindowExposed(tableau()));
}

void tst_GrandTableau::cleanup()
{
    m_program.reset();
}

QList<int> tst_GrandTableau::shownPanels() const
{
    QList<int> shown;
    for (int p = 1; p <= 36; ++p)
        if (tableau()->Kleuren[p]->isVisible())
            shown.append(p);
    return shown;
}

void tst_GrandTableau::startsEmptyInConnectionMode()
{
    QVERIFY(!Windows().Form1->isVisible());
    QCOMPARE(tableau()->size(), QSize(870, 791));
    QCOMPARE(tableau()->windowTitle(), QStringLiteral("Grand Tableau"));
    QVERIFY(!tableau()->placingMode());
    for (int p = 1; p <= 36; ++p) {
        QCOMPARE(tableau()->TableauCards[p], 0);
        QVERIFY(tableau()->Plaatje[p]->pixmap().isNull());
        QCOMPARE(tableau()->Plaatje[p]->toolTip(), PositionHint(p, 0, HintForm::Placed));
        QVERIFY(!tableau()->Themaas[p]->isVisible());
        QVERIFY(!tableau()->Kleuren[p]->isVisible());
        // Every position lies inside the window, the fifth row under columns 3..6.
        QVERIFY(tableau()->rect().contains(tableau()->Kleuren[p]->geometry()));
    }
    QCOMPARE(tableau()->Plaatje[6]->toolTip(), QStringLiteral("Zorgen - Positie: 6 Wolken"));
    QCOMPARE(tableau()->Plaatje[33]->x(), tableau()->Plaatje[3]->x());
    QCOMPARE(tableau()->Plaatje[36]->x(), tableau()->Plaatje[6]->x());
    QCOMPARE(tableau()->Plaatje[1]->size(), QSize(99, 148));
    QCOMPARE(tableau()->Themaas[1]->text(), QStringLiteral("01-Situatie"));
    QVERIFY(tableau()->findChild<QWidget *>(QStringLiteral("SMBevel15")));
}

void tst_GrandTableau::placingFromThirtyThenCancel()
{
    tableau()->setPlacingMode(true);
    m_platform->inputAnswers = {QStringLiteral("5"), QStringLiteral("12"), QStringLiteral("7"), std::nullopt};
    click(30);
    QCOMPARE(m_platform->inputs, QStringList({"Kaartnummer positie: 30|(00 = Wissen) Numr.: |",
                                              "Kaartnummer positie: 31|(00 = Wissen) Numr.: |",
                                              "Kaartnummer positie: 32|(00 = Wissen) Numr.: |",
                                              "Kaartnummer positie: 33|(00 = Wissen) Numr.: |"}));
    QCOMPARE(tableau()->TableauCards[30], 5);
    QCOMPARE(tableau()->TableauCards[31], 12);
    QCOMPARE(tableau()->TableauCards[32], 7);
    QCOMPARE(tableau()->TableauTexts[30], QStringLiteral("05"));
    QVERIFY(!tableau()->Plaatje[31]->pixmap().isNull());
    QCOMPARE(tableau()->Plaatje[31]->accessibleName(), QStringLiteral("12) Vogels"));
    for (int p = 33; p <= 36; ++p)
        QCOMPARE(tableau()->TableauCards[p], 0);
    QCOMPARE(tableau()->PlacePosition, 33);
    QVERIFY(m_platform->messages.isEmpty());
}

void tst_GrandTableau::placingAnswers_data()
{
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<int>("asked");
    QTest::addColumn<int>("card35");
    QTest::addColumn<int>("card36");
    QTest::addColumn<QString>("message");
    QTest::newRow("36 in its own house ends the loop") << QStringList{"9", "36"} << 2 << 9 << 36 << "";
    QTest::newRow("out of range asks the same again")
        << QStringList{"37", "0", "-3", "4", ""} << 5 << 4 << 0 << "";
    QTest::newRow("00 empties and asks the same again") << QStringList{"8", "00", "2"} << 3 << 8 << 2 << "";
    QTest::newRow("blanks around a number") << QStringList{" 3 ", ""} << 2 << 3 << 0 << "";
    QTest::newRow("not a number ends with a message")
        << QStringList{"1", "x1", "5"} << 2 << 1 << 0 << "'x1' is geen kaartnummer.";
}

void tst_GrandTableau::placingAnswers()
{
    QFETCH(QStringList, answers);
    QFETCH(int, asked);
    QFETCH(int, card35);
    QFETCH(int, card36);
    QFETCH(QString, message);
    // A card on 35 and 36 beforehand shows what "00" and an answer leave.
    tableau()->ApplyTableauLine(lineOf(UnsavedTableauDate, QList<int>(34, 0) << 1 << 1));
    tableau()->setPlacingMode(true);
    for (const QString &answer : answers)
        m_platform->inputAnswers.append(answer);
    click(35);
    QCOMPARE(m_platform->inputs.size(), asked);
    QCOMPARE(tableau()->TableauCards[35], card35 == 0 ? 0 : card35);
    QCOMPARE(tableau()->TableauCards[36], card36 == 0 ? 1 : card36);
    QCOMPARE(m_platform->messages, message.isEmpty() ? QStringList() : QStringList{message});
}

void tst_GrandTableau::placedHints()
{
    tableau()->setPlacingMode(true);
    m_platform->inputAnswers = {QStringLiteral("25"), std::nullopt, QStringLiteral("36")};
    click(6);
    click(36);
    QCOMPARE(tableau()->Hint(6),
             QStringLiteral("Zorgen - Positie: 6 Wolken + Ring:\r") + PairBareText(PairIndexOf(6, 25)));
    // On screen the hint breaks its line where the text has a CR.
    QCOMPARE(tableau()->Plaatje[6]->toolTip(), QString(tableau()->Hint(6)).replace(u'\r', u'\n'));
    QCOMPARE(tableau()->Plaatje[6]->accessibleDescription(), tableau()->Plaatje[6]->toolTip());
    QCOMPARE(tableau()->Hint(36), QStringLiteral("Verdriet - Positie 36: Kruis + Kruis = dubbele energie: \r"
                                                 "Lot, Pijn, Leed, Karma, Geloof, Bepoeving"));
    QCOMPARE(m_platform->inputs.size(), 3);
    // "00" on a placed card: no picture, the no-card hint, an empty field.
    m_platform->inputAnswers = {QStringLiteral("00"), std::nullopt};
    click(6);
    QVERIFY(tableau()->Plaatje[6]->pixmap().isNull());
    QCOMPARE(tableau()->Plaatje[6]->toolTip(), QStringLiteral("Zorgen - Positie: 6 Wolken"));
    QCOMPARE(tableau()->TableauTexts[6], QString());
}

void tst_GrandTableau::saveWritesDatedLineAndReadsBack()
{
    tableau()->setPlacingMode(true);
    m_platform->inputAnswers = {QStringLiteral("5"), std::nullopt, QStringLiteral("12"), std::nullopt};
    click(1);
    click(3);
    m_platform->confirmAnswers = {true};
    tableau()->btBewGT->click();
    QCOMPARE(m_platform->confirmations, QStringList{"Bewaren|Tableau Bewaren?"});
    QCOMPARE(m_program->bytes(TableauListFile), (Saved + "\r\n").toLatin1());
    QCOMPARE(Saved.size(), 52);

    tableau()->EmptyPositions();
    tableau()->ApplyTableauLine(Saved);
    QCOMPARE(tableau()->TableauCards[1], 5);
    QCOMPARE(tableau()->TableauCards[2], 0);
    QCOMPARE(tableau()->TableauCards[3], 12);
    QCOMPARE(tableau()->Hint(1),
             QStringLiteral("Situatie - Positie 1: Ruiter + Boom:\r") + PairBareText(PairIndexOf(1, 5)));
}

void tst_GrandTableau::saveAsksAndAppends()
{
    m_program->write(TableauListFile, {QStringLiteral("eerste")});
    m_platform->confirmAnswers = {false};
    tableau()->btBewGT->click();
    QCOMPARE(m_program->lines(TableauListFile), QStringList{"eerste"});
    // An empty tableau is saved too; "00" fields keep their "00".
    tableau()->ApplyTableauLine(QStringLiteral("00.000.00 : 00,"));
    m_platform->confirmAnswers = {true};
    tableau()->btBewGT->click();
    QCOMPARE(m_program->lines(TableauListFile),
             QStringList({"eerste", "08.dec.26 : 00," + QString(35, u',')}));
    QVERIFY(m_platform->messages.isEmpty());
    QCOMPARE(m_platform->busyDepth, 0);
}

void tst_GrandTableau::saveReportsUnreadableList()
{
    QVERIFY(QDir().mkdir(TableauListFile));
    m_platform->confirmAnswers = {true};
    tableau()->btBewGT->click();
    QCOMPARE(m_platform->messages.size(), 1);
    QVERIFY(m_platform->messages[0].contains(TableauListFile));
    QVERIFY(QFileInfo(TableauListFile).isDir());
}

void tst_GrandTableau::randomLayoutUsesEveryCardOnce()
{
    tableau()->setPlacingMode(true);
    tableau()->btRandommie->click();
    QVERIFY(!tableau()->placingMode());
    QVERIFY(tableau()->TableauLine.startsWith(QStringLiteral("00.000.00 : ")));
    QList<int> cards;
    for (int p = 1; p <= 36; ++p) {
        cards.append(tableau()->TableauCards[p]);
        QVERIFY(!tableau()->Plaatje[p]->pixmap().isNull());
    }
    std::sort(cards.begin(), cards.end());
    for (int i = 0; i < 36; ++i)
        QCOMPARE(cards[i], i + 1);
    QCOMPARE(tableau()->windowTitle(), QStringLiteral("Grand Tableau"));
    // The random line saves with today's date in place of the placeholder.
    m_platform->confirmAnswers = {true};
    tableau()->btBewGT->click();
    QCOMPARE(m_program->lines(TableauListFile), QStringList{"08.dec.26" + tableau()->TableauLine.mid(9)});
}

void tst_GrandTableau::connectionColours()
{
    // Card 25 on position 6, card 6 on position 10.
    QList<int> cards(36, 0);
    cards[5] = 25;
    cards[9] = 6;
    tableau()->ApplyTableauLine(lineOf(UnsavedTableauDate, cards));
    click(6);
    QCOMPARE(shownPanels(), QList<int>({6, 10, 25}));
    QCOMPARE(tableau()->Kleuren[6]->ColorFrom(), QColor(0, 0, 255));
    QCOMPARE(tableau()->Kleuren[25]->ColorFrom(), QColor(128, 0, 128));
    QCOMPARE(tableau()->Kleuren[10]->ColorFrom(), QColor(0, 128, 0));
    QCOMPARE(tableau()->Kleuren[6]->ColorTo(), QColor(255, 255, 0));
    QCOMPARE(tableau()->ConnectionPosition, 6);
    QCOMPARE(tableau()->ConnectionCard, 25);
    QVERIFY(m_platform->messages.isEmpty());
    tableau()->btCon->click();
    QVERIFY(shownPanels().isEmpty());
    QCOMPARE(tableau()->Kleuren[25]->ColorFrom(), QColor(0, 0, 255));
    // Position 1 reports its card; an empty position shows only itself.
    click(1);
    QCOMPARE(m_platform->messages, QStringList{"1 + 0"});
    QCOMPARE(shownPanels(), QList<int>{1});
}

void tst_GrandTableau::connectionsAccumulateUntilCleared()
{
    QList<int> cards(36, 0);
    cards[5] = 25; // 6: 25
    cards[24] = 3; // 25: 3
    tableau()->ApplyTableauLine(lineOf(UnsavedTableauDate, cards));
    click(6);
    click(25);
    // The second click finds 25 purple from the first and leaves it so.
    QCOMPARE(shownPanels(), QList<int>({3, 6, 25}));
    QCOMPARE(tableau()->Kleuren[25]->ColorFrom(), QColor(128, 0, 128));
    QCOMPARE(tableau()->Kleuren[6]->ColorFrom(), QColor(0, 128, 0));
    QTest::keyClick(tableau(), Qt::Key_Control);
    QVERIFY(shownPanels().isEmpty());
    click(6);
    QVERIFY(!shownPanels().isEmpty());
    // Changing the click mode clears as well, and placing shows no colours.
    tableau()->setPlacingMode(true);
    QVERIFY(shownPanels().isEmpty());
}

void tst_GrandTableau::ownHouseConnectionIsOneGreenPanel()
{
    tableau()->ApplyTableauLine(lineOf(UnsavedTableauDate, QList<int>(13, 0) << 14));
    QVERIFY(tableau()->Hint(14).startsWith(
        QStringLiteral("Bedrog - Positie 14: Vosje + Vosje = dubbele energie: \r")));
    click(14);
    QCOMPARE(shownPanels(), QList<int>{14});
    QCOMPARE(tableau()->Kleuren[14]->ColorFrom(), QColor(0, 128, 0));
}

void tst_GrandTableau::themesAndHousesExcludeEachOther()
{
    tableau()->btRandommie->click();
    const QString hint = tableau()->Plaatje[9]->toolTip();
    tableau()->cbThema->click();
    QCOMPARE(tableau()->Themaas[9]->text(), QStringLiteral("09-Beloning"));
    QVERIFY(tableau()->Themaas[9]->isVisible());
    QCOMPARE(tableau()->Themaas[9]->font().pointSize(), 10);
    QCOMPARE(tableau()->Plaatje[9]->height(), 128);
    QVERIFY(tableau()->Plaatje[9]->pixmap().height() <= 128);

    tableau()->cbHuiz->click();
    QVERIFY(!tableau()->cbThema->isChecked());
    QCOMPARE(tableau()->Themaas[1]->text(), QStringLiteral("Plannen"));
    QCOMPARE(tableau()->Themaas[1]->font().pointSize(), 11);
    QVERIFY(tableau()->Themaas[1]->isVisible());
    QCOMPARE(tableau()->Plaatje[9]->height(), 128);
    QCOMPARE(tableau()->Plaatje[9]->toolTip(), QString());
    QCOMPARE(tableau()->Plaatje[9]->cursor().shape(), Qt::ArrowCursor);

    tableau()->cbThema->click();
    QVERIFY(!tableau()->cbHuiz->isChecked());
    QCOMPARE(tableau()->Plaatje[9]->toolTip(), hint);
    QCOMPARE(tableau()->Plaatje[9]->cursor().shape(), Qt::WhatsThisCursor);
    QCOMPARE(tableau()->Plaatje[9]->height(), 128);
    tableau()->cbThema->click();
    QCOMPARE(tableau()->Plaatje[9]->height(), 148);
    QVERIFY(!tableau()->Themaas[9]->isVisible());
}

void tst_GrandTableau::clearAsksFirst()
{
    tableau()->btRandommie->click();
    click(6);
    m_platform->confirmAnswers = {false, true};
    tableau()->btWis->click();
    QCOMPARE(tableau()->TableauCards[1] != 0, true);
    QVERIFY(!shownPanels().isEmpty());
    tableau()->setWindowTitle(QStringLiteral("Grand Tableau: 08.dec.26 "));
    tableau()->btWis->click();
    QCOMPARE(m_platform->confirmations,
             QStringList({"Wissen|Alle Plaatjes Wissen?!", "Wissen|Alle Plaatjes Wissen?!"}));
    QVERIFY(tableau()->placingMode());
    QCOMPARE(tableau()->windowTitle(), QStringLiteral("Grand Tableau"));
    QVERIFY(shownPanels().isEmpty());
    for (int p = 1; p <= 36; ++p) {
        QCOMPARE(tableau()->TableauCards[p], 0);
        QCOMPARE(tableau()->TableauTexts[p], QString());
        QVERIFY(tableau()->Plaatje[p]->pixmap().isNull());
    }
}

void tst_GrandTableau::keys()
{
    const auto background = [this] { return tableau()->palette().color(QPalette::Window); };
    QCOMPARE(background(), QColor(245, 222, 179));
    QTest::keyClick(tableau(), Qt::Key_R);
    QCOMPARE(background(), QColor(205, 92, 92));
    QTest::keyClick(tableau(), Qt::Key_B);
    QCOMPARE(background(), QColor(201, 179, 204));
    QTest::keyClick(tableau(), 'W', Qt::ShiftModifier);
    QCOMPARE(background(), QColor(201, 179, 204));
    QTest::keyClick(tableau(), Qt::Key_W);
    QCOMPARE(background(), QColor(255, 245, 238));
    QTest::keyClick(tableau(), Qt::Key_G);
    QCOMPARE(background(), QColor(245, 222, 179));

    QTest::keyClick(tableau(), Qt::Key_Home);
    QVERIFY(Windows().Form5->isVisible());
    QVERIFY(tableau()->isVisible());
    tableau()->btHlp->click();
    QVERIFY(Windows().HelpInfo->isVisible());
    QVERIFY(
        Windows().HelpInfo->Memo1->textCursor().selectedText().startsWith(QStringLiteral("- Grand Tableau")));

    m_platform->confirmAnswers = {false};
    tableau()->btBewGT->setFocus();
    QTest::keyClick(tableau()->btBewGT, Qt::Key_Return);
    QCOMPARE(m_platform->confirmations, QStringList{"Bewaren|Tableau Bewaren?"});

    // Tab reaches the positions in reading order; Space places as a click.
    tableau()->setPlacingMode(true);
    tableau()->Plaatje[1]->setFocus();
    QTest::keyClick(tableau()->Plaatje[1], Qt::Key_Tab);
    QVERIFY(tableau()->Plaatje[2]->hasFocus());
    m_platform->inputAnswers = {QStringLiteral("2"), std::nullopt};
    QTest::keyClick(tableau()->Plaatje[2], Qt::Key_Space);
    QCOMPARE(tableau()->TableauCards[2], 2);
}

void tst_GrandTableau::openListShowsFileAndKeepsCards()
{
    tableau()->btRandommie->click();
    click(5);
    tableau()->btOpenGT->click();
    QVERIFY(list()->isVisible());
    QVERIFY(list()->rows().isEmpty());
    QVERIFY(shownPanels().isEmpty());
    // The layout on screen is still whole: connections and save work on it.
    click(5);
    QVERIFY(!shownPanels().isEmpty());
    QVERIFY(tableau()->TableauCards[5] != 0);

    m_program->write(TableauListFile, {Saved, lineOf("09.dec.26", {1})});
    list()->hide();
    tableau()->btOpenGT->click();
    QCOMPARE(list()->rows(), QStringList({Saved, lineOf("09.dec.26", {1})}));
    QCOMPARE(list()->size(), QSize(324, 361));
    QCOMPARE(list()->lbxGrTab->selectionMode(), QAbstractItemView::ExtendedSelection);
}

void tst_GrandTableau::openEntryReplacesWholeTableau()
{
    const QString second = lineOf(QStringLiteral("09.dec.26"), {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 14});
    m_program->write(TableauListFile, {Saved, second});
    tableau()->btOpenGT->click();
    const QRect firstRow = list()->lbxGrTab->visualRect(list()->lbxGrTab->model()->index(0, 0));
    QTest::mouseClick(list()->lbxGrTab->viewport(), Qt::LeftButton, {}, firstRow.center());
    QCOMPARE(tableau()->TableauLine, Saved);
    QTest::mouseDClick(list()->lbxGrTab->viewport(), Qt::LeftButton, {}, firstRow.center());
    QCOMPARE(tableau()->windowTitle(), QStringLiteral("Grand Tableau: 08.dec.26 "));
    QCOMPARE(tableau()->TableauCards[1], 5);
    QCOMPARE(tableau()->TableauCards[3], 12);
    QVERIFY(list()->isVisible());

    list()->selectRow(1);
    list()->btOpen->click();
    QCOMPARE(tableau()->windowTitle(), QStringLiteral("Grand Tableau: 09.dec.26 "));
    QCOMPARE(tableau()->TableauLine, second);
    QCOMPARE(tableau()->TableauCards[1], 0);
    QVERIFY(tableau()->Plaatje[1]->pixmap().isNull());
    QCOMPARE(tableau()->Plaatje[1]->toolTip(), PositionHint(1, 0, HintForm::Placed));
    QCOMPARE(tableau()->TableauCards[14], 14);
    QVERIFY(tableau()->Hint(14).contains(QStringLiteral("= dubbele energie: \r")));
}

void tst_GrandTableau::openEntryByEnterAndButton()
{
    // No current row: nothing happens.
    tableau()->btOpenGT->click();
    list()->btOpen->click();
    QCOMPARE(tableau()->windowTitle(), QStringLiteral("Grand Tableau"));
    // The newest entry is current when the list opens; Enter opens it.
    m_program->write(TableauListFile, {Saved, QStringLiteral("07.dec.26 : 00,02,")});
    tableau()->btOpenGT->click();
    QCOMPARE(list()->currentRow(), 1);
    QVERIFY(list()->selectedRows().isEmpty());
    QTest::keyClick(list()->lbxGrTab, Qt::Key_Return);
    QCOMPARE(tableau()->windowTitle(), QStringLiteral("Grand Tableau: 07.dec.26 "));
    // "00" shows the card back and is kept for the next save.
    QCOMPARE(tableau()->TableauCards[1], 0);
    QCOMPARE(tableau()->TableauTexts[1], QStringLiteral("00"));
    QVERIFY(!tableau()->Plaatje[1]->pixmap().isNull());
    QCOMPARE(tableau()->TableauCards[2], 2);
    // Enter on a focused button presses that button.
    list()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(list()));
    list()->btSluiten->setFocus();
    QTest::keyClick(list()->btSluiten, Qt::Key_Return);
    QVERIFY(!list()->isVisible());
}

void tst_GrandTableau::badFieldsReportedOnce()
{
    tableau()->ApplyTableauLine(QStringLiteral("08.dec.26 : 05,37,99,06,"));
    QCOMPARE(m_platform->messages, QStringList{"Deze Kaart Bestaat Niet!"});
    QCOMPARE(tableau()->TableauCards[2], 0);
    QVERIFY(tableau()->Plaatje[2]->pixmap().isNull());
    QCOMPARE(tableau()->TableauTexts[3], QString());
    QCOMPARE(tableau()->TableauCards[4], 6);
}

void tst_GrandTableau::deleteRestoreAndWriteBack()
{
    m_program->write(TableauListFile, {Saved});
    tableau()->btOpenGT->click();
    list()->selectRow(0);
    list()->btWisSel->click();
    QCOMPARE(m_program->bytes(TableauListFile), QByteArray());
    QCOMPARE(m_program->lines(TableauBackupFile), QStringList{Saved});
    QVERIFY(list()->rows().isEmpty());
    QCOMPARE(list()->currentRow(), -1);

    list()->btHerstel->click();
    QCOMPARE(list()->rows(), QStringList{Saved});
    QCOMPARE(m_program->bytes(TableauListFile), QByteArray());
    list()->lbxGrTab->clearSelection();
    list()->btWisSel->click();
    QCOMPARE(m_program->lines(TableauListFile), QStringList{Saved});
    QCOMPARE(list()->currentRow(), 0);
    QVERIFY(list()->selectedRows().isEmpty());
    QVERIFY(m_platform->messages.isEmpty());
    QCOMPARE(m_platform->busyDepth, 0);
}

void tst_GrandTableau::deleteSeveralRows()
{
    const QStringList rows = {lineOf("01.dec.26", {1}), lineOf("02.dec.26", {2}), lineOf("03.dec.26", {3}),
                              lineOf("04.dec.26", {4})};
    m_program->write(TableauListFile, rows);
    tableau()->btOpenGT->click();
    list()->selectRow(0);
    list()->lbxGrTab->selectionModel()->select(list()->lbxGrTab->model()->index(2, 0),
                                               QItemSelectionModel::Select);
    QCOMPARE(list()->selectedRows(), QList<int>({0, 2}));
    list()->btWisSel->click();
    QCOMPARE(m_program->lines(TableauListFile), QStringList({rows[1], rows[3]}));
    QCOMPARE(m_program->lines(TableauBackupFile), rows);
    QCOMPARE(list()->rows(), QStringList({rows[1], rows[3]}));
    QCOMPARE(list()->currentRow(), 1);
}

void tst_GrandTableau::saveWhileListOpenSurvivesDelete()
{
    m_program->write(TableauListFile, {Saved});
    tableau()->btOpenGT->click();
    tableau()->btRandommie->click();
    m_platform->confirmAnswers = {true};
    tableau()->btBewGT->click();
    QCOMPARE(list()->rows().size(), 2);
    QCOMPARE(list()->currentRow(), 1);
    list()->lbxGrTab->clearSelection();
    list()->btWisSel->click();
    QCOMPARE(m_program->lines(TableauListFile).size(), 2);
}

void tst_GrandTableau::deleteReportsWriteFailure()
{
    m_program->write(TableauListFile, {Saved});
    tableau()->btOpenGT->click();
    QVERIFY(QDir().mkdir(TableauBackupFile));
    list()->selectRow(0);
    list()->btWisSel->click();
    // Without its backup the list is not touched.
    QCOMPARE(m_platform->messages.size(), 1);
    QVERIFY(m_platform->messages[0].contains(TableauBackupFile));
    QCOMPARE(m_program->lines(TableauListFile), QStringList{Saved});
    QCOMPARE(list()->rows(), QStringList{Saved});
}

void tst_GrandTableau::outsideChangeIsNotDeleted_data()
{
    QTest::addColumn<bool>("inPlace");
    QTest::newRow("layout appended") << false;
    QTest::newRow("rewritten in place, time set back") << true;
}

void tst_GrandTableau::outsideChangeIsNotDeleted()
{
    QFETCH(bool, inPlace);
    const QStringList rows = {lineOf("01.dec.26", {1}), lineOf("02.dec.26", {2})};
    m_program->write(TableauListFile, rows);
    tableau()->btOpenGT->click();
    QStringList other = rows;
    if (inPlace) {
        other[1] = lineOf("02.dec.26", {3});
        m_program->rewriteInPlace(TableauListFile, other);
    } else {
        other.append(lineOf("03.dec.26", {3}));
        m_program->write(TableauListFile, other);
    }
    list()->selectRow(0);
    list()->btWisSel->click();
    QCOMPARE(m_platform->messages,
             QStringList{QStringLiteral(
                 "GrandTabLijst.txt is intussen gewijzigd en opnieuw geladen; er is niets opgeslagen.")});
    QCOMPARE(m_program->lines(TableauListFile), other);
    QVERIFY(!QFileInfo::exists(TableauBackupFile));
    QCOMPARE(list()->rows(), other);
    // From the reloaded rows the delete goes ahead.
    list()->selectRow(0);
    list()->btWisSel->click();
    QCOMPARE(m_program->lines(TableauListFile), other.mid(1));
    QCOMPARE(m_program->lines(TableauBackupFile), other);
}

void tst_GrandTableau::restoreSurvivesSaveAndDelete()
{
    const QStringList rows = {lineOf("01.dec.26", {1}), lineOf("02.dec.26", {2})};
    m_program->write(TableauListFile, rows);
    tableau()->btOpenGT->click();
    list()->selectRow(1);
    list()->btWisSel->click();
    QCOMPARE(m_program->lines(TableauListFile), rows.mid(0, 1));
    list()->btHerstel->click();
    QCOMPARE(list()->rows(), rows);
    // A layout saved now joins the restored rows, in the list file as well.
    m_platform->confirmAnswers = {true};
    tableau()->btBewGT->click();
    const QString saved = lineOf("08.dec.26", {});
    QCOMPARE(m_program->lines(TableauListFile), (QStringList{rows[0], saved}));
    QCOMPARE(list()->rows(), rows + QStringList{saved});
    // The next delete writes the restored rows with it.
    list()->lbxGrTab->clearSelection();
    list()->btWisSel->click();
    QCOMPARE(m_program->lines(TableauListFile), rows + QStringList{saved});
    QCOMPARE(list()->rows(), rows + QStringList{saved});
    QVERIFY(m_platform->messages.isEmpty());
}

void tst_GrandTableau::longLineIsDrawnCut()
{
    const QString damaged = lineOf("01.dec.26", {7}) + QString(200000, u'7');
    m_program->write(TableauListFile, {damaged, Saved});
    tableau()->btOpenGT->click();
    QCOMPARE(list()->rows(), (QStringList{damaged, Saved}));
    const QAbstractItemModel *model = list()->lbxGrTab->model();
    QCOMPARE(model->index(0, 0).data().toString(), damaged.left(1000) + QChar(0x2026));
    QCOMPARE(model->index(1, 0).data().toString(), Saved);
    // What is clicked and opened is the whole line.
    QListView *view = list()->lbxGrTab;
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(model->index(0, 0)).center());
    QCOMPARE(tableau()->TableauLine, damaged);
    list()->btOpen->click();
    QCOMPARE(tableau()->TableauCards[1], 7);
}

void tst_GrandTableau::closeBacksUpToMainWindowAndBackupGoesAtEnd()
{
    tableau()->btSluitprog->click();
    QVERIFY(!tableau()->isVisible());
    QVERIFY(Windows().Form1->isVisible());
    tableau()->show();
    QVERIFY(!Windows().Form1->isVisible());
    m_program->write(TableauBackupFile, {Saved});
    m_program->write(TableauListFile, {Saved});
    // Esc ends the program from here as well; the backup goes with it.
    QSignalSpy ends(Windows().Form1, &TForm1::programEnds);
    QTest::keyClick(tableau(), Qt::Key_Escape);
    QCOMPARE(ends.count(), 1);
    QVERIFY(!tableau()->isVisible());
    QVERIFY(!QFileInfo::exists(TableauBackupFile));
    QVERIFY(QFileInfo::exists(TableauListFile));
}

QTEST_MAIN(tst_GrandTableau)
#include "tst_grand_tableau.moc"
