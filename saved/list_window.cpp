#include "saved/list_window.h"

#include "app/main_window.h"
#include "app/platform.h"
#include "app/shared_state.h"
#include "app/text_file.h"
#include "app/window_set.h"
#include "saved/analysis_window.h"
#include "saved/edit_window.h"
#include "saved/journal_view.h"
#include "saved/open_entry.h"
#include "saved/saved_list.h"
#include "spreads/line_of_five_window.h"
#include "spreads/nine_card_window.h"
#include "spreads/three_card_window.h"
#include "widgets/controls.h"
#include "widgets/key_preview.h"
#include "widgets/line_list_model.h"

#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QStringListModel>

#include <array>

namespace tessaly {

namespace {

const QString NoMatches = QStringLiteral("-------------- NO MATCHES --------------");

QCheckBox *kindBox(QWidget *parent, const char *name, const QString &caption, int left)
{
    auto *box = new QCheckBox(caption, parent);
    box->setObjectName(QLatin1String(name));
    box->setGeometry(left, 388, 76, 19);
    box->setChecked(true);
    box->setAccessibleName(caption.trimmed());
    return box;
}

} // namespace

TVerleden::TVerleden(QWidget *parent)
    : OnDemandWindow(parent, Qt::Dialog)
    , m_journal(ListFile)
{
    setObjectName(QStringLiteral("Verleden"));
    setWindowTitle(QStringLiteral("Orvalis.txt"));
    setFixedSize(560, 452);
    new KeyPreview(this, [this](QKeyEvent *event) {
        // The list itself opens its row on Enter.
        if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
            return PressFocusedButton(this);
        if (event->key() != Qt::Key_Escape)
            return false;
        btTerug->click();
        return true;
    });
}

void TVerleden::createControls()
{
    btWisLst = MakeButton(this, "btWisLst", QStringLiteral("Wis Lijst"), {8, 8, 80, 25});
    connect(btWisLst, &QPushButton::clicked, this, &TVerleden::EmptyList);
    lbAantal = new QLabel(QStringLiteral("Aantal vragen: 0000"), this);
    lbAantal->setObjectName(QStringLiteral("lbAantal"));
    lbAantal->setGeometry(100, 12, 240, 17);
    lbSel = new QLabel(QStringLiteral("Regel: 0000"), this);
    lbSel->setObjectName(QStringLiteral("lbSel"));
    lbSel->setGeometry(350, 12, 100, 17);
    btKopieLst = MakeButton(this, "btKopieLst", QStringLiteral("Naar Klembord"), {452, 8, 100, 25},
                            QStringLiteral("Kopieer Lijst naar Geheugen"));
    connect(btKopieLst, &QPushButton::clicked, this, &TVerleden::CopyList);

    m_model = new LineListModel(this);
    lbxLijst = new QListView(this);
    lbxLijst->setObjectName(QStringLiteral("lbxLijst"));
    lbxLijst->setGeometry(8, 40, 544, 340);
    lbxLijst->setModel(m_model);
    lbxLijst->setAccessibleName(QStringLiteral("Bewaarde leggingen"));
    // The journal can hold a hundred thousand lines.
    lbxLijst->setUniformItemSizes(true);
    lbxLijst->setSelectionMode(QAbstractItemView::ExtendedSelection);
    lbxLijst->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lbxLijst->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    QFont fixed(QStringLiteral("Liberation Mono"));
    fixed.setStyleHint(QFont::TypeWriter);
    fixed.setPixelSize(12);
    lbxLijst->setFont(fixed);
    lbxLijst->installEventFilter(this);
    connect(lbxLijst, &QListView::clicked, this, [this] { lbxLijstClick(); });
    connect(lbxLijst, &QListView::doubleClicked, this, [this] {
        OpenPrevious = false;
        OpenNext = false;
        OpenEntry();
    });

    cbDrieK = kindBox(this, "cbDrieK", QStringLiteral(" 3-Kaart"), 8);
    cbVijfK = kindBox(this, "cbVijfK", QStringLiteral(" 5-Kaart"), 88);
    cbNegenK = kindBox(this, "cbNegenK", QStringLiteral(" 9-Kaart"), 168);
    for (QCheckBox *box : {cbDrieK, cbVijfK, cbNegenK})
        connect(box, &QCheckBox::toggled, this, &TVerleden::ApplyKindFilter);
    btDubbel = MakeButton(this, "btDubbel", QStringLiteral("3Dubbel?"), {262, 385, 90, 25},
                          QStringLiteral("Zoek dubbele 3-kaart"));
    connect(btDubbel, &QPushButton::clicked, this, [this] {
        if (btDubbel->text() == QLatin1String("3Dubbel?"))
            FindDuplicateTriples();
        else
            RefreshList();
    });
    btOpZoek = MakeButton(this, "btOpZoek", QStringLiteral("Zoekop"), {360, 385, 90, 25});
    connect(btOpZoek, &QPushButton::clicked, this, [this] {
        if (btOpZoek->text() == QLatin1String("Zoekop"))
            SearchList();
        else
            RefreshList();
    });
    btZoek = MakeButton(this, "btZoek", QStringLiteral("Analyse"), {458, 385, 94, 25},
                        QStringLiteral("Tel de kaarten"));
    connect(btZoek, &QPushButton::clicked, this, [] { Windows().AnalyseBox->show(); });

    btWisSel = MakeButton(this, "btWisSel", QStringLiteral("Wis Selectie"), {8, 418, 90, 25},
                          QStringLiteral("Selectie = Klik (+ Ctrl / Shift)"));
    connect(btWisSel, &QPushButton::clicked, this, &TVerleden::DeleteSelection);
    btBewerk = MakeButton(this, "btBewerk", QStringLiteral("Bewerk Opm."), {106, 418, 90, 25},
                          QStringLiteral("Bewerk beschrijving geselecteerd item"));
    connect(btBewerk, &QPushButton::clicked, this, &TVerleden::EditRemark);
    btBewHerst = MakeButton(this, "btBewHerst", QStringLiteral("Bewerk Ext.+ Herstel "), {204, 418, 150, 25},
                            QStringLiteral("Herstel Backup / Bewerk Datum e/o Kaartnummers"));
    connect(btBewHerst, &QPushButton::clicked, this, [this] {
        Windows().Bewerk->show();
        hide();
    });
    btTerug = MakeButton(this, "btTerug", QStringLiteral("&Sluit"), {472, 418, 80, 25});
    connect(btTerug, &QPushButton::clicked, this, &QWidget::close);
}

void TVerleden::showEvent(QShowEvent *event)
{
    if (!m_placed) {
        // Over the main window, where the user's eyes are.
        if (const QWidget *main = Windows().Form1)
            move(main->geometry().center() - rect().center());
        m_placed = true;
    }
    QWidget::showEvent(event);
    if (!event->spontaneous() && !m_refreshing)
        RefreshList();
}

QStringList TVerleden::rows() const
{
    ensureRows();
    return m_model->stringList();
}

QString TVerleden::rowText(int row) const
{
    return m_model->index(row).data(Qt::EditRole).toString();
}

void TVerleden::ensureRows() const
{
    auto *self = const_cast<TVerleden *>(this);
    switch (m_pending) {
    case Pending::Load:
        self->loadRows();
        break;
    case Pending::Filter:
        self->filterRows();
        break;
    case Pending::None:
        break;
    }
}

int TVerleden::currentRow() const
{
    ensureRows();
    return lbxLijst->currentIndex().isValid() ? lbxLijst->currentIndex().row() : -1;
}

QList<int> TVerleden::selectedRows() const
{
    ensureRows();
    QList<int> selected;
    for (const QModelIndex &index : lbxLijst->selectionModel()->selectedIndexes())
        selected.append(index.row());
    std::sort(selected.begin(), selected.end());
    return selected;
}

void TVerleden::selectRow(int row)
{
    ensureRows();
    const QModelIndex index = m_model->index(row);
    if (!index.isValid())
        return;
    lbxLijst->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    lbxLijst->scrollTo(index);
}

void TVerleden::setRows(const QStringList &rows)
{
    m_model->setStringList(rows);
    m_view.file = false;
}

void TVerleden::showFileRows(bool three, bool five, bool nine)
{
    const View wanted{true, three, five, nine, m_journal.generation()};
    const bool shown = m_view.file && m_view.generation == wanted.generation && m_view.three == three &&
                       m_view.five == five && m_view.nine == nine;
    if (!shown)
        m_model->setStringList(FilterByKind(m_journal.lines(), three, five, nine));
    m_view = wanted;
}

void TVerleden::focusLastRow()
{
    // Focus without selecting, so a click or key starts from the newest entry.
    const QModelIndex last = m_model->index(m_model->rowCount() - 1);
    if (last.isValid()) {
        lbxLijst->selectionModel()->setCurrentIndex(last, QItemSelectionModel::NoUpdate);
        lbxLijst->scrollTo(last);
    }
    lbxLijst->setFocus();
}

void TVerleden::setCount(int count)
{
    ListEntryCount = count;
    lbAantal->setText(QStringLiteral("Aantal vragen: %1").arg(count));
}

bool TVerleden::allKinds() const
{
    return cbDrieK->isChecked() && cbVijfK->isChecked() && cbNegenK->isChecked();
}

bool TVerleden::readJournal()
{
    QString error;
    if (!m_journal.refresh(&error)) {
        // Once, not for every step of one action on the same file.
        if (error != m_reportedError)
            Platform::instance().message(error);
        m_reportedError = error;
        return false;
    }
    m_reportedError.clear();
    return true;
}

std::optional<QStringList> TVerleden::readList()
{
    if (!readJournal() || !m_journal.exists())
        return std::nullopt;
    return m_journal.lines();
}

void TVerleden::setFileViewButtons(bool enabled)
{
    for (QPushButton *b : {btBewHerst, btBewerk, btWisSel, btDubbel, btOpZoek, btZoek})
        b->setEnabled(enabled);
}

void TVerleden::LoadFromFile()
{
    // Start-up and saves leave the journal unread until someone looks.
    if (!isVisible())
        m_pending = Pending::Load;
    else
        loadRows();
}

void TVerleden::loadRows()
{
    m_pending = Pending::None;
    // A missing file is an empty list; an unreadable one keeps the rows.
    if (readJournal())
        showFileRows(true, true, true);
}

bool TVerleden::AppendEntry(const QString &line)
{
    const quint64 before = m_journal.generation();
    const bool shown = m_pending == Pending::None && m_view.file && m_view.generation == before;
    const AppendResult result = AppendToList(m_journal, line, ListBackup);
    if (!result.error.isEmpty())
        Platform::instance().message(result.error);
    if (!result.listWritten)
        return false;
    if (shown && m_journal.generation() == before + 1) {
        // One row more rather than a reload of the whole list.
        if (!FilterByKind({line}, m_view.three, m_view.five, m_view.nine).isEmpty()) {
            const int row = m_model->rowCount();
            m_model->insertRows(row, 1);
            m_model->setData(m_model->index(row), line);
        }
        m_view.generation = m_journal.generation();
    }
    LoadFromFile();
    return true;
}

bool TVerleden::checkUnchanged(bool rowsAreFile)
{
    const bool current =
        m_journal.unchanged() &&
        (!rowsAreFile || (m_pending == Pending::None && m_view.file && m_view.three && m_view.five &&
                          m_view.nine && m_view.generation == m_journal.generation()));
    if (current)
        return true;
    // Another program wrote the list: writing the rows would undo that.
    Platform::instance().message(ChangedAndReloaded(ListFile));
    RefreshList();
    return false;
}

void TVerleden::RefreshList()
{
    if (!isVisible())
        m_reportedError.clear();
    m_refreshing = true;
    setFileViewButtons(true);
    btDubbel->setText(QStringLiteral("3Dubbel?"));
    btOpZoek->setText(QStringLiteral("Zoekop"));
    for (QCheckBox *box : {cbDrieK, cbVijfK, cbNegenK})
        box->setChecked(true);
    lbSel->setText(QStringLiteral("Regel: 0"));
    loadRows();
    show();
    raise();
    setCount(int(m_model->rowCount()));
    focusLastRow();
    m_refreshing = false;
}

void TVerleden::ResetForMainShow()
{
    setFileViewButtons(true);
    btDubbel->setText(QStringLiteral("3Dubbel?"));
    btOpZoek->setText(QStringLiteral("Zoekop"));
    const bool changed = !allKinds();
    for (QCheckBox *box : {cbDrieK, cbVijfK, cbNegenK})
        box->setChecked(true);
    if (!changed)
        ApplyKindFilter();
}

void TVerleden::OpenAllKinds()
{
    RefreshList();
    for (QCheckBox *box : {cbDrieK, cbVijfK, cbNegenK})
        box->setChecked(true);
    ApplyKindFilter();
}

void TVerleden::ApplyKindFilter()
{
    lbSel->hide();
    // Showing the main window runs this on the hidden list at every start.
    if (!isVisible())
        m_pending = Pending::Filter;
    else
        filterRows();
}

void TVerleden::filterRows()
{
    m_pending = Pending::None;
    readJournal();
    const bool three = cbDrieK->isChecked();
    const bool five = cbVijfK->isChecked();
    const bool nine = cbNegenK->isChecked();
    if (!three && !five && !nine) {
        setRows({});
        lbAantal->setText(QStringLiteral("Aantal vragen: %1 (Verborgen)").arg(ListEntryCount));
        return;
    }
    showFileRows(three, five, nine);
    if (three && five && nine)
        lbSel->show();
    lbAantal->setText(QStringLiteral("Aantal vragen: %1 v %2").arg(m_model->rowCount()).arg(ListEntryCount));
    focusLastRow();
}

void TVerleden::lbxLijstClick()
{
    if (!allKinds()) {
        lbSel->hide();
        return;
    }
    lbSel->show();
    SelectedFileLine = currentRow() + 1;
    lbSel->setText(QStringLiteral("Regel: %1").arg(SelectedFileLine));
}

bool TVerleden::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == lbxLijst && event->type() == QEvent::KeyPress)
        return lbxLijstKeyDown(static_cast<QKeyEvent *>(event)->key());
    return QWidget::eventFilter(watched, event);
}

