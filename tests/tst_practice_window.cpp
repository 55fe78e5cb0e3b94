#include "accessible_text.h"
#include "app/help_window.h"
#include "app/main_window.h"
#include "app/startup.h"
#include "app/window_set.h"
#include "catalogue/catalogue.h"
#include "practice/practice_file.h"
#include "practice/practice_question.h"
#include "practice/practice_window.h"
#include "program_fixture.h"

#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>

using namespace tessaly;

namespace {

QString nameOf(QWidget *widget)
{
    return AccessibleText(widget, QAccessible::Name);
}

QString descriptionOf(QWidget *widget)
{
    return AccessibleText(widget, QAccessible::Description);
}

CardNumber cardIn(const QString &text, int nth = 0)
{
    static const QRegularExpression title(QStringLiteral("(\\d\\d)\\) "));
    QRegularExpressionMatchIterator it = title.globalMatch(text);
    for (int i = 0; i < nth && it.hasNext(); ++i)
        it.next();
    return it.hasNext() ? it.next().captured(1).toInt() : 0;
}

bool keywordOf(CardNumber card, const QString &word)
{
    for (int k = 1; k <= KeywordsPerCard; ++k)
        if (CardKeyword(card, k) == word)
            return true;
    return false;
}

// The option a student who knows the deck picks, found from what a screen
// reader hears: the question and the four options. 1..4; 0 when none fits.
int RightOption(TOefenen *window)
{
    const QString question = nameOf(window->lbVraag);
    for (int i = 1; i <= 4; ++i) {
        const QString option = descriptionOf(window->btAntwoord[std::size_t(i - 1)]);
        bool right = false;
        if (question.startsWith(QStringLiteral("Welke trefwoorden"))) {
            const QStringList words = option.split(QStringLiteral(", "));
            right = std::all_of(words.begin(), words.end(),
                                [&](const QString &w) { return keywordOf(cardIn(question), w); });
        } else if (question.startsWith(QStringLiteral("Bij welke kaart"))) {
            const QString word = question.section(QStringLiteral("trefwoorden "), 1).section(u',', 0, 0);
            right = keywordOf(cardIn(option), word);
        } else if (question.startsWith(QStringLiteral("Welke beschrijving"))) {
            right = option == MaskedDescription(cardIn(question));
        } else if (question.startsWith(QStringLiteral("Welk thema"))) {
            right = option == PositionTheme(cardIn(question));
        } else if (question.startsWith(QStringLiteral("Welke betekenis"))) {
            right = option == PairBareText(PairIndexOf(cardIn(question), cardIn(question, 1)));
        }
        if (right)
            return i;
    }
    return 0;
}

int WrongOption(TOefenen *window)
{
    return RightOption(window) % 4 + 1;
}

// A key as the window's focused control gets it.
void press(QWidget *window, int key)
{
    QTest::keyClick(window->focusWidget() ? window->focusWidget() : window, Qt::Key(key));
}

} // namespace

class tst_PracticeWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void opensFromItsButton();
    void screenReaderHearsTheQuestion();
    void keywordsToCardShowsFourPictures();
    void answerByKeyboard_data();
    void answerByKeyboard();
    void wrongAnswerReturnsAfterThreeOthers();
    void progressSurvivesARestart();
    void sittingPastMidnightStartsTheNewDay();
    void newPerDayIsASetting();
    void escapeClosesOnlyThisWindow();
    void helpOpensAtItsChapter();
    void damagedLineIsReportedOnce();
    void unusableFileIsReported();

private:
    TOefenen *open();
    // Answers until no question is left; returns how many were asked.
    int answerAllRight(TOefenen *window);
    QScopedPointer<ProgramFixture> m_program;
};

void tst_PracticeWindow::init()
{
    m_program.reset(new ProgramFixture);
}

void tst_PracticeWindow::cleanup()
{
    m_program.reset();
}

TOefenen *tst_PracticeWindow::open()
{
    Windows().Form1->btOefenen->click();
    TOefenen *window = Windows().Form1->Oefenen();
    window->activateWindow();
    return window;
}

int tst_PracticeWindow::answerAllRight(TOefenen *window)
{
    int asked = 0;
    while (window->btAntwoord[0]->isEnabled() && asked < 100) {
        const int right = RightOption(window);
        if (right == 0)
            return -1;
        press(window, Qt::Key_0 + right);
        press(window, Qt::Key_Space);
        ++asked;
    }
    return asked;
}

