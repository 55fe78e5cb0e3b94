#include "app/main_window.h"
#include "app/shared_state.h"
#include "app/window_set.h"
#include "catalogue/catalogue.h"
#include "combos/combination_window.h"
#include "program_fixture.h"
#include "spreads/three_card_window.h"

#include <QApplication>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

using namespace tessaly;

class tst_CombinationWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void lookUpFillsEveryArea_data();
    void lookUpFillsEveryArea();
    void swapLooksUpReversedPairBelowFirst();
    void keyNotFoundChangesNothing_data();
    void keyNotFoundChangesNothing();
    void enterInFieldLooksUp();
    void clearEmptiesTextsAndFields();
    void closeKeepsFieldsButEmptiesTexts_data();
    void closeKeepsFieldsButEmptiesTexts();
    void arrowKeysBetweenFields_data();
    void arrowKeysBetweenFields();
    void pickedCardsFillFieldClickedLast();
    void pairButtons_data();
    void pairButtons();
    void escapeAfterPairButtonClosesOnlyThisWindow();

private:
    TForm5 *form() const { return Windows().Form5; }
    // Types the two fields and presses "Zoek".
    void lookUp(const QString &a, const QString &b);
    QStringList memoLines() const { return form()->Memo->toPlainText().split(u'\n'); }

    QScopedPointer<ProgramFixture> m_program;
    ScriptedPlatform *m_platform = nullptr;
};

void tst_CombinationWindow::init()
{
    m_program.reset(new ProgramFixture);
    m_platform = &m_program->platform();
    QVERIFY(QTest::qWaitForWindowExposed(Windows().Form1));
}

void tst_CombinationWindow::cleanup()
{
    m_program.reset();
}

void tst_CombinationWindow::lookUp(const QString &a, const QString &b)
{
    form()->ShowWithoutLookup();
    form()->edKaart1->setText(a);
    form()->edKaart2->setText(b);
    QTest::mouseClick(form()->btZoekop, Qt::LeftButton);
}

void tst_CombinationWindow::lookUpFillsEveryArea_data()
{
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("pair");
    QTest::addColumn<QStringList>("memo");
    QTest::newRow("5 + 16") << "5"
                            << "16"
                            << "05+16" << 155
                            << QStringList{"- Boom + Ster:",
                                           "Langzaam maar zeker succes; droom of visie groeit."};
    QTest::newRow("30 + 29") << "30"
                             << "29"
                             << "30+29" << 1044
                             << QStringList{"- " + ShortPairNames[30] + " + " + ShortPairNames[29] + ":",
                                            PairBareText(1044)};
}

void tst_CombinationWindow::lookUpFillsEveryArea()
{
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(QString, key);
    QFETCH(int, pair);
    QFETCH(QStringList, memo);
    lookUp(a, b);
    QVERIFY(form()->isVisible());
    QVERIFY(Windows().Form1->isVisible());
    QCOMPARE(form()->edKaart1->text() + u'+' + form()->edKaart2->text(), key);
    QCOMPARE(Shared().CurrentPairKey, key);
    QCOMPARE(memoLines(), memo);
    QCOMPARE(form()->cardALines(), LoadCardText(a.toInt()));
    QCOMPARE(form()->cardBLines(), LoadCardText(b.toInt()));
    QVERIFY(form()->cardALines().size() >= 4);
    QCOMPARE(form()->MeCom->toPlainText(), LoadPairText(pair + 73).join(u'\n'));
    QVERIFY(!form()->MeCom->toPlainText().isEmpty());
    QVERIFY(form()->MeCom->isReadOnly());
    QVERIFY(!form()->Memo->isReadOnly());
    QCOMPARE(Shared().CardTextTarget, -1);
}

void tst_CombinationWindow::swapLooksUpReversedPairBelowFirst()
{
    lookUp(QStringLiteral("5"), QStringLiteral("16"));
    QTest::mouseClick(form()->btWissel, Qt::LeftButton);
    QCOMPARE(form()->edKaart1->text(), QStringLiteral("16"));
    QCOMPARE(form()->edKaart2->text(), QStringLiteral("05"));
    QCOMPARE(Shared().CurrentPairKey, QStringLiteral("16+05"));
    const int reversed = PairIndexOf(16, 5);
    QCOMPARE(memoLines(), (QStringList{"- Boom + Ster:", "Langzaam maar zeker succes; droom of visie groeit.",
                                       "- Ster + Boom:", PairBareText(reversed)}));
    QCOMPARE(form()->cardALines(), LoadCardText(16));
    QCOMPARE(form()->MeCom->toPlainText(), LoadPairText(reversed + 73).join(u'\n'));

    // The same pair again is listed again.
    QTest::mouseClick(form()->btZoekop, Qt::LeftButton);
    QCOMPARE(memoLines().size(), 6);
}

