#include "app/help_window.h"
#include "app/main_window.h"
#include "app/shared_state.h"
#include "app/window_set.h"
#include "catalogue/counting.h"
#include "program_fixture.h"
#include "spreads/line_of_five_window.h"
#include "spreads/nine_card_window.h"
#include "spreads/three_card_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

using namespace tessaly;

class tst_MainWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void startsWithThreeDifferentRandomCards();
    void pyramidThroughPickers_data();
    void pyramidThroughPickers();
    void twoDigitsChooseCard();
    void unmatchedTextFallsBack();
    void sameCardTwiceIsAllowed();
    void arrowsMoveBetweenPickers_data();
    void arrowsMoveBetweenPickers();
    void triangleHidesFourSlotsAndSumsSix();
    void labelModes_data();
    void labelModes();
    void newKeywordsSwitchToKeywordMode();
    void copyTextByteForByte();
    void copyTextOfTriangle();
    void copyPicture_data();
    void copyPicture();
    void enterOpensLineOfFive();
    void spreadButtonsSetKindAndSwitch();
    void threeCardHandBack_data();
    void threeCardHandBack();
    void lineAndNineKindsHandBack_data();
    void lineAndNineKindsHandBack();
    void nineCardSquareHandBack();
    void nineCardCrossHandBack();
    void carriedSaveMarksSpreadSaved();
    void helpOpensAtStartAndEscClosesOnlyIt();

private:
    TForm1 *main() const { return Windows().Form1; }
    void choose(int picker, const QString &typed);
    int card(int slot) const { return Shared().MainSlotCards[slot]; }

    QScopedPointer<ProgramFixture> m_program;
    ScriptedPlatform *m_platform = nullptr;
};

void tst_MainWindow::init()
{
    m_program.reset(new ProgramFixture);
    m_platform = &m_program->platform();
    QVERIFY(QTest::qWaitForWindowExposed(main()));
}

void tst_MainWindow::cleanup()
{
    m_program.reset();
}

// Types into a picker as a user does after clicking into it.
void tst_MainWindow::choose(int picker, const QString &typed)
{
    QComboBox *box = main()->findChild<QComboBox *>(QStringLiteral("ComboBox%1").arg(picker));
    QVERIFY(box);
    box->setFocus();
    box->lineEdit()->selectAll();
    QTest::keyClicks(box->lineEdit(), typed);
}

void tst_MainWindow::startsWithThreeDifferentRandomCards()
{
    QVERIFY(card(1) >= 1 && card(2) >= 1 && card(3) >= 1);
    QVERIFY(card(1) != card(2) && card(1) != card(3) && card(2) != card(3));
    QCOMPARE(card(4), countOut(card(1) + card(2) + card(3)));
    QCOMPARE(main()->lbMagCard->text(), QStringLiteral("MC: ") + CardTitle(main()->MagicCard));
    QVERIFY(main()->Label[1]->isVisible());
    QCOMPARE(main()->Label[1]->text(), main()->SlotKeyword[1]);
    QVERIFY(!main()->Label[1]->text().isEmpty());
    QVERIFY(m_platform->messages.isEmpty());
}

void tst_MainWindow::pyramidThroughPickers_data()
{
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<QList<int>>("cards");
    QTest::addColumn<int>("magic");
    QTest::newRow("1 2 3") << QStringList{"01", "02", "03"} << QList<int>{1, 2, 3, 6, 3, 5, 9, 8, 14, 22}
                           << 1;
    QTest::newRow("36 36 36") << QStringList{"36", "36", "36"}
                              << QList<int>{36, 36, 36, 36, 36, 36, 36, 36, 36, 36} << 36;
    QTest::newRow("20 30 35") << QStringList{"20", "30", "35"}
                              << QList<int>{20, 30, 35, 13, 14, 29, 12, 7, 5, 12} << 33;
}

