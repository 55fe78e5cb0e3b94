#include "app/help_window.h"
#include "app/main_window.h"
#include "app/shared_state.h"
#include "app/window_set.h"
#include "catalogue/card_slots.h"
#include "catalogue/counting.h"
#include "combos/combination_window.h"
#include "program_fixture.h"
#include "saved/list_window.h"
#include "saved/saved_list.h"
#include "spreads/five_themes_window.h"
#include "spreads/line_of_five_window.h"
#include "spreads/nine_card_window.h"
#include "spreads/square_arrangement.h"
#include "spreads/three_card_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

using namespace tessaly;

namespace {

// The keys a control is handed, after the window has seen them.
class ReceivedKeys : public QObject
{
public:
    explicit ReceivedKeys(QObject *control) { control->installEventFilter(this); }
    QList<int> keys;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::KeyPress)
            keys.append(static_cast<QKeyEvent *>(event)->key());
        return false;
    }
};

bool isKeywordOf(const QString &text, CardNumber card)
{
    for (int k = 1; k <= KeywordsPerCard; ++k)
        if (CardKeyword(card, k) == text)
            return true;
    return false;
}

} // namespace

class tst_LineOfFiveWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void openFromMainWindow();
    void workedLineExtraCards();
    void shiftTogglesAndHidingZeroesExtras();
    void extraCardsKeepTypedCardUntilRecount();
    void emptyExtraCards();
    void orderStepsThroughWindow();
    void orderStepKeepsExtraCards();
    void orderResetsOnReopenFromMain();
    void numberAbove36EmptiesSlot();
    void labelClickNeverRepeats();
    void labelAndPairOnEmptySlot_data();
    void labelAndPairOnEmptySlot();
    void pairButtonsOpenCombination_data();
    void pairButtonsOpenCombination();
    void randomGivesFiveDifferentCards();
    void labelModes();
    void copyTextHidesExtrasFirst();
    void copyPictureLeavesOutEditsAndButtons();
    void saveFiveAndNine_data();
    void saveFiveAndNine();
    void secondSaveRefused();
    void arrowKeys_data();
    void arrowKeys();
    void keys();
    void deleteWhileTypingEmptiesLine();
    void windowKeysAlsoReachTheField_data();
    void windowKeysAlsoReachTheField();
    void enterPressesFocusedButton();
    void themesWindow();
    void mainToThreeToLine();
    void lineToThreeAndBack();
    void toNineCross();
    void allNineToSquareAndBack_data();
    void allNineToSquareAndBack();
    void closeGivesCardsToMain();
    void openEntryFromList();
    void helpOpensAtTopic();

private:
    TForm2 *line() const { return Windows().Form2; }
    TForm1 *main() const { return Windows().Form1; }
    QLineEdit *edit(int i) const { return line()->Edit(i); }
    QString title() const { return line()->windowTitle(); }
    bool focused(int slot) const { return line()->focusWidget() == edit(slot); }
    void openFromMain(int a, int b, int c);
    void type(int slot, const QString &text);
    void setLine(const QList<int> &cards);
    // Opened from the main window, then the line typed in.
    void openLine(const QList<int> &cards, bool expanded = false);
    // The three-card window's ">>5".
    void threeCardToLine();
    QList<int> cards(int first = 1, int last = 5) const;
    QStringList texts(int first = 1, int last = 5) const;

    QScopedPointer<ProgramFixture> m_program;
    ScriptedPlatform *m_platform = nullptr;
};

void tst_LineOfFiveWindow::init()
{
    m_program.reset(new ProgramFixture);
    m_platform = &m_program->platform();
    QVERIFY(QTest::qWaitForWindowExposed(main()));
}

void tst_LineOfFiveWindow::cleanup()
{
    m_program.reset();
}

void tst_LineOfFiveWindow::openFromMain(int a, int b, int c)
{
    main()->SelectCard(1, a);
    main()->SelectCard(2, b);
    main()->SelectCard(3, c);
    main()->btVijf->click();
    QVERIFY(line()->isVisible());
}

void tst_LineOfFiveWindow::type(int slot, const QString &text)
{
    edit(slot)->setFocus();
    edit(slot)->selectAll();
    if (text.isEmpty())
        QTest::keyClick(edit(slot), Qt::Key_Backspace);
    else
        QTest::keyClicks(edit(slot), text);
}

void tst_LineOfFiveWindow::setLine(const QList<int> &values)
{
    for (int i = 1; i <= values.size(); ++i)
        type(i, QString::number(values[i - 1]));
}

void tst_LineOfFiveWindow::openLine(const QList<int> &values, bool expanded)
{
    openFromMain(1, 2, 3);
    setLine(values);
    if (expanded)
        line()->btPlus->click();
}

