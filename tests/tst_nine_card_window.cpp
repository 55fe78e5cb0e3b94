#include "app/help_window.h"
#include "app/main_window.h"
#include "app/shared_state.h"
#include "app/window_set.h"
#include "catalogue/counting.h"
#include "combos/combination_window.h"
#include "program_fixture.h"
#include "saved/list_window.h"
#include "saved/saved_list.h"
#include "spreads/line_of_five_window.h"
#include "spreads/nine_card_window.h"
#include "spreads/square_arrangement.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEnterEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

using namespace tessaly;

class tst_NineCardWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void showFromMainLaysCountedCards();
    void emptySquareCountsKruis();
    void cornersFromThePlus();
    void saltireCountsCornersAndCentre();
    void crossBeyondGOffersNoStep();
    void stepMovesCardsAndRefreshesLabels();
    void crossStepsBringCardsHome();
    void themeCardAndItsMemory();
    void randomDrawsNineDifferentCards();
    void copyText_data();
    void copyText();
    void copyPictureLeavesOutTheColumn();
    void saveWritesPaddedFields();
    void savedSpreadIsNotSavedTwice();
    void themeCardBackToNoneKeepsSpreadSaved();
    void pictureClicksFillPairInTurn();
    void fromLineOfFive_data();
    void fromLineOfFive();
    void roundTripThroughLineOfFive();
    void homeHandsSquareBack();
    void openedEntries();
    void keys();
    void listAndHelpButtons();

private:
    TForm3 *nine() const { return Windows().Form3; }
    QLineEdit *edit(int slot) const { return nine()->Edit(slot); }
    void fill(const QList<int> &cards);
    QList<int> cards() const;
    QList<int> visibleSlots() const;
    void showFromMain();
    void stepTo(int index);

    QScopedPointer<ProgramFixture> m_program;
    ScriptedPlatform *m_platform = nullptr;
};

void tst_NineCardWindow::init()
{
    m_program.reset(new ProgramFixture);
    m_platform = &m_program->platform();
}

void tst_NineCardWindow::cleanup()
{
    m_program.reset();
}

// Slots 1..9 in turn; 0 leaves a slot empty.
void tst_NineCardWindow::fill(const QList<int> &cards)
{
    for (int slot = 1; slot <= 9; ++slot)
        edit(slot)->setText(cards[slot - 1] ? QString::number(cards[slot - 1]) : QString());
}

QList<int> tst_NineCardWindow::cards() const
{
    QList<int> nineCards;
    for (int slot = 1; slot <= 9; ++slot)
        nineCards.append(edit(slot)->text().toInt());
    return nineCards;
}

QList<int> tst_NineCardWindow::visibleSlots() const
{
    QList<int> shown;
    for (int slot = 1; slot <= 9; ++slot) {
        const bool visible = edit(slot)->isVisible();
        if (nine()->Image[slot]->isVisible() != visible || nine()->Label[slot]->isVisible() != visible)
            return {-1};
        if (visible)
            shown.append(slot);
    }
    return shown;
}

void tst_NineCardWindow::showFromMain()
{
    Windows().Form1->btNegen->click();
    QVERIFY(QTest::qWaitForWindowExposed(nine()));
    nine()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(nine()));
}

void tst_NineCardWindow::stepTo(int index)
{
    while (Shared().NineCardOrderIndex != index)
        QTest::mouseClick(nine()->btVolgorde, Qt::LeftButton);
}

