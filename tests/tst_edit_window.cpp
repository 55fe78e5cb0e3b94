#include "app/window_set.h"
#include "program_fixture.h"
#include "saved/analysis_window.h"
#include "saved/edit_window.h"
#include "saved/list_window.h"
#include "saved/saved_list.h"

#include <QDir>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QTest>

#include <unistd.h>

using namespace tessaly;

namespace {

const QStringList Journal = {
    QStringLiteral("08.dec.26 (a) / 01 02 03"),
    QStringLiteral("08.dec.26 *(b) / 04 05 06 07 08"),
    QStringLiteral("losse regel"),
    QStringLiteral("08.dec.26 #(9-Kaart) / 06 04 07 01 02 03 08 05 09"),
};

using Answers = QList<std::optional<QString>>;

} // namespace

class tst_EditWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void showsEveryLine();
    void editDateMovesEntryToAnotherYear();
    void editWholeLine_data();
    void editWholeLine();
    void cancelChangesNothing();
    void failedBackupChangesNothing();
    void fileChangedMeanwhileIsNotOverwritten();
    void fileChangedInPlaceIsNotOverwritten_data();
    void fileChangedInPlaceIsNotOverwritten();
    void restoreAfterDelete();
    void restoreQuestionAndMissingBackup();
    void restoreOverAnUnreadableJournal();
    void closeShowsListWindow();
    void longLineIsDrawnCut();
    void lineTooLongToEditIsRefused();

private:
    TBewerk *edit() const { return Windows().Bewerk; }
    ScriptedPlatform &platform() { return m_program->platform(); }
    void clickRow(int row);
    QScopedPointer<ProgramFixture> m_program;
};

void tst_EditWindow::init()
{
    m_program.reset(new ProgramFixture);
    m_program->write(ListFile, Journal);
    Windows().Verleden->RefreshList();
    Windows().Verleden->btBewHerst->click();
}

void tst_EditWindow::cleanup()
{
    m_program.reset();
}

void tst_EditWindow::clickRow(int row)
{
    QListView *view = edit()->lbxHerstel;
    const QRect place = view->visualRect(view->model()->index(row, 0));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, place.center());
}

void tst_EditWindow::showsEveryLine()
{
    QVERIFY(edit()->isVisible());
    QVERIFY(!Windows().Verleden->isVisible());
    QCOMPARE(edit()->rows(), Journal);
    QCOMPARE(edit()->selectedRow(), 3);
    QCOMPARE(edit()->lbReg->text(), QStringLiteral("Regel: 4"));
    clickRow(1);
    QCOMPARE(edit()->lbReg->text(), QStringLiteral("Regel: 2"));
    QTest::keyClick(edit()->lbxHerstel, Qt::Key_Down);
    QCOMPARE(edit()->lbReg->text(), QStringLiteral("Regel: 3"));
}

void tst_EditWindow::editDateMovesEntryToAnotherYear()
{
    clickRow(1);
    platform().inputAnswers = {QStringLiteral("08.dec.25 *(b) / 04 05 06 07 08")};
    edit()->btLijn->click();
    QCOMPARE(platform().inputs, QStringList{"Bewerk Regel:|Bewerk alles:|" + Journal[1]});
    QStringList expected = Journal;
    expected[1] = QStringLiteral("08.dec.25 *(b) / 04 05 06 07 08");
    QCOMPARE(m_program->lines(ListFile), expected);
    QCOMPARE(m_program->lines(ListBackup), Journal);
    QCOMPARE(edit()->rows(), expected);
    QCOMPARE(edit()->selectedRow(), 1);

    TAnalyseBox *analysis = Windows().AnalyseBox;
    analysis->show();
    platform().inputAnswers = {QStringLiteral("25")};
    analysis->btFilter->click();
    QCOMPARE(analysis->lbAantal->text(), QStringLiteral("Aantal vragen: 1"));
    QVERIFY(analysis->rows().contains(QStringLiteral("  1 x Huis")));
    analysis->btMore->click();
    QCOMPARE(analysis->lbAantal->text(), QStringLiteral("Aantal vragen: 2"));
}

