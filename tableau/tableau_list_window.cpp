#include "tableau/tableau_list_window.h"

#include "app/platform.h"
#include "app/text_file.h"
#include "app/window_set.h"
#include "tableau/grand_tableau_window.h"
#include "widgets/controls.h"
#include "widgets/key_preview.h"
#include "widgets/line_list_model.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QListView>
#include <QPushButton>
#include <QScreen>
#include <QStringListModel>

#include <algorithm>
#include <vector>

namespace tessaly {

TForm8::TForm8(QWidget *parent)
    : OnDemandWindow(parent, Qt::Dialog)
    , m_list(TableauListFile)
{
    setObjectName(QStringLiteral("Form8"));
    setWindowTitle(QStringLiteral("Grand Tableaux"));
    setFixedSize(324, 361);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(12);
    setFont(font);
    new KeyPreview(this, [this](QKeyEvent *event) {
        switch (event->key()) {
        case Qt::Key_Escape:
            hide();
            return true;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            // The focused button takes Enter; in the list Enter opens.
            return PressFocusedButton(this);
        default:
            return false;
        }
    });
}

void TForm8::createControls()
{
    m_model = new LineListModel(this);
    lbxGrTab = new QListView(this);
    lbxGrTab->setObjectName(QStringLiteral("lbxGrTab"));
    lbxGrTab->setAccessibleName(QStringLiteral("Bewaarde Grand Tableaux"));
    lbxGrTab->setGeometry(8, 8, 308, 308);
    lbxGrTab->setModel(m_model);
    lbxGrTab->setUniformItemSizes(true);
    lbxGrTab->setSelectionMode(QAbstractItemView::ExtendedSelection);
    lbxGrTab->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lbxGrTab->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    QFont fixed(QStringLiteral("Liberation Mono"));
    fixed.setStyleHint(QFont::TypeWriter);
    fixed.setPixelSize(12);
    lbxGrTab->setFont(fixed);
    lbxGrTab->installEventFilter(this);
    connect(lbxGrTab, &QListView::clicked, this, [](const QModelIndex &index) {
        Windows().Form7->TableauLine = index.data(Qt::EditRole).toString();
    });
    connect(lbxGrTab, &QListView::doubleClicked, this, &TForm8::OpenTableauEntry);

    btOpen = MakeButton(this, "btOpen", QStringLiteral("Open"), {8, 326, 70, 27},
                        QStringLiteral("Open dit Tableau"));
    connect(btOpen, &QPushButton::clicked, this, &TForm8::OpenTableauEntry);
    btWisSel = MakeButton(this, "btWisSel", QStringLiteral("Wis Selectie"), {84, 326, 84, 27},
                          QStringLiteral("Selectie = Klik (+ Ctrl / Shift)"));
    connect(btWisSel, &QPushButton::clicked, this, &TForm8::DeleteSelection);
    btHerstel = MakeButton(this, "btHerstel", QStringLiteral("Herstel"), {174, 326, 66, 27},
                           QStringLiteral("Toon de lijst van voor het laatste wissen"));
    connect(btHerstel, &QPushButton::clicked, this, &TForm8::RestoreBackup);
    btSluiten = MakeButton(this, "btSluiten", QStringLiteral("Sluiten"), {246, 326, 70, 27});
    connect(btSluiten, &QPushButton::clicked, this, &QWidget::hide);
    for (QPushButton *button : {btOpen, btWisSel, btHerstel, btSluiten})
        button->setAccessibleName(button->text());
}

QStringList TForm8::rows() const
{
    return m_model->stringList();
}

int TForm8::currentRow() const
{
    return lbxGrTab->currentIndex().isValid() ? lbxGrTab->currentIndex().row() : -1;
}

QList<int> TForm8::selectedRows() const
{
    QList<int> selected;
    for (const QModelIndex &index : lbxGrTab->selectionModel()->selectedIndexes())
        selected.append(index.row());
    std::sort(selected.begin(), selected.end());
    return selected;
}

void TForm8::selectRow(int row)
{
    const QModelIndex index = m_model->index(row);
    if (!index.isValid())
        return;
    lbxGrTab->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    lbxGrTab->scrollTo(index);
}

void TForm8::place()
{
    if (m_placed)
        return;
    m_placed = true;
    // Beside the Grand Tableau when the screen has room, so both stay in view.
    const QWidget *tableau = Windows().Form7;
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!tableau || !screen)
        return;
    const QRect free = screen->availableGeometry();
    const QRect frame = tableau->frameGeometry();
    QPoint at(frame.right() + 8, frame.top());
    if (at.x() + width() > free.right())
        at.setX(std::max(free.left(), free.right() - width() - 8));
    move(at);
}