void tst_LineOfFiveWindow::threeCardToLine()
{
    TForm4 *three = Windows().Form4;
    if (auto *go = three->findChild<QPushButton *>(QStringLiteral("btGo5"))) {
        go->click();
        return;
    }
    // Until the three-card window has its button: what the button does.
    Shared().LastSpreadKind = 4;
    three->hide();
    line()->show();
}

QList<int> tst_LineOfFiveWindow::cards(int first, int last) const
{
    QList<int> result;
    for (int slot = first; slot <= last; ++slot)
        result.append(Shared().LineCards[slot]);
    return result;
}

QStringList tst_LineOfFiveWindow::texts(int first, int last) const
{
    QStringList result;
    for (int slot = first; slot <= last; ++slot)
        result.append(edit(slot)->text());
    return result;
}

void tst_LineOfFiveWindow::openFromMainWindow()
{
    // Left over from a duplicate search in the list window.
    TVerleden *list = Windows().Verleden;
    list->btDubbel->setText(QStringLiteral("Reset"));
    list->btZoek->setEnabled(false);
    openFromMain(3, 9, 14);
    QCOMPARE(list->btDubbel->text(), QStringLiteral("3Dubbel?"));
    QVERIFY(list->btZoek->isEnabled());
    QCOMPARE(QList<int>(Shared().MainSlotCards.begin() + 1, Shared().MainSlotCards.begin() + 7),
             QList<int>({3, 9, 14, 26, 12, 23}));
    QCOMPARE(cards(), QList<int>({3, 9, 14, 12, 23}));
    QCOMPARE(title(), QStringLiteral("3-kaart + 2 uitgetelde dagkaartjes"));
    QVERIFY(!main()->isVisible());
    QCOMPARE(line()->height(), 212);
    QCOMPARE(line()->btPlus->text(), QStringLiteral("+"));
    QVERIFY(!Shared().LineExpanded);
    QCOMPARE(texts(6, 9), QStringList({"0", "0", "0", "0"}));
    QCOMPARE(line()->lbUitkomst->text(), CardTitle(countOut(3 + 9 + 14 + 12 + 23)));
    QVERIFY(Shared().AlsoDayList);
    for (int slot = 1; slot <= 5; ++slot)
        QVERIFY(isKeywordOf(line()->Label[slot]->text(), cards()[slot - 1]));
    QVERIFY(!line()->Image[1]->pixmap().isNull());
    QCOMPARE(line()->Image[1]->accessibleName(), QStringLiteral("03) Schip"));
    QVERIFY(!Windows().Verleden->cbDrieK->isChecked());
    QVERIFY(Windows().Verleden->cbVijfK->isChecked());
    QVERIFY(!Windows().Verleden->cbNegenK->isChecked());
}

void tst_LineOfFiveWindow::workedLineExtraCards()
{
    openLine({30, 10, 5, 36, 1});
    QCOMPARE(title(), QStringLiteral("Lijn van 5"));
    QCOMPARE(line()->lbUitkomst->text(), QStringLiteral("10) Zeisen"));
    line()->btPlus->click();
    QCOMPARE(line()->height(), 392);
    QCOMPARE(line()->btPlus->text(), QStringLiteral("-"));
    QVERIFY(Shared().LineExpanded);
    QCOMPARE(texts(6, 9), QStringList({"4", "15", "5", "1"}));
    QCOMPARE(cards(6, 9), QList<int>({4, 15, 5, 1}));
    QCOMPARE(line()->lbUitkomst->text(), QStringLiteral("35) Anker"));
    QCOMPARE(title(), QStringLiteral("5 + 4 Kaarten Uitgeteld!"));
    QVERIFY(line()->Edit(6)->isVisible());
    QCOMPARE(line()->Image[7]->accessibleName(), QStringLiteral("15) Beer"));
    // A line change recounts the extra cards of the new neighbours.
    type(1, QStringLiteral("2"));
    QCOMPARE(texts(6, 9), QStringList({"12", "15", "5", "1"}));
    line()->btPlus->click();
    QCOMPARE(line()->height(), 212);
    QCOMPARE(line()->lbUitkomst->text(), CardTitle(countOut(2 + 10 + 5 + 36 + 1)));
    QVERIFY(!line()->Edit(6)->isVisible());
}

void tst_LineOfFiveWindow::shiftTogglesAndHidingZeroesExtras()
{
    openLine({30, 10, 5, 36, 1});
    QTest::keyClick(edit(2), Qt::Key_Shift);
    QVERIFY(Shared().LineExpanded);
    QVERIFY(Windows().Verleden->cbNegenK->isChecked());
    QCOMPARE(texts(6, 9), QStringList({"4", "15", "5", "1"}));
    QTest::keyClick(edit(2), Qt::Key_Shift);
    QVERIFY(!Shared().LineExpanded);
    QVERIFY(!Windows().Verleden->cbNegenK->isChecked());
    QCOMPARE(title(), QStringLiteral("Lijn van 5"));
    QCOMPARE(texts(6, 9), QStringList({"0", "0", "0", "0"}));
    // Held down, Shift toggles once.
    QKeyEvent held(QEvent::KeyPress, Qt::Key_Shift, Qt::ShiftModifier, QString(), true);
    QApplication::sendEvent(edit(2), &held);
    QVERIFY(!Shared().LineExpanded);
}