void tst_MainWindow::pyramidThroughPickers()
{
    QFETCH(QStringList, typed);
    QFETCH(QList<int>, cards);
    QFETCH(int, magic);
    for (int k = 1; k <= 3; ++k)
        choose(k, typed[k - 1]);
    for (int slot = 1; slot <= 10; ++slot) {
        QCOMPARE(card(slot), cards[slot - 1]);
        QCOMPARE(main()->SlotDrawn[slot], cards[slot - 1]);
        QCOMPARE(main()->SlotName[slot], CardTitle(cards[slot - 1]));
        QVERIFY(!main()->Image[slot]->pixmap().isNull());
        // Keyword mode: the label shows the keyword, the hint the title.
        QCOMPARE(main()->Label[slot]->text(), main()->SlotKeyword[slot]);
        QCOMPARE(main()->Image[slot]->toolTip(), CardTitle(cards[slot - 1]));
    }
    QCOMPARE(main()->MagicCard, magic);
    QCOMPARE(main()->lbMagCard->text(), QStringLiteral("MC: ") + CardTitle(magic));
    QVERIFY(!Shared().SpreadSaved);
}

void tst_MainWindow::twoDigitsChooseCard()
{
    choose(2, QStringLiteral("0"));
    QCOMPARE(card(2), 1);
    QTest::keyClicks(main()->ComboBox[2]->lineEdit(), QStringLiteral("5"));
    QCOMPARE(main()->ComboBox[2]->currentText(), QStringLiteral("05) Boom"));
    QCOMPARE(card(2), 5);
    QCOMPARE(main()->LastValidIndex[2], 4);
}

void tst_MainWindow::unmatchedTextFallsBack()
{
    choose(1, QStringLiteral("12"));
    const std::array<CardNumber, 11> before = Shared().MainSlotCards;
    const QString keyword = main()->SlotKeyword[1];
    Shared().SpreadSaved = true;
    choose(1, QStringLiteral("4"));
    QCOMPARE(main()->ComboBox[1]->currentText(), QStringLiteral("12) Vogels"));
    QCOMPARE(Shared().MainSlotCards, before);
    QCOMPARE(main()->SlotKeyword[1], keyword);
    QVERIFY(!Shared().SpreadSaved);
}

void tst_MainWindow::sameCardTwiceIsAllowed()
{
    choose(1, QStringLiteral("05"));
    choose(2, QStringLiteral("05"));
    choose(3, QStringLiteral("07"));
    QCOMPARE(card(5), 10);
}

void tst_MainWindow::arrowsMoveBetweenPickers_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("to");
    QTest::newRow("1 left wraps to 3") << 1 << int(Qt::Key_Left) << 3;
    QTest::newRow("1 right") << 1 << int(Qt::Key_Right) << 2;
    QTest::newRow("2 left") << 2 << int(Qt::Key_Left) << 1;
    QTest::newRow("3 right wraps to 1") << 3 << int(Qt::Key_Right) << 1;
}

void tst_MainWindow::arrowsMoveBetweenPickers()
{
    QFETCH(int, from);
    QFETCH(int, key);
    QFETCH(int, to);
    QApplication::setActiveWindow(main());
    main()->ComboBox[from]->setFocus();
    QTRY_VERIFY(main()->ComboBox[from]->hasFocus());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
    QVERIFY(main()->ComboBox[to]->hasFocus());
}

void tst_MainWindow::triangleHidesFourSlotsAndSumsSix()
{
    for (int k = 1; k <= 3; ++k)
        choose(k, QStringLiteral("0%1").arg(k));
    const std::array<CardNumber, 11> counted = Shared().MainSlotCards;
    main()->cbDriehoek->click();
    for (const int slot : {4, 7, 9, 10}) {
        QVERIFY(!main()->Image[slot]->isVisible());
        QVERIFY(!main()->Label[slot]->isVisible());
    }
    QVERIFY(main()->Image[8]->isVisible());
    QCOMPARE(main()->MagicCard, 22);
    QCOMPARE(Shared().MainSlotCards, counted);
    // "Rnd" still counts all ten.
    main()->btGO->click();
    QCOMPARE(card(10), countOut(card(8) + card(9)));
    main()->cbDriehoek->click();
    QVERIFY(main()->Image[10]->isVisible());
    QVERIFY(main()->Label[10]->isVisible());
}