void tst_EditWindow::editWholeLine_data()
{
    QTest::addColumn<Answers>("answers");
    QTest::addColumn<QList<bool>>("confirms");
    QTest::addColumn<QString>("line");       // what line 1 becomes
    QTest::addColumn<QStringList>("inputs"); // initial text of each prompt
    QTest::addColumn<QStringList>("messages");
    const QString broken = QStringLiteral("08.dec.26 (a) / 01 02");
    const QString fixed = QStringLiteral("08.dec.26 (a) / 01 02 09");
    QTest::newRow("a line of the list's form is stored at once")
        << Answers{fixed} << QList<bool>{} << fixed << QStringList{Journal[0]} << QStringList{};
    QTest::newRow("kept after the warning")
        << Answers{broken} << QList<bool>{true} << broken << QStringList{Journal[0]} << QStringList{};
    QTest::newRow("changed after the warning") << Answers{broken, fixed} << QList<bool>{false} << fixed
                                               << QStringList{Journal[0], broken} << QStringList{};
    QTest::newRow("an empty line after the warning")
        << Answers{QString()} << QList<bool>{true} << QString() << QStringList{Journal[0]} << QStringList{};
    const QString foreign = QStringLiteral("08.dec.26 (a \u2713) / 01 02 03");
    QTest::newRow("characters the file cannot hold are offered again")
        << Answers{foreign, fixed} << QList<bool>{} << fixed << QStringList{Journal[0], foreign}
        << QStringList{QStringLiteral("Deze tekens kunnen niet bewaard worden: \u2713")};
    const QString twoLines = QStringLiteral("08.dec.26 (a) / 01 02 03\n08.dec.26 (b) / 01 02 03");
    QTest::newRow("a line break is offered again")
        << Answers{twoLines, fixed} << QList<bool>{} << fixed << QStringList{Journal[0], twoLines}
        << QStringList{QStringLiteral("Deze tekens kunnen niet bewaard worden: \u21B5")};
}

void tst_EditWindow::editWholeLine()
{
    QFETCH(Answers, answers);
    QFETCH(QList<bool>, confirms);
    QFETCH(QString, line);
    QFETCH(QStringList, inputs);
    QFETCH(QStringList, messages);
    clickRow(0);
    platform().inputAnswers = answers;
    platform().confirmAnswers = confirms;
    edit()->btLijn->click();
    QStringList prompted;
    for (const QString &input : platform().inputs)
        prompted.append(input.section(u'|', 2));
    QCOMPARE(prompted, inputs);
    QCOMPARE(platform().messages, messages);
    QCOMPARE(platform().confirmations.size(), confirms.size());
    QVERIFY(platform().unanswered.isEmpty());
    QStringList expected = Journal;
    expected[0] = line;
    QCOMPARE(m_program->lines(ListFile), expected);
    QCOMPARE(edit()->rows(), expected);
    QCOMPARE(platform().busyDepth, 0);
}

void tst_EditWindow::cancelChangesNothing()
{
    QVERIFY(!QFile::exists(ListBackup));
    platform().inputAnswers = {std::nullopt};
    edit()->btLijn->click();
    QCOMPARE(platform().messages, QStringList{QStringLiteral("Niets veranderd!")});
    QCOMPARE(m_program->lines(ListFile), Journal);
    QCOMPARE(m_program->lines(ListBackup), Journal);
    QCOMPARE(edit()->rows(), Journal);
}

