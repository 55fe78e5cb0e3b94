#include "app/help_window.h"
#include "app/window_set.h"
#include "catalogue/catalogue.h"
#include "combos/combination_window.h"
#include "program_fixture.h"
#include "tableau/grand_tableau_window.h"
#include "tableau/tableau_list_window.h"
#include "tableau/techniques_window.h"
#include "widgets/gradient_panel.h"

#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

using namespace tessaly;

namespace {

// Card p on p, except 29 on 20, 20 on 5, 5 on 12 and 12 on 29.
const QString CycleLine =
    QStringLiteral("08.dec.26 : 01,02,03,04,20,06,07,08,09,10,11,05,13,14,15,16,17,18,19,29,"
                   "21,22,23,24,25,26,27,28,12,30,31,32,33,34,35,36,");

// Colours of the frames, as the user sees them.
const QColor Black(0, 0, 0);
const QColor Orange(230, 159, 0);
const QColor SkyBlue(86, 180, 233);
const QColor BluishGreen(0, 158, 115);
const QColor Vermillion(213, 94, 0);
const QColor ReddishPurple(204, 121, 167);
const QColor Blue(0, 114, 178);
const QColor Yellow(240, 228, 66);

} // namespace

class tst_TechniquesWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void buttonInFreeSpaceOpensTheWindow();
    void pickerTakesNumbersTitlesAndNames_data();
    void pickerTakesNumbersTitlesAndNames();
    void framesShowEachTechnique_data();
    void framesShowEachTechnique();
    void framesLeaveConnectionsAloneAndGoWithTheWindow();
    void clickedLineShowsThePair();
    void copyFollowsTheLayoutAndItsDate();
    void longLinesWrap();
    void closesWithTheTableau();
    void helpOpensAtItsChapter();

private:
    TForm7 *tableau() const { return Windows().Form7; }
    TTechnieken *techniques() const { return tableau()->Technieken; }
    void openSaved(const QString &line);
    // The colour depth pixels inside the corner of position p's picture.
    QColor frameColour(int p, int depth) const;

    QScopedPointer<ProgramFixture> m_program;
};

void tst_TechniquesWindow::init()
{
    m_program.reset(new ProgramFixture);
    tableau()->show();
    QVERIFY(QTest::qWaitForWindowExposed(tableau()));
}

void tst_TechniquesWindow::cleanup()
{
    m_program.reset();
}

void tst_TechniquesWindow::openSaved(const QString &line)
{
    m_program->write(TableauListFile, {line});
    tableau()->btOpenGT->click();
    Windows().Form8->selectRow(0);
    Windows().Form8->btOpen->click();
    Windows().Form8->close();
}

QColor tst_TechniquesWindow::frameColour(int p, int depth) const
{
    const QImage shot = tableau()->grab().toImage();
    // On the diagonal from the top left corner, where dashed rings have a
    // dash too.
    return shot.pixelColor(tableau()->Plaatje[p]->geometry().topLeft() + QPoint(depth, depth));
}