void tst_NineCardWindow::showFromMainLaysCountedCards()
{
    showFromMain();
    const SharedState &shared = Shared();
    QVERIFY(!Windows().Form1->isVisible());
    const QList<int> order = {6, 4, 7, 1, 2, 3, 8, 5, 9};
    for (int slot = 1; slot <= 9; ++slot)
        QCOMPARE(edit(slot)->text(), QString::number(shared.MainSlotCards[order[slot - 1]]));
    QVERIFY(!nine()->cbKruis->isChecked());
    QCOMPARE(visibleSlots(), (QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9}));
    QCOMPARE(nine()->btVolgorde->text(), QStringLiteral("Volgorde A"));
    QCOMPARE(nine()->btVolgorde->toolTip(), ResetHintSquare);
    QVERIFY(!nine()->btHoeken->isEnabled() && !nine()->btMidde->isEnabled());
    QVERIFY(nine()->btWissen->isEnabled() && nine()->btGoLijn5->isEnabled());
    QCOMPARE(nine()->labelMode(), 1);
    for (int slot = 1; slot <= 9; ++slot) {
        QVERIFY(!nine()->Label[slot]->text().isEmpty());
        QCOMPARE(nine()->Label[slot]->palette().color(QPalette::WindowText), QColor(Qt::blue));
        QCOMPARE(nine()->Image[slot]->accessibleName(), CardTitle(edit(slot)->text().toInt()));
    }
    int sum = 0;
    for (const int card : cards())
        sum += card;
    QCOMPARE(shared.NineSumCard, countOut(sum));
    QCOMPARE(nine()->lbUitkomst->text(), CardTitle(countOut(sum)));
    QVERIFY(shared.AlsoDayList);
    QCOMPARE(shared.PairPickToA, -1);
    const TVerleden *list = Windows().Verleden;
    QVERIFY(!list->cbDrieK->isChecked() && list->cbVijfK->isChecked() && list->cbNegenK->isChecked());
    QCOMPARE(nine()->cbThema->currentIndex(), 0);
    QCOMPARE(nine()->cbThema->count(), 13);
}

void tst_NineCardWindow::emptySquareCountsKruis()
{
    showFromMain();
    QTest::mouseClick(nine()->btWissen, Qt::LeftButton);
    for (int slot = 1; slot <= 9; ++slot) {
        QVERIFY(edit(slot)->text().isEmpty());
        QCOMPARE(nine()->Label[slot]->text(), QStringLiteral("---"));
    }
    QCOMPARE(nine()->lbUitkomst->text(), QStringLiteral("---"));
    QVERIFY(edit(1)->hasFocus());
    QTest::keyClicks(edit(1), QStringLiteral("40"));
    // Above 36 is no card: the field empties and the empty square counts 36.
    QVERIFY(edit(1)->text().isEmpty());
    QCOMPARE(nine()->lbUitkomst->text(), QStringLiteral("36) Kruis"));
    QCOMPARE(Shared().NineSumCard, 36);
}

void tst_NineCardWindow::cornersFromThePlus()
{
    showFromMain();
    QTest::mouseClick(nine()->cbKruis, Qt::LeftButton);
    QCOMPARE(visibleSlots(), (QList<int>{2, 4, 5, 6, 8}));
    QVERIFY(nine()->btHoeken->isEnabled() && !nine()->btMidde->isEnabled());
    QVERIFY(edit(2)->hasFocus());
    edit(2)->setText(QStringLiteral("10"));
    edit(4)->setText(QStringLiteral("20"));
    edit(6)->setText(QStringLiteral("30"));
    edit(8)->setText(QStringLiteral("5"));
    edit(5)->clear();
    // The plus alone counts: 10 + 20 + 30 + 5 = 65.
    QCOMPARE(nine()->lbUitkomst->text(), CardTitle(29));
    QTest::mouseClick(nine()->btHoeken, Qt::LeftButton);
    QCOMPARE(cards(), (QList<int>{30, 10, 4, 20, 0, 30, 25, 5, 35}));
    QVERIFY(!nine()->cbKruis->isChecked());
    QCOMPARE(visibleSlots(), (QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9}));
    QVERIFY(!nine()->btHoeken->isEnabled());
    QCOMPARE(Shared().NineSumCard, countOut(30 + 10 + 4 + 20 + 30 + 25 + 5 + 35));
    QCOMPARE(nine()->btVolgorde->toolTip(), StepHint(1, false));
}

