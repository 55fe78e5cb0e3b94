#include "app/main_window.h"
#include "app/shared_state.h"
#include "app/window_set.h"
#include "catalogue/catalogue.h"
#include "catalogue/counting.h"
#include "combos/combination_window.h"
#include "program_fixture.h"
#include "saved/list_window.h"
#include "saved/saved_list.h"
#include "spreads/line_of_five_window.h"
#include "spreads/three_card_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

using namespace tessaly;

class tst_ThreeCardWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void opensWithMainCardsAndKeywords();
    void slotChange_data();
    void slotChange();
    void copyTextByteForByte();
    void copyTextSwitchesToKeywords();
    void copyPictureLeavesOutFieldsAndButtons();
    void randomOuterCards_data();
    void randomOuterCards();
    void newKeywordsSwitchMode();
    void saveHandsOverPaddedCards();
    void openListWithoutFile();
    void pairButtonOpensCombination();
    void pairButtonOnEqualOrEmptySlots_data();
    void pairButtonOnEqualOrEmptySlots();
    void closeHandsCardsBack();
    void homeOnlyHides();
    void goToLineOfFive();
    void keys_data();
    void keys();
    void enterPressesFocusedButton();
    void openedEntryFillsSlots();

private:
    TForm4 *three() const { return Windows().Form4; }
    void setSlots(const QStringList &texts);
    QStringList slotTexts() const;

    QScopedPointer<ProgramFixture> m_program;
    ScriptedPlatform *m_platform = nullptr;
};

void tst_ThreeCardWindow::init()
{
    m_program.reset(new ProgramFixture);
    m_platform = &m_program->platform();
    QVERIFY(QTest::qWaitForWindowExposed(Windows().Form1));
    Windows().Form1->bt3kaart->click();
    QVERIFY(QTest::qWaitForWindowExposed(three()));
}

void tst_ThreeCardWindow::cleanup()
{
    m_program.reset();
}

void tst_ThreeCardWindow::setSlots(const QStringList &texts)
{
    for (int i = 1; i <= 3; ++i)
        three()->Edit(i)->setText(texts[i - 1]);
}

QStringList tst_ThreeCardWindow::slotTexts() const
{
    return {three()->Edit(1)->text(), three()->Edit(2)->text(), three()->Edit(3)->text()};
}

void tst_ThreeCardWindow::opensWithMainCardsAndKeywords()
{
    QVERIFY(!Windows().Form1->isVisible());
    const auto &main = Shared().MainSlotCards;
    QCOMPARE(slotTexts(),
             (QStringList{QString::number(main[1]), QString::number(main[2]), QString::number(main[3])}));
    QCOMPARE(three()->lbUitkomst->text(), CardTitle(countOut(main[1] + main[2] + main[3])));
    QCOMPARE(three()->labelMode(), 1);
    for (int i = 1; i <= 3; ++i) {
        QVERIFY(!three()->Image[i]->pixmap().isNull());
        QCOMPARE(three()->Image[i]->accessibleName(), CardTitle(main[i]));
        QVERIFY(three()->Label[i]->text() != QStringLiteral("---"));
        bool isKeyword = false;
        for (int k = 1; k <= KeywordsPerCard; ++k)
            isKeyword = isKeyword || CardKeyword(main[i], k) == three()->Label[i]->text();
        QVERIFY2(isKeyword, qPrintable(three()->Label[i]->text()));
    }
    QVERIFY(Shared().AlsoDayList);
    // The list window stands ready for three-card entries.
    TVerleden *list = Windows().Verleden;
    QVERIFY(list->cbDrieK->isChecked() && !list->cbVijfK->isChecked() && !list->cbNegenK->isChecked());
}

void tst_ThreeCardWindow::slotChange_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("label");
    QTest::newRow("40 empties, keywords") << 1 << "40"
                                          << ""
                                          << "";
    QTest::newRow("40 empties, titles") << 0 << "40"
                                        << ""
                                        << "--";
    QTest::newRow("0 is no card, titles") << 0 << "0"
                                          << "0"
                                          << "--";
    QTest::newRow("12, titles") << 0 << "12"
                                << "12"
                                << "12) Vogels";
}