void tst_PracticeWindow::opensFromItsButton()
{
    TForm1 *main = Windows().Form1;
    QVERIFY(QTest::qWaitForWindowExposed(main));
    QCOMPARE(nameOf(main->btOefenen), QStringLiteral("Oefenen"));
    QCOMPARE(main->btOefenen->text(), QStringLiteral("Oefenen"));
    // In the free space above the spread buttons, over none of the others.
    for (QWidget *other : main->findChildren<QWidget *>())
        if (other != main->btOefenen && other->isVisible() && other->parentWidget() == main)
            QVERIFY2(!other->geometry().intersects(main->btOefenen->geometry()),
                     qPrintable(other->objectName()));
    TOefenen *window = open();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QCOMPARE(window->windowTitle(), QStringLiteral("Oefenen"));
    QVERIFY(main->isVisible());
    // Made once.
    main->btOefenen->click();
    QCOMPARE(main->Oefenen(), window);
}

void tst_PracticeWindow::screenReaderHearsTheQuestion()
{
    TOefenen *window = open();
    QCOMPARE(nameOf(window->lbVraag), QStringLiteral("Welke trefwoorden horen bij 01) Ruiter?"));
    QCOMPARE(descriptionOf(window->lbVraag), QStringLiteral("Vraag"));
    QCOMPARE(nameOf(window->lbVandaag), QStringLiteral("Vandaag: 0 te herhalen, 10 nieuw"));
    QCOMPARE(descriptionOf(window->lbVandaag), QStringLiteral("Vandaag"));
    QCOMPARE(descriptionOf(window->lbUitslag), QStringLiteral("Uitslag"));
    QCOMPARE(window->focusWidget(), window->lbVraag);
    for (int i = 1; i <= 4; ++i) {
        QPushButton *button = window->btAntwoord[std::size_t(i - 1)];
        QCOMPARE(nameOf(button), QStringLiteral("Antwoord %1").arg(i));
        // Three keywords, as the button shows them after its number.
        QCOMPARE(descriptionOf(button).count(QStringLiteral(", ")), 2);
        QCOMPARE(QString(button->text()).remove(u'\n').remove(u' '),
                 QStringLiteral("%1.").arg(i) + QString(descriptionOf(button)).remove(u' '));
    }
    QVERIFY(RightOption(window) > 0);
    QCOMPARE(nameOf(window->lbKaarten), QStringLiteral("kaarten gekend: 0 van 36"));
    QCOMPARE(nameOf(window->lbParen), QStringLiteral("paren gekend: 0 van 1.260"));
}

void tst_PracticeWindow::keywordsToCardShowsFourPictures()
{
    TOefenen *window = open();
    press(window, Qt::Key_0 + RightOption(window));
    press(window, Qt::Key_Space);
    QVERIFY(nameOf(window->lbVraag).startsWith(QStringLiteral("Bij welke kaart horen de trefwoorden ")));
    QSet<CardNumber> cards;
    for (QPushButton *button : window->btAntwoord) {
        const CardNumber card = cardIn(descriptionOf(button));
        QCOMPARE(descriptionOf(button), CardTitle(card));
        QVERIFY(!button->icon().isNull());
        cards.insert(card);
    }
    QCOMPARE(cards.size(), 4);
    QVERIFY(cards.contains(1));
    // Side by side.
    QTRY_COMPARE(window->btAntwoord[0]->y(), window->btAntwoord[3]->y());
}

void tst_PracticeWindow::answerByKeyboard_data()
{
    QTest::addColumn<bool>("right");
    QTest::addColumn<bool>("byButton"); // Space on the focused answer instead of its number
    QTest::addColumn<QString>("line");
    const QString rightLine =
        QStringLiteral("kaart-trefwoorden 01 2026-12-11 3.1730 5.2824 1 0 2026-12-08 2026-12-08");
    QTest::newRow("right") << true << false << rightLine;
    QTest::newRow("wrong") << false << false
                           << "kaart-trefwoorden 01 2026-12-08 0.4026 7.1949 1 1 2026-12-08 2026-12-08";
    QTest::newRow("right, Space on its button") << true << true << rightLine;
}