void tst_MainWindow::labelModes_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("visible");
    QTest::addColumn<bool>("titles");
    QTest::addColumn<QColor>("color");
    QTest::newRow("Geen") << 0 << false << false << QColor(Qt::black);
    QTest::newRow("Kaartnamen") << 1 << true << true << QColor(Qt::black);
    QTest::newRow("Trefwoorden") << 2 << true << false << QColor(Qt::blue);
}

void tst_MainWindow::labelModes()
{
    QFETCH(int, mode);
    QFETCH(bool, visible);
    QFETCH(bool, titles);
    QFETCH(QColor, color);
    main()->setLabelMode(mode == 0 ? 1 : 0);
    main()->setLabelMode(mode);
    for (int slot = 1; slot <= 10; ++slot) {
        QCOMPARE(main()->Label[slot]->isVisible(), visible);
        QCOMPARE(main()->Label[slot]->text(), titles ? main()->SlotName[slot] : main()->SlotKeyword[slot]);
        QCOMPARE(main()->Image[slot]->toolTip(), titles ? main()->SlotKeyword[slot] : main()->SlotName[slot]);
        QCOMPARE(main()->Label[slot]->palette().color(QPalette::WindowText), color);
    }
}

void tst_MainWindow::newKeywordsSwitchToKeywordMode()
{
    main()->setLabelMode(1);
    main()->btRndTrefWoord->click();
    QCOMPARE(main()->labelMode(), 2);
    for (int slot = 1; slot <= 10; ++slot) {
        const CardNumber c = card(slot);
        bool own = false;
        for (int k = 1; k <= KeywordsPerCard; ++k)
            own = own || main()->SlotKeyword[slot] == CardKeyword(c, k);
        QVERIFY(own);
        QCOMPARE(main()->Label[slot]->text(), main()->SlotKeyword[slot]);
    }
}

void tst_MainWindow::copyTextByteForByte()
{
    for (int k = 1; k <= 3; ++k)
        choose(k, QStringLiteral("0%1").arg(k));
    QCOMPARE(main()->labelMode(), 2);
    main()->bt10X->click();
    QCOMPARE(main()->labelMode(), 1);
    const std::array<QString, 11> &kw = main()->SlotKeyword;
    const QString dashes(30, u'-');
    const QStringList lines = {
        QStringLiteral("Mijn kaartjes voor 8-12-2026: "),
        QString(),
        QStringLiteral(" 01) Ruiter + 02) Klaverblad + 03) Schip = 06) Wolken"),
        QStringLiteral(" 03) Schip - 05) Boom - 09) Ruiker"),
        QStringLiteral(" 08) Lijkkist - 14) Vosje"),
        QStringLiteral(" 22) Wegen"),
        QString(),
        u' ' + kw[1] + QStringLiteral(" + ") + kw[2] + QStringLiteral(" + ") + kw[3] + QStringLiteral(" = ") +
            kw[4],
        u' ' + kw[5] + QStringLiteral(" - ") + kw[6] + QStringLiteral(" - ") + kw[7],
        u' ' + kw[8] + QStringLiteral(" - ") + kw[9],
        u' ' + kw[10],
        QString(),
        QStringLiteral("MC: 01) Ruiter"),
        dashes,
        QString(),
        dashes,
    };
    QCOMPARE(m_platform->clipboardText, lines.join(u'\r') + u'\r');
    QVERIFY(!m_platform->clipboardText.contains(u'\n'));
    QVERIFY(main()->Label[1]->isVisible());
    QCOMPARE(main()->Label[1]->text(), QStringLiteral("01) Ruiter"));
}

void tst_MainWindow::copyTextOfTriangle()
{
    for (int k = 1; k <= 3; ++k)
        choose(k, QStringLiteral("0%1").arg(k));
    main()->setLabelMode(1);
    // Already in title mode: the text must still carry the triangle's magic card.
    main()->cbDriehoek->click();
    main()->bt10X->click();
    const QStringList lines = m_platform->clipboardText.split(u'\r');
    QCOMPARE(lines.mid(2, 3),
             QStringList({QStringLiteral(" 01) Ruiter - 02) Klaverblad - 03) Schip"),
                          QStringLiteral(" 03) Schip - 05) Boom"), QStringLiteral(" 08) Lijkkist")}));
    QCOMPARE(lines.value(6), u' ' + main()->SlotKeyword[1] + QStringLiteral(" - ") + main()->SlotKeyword[2] +
                                 QStringLiteral(" - ") + main()->SlotKeyword[3]);
    QCOMPARE(lines.value(10), QStringLiteral("MC: 22) Wegen"));
    QCOMPARE(lines.size(), 15);
}