void tst_ThreeCardWindow::slotChange()
{
    QFETCH(int, mode);
    QFETCH(QString, typed);
    QFETCH(QString, field);
    QFETCH(QString, label);
    three()->setLabelMode(mode);
    setSlots({"5", "6", "7"});
    Shared().SpreadSaved = true;
    three()->Edit(2)->clear();
    QTest::keyClicks(three()->Edit(2), typed);
    QCOMPARE(three()->Edit(2)->text(), field);
    const CardNumber card = field.toInt();
    QCOMPARE(three()->ThreeCards[1], card);
    QCOMPARE(three()->Label[2]->text(), label);
    QCOMPARE(three()->Image[2]->accessibleName(), card ? CardTitle(card) : QStringLiteral("Geen kaart"));
    QCOMPARE(three()->lbUitkomst->text(), CardTitle(countOut(5 + card + 7)));
    QVERIFY(!Shared().SpreadSaved);

    // Three empty fields count out to the last card.
    QTest::mouseClick(three()->btWis3, Qt::LeftButton);
    QCOMPARE(slotTexts(), (QStringList{"", "", ""}));
    QCOMPARE(three()->lbUitkomst->text(), QStringLiteral("36) Kruis"));
}

void tst_ThreeCardWindow::copyTextByteForByte()
{
    setSlots({"1", "2", "3"});
    // The keywords on screen are drawn at random; these are the ones shown.
    const QStringList shown = {"Nieuws", "Kansen", "Reizen"};
    for (int i = 1; i <= 3; ++i)
        three()->Label[i]->setText(shown[i - 1]);
    QTest::mouseClick(three()->btKopie, Qt::LeftButton);
    QCOMPARE(m_platform->clipboardText, QStringLiteral("Mijn Dagkaartjes voor 8-12-2026: \r\r"
                                                       "01) Ruiter - 02) Klaverblad - 03) Schip\r"
                                                       "Nieuws - Kansen - Reizen\r"
                                                       "\rUitgeteld: 06) Wolken\r"
                                                       "------------------------------\r"));
    QCOMPARE(Shared().CopyDate, m_platform->clock);
}

void tst_ThreeCardWindow::copyTextSwitchesToKeywords()
{
    setSlots({"1", "2", "3"});
    three()->setLabelMode(0);
    QCOMPARE(three()->Label[1]->text(), QStringLiteral("01) Ruiter"));
    QTest::mouseClick(three()->btKopie, Qt::LeftButton);
    QCOMPARE(three()->labelMode(), 1);
    const QStringList lines = m_platform->clipboardText.split(u'\r');
    QCOMPARE(lines[3], three()->Label[1]->text() + " - " + three()->Label[2]->text() + " - " +
                           three()->Label[3]->text());
    QVERIFY(!lines[3].contains(QStringLiteral(")")));
    QCOMPARE(three()->Label[1]->palette().color(QPalette::WindowText), QColor(0, 0, 255));
}

void tst_ThreeCardWindow::copyPictureLeavesOutFieldsAndButtons()
{
    QTest::mouseClick(three()->btScreen, Qt::LeftButton);
    QCOMPARE(m_platform->clipboardImage.size() / m_platform->clipboardImage.devicePixelRatio(),
             QSize(459 - 110, 216 - 26));
}

void tst_ThreeCardWindow::randomOuterCards_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("middle");
    QTest::newRow("18, titles") << 0 << "18";
    QTest::newRow("empty middle") << 1 << "";
    QTest::newRow("5") << 1 << "5";
}

void tst_ThreeCardWindow::randomOuterCards()
{
    QFETCH(int, mode);
    QFETCH(QString, middle);
    three()->setLabelMode(mode);
    const int a = middle.toInt();
    for (quint32 seed = 0; seed < 300; ++seed) {
        setSlots({"", middle, ""});
        m_platform->seed(seed);
        QTest::mouseClick(three()->btRandom, Qt::LeftButton);
        QCOMPARE(three()->Edit(2)->text(), middle.isEmpty() ? QStringLiteral("0") : middle);
        const int b = three()->Edit(1)->text().toInt();
        const int c = three()->Edit(3)->text().toInt();
        QVERIFY(b + c == a || b + c == a + 36);
        QVERIFY(b != c && b != a && c != a);
        QVERIFY(c >= 1 && c <= 35);
        if (a == 18)
            QVERIFY(b % 9 != 0);
        QCOMPARE(three()->ThreeCards, (ThreeSlots{b, a, c}));
        QCOMPARE(three()->lbUitkomst->text(), CardTitle(countOut(2 * a)));
    }
    QCOMPARE(three()->Edit(1)->text(), QString::number(three()->ThreeCards[0]));
    // Keywords on the labels whatever the mode; the mode itself stays.
    QCOMPARE(three()->labelMode(), mode);
    QVERIFY(three()->Label[1]->text() != CardTitle(three()->ThreeCards[0]));
    QVERIFY(three()->Edit(1)->hasFocus() || !three()->isActiveWindow());
}

