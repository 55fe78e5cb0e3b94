#include "app/main_window.h"
#include "app/shared_state.h"
#include "app/window_set.h"
#include "program_fixture.h"
#include "saved/list_window.h"
#include "saved/saved_list.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QSignalSpy>
#include <QStringEncoder>
#include <QTest>

using namespace tessaly;

namespace {

const QStringList Journal = {
    QStringLiteral("01.dec.26 (Ruiter, Klaverblad, Schip) / 01 02 03"),
    QStringLiteral("02.dec.26 *(werk (nieuw)) / 07 01 02 03 09"),
    QStringLiteral("03.dec.26 #(9-Kaart) / 06 04 07 10 11 12 08 05 09"),
    QStringLiteral("04.dec.26 (Huis, Boom, Wolken) / 04 05 06"),
    QStringLiteral("losse regel zonder soort"),
    QStringLiteral("05.dec.26 (kapot) / 01 xx 03"),
};

} // namespace

class tst_ListWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void refreshShowsWholeFile();
    void kindFilter_data();
    void kindFilter();
    void clickShowsFileLine();
    void enterOpensIntoMainWindow();
    void arrowsOpenNeighbours_data();
    void arrowsOpenNeighbours();
    void severalSelectedOpenNothing();
    void malformedRowOpensNothing();
    void deleteSelection();
    void deleteFromFilteredViewTakesLastEqualLine();
    void cancelDeleteChangesNothing();
    void emptyList();
    void editRemark();
    void editRemarkRefusals_data();
    void editRemarkRefusals();
    void duplicates();
    void search();
    void copyList();
    void enterPressesFocusedButton_data();
    void enterPressesFocusedButton();
    void endKeyOpensAllKinds();
    void saveAddsRowWithoutReload();
    void changedFileIsNotOverwritten_data();
    void changedFileIsNotOverwritten();
    void saveKeepsLinesChangedInPlace();
    void markedJournal_data();
    void markedJournal();
    void longLineIsDrawnCut();
    void remarkTooLongToEditIsRefused();

private:
    TVerleden *list() const { return Windows().Verleden; }
    TForm1 *main() const { return Windows().Form1; }
    void key(Qt::Key k) { QTest::keyClick(list()->lbxLijst, k); }
    QScopedPointer<ProgramFixture> m_program;
};

void tst_ListWindow::init()
{
    m_program.reset(new ProgramFixture);
    m_program->write(ListFile, Journal);
    list()->RefreshList();
}

void tst_ListWindow::cleanup()
{
    m_program.reset();
}

void tst_ListWindow::refreshShowsWholeFile()
{
    QVERIFY(list()->isVisible());
    QCOMPARE(list()->rows(), Journal);
    QCOMPARE(list()->ListEntryCount, 6);
    QCOMPARE(list()->lbAantal->text(), QStringLiteral("Aantal vragen: 6"));
    QCOMPARE(list()->currentRow(), 5);
    QVERIFY(list()->selectedRows().isEmpty());
    QVERIFY(list()->btDubbel->isEnabled());
}

void tst_ListWindow::kindFilter_data()
{
    QTest::addColumn<bool>("three");
    QTest::addColumn<bool>("five");
    QTest::addColumn<bool>("nine");
    QTest::addColumn<QList<int>>("shown");
    QTest::addColumn<QString>("count");
    QTest::newRow("three") << true << false << false << QList<int>{0, 3, 5} << "Aantal vragen: 3 v 6";
    QTest::newRow("five, remark with ' ('")
        << false << true << false << QList<int>{1} << "Aantal vragen: 1 v 6";
    QTest::newRow("nine") << false << false << true << QList<int>{2} << "Aantal vragen: 1 v 6";
    QTest::newRow("five and nine") << false << true << true << QList<int>{1, 2} << "Aantal vragen: 2 v 6";
    QTest::newRow("three and nine") << true << false << true << QList<int>{0, 2, 3, 5}
                                    << "Aantal vragen: 4 v 6";
    QTest::newRow("all, kindless line too")
        << true << true << true << QList<int>{0, 1, 2, 3, 4, 5} << "Aantal vragen: 6 v 6";
    QTest::newRow("none") << false << false << false << QList<int>{} << "Aantal vragen: 6 (Verborgen)";
}

