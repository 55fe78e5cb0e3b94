#include "app/help_window.h"
#include "app/window_set.h"
#include "program_fixture.h"

#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>

using namespace tessaly;

class tst_HelpWindow : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_program.reset(new ProgramFixture); }
    void cleanup() { m_program.reset(); }
    void textFitsItsBox();
    void showAtTopic_data();
    void showAtTopic();
    void unknownTopicShowsStart();

private:
    QScopedPointer<ProgramFixture> m_program;
};

void tst_HelpWindow::textFitsItsBox()
{
    const QStringList lines = HelpText().split(u'\n');
    QVERIFY(lines.size() > 500);
    for (int i = 0; i < lines.size(); ++i)
        QVERIFY2(lines[i].size() <= 64,
                 qPrintable(QStringLiteral("line %1 has %2 characters").arg(i + 1).arg(lines[i].size())));
    THelpInfo *help = Windows().HelpInfo;
    QCOMPARE(help->size(), QSize(559, 673));
    QVERIFY(help->Memo1->font().fixedPitch());
    QCOMPARE(help->Memo1->font().pixelSize(), 13);
}

void tst_HelpWindow::showAtTopic_data()
{
    QTest::addColumn<QString>("heading");
    QTest::newRow("line of five") << " - Legvorm 'Lijn van 5':";
    QTest::newRow("nine-card") << "9-Kaart: Legvorm het Kruis en het Vierkant:";
    QTest::newRow("Grand Tableau") << "- Grand Tableau";
    QTest::newRow("Grand Tableau techniques") << "- Technieken";
}

void tst_HelpWindow::showAtTopic()
{
    QFETCH(QString, heading);
    const QStringList lines = HelpText().split(u'\n');
    QCOMPARE(lines.count(heading), 1);
    THelpInfo *help = Windows().HelpInfo;
    help->ShowHelpAt(heading);
    QVERIFY(help->isVisible());
    QCOMPARE(help->Memo1->textCursor().selectedText(), heading);
    const int line = help->Memo1->textCursor().block().blockNumber();
    QCOMPARE(line, lines.indexOf(heading));
    // The heading stands near the top of the box.
    const int top = help->Memo1->verticalScrollBar()->value();
    QVERIFY2(line - top >= 0 && line - top <= 2,
             qPrintable(QStringLiteral("line %1, top %2").arg(line).arg(top)));
}

void tst_HelpWindow::unknownTopicShowsStart()
{
    THelpInfo *help = Windows().HelpInfo;
    help->ShowHelpAt(QStringLiteral("bestaat niet"));
    QCOMPARE(help->Memo1->textCursor().position(), 0);
    QCOMPARE(help->Memo1->verticalScrollBar()->value(), 0);
}

QTEST_MAIN(tst_HelpWindow)
#include "tst_help_window.moc"
