#include "app/main_window.h"
#include "app/shared_state.h"
#include "app/window_set.h"
#include "program_fixture.h"
#include "saved/list_window.h"
#include "saved/save_spread.h"
#include "saved/saved_list.h"
#include "spreads/line_of_five_window.h"
#include "spreads/nine_card_window.h"

#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTest>

using namespace tessaly;

namespace {
const QString Prompt = QStringLiteral("Bewaren in Orvalis.txt?|Max 90 tekens\rZonder: *, #, /|");
}

class tst_SaveSpread : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void savesDefaultRemarkByteForByte();
    void remarks_data();
    void remarks();
    void forbiddenCharacterIsOfferedAgain_data();
    void forbiddenCharacterIsOfferedAgain();
    void cancelWritesNothing();
    void secondSaveIsRefused();
    void visibleWindowDecidesKind_data();
    void visibleWindowDecidesKind();
    void noDayLineWithoutAlsoDayList();
    void failedBackupIsReportedAndLosesNothing();
    void unreadableListSavesNothing();
    void openListWithoutFile();

private:
    void chooseCards(int a, int b, int c);
    TForm1 *main() const { return Windows().Form1; }
    QScopedPointer<ProgramFixture> m_program;
};

void tst_SaveSpread::init()
{
    m_program.reset(new ProgramFixture);
}

void tst_SaveSpread::cleanup()
{
    m_program.reset();
}

void tst_SaveSpread::chooseCards(int a, int b, int c)
{
    main()->SelectCard(1, a);
    main()->SelectCard(2, b);
    main()->SelectCard(3, c);
}

void tst_SaveSpread::savesDefaultRemarkByteForByte()
{
    ScriptedPlatform &platform = m_program->platform();
    m_program->write(ListFile, {QStringLiteral("07.dec.26 (oud) / 04 05 06")});
    chooseCards(1, 2, 3);
    platform.inputAnswers = {QStringLiteral("Ruiter, Klaverblad, Schip")};
    main()->btBewaren->click();
    QCOMPARE(platform.inputs, QStringList{Prompt + QStringLiteral("Ruiter, Klaverblad, Schip")});
    QCOMPARE(
        m_program->bytes(ListFile),
        QByteArray("07.dec.26 (oud) / 04 05 06\r\n08.dec.26 (Ruiter, Klaverblad, Schip) / 01 02 03\r\n"));
    QCOMPARE(m_program->bytes(ListBackup), m_program->bytes(ListFile));
    QCOMPARE(m_program->bytes(DayCardFile),
             QByteArray("08.dec.26 (Ruiter, Klaverblad, Schip) [0] 01 02 03\r\n"));
    QVERIFY(Shared().SpreadSaved);
    QVERIFY(Shared().CarrySaved);
    QCOMPARE(platform.busyDepth, 0);
    QVERIFY(platform.busyCalls > 0);
    QVERIFY(platform.messages.isEmpty());
    // The list window is reloaded even while hidden.
    QCOMPARE(Windows().Verleden->rows().size(), 2);
}

void tst_SaveSpread::remarks_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("dayLine");
    const QString ninety = QString(90, u'a');
    QTest::newRow("empty") << ""
                           << "08.dec.26 (...) / 01 02 03"
                           << "08.dec.26 () [0] 01 02 03";
    QTest::newRow("95 cut to 90") << QString(95, u'a') << "08.dec.26 (" + ninety + ") / 01 02 03"
                                  << "08.dec.26 (" + ninety + ") [0] 01 02 03";
    QTest::newRow("slash beyond the cut") << ninety + "a/b/c"
                                          << "08.dec.26 (" + ninety + ") / 01 02 03"
                                          << "08.dec.26 (" + ninety + ") [0] 01 02 03";
    QTest::newRow("Windows-1252 letters") << "café — „ja”"
                                          << "08.dec.26 (café — „ja”) / 01 02 03"
                                          << "08.dec.26 (café — „ja”) [0] 01 02 03";
}

void tst_SaveSpread::remarks()
{
    QFETCH(QString, answer);
    QFETCH(QString, line);
    QFETCH(QString, dayLine);
    chooseCards(1, 2, 3);
    m_program->platform().inputAnswers = {answer};
    main()->btBewaren->click();
    QCOMPARE(m_program->lines(ListFile), QStringList{line});
    QCOMPARE(m_program->lines(DayCardFile), QStringList{dayLine});
    QVERIFY(m_program->platform().messages.isEmpty());
}

void tst_SaveSpread::forbiddenCharacterIsOfferedAgain_data()
{
    QTest::addColumn<QString>("rejected");
    QTest::addColumn<QString>("message");
    QTest::newRow("hash") << "vraag #1"
                          << "Niet toegestaan getal of teken: * , # , /";
    QTest::newRow("star") << "*"
                          << "Niet toegestaan getal of teken: * , # , /";
    QTest::newRow("outside Windows-1252") << "liefde \u2665"
                                          << "Deze tekens kunnen niet bewaard worden: \u2665";
    QTest::newRow("line break") << "twee\nregels"
                                << "Deze tekens kunnen niet bewaard worden: \u21B5";
}

void tst_SaveSpread::forbiddenCharacterIsOfferedAgain()
{
    QFETCH(QString, rejected);
    QFETCH(QString, message);
    ScriptedPlatform &platform = m_program->platform();
    chooseCards(7, 8, 9);
    platform.inputAnswers = {rejected, QStringLiteral("goed")};
    main()->btBewaren->click();
    QCOMPARE(platform.messages, QStringList{message});
    QCOMPARE(platform.inputs.size(), 2);
    QCOMPARE(platform.inputs[1], Prompt + rejected);
    QCOMPARE(m_program->lines(ListFile), QStringList{QStringLiteral("08.dec.26 (goed) / 07 08 09")});
}