void tst_ListWindow::kindFilter()
{
    QFETCH(bool, three);
    QFETCH(bool, five);
    QFETCH(bool, nine);
    QFETCH(QList<int>, shown);
    QFETCH(QString, count);
    for (QCheckBox *box : {list()->cbDrieK, list()->cbVijfK, list()->cbNegenK})
        box->setChecked(false);
    list()->cbDrieK->setChecked(three);
    list()->cbVijfK->setChecked(five);
    list()->cbNegenK->setChecked(nine);
    QStringList expected;
    for (const int line : shown)
        expected.append(Journal[line]);
    QCOMPARE(list()->rows(), expected);
    QCOMPARE(list()->lbAantal->text(), count);
    QCOMPARE(list()->lbSel->isVisible(), three && five && nine);
}

void tst_ListWindow::clickShowsFileLine()
{
    const QRect row = list()->lbxLijst->visualRect(list()->lbxLijst->model()->index(3, 0));
    QTest::mouseClick(list()->lbxLijst->viewport(), Qt::LeftButton, {}, row.center());
    QCOMPARE(list()->SelectedFileLine, 4);
    QCOMPARE(list()->lbSel->text(), QStringLiteral("Regel: 4"));
    // A click opens nothing.
    QVERIFY(main()->ComboBox[1]->currentText() != CardTitle(4) || Shared().MainSlotCards[2] != 5);
}

void tst_ListWindow::enterOpensIntoMainWindow()
{
    list()->selectRow(3);
    key(Qt::Key_Return);
    QCOMPARE(Shared().MainSlotCards[1], 4);
    QCOMPARE(Shared().MainSlotCards[2], 5);
    QCOMPARE(Shared().MainSlotCards[3], 6);
    QCOMPARE(Shared().MainSlotCards[4], 15);
    QCOMPARE(main()->ComboBox[2]->currentText(), QStringLiteral("05) Boom"));
    QVERIFY(Shared().SpreadSaved);
    // A nine-card entry gives the main window its middle row; a double-click
    // opens as Enter does.
    list()->selectRow(2);
    const QRect row = list()->lbxLijst->visualRect(list()->lbxLijst->model()->index(2, 0));
    QTest::mouseClick(list()->lbxLijst->viewport(), Qt::LeftButton, {}, row.center());
    QTest::mouseDClick(list()->lbxLijst->viewport(), Qt::LeftButton, {}, row.center());
    QCOMPARE(Shared().MainSlotCards[1], 10);
    QCOMPARE(Shared().MainSlotCards[3], 12);
}

void tst_ListWindow::arrowsOpenNeighbours_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("key");
    QTest::addColumn<QList<int>>("cards"); // empty: nothing opened
    QTest::newRow("up opens the row above") << 3 << int(Qt::Key_Up) << QList<int>{10, 11, 12};
    QTest::newRow("down opens the row below") << 2 << int(Qt::Key_Down) << QList<int>{4, 5, 6};
    QTest::newRow("up on the first row") << 0 << int(Qt::Key_Up) << QList<int>{};
    QTest::newRow("down on the last row") << 5 << int(Qt::Key_Down) << QList<int>{};
}

void tst_ListWindow::arrowsOpenNeighbours()
{
    QFETCH(int, row);
    QFETCH(int, key);
    QFETCH(QList<int>, cards);
    main()->SelectCard(1, 30);
    main()->SelectCard(2, 31);
    main()->SelectCard(3, 32);
    list()->selectRow(row);
    this->key(Qt::Key(key));
    const QList<int> expected = cards.isEmpty() ? QList<int>{30, 31, 32} : cards;
    for (int k = 1; k <= 3; ++k)
        QCOMPARE(Shared().MainSlotCards[k], expected[k - 1]);
    QVERIFY(!list()->OpenPrevious && !list()->OpenNext);
    // Nothing opened at the ends: the spread on screen stays unsaved.
    QCOMPARE(Shared().SpreadSaved, !cards.isEmpty());
}

