#include "app/main_window.h"
#include "app/window_set.h"
#include "program_fixture.h"
#include "saved/analysis_window.h"
#include "saved/list_window.h"
#include "saved/saved_list.h"
#include "saved/selection_window.h"

#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

using namespace tessaly;

namespace {

const QStringList Journal = {
    QStringLiteral("01.jan.21 (a) / 05 05 12"),
    QStringLiteral("02.feb.21 *(vraag 07) / 15 16 17 18 19"),
    QStringLiteral("03.mrt.26 #(9-Kaart) / 06 04 07 01 02 03 08 05 09"),
    QStringLiteral("04.apr.10 (b) / 01 02 03"),
    QStringLiteral("losse regel"),
};

} // namespace

class tst_AnalysisWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void countsAllYears();
    void presentations();
    void yearPrompt_data();
    void yearPrompt();
    void stepping_data();
    void stepping();
    void resetAndCloseReturnToAllYears();
    void missingFile();
    void selectHandsOver_data();
    void selectHandsOver();
    void selectWithoutRowShowsNothing();
    void copy();
    void escapeEndsProgram();

private:
    TAnalyseBox *analysis() const { return Windows().AnalyseBox; }
    TSelectie *selection() const { return Windows().Selectie; }
    // The count shown for card in the Standaard view; -1 when it has no row.
    int countOf(int card) const;
    void chooseRow(int row);
    QScopedPointer<ProgramFixture> m_program;
};

void tst_AnalysisWindow::init()
{
    m_program.reset(new ProgramFixture);
    m_program->write(ListFile, Journal);
    Windows().Verleden->RefreshList();
    analysis()->show();
}

void tst_AnalysisWindow::cleanup()
{
    m_program.reset();
}

int tst_AnalysisWindow::countOf(int card) const
{
    for (const QString &row : analysis()->rows())
        if (row.endsWith(QStringLiteral(" x ") + CardNames[card]))
            return row.section(u'x', 0, 0).trimmed().toInt();
    return -1;
}

void tst_AnalysisWindow::chooseRow(int row)
{
    QListView *view = analysis()->lbAnalyse;
    const QRect place = view->visualRect(view->model()->index(row, 0));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, place.center());
}

void tst_AnalysisWindow::countsAllYears()
{
    QVERIFY(!Windows().Verleden->isVisible());
    QCOMPARE(analysis()->lbAantal->text(), QStringLiteral("Aantal Vragen: 5"));
    QCOMPARE(analysis()->rows().size(), CardCount);
    QCOMPARE(countOf(5), 2); // twice in the first entry, counted once
    QCOMPARE(countOf(12), 1);
    QCOMPARE(countOf(7), 1); // the nine-card entry, not the remark " 07"
    QCOMPARE(countOf(1), 2);
    QCOMPARE(countOf(36), 0);
    QCOMPARE(analysis()->btFilter->text(), QStringLiteral("Filter Jaar"));
}

void tst_AnalysisWindow::presentations()
{
    analysis()->rbSort->click();
    QCOMPARE(analysis()->rows().first(), QStringLiteral("01) Ruiter x   2"));
    analysis()->rbToon->click();
    QCOMPARE(analysis()->rows().last(), QStringLiteral("  2 x 05) Boom"));
    QCOMPARE(analysis()->rows().first(), QStringLiteral("  0 x 10) Zeisen"));
    analysis()->rbDef->click();
    QCOMPARE(analysis()->rows().first(), QStringLiteral("  0 x Anker"));
    QCOMPARE(analysis()->rows().last(), QStringLiteral("  2 x Schip"));
}