void TForm8::ShowList()
{
    place();
    show();
    raise();
    activateWindow();
    ReloadList();
}

void TForm8::OpenTableauEntry()
{
    const int row = currentRow();
    if (row < 0)
        return;
    TForm7 *tableau = Windows().Form7;
    const QString line = rows().at(row);
    tableau->EmptyPositions();
    // Colours of the layout before would point at the wrong cards.
    tableau->ClearConnections();
    tableau->TableauLine = line;
    tableau->setWindowTitle(QStringLiteral("Grand Tableau: ") + line.left(10));
    tableau->ApplyTableauLine(line);
}

bool TForm8::AppendEntry(const QString &line)
{
    const quint64 before = m_list.generation();
    const bool accounted = m_known == before;
    QString error;
    bool written = false;
    {
        BusyCursor busy;
        written = m_list.append(line, &error);
    }
    if (!written) {
        Platform::instance().message(error);
        return false;
    }
    // Only this line is new when the file was not read again on the way.
    const bool onlyThisLine = accounted && m_list.generation() == before + 1;
    if (m_restored) {
        // Restored rows wait for the next delete; the new layout joins them.
        const int row = m_model->rowCount();
        m_model->insertRows(row, 1);
        m_model->setData(m_model->index(row), line);
        if (onlyThisLine)
            m_known = m_list.generation();
        focusLastRow();
    } else if (isVisible()) {
        // An open list must show the new line: its next delete writes what it
        // shows, and would otherwise drop this layout again.
        ReloadList();
    }
    return true;
}

void TForm8::DeleteSelection()
{
    Platform &platform = Platform::instance();
    if (!m_list.unchanged() || m_list.generation() != m_known) {
        // Another program wrote the list: writing the rows would undo that.
        platform.message(ChangedAndReloaded(TableauListFile));
        ReloadList();
        return;
    }
    const QStringList shown = rows();
    std::vector<bool> deleted(shown.size(), false);
    for (const int row : selectedRows())
        deleted[row] = true;
    QStringList kept;
    for (int row = 0; row < shown.size(); ++row)
        if (!deleted[row])
            kept.append(shown[row]);
    QString error;
    bool written = false;
    {
        BusyCursor busy;
        // The list is written only when its backup is safe.
        written = WriteLines(TableauBackupFile, shown, &error) && m_list.rewrite(kept, &error);
    }
    if (!written) {
        platform.message(error);
        // The rows stay as they were, restored ones too: nothing was written.
        focusLastRow();
        return;
    }
    ReloadList();
}

void TForm8::ReloadList()
{
    QString error;
    if (!m_list.refresh(&error)) {
        Platform::instance().message(error);
    } else {
        if (m_list.exists()) {
            m_model->setStringList(m_list.lines());
            m_restored = false;
        }
        m_known = m_list.generation();
    }
    focusLastRow();
}

void TForm8::focusLastRow()
{
    // Current without being selected, so that a delete right after takes
    // nothing away.
    const QModelIndex last = m_model->index(m_model->rowCount() - 1);
    lbxGrTab->selectionModel()->clearSelection();
    lbxGrTab->selectionModel()->setCurrentIndex(last, QItemSelectionModel::NoUpdate);
    if (last.isValid())
        lbxGrTab->scrollTo(last);
    lbxGrTab->setFocus();
}

void TForm8::RestoreBackup()
{
    if (!FileExists(TableauBackupFile))
        return;
    QString error;
    const std::optional<QStringList> backup = ReadLines(TableauBackupFile, &error);
    if (!backup) {
        Platform::instance().message(error);
        return;
    }
    m_model->setStringList(*backup);
    m_restored = true;
}

bool TForm8::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == lbxGrTab && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            OpenTableauEntry();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace tessaly