void tst_ListWindow::severalSelectedOpenNothing()
{
    main()->SelectCard(1, 30);
    Shared().LineOrderIndex = 3;
    list()->selectRow(0);
    list()->lbxLijst->selectionModel()->select(list()->lbxLijst->model()->index(3, 0),
                                               QItemSelectionModel::Select);
    key(Qt::Key_Return);
    QCOMPARE(Shared().MainSlotCards[1], 30);
    QVERIFY(Shared().SpreadSaved);
    QCOMPARE(Shared().LineOrderIndex, 0);
    QCOMPARE(Shared().NineCardOrderIndex, 1);
}

void tst_ListWindow::malformedRowOpensNothing()
{
    main()->SelectCard(1, 30);
    for (const int row : {4, 5}) {
        list()->selectRow(row);
        key(Qt::Key_Return);
        QCOMPARE(Shared().MainSlotCards[1], 30);
    }
    QVERIFY(m_program->platform().messages.isEmpty());
}

void tst_ListWindow::deleteSelection()
{
    m_program->platform().confirmAnswers = {true};
    list()->selectRow(1);
    list()->lbxLijst->selectionModel()->select(list()->lbxLijst->model()->index(3, 0),
                                               QItemSelectionModel::Select);
    list()->btWisSel->click();
    QCOMPARE(m_program->platform().confirmations,
             QStringList{QStringLiteral("Lijst|Selectie wordt verwijderd!")});
    QCOMPARE(m_program->lines(ListBackup), Journal);
    const QStringList left = {Journal[0], Journal[2], Journal[4], Journal[5]};
    QCOMPARE(m_program->lines(ListFile), left);
    QCOMPARE(list()->rows(), left);
    QCOMPARE(list()->lbAantal->text(), QStringLiteral("Aantal vragen: 4"));
    QVERIFY(list()->isEnabled());
}

void tst_ListWindow::deleteFromFilteredViewTakesLastEqualLine()
{
    QStringList journal = Journal;
    journal.append(QStringLiteral("06.dec.26 (tussen) / 07 08 09"));
    journal.append(Journal[3]); // the same entry twice
    m_program->write(ListFile, journal);
    list()->RefreshList();
    list()->cbVijfK->setChecked(false);
    list()->cbNegenK->setChecked(false);
    // Three-card view: rows 0, 3, 5, 6, 7; select the first copy and another row.
    list()->selectRow(1);
    list()->lbxLijst->selectionModel()->select(list()->lbxLijst->model()->index(0, 0),
                                               QItemSelectionModel::Select);
    m_program->platform().confirmAnswers = {true};
    list()->btWisSel->click();
    journal.removeAt(7);
    QCOMPARE(m_program->lines(ListFile), journal);
    QVERIFY(list()->cbDrieK->isChecked() && list()->cbVijfK->isChecked() && list()->cbNegenK->isChecked());
    QCOMPARE(list()->rows(), journal);
}

void tst_ListWindow::cancelDeleteChangesNothing()
{
    m_program->platform().confirmAnswers = {false};
    list()->selectRow(1);
    list()->btWisSel->click();
    QCOMPARE(m_program->lines(ListFile), Journal);
    QVERIFY(!QFile::exists(ListBackup));
}

void tst_ListWindow::emptyList()
{
    list()->cbDrieK->setChecked(false);
    m_program->platform().confirmAnswers = {true};
    list()->btWisLst->click();
    QCOMPARE(m_program->platform().confirmations,
             QStringList{QStringLiteral("Lijst|Totale Lijst met alle leggingen Leegmaken?!")});
    QCOMPARE(m_program->lines(ListBackup), Journal);
    QVERIFY(QFile::exists(ListFile));
    QCOMPARE(m_program->bytes(ListFile), QByteArray());
    QCOMPARE(list()->lbAantal->text(), QStringLiteral("Aantal vragen: 0"));
    QVERIFY(list()->rows().isEmpty());
}

void tst_ListWindow::editRemark()
{
    QStringList journal = Journal;
    journal.append(Journal[3]);
    m_program->write(ListFile, journal);
    list()->RefreshList();
    list()->selectRow(3); // the first copy; the last equal line is edited
    m_program->platform().inputAnswers = {QStringLiteral("")};
    list()->btBewerk->click();
    QCOMPARE(
        m_program->platform().inputs,
        QStringList{QStringLiteral("Bewerk Selectie:|Max 90 tekens\rZonder: *, #, /|Huis, Boom, Wolken")});
    QCOMPARE(m_program->lines(ListBackup), journal);
    journal[6] = QStringLiteral("04.dec.26 (...) / 04 05 06");
    QCOMPARE(m_program->lines(ListFile), journal);
    QCOMPARE(list()->selectedRows(), QList<int>{6});
}