void tst_CombinationWindow::keyNotFoundChangesNothing_data()
{
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<QString>("fieldA");
    QTest::addColumn<QString>("fieldB");
    QTest::addColumn<QString>("key");
    QTest::newRow("card with itself") << "7"
                                      << "7"
                                      << "07"
                                      << "07"
                                      << "07+07";
    QTest::newRow("no card") << "0"
                             << "12"
                             << "00"
                             << "12"
                             << "00+12";
    QTest::newRow("above 36") << "37"
                              << "1"
                              << "37"
                              << "01"
                              << "37+01";
    QTest::newRow("empty field: nothing at all") << ""
                                                 << "5"
                                                 << ""
                                                 << "5"
                                                 << "05+16";
}

void tst_CombinationWindow::keyNotFoundChangesNothing()
{
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(QString, fieldA);
    QFETCH(QString, fieldB);
    QFETCH(QString, key);
    lookUp(QStringLiteral("5"), QStringLiteral("16"));
    const QString memo = form()->Memo->toPlainText();
    const QString longText = form()->MeCom->toPlainText();
    const QStringList cardA = form()->cardALines();
    const QStringList cardB = form()->cardBLines();
    lookUp(a, b);
    QCOMPARE(form()->edKaart1->text(), fieldA);
    QCOMPARE(form()->edKaart2->text(), fieldB);
    QCOMPARE(Shared().CurrentPairKey, key);
    QCOMPARE(form()->Memo->toPlainText(), memo);
    QCOMPARE(form()->MeCom->toPlainText(), longText);
    QCOMPARE(form()->cardALines(), cardA);
    QCOMPARE(form()->cardBLines(), cardB);
    QVERIFY(m_platform->messages.isEmpty());
}

void tst_CombinationWindow::enterInFieldLooksUp()
{
    form()->ShowWithoutLookup();
    QApplication::setActiveWindow(form());
    QTRY_VERIFY(form()->btZoekop->hasFocus());
    form()->edKaart1->setFocus();
    QTest::keyClicks(form()->edKaart1, QStringLiteral("5"));
    QTest::keyClick(form()->edKaart1, Qt::Key_Right);
    QVERIFY(form()->edKaart2->hasFocus());
    QTest::keyClicks(form()->edKaart2, QStringLiteral("16"));
    QTest::keyClick(form()->edKaart2, Qt::Key_Return);
    QCOMPARE(Shared().CurrentPairKey, QStringLiteral("05+16"));
    QCOMPARE(memoLines().size(), 2);
    // Enter on the focused "Wissen" presses it rather than looking up again.
    form()->btWissen->setFocus();
    QTest::keyClick(form()->btWissen, Qt::Key_Return);
    QVERIFY(form()->Memo->toPlainText().isEmpty());
}

void tst_CombinationWindow::clearEmptiesTextsAndFields()
{
    lookUp(QStringLiteral("5"), QStringLiteral("16"));
    QTest::mouseClick(form()->btWissen, Qt::LeftButton);
    QVERIFY(form()->isVisible());
    QVERIFY(form()->Memo->toPlainText().isEmpty());
    QVERIFY(form()->MeCom->toPlainText().isEmpty());
    QVERIFY(form()->cardALines().isEmpty());
    QVERIFY(form()->cardBLines().isEmpty());
    QVERIFY(form()->edKaart1->text().isEmpty());
    QVERIFY(form()->edKaart2->text().isEmpty());
}

void tst_CombinationWindow::closeKeepsFieldsButEmptiesTexts_data()
{
    QTest::addColumn<bool>("byEscape");
    QTest::newRow("Escape keeps the fields") << true;
    QTest::newRow("Sluit empties them") << false;
}

void tst_CombinationWindow::closeKeepsFieldsButEmptiesTexts()
{
    QFETCH(bool, byEscape);
    lookUp(QStringLiteral("5"), QStringLiteral("16"));
    if (byEscape)
        QTest::keyClick(form()->btZoekop, Qt::Key_Escape);
    else
        QTest::mouseClick(form()->btSluit, Qt::LeftButton);
    QVERIFY(!form()->isVisible());
    QVERIFY(Windows().Form1->isVisible());
    form()->ShowWithoutLookup();
    QVERIFY(form()->Memo->toPlainText().isEmpty());
    QVERIFY(form()->MeCom->toPlainText().isEmpty());
    QVERIFY(form()->cardALines().isEmpty());
    QVERIFY(form()->cardBLines().isEmpty());
    QCOMPARE(form()->edKaart1->text(), byEscape ? QStringLiteral("05") : QString());
    QCOMPARE(form()->edKaart2->text(), byEscape ? QStringLiteral("16") : QString());
}