void tst_NineCardWindow::saltireCountsCornersAndCentre()
{
    showFromMain();
    QTest::mouseClick(nine()->cbKruis, Qt::LeftButton);
    stepTo(OrderF);
    QCOMPARE(nine()->btVolgorde->text(), QStringLiteral("Volgorde F"));
    QCOMPARE(nine()->btVolgorde->toolTip(), StepHint(OrderF, true));
    QCOMPARE(visibleSlots(), (QList<int>{1, 3, 5, 7, 9}));
    QVERIFY(edit(1)->hasFocus());
    fill({1, 2, 3, 4, 5, 6, 7, 8, 0});
    QCOMPARE(nine()->lbUitkomst->text(), CardTitle(16));
    QVERIFY(nine()->btMidde->isEnabled());
    QVERIFY(!nine()->btHoeken->isEnabled());
    QVERIFY(!nine()->btWissen->isEnabled());
    QVERIFY(!nine()->btGoLijn5->isEnabled());
    QTest::mouseClick(nine()->btMidde, Qt::LeftButton);
    // Middles from the corners; the empty corner 9 counts 0.
    QCOMPARE(cards(), (QList<int>{1, 4, 3, 8, 5, 3, 7, 7, 0}));
    QVERIFY(!nine()->cbKruis->isChecked());
    QCOMPARE(visibleSlots(), (QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9}));
    QVERIFY(nine()->btWissen->isEnabled() && nine()->btGoLijn5->isEnabled() && !nine()->btMidde->isEnabled());
    QCOMPARE(nine()->btVolgorde->toolTip(), StepHint(OrderF, false));
}

void tst_NineCardWindow::crossBeyondGOffersNoStep()
{
    showFromMain();
    stepTo(10);
    fill({1, 2, 3, 4, 5, 6, 7, 8, 9});
    QTest::mouseClick(nine()->cbKruis, Qt::LeftButton);
    // J reads in slot order: the plus shows positions 2, 4, 5, 6, 8.
    QCOMPARE(visibleSlots(), (QList<int>{2, 4, 5, 6, 8}));
    QCOMPARE(nine()->btVolgorde->toolTip(), StepHint(10, false));
    QVERIFY(!nine()->btVolgorde->isEnabled());
    QCOMPARE(nine()->lbUitkomst->text(), CardTitle(25));
    // Clearing returns to A, which the cross can step from again.
    QTest::mouseClick(nine()->btWissen, Qt::LeftButton);
    QCOMPARE(Shared().NineCardOrderIndex, 1);
    QVERIFY(nine()->btVolgorde->isEnabled());
    QCOMPARE(cards(), (QList<int>{1, 0, 3, 0, 0, 0, 7, 0, 9}));
}

void tst_NineCardWindow::stepMovesCardsAndRefreshesLabels()
{
    showFromMain();
    fill({1, 2, 3, 4, 5, 6, 7, 8, 9});
    nine()->setLabelMode(0);
    QTest::mouseClick(nine()->btVolgorde, Qt::LeftButton);
    QCOMPARE(cards(), (QList<int>{3, 5, 7, 2, 4, 8, 1, 6, 9}));
    QCOMPARE(nine()->btVolgorde->text(), QStringLiteral("Volgorde B"));
    QCOMPARE(nine()->btVolgorde->toolTip(), StepHint(2, false));
    for (int slot = 1; slot <= 9; ++slot) {
        QCOMPARE(nine()->Label[slot]->text(), CardTitle(cards()[slot - 1]));
        QCOMPARE(nine()->Label[slot]->palette().color(QPalette::WindowText), QColor(Qt::black));
    }
    stepTo(OrderI);
    for (int slot = 1; slot <= 9; ++slot) {
        QCOMPARE(nine()->Label[slot]->text(), FengShuiWords[slot]);
        QVERIFY(nine()->Label[slot]->font().bold());
    }
    // A typed card replaces its slot's word until the next refresh.
    edit(3)->setText(QStringLiteral("12"));
    QCOMPARE(nine()->Label[3]->text(), CardTitle(12));
    QCOMPARE(nine()->Label[4]->text(), FengShuiWords[4]);
    nine()->setLabelMode(1);
    QVERIFY(!nine()->Label[4]->font().bold());
    QCOMPARE(nine()->Label[4]->palette().color(QPalette::WindowText), QColor(Qt::blue));
    stepTo(11);
    QTest::mouseClick(nine()->btVolgorde, Qt::LeftButton);
    QCOMPARE(nine()->btVolgorde->text(), QStringLiteral("Volgorde A"));
}