void tst_ListWindow::editRemarkRefusals_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("message");
    QTest::newRow("hash") << 0 << "a#b"
                          << "Niet toegestane tekens:  * , + , /";
    QTest::newRow("slash") << 1 << "a/b"
                           << "Niet toegestane tekens:  * , + , /";
    QTest::newRow("outside Windows-1252") << 0 << "\u2665"
                                          << "Deze tekens kunnen niet bewaard worden.";
    QTest::newRow("row without kind") << 4 << ""
                                      << "Deze regel heeft geen opmerking die bewerkt kan worden.";
}

void tst_ListWindow::editRemarkRefusals()
{
    QFETCH(int, row);
    QFETCH(QString, answer);
    QFETCH(QString, message);
    list()->selectRow(row);
    m_program->platform().inputAnswers = {answer};
    list()->btBewerk->click();
    QCOMPARE(m_program->platform().messages, QStringList{message});
    QCOMPARE(m_program->lines(ListFile), Journal);
    QVERIFY(!QFile::exists(ListBackup));
}

void tst_ListWindow::duplicates()
{
    list()->btDubbel->click();
    QCOMPARE(list()->btDubbel->text(), QStringLiteral("Reset"));
    QVERIFY(!list()->btWisSel->isEnabled());
    QCOMPARE(list()->rows(), QStringList({QStringLiteral("01 02 03 - ") + Journal[0],
                                          QStringLiteral("01 02 03 - ") + Journal[1]}));
    QCOMPARE(list()->lbAantal->text(), QStringLiteral("Aantal Dubbele Matches: 2"));
    list()->btDubbel->click();
    QCOMPARE(list()->rows(), Journal);
    QCOMPARE(list()->btDubbel->text(), QStringLiteral("3Dubbel?"));

    m_program->write(ListFile, {Journal[0], Journal[3]});
    list()->RefreshList();
    list()->btDubbel->click();
    QCOMPARE(list()->rows(), QStringList{QStringLiteral("-------------- NO MATCHES --------------")});
}

void tst_ListWindow::search()
{
    m_program->platform().inputAnswers = {QStringLiteral("Boom"), QStringLiteral("boom")};
    list()->btOpZoek->click();
    QCOMPARE(m_program->platform().inputs.first(),
             QStringLiteral("Zoek woorden of getallen = Hoofdletter gevoelig:|Tekst: |"));
    QCOMPARE(list()->rows(), QStringList({QStringLiteral("<< Zoekterm: Boom >>"), Journal[3]}));
    QCOMPARE(list()->lbAantal->text(), QStringLiteral("Aantal Matches: 1"));
    QCOMPARE(list()->currentRow(), 1);
    QCOMPARE(list()->btOpZoek->text(), QStringLiteral("Reset"));
    QVERIFY(!main()->isVisible());
    list()->btOpZoek->click();
    QCOMPARE(list()->rows(), Journal);
    list()->btOpZoek->click();
    QCOMPARE(list()->rows(),
             QStringList({QStringLiteral("<< Zoekterm: boom >>"), QStringLiteral("No matches found.")}));
}

void tst_ListWindow::copyList()
{
    list()->cbDrieK->setChecked(false);
    list()->cbVijfK->setChecked(false);
    list()->btKopieLst->click();
    QCOMPARE(m_program->platform().clipboardText, Journal[2] + QStringLiteral("\r\n"));
}

void tst_ListWindow::enterPressesFocusedButton_data()
{
    QTest::addColumn<Qt::Key>("key");
    QTest::newRow("Return") << Qt::Key_Return;
    QTest::newRow("Enter (keypad)") << Qt::Key_Enter;
}