bool TVerleden::lbxLijstKeyDown(int key)
{
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        OpenPrevious = false;
        OpenNext = false;
        OpenEntry();
        return true;
    case Qt::Key_Up:
        // Opens the row the selection is about to move to; the list moves
        // after this.
        OpenPrevious = true;
        OpenNext = false;
        SelectedFileLine = currentRow() + 1;
        if (SelectedFileLine > 1)
            OpenEntry();
        else
            OpenPrevious = false;
        return false;
    case Qt::Key_Down:
        OpenNext = true;
        OpenPrevious = false;
        SelectedFileLine = currentRow() + 1;
        if (SelectedFileLine < m_model->rowCount())
            OpenEntry();
        else
            OpenNext = false;
        return false;
    default:
        return false;
    }
}

void TVerleden::OpenEntry()
{
    const QList<int> selected = selectedRows();
    if (selected.size() == 1) {
        int row = currentRow();
        if (OpenNext)
            ++row;
        else if (OpenPrevious)
            --row;
        const QString text = rowText(row);
        const int count = EntryCardCount(text);
        QList<int> cards;
        if (count > 0) {
            const QString part = *CardPart(text);
            for (int i = 1; i <= count; ++i) {
                // A hand-edited field that is not a number opens nothing.
                const std::optional<int> card = CardAt(part, i);
                if (!card) {
                    cards.clear();
                    break;
                }
                cards.append(*card);
            }
        }
        if (!cards.isEmpty()) {
            DeliverEntryCards(cards);
            // The printed spread takes its date and remark from here.
            Shared().SaveLine = text;
        }
    }
    OpenPrevious = false;
    OpenNext = false;
    SharedState &shared = Shared();
    shared.SpreadSaved = true;
    if (isVisible())
        activateWindow();
    shared.LineOrderIndex = 0;
    shared.NineCardOrderIndex = 1;
    ResetSpreadOrders();
}