void tst_LineOfFiveWindow::extraCardsKeepTypedCardUntilRecount()
{
    openLine({30, 10, 5, 36, 1}, true);
    type(7, QStringLiteral("7"));
    QCOMPARE(cards(6, 9), QList<int>({4, 7, 5, 1}));
    QCOMPARE(line()->lbUitkomst->text(), CardTitle(countOut(82 + 4 + 7 + 5 + 1)));
    line()->btVolg->click();
    QCOMPARE(cards(6, 9), QList<int>({4, 7, 5, 1}));
    line()->btReset->click();
    const QList<int> stepped = cards();
    QCOMPARE(cards(6, 9), QList<int>({countOut(stepped[0] + stepped[1]), countOut(stepped[1] + stepped[2]),
                                      countOut(stepped[2] + stepped[3]), countOut(stepped[3] + stepped[4])}));
    QVERIFY(focused(6));
}

void tst_LineOfFiveWindow::emptyExtraCards()
{
    openLine({30, 10, 5, 36, 1}, true);
    line()->btWis4->click();
    QCOMPARE(texts(6, 9), QStringList({"", "", "", ""}));
    QCOMPARE(title(), QStringLiteral("Lijn van 5 + 4 kaarten"));
    QCOMPARE(line()->lbUitkomst->text(), QStringLiteral("10) Zeisen"));
    QCOMPARE(line()->Image[6]->accessibleName(), QStringLiteral("Geen kaart"));
}

void tst_LineOfFiveWindow::orderStepsThroughWindow()
{
    openLine({1, 2, 3, 4, 5});
    QCOMPARE(line()->btVolg->text(), QStringLiteral("V1"));
    const QList<QStringList> arrangements = {{"4", "2", "1", "3", "5"},
                                             {"2", "5", "4", "1", "3"},
                                             {"2", "3", "4", "1", "5"},
                                             {"1", "3", "5", "2", "4"},
                                             {"1", "2", "3", "4", "5"}};
    const QStringList captions = {"V2", "V3", "V4", "V5", "V1"};
    for (int step = 0; step < 5; ++step) {
        line()->btVolg->click();
        QCOMPARE(texts(), arrangements[step]);
        QCOMPARE(line()->btVolg->text(), captions[step]);
        QCOMPARE(line()->btVolg->toolTip(), LineOrderPermutations[step == 4 ? 1 : step + 2].hint);
    }
    // A card typed between steps moves with its slot.
    line()->btVolg->click();
    line()->btVolg->click();
    QCOMPARE(texts(), QStringList({"2", "5", "4", "1", "3"}));
    type(1, QStringLiteral("20"));
    line()->btVolg->click();
    QCOMPARE(texts(), QStringList({"20", "3", "4", "1", "5"}));
    QCOMPARE(cards(), QList<int>({20, 3, 4, 1, 5}));
}

void tst_LineOfFiveWindow::orderStepKeepsExtraCards()
{
    openLine({1, 2, 3, 4, 5}, true);
    QCOMPARE(texts(6, 9), QStringList({"3", "5", "7", "9"}));
    line()->btVolg->click();
    QCOMPARE(texts(), QStringList({"4", "2", "1", "3", "5"}));
    QCOMPARE(texts(6, 9), QStringList({"3", "5", "7", "9"}));
    QCOMPARE(title(), QStringLiteral("5 + 4 Kaarten Uitgeteld!"));
    line()->btReset->click();
    QCOMPARE(texts(6, 9), QStringList({"6", "3", "4", "8"}));
}

void tst_LineOfFiveWindow::orderResetsOnReopenFromMain()
{
    openFromMain(1, 2, 3);
    for (int step = 0; step < 2; ++step)
        line()->btVolg->click();
    QCOMPARE(line()->btVolg->text(), QStringLiteral("V3"));
    line()->close();
    QVERIFY(main()->isVisible());
    main()->btVijf->click();
    QCOMPARE(line()->btVolg->text(), QStringLiteral("V1"));
    QCOMPARE(line()->btVolg->toolTip(), QStringLiteral("Volgorde: 1 2 3 4 5"));
    QCOMPARE(Shared().LineOrderIndex, 0);
    line()->btVolg->click();
    QCOMPARE(line()->btVolg->text(), QStringLiteral("V2"));
}

void tst_LineOfFiveWindow::numberAbove36EmptiesSlot()
{
    openFromMain(1, 2, 3);
    type(2, QStringLiteral("37"));
    QCOMPARE(edit(2)->text(), QString());
    QCOMPARE(Shared().LineCards[2], 0);
    QCOMPARE(line()->Image[2]->accessibleName(), QStringLiteral("Geen kaart"));
    QVERIFY(m_platform->messages.isEmpty());
}