void tst_TechniquesWindow::buttonInFreeSpaceOpensTheWindow()
{
    QPushButton *button = tableau()->findChild<QPushButton *>(QStringLiteral("btTechnieken"));
    QVERIFY(button);
    QCOMPARE(button->text(), QStringLiteral("Technieken"));
    QCOMPARE(button->accessibleName(), QStringLiteral("Technieken"));
    QVERIFY(tableau()->rect().contains(button->geometry()));
    for (QWidget *other : tableau()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        if (other != button && other->isVisible() && other->objectName() != QLatin1String("TechniekKaders"))
            QVERIFY2(!other->geometry().intersects(button->geometry()), qPrintable(other->objectName()));

    QVERIFY(!techniques()->isVisible());
    QTest::mouseClick(button, Qt::LeftButton);
    QVERIFY(techniques()->isVisible());
    QCOMPARE(techniques()->windowTitle(), QStringLiteral("Technieken"));
    QVERIFY(techniques()->isWindow());
    // A companion: the tableau stays on screen.
    QVERIFY(tableau()->isVisible());
    QCOMPARE(techniques()->cbSignificator->accessibleName(), QStringLiteral("Significator"));
    QCOMPARE(techniques()->btKopieer->accessibleName(), QStringLiteral("Kopieer"));
    // Heer is read until another card is picked.
    QCOMPARE(techniques()->cbSignificator->currentText(), QStringLiteral("28) Heer"));
    QCOMPARE(techniques()->lbKop->text(),
             QStringLiteral("Grand Tableau niet bewaard — significator 28) Heer, niet op het tableau"));
}

void tst_TechniquesWindow::pickerTakesNumbersTitlesAndNames_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("card");
    QTest::newRow("two digits") << "29" << 29;
    QTest::newRow("leading zero") << "05" << 5;
    QTest::newRow("title") << "31) Z" << 31;
    QTest::newRow("name") << "vrouw" << 29;
    QTest::newRow("name past a first guess") << "Vos" << 14;
    QTest::newRow("no card keeps Heer") << "99" << 28;
    QTest::newRow("no name keeps Heer") << "qx" << 28;
}

void tst_TechniquesWindow::pickerTakesNumbersTitlesAndNames()
{
    QFETCH(QString, typed);
    QFETCH(int, card);
    openSaved(CycleLine);
    techniques()->ShowBeside();
    QComboBox *picker = techniques()->cbSignificator;
    picker->setFocus();
    picker->lineEdit()->selectAll();
    QTest::keyClicks(picker->lineEdit(), typed);
    QCOMPARE(techniques()->Significator(), card);
    QCOMPARE(picker->currentText(), CardTitle(card));
    QVERIFY2(techniques()->lbKop->text().contains(QStringLiteral("significator ") + CardTitle(card)),
             qPrintable(techniques()->lbKop->text()));
}

void tst_TechniquesWindow::framesShowEachTechnique_data()
{
    // Significator 29 on 20; rings run from the outside in.
    QTest::addColumn<int>("position");
    QTest::addColumn<QList<QColor>>("rings");
    QTest::newRow("significator") << 20 << QList<QColor>{Black};
    QTest::newRow("near and diagonal") << 11 << QList<QColor>{Orange, BluishGreen};
    QTest::newRow("near, column, mirror, chain") << 12 << QList<QColor>{Orange, SkyBlue, ReddishPurple, Blue};
    QTest::newRow("row only") << 22 << QList<QColor>{SkyBlue};
    QTest::newRow("knight and chain") << 5 << QList<QColor>{Vermillion, Blue};
    QTest::newRow("outcome") << 35 << QList<QColor>{Yellow};
}

void tst_TechniquesWindow::framesShowEachTechnique()
{
    QFETCH(int, position);
    QFETCH(QList<QColor>, rings);
    openSaved(CycleLine);
    techniques()->ShowBeside();
    QTest::mouseClick(techniques()->btVrouw, Qt::LeftButton);
    int depth = 1;
    for (const QColor &ring : rings) {
        QCOMPARE(frameColour(position, depth), ring);
        depth += ring == Black ? 6 : 4;
    }
}