void TVerleden::FindFileLine()
{
    const int row = currentRow();
    if (row < 0)
        return;
    const QString text = rowText(row);
    const int line = tessaly::FindFileLine(readList().value_or(QStringList()), text);
    if (line > 0)
        SelectedFileLine = line;
}

void TVerleden::DeleteSelection()
{
    std::optional<BusyCursor> busy;
    if (!allKinds()) {
        // Rows of a filtered view are not file lines: find the entry in the
        // file and delete exactly that one.
        FindFileLine();
        RefreshList();
        selectRow(SelectedFileLine - 1);
        lbSel->setText(QStringLiteral("Regel: %1").arg(SelectedFileLine));
        busy.emplace();
    }
    setEnabled(false);
    const QList<int> selected = selectedRows();
    if (!selected.isEmpty() &&
        Platform::instance().confirm(QStringLiteral("Lijst"), QStringLiteral("Selectie wordt verwijderd!"),
                                     Platform::Icon::Warning)) {
        QString error;
        if (checkUnchanged(true)) {
            BusyCursor writing;
            if (!m_journal.remove(selected, ListBackup, &error)) {
                Platform::instance().message(error);
            } else {
                // Runs of rows from the end, so the rows ahead keep their places.
                for (qsizetype end = selected.size(); end > 0;) {
                    qsizetype start = end - 1;
                    while (start > 0 && selected[start - 1] == selected[start] - 1)
                        --start;
                    m_model->removeRows(selected[start], int(end - start));
                    end = start;
                }
                m_view.generation = m_journal.generation();
                setCount(int(m_model->rowCount()));
                focusLastRow();
            }
        }
    }
    setEnabled(true);
}