void tst_LineOfFiveWindow::labelClickNeverRepeats()
{
    openFromMain(1, 2, 3);
    for (const int mode : {1, 0}) {
        line()->setLabelMode(mode);
        QString previous = line()->Label[2]->text();
        for (int click = 0; click < 30; ++click) {
            QTest::mouseClick(line()->Label[2], Qt::LeftButton);
            const QString now = line()->Label[2]->text();
            QVERIFY(now != previous);
            QCOMPARE(Shared().CurrentKeywords[2], now);
            QVERIFY(isKeywordOf(now, 2));
            previous = now;
        }
        QCOMPARE(line()->labelMode(), mode);
    }
}

void tst_LineOfFiveWindow::labelAndPairOnEmptySlot_data()
{
    QTest::addColumn<QString>("slotText");
    QTest::addColumn<QStringList>("messages");
    QTest::newRow("empty slot") << "" << QStringList{"'' is not a valid integer value"};
    QTest::newRow("slot holding 0") << "0" << QStringList{};
}

void tst_LineOfFiveWindow::labelAndPairOnEmptySlot()
{
    QFETCH(QString, slotText);
    QFETCH(QStringList, messages);
    openLine({5, 16, 7, 8, 9});
    type(2, slotText);
    Shared().SpreadSaved = true;
    const QString label = line()->Label[2]->text();
    QTest::mouseClick(line()->Label[2], Qt::LeftButton);
    QCOMPARE(m_platform->messages, messages);
    QCOMPARE(line()->Label[2]->text(), label);
    m_platform->messages.clear();
    line()->btCom[1]->click();
    if (slotText.isEmpty()) {
        QCOMPARE(m_platform->messages, messages);
        QVERIFY(!Windows().Form5->isVisible());
    } else {
        // "00" is no card pair: the combination window says so itself.
        QCOMPARE(Windows().Form5->edKaart2->text(), QStringLiteral("00"));
    }
    QVERIFY(Shared().SpreadSaved);
}

void tst_LineOfFiveWindow::pairButtonsOpenCombination_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<QString>("key");
    QTest::newRow("1+2") << 1 << "05+16";
    QTest::newRow("4+5") << 4 << "08+29";
    QTest::newRow("extra 1+2") << 5 << "21+23";
    QTest::newRow("extra 3+4") << 7 << "15+01";
}

void tst_LineOfFiveWindow::pairButtonsOpenCombination()
{
    QFETCH(int, button);
    QFETCH(QString, key);
    openLine({5, 16, 7, 8, 29}, true);
    QCOMPARE(texts(6, 9), QStringList({"21", "23", "15", "1"}));
    line()->btCom[button]->click();
    QCOMPARE(Shared().CurrentPairKey, key);
    QCOMPARE(Windows().Form5->edKaart1->text(), key.left(2));
    QCOMPARE(Windows().Form5->edKaart2->text(), key.right(2));
    QVERIFY(Windows().Form5->isVisible());
    // The same card twice does nothing.
    Windows().Form5->hide();
    Shared().CurrentPairKey.clear();
    type(2, QStringLiteral("5"));
    line()->btCom[1]->click();
    QVERIFY(Shared().CurrentPairKey.isEmpty());
    QVERIFY(!Windows().Form5->isVisible());
}

void tst_LineOfFiveWindow::randomGivesFiveDifferentCards()
{
    openFromMain(1, 2, 3);
    line()->setLabelMode(0);
    for (quint32 seed = 1; seed <= 40; ++seed) {
        m_platform->seed(seed);
        line()->btRandom->click();
        QList<int> drawn = cards();
        std::sort(drawn.begin(), drawn.end());
        QVERIFY(std::adjacent_find(drawn.begin(), drawn.end()) == drawn.end());
        QVERIFY(drawn.first() >= 1 && drawn.last() <= 36);
    }
    QCOMPARE(line()->labelMode(), 0);
    for (int slot = 1; slot <= 5; ++slot)
        QVERIFY(isKeywordOf(line()->Label[slot]->text(), cards()[slot - 1]));
}

void tst_LineOfFiveWindow::labelModes()
{
    openLine({30, 10, 5, 36, 1});
    type(4, QString());
    line()->setLabelMode(0);
    QCOMPARE(line()->Label[1]->text(), QStringLiteral("30) Lelie"));
    QCOMPARE(line()->Label[4]->text(), QStringLiteral("--"));
    QVERIFY(focused(1));
    QVERIFY(line()->Label[1]->palette().color(QPalette::WindowText) != QColor(Qt::blue));
    line()->btWissel->click();
    QCOMPARE(line()->labelMode(), 1);
    QVERIFY(isKeywordOf(line()->Label[1]->text(), 30));
    QCOMPARE(line()->Label[4]->text(), QString());
    QCOMPARE(line()->Label[1]->palette().color(QPalette::WindowText), QColor(Qt::blue));
}