void tst_NineCardWindow::crossStepsBringCardsHome()
{
    showFromMain();
    QTest::mouseClick(nine()->cbKruis, Qt::LeftButton);
    const QList<int> home = {11, 12, 13, 14, 15, 16, 17, 0, 19};
    fill(home);
    for (int step = 1; step <= CrossOrderCount; ++step) {
        QTest::mouseClick(nine()->btVolgorde, Qt::LeftButton);
        const int index = Shared().NineCardOrderIndex;
        QCOMPARE(nine()->btVolgorde->toolTip(), StepHint(index, true));
        QCOMPARE(visibleSlots(),
                 IsSaltireOrder(index) ? (QList<int>{1, 3, 5, 7, 9}) : (QList<int>{2, 4, 5, 6, 8}));
    }
    QCOMPARE(Shared().NineCardOrderIndex, 1);
    QCOMPARE(cards(), home);
}

void tst_NineCardWindow::themeCardAndItsMemory()
{
    showFromMain();
    edit(5)->setText(QStringLiteral("9"));
    nine()->cbThema->setFocus();
    QVERIFY(nine()->cbThema->hasFocus());
    // Home and End belong to the window; the arrows walk the list.
    for (int item = 1; item <= 11; ++item)
        QTest::keyClick(nine()->cbThema, Qt::Key_Down);
    QCOMPARE(nine()->cbThema->currentText(), QStringLiteral("Werk"));
    QCOMPARE(edit(5)->text(), QStringLiteral("32"));
    QCOMPARE(nine()->Label[5]->text(), QStringLiteral("[ Werk ]"));
    QCOMPARE(nine()->Label[5]->palette().color(QPalette::WindowText), QColor(Qt::red));
    for (int item = 11; item >= 1; --item)
        QTest::keyClick(nine()->cbThema, Qt::Key_Up);
    QCOMPARE(edit(5)->text(), QStringLiteral("9"));
    QCOMPARE(nine()->Label[5]->palette().color(QPalette::WindowText), QColor(Qt::black));
    QVERIFY(!nine()->Label[5]->text().startsWith(u'['));
    // A label refresh returns the list to its first item and keeps the card.
    QTest::keyClick(nine()->cbThema, Qt::Key_Down);
    QCOMPARE(edit(5)->text(), QStringLiteral("3"));
    QTest::mouseClick(nine()->btWissel, Qt::LeftButton);
    QCOMPARE(nine()->cbThema->currentIndex(), 0);
    QCOMPARE(edit(5)->text(), QStringLiteral("3"));
}

void tst_NineCardWindow::randomDrawsNineDifferentCards()
{
    showFromMain();
    QTest::mouseClick(nine()->cbKruis, Qt::LeftButton);
    for (int round = 0; round < 20; ++round) {
        QTest::mouseClick(nine()->btRandom, Qt::LeftButton);
        const QList<int> drawn = cards();
        QCOMPARE(QSet<int>(drawn.begin(), drawn.end()).size(), 9);
        QVERIFY(*std::min_element(drawn.begin(), drawn.end()) >= 1);
        QVERIFY(*std::max_element(drawn.begin(), drawn.end()) <= 36);
    }
    QCOMPARE(visibleSlots(), (QList<int>{2, 4, 5, 6, 8}));
    QCOMPARE(nine()->Label[5]->palette().color(QPalette::WindowText), QColor(Qt::blue));
}

void tst_NineCardWindow::copyText_data()
{
    QTest::addColumn<bool>("cross");
    QTest::addColumn<int>("order");
    QTest::addColumn<QString>("names");
    QTest::addColumn<QString>("labelLayout");
    QTest::addColumn<QString>("total");
    QTest::newRow("square") << false << 1
                            << "01) Ruiter - 02) Klaverblad - --\r04) Huis - 05) Boom - 06) Wolken\r"
                               "07) Slang - 08) Lijkkist - 09) Ruiker\r"
                            << "%1 - %2 - %3\r%4 - %5 - %6\r%7 - %8 - %9\r"
                            << "06) Wolken";
    QTest::newRow("plus") << true << 1
                          << "          02) Klaverblad\r04) Huis - 05) Boom - 06) Wolken\r"
                             "          08) Lijkkist\r"
                          << "          %2\r%4 - %5 - %6\r          %8\r"
                          << "25) Ring";
    QTest::newRow("saltire") << true << OrderF << "01) Ruiter - --\r      05) Boom\r07) Slang - 09) Ruiker\r"
                             << "%1 - %3\r        %5\r%7 - %9\r"
                             << "22) Wegen";
}