void TVerleden::EmptyList()
{
    if (m_model->rowCount() == 0)
        return;
    setEnabled(false);
    if (Platform::instance().confirm(QStringLiteral("Lijst"),
                                     QStringLiteral("Totale Lijst met alle leggingen Leegmaken?!"),
                                     Platform::Icon::Warning)) {
        QString error;
        // An unreadable file is refused: emptying it would lose what the
        // backup cannot hold.
        if (checkUnchanged(false)) {
            if (!m_journal.clear(ListBackup, &error)) {
                Platform::instance().message(error);
            } else {
                showFileRows(cbDrieK->isChecked(), cbVijfK->isChecked(), cbNegenK->isChecked());
                setCount(0);
            }
        }
    }
    setEnabled(true);
}

void TVerleden::EditRemark()
{
    FindFileLine();
    RefreshList();
    selectRow(SelectedFileLine - 1);
    lbSel->setText(QStringLiteral("Regel: %1").arg(SelectedFileLine));
    if (selectedRows().size() != 1)
        return;
    const int row = currentRow();
    const QString line = rowText(row);
    Platform &platform = Platform::instance();
    const std::optional<RemarkParts> parts = RemarkSplit(line);
    if (!parts) {
        platform.message(QStringLiteral("Deze regel heeft geen opmerking die bewerkt kan worden."));
        return;
    }
    if (parts->remark.size() > Platform::LongestInput) {
        platform.message(TooLongToEdit(line.size()));
        return;
    }
    std::optional<QString> answer = platform.input(
        QStringLiteral("Bewerk Selectie:"), QStringLiteral("Max 90 tekens\rZonder: *, #, /"), parts->remark);
    if (!answer)
        return;
    if (answer->isEmpty())
        *answer = QStringLiteral("...");
    if (HasForbiddenRemarkCharacter(*answer)) {
        platform.message(QStringLiteral("Niet toegestane tekens:  * , + , /"));
        return;
    }
    // A line break or a character outside Windows-1252 would corrupt the list.
    if (!UnstorableCharacters(*answer).isEmpty()) {
        platform.message(QStringLiteral("Deze tekens kunnen niet bewaard worden."));
        return;
    }
    if (!checkUnchanged(true))
        return;
    const QString edited = parts->head + *answer + parts->tail;
    QString error;
    BusyCursor busy;
    if (!m_journal.replace(row, edited, ListBackup, &error)) {
        platform.message(error);
        return;
    }
    m_model->setData(m_model->index(row), edited);
    m_view.generation = m_journal.generation();
    selectRow(row);
}