void tst_PracticeWindow::answerByKeyboard()
{
    QFETCH(bool, right);
    QFETCH(bool, byButton);
    QFETCH(QString, line);
    TOefenen *window = open();
    const int option = right ? RightOption(window) : WrongOption(window);
    const QString rightText = descriptionOf(window->btAntwoord[std::size_t(RightOption(window) - 1)]);
    if (byButton) {
        window->btAntwoord[std::size_t(option - 1)]->setFocus();
        press(window, Qt::Key_Space);
    } else {
        press(window, Qt::Key_0 + option);
    }
    QCOMPARE(nameOf(window->lbUitslag),
             right ? QStringLiteral("Goed") : QStringLiteral("Fout \u2014 ") + rightText);
    QCOMPARE(nameOf(window->lbVandaag), right ? QStringLiteral("Vandaag: 0 te herhalen, 9 nieuw")
                                              : QStringLiteral("Vandaag: 1 te herhalen, 9 nieuw"));
    QCOMPARE(m_program->bytes(QStringLiteral("Oefenlijst.txt")),
             "instelling nieuw-per-dag 10\r\n" + line.toLatin1() + "\r\n");
    QCOMPARE(nameOf(window->lbOverzicht[0][0]), QStringLiteral("1"));
    QCOMPARE(descriptionOf(window->lbOverzicht[0][0]), QStringLiteral("Kaart \u2192 trefwoorden, gezien"));
    // A second key before going on changes nothing.
    press(window, Qt::Key_0 + RightOption(window) % 4 + 1);
    QCOMPARE(m_program->bytes(QStringLiteral("Oefenlijst.txt")).count('\n'), 2);
    QVERIFY(window->btVerder->isEnabled());
    press(window, Qt::Key_Return);
    QVERIFY(nameOf(window->lbUitslag).isEmpty());
    QVERIFY(nameOf(window->lbVraag).startsWith(QStringLiteral("Bij welke kaart")));
    QVERIFY(!window->btVerder->isEnabled());
}

void tst_PracticeWindow::wrongAnswerReturnsAfterThreeOthers()
{
    TOefenen *window = open();
    const QString first = nameOf(window->lbVraag);
    press(window, Qt::Key_0 + WrongOption(window));
    press(window, Qt::Key_Space);
    QStringList asked;
    for (int i = 0; i < 4; ++i) {
        asked.append(nameOf(window->lbVraag));
        press(window, Qt::Key_0 + RightOption(window));
        press(window, Qt::Key_Space);
    }
    QCOMPARE(asked.indexOf(first), 3);
}

void tst_PracticeWindow::progressSurvivesARestart()
{
    TOefenen *window = open();
    QCOMPARE(answerAllRight(window), 10);
    QVERIFY(!window->btAntwoord[0]->isEnabled());
    QCOMPARE(nameOf(window->lbVandaag), QStringLiteral("Vandaag: 0 te herhalen, 0 nieuw"));
    for (int row = 0; row < 5; ++row)
        QCOMPARE(nameOf(window->lbOverzicht[std::size_t(row)][0]), QStringLiteral("2"));

    // The program again, the same day: nothing more today.
    DestroyWindows();
    StartProgram(*qApp);
    window = open();
    QCOMPARE(nameOf(window->lbVandaag), QStringLiteral("Vandaag: 0 te herhalen, 0 nieuw"));
    QCOMPARE(nameOf(window->lbOverzicht[4][0]), QStringLiteral("2"));
    // Thirty days on, all ten are due.
    window->close();
    m_program->platform().clock = m_program->platform().clock.addDays(30);
    window = open();
    QCOMPARE(nameOf(window->lbVandaag), QStringLiteral("Vandaag: 10 te herhalen, 10 nieuw"));
    QCOMPARE(nameOf(window->lbOverzicht[0][2]), QStringLiteral("2"));
    QCOMPARE(nameOf(window->lbVraag), QStringLiteral("Welke trefwoorden horen bij 01) Ruiter?"));
}

void tst_PracticeWindow::sittingPastMidnightStartsTheNewDay()
{
    TOefenen *window = open();
    press(window, Qt::Key_0 + WrongOption(window));
    QCOMPARE(nameOf(window->lbVandaag), QStringLiteral("Vandaag: 1 te herhalen, 9 nieuw"));
    m_program->platform().clock = m_program->platform().clock.addDays(1);
    press(window, Qt::Key_Space);
    // A new day's ten new items, and yesterday's wrong one first.
    QCOMPARE(nameOf(window->lbVandaag), QStringLiteral("Vandaag: 1 te herhalen, 10 nieuw"));
    QCOMPARE(nameOf(window->lbVraag), QStringLiteral("Welke trefwoorden horen bij 01) Ruiter?"));
}