void tst_LineOfFiveWindow::copyTextHidesExtrasFirst()
{
    openLine({30, 10, 5, 36, 1});
    line()->setLabelMode(0);
    line()->btPlus->click();
    line()->btKopie->click();
    QVERIFY(!Shared().LineExpanded);
    QCOMPARE(line()->height(), 212);
    QCOMPARE(line()->labelMode(), 1);
    QStringList labels;
    const QList<int> line = {30, 10, 5, 36, 1};
    for (int slot = 1; slot <= 5; ++slot) {
        labels.append(this->line()->Label[slot]->text());
        QVERIFY(isKeywordOf(labels.last(), line[slot - 1]));
    }
    QCOMPARE(m_platform->clipboardText,
             QStringLiteral("Mijn Kaartjes voor 8-12-2026: \r\r"
                            "30) Lelie - 10) Zeisen - 05) Boom - 36) Kruis - 01) Ruiter\r") +
                 labels.join(QStringLiteral(" - ")) +
                 QStringLiteral("\r\rUitgeteld: 10) Zeisen\r------------------------------\r"));
    QCOMPARE(Shared().CopyDate, m_platform->clock);
}

void tst_LineOfFiveWindow::copyPictureLeavesOutEditsAndButtons()
{
    openFromMain(1, 2, 3);
    QVERIFY(QTest::qWaitForWindowExposed(line()));
    line()->btScreen->click();
    QCOMPARE(m_platform->clipboardImage.width(), 678 - 106);
    QCOMPARE(m_platform->clipboardImage.height(), 212 - 27);
    line()->btPlus->click();
    line()->btScreen->click();
    QCOMPARE(m_platform->clipboardImage.height(), 392 - 27);
}

void tst_LineOfFiveWindow::saveFiveAndNine_data()
{
    QTest::addColumn<bool>("expanded");
    QTest::addColumn<QString>("remark");
    QTest::addColumn<QString>("entry");
    QTest::newRow("line") << false << "Lelie, Zeisen, Boom, --, Ruiter"
                          << "08.dec.26 *(vraag) / 30 10 05 00 01";
    QTest::newRow("line with extra cards") << true << "5+4k"
                                           << "08.dec.26 #(vraag) / 04 00 15 30 10 05 05 01 01";
}

void tst_LineOfFiveWindow::saveFiveAndNine()
{
    QFETCH(bool, expanded);
    QFETCH(QString, remark);
    QFETCH(QString, entry);
    openLine({30, 10, 5, 36, 1});
    if (expanded)
        line()->btPlus->click();
    type(4, QStringLiteral("0"));
    Windows().Verleden->RefreshList();
    m_platform->inputAnswers = {QStringLiteral("vraag")};
    line()->btBewaar->click();
    QCOMPARE(m_platform->inputs.size(), 1);
    QVERIFY(m_platform->inputs[0].endsWith(u'|' + remark));
    QCOMPARE(m_program->lines(ListFile), QStringList{entry});
    QVERIFY(Shared().SpreadSaved);
    QVERIFY(!Windows().Verleden->cbDrieK->isChecked());
    QVERIFY(Windows().Verleden->cbVijfK->isChecked());
    QVERIFY(Windows().Verleden->cbNegenK->isChecked());
    QCOMPARE(Windows().Verleden->rows(), QStringList{entry});
}

void tst_LineOfFiveWindow::secondSaveRefused()
{
    openFromMain(1, 2, 3);
    m_platform->inputAnswers = {QStringLiteral("eerste")};
    line()->btBewaar->click();
    line()->btBewaar->click();
    QCOMPARE(m_platform->messages, QStringList{"   Legging is al Bewaard!"});
    QCOMPARE(m_program->lines(ListFile).size(), 1);
    // A changed card may be saved again.
    type(5, QStringLiteral("33"));
    QVERIFY(!Shared().SpreadSaved);
}

void tst_LineOfFiveWindow::arrowKeys_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("to");
    QTest::newRow("left from the first wraps") << 1 << int(Qt::Key_Left) << 5;
    QTest::newRow("left") << 3 << int(Qt::Key_Left) << 2;
    QTest::newRow("right from the last wraps") << 5 << int(Qt::Key_Right) << 1;
    QTest::newRow("right") << 1 << int(Qt::Key_Right) << 2;
    QTest::newRow("up from the first extra wraps") << 6 << int(Qt::Key_Up) << 9;
    QTest::newRow("up") << 8 << int(Qt::Key_Up) << 7;
    QTest::newRow("down from the last extra wraps") << 9 << int(Qt::Key_Down) << 6;
    QTest::newRow("down") << 6 << int(Qt::Key_Down) << 7;
    QTest::newRow("up in the line does nothing") << 2 << int(Qt::Key_Up) << 2;
}