void tst_MainWindow::copyPicture_data()
{
    QTest::addColumn<bool>("withMagicCard");
    QTest::newRow("with magic card") << true;
    QTest::newRow("without") << false;
}

void tst_MainWindow::copyPicture()
{
    QFETCH(bool, withMagicCard);
    m_platform->confirmAnswers = {withMagicCard};
    main()->btBigImg->click();
    QCOMPARE(m_platform->confirmations, QStringList{QStringLiteral("Lijst|Ook de MagicCard Tonen?")});
    const QImage image = m_platform->clipboardImage;
    QCOMPARE(image.size(), QSize(440, 658));
    // The magic card's picture sits at 8,549 in the window, 29 rows lower
    // than in the picture; the lavender background shows where it is absent.
    const QColor atMagicCard = image.pixelColor(8 + 36, 549 - 29 + 55);
    QCOMPARE(atMagicCard != QColor(0xE6, 0xE6, 0xFA), withMagicCard);
    QCOMPARE(m_platform->messages, QStringList{QStringLiteral("Afbeelding is gekopieerd naar Klembord.")});
    QVERIFY(!main()->Image[11]->isVisible());
    QVERIFY(main()->lbMagCard->isVisible());
    QVERIFY(main()->btGO->isVisible());
    QVERIFY(main()->RadioGroup1->isVisible());
}

void tst_MainWindow::enterOpensLineOfFive()
{
    QTest::keyClick(main(), Qt::Key_Return);
    QVERIFY(Windows().Form2->isVisible());
    QVERIFY(!main()->isVisible());
    QCOMPARE(Shared().LastSpreadKind, 5);
}

void tst_MainWindow::spreadButtonsSetKindAndSwitch()
{
    main()->bt3kaart->click();
    QCOMPARE(Shared().LastSpreadKind, 3);
    QVERIFY(Shared().ThreeFromMain);
    QVERIFY(Windows().Form4->isVisible());
    QVERIFY(!main()->isVisible());
    Windows().Form4->close();
    QVERIFY(main()->isVisible());
    main()->btNegen->click();
    QCOMPARE(Shared().LastSpreadKind, 9);
    QVERIFY(Windows().Form3->isVisible());
}

void tst_MainWindow::threeCardHandBack_data()
{
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<bool>("taken");
    QTest::newRow("all three filled") << QStringList{"7", "14", "21"} << true;
    QTest::newRow("one empty: random draw") << QStringList{"7", "", "21"} << false;
}

void tst_MainWindow::threeCardHandBack()
{
    QFETCH(QStringList, fields);
    QFETCH(bool, taken);
    main()->bt3kaart->click();
    for (int i = 1; i <= 3; ++i)
        Windows().Form4->Edit(i)->setText(fields[i - 1]);
    Windows().Form4->close();
    QVERIFY(main()->isVisible());
    const bool same = card(1) == 7 && card(2) == 14 && card(3) == 21;
    QCOMPARE(same, taken);
    QCOMPARE(card(4), countOut(card(1) + card(2) + card(3)));
}

void tst_MainWindow::lineAndNineKindsHandBack_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QList<int>>("cards");
    // Kind 5 takes the line's first three; kind 8 the nine-card middle row
    // (a cross without corners, so the full hand-back takes it again).
    QTest::newRow("line of five") << 5 << QList<int>{21, 22, 23};
    QTest::newRow("nine-card, kind 8") << 8 << QList<int>{24, 25, 26};
}