void tst_PracticeWindow::newPerDayIsASetting()
{
    TOefenen *window = open();
    QCOMPARE(window->edNieuw->value(), 10);
    window->edNieuw->setFocus();
    window->edNieuw->selectAll();
    // Digits typed here set the number; they answer nothing.
    QTest::keyClicks(window->edNieuw, QStringLiteral("3"));
    QTest::keyClick(window->edNieuw, Qt::Key_Return);
    QCOMPARE(window->edNieuw->value(), 3);
    QVERIFY(nameOf(window->lbUitslag).isEmpty());
    QCOMPARE(nameOf(window->lbVandaag), QStringLiteral("Vandaag: 0 te herhalen, 3 nieuw"));
    QCOMPARE(m_program->lines(QStringLiteral("Oefenlijst.txt")), QStringList{"instelling nieuw-per-dag 3"});
    window->close();
    window = open();
    QCOMPARE(window->edNieuw->value(), 3);
}

void tst_PracticeWindow::escapeClosesOnlyThisWindow()
{
    TForm1 *main = Windows().Form1;
    QSignalSpy ends(main, &TForm1::programEnds);
    TOefenen *window = open();
    QTest::keyClick(window->lbVraag, Qt::Key_Escape);
    QVERIFY(!window->isVisible());
    QVERIFY(main->isVisible());
    QCOMPARE(ends.count(), 0);
}

void tst_PracticeWindow::helpOpensAtItsChapter()
{
    TOefenen *window = open();
    window->btHelp->click();
    THelpInfo *help = Windows().HelpInfo;
    QVERIFY(help->isVisible());
    QCOMPARE(help->Memo1->textCursor().selectedText(), QStringLiteral("- Oefenen"));
    QVERIFY(HelpText().contains(QStringLiteral("16. Oefenen\n===========\n")));
}

void tst_PracticeWindow::damagedLineIsReportedOnce()
{
    m_program->write(
        QStringLiteral("Oefenlijst.txt"),
        {QStringLiteral("kaart-trefwoorden 01 2026-12-08 0.4026 7.1949 1 1 2026-12-08 2026-12-08"),
         QStringLiteral("kaart-trefwoorden 02 morgen")});
    TOefenen *window = open();
    QCOMPARE(
        m_program->platform().messages,
        QStringList{"In Oefenlijst.txt is regel 2 beschadigd. Die regel wordt overgeslagen en blijft in het "
                    "bestand staan."});
    // The good line counts: card 1 is due again today.
    QCOMPARE(nameOf(window->lbVandaag), QStringLiteral("Vandaag: 1 te herhalen, 9 nieuw"));
    press(window, Qt::Key_0 + RightOption(window));
    window->close();
    open();
    QCOMPARE(m_program->platform().messages.size(), 1);
    QVERIFY(m_program->lines(QStringLiteral("Oefenlijst.txt"))
                .contains(QStringLiteral("kaart-trefwoorden 02 morgen")));
}

void tst_PracticeWindow::unusableFileIsReported()
{
    QVERIFY(QDir().mkdir(QStringLiteral("Oefenlijst.txt")));
    TOefenen *window = open();
    QCOMPARE(
        m_program->platform().messages,
        QStringList{"Oefenlijst.txt is geen gewoon bestand en wordt niet gebruikt. Wat u nu oefent, wordt "
                    "niet bewaard."});
    // Practising goes on; each answer says it is not kept.
    press(window, Qt::Key_0 + RightOption(window));
    QCOMPARE(nameOf(window->lbUitslag), QStringLiteral("Goed"));
    QCOMPARE(
        m_program->platform().messages.last(),
        QStringLiteral("Oefenlijst.txt is geen gewoon bestand en wordt niet gebruikt. Dit antwoord is niet "
                       "bewaard."));
    QVERIFY(QFileInfo(QStringLiteral("Oefenlijst.txt")).isDir());
}

QTEST_MAIN(tst_PracticeWindow)
#include "tst_practice_window.moc"
