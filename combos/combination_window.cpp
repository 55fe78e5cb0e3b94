#include "combos/combination_window.h"

#include "app/main_window.h"
#include "app/platform.h"
#include "app/shared_state.h"
#include "app/window_set.h"
#include "catalogue/catalogue.h"
#include "combos/pair_key.h"
#include "print/print_buttons.h"
#include "spreads/line_of_five_window.h"
#include "spreads/nine_card_window.h"
#include "spreads/three_card_window.h"
#include "tableau/grand_tableau_window.h"
#include "widgets/card_entry.h"
#include "widgets/controls.h"
#include "widgets/key_preview.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QStringListModel>

namespace tessaly {

namespace {

QLabel *makeLabel(QWidget *parent, const char *name, const QString &caption, QRect geometry,
                  Qt::Alignment alignment = Qt::AlignCenter)
{
    auto *label = new QLabel(caption, parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(geometry);
    label->setAlignment(alignment);
    return label;
}

QListView *makeCardList(QWidget *parent, const char *name, QStringListModel *model, QRect geometry)
{
    auto *list = new QListView(parent);
    list->setObjectName(QLatin1String(name));
    list->setModel(model);
    list->setGeometry(geometry);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Description lines are short, but a larger system font must not push
    // them out of sight sideways.
    list->setWordWrap(true);
    list->setUniformItemSizes(false);
    list->setResizeMode(QListView::Adjust);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    return list;
}

QPlainTextEdit *makeTextBox(QWidget *parent, const char *name, QRect geometry, bool readOnly)
{
    auto *box = new QPlainTextEdit(parent);
    box->setObjectName(QLatin1String(name));
    box->setGeometry(geometry);
    box->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->setReadOnly(readOnly);
    // Tab goes on to the next control, so a keyboard user is never held in
    // the notes; a tab character has no use there.
    box->setTabChangesFocus(true);
    if (readOnly)
        box->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    return box;
}

int fieldNumber(const QLineEdit *edit)
{
    return edit->text().toInt();
}

} // namespace

TForm5::TForm5(QWidget *parent)
    : OnDemandWindow(parent, Qt::Dialog)
{
    setObjectName(QStringLiteral("Form5"));
    setWindowTitle(QStringLiteral("Mogelijke Betekenissen van KaartCombinaties"));
    setFixedSize(584, 491);
    setAutoFillBackground(true);
    QPalette moneyGreen = palette();
    moneyGreen.setColor(QPalette::Window, QColor(0xC0, 0xDC, 0xC0));
    setPalette(moneyGreen);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(12);
    setFont(font);
    new KeyPreview(this, [this](QKeyEvent *event) { return FormKeyDown(event); });
}

void TForm5::createControls()
{
    m_cardA = new QStringListModel(this);
    m_cardB = new QStringListModel(this);
    ListBox1 = makeCardList(this, "ListBox1", m_cardA, {8, 8, 280, 128});
    ListBox1->setAccessibleName(QStringLiteral("Kaart A"));
    ListBox2 = makeCardList(this, "ListBox2", m_cardB, {296, 8, 280, 128});
    ListBox2->setAccessibleName(QStringLiteral("Kaart B"));
    Label2 = makeLabel(this, "Label2", QStringLiteral("Kaart A"), {8, 138, 280, 16});
    Label3 = makeLabel(this, "Label3", QStringLiteral("Kaart B"), {296, 138, 280, 16});

    Label4 = makeLabel(this, "Label4", QStringLiteral("Combinatie Spiritueel:"), {8, 160, 568, 16});
    QFont italic = font();
    italic.setItalic(true);
    Label4->setFont(italic);
    MeCom = makeTextBox(this, "MeCom", {8, 178, 568, 148}, true);
    MeCom->setAccessibleName(QStringLiteral("Combinatie Spiritueel"));
    Label5 = makeLabel(this, "Label5", QStringLiteral("Combinatie Kort en Intuïtief"), {8, 332, 568, 16});
    Label5->setFont(italic);
    Memo = makeTextBox(this, "Memo", {8, 350, 568, 100}, false);
    Memo->setAccessibleName(QStringLiteral("Combinatie Kort en Intuïtief"));

    btWissen = MakeButton(this, "btWissen", QStringLiteral("Wissen"), {8, 458, 75, 25});
    connect(btWissen, &QPushButton::clicked, this, &TForm5::btWissenClick);
    btWissel = MakeButton(this, "btWissel", QStringLiteral("<>"), {92, 460, 28, 21},
                          QStringLiteral("Wissel A+B en Zoek"));
    btWissel->setAccessibleName(QStringLiteral("Wissel"));
    btWissel->setAccessibleDescription(btWissel->toolTip());
    connect(btWissel, &QPushButton::clicked, this, &TForm5::btWisselClick);
    edKaart1 = CreateCardEntry(this, QStringLiteral("edKaart1"));
    edKaart1->setGeometry(128, 460, 32, 21);
    edKaart1->setAccessibleName(QStringLiteral("Kaart A"));
    edKaart1->installEventFilter(this);
    Label1 = makeLabel(this, "Label1", QStringLiteral("+"), {160, 460, 18, 21});
    QFont bold = font();
    bold.setBold(true);
    Label1->setFont(bold);
    edKaart2 = CreateCardEntry(this, QStringLiteral("edKaart2"));
    edKaart2->setGeometry(178, 460, 32, 21);
    edKaart2->setAccessibleName(QStringLiteral("Kaart B"));
    edKaart2->installEventFilter(this);
    btZoekop = MakeButton(this, "btZoekop", QStringLiteral("Zoek"), {218, 458, 75, 25});
    connect(btZoekop, &QPushButton::clicked, this, &TForm5::btZoekopClick);
    btSluit = MakeButton(this, "btSluit", QStringLiteral("Sluit"), {501, 458, 75, 25});
    connect(btSluit, &QPushButton::clicked, this, &TForm5::btSluitClick);
    const PrintButtons print = AddPrintButtons(
        this, {338, 458, 75, 25}, {419, 458, 75, 25}, [this]() -> std::optional<PrintedSpread> {
            if (m_shownPair == 0) {
                Platform::instance().message(QStringLiteral("Zoek eerst een combinatie op."));
                return std::nullopt;
            }
            const auto [a, b] = PairCards(m_shownPair);
            return Today(CombinationPrint(a, b, Memo->toPlainText()));
        });

    // Reading order: the texts from the top, then the bottom row left to right.
    const QList<QWidget *> order = {ListBox1, ListBox2, MeCom,    Memo,        btWissen,  btWissel,
                                    edKaart1, edKaart2, btZoekop, print.print, print.pdf, btSluit};
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void TForm5::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TForm5::FormShow()
{
    SharedState &shared = Shared();
    shared.PairPickToA = -1;
    shared.PairPickToB = 0;
    btZoekop->setFocus();
}

void TForm5::closeEvent(QCloseEvent *event)
{
    FormClose();
    event->accept();
}

void TForm5::FormClose()
{
    clearTexts();
}

void TForm5::clearTexts()
{
    Memo->clear();
    MeCom->clear();
    m_shownPair = 0;
    m_cardA->setStringList({});
    m_cardB->setStringList({});
}

void TForm5::showBeside()
{
    // The first time, stand beside the window the user is working in rather
    // than on top of its cards.
    if (!isVisible() && !m_placed) {
        m_placed = true;
        if (const QWidget *anchor = workingWindow())
            move(PlaceBeside(this, anchor));
    }
    show();
    raise();
    // Keys go here next, Esc included, also where the window manager does
    // not hand a new window the keyboard: Esc must not reach the spread
    // window, where it ends the program.
    activateWindow();
}

const QWidget *TForm5::workingWindow() const
{
    const QWidget *active = QApplication::activeWindow();
    if (active && active != this)
        return active;
    const WindowSet &windows = Windows();
    for (const QWidget *window : std::initializer_list<const QWidget *>{
             windows.Form4, windows.Form2, windows.Form3, windows.Form7, windows.Form1})
        if (window && window->isVisible())
            return window;
    return nullptr;
}

void TForm5::LookUpPair()
{
    showBeside();
    SharedState &shared = Shared();
    const std::optional<int> found = PairIndex(shared.CurrentPairKey);
    if (!found)
        return;
    const int i = *found;
    m_shownPair = i;
    // The short text's header and meaning are separate lines of the memo.
    Memo->appendPlainText(QStringLiteral("- ") + SplitCrLf(PairText(i)).join(u'\n'));
    shared.CardTextTarget = 0;
    m_cardA->setStringList(LoadCardText(fieldNumber(edKaart1)));
    shared.CardTextTarget = -1;
    m_cardB->setStringList(LoadCardText(fieldNumber(edKaart2)));
    MeCom->setPlainText(LoadPairText(i + FirstPairTextResource - 1).join(u'\n'));
}

void TForm5::LookUpCards(const QString &a, const QString &b)
{
    Shared().CurrentPairKey = PairKeyOf(a, b);
    edKaart1->setText(a);
    edKaart2->setText(b);
    LookUpPair();
}

void TForm5::LookUpSlots(const QString &first, const QString &second)
{
    const PairButtonChoice choice = ChoosePairFromSlots(first, second);
    switch (choice.action) {
    case PairButtonChoice::Action::NotANumber:
        Platform::instance().message(NotANumberMessage(choice.a));
        return;
    case PairButtonChoice::Action::SameCard:
        return;
    case PairButtonChoice::Action::LookUp:
        LookUpCards(choice.a, choice.b);
        return;
    }
}

void TForm5::ShowWithoutLookup()
{
    showBeside();
}

void TForm5::PickCard(const QString &slotText)
{
    SharedState &shared = Shared();
    if (!isActiveWindow())
        showBeside();
    if (shared.PairPickToA == -1) {
        edKaart1->setText(slotText);
        shared.PairPickToA = 0;
        shared.PairPickToB = -1;
    } else {
        edKaart2->setText(slotText);
        shared.PairPickToB = 0;
        shared.PairPickToA = -1;
    }
}

void TForm5::btZoekopClick()
{
    if (edKaart1->text().isEmpty() || edKaart2->text().isEmpty())
        return;
    edKaart1->setText(PairKeyField(edKaart1->text()));
    edKaart2->setText(PairKeyField(edKaart2->text()));
    Shared().CurrentPairKey = PairKeyOf(edKaart1->text(), edKaart2->text());
    LookUpPair();
}

void TForm5::btWisselClick()
{
    const QString a = edKaart1->text();
    edKaart1->setText(edKaart2->text());
    edKaart2->setText(a);
    btZoekopClick();
}

void TForm5::btWissenClick()
{
    clearTexts();
    edKaart1->clear();
    edKaart2->clear();
    btZoekop->setFocus();
}

void TForm5::btSluitClick()
{
    edKaart1->clear();
    edKaart2->clear();
    close();
}

QStringList TForm5::cardALines() const
{
    return m_cardA->stringList();
}

QStringList TForm5::cardBLines() const
{
    return m_cardB->stringList();
}

bool TForm5::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress && (watched == edKaart1 || watched == edKaart2)) {
        // The next nine-card picture click fills the field clicked last.
        const bool toA = watched == edKaart1;
        Shared().PairPickToA = toA ? -1 : 0;
        Shared().PairPickToB = toA ? 0 : -1;
    }
    return QWidget::eventFilter(watched, event);
}

bool TForm5::FormKeyDown(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Escape:
        close();
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // A focused button takes Enter; anywhere else Enter looks the fields up.
        if (PressFocusedButton(this))
            return true;
        if (Memo->hasFocus())
            return false;
        btZoekop->click();
        return true;
    case Qt::Key_Left:
        // In the first field Left only moves the caret.
        if (edKaart2->hasFocus()) {
            edKaart1->setFocus();
            return true;
        }
        return false;
    case Qt::Key_Right:
        if (edKaart1->hasFocus()) {
            edKaart2->setFocus();
            return true;
        }
        if (edKaart2->hasFocus()) {
            btZoekop->setFocus();
            return true;
        }
        return false;
    default:
        return false;
    }
}

} // namespace tessaly