void tst_NineCardWindow::copyText()
{
    QFETCH(bool, cross);
    QFETCH(int, order);
    QFETCH(QString, names);
    QFETCH(QString, labelLayout);
    QFETCH(QString, total);
    showFromMain();
    nine()->cbKruis->setChecked(cross);
    stepTo(order);
    fill({1, 2, 0, 4, 5, 6, 7, 8, 9});
    nine()->setLabelMode(0);
    QTest::mouseClick(nine()->btKopie, Qt::LeftButton);
    // The copy shows the keywords first; the labels are taken as shown.
    QCOMPARE(nine()->labelMode(), 1);
    QString labels = labelLayout;
    for (int slot = 1; slot <= 9; ++slot)
        labels.replace(QStringLiteral("%%1").arg(slot), nine()->Label[slot]->text());
    QVERIFY(!labels.contains(u'%'));
    QCOMPARE(m_platform->clipboardText, QStringLiteral("Mijn Kaartjes voor 8-12-2026: \r\r") + names + u'\r' +
                                            labels + QStringLiteral("\rUitgeteld: ") + total +
                                            QStringLiteral("\r------------------------------\r"));
    QCOMPARE(Shared().CopyDate, m_platform->clock);
}

void tst_NineCardWindow::copyPictureLeavesOutTheColumn()
{
    showFromMain();
    QTest::mouseClick(nine()->btScherm, Qt::LeftButton);
    QCOMPARE(m_platform->clipboardImage.width(), nine()->width() - 130);
    QCOMPARE(m_platform->clipboardImage.height(), nine()->height());
}

void tst_NineCardWindow::saveWritesPaddedFields()
{
    m_program->write(DayCardFile, {QStringLiteral("bestaande regel")});
    showFromMain();
    fill({1, 2, 0, 4, 7, 6, 17, 28, 36});
    m_platform->confirmAnswers = {false};
    m_platform->inputAnswers = {QStringLiteral("9-Kaart")};
    QTest::mouseClick(nine()->btBewaar, Qt::LeftButton);
    QCOMPARE(
        m_platform->confirmations,
        QStringList{QStringLiteral("Kopie|De 9-Kaart wordt bewaard in Orvalis.txt\nBewaar ook 3 middelste "
                                   "kaarten in Kelvaro.txt?")});
    QCOMPARE(Shared().SaveCards[3], QStringLiteral("00"));
    QCOMPARE(Shared().SaveCards[5], QStringLiteral("07"));
    QCOMPARE(m_program->lines(ListFile),
             QStringList{QStringLiteral("08.dec.26 #(9-Kaart) / 01 02 00 04 07 06 17 28 36")});
    // Cancel stops only the day-card line.
    QCOMPARE(m_program->lines(DayCardFile), QStringList{QStringLiteral("bestaande regel")});
    QVERIFY(Shared().SpreadSaved);

    edit(6)->setText(QStringLiteral("9"));
    m_platform->confirmAnswers = {true};
    m_platform->inputAnswers = {QStringLiteral("tweede")};
    QTest::mouseClick(nine()->btBewaar, Qt::LeftButton);
    QCOMPARE(m_program->lines(DayCardFile).last(), QStringLiteral("08.dec.26 (tweede) [0] 04 07 09"));
}