void tst_EditWindow::failedBackupChangesNothing()
{
    QVERIFY(QDir().mkdir(ListBackup));
    edit()->btLijn->click();
    QCOMPARE(platform().messages.size(), 1);
    QVERIFY(platform().messages.first().contains(ListBackup));
    QVERIFY(platform().inputs.isEmpty());
    QCOMPARE(m_program->lines(ListFile), Journal);
    // An unreadable backup is not put back either.
    platform().confirmAnswers = {true};
    edit()->btBack->click();
    QCOMPARE(platform().messages.size(), 2);
    QCOMPARE(m_program->lines(ListFile), Journal);
}

void tst_EditWindow::fileChangedMeanwhileIsNotOverwritten()
{
    const QStringList saved = Journal + QStringList{QStringLiteral("08.dec.26 (nieuw) / 09 10 11")};
    m_program->write(ListFile, saved);
    platform().inputAnswers = {QStringLiteral("08.dec.26 (a) / 01 02 09")};
    edit()->btLijn->click();
    QCOMPARE(platform().messages.size(), 1);
    QVERIFY(platform().messages.first().startsWith(QStringLiteral("Orvalis.txt is veranderd")));
    QVERIFY(platform().inputs.isEmpty());
    QCOMPARE(m_program->lines(ListFile), saved);
    QCOMPARE(edit()->rows(), saved);
    // From the reloaded rows the edit goes ahead.
    clickRow(4);
    edit()->btLijn->click();
    QStringList expected = saved;
    expected[4] = QStringLiteral("08.dec.26 (a) / 01 02 09");
    QCOMPARE(m_program->lines(ListFile), expected);
}

void tst_EditWindow::fileChangedInPlaceIsNotOverwritten_data()
{
    QTest::addColumn<QString>("button");
    QTest::newRow("whole-line edit") << "btLijn";
    QTest::newRow("restore") << "btBack";
}

void tst_EditWindow::fileChangedInPlaceIsNotOverwritten()
{
    QFETCH(QString, button);
    m_program->write(ListBackup, Journal.mid(1));
    // A sync tool rewrites a line with the same length and sets the time
    // back while the question is open.
    QStringList other = Journal;
    other[0] = QStringLiteral("08.dec.26 (z) / 01 02 03");
    platform().whileAsking = [&] { m_program->rewriteInPlace(ListFile, other); };
    platform().inputAnswers = {QStringLiteral("08.dec.26 (a) / 01 02 09")};
    platform().confirmAnswers = {true};
    edit()->findChild<QPushButton *>(button)->click();
    QCOMPARE(platform().messages,
             QStringList{QStringLiteral("Orvalis.txt is veranderd sinds het getoond werd. "
                                        "Niets veranderd; de lijst is opnieuw geladen.")});
    QCOMPARE(m_program->lines(ListFile), other);
    QCOMPARE(edit()->rows(), other);
}

void tst_EditWindow::restoreAfterDelete()
{
    edit()->btSluit->click();
    TVerleden *list = Windows().Verleden;
    QVERIFY(list->isVisible());
    list->selectRow(0);
    platform().confirmAnswers = {true};
    list->btWisSel->click();
    QCOMPARE(m_program->lines(ListFile), Journal.mid(1));

    list->btBewHerst->click();
    QCOMPARE(edit()->rows(), Journal.mid(1));
    for (int round = 0; round < 2; ++round) {
        platform().confirmAnswers = {true};
        edit()->btBack->click();
        QCOMPARE(m_program->lines(ListFile), Journal);
        QCOMPARE(m_program->lines(ListBackup), Journal);
        QCOMPARE(edit()->rows(), Journal);
        QCOMPARE(edit()->lbReg->text(), QStringLiteral("Regel: 4"));
    }
    QCOMPARE(platform().confirmations.last(), QStringLiteral("Lijst|Backup Lijst Terugzetten?!"));
    edit()->btSluit->click();
    QCOMPARE(list->rows(), Journal);
}

