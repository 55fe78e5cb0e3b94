#include "app/main_window.h"
#include "app/shared_state.h"
#include "app/window_set.h"
#include "program_fixture.h"
#include "saved/saved_list.h"
#include "saved/selection_window.h"
#include "spreads/line_of_five_window.h"
#include "spreads/nine_card_window.h"
#include "spreads/three_card_window.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

using namespace tessaly;

namespace {

const QStringList Journal = {
    QStringLiteral("01.jan.21 (a) / 05 06 07"),
    QStringLiteral("02.feb.21 *(b) / 15 16 17 18 19"),
    QStringLiteral("03.mrt.26 *(c) / 05 01 02 03 04"),
    QStringLiteral("04.apr.21 #(9-Kaart) / 05 01 02 03 04 05 06 07 08"),
    QStringLiteral("05.mei.21 (over 05) / 01 02 03"),
    QStringLiteral("06.jun.21 (kapot) / 05 xx 03"),
};

QStringList texts(const QWidget *window, int count)
{
    QStringList result;
    for (int i = 1; i <= count; ++i)
        result.append(window->findChild<QLineEdit *>(QStringLiteral("Edit%1").arg(i))->text());
    return result;
}

} // namespace

class tst_SelectionWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void fill_data();
    void fill();
    void missingFileListsNothing();
    void fiveCardEntryWithMainVisible();
    void threeCardEntryWithMainHidden();
    void nineCardEntryLeavesExpandedLineAlone();
    void rowsThatAreNoEntryOpenNothing();
    void copy();
    void escapeEndsProgram();
    void longLineIsDrawnCut();

private:
    TSelectie *selection() const { return Windows().Selectie; }
    void select(const QString &card, const QString &year);
    void clickRow(int row);
    QScopedPointer<ProgramFixture> m_program;
};

void tst_SelectionWindow::init()
{
    m_program.reset(new ProgramFixture);
    m_program->write(ListFile, Journal);
    // Orders the selection must leave alone.
    Shared().LineOrderIndex = 3;
    Shared().NineCardOrderIndex = 4;
}

void tst_SelectionWindow::cleanup()
{
    m_program.reset();
}

void tst_SelectionWindow::select(const QString &card, const QString &year)
{
    selection()->hide();
    selection()->SelectionCardNo = card;
    selection()->SelectionCardText =
        QString::number(card.toInt()) + QStringLiteral(") ") + CardNames[card.toInt()];
    selection()->SelectionYear = year;
    selection()->show();
}

void tst_SelectionWindow::clickRow(int row)
{
    QListView *view = selection()->lbSelect;
    const QRect place = view->visualRect(view->model()->index(row, 0));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, place.center());
}

void tst_SelectionWindow::fill_data()
{
    QTest::addColumn<QString>("card");
    QTest::addColumn<QString>("year");
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QString>("label");
    QTest::newRow("card 05 in 21: not card 15, not the remark, nine-card once")
        << "05"
        << "21" << QStringList{Journal[0], Journal[3], Journal[5]} << "Selectie 2021 kaart: 5) Boom";
    QTest::newRow("card 05 in all years")
        << "05"
        << "" << QStringList{Journal[0], Journal[2], Journal[3], Journal[5]} << "Selectie kaart: 5) Boom";
    QTest::newRow("no match") << "36"
                              << "" << QStringList{"Geen Matches gevonden..."} << "Selectie kaart: 36) Kruis";
}

void tst_SelectionWindow::fill()
{
    QFETCH(QString, card);
    QFETCH(QString, year);
    QFETCH(QStringList, rows);
    QFETCH(QString, label);
    select(card, year);
    QCOMPARE(selection()->rows(), rows);
    QCOMPARE(selection()->Label1->text(), label);
}

void tst_SelectionWindow::missingFileListsNothing()
{
    select(QStringLiteral("05"), QString());
    QVERIFY(QFile::remove(ListFile));
    select(QStringLiteral("06"), QStringLiteral("21"));
    QVERIFY(selection()->rows().isEmpty());
    QCOMPARE(selection()->Label1->text(), QStringLiteral("Selectie 2021 kaart: 6) Wolken"));
}