void tst_LineOfFiveWindow::arrowKeys()
{
    QFETCH(int, from);
    QFETCH(int, key);
    QFETCH(int, to);
    openFromMain(1, 2, 3);
    line()->btPlus->click();
    edit(from)->setFocus();
    QTest::keyClick(edit(from), Qt::Key(key));
    QVERIFY(focused(to));
}

void tst_LineOfFiveWindow::keys()
{
    openFromMain(1, 2, 3);
    line()->btPlus->click();
    // End opens the list on the window's own kinds, without the file check.
    QTest::keyClick(edit(7), Qt::Key_End);
    QVERIFY(Windows().Verleden->isVisible());
    QVERIFY(!Windows().Verleden->cbDrieK->isChecked());
    QVERIFY(Windows().Verleden->cbNegenK->isChecked());
    QVERIFY(m_platform->messages.isEmpty());
    // Without a list file "Lst" says so.
    line()->btOpen->click();
    QCOMPARE(m_platform->messages, QStringList{"Er zijn nog geen vragen bewaard!"});
    // Home steps back without the close handling, which would set kind 5.
    Shared().LastSpreadKind = 4;
    QTest::keyClick(edit(7), Qt::Key_Home);
    QVERIFY(!line()->isVisible());
    QVERIFY(main()->isVisible());
    QCOMPARE(Shared().LastSpreadKind, 4);
}

void tst_LineOfFiveWindow::deleteWhileTypingEmptiesLine()
{
    openFromMain(1, 2, 3);
    line()->btPlus->click();
    edit(3)->setFocus();
    QTest::keyClick(edit(3), Qt::Key_Delete);
    QCOMPARE(texts(), QStringList({"", "", "", "", ""}));
    QVERIFY(focused(1));
    // Emptying the line recounts the extra cards from empty slots.
    QCOMPARE(texts(6, 9), QStringList({"36", "36", "36", "36"}));
    setLine({1, 2, 3, 4, 5});
    line()->btWisit->click();
    QCOMPARE(texts(), QStringList({"", "", "", "", ""}));
}

void tst_LineOfFiveWindow::windowKeysAlsoReachTheField_data()
{
    QTest::addColumn<int>("slot");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("caretBefore");
    QTest::addColumn<QString>("textAfter");
    QTest::addColumn<int>("caretAfter");
    QTest::addColumn<bool>("expandedAfter");
    // An empty line and a typed extra card: emptying the line changes no
    // field, so what the field itself does with the key shows.
    QTest::newRow("Delete deletes in an extra card") << 7 << int(Qt::Key_Delete) << 0 << "5" << 0 << true;
    QTest::newRow("End moves the caret") << 7 << int(Qt::Key_End) << 0 << "15" << 2 << true;
    QTest::newRow("Home moves the caret") << 7 << int(Qt::Key_Home) << 2 << "15" << 0 << true;
    QTest::newRow("Shift toggles once") << 2 << int(Qt::Key_Shift) << 0 << "" << 0 << false;
}

void tst_LineOfFiveWindow::windowKeysAlsoReachTheField()
{
    QFETCH(int, slot);
    QFETCH(int, key);
    QFETCH(int, caretBefore);
    QFETCH(QString, textAfter);
    QFETCH(int, caretAfter);
    QFETCH(bool, expandedAfter);
    openLine({1, 2, 3, 4, 5}, true);
    line()->btWisit->click();
    edit(7)->setText(QStringLiteral("15"));
    edit(slot)->setFocus();
    edit(slot)->setCursorPosition(caretBefore);
    const ReceivedKeys received(edit(slot));
    QTest::keyClick(edit(slot), Qt::Key(key));
    QCOMPARE(received.keys, QList<int>{key});
    QCOMPARE(edit(slot)->text(), textAfter);
    QCOMPARE(edit(slot)->cursorPosition(), caretAfter);
    QCOMPARE(Shared().LineExpanded, expandedAfter);
}

void tst_LineOfFiveWindow::enterPressesFocusedButton()
{
    openFromMain(1, 2, 3);
    line()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(line()));
    line()->btPlus->setFocus();
    QTest::keyClick(line()->btPlus, Qt::Key_Return);
    QVERIFY(Shared().LineExpanded);
}