void tst_AnalysisWindow::yearPrompt_data()
{
    QTest::addColumn<std::optional<QString>>("answer");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("countLine");
    QTest::addColumn<int>("cardFive");
    QTest::newRow("four digits") << std::optional<QString>(QStringLiteral("2021")) << "21"
                                 << "Aantal vragen: 2" << 1;
    QTest::newRow("one digit matches nothing") << std::optional<QString>(QStringLiteral("9")) << "9"
                                               << "Aantal vragen: 0" << 0;
    QTest::newRow("empty answer: all years") << std::optional<QString>(QString()) << "Filter Jaar"
                                             << "Aantal Vragen: 5" << 2;
    QTest::newRow("cancel: all years") << std::optional<QString>() << "Filter Jaar"
                                       << "Aantal Vragen: 5" << 2;
}

void tst_AnalysisWindow::yearPrompt()
{
    QFETCH(std::optional<QString>, answer);
    QFETCH(QString, caption);
    QFETCH(QString, countLine);
    QFETCH(int, cardFive);
    m_program->platform().inputAnswers = {answer};
    analysis()->btFilter->click();
    QCOMPARE(m_program->platform().inputs, QStringList{QStringLiteral("Analyseer Jaar:|Jaar: |")});
    QCOMPARE(analysis()->btFilter->text(), caption);
    QCOMPARE(analysis()->lbAantal->text(), countLine);
    QCOMPARE(countOf(5), cardFive);
    // A presentation change keeps the year.
    analysis()->rbToon->click();
    QCOMPARE(analysis()->lbAantal->text(), countLine);
}

void tst_AnalysisWindow::stepping_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("clicks"); // "<" or ">"
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("countLine");
    QTest::newRow("<<< on 10 gives 09") << "10" << QStringList{"<"} << "09"
                                        << "Aantal vragen: 0";
    QTest::newRow(">>> on 09 gives 10") << "09" << QStringList{">"} << "10"
                                        << "Aantal vragen: 1";
    QTest::newRow("up to 21") << "19" << QStringList{">", ">"} << "21"
                              << "Aantal vragen: 2";
    QTest::newRow("not below 00") << "00" << QStringList{"<"} << "00"
                                  << "Aantal vragen: 0";
    QTest::newRow("not above 99") << "99" << QStringList{">"} << "99"
                                  << "Aantal vragen: 0";
    QTest::newRow("not from a year that is no number") << "ab" << QStringList{"<", ">"} << "ab"
                                                       << "Aantal vragen: 0";
}

void tst_AnalysisWindow::stepping()
{
    QFETCH(QString, typed);
    QFETCH(QStringList, clicks);
    QFETCH(QString, caption);
    QFETCH(QString, countLine);
    m_program->platform().inputAnswers = {typed};
    analysis()->btFilter->click();
    for (const QString &click : clicks)
        (click == QLatin1String("<") ? analysis()->btLess : analysis()->btMore)->click();
    QCOMPARE(analysis()->btFilter->text(), caption);
    QCOMPARE(analysis()->lbAantal->text(), countLine);
}

void tst_AnalysisWindow::resetAndCloseReturnToAllYears()
{
    // With no year set the arrows do nothing.
    analysis()->btLess->click();
    QCOMPARE(analysis()->btFilter->text(), QStringLiteral("Filter Jaar"));

    m_program->platform().inputAnswers = {QStringLiteral("21")};
    analysis()->btFilter->click();
    analysis()->btReset->click();
    QCOMPARE(analysis()->btFilter->text(), QStringLiteral("Filter Jaar"));
    QCOMPARE(analysis()->lbAantal->text(), QStringLiteral("Aantal Vragen: 5"));

    // Closing forgets the year but keeps the presentation.
    m_program->platform().inputAnswers = {QStringLiteral("21")};
    analysis()->btFilter->click();
    analysis()->rbSort->click();
    analysis()->OKButton->click();
    QVERIFY(!analysis()->isVisible());
    analysis()->show();
    QCOMPARE(analysis()->btFilter->text(), QStringLiteral("Filter Jaar"));
    QCOMPARE(analysis()->lbAantal->text(), QStringLiteral("Aantal Vragen: 5"));
    QVERIFY(analysis()->rbSort->isChecked());
    // The prompt starts empty again.
    m_program->platform().inputAnswers = {std::nullopt};
    analysis()->btFilter->click();
    QCOMPARE(m_program->platform().inputs.last(), QStringLiteral("Analyseer Jaar:|Jaar: |"));
}

