#include "saved/edit_window.h"

#include "app/platform.h"
#include "app/text_file.h"
#include "app/window_set.h"
#include "saved/entry_check.h"
#include "saved/journal_view.h"
#include "saved/list_window.h"
#include "saved/saved_list.h"
#include "widgets/controls.h"
#include "widgets/key_preview.h"
#include "widgets/line_list_model.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QStringListModel>

namespace tessaly {

TBewerk::TBewerk(QWidget *parent)
    : OnDemandWindow(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                 Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("Bewerk"));
    setWindowTitle(QStringLiteral("Bewerk Datum / Volgorde"));
    setFixedSize(560, 412);
    new KeyPreview(this, [this](QKeyEvent *event) { return FormKeyDown(event->key()); });
}

void TBewerk::createControls()
{
    lbReg = new QLabel(QStringLiteral("Regel:  000"), this);
    lbReg->setObjectName(QStringLiteral("lbReg"));
    lbReg->setGeometry(8, 8, 200, 17);
    QFont bold = lbReg->font();
    bold.setBold(true);
    lbReg->setFont(bold);

    m_model = new LineListModel(this);
    lbxHerstel = MakeJournalView(this, "lbxHerstel", {8, 30, 544, 340}, m_model);
    lbxHerstel->setSelectionMode(QAbstractItemView::SingleSelection);
    lbxHerstel->setAccessibleName(QStringLiteral("Regels van Orvalis.txt"));
    // Clicks and arrow keys alike show the line number.
    connect(lbxHerstel->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &TBewerk::showLineNumber);
    connect(lbxHerstel, &QListView::doubleClicked, this, &TBewerk::EditWholeLine);

    btBack = MakeButton(this, "btBack", QStringLiteral("Herstel Backup"), {8, 378, 110, 25});
    connect(btBack, &QPushButton::clicked, this, &TBewerk::RestoreBackup);
    btLijn = MakeButton(this, "btLijn", QStringLiteral("Bewerk Datum / Decknr / Opm. / Kaartnr."),
                        {126, 378, 280, 25}, QStringLiteral("Lijst wordt niet gesorteerd / Let op de codes"));
    connect(btLijn, &QPushButton::clicked, this, &TBewerk::EditWholeLine);
    btSluit = MakeButton(this, "btSluit", QStringLiteral("Sluit"), {472, 378, 80, 25});
    connect(btSluit, &QPushButton::clicked, this, &QWidget::close);
    NameButtons(this);
}

