#include "app/help_window.h"
#include "app/main_window.h"
#include "app/window_set.h"
#include "combos/combination_window.h"
#include "program_fixture.h"
#include "saved/analysis_window.h"
#include "saved/edit_window.h"
#include "saved/list_window.h"
#include "saved/selection_window.h"
#include "spreads/five_themes_window.h"
#include "spreads/line_of_five_window.h"
#include "spreads/nine_card_window.h"
#include "spreads/three_card_window.h"
#include "tableau/grand_tableau_window.h"
#include "tableau/tableau_list_window.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

#include <functional>
#include <map>

using namespace tessaly;

// What the help promises about keys and buttons, tried on the windows
// themselves, so the help and the program cannot drift apart.
class tst_HelpKeys : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup() { m_program.reset(); }
    void keyOverview_data();
    void keyOverview();
    void buttonTables_data();
    void buttonTables();

private:
    QScopedPointer<ProgramFixture> m_program;
};

namespace {

const QStringList KeyColumns = {QStringLiteral("Esc"), QStringLiteral("Home"), QStringLiteral("End"),
                                QStringLiteral("Alt")};

// The lines of one chapter ("13. Overzicht van de toetsen") up to the next.
QStringList Chapter(const QString &heading)
{
    const QStringList lines = HelpText().split(u'\n');
    const int start = lines.indexOf(heading);
    if (start < 0)
        return {};
    static const QRegularExpression nextChapter(QStringLiteral("^\\d+\\. \\S"));
    int end = start + 1;
    while (end < lines.size() && !nextChapter.match(lines[end]).hasMatch())
        ++end;
    return lines.mid(start, end - start);
}

struct KeyRow
{
    QString window;
    QStringList effects; // one per key column
};

// The table of the key overview: columns start where the header's words do.
QList<KeyRow> KeyTable()
{
    const QStringList chapter = Chapter(QStringLiteral("13. Overzicht van de toetsen"));
    const int header =
        int(std::find_if(chapter.begin(), chapter.end(),
                         [](const QString &line) { return line.trimmed().startsWith(u"Venster"); }) -
            chapter.begin());
    if (header >= chapter.size())
        return {};
    QList<int> starts{int(chapter[header].indexOf(QStringLiteral("Venster")))};
    for (const QString &key : KeyColumns)
        starts.append(int(chapter[header].indexOf(key)));
    QList<KeyRow> rows;
    for (int i = header + 2; i < chapter.size() && !chapter[i].trimmed().isEmpty(); ++i) {
        const QString &line = chapter[i];
        KeyRow row;
        row.window = line.mid(starts[0], starts[1] - starts[0]).trimmed();
        for (int c = 1; c < starts.size(); ++c) {
            const int to = c + 1 < starts.size() ? starts[c + 1] - starts[c] : -1;
            row.effects.append(line.mid(starts[c], to).trimmed());
        }
        rows.append(row);
    }
    return rows;
}

void WriteJournal(ProgramFixture &program)
{
    program.write(QStringLiteral("Orvalis.txt"),
                  {QStringLiteral("07.dec.26 (Ruiter, Klaverblad, Schip) / 01 02 03"),
                   QStringLiteral("08.dec.26 *(werk) / 12 05 09 10 33")});
    program.write(QStringLiteral("GrandTabLijst.txt"),
                  {QStringLiteral("08.dec.26 : ") + QStringLiteral("01,").repeated(36)});
}

// How a user reaches each window the help names.
const std::map<QString, std::function<QWidget *(ProgramFixture &)>> &Openers()
{
    static const std::map<QString, std::function<QWidget *(ProgramFixture &)>> openers = {
        {QStringLiteral("Hoofdvenster"), [](ProgramFixture &) -> QWidget * { return Windows().Form1; }},
        {QStringLiteral("3 Dagkaartjes"),
         [](ProgramFixture &) -> QWidget * {
             Windows().Form1->bt3kaart->click();
             return Windows().Form4;
         }},
        {QStringLiteral("Lijn van 5"),
         [](ProgramFixture &) -> QWidget * {
             Windows().Form1->btVijf->click();
             return Windows().Form2;
         }},
        {QStringLiteral("9-Kaart"),
         [](ProgramFixture &) -> QWidget * {
             Windows().Form1->btNegen->click();
             return Windows().Form3;
         }},
        {QStringLiteral("Grand Tableau"),
         [](ProgramFixture &) -> QWidget * {
             Windows().Form1->btGrandT->click();
             return Windows().Form7;
         }},
        {QStringLiteral("Bewaarlijst"),
         [](ProgramFixture &program) -> QWidget * {
             WriteJournal(program);
             Windows().Form1->btOpenen->click();
             return Windows().Verleden;
         }},
        {QStringLiteral("Analyse"),
         [](ProgramFixture &program) -> QWidget * {
             WriteJournal(program);
             Windows().Form1->btOpenen->click();
             Windows().Verleden->btZoek->click();
             return Windows().AnalyseBox;
         }},
        {QStringLiteral("Selectie"),
         [](ProgramFixture &program) -> QWidget * {
             WriteJournal(program);
             Windows().Form1->btOpenen->click();
             Windows().Verleden->btZoek->click();
             TAnalyseBox *analysis = Windows().AnalyseBox;
             analysis->lbAnalyse->setCurrentIndex(analysis->lbAnalyse->model()->index(0, 0));
             analysis->btSelect->click();
             return Windows().Selectie;
         }},
        {QStringLiteral("Bewerk"),
         [](ProgramFixture &program) -> QWidget * {
             WriteJournal(program);
             Windows().Form1->btOpenen->click();
             Windows().Verleden->btBewHerst->click();
             return Windows().Bewerk;
         }},
        {QStringLiteral("Grand Tableaux"),
         [](ProgramFixture &program) -> QWidget * {
             WriteJournal(program);
             Windows().Form1->btGrandT->click();
             Windows().Form7->btOpenGT->click();
             return Windows().Form8;
         }},
        {QStringLiteral("Combinaties"),
         [](ProgramFixture &) -> QWidget * {
             Windows().Form1->bt3kaart->click();
             Windows().Form4->btCom1->click();
             return Windows().Form5;
         }},
        {QStringLiteral("Help"),
         [](ProgramFixture &) -> QWidget * {
             Windows().Form1->btHelp->click();
             return Windows().HelpInfo;
         }},
        {QStringLiteral("De Vijf Thema's"),
         [](ProgramFixture &) -> QWidget * {
             Windows().Form1->btVijf->click();
             Windows().Form2->btTheme->click();
             return Windows().Form6;
         }},
    };
    return openers;
}

Qt::Key KeyOf(const QString &column)
{
    static const std::map<QString, Qt::Key> keys = {{QStringLiteral("Esc"), Qt::Key_Escape},
                                                    {QStringLiteral("Home"), Qt::Key_Home},
                                                    {QStringLiteral("End"), Qt::Key_End},
                                                    {QStringLiteral("Alt"), Qt::Key_Alt}};
    return keys.at(column);
}

} // namespace