void tst_NineCardWindow::savedSpreadIsNotSavedTwice()
{
    showFromMain();
    m_platform->inputAnswers = {QStringLiteral("9-Kaart")};
    Windows().Verleden->RefreshList();
    QTest::mouseClick(nine()->btBewaar, Qt::LeftButton);
    QVERIFY(m_platform->confirmations.isEmpty()); // no day-card list yet: no question
    QCOMPARE(m_program->lines(ListFile).size(), 1);
    // The visible list shows only nine-card entries afterwards.
    const TVerleden *list = Windows().Verleden;
    QVERIFY(!list->cbDrieK->isChecked() && !list->cbVijfK->isChecked() && list->cbNegenK->isChecked());
    QTest::mouseClick(nine()->btBewaar, Qt::LeftButton);
    QCOMPARE(m_platform->messages, QStringList{QStringLiteral("   Legging is al Bewaard!")});
    QCOMPARE(m_program->lines(ListFile).size(), 1);
    // Home carries the save to the main window.
    QTest::mouseClick(nine()->btHome, Qt::LeftButton);
    QVERIFY(Shared().SpreadSaved);
}

void tst_NineCardWindow::themeCardBackToNoneKeepsSpreadSaved()
{
    showFromMain();
    fill({1, 2, 3, 4, 5, 6, 7, 8, 9});
    m_platform->inputAnswers = {QStringLiteral("9-Kaart")};
    QTest::mouseClick(nine()->btBewaar, Qt::LeftButton);
    QCOMPARE(m_program->lines(ListFile).size(), 1);
    // " Thema Kaart" chosen again from the open list: the centre keeps its card.
    nine()->cbThema->setFocus();
    nine()->cbThema->showPopup();
    QTest::keyClick(nine()->cbThema->view(), Qt::Key_Return);
    QCOMPARE(nine()->cbThema->currentIndex(), 0);
    QCOMPARE(edit(5)->text(), QStringLiteral("5"));
    // The label loses the theme word and shows a keyword of the centre card.
    bool keyword = false;
    for (int k = 1; k <= KeywordsPerCard; ++k)
        keyword = keyword || nine()->Label[5]->text() == CardKeyword(5, k);
    QVERIFY(keyword);
    QTest::mouseClick(nine()->btBewaar, Qt::LeftButton);
    QCOMPARE(m_platform->messages, QStringList{QStringLiteral("   Legging is al Bewaard!")});
    QCOMPARE(m_program->lines(ListFile).size(), 1);
}

void tst_NineCardWindow::pictureClicksFillPairInTurn()
{
    showFromMain();
    fill({1, 2, 3, 4, 5, 6, 7, 8, 9});
    const TForm5 *combo = Windows().Form5;
    QTest::mouseClick(nine()->Image[2], Qt::LeftButton);
    QCOMPARE(combo->edKaart1->text(), QStringLiteral("2"));
    QVERIFY(combo->isVisible());
    QTest::mouseClick(nine()->Image[5], Qt::LeftButton);
    QCOMPARE(combo->edKaart2->text(), QStringLiteral("5"));
    QTest::mouseClick(nine()->Image[8], Qt::LeftButton);
    QCOMPARE(combo->edKaart1->text(), QStringLiteral("8"));
    QCOMPARE(combo->edKaart2->text(), QStringLiteral("5"));
}

void tst_NineCardWindow::fromLineOfFive_data()
{
    QTest::addColumn<bool>("crossOnly");
    QTest::newRow("five into the cross") << true;
    QTest::newRow("nine into the square") << false;
}

void tst_NineCardWindow::fromLineOfFive()
{
    QFETCH(bool, crossOnly);
    TForm2 *line = Windows().Form2;
    for (int slot = 1; slot <= 9; ++slot)
        line->Edit(slot)->setText(QString::number(20 + slot));
    Shared().LineToNineCross = crossOnly;
    Shared().LineToNineSquare = !crossOnly;
    Shared().LastSpreadKind = 8;
    nine()->show();
    for (int lineSlot = 1; lineSlot <= 9; ++lineSlot) {
        const bool taken = !crossOnly || lineSlot <= 5;
        QCOMPARE(edit(SquarePositionOfLineSlot[lineSlot])->text(),
                 taken ? QString::number(20 + lineSlot) : QString());
    }
    QCOMPARE(nine()->cbKruis->isChecked(), crossOnly);
    QCOMPARE(nine()->btHoeken->isEnabled(), crossOnly);
    QCOMPARE(nine()->btVolgorde->toolTip(), crossOnly ? ResetHintCross : ResetHintSquare);
    QCOMPARE(visibleSlots(),
             crossOnly ? (QList<int>{2, 4, 5, 6, 8}) : (QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9}));
    QVERIFY(!Shared().LineToNineCross && !Shared().LineToNineSquare);
    QEnterEvent enter{QPointF(), QPointF(), QPointF()};
    QApplication::sendEvent(nine()->btHome, &enter);
    QCOMPARE(nine()->btHome->toolTip(), crossOnly ? QStringLiteral("3k naar Home + Uittellen")
                                                  : QStringLiteral("9k naar Home + Bonuskaart"));
}