void tst_LineOfFiveWindow::themesWindow()
{
    openLine({1, 2, 1, 4, 36});
    TForm6 *themes = Windows().Form6;
    line()->btTheme->click();
    QVERIFY(themes->isVisible());
    const QStringList shown = themes->Memo1->toPlainText().split(u'\n');
    QCOMPARE(shown.size(), 5);
    QCOMPARE(
        shown[0],
        QStringLiteral(" 1) Liefde : Ruiter = Nieuwe ontmoeting, nieuws van iemand, snelle vooruitgang."));
    QCOMPARE(shown[2], QStringLiteral(" 3) Geld : Ruiter = ") + ThemeText(1, 3));
    QCOMPARE(shown[4], QStringLiteral(" 5) Schaduw : Kruis = ") + ThemeText(36, 5));
    QCOMPARE(themes->size(), QSize(679, 151));
    QVERIFY(themes->Memo1->isReadOnly());
    QCOMPARE(themes->Memo1->focusPolicy(), Qt::ClickFocus);
    // Typing in a line slot closes it; reopened, each theme takes the card now
    // in its position.
    type(2, QString());
    QVERIFY(!themes->isVisible());
    line()->btTheme->click();
    QCOMPARE(themes->Memo1->toPlainText().split(u'\n')[1], QStringLiteral(" 2) Werk : -- = "));
    line()->btVolg->click();
    QVERIFY(!themes->isVisible());
    line()->btTheme->click();
    QVERIFY(themes->Memo1->toPlainText().startsWith(QStringLiteral(" 1) Liefde : Huis = ")));
    // Changing an extra card leaves it open; "Rnd" and closing the line hide it.
    line()->btPlus->click();
    line()->btTheme->click();
    type(7, QStringLiteral("9"));
    QVERIFY(themes->isVisible());
    line()->btRandom->click();
    QVERIFY(!themes->isVisible());
    line()->btTheme->click();
    line()->close();
    QVERIFY(!themes->isVisible());
}

void tst_LineOfFiveWindow::mainToThreeToLine()
{
    openFromMain(3, 9, 14);
    line()->close();
    main()->bt3kaart->click();
    TForm4 *three = Windows().Form4;
    QVERIFY(three->isVisible());
    // The three-card window's own cards, then its ">>5".
    three->Edit(1)->setText(QStringLiteral("20"));
    three->Edit(2)->setText(QStringLiteral("21"));
    three->Edit(3)->clear();
    // A save in the three-card window counts here too.
    Shared().CarrySaved = true;
    threeCardToLine();
    QVERIFY(Shared().SpreadSaved);
    QVERIFY(!Shared().CarrySaved);
    QVERIFY(line()->isVisible());
    QCOMPARE(three->Edit(3)->text(), QStringLiteral("0"));
    QCOMPARE(cards(), QList<int>({20, 21, 0, 12, 23}));
    QCOMPARE(title(), QStringLiteral("3-kaart + 2 uitgetelde dagkaartjes"));
}

void tst_LineOfFiveWindow::lineToThreeAndBack()
{
    openFromMain(3, 9, 14);
    setLine({30, 10, 5, 36, 1});
    type(2, QString());
    line()->bt3K->click();
    QCOMPARE(edit(2)->text(), QStringLiteral("0"));
    QCOMPARE(Shared().LastSpreadKind, 4);
    QVERIFY(!Shared().ThreeFromMain);
    QVERIFY(!line()->isVisible());
    TForm4 *three = Windows().Form4;
    QVERIFY(three->isVisible());
    three->Edit(1)->setText(QStringLiteral("30"));
    three->Edit(2)->setText(QStringLiteral("7"));
    three->Edit(3)->setText(QStringLiteral("5"));
    threeCardToLine();
    QCOMPARE(cards(), QList<int>({30, 7, 5, 36, 1}));
}

void tst_LineOfFiveWindow::toNineCross()
{
    openFromMain(3, 9, 14);
    type(4, QString());
    line()->btGoNine->click();
    QCOMPARE(texts(), QStringList({"3", "9", "14", "0", "23"}));
    QCOMPARE(Shared().LastSpreadKind, 8);
    QVERIFY(!line()->isVisible());
    TForm3 *nine = Windows().Form3;
    QVERIFY(nine->isVisible());
    // The five cards stand in the cross: across the middle, above and below.
    for (int slot = 1; slot <= 5; ++slot)
        QCOMPARE(ReadCardEntryText(nine->Edit(SquarePositionOfLineSlot[slot])->text()).card,
                 ReadCardEntryText(edit(slot)->text()).card);
}

void tst_LineOfFiveWindow::allNineToSquareAndBack_data()
{
    QTest::addColumn<bool>("changed");
    QTest::addColumn<QString>("title");
    QTest::newRow("square unchanged") << false << "5 + 4 Kaarten Uitgeteld!";
    QTest::newRow("square changed") << true << "Kaarten uit het 9 Vierkant";
}