void TVerleden::FindDuplicateTriples()
{
    for (QPushButton *b : {btBewerk, btWisSel, btOpZoek, btZoek})
        b->setEnabled(false);
    btDubbel->setText(QStringLiteral("Reset"));
    lbAantal->setText(QStringLiteral(" "));
    lbSel->setText(QStringLiteral(" "));
    setRows({});
    if (!FileExists(ListFile))
        return;
    BusyCursor busy;
    const QStringList found = tessaly::FindDuplicateTriples(readList().value_or(QStringList()));
    if (found.isEmpty()) {
        setRows({NoMatches});
    } else {
        setRows(found);
        lbAantal->setText(QStringLiteral("Aantal Dubbele Matches: %1").arg(found.size()));
    }
    focusLastRow();
}

void TVerleden::SearchList()
{
    const std::optional<QString> text =
        Platform::instance().input(QStringLiteral("Zoek woorden of getallen = Hoofdletter gevoelig:"),
                                   QStringLiteral("Tekst: "), QString());
    if (text && !text->isEmpty()) {
        const WindowSet &windows = Windows();
        windows.Form1->hide();
        windows.Form4->hide();
        windows.Form2->hide();
        windows.Form3->show();
        for (QPushButton *b : {btBewHerst, btBewerk, btWisSel, btDubbel, btZoek})
            b->setEnabled(false);
        lbAantal->setText(QStringLiteral(" "));
        lbSel->setText(QStringLiteral(" "));
        btOpZoek->setText(QStringLiteral("Reset"));
        if (FileExists(ListFile)) {
            const QStringList found = SearchLines(readList().value_or(QStringList()), *text);
            QStringList shown{QStringLiteral("<< Zoekterm: ") + *text + QStringLiteral(" >>")};
            if (found.isEmpty()) {
                shown.append(QStringLiteral("No matches found."));
            } else {
                shown.append(found);
                lbAantal->setText(QStringLiteral("Aantal Matches: %1").arg(found.size()));
            }
            setRows(shown);
            selectRow(1);
        }
    }
    OpenEntry();
}

void TVerleden::CopyList()
{
    CopyRows(rows());
}

} // namespace tessaly