void tst_EditWindow::restoreQuestionAndMissingBackup()
{
    m_program->write(ListBackup, Journal.mid(0, 1));
    platform().confirmAnswers = {false};
    edit()->btBack->click();
    QCOMPARE(m_program->lines(ListFile), Journal);
    QVERIFY(QFile::remove(ListBackup));
    platform().confirmAnswers = {true};
    edit()->btBack->click();
    QCOMPARE(platform().messages, QStringList{QStringLiteral("Backup niet gevonden.")});
    QCOMPARE(m_program->lines(ListFile), Journal);
    QCOMPARE(edit()->rows(), Journal);
}

// The backup is there for the day the journal can't be read.
void tst_EditWindow::restoreOverAnUnreadableJournal()
{
    if (::geteuid() == 0)
        QSKIP("the superuser reads a file without read permission");
    edit()->btSluit->click();
    m_program->write(ListBackup, Journal.mid(0, 2));
    // Unreadable but not read-only, as a sync tool or a disk fault can leave it.
    QVERIFY(QFile::setPermissions(ListFile, QFile::WriteOwner));
    Windows().Verleden->btBewHerst->click();
    QCOMPARE(platform().messages, QStringList{QStringLiteral("Kan Orvalis.txt niet lezen.")});
    platform().messages.clear();
    platform().confirmAnswers = {true};
    edit()->btBack->click();
    QCOMPARE(platform().messages, QStringList());
    QVERIFY(QFile::setPermissions(ListFile, QFile::ReadOwner | QFile::WriteOwner));
    QCOMPARE(m_program->lines(ListFile), Journal.mid(0, 2));
    QCOMPARE(edit()->rows(), Journal.mid(0, 2));
}

void tst_EditWindow::closeShowsListWindow()
{
    // Escape closes the window as its button does; the list shows the file.
    m_program->write(ListFile, Journal.mid(2));
    QTest::keyClick(edit()->lbxHerstel, Qt::Key_Escape);
    QVERIFY(!edit()->isVisible());
    QVERIFY(Windows().Verleden->isVisible());
    QCOMPARE(Windows().Verleden->rows(), Journal.mid(2));
}

void tst_EditWindow::longLineIsDrawnCut()
{
    const QString damaged =
        QStringLiteral("08.dec.26 (") + QString(200000, u'x') + QStringLiteral(") / 01 02 03");
    m_program->write(ListFile, {damaged, Journal[0]});
    edit()->btSluit->click();
    Windows().Verleden->btBewHerst->click();
    QCOMPARE(edit()->rows(), (QStringList{damaged, Journal[0]}));
    QCOMPARE(edit()->lbxHerstel->model()->index(0, 0).data().toString(), damaged.left(1000) + QChar(0x2026));
    // The edit is offered the whole line.
    clickRow(0);
    platform().inputAnswers = {Journal[1]};
    edit()->btLijn->click();
    QCOMPARE(platform().inputs, QStringList{QStringLiteral("Bewerk Regel:|Bewerk alles:|") + damaged});
    QCOMPARE(m_program->lines(ListFile), (QStringList{Journal[1], Journal[0]}));
}

void tst_EditWindow::lineTooLongToEditIsRefused()
{
    const QString damaged =
        QStringLiteral("08.dec.26 (") + QString(300000, u'x') + QStringLiteral(") / 01 02 03");
    m_program->write(ListFile, {damaged});
    edit()->btSluit->click();
    Windows().Verleden->btBewHerst->click();
    edit()->btLijn->click();
    QCOMPARE(platform().messages,
             QStringList{
                 QStringLiteral("Deze regel is met 300023 tekens te lang om hier te bewerken. Wis hem in de "
                                "lijst, of bewerk Orvalis.txt in een teksteditor.")});
    QVERIFY(platform().inputs.isEmpty());
    QCOMPARE(m_program->lines(ListFile), QStringList{damaged});
    QVERIFY(!QFile::exists(ListBackup));
}

QTEST_MAIN(tst_EditWindow)
#include "tst_edit_window.moc"