// The line window's own half (taking the nine cards and sending them back) is
// done here as that window does it, by the square arrangement.
void tst_NineCardWindow::roundTripThroughLineOfFive()
{
    showFromMain();
    const QList<int> square = cards();
    TForm2 *line = Windows().Form2;
    QTest::mouseClick(nine()->btGoLijn5, Qt::LeftButton);
    QVERIFY(!nine()->isVisible());
    QVERIFY(line->isVisible());
    QCOMPARE(Shared().LastSpreadKind, 8);
    QVERIFY(Shared().NineWasSquare);
    QString sent;
    for (int lineSlot = 1; lineSlot <= 9; ++lineSlot) {
        const QString text = edit(SquarePositionOfLineSlot[lineSlot])->text();
        sent += text;
        line->Edit(lineSlot)->setText(text);
    }
    QCOMPARE(Shared().NineCardsText, sent);

    Shared().LineToNineSquare = true;
    line->hide();
    nine()->show();
    QCOMPARE(cards(), square);
    QTest::mouseClick(nine()->btHome, Qt::LeftButton);
    QVERIFY(Windows().Form1->isVisible());
    const QList<int> fromSlot = {4, 5, 6, 2, 8, 1, 3, 7, 9};
    for (int slot = 1; slot <= 9; ++slot)
        QCOMPARE(Shared().MainSlotCards[slot], square[fromSlot[slot - 1] - 1]);
    QCOMPARE(Shared().MainSlotCards[10], Shared().NineSumCard);
}

void tst_NineCardWindow::homeHandsSquareBack()
{
    showFromMain();
    QTest::mouseClick(nine()->cbKruis, Qt::LeftButton);
    // Home only steps aside: the cross stays.
    QTest::keyClick(edit(5), Qt::Key_Home);
    QVERIFY(Windows().Form1->isVisible());
    QVERIFY(nine()->cbKruis->isChecked());
    showFromMain();
    QTest::mouseClick(nine()->cbKruis, Qt::LeftButton);
    nine()->close();
    QVERIFY(!nine()->cbKruis->isChecked());
    QVERIFY(Windows().Form1->isVisible());
    QCOMPARE(Windows().Form1->Label[10]->text(), QStringLiteral("Bonuskaart"));
}