void tst_ThreeCardWindow::newKeywordsSwitchMode()
{
    setSlots({"4", "5", "6"});
    three()->setLabelMode(0);
    QTest::mouseClick(three()->btWissel, Qt::LeftButton);
    QCOMPARE(three()->labelMode(), 1);
    QVERIFY(!three()->Label[1]->text().contains(u')'));
}

void tst_ThreeCardWindow::saveHandsOverPaddedCards()
{
    setSlots({"7", "", "12"});
    Windows().Verleden->show();
    m_platform->inputAnswers = {QStringLiteral("Slang, --, Vogels")};
    QTest::mouseClick(three()->btBewaar, Qt::LeftButton);
    QCOMPARE(m_platform->inputs.size(), 1);
    QVERIFY(m_platform->inputs[0].endsWith(QStringLiteral("|Slang, --, Vogels")));
    QCOMPARE(m_program->lines(ListFile), QStringList{"08.dec.26 (Slang, --, Vogels) / 07 00 12"});
    QCOMPARE(m_program->lines(DayCardFile).size(), 1);
    QVERIFY(Shared().SpreadSaved);
    TVerleden *list = Windows().Verleden;
    QVERIFY(list->cbDrieK->isChecked() && !list->cbVijfK->isChecked() && !list->cbNegenK->isChecked());
    QCOMPARE(list->rows(), m_program->lines(ListFile));

    QTest::mouseClick(three()->btBewaar, Qt::LeftButton);
    QCOMPARE(m_platform->messages, QStringList{"   Legging is al Bewaard!"});
    QCOMPARE(m_platform->inputs.size(), 1);
    QCOMPARE(m_program->lines(ListFile).size(), 1);
}

void tst_ThreeCardWindow::openListWithoutFile()
{
    QTest::mouseClick(three()->btOpen, Qt::LeftButton);
    QCOMPARE(m_platform->messages, QStringList{"Er zijn nog geen vragen bewaard!"});
    QVERIFY(!Windows().Verleden->isVisible());

    m_program->write(ListFile, {"01.dec.26 (a) / 01 02 03", "02.dec.26 *(b) / 01 02 03 04 05"});
    QTest::mouseClick(three()->btOpen, Qt::LeftButton);
    QVERIFY(Windows().Verleden->isVisible());
    QCOMPARE(Windows().Verleden->rows(), QStringList{"01.dec.26 (a) / 01 02 03"});
}

void tst_ThreeCardWindow::pairButtonOpensCombination()
{
    setSlots({"1", "5", "16"});
    QTest::mouseClick(three()->btCom2, Qt::LeftButton);
    TForm5 *combination = Windows().Form5;
    QVERIFY(combination->isVisible());
    QVERIFY(three()->isVisible());
    QCOMPARE(Shared().CurrentPairKey, QStringLiteral("05+16"));
    QCOMPARE(combination->edKaart1->text(), QStringLiteral("05"));
    QCOMPARE(combination->edKaart2->text(), QStringLiteral("16"));
    QCOMPARE(combination->cardALines(), LoadCardText(5));
    QCOMPARE(combination->cardBLines(), LoadCardText(16));
    QCOMPARE(combination->MeCom->toPlainText(), LoadPairText(228).join(u'\n'));
    QCOMPARE(combination->Memo->toPlainText(),
             QStringLiteral("- Boom + Ster:\nLangzaam maar zeker succes; droom of visie groeit."));
    QCOMPARE(slotTexts(), (QStringList{"1", "5", "16"}));
}

void tst_ThreeCardWindow::pairButtonOnEqualOrEmptySlots_data()
{
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<QStringList>("messages");
    QTest::newRow("7 and 7") << QStringList{"7", "7", "1"} << QStringList();
    QTest::newRow("empty slot") << QStringList{"", "7", "1"}
                                << QStringList{"'' is not a valid integer value"};
}

void tst_ThreeCardWindow::pairButtonOnEqualOrEmptySlots()
{
    QFETCH(QStringList, fields);
    QFETCH(QStringList, messages);
    setSlots(fields);
    Shared().CurrentPairKey = QStringLiteral("01+02");
    QTest::mouseClick(three()->btCom1, Qt::LeftButton);
    QVERIFY(!Windows().Form5->isVisible());
    QCOMPARE(Shared().CurrentPairKey, QStringLiteral("01+02"));
    QVERIFY(Windows().Form5->edKaart1->text().isEmpty());
    QCOMPARE(m_platform->messages, messages);
    QCOMPARE(slotTexts(), fields);
}