void tst_ListWindow::enterPressesFocusedButton()
{
    QFETCH(Qt::Key, key);
    const auto cardsBefore = Shared().MainSlotCards;
    list()->selectRow(3);
    list()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(list()));
    list()->btKopieLst->setFocus();
    QTRY_VERIFY(list()->btKopieLst->hasFocus());
    QTest::keyClick(list()->btKopieLst, key);
    QCOMPARE(m_program->platform().clipboardText,
             Journal.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"));
    // Nothing was opened on the way.
    QVERIFY(Shared().MainSlotCards == cardsBefore);
}

void tst_ListWindow::endKeyOpensAllKinds()
{
    list()->cbDrieK->setChecked(false);
    list()->hide();
    QTest::keyClick(main(), Qt::Key_End);
    QVERIFY(list()->isVisible());
    QVERIFY(list()->cbDrieK->isChecked());
    QCOMPARE(list()->rows(), Journal);
    QCOMPARE(list()->lbAantal->text(), QStringLiteral("Aantal vragen: 6 v 6"));
}

void tst_ListWindow::saveAddsRowWithoutReload()
{
    QSignalSpy resets(list()->lbxLijst->model(), &QAbstractItemModel::modelReset);
    Shared().SpreadSaved = false;
    m_program->platform().inputAnswers = {QStringLiteral("nieuw")};
    main()->btBewaren->click();
    const QStringList saved = m_program->lines(ListFile);
    QCOMPARE(saved.size(), Journal.size() + 1);
    QCOMPARE(saved.mid(0, Journal.size()), Journal);
    QVERIFY(saved.last().startsWith(QStringLiteral("08.dec.26 (nieuw) / ")));
    QCOMPARE(m_program->lines(ListBackup), saved);
    QCOMPARE(list()->rows(), saved);
    QCOMPARE(list()->lbAantal->text(), QStringLiteral("Aantal vragen: 7"));
    QCOMPARE(resets.count(), 0);
}

void tst_ListWindow::changedFileIsNotOverwritten_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("inPlace");
    for (const auto &[tag, button] : {std::pair{"delete", "btWisSel"}, std::pair{"edit remark", "btBewerk"},
                                      std::pair{"empty list", "btWisLst"}}) {
        QTest::addRow("%s, another list", tag) << button << false;
        // Same size, same modification time, same file: only the change
        // time and the bytes tell.
        QTest::addRow("%s, rewritten in place, time set back", tag) << button << true;
    }
}

void tst_ListWindow::changedFileIsNotOverwritten()
{
    QFETCH(QString, button);
    QFETCH(bool, inPlace);
    QStringList other = Journal + QStringList{QStringLiteral("09.dec.26 (elders) / 11 12 13")};
    if (inPlace) {
        other = Journal;
        other[3] = QStringLiteral("04.dec.26 (Huis, Boom, Wolken) / 04 05 07");
    }
    ScriptedPlatform &platform = m_program->platform();
    // A second copy saves while the question is open.
    platform.whileAsking = [&] {
        if (inPlace)
            m_program->rewriteInPlace(ListFile, other);
        else
            m_program->write(ListFile, other);
    };
    platform.confirmAnswers = {true};
    platform.inputAnswers = {QStringLiteral("nieuw")};
    list()->selectRow(0);
    list()->findChild<QPushButton *>(button)->click();
    QCOMPARE(platform.messages,
             QStringList{QStringLiteral(
                 "Orvalis.txt is intussen gewijzigd en opnieuw geladen; er is niets opgeslagen.")});
    QCOMPARE(m_program->lines(ListFile), other);
    QVERIFY(!QFile::exists(ListBackup));
    QCOMPARE(list()->rows(), other);
    QVERIFY(list()->isEnabled());
}

void tst_ListWindow::saveKeepsLinesChangedInPlace()
{
    QStringList other = Journal;
    other[3] = QStringLiteral("04.dec.26 (Huis, Boom, Wolken) / 04 05 07");
    m_program->rewriteInPlace(ListFile, other);
    Shared().SpreadSaved = false;
    m_program->platform().inputAnswers = {QStringLiteral("nieuw")};
    main()->btBewaren->click();
    const QStringList saved = m_program->lines(ListFile);
    QCOMPARE(saved.mid(0, Journal.size()), other);
    QCOMPARE(saved.size(), Journal.size() + 1);
    QCOMPARE(m_program->lines(ListBackup), saved);
    QCOMPARE(list()->rows(), saved);
}