void tst_AnalysisWindow::missingFile()
{
    const QStringList before = analysis()->rows();
    QVERIFY(QFile::remove(ListFile));
    analysis()->rbToon->click();
    QCOMPARE(analysis()->rows(), before);
    m_program->platform().inputAnswers = {QStringLiteral("21")};
    analysis()->btFilter->click();
    QCOMPARE(analysis()->lbAantal->text(), QStringLiteral("Aantal vragen: 0"));
    QVERIFY(m_program->platform().messages.isEmpty());
}

void tst_AnalysisWindow::selectHandsOver_data()
{
    QTest::addColumn<QString>("presentation");
    QTest::addColumn<QString>("year");
    QTest::addColumn<QString>("label");
    QTest::addColumn<int>("listed");
    QTest::newRow("Standaard") << "rbDef"
                               << ""
                               << "Selectie kaart: 1) Ruiter" << 2;
    QTest::newRow("Toon Kaartnummers") << "rbToon"
                                       << ""
                                       << "Selectie kaart: 1) Ruiter" << 2;
    QTest::newRow("Sorteer Kaartnummer") << "rbSort"
                                         << ""
                                         << "Selectie kaart: 01) Ruiter" << 2;
    QTest::newRow("with a year") << "rbSort"
                                 << "2026"
                                 << "Selectie 2026 kaart: 01) Ruiter" << 1;
}

void tst_AnalysisWindow::selectHandsOver()
{
    QFETCH(QString, presentation);
    QFETCH(QString, year);
    QFETCH(QString, label);
    QFETCH(int, listed);
    analysis()->findChild<QRadioButton *>(presentation)->click();
    if (!year.isEmpty()) {
        m_program->platform().inputAnswers = {year};
        analysis()->btFilter->click();
    }
    chooseRow(int(analysis()->rows().indexOf(QRegularExpression(QStringLiteral(".*Ruiter.*")))));
    analysis()->btSelect->click();
    QVERIFY(selection()->isVisible());
    QCOMPARE(selection()->SelectionCardNo, QStringLiteral("01"));
    QCOMPARE(selection()->Label1->text(), label);
    QCOMPARE(selection()->rows().size(), listed);
    // Back to all years closes the selection.
    analysis()->btReset->click();
    QVERIFY(!selection()->isVisible());
}

void tst_AnalysisWindow::selectWithoutRowShowsNothing()
{
    chooseRow(3);
    analysis()->btSelect->click();
    QVERIFY(selection()->isVisible());
    analysis()->rbToon->click(); // rows rebuilt: none chosen
    analysis()->btSelect->click();
    QVERIFY(!selection()->isVisible());
    QVERIFY(selection()->SelectionCardNo.isEmpty());
}

void tst_AnalysisWindow::copy()
{
    analysis()->btKoppie->click();
    const QString text = m_program->platform().clipboardText;
    QVERIFY(text.endsWith(QStringLiteral("  2 x Schip\r\n")));
    QCOMPARE(text.count(QStringLiteral("\r\n")), CardCount);
    QCOMPARE(text, analysis()->rows().join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"));
}

void tst_AnalysisWindow::escapeEndsProgram()
{
    QSignalSpy ends(Windows().Form1, &TForm1::programEnds);
    QTest::keyClick(analysis()->lbAnalyse, Qt::Key_Escape);
    QCOMPARE(ends.size(), 1);
    QVERIFY(!analysis()->isVisible());
}

QTEST_MAIN(tst_AnalysisWindow)
#include "tst_analysis_window.moc"