void tst_NineCardWindow::openedEntries()
{
    m_program->write(ListFile, {QStringLiteral("01.dec.26 (drie) / 01 02 03"),
                                QStringLiteral("02.dec.26 *(vijf) / 07 01 02 03 09"),
                                QStringLiteral("03.dec.26 #(9-Kaart) / 06 04 07 10 11 00 08 05 09"),
                                QStringLiteral("04.dec.26 (kapot) / 01 xx 03")});
    TVerleden *list = Windows().Verleden;
    auto open = [list](int row) {
        list->RefreshList();
        list->selectRow(row);
        list->OpenEntry();
    };
    // Into the hidden window: the square, order A.
    nine()->cbKruis->setChecked(true);
    open(2);
    QVERIFY(!nine()->cbKruis->isChecked());
    QCOMPARE(cards(), (QList<int>{6, 4, 7, 10, 11, 0, 8, 5, 9}));
    QCOMPARE(edit(6)->text(), QStringLiteral("0"));

    showFromMain();
    QTest::mouseClick(nine()->cbKruis, Qt::LeftButton);
    stepTo(OrderF);
    fill({31, 32, 33, 34, 35, 36, 1, 2, 3});
    open(1);
    QVERIFY(nine()->cbKruis->isChecked());
    // The plus after a saltire: the hidden corners keep their cards.
    QCOMPARE(cards(), (QList<int>{31, 3, 33, 7, 1, 2, 1, 9, 3}));
    QCOMPARE(visibleSlots(), (QList<int>{2, 4, 5, 6, 8}));
    QCOMPARE(nine()->btVolgorde->text(), QStringLiteral("Volgorde A"));
    QCOMPARE(nine()->btVolgorde->toolTip(), OpenedEntryHint);
    QVERIFY(nine()->btHoeken->isEnabled() && !nine()->btMidde->isEnabled());
    QVERIFY(Shared().SpreadSaved);

    nine()->cbKruis->setChecked(false);
    open(0);
    QVERIFY(nine()->cbKruis->isChecked());
    QCOMPARE(cards(), (QList<int>{0, 0, 0, 1, 2, 3, 0, 0, 0}));
    QCOMPARE(Shared().NineCardOrderIndex, 1);

    // A row that opens nothing still brings a saltire back to order A's plus.
    stepTo(OrderG);
    const QList<int> saltire = cards();
    open(3);
    QCOMPARE(cards(), saltire);
    QCOMPARE(nine()->btVolgorde->text(), QStringLiteral("Volgorde A"));
    QCOMPARE(visibleSlots(), (QList<int>{2, 4, 5, 6, 8}));
    QVERIFY(nine()->btHoeken->isEnabled() && !nine()->btMidde->isEnabled() && nine()->btWissen->isEnabled());
}

void tst_NineCardWindow::keys()
{
    showFromMain();
    QTest::mouseClick(nine()->cbKruis, Qt::LeftButton);
    const QList<int> ring = {2, 4, 5, 6, 8};
    for (int i = 0; i < ring.size(); ++i) {
        edit(ring[i])->setFocus();
        QTest::keyClick(edit(ring[i]), Qt::Key_Right);
        QVERIFY(edit(ring[(i + 1) % ring.size()])->hasFocus());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Left);
        QVERIFY(edit(ring[i])->hasFocus());
    }
    // Enter presses the focused button.
    nine()->btVolgorde->setFocus();
    QTest::keyClick(nine()->btVolgorde, Qt::Key_Return);
    QCOMPARE(Shared().NineCardOrderIndex, 2);

    m_program->write(ListFile, {QStringLiteral("01.dec.26 (drie) / 01 02 03")});
    QTest::keyClick(edit(5), Qt::Key_End);
    const TVerleden *list = Windows().Verleden;
    QVERIFY(list->isVisible());
    QVERIFY(!list->cbDrieK->isChecked() && !list->cbVijfK->isChecked() && list->cbNegenK->isChecked());

    QTest::keyPress(edit(5), Qt::Key_Alt);
    QVERIFY(Windows().Form5->isVisible());

    QTest::keyClick(edit(5), Qt::Key_Escape);
    QVERIFY(!nine()->isVisible());
    QVERIFY(!Windows().Form1->isVisible());
}

void tst_NineCardWindow::listAndHelpButtons()
{
    showFromMain();
    QTest::mouseClick(nine()->btOpen, Qt::LeftButton);
    QCOMPARE(m_platform->messages, QStringList{QStringLiteral("Er zijn nog geen vragen bewaard!")});
    QVERIFY(!Windows().Verleden->isVisible());
    m_program->write(ListFile, {QStringLiteral("01.dec.26 (drie) / 01 02 03")});
    QTest::mouseClick(nine()->btOpen, Qt::LeftButton);
    const TVerleden *list = Windows().Verleden;
    QVERIFY(list->isVisible());
    QVERIFY(!list->cbDrieK->isChecked() && list->cbVijfK->isChecked() && list->cbNegenK->isChecked());

    QTest::mouseClick(nine()->btHelp, Qt::LeftButton);
    const THelpInfo *help = Windows().HelpInfo;
    QVERIFY(help->isVisible());
    QCOMPARE(help->Memo1->textCursor().selectedText(),
             QStringLiteral("9-Kaart: Legvorm het Kruis en het Vierkant:"));
}

QTEST_MAIN(tst_NineCardWindow)
#include "tst_nine_card_window.moc"