void tst_SelectionWindow::fiveCardEntryWithMainVisible()
{
    QVERIFY(Windows().Form1->isVisible());
    select(QStringLiteral("05"), QString());
    clickRow(1);
    TForm1 *main = Windows().Form1;
    QCOMPARE(main->ComboBox[1]->currentText(), CardTitles[5]);
    QCOMPARE(main->ComboBox[2]->currentText(), CardTitles[1]);
    QCOMPARE(main->ComboBox[3]->currentText(), CardTitles[2]);
    QCOMPARE(texts(Windows().Form2, 5), (QStringList{"5", "1", "2", "3", "4"}));
    // Not marked saved, orders unchanged.
    QVERIFY(!Shared().SpreadSaved);
    QCOMPARE(Shared().LineOrderIndex, 3);
    QCOMPARE(Shared().NineCardOrderIndex, 4);
    QVERIFY(selection()->isVisible());
}

void tst_SelectionWindow::threeCardEntryWithMainHidden()
{
    Windows().Form1->hide();
    select(QStringLiteral("05"), QStringLiteral("21"));
    QTest::keyClick(selection()->lbSelect, Qt::Key_Home);
    QTest::keyClick(selection()->lbSelect, Qt::Key_Return);
    QCOMPARE(texts(Windows().Form4, 3), (QStringList{"5", "6", "7"}));
    QVERIFY(!Shared().SpreadSaved);
}

void tst_SelectionWindow::nineCardEntryLeavesExpandedLineAlone()
{
    Windows().Form2->show();
    Shared().LineExpanded = true;
    const QStringList line = texts(Windows().Form2, 9);
    select(QStringLiteral("05"), QStringLiteral("21"));
    clickRow(1);
    QCOMPARE(texts(Windows().Form2, 9), line);
    QCOMPARE(texts(Windows().Form3, 9), (QStringList{"5", "1", "2", "3", "4", "5", "6", "7", "8"}));
    QCOMPARE(Shared().NineCardOrderIndex, 4);
}

void tst_SelectionWindow::rowsThatAreNoEntryOpenNothing()
{
    Windows().Form1->hide();
    select(QStringLiteral("05"), QStringLiteral("21"));
    clickRow(0);
    QCOMPARE(texts(Windows().Form4, 3), (QStringList{"5", "6", "7"}));
    for (int i = 1; i <= 3; ++i)
        Windows().Form4->Edit(i)->setText(QStringLiteral("1"));
    const QStringList ones{"1", "1", "1"};
    // Below the last row: the current row is not opened again.
    QListView *view = selection()->lbSelect;
    const QRect last = view->visualRect(view->model()->index(2, 0));
    QVERIFY(last.bottom() + 20 < view->viewport()->height());
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, QPoint(last.center().x(), last.bottom() + 20));
    QCOMPARE(texts(Windows().Form4, 3), ones);
    clickRow(2); // a field that is not a number
    select(QStringLiteral("36"), QString());
    clickRow(0); // "Geen Matches gevonden..."
    QCOMPARE(texts(Windows().Form4, 3), ones);
    QVERIFY(m_program->platform().messages.isEmpty());
}

void tst_SelectionWindow::copy()
{
    select(QStringLiteral("05"), QStringLiteral("21"));
    selection()->BitBtn1->click();
    QCOMPARE(m_program->platform().clipboardText,
             Journal[0] + "\r\n" + Journal[3] + "\r\n" + Journal[5] + "\r\n");
}

void tst_SelectionWindow::escapeEndsProgram()
{
    select(QStringLiteral("05"), QString());
    QSignalSpy ends(Windows().Form1, &TForm1::programEnds);
    QTest::keyClick(selection()->lbSelect, Qt::Key_Escape);
    QCOMPARE(ends.size(), 1);
    QVERIFY(!selection()->isVisible());
}

void tst_SelectionWindow::longLineIsDrawnCut()
{
    const QString damaged =
        QStringLiteral("01.jan.21 (") + QString(200000, u'x') + QStringLiteral(") / 05 06 07");
    m_program->write(ListFile, {damaged, Journal[4]});
    Windows().Form1->hide();
    select(QStringLiteral("05"), QStringLiteral("21"));
    QCOMPARE(selection()->rows(), QStringList{damaged});
    QCOMPARE(selection()->lbSelect->model()->index(0, 0).data().toString(),
             damaged.left(1000) + QChar(0x2026));
    clickRow(0);
    QCOMPARE(texts(Windows().Form4, 3), (QStringList{"5", "6", "7"}));
}

QTEST_MAIN(tst_SelectionWindow)
#include "tst_selection_window.moc"