void tst_HelpKeys::init()
{
    m_program.reset(new ProgramFixture);
}

void tst_HelpKeys::keyOverview_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("effect");
    const QList<KeyRow> rows = KeyTable();
    QVERIFY2(rows.size() >= 13, "the key overview lists every window");
    for (const KeyRow &row : rows)
        for (int c = 0; c < KeyColumns.size(); ++c)
            QTest::addRow("%s, %s", qPrintable(row.window), qPrintable(KeyColumns[c]))
                << row.window << KeyColumns[c] << row.effects.value(c);
}

void tst_HelpKeys::keyOverview()
{
    QFETCH(QString, window);
    QFETCH(QString, key);
    QFETCH(QString, effect);
    const auto opener = Openers().find(window);
    QVERIFY2(opener != Openers().end(), qPrintable(QStringLiteral("no such window: ") + window));
    QWidget *shown = opener->second(*m_program);
    QVERIFY(shown->isVisible());
    const WindowSet &windows = Windows();
    const bool mainWasVisible = windows.Form1->isVisible();
    const bool listWasVisible = windows.Verleden->isVisible();
    const bool pairsWereVisible = windows.Form5->isVisible();
    QSignalSpy ends(windows.Form1, &TForm1::programEnds);

    QTest::keyClick(shown, KeyOf(key));

    if (effect == QLatin1String("afsluiten")) {
        QCOMPARE(ends.count(), 1);
        QVERIFY(!windows.Form1->isVisible());
        return;
    }
    QCOMPARE(ends.count(), 0);
    if (effect == QLatin1String("sluiten")) {
        QVERIFY(!shown->isVisible());
    } else if (effect == QLatin1String("hoofdvenster")) {
        QVERIFY(!shown->isVisible());
        QVERIFY(windows.Form1->isVisible());
    } else if (effect.startsWith(QLatin1String("lijst"))) {
        TVerleden *list = windows.Verleden;
        QVERIFY(list->isVisible());
        const QString kinds = effect.mid(5).trimmed();
        QCOMPARE(list->cbDrieK->isChecked(), kinds.isEmpty() || kinds == QLatin1String("3K"));
        QCOMPARE(list->cbVijfK->isChecked(), kinds.isEmpty() || kinds == QLatin1String("5K"));
        if (kinds != QLatin1String("5K"))
            QCOMPARE(list->cbNegenK->isChecked(), kinds.isEmpty() || kinds == QLatin1String("9K"));
    } else if (effect == QLatin1String("combin.")) {
        QVERIFY(windows.Form5->isVisible());
    } else {
        QCOMPARE(effect, QStringLiteral("-"));
        QVERIFY(shown->isVisible());
        QCOMPARE(windows.Form1->isVisible(), mainWasVisible);
        QCOMPARE(windows.Verleden->isVisible(), listWasVisible);
        QCOMPARE(windows.Form5->isVisible(), pairsWereVisible);
    }
}