void tst_SaveSpread::cancelWritesNothing()
{
    chooseCards(1, 2, 3);
    m_program->platform().inputAnswers = {std::nullopt};
    main()->btBewaren->click();
    QVERIFY(!QFile::exists(ListFile));
    QVERIFY(!QFile::exists(ListBackup));
    QVERIFY(!QFile::exists(DayCardFile));
    QVERIFY(!Shared().SpreadSaved);
    QVERIFY(!Shared().CarrySaved);
    QCOMPARE(m_program->platform().busyDepth, 0);
}

void tst_SaveSpread::secondSaveIsRefused()
{
    ScriptedPlatform &platform = m_program->platform();
    chooseCards(1, 2, 3);
    platform.inputAnswers = {QStringLiteral("een"), QStringLiteral("twee")};
    main()->btBewaren->click();
    main()->btBewaren->click();
    QCOMPARE(platform.messages, QStringList{QStringLiteral("   Legging is al Bewaard!")});
    QCOMPARE(m_program->lines(ListFile).size(), 1);
    // A changed card allows the next save.
    main()->SelectCard(2, 5);
    main()->btBewaren->click();
    QCOMPARE(m_program->lines(ListFile).size(), 2);
}

void tst_SaveSpread::visibleWindowDecidesKind_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<bool>("expanded");
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("dayLine");
    QTest::newRow("line of five") << "Form2" << false << "08.dec.26 *(vraag over werk) / 12 05 09 00 33"
                                  << "08.dec.26 (vraag over werk) [0] 12 05 09";
    QTest::newRow("line of five, expanded")
        << "Form2" << true << "08.dec.26 #(vraag over werk) / 12 05 09 00 33 01 02 03 04"
        << "08.dec.26 (vraag over werk) [0] 00 33 01";
    QTest::newRow("nine-card window")
        << "Form3" << false << "08.dec.26 #(vraag over werk) / 12 05 09 00 33 01 02 03 04"
        << "08.dec.26 (vraag over werk) [0] 00 33 01";
}

void tst_SaveSpread::visibleWindowDecidesKind()
{
    QFETCH(QString, window);
    QFETCH(bool, expanded);
    QFETCH(QString, line);
    QFETCH(QString, dayLine);
    QWidget *shown =
        window == QLatin1String("Form2") ? static_cast<QWidget *>(Windows().Form2) : Windows().Form3;
    shown->show();
    SharedState &shared = Shared();
    shared.LineExpanded = expanded;
    const QStringList cards = {"12", "05", "09", "00", "33", "01", "02", "03", "04"};
    for (int i = 1; i <= 9; ++i)
        shared.SaveCards[i] = cards[i - 1];
    shared.SpreadSaved = false;
    shared.SaveRemark = QStringLiteral("standaard");
    m_program->platform().inputAnswers = {QStringLiteral("vraag over werk")};
    SaveSpread();
    QCOMPARE(m_program->lines(ListFile), QStringList{line});
    QCOMPARE(m_program->lines(DayCardFile), QStringList{dayLine});
}

void tst_SaveSpread::noDayLineWithoutAlsoDayList()
{
    Shared().AlsoDayList = false;
    chooseCards(1, 2, 3);
    m_program->platform().inputAnswers = {QStringLiteral("x")};
    main()->btBewaren->click();
    QCOMPARE(m_program->lines(ListFile).size(), 1);
    QVERIFY(!QFile::exists(DayCardFile));
}

void tst_SaveSpread::failedBackupIsReportedAndLosesNothing()
{
    // Root ignores permissions: a directory where the backup must go makes
    // that write fail.
    const QStringList old = {QStringLiteral("01.dec.26 (oud) / 04 05 06"),
                             QStringLiteral("02.dec.26 (ouder) / 07 08 09")};
    m_program->write(ListFile, old);
    QVERIFY(QDir().mkdir(ListBackup));
    chooseCards(1, 2, 3);
    m_program->platform().inputAnswers = {QStringLiteral("nieuw")};
    main()->btBewaren->click();
    QCOMPARE(m_program->platform().messages,
             QStringList{QStringLiteral("Orvalis.bak is geen gewoon bestand en wordt niet gebruikt.")});
    QCOMPARE(m_program->lines(ListFile), old + QStringList{QStringLiteral("08.dec.26 (nieuw) / 01 02 03")});
}

void tst_SaveSpread::unreadableListSavesNothing()
{
    QVERIFY(QDir().mkdir(ListFile));
    chooseCards(1, 2, 3);
    m_program->platform().inputAnswers = {QStringLiteral("nieuw")};
    main()->btBewaren->click();
    QCOMPARE(m_program->platform().messages,
             QStringList{QStringLiteral("Orvalis.txt is geen gewoon bestand en wordt niet gebruikt.")});
    QVERIFY(!Shared().SpreadSaved);
    QVERIFY(!QFile::exists(DayCardFile));
    QVERIFY(!QFile::exists(ListBackup));
}

void tst_SaveSpread::openListWithoutFile()
{
    main()->btOpenen->click();
    QCOMPARE(m_program->platform().messages, QStringList{QStringLiteral("Er zijn nog geen vragen bewaard!")});
    QVERIFY(!Windows().Verleden->isVisible());
    m_program->write(ListFile, {QStringLiteral("08.dec.26 (a) / 01 02 03")});
    main()->btOpenen->click();
    QVERIFY(Windows().Verleden->isVisible());
}

QTEST_MAIN(tst_SaveSpread)
#include "tst_save_spread.moc"
