#include "saved/analysis_window.h"

#include "app/main_window.h"
#include "app/platform.h"
#include "app/text_file.h"
#include "app/window_set.h"
#include "saved/chance_window.h"
#include "saved/journal_view.h"
#include "saved/list_window.h"
#include "saved/saved_list.h"
#include "saved/selection_window.h"
#include "widgets/controls.h"
#include "widgets/key_preview.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStringListModel>

#include <algorithm>

namespace tessaly {

namespace {

const QString AllYears = QStringLiteral("Filter Jaar");

QRadioButton *presentation(QWidget *parent, const char *name, const QString &caption, int top)
{
    auto *radio = new QRadioButton(caption, parent);
    radio->setObjectName(QLatin1String(name));
    radio->setGeometry(8, top, 156, 19);
    return radio;
}

QPushButton *flatButton(QWidget *parent, const char *name, const QString &caption, QRect geometry,
                        const QString &hint)
{
    QPushButton *button = MakeButton(parent, name, caption, geometry, hint);
    button->setFlat(true);
    return button;
}

} // namespace

TAnalyseBox::TAnalyseBox(QWidget *parent)
    : OnDemandWindow(parent, Qt::Dialog)
{
    setObjectName(QStringLiteral("AnalyseBox"));
    setWindowTitle(QStringLiteral("Analyse"));
    new KeyPreview(this, [this](QKeyEvent *event) { return FormKeyDown(event->key()); });
}

void TAnalyseBox::createControls()
{
    Label1 = new QLabel(QStringLiteral("Er wordt 1 dezelfde kaart per vraag geteld"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(8, 8, 314, 17);
    lbAantal = new QLabel(QStringLiteral("Aantal vragen: "), this);
    lbAantal->setObjectName(QStringLiteral("lbAantal"));
    lbAantal->setGeometry(8, 32, 220, 17);
    QFont bold = lbAantal->font();
    bold.setBold(true);
    lbAantal->setFont(bold);
    btKoppie = MakeButton(this, "btKoppie", QStringLiteral("Kopieer"), {242, 28, 80, 25},
                          QStringLiteral("Kopieer lijst naar geheugen."));
    connect(btKoppie, &QPushButton::clicked, this, &TAnalyseBox::btKoppieClick);

    m_model = new QStringListModel(this);
    lbAnalyse = MakeJournalView(this, "lbAnalyse", {8, 60, 314, 296}, m_model);
    // Two columns of eighteen cards, read top to bottom: a grid of fixed
    // cells, and a list just high enough for eighteen of them.
    lbAnalyse->setFlow(QListView::TopToBottom);
    lbAnalyse->setWrapping(true);
    lbAnalyse->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    const int rowHeight = lbAnalyse->fontMetrics().height() + 2;
    const int frame = lbAnalyse->frameWidth();
    lbAnalyse->setGridSize(QSize((314 - 2 * frame) / 2 - 1, rowHeight));
    lbAnalyse->setFixedHeight(CardCount / 2 * rowHeight + 2 * frame + rowHeight / 2);
    lbAnalyse->setSelectionMode(QAbstractItemView::SingleSelection);
    lbAnalyse->setAccessibleName(QStringLiteral("Aantal per kaart"));
    connect(lbAnalyse, &QListView::doubleClicked, this, &TAnalyseBox::btSelectClick);

    // The rest goes below the list, whose height follows the font.
    int y = lbAnalyse->geometry().bottom() + 8;
    btSelect = flatButton(this, "btSelect", QStringLiteral("Filter Select"), {8, y, 90, 25},
                          QStringLiteral("Filter Kaartnummer naar nieuwe lijst"));
    connect(btSelect, &QPushButton::clicked, this, &TAnalyseBox::btSelectClick);
    btFilter = flatButton(this, "btFilter", AllYears, {106, y, 90, 25}, QStringLiteral("Filter Jaartal"));
    connect(btFilter, &QPushButton::clicked, this, &TAnalyseBox::btFilterClick);
    btLess = flatButton(this, "btLess", QStringLiteral("<<<"), {204, y, 55, 25}, QStringLiteral("Eerder"));
    btLess->setAccessibleName(QStringLiteral("Eerder"));
    connect(btLess, &QPushButton::clicked, this, &TAnalyseBox::btLessClick);
    btMore = flatButton(this, "btMore", QStringLiteral(">>>"), {267, y, 55, 25}, QStringLiteral("Later"));
    btMore->setAccessibleName(QStringLiteral("Later"));
    connect(btMore, &QPushButton::clicked, this, &TAnalyseBox::btMoreClick);

    y += 34;
    rbDef = presentation(this, "rbDef", QStringLiteral("Standaard"), y);
    rbToon = presentation(this, "rbToon", QStringLiteral("Toon Kaartnummers"), y + 21);
    rbSort = presentation(this, "rbSort", QStringLiteral("Sorteer Kaartnummer"), y + 42);
    rbDef->setChecked(true);
    auto *presentations = new QButtonGroup(this);
    for (QRadioButton *radio : {rbDef, rbToon, rbSort})
        presentations->addButton(radio);
    // Ticking a presentation, also from code, shows the counts that way.
    connect(presentations, &QButtonGroup::buttonToggled, this, [this](QAbstractButton *, bool checked) {
        if (checked)
            RefreshAnalysis();
    });

    btReset = MakeButton(this, "btReset", QStringLiteral("Reset"), {172, y + 38, 72, 25});
    connect(btReset, &QPushButton::clicked, this, &TAnalyseBox::btResetClick);
    OKButton = MakeButton(this, "OKButton", QStringLiteral("Sluit"), {250, y + 38, 72, 25});
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this, &QWidget::close);
    // In the free space above "Sluit".
    btKans = MakeButton(this, "btKans", QStringLiteral("Kans"), {250, y + 4, 72, 25},
                        QStringLiteral("Welke kaarten vaker of minder vaak komen dan toeval"));
    connect(btKans, &QPushButton::clicked, this, &TAnalyseBox::btKansClick);
    // Reached after the presentations, as it stands beside them.
    setTabOrder(rbSort, btKans);
    setTabOrder(btKans, btReset);
    setFixedSize(330, y + 72);
    NameButtons(this);
    // The year may have been set before the controls were made.
    setYear(m_year);
}

void TAnalyseBox::showEvent(QShowEvent *event)
{
    if (!m_placed) {
        // Left of the main window, so the selection fits beside it.
        const QWidget *main = Windows().Form1;
        const QScreen *screen = QGuiApplication::primaryScreen();
        if (main && screen) {
            const QRect free = screen->availableGeometry();
            const QRect frame = main->frameGeometry();
            move(std::max(free.left(), frame.left() - frameGeometry().width() - 8),
                 std::clamp(frame.top(), free.top(),
                            std::max(free.top(), free.bottom() - frameGeometry().height())));
        }
        m_placed = true;
    }
    QWidget::showEvent(event);
    if (!event->spontaneous())
        RefreshAnalysis();
}

void TAnalyseBox::closeEvent(QCloseEvent *event)
{
    // The window always opens on all years.
    setYear({});
    AnalysisYear.clear();
    event->accept();
}

bool TAnalyseBox::FormKeyDown(int key)
{
    switch (key) {
    case Qt::Key_Escape:
        hide();
        Windows().Form1->close();
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (!PressFocusedButton(this))
            OKButton->click();
        return true;
    default:
        return false;
    }
}

QStringList TAnalyseBox::rows() const
{
    return m_model->stringList();
}

AnalysisView TAnalyseBox::view() const
{
    if (rbToon->isChecked())
        return AnalysisView::Numbered;
    if (rbSort->isChecked())
        return AnalysisView::ByNumber;
    return AnalysisView::Standard;
}

void TAnalyseBox::setYear(const QString &year)
{
    m_year = year;
    btFilter->setText(year.isEmpty() ? AllYears : year);
    btFilter->setAccessibleName(year.isEmpty() ? AllYears : QStringLiteral("Filter Jaar ") + year);
}

void TAnalyseBox::showCounts(const CardCounts &counts)
{
    QStringList texts;
    for (const AnalysisRow &row : AnalysisRows(counts, view()))
        texts.append(row.text);
    m_model->setStringList(texts);
}

void TAnalyseBox::RefreshAnalysis()
{
    if (!m_year.isEmpty()) {
        AnalysisYear = m_year;
        CountYear();
        return;
    }
    TSelectie *selection = Windows().Selectie;
    selection->close();
    lbAantal->setText(QStringLiteral("Aantal Vragen: %1").arg(Windows().Verleden->ListEntryCount));
    selection->SelectionYear.clear();
    RunAnalysis();
}

void TAnalyseBox::RunAnalysis()
{
    const std::optional<QStringList> lines = ReadJournal();
    if (!lines) {
        emit recounted();
        return;
    }
    Windows().Verleden->close();
    // The lines just counted, so the number matches the counts even when the
    // journal changed while the list window was closed.
    lbAantal->setText(QStringLiteral("Aantal Vragen: %1").arg(lines->size()));
    showCounts(CountCards(*lines));
    emit recounted();
}

void TAnalyseBox::CountYear()
{
    int entries = 0;
    if (const std::optional<QStringList> lines = ReadJournal()) {
        Windows().Verleden->close();
        const CardCounts counts = CountCards(*lines, AnalysisYear);
        entries = counts.entries;
        showCounts(counts);
    }
    lbAantal->setText(QStringLiteral("Aantal vragen: %1").arg(entries));
    emit recounted();
}

void TAnalyseBox::btFilterClick()
{
    const std::optional<QString> answer =
        Platform::instance().input(QStringLiteral("Analyseer Jaar:"), QStringLiteral("Jaar: "), AnalysisYear);
    const QString year = answer ? YearFromInput(*answer) : QString();
    if (!answer)
        AnalysisYear.clear();
    if (year.isEmpty()) {
        setYear({});
        RefreshAnalysis();
        return;
    }
    AnalysisYear = year;
    setYear(year);
    CountYear();
    AnalysisYear.clear();
}

void TAnalyseBox::stepYear(int step)
{
    if (m_year.isEmpty())
        return;
    const std::optional<QString> year = StepYear(m_year, step);
    if (!year)
        return;
    setYear(*year);
    AnalysisYear = *year;
    CountYear();
}

void TAnalyseBox::btLessClick()
{
    stepYear(-1);
}

void TAnalyseBox::btMoreClick()
{
    stepYear(1);
}

void TAnalyseBox::btResetClick()
{
    setYear({});
    RefreshAnalysis();
}

void TAnalyseBox::btSelectClick()
{
    TSelectie *selection = Windows().Selectie;
    selection->hide();
    selection->SelectionCardNo.clear();
    selection->SelectionCardText.clear();
    selection->SelectionYear = m_year;
    const QModelIndexList chosen = lbAnalyse->selectionModel()->selectedIndexes();
    if (chosen.isEmpty())
        return;
    const QModelIndex row = chosen.first();
    const std::optional<SelectedCard> card = SelectedCardOfRow(view(), row.data().toString(), row.row());
    if (!card)
        return;
    selection->SelectionCardNo = card->number;
    selection->SelectionCardText = card->text;
    selection->show();
    selection->raise();
    selection->activateWindow();
}

void TAnalyseBox::btKoppieClick()
{
    CopyRows(rows());
}

void TAnalyseBox::btKansClick()
{
    TKansAnalyse *chance = Windows().KansAnalyse;
    chance->show();
    chance->raise();
    chance->activateWindow();
}

} // namespace tessaly