namespace {

// What a help table can name: a button, check box, group box, combo box item
// or, for "MC:", the label it starts.
bool WindowShows(const QWidget *window, const QString &caption)
{
    auto plain = [](QString text) { return text.remove(u'&').simplified(); };
    for (const QAbstractButton *button : window->findChildren<QAbstractButton *>())
        if (plain(button->text()) == caption || button->accessibleName() == caption)
            return true;
    for (const QGroupBox *group : window->findChildren<QGroupBox *>())
        if (plain(group->title()) == caption)
            return true;
    for (const QComboBox *combo : window->findChildren<QComboBox *>())
        for (int i = 0; i < combo->count(); ++i)
            if (combo->itemText(i).simplified() == caption)
                return true;
    if (caption.endsWith(u':'))
        for (const QLabel *label : window->findChildren<QLabel *>())
            if (label->text().startsWith(caption))
                return true;
    return false;
}

} // namespace

void tst_HelpKeys::buttonTables_data()
{
    QTest::addColumn<QString>("chapter");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("last");
    QTest::addColumn<QString>("window");
    // Each table from its first to its last caption; every caption between counts.
    QTest::newRow("hoofdvenster") << "4. Het hoofdvenster"
                                  << "Rnd"
                                  << "?"
                                  << "Hoofdvenster";
    QTest::newRow("3 Dagkaartjes") << "6. Legvorm 3 Dagkaartjes"
                                   << "."
                                   << "*"
                                   << "3 Dagkaartjes";
    QTest::newRow("Lijn van 5") << "7. Legvorm Lijn van 5"
                                << "."
                                << "?"
                                << "Lijn van 5";
    QTest::newRow("9-Kaart") << "8. Legvorm 9-Kaart"
                             << "X"
                             << "?"
                             << "9-Kaart";
    QTest::newRow("combinaties") << "9. KaartCombinaties"
                                 << "Wissen"
                                 << "Sluit"
                                 << "Combinaties";
    QTest::newRow("bewaarlijst") << "10. Bewaren en de bewaarlijst"
                                 << "3-Kaart, 5-Kaart, 9-Kaart"
                                 << "Sluit"
                                 << "Bewaarlijst";
    QTest::newRow("bewerk") << "11. Bewerken, Analyse en Selectie"
                            << "Bewerk Datum / Decknr / Opm. / Kaartnr."
                            << "Sluit"
                            << "Bewerk";
    QTest::newRow("analyse") << "11. Bewerken, Analyse en Selectie"
                             << "Standaard"
                             << "Sluit"
                             << "Analyse";
    QTest::newRow("klik op een plek") << "12. Het Grand Tableau"
                                      << "Plaats Kaarten"
                                      << "Toon Connectie"
                                      << "Grand Tableau";
    QTest::newRow("grand tableau") << "12. Het Grand Tableau"
                                   << "X (blauw)"
                                   << "Sluit Tableau"
                                   << "Grand Tableau";
}

void tst_HelpKeys::buttonTables()
{
    QFETCH(QString, chapter);
    QFETCH(QString, first);
    QFETCH(QString, last);
    QFETCH(QString, window);
    const QStringList lines = Chapter(chapter);
    QVERIFY2(!lines.isEmpty(), qPrintable(chapter));
    // A table line: two blanks, the caption, then two or more blanks or the end.
    static const QRegularExpression row(QStringLiteral("^  (\\S.*?)(?:\\s{2,}\\S.*)?$"));
    auto captionAt = [&](int i) {
        const QRegularExpressionMatch match = row.match(lines[i]);
        return match.hasMatch() ? match.captured(1) : QString();
    };
    int from = 0;
    while (from < lines.size() && captionAt(from) != first)
        ++from;
    QVERIFY2(from < lines.size(), qPrintable(QStringLiteral("no table row '%1' in %2").arg(first, chapter)));
    QWidget *shown = Openers().at(window)(*m_program);
    QStringList missing;
    int i = from;
    for (; i < lines.size(); ++i) {
        const QString caption = captionAt(i);
        if (caption.isEmpty())
            continue;
        // "X (rood)": the parenthesis tells two equal captions apart.
        QString control = caption;
        control.remove(QRegularExpression(QStringLiteral("\\s*\\(.*\\)$")));
        for (const QString &one : control.split(QStringLiteral(", ")))
            if (!WindowShows(shown, one.trimmed()))
                missing << one;
        if (caption == last)
            break;
    }
    QVERIFY2(i < lines.size(), qPrintable(QStringLiteral("no table row '%1' after '%2'").arg(last, first)));
    QVERIFY2(missing.isEmpty(),
             qPrintable(window + QStringLiteral(" has no ") + missing.join(QStringLiteral(", "))));
}

QTEST_MAIN(tst_HelpKeys)
#include "tst_help_keys.moc"