void tst_LineOfFiveWindow::allNineToSquareAndBack()
{
    QFETCH(bool, changed);
    QFETCH(QString, title);
    openLine({30, 10, 5, 36, 1}, true);
    type(9, QString());
    line()->btVolg->click();
    line()->btGoExtra->click();
    QCOMPARE(edit(9)->text(), QStringLiteral("0"));
    QCOMPARE(Shared().LineCardsText, QStringLiteral("3610305141550"));
    QCOMPARE(Shared().LastSpreadKind, 8);
    TForm3 *nine = Windows().Form3;
    QVERIFY(nine->isVisible());
    // All nine stand in the square.
    for (int slot = 1; slot <= 9; ++slot)
        QCOMPARE(ReadCardEntryText(nine->Edit(SquarePositionOfLineSlot[slot])->text()).card,
                 ReadCardEntryText(edit(slot)->text()).card);

    // The nine-card window lays the square and hands it back ("< 5-Kaart").
    for (int slot = 1; slot <= 9; ++slot)
        nine->Edit(SquarePositionOfLineSlot[slot])->setText(edit(slot)->text());
    if (changed)
        nine->Edit(1)->setText(QStringLiteral("17"));
    QString nineText;
    for (int slot = 1; slot <= 9; ++slot)
        nineText += nine->Edit(SquarePositionOfLineSlot[slot])->text();
    Shared().NineCardsText = nineText;
    Shared().NineWasSquare = true;
    Shared().LastSpreadKind = 8;
    nine->hide();
    line()->show();
    QVERIFY(Shared().LineExpanded);
    QCOMPARE(line()->height(), 392);
    QCOMPARE(texts(), QStringList({"36", "10", "30", "5", "1"}));
    QCOMPARE(texts(6, 9), QStringList({changed ? "17" : "4", "15", "5", "0"}));
    QCOMPARE(this->title(), title);
    // Coming back from the nine-card window keeps the order.
    QCOMPARE(line()->btVolg->text(), QStringLiteral("V2"));
    QVERIFY(Windows().Verleden->cbNegenK->isChecked());

    // Back from the cross: collapsed, the plain title.
    Shared().NineWasSquare = false;
    line()->hide();
    line()->show();
    QVERIFY(!Shared().LineExpanded);
    QCOMPARE(this->title(), QStringLiteral("Lijn van 5"));
}

void tst_LineOfFiveWindow::closeGivesCardsToMain()
{
    openFromMain(3, 9, 14);
    setLine({30, 10, 5, 36, 1});
    Windows().Form5->show();
    line()->close();
    QCOMPARE(Shared().LastSpreadKind, 5);
    QVERIFY(!Windows().Form5->isVisible());
    QVERIFY(main()->isVisible());
    QCOMPARE(Shared().MainSlotCards[1], 30);
    QCOMPARE(Shared().MainSlotCards[3], 5);
}

void tst_LineOfFiveWindow::openEntryFromList()
{
    m_program->write(ListFile, {QStringLiteral("01.dec.26 *(vijf) / 07 01 02 03 09"),
                                QStringLiteral("02.dec.26 #(negen) / 06 04 07 10 11 12 08 05 09")});
    openFromMain(3, 9, 14);
    line()->btVolg->click();
    TVerleden *list = Windows().Verleden;
    line()->btOpen->click();
    QVERIFY(list->isVisible());
    QCOMPARE(list->rows().size(), 1);
    list->selectRow(0);
    QTest::keyClick(list->lbxLijst, Qt::Key_Return);
    QCOMPARE(cards(), QList<int>({7, 1, 2, 3, 9}));
    QCOMPARE(line()->Image[1]->accessibleName(), QStringLiteral("07) Slang"));
    QCOMPARE(line()->btVolg->text(), QStringLiteral("V1"));
    QCOMPARE(Shared().LineOrderIndex, 0);
    QVERIFY(Shared().SpreadSaved);

    // A nine-card entry goes into the line only while it shows its extra cards.
    line()->btPlus->click();
    list->cbNegenK->setChecked(true);
    list->selectRow(
        int(list->rows().indexOf(QStringLiteral("02.dec.26 #(negen) / 06 04 07 10 11 12 08 05 09"))));
    QTest::keyClick(list->lbxLijst, Qt::Key_Return);
    QCOMPARE(cards(1, 9), QList<int>({10, 11, 12, 4, 5, 6, 7, 8, 9}));
    QCOMPARE(title(), QStringLiteral("Lijn van 5 + 4 Kaarten"));
    QCOMPARE(line()->Image[6]->accessibleName(), QStringLiteral("06) Wolken"));
    QVERIFY(Shared().SpreadSaved);
    line()->btBewaar->click();
    QCOMPARE(m_platform->messages, QStringList{"   Legging is al Bewaard!"});
}

void tst_LineOfFiveWindow::helpOpensAtTopic()
{
    openFromMain(1, 2, 3);
    line()->btHelp->click();
    THelpInfo *help = Windows().HelpInfo;
    QVERIFY(help->isVisible());
    QCOMPARE(help->Memo1->textCursor().selectedText(), QStringLiteral(" - Legvorm 'Lijn van 5':"));
}

QTEST_MAIN(tst_LineOfFiveWindow)
#include "tst_line_of_five_window.moc"