void tst_TechniquesWindow::framesLeaveConnectionsAloneAndGoWithTheWindow()
{
    openSaved(CycleLine);
    const QColor unframed = frameColour(8, 1);
    techniques()->ShowBeside();
    techniques()->SetSignificator(29);
    QCOMPARE(frameColour(20, 1), Black);
    // Position 8 has no part in any technique from 20.
    QCOMPARE(frameColour(8, 1), unframed);

    // Card 12 lies on 29: the connection colours 29 blue, 12 purple and
    // where card 29 lies (20) green, under the frames.
    QTest::mouseClick(tableau()->Plaatje[29], Qt::LeftButton);
    QVERIFY(tableau()->Kleuren[29]->isVisible());
    QVERIFY(tableau()->Kleuren[12]->isVisible());
    QVERIFY(tableau()->Kleuren[20]->isVisible());
    QCOMPARE(frameColour(20, 1), Black);
    tableau()->btCon->click();
    QVERIFY(!tableau()->Kleuren[20]->isVisible());
    QCOMPARE(frameColour(20, 1), Black);

    // Another significator moves the frames.
    techniques()->SetSignificator(36);
    QCOMPARE(frameColour(36, 1), Black);
    QCOMPARE(frameColour(20, 1), tableau()->palette().color(QPalette::Window));

    QTest::keyClick(techniques()->lbxLezing, Qt::Key_Escape);
    QVERIFY(!techniques()->isVisible());
    QVERIFY(tableau()->isVisible());
    for (int p : {20, 35, 36})
        QCOMPARE(frameColour(p, 1), tableau()->palette().color(QPalette::Window));
    for (const TechniqueMask mask : techniques()->Frames())
        QCOMPARE(mask, 0u);
}

void tst_TechniquesWindow::clickedLineShowsThePair()
{
    openSaved(CycleLine);
    techniques()->ShowBeside();
    techniques()->SetSignificator(29);
    QListView *list = techniques()->lbxLezing;
    const QAbstractItemModel *model = list->model();
    QCOMPARE(model->index(0, 0).data().toString(), QStringLiteral("Afstand"));
    QVERIFY(model->index(1, 0).data().toString().startsWith(QStringLiteral("11) Roede op 11")));

    TForm5 *combinations = Windows().Form5;
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(model->index(0, 0)).center());
    QVERIFY(!combinations->isVisible());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(model->index(1, 0)).center());
    QVERIFY(combinations->isVisible());
    QCOMPARE(combinations->edKaart1->text(), QStringLiteral("29"));
    QCOMPARE(combinations->edKaart2->text(), QStringLiteral("11"));
    QVERIFY(combinations->Memo->toPlainText().endsWith(PairBareText(PairIndexOf(29, 11))));

    // Enter on the chain's second line (the significator's own line first).
    int row = 0;
    while (model->index(row, 0).data().toString() != QLatin1String("Huizenketen"))
        ++row;
    QCOMPARE(model->index(row + 1, 0).data().toString(),
             QStringLiteral("29) Vrouw in huis 20 — de significator"));
    list->setFocus();
    list->setCurrentIndex(model->index(row + 1, 0));
    QTest::keyClick(list, Qt::Key_Return);
    QCOMPARE(combinations->edKaart2->text(), QStringLiteral("11"));
    list->setCurrentIndex(model->index(row + 2, 0));
    QTest::keyClick(list, Qt::Key_Return);
    QCOMPARE(combinations->edKaart2->text(), QStringLiteral("20"));
}

