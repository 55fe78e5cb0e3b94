#include "saved/selection_window.h"

#include "app/main_window.h"
#include "app/platform.h"
#include "app/text_file.h"
#include "app/window_set.h"
#include "saved/analysis_window.h"
#include "saved/card_analysis.h"
#include "saved/entry_check.h"
#include "saved/journal_view.h"
#include "saved/open_entry.h"
#include "saved/saved_list.h"
#include "widgets/controls.h"
#include "widgets/key_preview.h"
#include "widgets/line_list_model.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QScreen>
#include <QStringListModel>

#include <algorithm>

namespace tessaly {

TSelectie::TSelectie(QWidget *parent)
    : OnDemandWindow(parent, Qt::Dialog)
{
    setObjectName(QStringLiteral("Selectie"));
    setWindowTitle(QStringLiteral("Selectie"));
    setFixedSize(560, 392);
    new KeyPreview(this, [this](QKeyEvent *event) { return FormKeyDown(event->key()); });
}

void TSelectie::createControls()
{
    m_model = new LineListModel(this);
    lbSelect = MakeJournalView(this, "lbSelect", {8, 8, 544, 340}, m_model);
    lbSelect->setSelectionMode(QAbstractItemView::SingleSelection);
    lbSelect->setAccessibleName(QStringLiteral("Gevonden leggingen"));
    // Only a row opens: a click on the empty area below the rows gives no index.
    connect(lbSelect, &QListView::clicked, this,
            [this](const QModelIndex &index) { OpenSelectedEntry(index.row()); });

    BitBtn1 = MakeButton(this, "BitBtn1", QStringLiteral("Kopieer"), {8, 358, 80, 25},
                         QStringLiteral("Kopieer lijst naar Clipboard"));
    connect(BitBtn1, &QPushButton::clicked, this, &TSelectie::BitBtn1Click);
    Label1 = new QLabel(QStringLiteral("Selectie van Kaart: "), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(100, 362, 360, 17);
    btSluit = MakeButton(this, "btSluit", QStringLiteral("Sluit"), {472, 358, 80, 25});
    btSluit->setFlat(true);
    connect(btSluit, &QPushButton::clicked, this, &QWidget::close);
    NameButtons(this);
}

void TSelectie::showEvent(QShowEvent *event)
{
    if (!m_placed) {
        // Beside the analysis window, so the counts stay in sight.
        const QWidget *analysis = Windows().AnalyseBox;
        const QScreen *screen = QGuiApplication::primaryScreen();
        if (analysis && screen) {
            const QRect free = screen->availableGeometry();
            QPoint at(analysis->frameGeometry().right() + 8, analysis->frameGeometry().top());
            at.setX(std::min(at.x(), free.right() - frameGeometry().width()));
            at.setY(std::clamp(at.y(), free.top(),
                               std::max(free.top(), free.bottom() - frameGeometry().height())));
            move(at);
        }
        m_placed = true;
    }
    QWidget::showEvent(event);
    if (!event->spontaneous())
        FillSelection();
}

bool TSelectie::FormKeyDown(int key)
{
    switch (key) {
    case Qt::Key_Escape:
        hide();
        Windows().Form1->close();
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (PressFocusedButton(this))
            return true;
        if (focusWidget() == lbSelect && lbSelect->currentIndex().isValid()) {
            OpenSelectedEntry(lbSelect->currentIndex().row());
            return true;
        }
        return false;
    default:
        return false;
    }
}

QStringList TSelectie::rows() const
{
    return m_model->stringList();
}

void TSelectie::FillSelection()
{
    m_model->setStringList({});
    if (const std::optional<QStringList> lines = ReadJournal()) {
        QStringList listed = SelectEntries(*lines, SelectionCardNo, SelectionYear);
        if (listed.isEmpty())
            listed.append(QStringLiteral("Geen Matches gevonden..."));
        m_model->setStringList(listed);
    }
    Label1->setText(SelectionLabel(SelectionYear, SelectionCardText));
    lbSelect->setFocus();
}

void TSelectie::OpenSelectedEntry(int row)
{
    const QString text = m_model->index(row).data(Qt::EditRole).toString();
    if (text.isEmpty())
        return;
    // Not counted as saved and the orders stay: the user may keep this as a
    // new entry of today.
    if (const std::optional<QList<int>> cards = EntryCards(text))
        DeliverEntryCards(*cards, OpenedFrom::Selection);
    activateWindow();
    lbSelect->setFocus();
}

void TSelectie::BitBtn1Click()
{
    CopyRows(rows());
}

} // namespace tessaly