void tst_CombinationWindow::arrowKeysBetweenFields_data()
{
    QTest::addColumn<QString>("from");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("to");
    QTest::newRow("A right") << "edKaart1" << int(Qt::Key_Right) << "edKaart2";
    QTest::newRow("A left stays") << "edKaart1" << int(Qt::Key_Left) << "edKaart1";
    QTest::newRow("B left") << "edKaart2" << int(Qt::Key_Left) << "edKaart1";
    QTest::newRow("B right") << "edKaart2" << int(Qt::Key_Right) << "btZoekop";
}

void tst_CombinationWindow::arrowKeysBetweenFields()
{
    QFETCH(QString, from);
    QFETCH(int, key);
    QFETCH(QString, to);
    form()->ShowWithoutLookup();
    QApplication::setActiveWindow(form());
    auto *start = form()->findChild<QWidget *>(from);
    start->setFocus();
    QTRY_VERIFY(start->hasFocus());
    QTest::keyClick(start, Qt::Key(key));
    QCOMPARE(QApplication::focusWidget(), form()->findChild<QWidget *>(to));
}

void tst_CombinationWindow::pickedCardsFillFieldClickedLast()
{
    form()->PickCard(QStringLiteral("5"));
    QVERIFY(form()->isVisible());
    QCOMPARE(form()->edKaart1->text(), QStringLiteral("5"));
    form()->PickCard(QStringLiteral("16"));
    QCOMPARE(form()->edKaart2->text(), QStringLiteral("16"));
    QTest::mouseClick(form()->edKaart2, Qt::LeftButton);
    QCOMPARE(Shared().PairPickToB, -1);
    QCOMPARE(Shared().PairPickToA, 0);
    form()->PickCard(QStringLiteral("8"));
    QCOMPARE(form()->edKaart2->text(), QStringLiteral("8"));
    QCOMPARE(form()->edKaart1->text(), QStringLiteral("5"));
    QTest::mouseClick(form()->edKaart1, Qt::LeftButton);
    form()->PickCard(QStringLiteral("9"));
    QCOMPARE(form()->edKaart1->text(), QStringLiteral("9"));
    // Nothing is looked up until the user asks.
    QVERIFY(form()->Memo->toPlainText().isEmpty());
}

void tst_CombinationWindow::pairButtons_data()
{
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<bool>("shown");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QStringList>("messages");
    QTest::newRow("5 and 16") << "5"
                              << "16" << true << "05+16" << QStringList();
    QTest::newRow("same card") << "7"
                               << "7" << false << "" << QStringList();
    QTest::newRow("empty slot") << ""
                                << "7" << false << "" << QStringList{"'' is not a valid integer value"};
}

void tst_CombinationWindow::pairButtons()
{
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(bool, shown);
    QFETCH(QString, key);
    QFETCH(QStringList, messages);
    form()->LookUpSlots(first, second);
    QCOMPARE(form()->isVisible(), shown);
    QCOMPARE(Shared().CurrentPairKey, key);
    QCOMPARE(m_platform->messages, messages);
    QCOMPARE(form()->Memo->toPlainText().isEmpty(), !shown);
}

// The user goes on in the spread window, presses "." again and then Esc:
// where no window manager hands the combination window the keyboard, Esc
// would reach the spread window and end the program.
void tst_CombinationWindow::escapeAfterPairButtonClosesOnlyThisWindow()
{
    TForm4 *three = Windows().Form4;
    three->show();
    three->Edit(1)->setText(QStringLiteral("5"));
    three->Edit(2)->setText(QStringLiteral("16"));
    QTest::mouseClick(three->btCom1, Qt::LeftButton);
    QVERIFY(form()->isVisible());
    three->activateWindow();
    QTRY_COMPARE(QApplication::activeWindow(), three);
    QTest::mouseClick(three->btCom1, Qt::LeftButton);
    QTRY_COMPARE(QApplication::activeWindow(), form());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QVERIFY(!form()->isVisible());
    QVERIFY(three->isVisible());
}

QTEST_MAIN(tst_CombinationWindow)
#include "tst_combination_window.moc"