void tst_MainWindow::lineAndNineKindsHandBack()
{
    QFETCH(int, kind);
    QFETCH(QList<int>, cards);
    main()->hide();
    if (kind == 5) {
        for (int i = 1; i <= 5; ++i)
            Windows().Form2->Edit(i)->setText(QString::number(20 + i));
    } else {
        const QList<int> fields = {0, 2, 0, 24, 25, 26, 0, 8, 0};
        for (int i = 1; i <= 9; ++i)
            Windows().Form3->Edit(i)->setText(fields[i - 1] ? QString::number(fields[i - 1]) : QString());
    }
    Shared().LastSpreadKind = kind;
    main()->show();
    for (int k = 1; k <= 3; ++k)
        QCOMPARE(card(k), cards[k - 1]);
    QCOMPARE(card(4), countOut(cards[0] + cards[1] + cards[2]));
}

void tst_MainWindow::nineCardSquareHandBack()
{
    main()->btNegen->click();
    const QList<int> fields = {11, 12, 13, 14, 15, 16, 17, 18, 19};
    for (int i = 1; i <= 9; ++i)
        Windows().Form3->Edit(i)->setText(QString::number(fields[i - 1]));
    Shared().NineSumCard = 27;
    const int magic = main()->MagicCard;
    QTest::keyClick(Windows().Form3, Qt::Key_Home);
    QVERIFY(main()->isVisible());
    const QList<int> expected = {14, 15, 16, 12, 18, 11, 13, 17, 19, 27};
    for (int slot = 1; slot <= 10; ++slot)
        QCOMPARE(card(slot), expected[slot - 1]);
    QCOMPARE(main()->ComboBox[1]->currentText(), CardTitle(14));
    QCOMPARE(main()->MagicCard, magic);
    QCOMPARE(main()->labelMode(), 0);
    for (int slot = 1; slot <= 9; ++slot)
        QVERIFY(!main()->Label[slot]->isVisible());
    QVERIFY(main()->Label[10]->isVisible());
    QCOMPARE(main()->Label[10]->text(), QStringLiteral("Bonuskaart"));
    QCOMPARE(main()->Label[10]->palette().color(QPalette::WindowText), QColor(Qt::red));

    // Choosing a card counts a pyramid of the cards shown, and the magic
    // card from that pyramid, not from the one before the hand-back.
    main()->ChooseSlotCard(1, 20 - 1);
    const QList<int> pyramid = {20, 15, 16, 15, 35, 31, 31, 30, 26, 20};
    int sum = 0;
    for (int slot = 1; slot <= 10; ++slot) {
        QCOMPARE(card(slot), pyramid[slot - 1]);
        sum += pyramid[slot - 1];
    }
    QCOMPARE(main()->MagicCard, countOut(sum));
}

void tst_MainWindow::nineCardCrossHandBack()
{
    main()->setLabelMode(1);
    main()->btNegen->click();
    // The window took the main window's nine cards; a cross without corners.
    for (int i = 1; i <= 9; ++i)
        Windows().Form3->Edit(i)->setText(i % 2 == 0 || i == 5 ? QString::number(i) : QString());
    QTest::keyClick(Windows().Form3, Qt::Key_Home);
    // No corners: the middle row becomes the daily spread, fully counted.
    QCOMPARE(card(1), 4);
    QCOMPARE(card(2), 5);
    QCOMPARE(card(3), 6);
    QCOMPARE(card(4), 15);
    QCOMPARE(main()->labelMode(), 2);
}

void tst_MainWindow::carriedSaveMarksSpreadSaved()
{
    main()->bt3kaart->click();
    Shared().CarrySaved = true;
    Windows().Form4->close();
    QVERIFY(Shared().SpreadSaved);
    QVERIFY(!Shared().CarrySaved);
}

void tst_MainWindow::helpOpensAtStartAndEscClosesOnlyIt()
{
    THelpInfo *help = Windows().HelpInfo;
    main()->btHelp->click();
    QVERIFY(help->isVisible());
    QCOMPARE(help->Memo1->textCursor().position(), 0);
    QVERIFY(!help->Memo1->textCursor().hasSelection());
    QTest::keyClick(help->Memo1, Qt::Key_Escape);
    QVERIFY(!help->isVisible());
    QVERIFY(main()->isVisible());
}

QTEST_MAIN(tst_MainWindow)
#include "tst_main_window.moc"