void TBewerk::showEvent(QShowEvent *event)
{
    if (!m_placed) {
        // Where the list window was.
        if (const QWidget *list = Windows().Verleden)
            move(list->geometry().center() - rect().center());
        m_placed = true;
    }
    QWidget::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TBewerk::closeEvent(QCloseEvent *event)
{
    event->accept();
    // The list window reloads the list when it is shown.
    Windows().Verleden->show();
}

bool TBewerk::FormKeyDown(int key)
{
    switch (key) {
    case Qt::Key_Escape:
        close();
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (PressFocusedButton(this))
            return true;
        if (focusWidget() != lbxHerstel)
            return false;
        EditWholeLine();
        return true;
    default:
        return false;
    }
}

QStringList TBewerk::rows() const
{
    return m_model->stringList();
}

int TBewerk::selectedRow() const
{
    const QModelIndexList selected = lbxHerstel->selectionModel()->selectedIndexes();
    return selected.isEmpty() ? -1 : selected.first().row();
}

void TBewerk::selectRow(int row)
{
    const QModelIndex index = m_model->index(row);
    if (!index.isValid())
        return;
    lbxHerstel->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    lbxHerstel->scrollTo(index);
}

void TBewerk::showLineNumber()
{
    const QModelIndex current = lbxHerstel->currentIndex();
    lbReg->setText(QStringLiteral("Regel: %1").arg(current.isValid() ? current.row() + 1 : 0));
}

void TBewerk::FormShow()
{
    if (const std::optional<QStringList> lines = ReadJournal())
        m_model->setStringList(*lines);
    m_shown = Windows().Verleden->journal().generation();
    selectRow(m_model->rowCount() - 1);
    showLineNumber();
    lbxHerstel->setFocus();
}

std::optional<QString> TBewerk::askLine(const QString &line)
{
    Platform &platform = Platform::instance();
    QString text = line;
    for (;;) {
        std::optional<QString> answer =
            platform.input(QStringLiteral("Bewerk Regel:"), QStringLiteral("Bewerk alles:"), text);
        if (!answer)
            return std::nullopt;
        text = *answer;
        // A line break or a character outside Windows-1252 would corrupt the list.
        if (const QString bad = UnstorableCharacters(text); !bad.isEmpty()) {
            platform.message(QStringLiteral("Deze tekens kunnen niet bewaard worden: ") + bad);
            continue;
        }
        // The readers of the list rely on its form; the person decides.
        if (text != line && !FollowsLineGrammar(text) &&
            !platform.confirm(
                QStringLiteral("Bewerk Regel:"),
                QStringLiteral("Deze regel heeft niet de vorm datum, soort, (opmerking), / en "
                               "kaarten.\rAnalyse en openen lezen hem dan misschien niet goed.\r"
                               "OK bewaart hem zo, Annuleren bewerkt hem opnieuw."),
                Platform::Icon::Warning))
            continue;
        return text;
    }
}

void TBewerk::EditWholeLine()
{
    const int row = selectedRow();
    if (!FileExists(ListFile) || row < 0)
        return;
    Platform &platform = Platform::instance();
    if (rows()[row].size() > Platform::LongestInput) {
        platform.message(TooLongToEdit(rows()[row].size()));
        return;
    }
    if (!stillTheFile())
        return;
    LineFile &journal = Windows().Verleden->journal();
    QString error;
    {
        BusyCursor busy;
        if (!journal.copyTo(ListBackup, &error)) {
            platform.message(error);
            return;
        }
    }
    const std::optional<QString> text = askLine(rows()[row]);
    if (!text) {
        platform.message(QStringLiteral("Niets veranderd!"));
        return;
    }
    if (!stillTheFile())
        return;
    BusyCursor busy;
    // Writes the backup again, then the list.
    if (!journal.replace(row, *text, ListBackup, &error)) {
        platform.message(error);
        return;
    }
    m_shown = journal.generation();
    m_model->setData(m_model->index(row), *text);
    selectRow(row);
}

bool TBewerk::stillTheFile()
{
    LineFile &journal = Windows().Verleden->journal();
    if (journal.unchanged() && journal.generation() == m_shown)
        return true;
    // Written meanwhile (a save, another program): writing these rows back
    // would lose that.
    Platform::instance().message(QStringLiteral(
        "Orvalis.txt is veranderd sinds het getoond werd. Niets veranderd; de lijst is opnieuw geladen."));
    FormShow();
    return false;
}

void TBewerk::RestoreBackup()
{
    Platform &platform = Platform::instance();
    if (!platform.confirm(QStringLiteral("Lijst"), QStringLiteral("Backup Lijst Terugzetten?!"),
                          Platform::Icon::Warning))
        return;
    if (!FileExists(ListBackup)) {
        platform.message(QStringLiteral("Backup niet gevonden."));
        return;
    }
    // Entries written meanwhile by another program were never seen here; a
    // journal that can't be read has none to lose, and the backup mends it.
    LineFile &journal = Windows().Verleden->journal();
    if (!journal.readFailed() && !stillTheFile())
        return;
    QString error;
    const std::optional<QStringList> backup = ReadLines(ListBackup, &error);
    BusyCursor busy;
    if (!backup || !journal.rewrite(*backup, &error)) {
        platform.message(error);
        return;
    }
    m_shown = journal.generation();
    m_model->setStringList(*backup);
    selectRow(m_model->rowCount() - 1);
    showLineNumber();
}

} // namespace tessaly