void tst_TechniquesWindow::copyFollowsTheLayoutAndItsDate()
{
    ScriptedPlatform &platform = m_program->platform();
    openSaved(CycleLine);
    techniques()->ShowBeside();
    techniques()->SetSignificator(29);
    techniques()->btKopieer->click();
    QCOMPARE(platform.clipboardText, techniques()->ReadingText());
    QVERIFY(platform.clipboardText.startsWith(QStringLiteral(
        "Grand Tableau 08.dec.26 — significator 29) Vrouw op positie 20\r\nAfstand\r\n11) Roede op 11")));

    // A card changed by hand: no longer the saved layout, and the list
    // follows.
    tableau()->setPlacingMode(true);
    platform.inputAnswers = {QStringLiteral("00"), std::nullopt};
    QTest::mouseClick(tableau()->Plaatje[11], Qt::LeftButton);
    QTRY_COMPARE(techniques()->lbKop->text(),
                 QStringLiteral("Grand Tableau niet bewaard — significator 29) Vrouw op positie 20"));
    QVERIFY(
        !techniques()->lbxLezing->model()->index(1, 0).data().toString().startsWith(QStringLiteral("11)")));
    techniques()->btKopieer->click();
    QVERIFY(platform.clipboardText.contains(
        QStringLiteral("\r\nHet tableau is niet vol: lege plaatsen ontbreken.\r\n")));

    // Saved today, it carries today's date.
    platform.confirmAnswers = {true};
    tableau()->btBewGT->click();
    techniques()->btKopieer->click();
    QVERIFY(platform.clipboardText.startsWith(QStringLiteral("Grand Tableau 08.dec.26 — significator 29)")));
    QCOMPARE(m_program->lines(TableauListFile).size(), 2);

    tableau()->btRandommie->click();
    QTRY_VERIFY(techniques()->lbKop->text().startsWith(QStringLiteral("Grand Tableau niet bewaard — ")));
    techniques()->btKopieer->click();
    QCOMPARE(platform.clipboardText, techniques()->ReadingText());
    const auto &cards = tableau()->TableauCards;
    const int at = int(std::find(cards.begin() + 1, cards.end(), 29) - cards.begin());
    QCOMPARE(platform.clipboardText.section(QStringLiteral("\r\n"), 0, 0),
             QStringLiteral("Grand Tableau niet bewaard — significator 29) Vrouw op positie %1").arg(at));
}

void tst_TechniquesWindow::longLinesWrap()
{
    openSaved(CycleLine);
    techniques()->ShowBeside();
    techniques()->SetSignificator(29);
    QVERIFY(QTest::qWaitForWindowExposed(techniques()));
    QListView *list = techniques()->lbxLezing;
    QCOMPARE(list->horizontalScrollBar()->maximum(), 0);
    const int width = list->viewport()->width();
    const int headingHeight = list->visualRect(list->model()->index(0, 0)).height();
    int wrapped = 0;
    for (int row = 0; row < list->model()->rowCount(); ++row) {
        const QRect shown = list->visualRect(list->model()->index(row, 0));
        QVERIFY2(shown.right() < width, qPrintable(list->model()->index(row, 0).data().toString()));
        if (shown.height() > 1.5 * headingHeight)
            ++wrapped;
    }
    // Pair texts are longer than the window is wide.
    QVERIFY(wrapped > 10);
}

void tst_TechniquesWindow::closesWithTheTableau()
{
    openSaved(CycleLine);
    techniques()->ShowBeside();
    techniques()->SetSignificator(29);
    tableau()->btSluitprog->click();
    QVERIFY(!tableau()->isVisible());
    QVERIFY(!techniques()->isVisible());
    for (const TechniqueMask mask : techniques()->Frames())
        QCOMPARE(mask, 0u);
    // Back on the tableau the window opens again with the same card.
    tableau()->show();
    tableau()->btTechnieken->click();
    QCOMPARE(techniques()->Significator(), 29);
    QCOMPARE(frameColour(20, 1), Black);
}

void tst_TechniquesWindow::helpOpensAtItsChapter()
{
    techniques()->ShowBeside();
    techniques()->btHelp->click();
    THelpInfo *help = Windows().HelpInfo;
    QVERIFY(help->isVisible());
    QCOMPARE(help->Memo1->textCursor().selectedText(), QStringLiteral("- Technieken"));
    const QString chapter = help->Memo1->toPlainText().section(QStringLiteral("- Technieken"), 1);
    for (const char *technique : {"Afstand", "Boven", "Onder", "Links", "Rechts", "Diagonalen",
                                  "Paardensprong", "Spiegels", "Huizenketen", "Uitkomst", "Kopieer"})
        QVERIFY2(chapter.contains(QLatin1String(technique)), technique);
}

QTEST_MAIN(tst_TechniquesWindow)
#include "tst_techniques_window.moc"
