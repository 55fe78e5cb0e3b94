#include "saved/chance_window.h"

#include "app/help_window.h"
#include "app/platform.h"
#include "app/startup.h"
#include "app/text_file.h"
#include "app/window_set.h"
#include "saved/analysis_window.h"
#include "saved/chance_chart.h"
#include "saved/journal_csv.h"
#include "saved/journal_view.h"
#include "saved/list_window.h"
#include "saved/saved_list.h"
#include "saved/selection_window.h"
#include "tableau/grand_tableau_window.h"
#include "widgets/controls.h"
#include "widgets/key_preview.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>

#include <algorithm>

namespace tessaly {

namespace {

const QString HelpHeading = QStringLiteral("- Kansanalyse");
constexpr int WindowWidth = 760;

QString number(int value)
{
    return QLocale(QLocale::Dutch, QLocale::Netherlands).toString(value);
}

QString yearText(const QString &year)
{
    if (year.isEmpty())
        return QStringLiteral("Alle jaren");
    if (year.size() == 2 && year[0].isDigit() && year[1].isDigit())
        return QStringLiteral("Jaar 20") + year;
    return QStringLiteral("Jaar ") + year;
}

QLabel *makeLabel(QWidget *parent, const char *name, QRect geometry)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(geometry);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

} // namespace

TKansAnalyse::TKansAnalyse(QWidget *parent)
    : OnDemandWindow(parent, Qt::Dialog)
{
    setObjectName(QStringLiteral("KansAnalyse"));
    setWindowTitle(QStringLiteral("Kansanalyse"));
    new KeyPreview(this, [this](QKeyEvent *event) { return FormKeyDown(event->key()); });
    if (TAnalyseBox *analysis = Windows().AnalyseBox)
        connect(analysis, &TAnalyseBox::recounted, this, &TKansAnalyse::FollowAnalysis);
}

void TKansAnalyse::createControls()
{
    const int line = fontMetrics().height();
    const int inner = WindowWidth - 16;
    int y = 8;
    lbAantal = makeLabel(this, "lbAantal", {8, y, inner, line + 2});
    QFont bold = lbAantal->font();
    bold.setBold(true);
    lbAantal->setFont(bold);
    lbAantal->setAccessibleName(QStringLiteral("Aantal leggingen"));
    y += line + 8;

    grKans = new ChanceChart(this);
    grKans->setObjectName(QStringLiteral("grKans"));
    grKans->setGeometry(8, y, inner, 300);
    connect(grKans, &ChanceChart::cardSelected, this, &TKansAnalyse::showCard);
    connect(grKans, &ChanceChart::cardActivated, this, &TKansAnalyse::btSelectieClick);
    y += 300 + 6;

    lbToets = makeLabel(this, "lbToets", {8, y, inner, 2 * line + 2});
    lbToets->setAccessibleName(QStringLiteral("Alle kaarten samen"));
    y += 2 * line + 6;

    mmOordeel = new QPlainTextEdit(this);
    mmOordeel->setObjectName(QStringLiteral("mmOordeel"));
    mmOordeel->setReadOnly(true);
    mmOordeel->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    mmOordeel->setAccessibleName(QStringLiteral("Opvallende kaarten"));
    // Four sentences in sight; more scroll.
    const int textHeight = 4 * mmOordeel->fontMetrics().lineSpacing() + 2 * mmOordeel->frameWidth() +
                           2 * int(mmOordeel->document()->documentMargin());
    mmOordeel->setGeometry(8, y, inner, textHeight);
    y += textHeight + 8;

    lbKaart = makeLabel(this, "lbKaart", {8, y, inner, 2 * line + 2});
    lbKaart->setAccessibleName(QStringLiteral("Gekozen kaart"));
    y += 2 * line + 6;

    const int chartWidth = 560;
    grJaren = new YearChart(this);
    grJaren->setObjectName(QStringLiteral("grJaren"));
    grJaren->setGeometry(8, y, chartWidth, 120);
    btSelectie = MakeButton(this, "btSelectie", QStringLiteral("Selectie"),
                            {8 + chartWidth + 16, y, inner - chartWidth - 16, 25},
                            QStringLiteral("Toon de leggingen met de gekozen kaart"));
    connect(btSelectie, &QPushButton::clicked, this, &TKansAnalyse::btSelectieClick);
    y += 120 + 10;

    btKopieer = MakeButton(this, "btKopieer", QStringLiteral("Kopieer"), {8, y, 80, 25},
                           QStringLiteral("Kopieer de tabel naar het klembord"));
    connect(btKopieer, &QPushButton::clicked, this, &TKansAnalyse::btKopieerClick);
    btCsv = MakeButton(this, "btCsv", QStringLiteral("CSV"), {96, y, 80, 25},
                       QStringLiteral("Bewaar de hele bewaarlijst als CSV-bestand voor een rekenblad"));
    connect(btCsv, &QPushButton::clicked, this, &TKansAnalyse::btCsvClick);
    btHelp = MakeButton(this, "btHelp", QStringLiteral("Help"), {WindowWidth - 168, y, 76, 25});
    connect(btHelp, &QPushButton::clicked, this, &TKansAnalyse::btHelpClick);
    btSluit = MakeButton(this, "btSluit", QStringLiteral("Sluit"), {WindowWidth - 84, y, 76, 25});
    connect(btSluit, &QPushButton::clicked, this, &QWidget::close);
    setFixedSize(WindowWidth, y + 25 + 8);

    QWidget::setTabOrder(grKans, mmOordeel);
    QWidget::setTabOrder(mmOordeel, btSelectie);
    QWidget::setTabOrder(btSelectie, btKopieer);
    QWidget::setTabOrder(btKopieer, btCsv);
    QWidget::setTabOrder(btCsv, btHelp);
    QWidget::setTabOrder(btHelp, btSluit);
    NameButtons(this);
    showCard();
}

void TKansAnalyse::showEvent(QShowEvent *event)
{
    if (!m_placed) {
        // Beside the analysis window, whose year it follows.
        const QWidget *analysis = Windows().AnalyseBox;
        if (const QScreen *screen = QGuiApplication::primaryScreen(); screen && analysis) {
            const QRect free = screen->availableGeometry();
            const QRect frame = frameGeometry();
            move(std::clamp(analysis->frameGeometry().right() + 8, free.left(),
                            std::max(free.left(), free.right() - frame.width())),
                 std::clamp(analysis->frameGeometry().top(), free.top(),
                            std::max(free.top(), free.bottom() - frame.height())));
        }
        m_placed = true;
    }
    QWidget::showEvent(event);
    if (!event->spontaneous()) {
        Recount();
        grKans->setFocus();
    }
}

bool TKansAnalyse::FormKeyDown(int key)
{
    switch (key) {
    case Qt::Key_Escape:
        close();
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (PressFocusedButton(this))
            return true;
        if (focusWidget() == grKans && grKans->selectedCard()) {
            btSelectieClick();
            return true;
        }
        return false;
    default:
        return false;
    }
}

void TKansAnalyse::Recount()
{
    const std::optional<QStringList> lines = ReadJournal();
    showJournal(lines, Windows().Verleden->journal().generation());
}

void TKansAnalyse::FollowAnalysis()
{
    if (!isVisible())
        return;
    // The analysis has just read the journal and reported what went wrong.
    LineFile &journal = Windows().Verleden->journal();
    showJournal(journal.exists() ? std::optional<QStringList>(journal.lines()) : std::nullopt,
                journal.generation());
}

void TKansAnalyse::showJournal(const std::optional<QStringList> &lines, quint64 generation)
{
    m_haveJournal = lines.has_value();
    if (!lines) {
        m_tally = {};
        m_generation = 0;
    } else if (generation != m_generation) {
        m_tally = TallyJournal(*lines);
        m_generation = generation;
    }
    m_year = Windows().AnalyseBox->filterYear();
    m_report = JudgeChance(m_tally.of(m_year));

    if (!m_haveJournal) {
        lbAantal->setText(QStringLiteral("Er is nog geen bewaarlijst (Orvalis.txt)."));
    } else {
        QString text = yearText(m_year) + QStringLiteral(": ") + number(m_report.entries) +
                       (m_report.entries == 1 ? QStringLiteral(" legging") : QStringLiteral(" leggingen"));
        const int without = m_report.lines - m_report.entries;
        if (without == 1)
            text += QStringLiteral(" (1 regel zonder kaarten telt niet mee)");
        else if (without > 1)
            text += QStringLiteral(" (%1 regels zonder kaarten tellen niet mee)").arg(number(without));
        lbAantal->setText(text);
    }
    lbToets->setText(FitSentence(m_report));

    QList<int> marked = m_report.marked();
    std::stable_sort(marked.begin(), marked.end(), [this](int a, int b) {
        return m_report.cards[a].adjustedP < m_report.cards[b].adjustedP;
    });
    QStringList sentences;
    for (const int card : marked)
        sentences << VerdictSentence(m_report, card);
    if (m_report.entries > 0 && !m_report.judged)
        sentences << QStringLiteral("Geen oordeel per kaart: daarvoor zijn minstens %1 leggingen nodig.")
                         .arg(MinimumJudgedEntries);
    else if (m_report.judged && marked.isEmpty())
        sentences << QStringLiteral("Geen kaart komt duidelijk vaker of minder vaak voor dan toeval.");
    mmOordeel->setPlainText(sentences.join(u'\n'));

    grKans->setReport(m_report);
    showCard();
}

void TKansAnalyse::showCard()
{
    const int card = grKans->selectedCard();
    btSelectie->setEnabled(card != 0);
    if (card == 0) {
        lbKaart->setText(QStringLiteral("Kies een kaart: klik op haar staaf, of ga met Tab naar de grafiek "
                                        "en gebruik de pijltjestoetsen."));
        grJaren->setYears({}, {}, {});
        return;
    }
    const CardChance &chance = m_report.cards[card];
    QString text;
    if (m_report.entries == 0) {
        text = CardTitles[card] + QStringLiteral(": geen leggingen om te tellen.");
    } else {
        text = QStringLiteral("%1: %2 keer, verwacht %3, bij toeval meestal %4 tot %5.")
                   .arg(CardTitles[card], QString::number(chance.observed), FormatExpected(m_report.expected))
                   .arg(m_report.bandLow)
                   .arg(m_report.bandHigh);
        if (m_report.judged) {
            text += QStringLiteral(" p %1 voor deze kaart alleen, %2 na correctie voor 36 kaarten")
                        .arg(FormatPClause(chance.p), FormatP(chance.adjustedP));
            text += chance.verdict == ChanceVerdict::None
                        ? QStringLiteral(".")
                        : QStringLiteral(": ") + VerdictText(chance.verdict) + u'.';
        }
    }
    lbKaart->setText(text);
    grJaren->setYears(CardTitles[card], CardPerYear(m_tally, card), m_year);
}

void TKansAnalyse::btSelectieClick()
{
    const int card = grKans->selectedCard();
    if (card == 0)
        return;
    // As the analysis window's "Filter Select" hands a card over.
    TSelectie *selection = Windows().Selectie;
    selection->hide();
    selection->SelectionCardNo = TwoDigitNumbers[card];
    selection->SelectionCardText = CardTitles[card];
    selection->SelectionYear = m_year;
    selection->show();
    selection->raise();
    selection->activateWindow();
}

void TKansAnalyse::btKopieerClick()
{
    Platform::instance().setClipboardText(ChanceTable(m_report));
}

void TKansAnalyse::btCsvClick()
{
    Platform &platform = Platform::instance();
    const std::optional<QStringList> lines = ReadJournal();
    if (!lines) {
        // ReadJournal has reported a file it could not read.
        if (!FileExists(ListFile))
            platform.message(QStringLiteral("Er is nog geen bewaarlijst om als CSV te bewaren."));
        return;
    }
    const QString path = platform.saveFileName(QStringLiteral("Bewaarlijst als CSV bewaren"),
                                               QDir::current().absoluteFilePath(CsvFile),
                                               QStringLiteral("CSV-bestanden (*.csv);;Alle bestanden (*)"));
    if (path.isEmpty())
        return;
    if (RefusedAsProgramFile(path))
        return;
    QString error;
    if (!WriteFileBytes(path, JournalCsv(*lines), &error)) {
        platform.message(error);
        return;
    }
    platform.message(QStringLiteral("%1 %2 bewaard in %3.")
                         .arg(number(int(lines->size())),
                              lines->size() == 1 ? QStringLiteral("regel") : QStringLiteral("regels"),
                              QFileInfo(path).fileName()));
}

void TKansAnalyse::btHelpClick()
{
    Windows().HelpInfo->ShowHelpAt(HelpHeading);
}

} // namespace tessaly