void tst_ThreeCardWindow::closeHandsCardsBack()
{
    setSlots({"7", "14", "21"});
    Shared().LastSpreadKind = 4;
    three()->close();
    QVERIFY(Windows().Form1->isVisible());
    QCOMPARE(Shared().LastSpreadKind, 3);
    QCOMPARE(Shared().MainSlotCards[1], 7);
    QCOMPARE(Shared().MainSlotCards[2], 14);
    QCOMPARE(Shared().MainSlotCards[3], 21);
}

void tst_ThreeCardWindow::homeOnlyHides()
{
    setSlots({"7", "14", "21"});
    Shared().LastSpreadKind = 4;
    three()->Edit(2)->setFocus();
    QTest::keyClick(three()->Edit(2), Qt::Key_Home);
    QVERIFY(!three()->isVisible());
    QVERIFY(Windows().Form1->isVisible());
    QCOMPARE(Shared().LastSpreadKind, 4);
}

void tst_ThreeCardWindow::goToLineOfFive()
{
    QTest::mouseClick(three()->btGo5, Qt::LeftButton);
    QCOMPARE(Shared().LastSpreadKind, 4);
    QVERIFY(!three()->isVisible());
    QVERIFY(Windows().Form2->isVisible());
    QVERIFY(!Windows().Form1->isVisible());
}

void tst_ThreeCardWindow::keys_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("to"); // 0: focus not asked
    QTest::addColumn<QStringList>("fields");
    QTest::newRow("left from 1 wraps to 3") << 1 << int(Qt::Key_Left) << 3 << QStringList{"1", "2", "3"};
    QTest::newRow("left from 3") << 3 << int(Qt::Key_Left) << 2 << QStringList{"1", "2", "3"};
    QTest::newRow("right from 3 wraps to 1") << 3 << int(Qt::Key_Right) << 1 << QStringList{"1", "2", "3"};
    QTest::newRow("right from 2") << 2 << int(Qt::Key_Right) << 3 << QStringList{"1", "2", "3"};
    QTest::newRow("delete empties all") << 2 << int(Qt::Key_Delete) << 0 << QStringList{"", "", ""};
}

void tst_ThreeCardWindow::keys()
{
    QFETCH(int, from);
    QFETCH(int, key);
    QFETCH(int, to);
    QFETCH(QStringList, fields);
    setSlots({"1", "2", "3"});
    QApplication::setActiveWindow(three());
    three()->Edit(from)->setFocus();
    QTRY_VERIFY(three()->Edit(from)->hasFocus());
    QTest::keyClick(three()->Edit(from), Qt::Key(key));
    if (to)
        QVERIFY(three()->Edit(to)->hasFocus());
    QCOMPARE(slotTexts(), fields);
}

void tst_ThreeCardWindow::enterPressesFocusedButton()
{
    setSlots({"1", "2", "3"});
    QApplication::setActiveWindow(three());
    three()->btWis3->setFocus();
    QTRY_VERIFY(three()->btWis3->hasFocus());
    QTest::keyClick(three()->btWis3, Qt::Key_Return);
    QCOMPARE(slotTexts(), (QStringList{"", "", ""}));
}

void tst_ThreeCardWindow::openedEntryFillsSlots()
{
    m_program->write(ListFile, {"01.dec.26 (a) / 01 02 03", "02.dec.26 (b) / 07 00 12"});
    Shared().CarrySaved = false;
    QTest::keyClick(three()->Edit(1), Qt::Key_End);
    TVerleden *list = Windows().Verleden;
    QVERIFY(list->isVisible());
    QVERIFY(list->cbDrieK->isChecked() && !list->cbVijfK->isChecked());
    list->selectRow(1);
    list->OpenEntry();
    QCOMPARE(slotTexts(), (QStringList{"7", "0", "12"}));
    QCOMPARE(three()->ThreeCards, (ThreeSlots{7, 0, 12}));
    QCOMPARE(three()->lbUitkomst->text(), CardTitle(19));
    QVERIFY(Shared().SpreadSaved);
    QVERIFY(!Windows().Form1->isVisible());
}

QTEST_MAIN(tst_ThreeCardWindow)
#include "tst_three_card_window.moc"