void tst_ListWindow::markedJournal_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("storable");
    const QString text =
        QStringLiteral("01.dec.26 (Dromen \u00EB \u20AC) / 01 02 03\r\n02.dec.26 (twee) / 04 05 06\r\n");
    const QString greek = QStringLiteral("01.dec.26 (\u03A9) / 01 02 03\r\n02.dec.26 (twee) / 04 05 06\r\n");
    QTest::newRow("UTF-8") << "\xEF\xBB\xBF" + QStringEncoder(QStringConverter::Utf8).encode(text) << true;
    QTest::newRow("UTF-16 LE") << "\xFF\xFE" + QStringEncoder(QStringConverter::Utf16LE).encode(text) << true;
    QTest::newRow("UTF-16 BE") << "\xFE\xFF" + QStringEncoder(QStringConverter::Utf16BE).encode(text) << true;
    QTest::newRow("UTF-16 beyond Windows-1252")
        << "\xFF\xFE" + QStringEncoder(QStringConverter::Utf16LE).encode(greek) << false;
}

void tst_ListWindow::markedJournal()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, storable);
    {
        QFile file(ListFile);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    list()->RefreshList();
    QCOMPARE(list()->rows().size(), 2);
    QVERIFY(list()->rows()[0].startsWith(QStringLiteral("01.dec.26 (")));
    QCOMPARE(list()->rows()[1], QStringLiteral("02.dec.26 (twee) / 04 05 06"));
    // Deleting the second entry writes Windows-1252, or nothing at all.
    m_program->platform().confirmAnswers = {true};
    list()->selectRow(1);
    list()->btWisSel->click();
    if (storable) {
        QCOMPARE(m_program->bytes(ListFile), QByteArray("01.dec.26 (Dromen \xEB \x80) / 01 02 03\r\n"));
        QVERIFY(m_program->platform().messages.isEmpty());
    } else {
        QCOMPARE(m_program->bytes(ListFile), bytes);
        QCOMPARE(m_program->platform().messages,
                 QStringList{QStringLiteral(
                     "Een regel voor Orvalis.txt bevat tekens die niet bewaard kunnen worden.")});
        QCOMPARE(list()->rows().size(), 2);
    }
}

void tst_ListWindow::longLineIsDrawnCut()
{
    const QString damaged =
        QStringLiteral("01.dec.26 (") + QString(200000, u'x') + QStringLiteral(") / 01 02 03");
    m_program->write(ListFile, {damaged, Journal[0]});
    list()->RefreshList();
    QCOMPARE(list()->rows(), (QStringList{damaged, Journal[0]}));
    const QString drawn = list()->lbxLijst->model()->index(0, 0).data().toString();
    QCOMPARE(drawn, damaged.left(1000) + QChar(0x2026));
    QCOMPARE(list()->lbxLijst->model()->index(1, 0).data().toString(), Journal[0]);
    // Everything else takes the whole line: here the remark edit finds it.
    list()->selectRow(0);
    m_program->platform().inputAnswers = {QStringLiteral("kort")};
    list()->btBewerk->click();
    QCOMPARE(m_program->lines(ListFile),
             (QStringList{QStringLiteral("01.dec.26 (kort) / 01 02 03"), Journal[0]}));
}

void tst_ListWindow::remarkTooLongToEditIsRefused()
{
    // Offered in a one-line field it would take seconds; it stays as it is.
    const QString damaged =
        QStringLiteral("01.dec.26 (") + QString(300000, u'x') + QStringLiteral(") / 01 02 03");
    m_program->write(ListFile, {damaged});
    list()->RefreshList();
    list()->selectRow(0);
    list()->btBewerk->click();
    QCOMPARE(m_program->platform().messages,
             QStringList{
                 QStringLiteral("Deze regel is met 300023 tekens te lang om hier te bewerken. Wis hem in de "
                                "lijst, of bewerk Orvalis.txt in een teksteditor.")});
    QVERIFY(m_program->platform().inputs.isEmpty());
    QCOMPARE(m_program->lines(ListFile), QStringList{damaged});
}

QTEST_MAIN(tst_ListWindow)
#include "tst_list_window.moc"
