#include "spreads/nine_card_window.h"

#include "app/help_window.h"
#include "app/platform.h"
#include "app/shared_state.h"
#include "app/text_file.h"
#include "app/window_set.h"
#include "catalogue/card_slots.h"
#include "combos/combination_window.h"
#include "print/print_buttons.h"
#include "saved/list_window.h"
#include "saved/save_spread.h"
#include "saved/saved_list.h"
#include "spreads/line_of_five_window.h"
#include "spreads/square_arrangement.h"
#include "widgets/card_entry.h"
#include "widgets/controls.h"
#include "widgets/gradient_panel.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSignalBlocker>

namespace tessaly {

namespace {

constexpr int ClientWidth = 492;
constexpr int ClientHeight = 544;
// The control column, left out of the picture copy.
constexpr int ColumnWidth = 130;
constexpr int ColumnLeft = ClientWidth - ColumnWidth + 6;
constexpr int PictureWidth = 88;
constexpr int PictureHeight = 147;

const QColor Blue(0, 0, 255);
const QColor Olive(128, 128, 0);
const QColor Purple(128, 0, 128);
const QColor Silver(192, 192, 192);
const QColor Cream(255, 251, 240);

constexpr int TitlesMode = 0;
constexpr int KeywordsMode = 1;

const QString HelpHeading = QStringLiteral("9-Kaart: Legvorm het Kruis en het Vierkant:");

int column(int slot)
{
    return (slot - 1) % 3;
}

int row(int slot)
{
    return (slot - 1) / 3;
}

} // namespace

TForm3::TForm3(QWidget *parent)
    : SpreadWindow(parent)
{
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("9-Kaart Kruis+Vierkant"));
    setFixedSize(ClientWidth, ClientHeight);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(11);
    setFont(font);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void TForm3::createControls()
{
    auto *background = new TGradientPanel(this);
    background->setObjectName(QStringLiteral("GradientPanel1"));
    background->setGeometry(0, 0, ClientWidth, ClientHeight);
    background->setColorFrom(Silver);
    background->setColorTo(Cream);
    background->setDirection(TDirection::LeftToRight);

    auto *bevel = new QFrame(this);
    bevel->setObjectName(QStringLiteral("Bevel1"));
    bevel->setFrameShape(QFrame::VLine);
    bevel->setFrameShadow(QFrame::Sunken);
    bevel->setGeometry(ClientWidth - ColumnWidth, 4, 2, ClientHeight - 8);

    createSlots();
    createColumn();

    // Accessible names follow the captions, descriptions the hints.
    for (QPushButton *button : findChildren<QPushButton *>()) {
        button->setAccessibleName(button->text().remove(u'&'));
        button->setAccessibleDescription(button->toolTip());
    }
    // Sign captions tell a listener nothing.
    btHelp->setAccessibleName(QStringLiteral("Help"));
    btHome->setAccessibleName(QStringLiteral("Naar het hoofdvenster"));
    btScherm->setAccessibleName(QStringLiteral("Kopieer Plaatjes"));
    cbKruis->setAccessibleName(cbKruis->text());
    cbKruis->setAccessibleDescription(cbKruis->toolTip());
}

void TForm3::createSlots()
{
    for (int slot = 1; slot <= 9; ++slot) {
        const int left = 22 + column(slot) * 117;
        const int top = 10 + row(slot) * 178;
        auto *picture = new CardPictureLabel(this);
        picture->setObjectName(QStringLiteral("Image%1").arg(slot));
        picture->setGeometry(left, top, PictureWidth, PictureHeight);
        picture->setCursor(Qt::PointingHandCursor);
        picture->installEventFilter(this);
        Image[slot] = picture;

        auto *label = new QLabel(QStringLiteral("---"), this);
        label->setObjectName(QStringLiteral("Label%1").arg(slot));
        label->setGeometry(left - 14, top + PictureHeight + 2, PictureWidth + 28, 15);
        label->setAlignment(Qt::AlignCenter);
        SetTextColor(label, Blue);
        if (slot == 5) {
            QFont bold = label->font();
            bold.setBold(true);
            label->setFont(bold);
        }
        Label[slot] = label;
    }
    for (int slot = 1; slot <= 9; ++slot) {
        QLineEdit *edit = CreateCardEntry(this, QStringLiteral("Edit%1").arg(slot));
        edit->setGeometry(ColumnLeft + 10 + column(slot) * 34, 8 + row(slot) * 25, 30, 21);
        edit->setAccessibleName(QStringLiteral("Kaart %1").arg(slot));
        connect(edit, &QLineEdit::textChanged, this, [this, slot] { slotChanged(slot); });
        m_edits[slot] = edit;
    }
    for (int slot = 1; slot <= 9; ++slot)
        Image[slot]->setCard(0);
}

void TForm3::createColumn()
{
    const int left = ColumnLeft;
    const int width = ClientWidth - left - 6;

    lbUitkomst = new QLabel(QStringLiteral("Opgeteld"), this);
    lbUitkomst->setObjectName(QStringLiteral("lbUitkomst"));
    lbUitkomst->setGeometry(left, 86, width, 18);
    lbUitkomst->setAlignment(Qt::AlignCenter);
    lbUitkomst->setAutoFillBackground(true);
    QPalette silver = lbUitkomst->palette();
    silver.setColor(QPalette::Window, Silver);
    silver.setColor(QPalette::WindowText, Olive);
    lbUitkomst->setPalette(silver);
    lbUitkomst->setCursor(Qt::WhatsThisCursor);
    lbUitkomst->setToolTip(QStringLiteral("Kaarten Uitgeteld"));
    lbUitkomst->setAccessibleDescription(lbUitkomst->toolTip());

    btWissen = MakeButton(this, "btWissen", QStringLiteral("X"), {left, 110, 28, 25},
                          QStringLiteral("Maak alle vakjes leeg"));
    btWissen->setFlat(true);
    SetBoldTextColor(btWissen, Qt::red, 13);
    connect(btWissen, &QPushButton::clicked, this, &TForm3::btWissenClick);
    btRandom = MakeButton(this, "btRandom", QStringLiteral("Rnd"), {left + 34, 110, width - 34, 25},
                          QStringLiteral("Trek de Kaarten!"));
    connect(btRandom, &QPushButton::clicked, this, &TForm3::btRandomClick);

    cbKruis = new QCheckBox(QStringLiteral("Kruislegging"), this);
    cbKruis->setObjectName(QStringLiteral("cbKruis"));
    cbKruis->setGeometry(left + 2, 140, width, 19);
    cbKruis->setToolTip(QStringLiteral("Verberg Hoeken in het Vierkant"));
    connect(cbKruis, &QCheckBox::toggled, this, &TForm3::cbKruisClick);

    btHoeken = MakeButton(this, "btHoeken", QStringLiteral("Hoeken uittellen"), {left, 164, width, 25},
                          QStringLiteral("Hoek = 2 aangrenzende kaarten  uitgeteld."));
    btHoeken->setEnabled(false);
    connect(btHoeken, &QPushButton::clicked, this, &TForm3::btHoekenClick);
    btMidde = MakeButton(this, "btMidde", QStringLiteral("Midden uittellen"), {left, 193, width, 25},
                         QStringLiteral("Kaart 2-4-6+8  = uitgeteld aangrenzende hoeken"));
    btMidde->setEnabled(false);
    connect(btMidde, &QPushButton::clicked, this, &TForm3::btMiddeClick);
    btVolgorde = MakeButton(this, "btVolgorde", OrderCaption(1), {left, 222, width, 25}, ResetHintSquare);
    connect(btVolgorde, &QPushButton::clicked, this, &TForm3::btVolgordeClick);

    Labels = new QGroupBox(QStringLiteral("Labels"), this);
    Labels->setObjectName(QStringLiteral("Labels"));
    Labels->setGeometry(left, 252, width, 62);
    m_labelModes = MakeLabelModes(Labels, {QStringLiteral("Titels"), QStringLiteral("Trefwoord")},
                                  {{8, 18, width - 12, 19}, {8, 38, width - 12, 19}}, KeywordsMode,
                                  [this] { LabelsClick(); });
    btWissel = MakeButton(this, "btWissel", QStringLiteral("Rnd.Trefwoord"), {left, 319, width, 25},
                          QStringLiteral("Willekeurig Trefwoord"));
    connect(btWissel, &QPushButton::clicked, this, &TForm3::btWisselClick);

    cbThema = new QComboBox(this);
    cbThema->setObjectName(QStringLiteral("cbThema"));
    cbThema->setGeometry(left, 350, width, 22);
    cbThema->setMaxVisibleItems(13);
    for (const NineTheme &theme : NineThemes)
        cbThema->addItem(theme.item);
    SetComboName(cbThema, QStringLiteral("Thema Kaart"));
    cbThema->installEventFilter(this);
    connect(cbThema, &QComboBox::activated, this, &TForm3::cbThemaChange);

    btHelp = MakeButton(this, "btHelp", QStringLiteral("?"), {left, 380, 24, 25}, QStringLiteral("Help"));
    SetBoldTextColor(btHelp, Blue);
    connect(btHelp, &QPushButton::clicked, this, &TForm3::btHelpClick);
    btGoLijn5 = MakeButton(this, "btGoLijn5", QStringLiteral("< 5-Kaart"),
                           {left + 28, 380, width - 28 - 36, 25}, QStringLiteral("Neem mee naar Lijn van 5"));
    SetBoldTextColor(btGoLijn5, Qt::red);
    connect(btGoLijn5, &QPushButton::clicked, this, &TForm3::btGoLijn5Click);
    btHome = MakeButton(this, "btHome", QStringLiteral("H>"), {left + width - 32, 380, 32, 25});
    SetBoldTextColor(btHome, Qt::red);
    btHome->installEventFilter(this);
    connect(btHome, &QPushButton::clicked, this, &TForm3::btHomeClick);

    btKopie = MakeButton(this, "btKopie", QStringLiteral("Kopieer Tekst"), {left, 411, width, 25},
                         QStringLiteral("Kopieer naar Klembord"));
    connect(btKopie, &QPushButton::clicked, this, &TForm3::btKopieClick);
    btBewaar = MakeButton(this, "btBewaar", QStringLiteral("Bewaar"), {left, 442, width - 42, 25},
                          QStringLiteral("Bewaar de legging in de Lijst"));
    connect(btBewaar, &QPushButton::clicked, this, &TForm3::btBewaarClick);
    btOpen = MakeButton(this, "btOpen", QStringLiteral("Lst"), {left + width - 38, 442, 38, 25},
                        QStringLiteral("Open de opgeslagen lijst"));
    connect(btOpen, &QPushButton::clicked, this, &TForm3::btOpenClick);
    btScherm = MakeButton(this, "btScherm", QStringLiteral("*"), {left + width - 22, 476, 22, 20},
                          QStringLiteral("Kopieer Plaatjes naar het Klembord"));
    SetBoldTextColor(btScherm, Purple, 14);
    connect(btScherm, &QPushButton::clicked, this, &TForm3::btSchermClick);

    const PrintButtons print =
        AddPrintButtons(this, {left, 505, width - 42, 25}, {left + width - 38, 505, 38, 25}, [this] {
            std::array<SlotView, 9> views;
            for (int slot = 1; slot <= 9; ++slot) {
                const CardNumber shown = card(slot);
                views[size_t(slot - 1)] = {shown, CardCaption(shown, Label[size_t(slot)]->text(),
                                                              SlotKeyword(shown, Shared().CurrentKeywords))};
            }
            return std::optional(FromJournal(NineCardPrint(views, LayoutOf(cross(), orderIndex()),
                                                           NineTotal(m_cards, cross(), orderIndex()))));
        });
    setTabOrder(btScherm, print.print);
    setTabOrder(print.print, print.pdf);
}

// --- Slots -----------------------------------------------------------------

void TForm3::slotChanged(int slot)
{
    const CardNumber read = ReadCardEntry(m_edits[slot]);
    m_cards[slot] = read;
    Image[slot]->show();
    Image[slot]->setCard(read);
    Image[slot]->setToolTip(SlotTitle(read));
    recount();
    refreshLabel(slot);
    Shared().SpreadSaved = false;
}

void TForm3::refreshLabel(int slot)
{
    KeywordChoice &current = Shared().CurrentKeywords;
    RedrawKeywords(current, Platform::instance());
    Label[slot]->setText(labelMode() == KeywordsMode ? SlotKeyword(m_cards[slot], current)
                                                     : SlotTitle(m_cards[slot]));
}

void TForm3::recount()
{
    SharedState &shared = Shared();
    shared.NineSumCard = NineTotal(m_cards, cross(), orderIndex());
    lbUitkomst->setText(CardTitle(shared.NineSumCard));
}

NineTexts TForm3::texts() const
{
    NineTexts nine;
    for (int slot = 1; slot <= 9; ++slot)
        nine[slot] = m_edits[slot]->text();
    return nine;
}

void TForm3::setLabel(int slot, const QString &text, const QColor &color, bool bold)
{
    QLabel *label = Label[slot];
    label->setText(text);
    SetTextColor(label, color);
    QFont font = label->font();
    font.setBold(bold);
    label->setFont(font);
}

// Back to " Thema Kaart" without putting the remembered centre card back.
void TForm3::resetTheme()
{
    QSignalBlocker block(cbThema);
    cbThema->setCurrentIndex(0);
}

void TForm3::setOrderHint(const QString &hint)
{
    btVolgorde->setToolTip(hint);
    btVolgorde->setAccessibleDescription(hint);
}

bool TForm3::cross() const
{
    return cbKruis->isChecked();
}

int TForm3::orderIndex() const
{
    return Shared().NineCardOrderIndex;
}

int TForm3::labelMode() const
{
    return m_labelModes->checkedId();
}

void TForm3::setLabelMode(int mode)
{
    m_labelModes->button(mode)->setChecked(true);
}

// --- Counting --------------------------------------------------------------

void TForm3::writeCounted(const std::array<CountedSlot, 4> &counted)
{
    for (const CountedSlot &slot : counted)
        m_edits[slot.slot]->setText(QString::number(slot.card));
    cbKruis->setChecked(false);
}

void TForm3::btHoekenClick()
{
    writeCounted(CountCorners(m_cards));
}

void TForm3::btMiddeClick()
{
    writeCounted(CountMiddles(m_cards));
}

void TForm3::cbThemaChange(int item)
{
    if (item <= 0) {
        SetTextColor(Label[5], Qt::black);
        // The centre may hold the remembered card already: no card changes,
        // only the theme word goes from its label.
        if (m_edits[5]->text() == m_themeMemory)
            refreshLabel(5);
        else
            m_edits[5]->setText(m_themeMemory);
        return;
    }
    const NineTheme &theme = NineThemes[item];
    SetTextColor(Label[5], Qt::red);
    m_edits[5]->setText(QString::number(theme.card));
    Label[5]->setText(theme.label);
}

// --- Buttons ---------------------------------------------------------------

void TForm3::btRandomClick()
{
    SetTextColor(Label[5], Qt::black);
    resetTheme();
    Platform &platform = Platform::instance();
    std::array<CardNumber, 9> drawn{};
    auto allDifferent = [&drawn] {
        for (int i = 0; i < 9; ++i)
            for (int j = i + 1; j < 9; ++j)
                if (drawn[i] == drawn[j])
                    return false;
        return true;
    };
    do {
        for (CardNumber &card : drawn)
            card = platform.below(CardCount) + 1;
    } while (!allDifferent());
    for (int slot = 1; slot <= 9; ++slot)
        m_edits[slot]->setText(QString::number(drawn[slot - 1]));
    // The labels follow the label mode, so "Titels" never shows keywords.
    refreshLabelsByMode();
    ApplyCrossLayout();
}

void TForm3::btWissenClick()
{
    const NineSlotFlags emptied = VisibleSlots(cross(), 1);
    for (int slot = 1; slot <= 9; ++slot) {
        if (!emptied[slot])
            continue;
        m_edits[slot]->clear();
        Label[slot]->setText(QStringLiteral("---"));
    }
    SetTextColor(Label[5], Qt::black);
    resetTheme();
    lbUitkomst->setText(QStringLiteral("---"));
    m_edits[cross() ? 2 : 1]->setFocus();
    Shared().NineCardOrderIndex = 1;
    btVolgorde->setText(OrderCaption(1));
    setOrderHint(ResetHintSquare);
    // Order A is always open to the step, also after a cross in H..K.
    setButtonStates();
}

void TForm3::btKopieClick()
{
    setLabelMode(KeywordsMode);
    NineTexts names;
    NineTexts labels;
    for (int slot = 1; slot <= 9; ++slot) {
        names[slot] = SlotTitle(m_cards[slot]);
        labels[slot] = Label[slot]->text();
    }
    SharedState &shared = Shared();
    Platform &platform = Platform::instance();
    shared.CopyDate = platform.now();
    platform.setClipboardText(NineCopyText(LayoutOf(cross(), orderIndex()), names, labels, lbUitkomst->text(),
                                           shared.CopyDate.date()));
}

void TForm3::btSchermClick()
{
    QApplication::processEvents();
    Platform &platform = Platform::instance();
    platform.setClipboardImage(platform.captureClient(this, 0, ColumnWidth));
}

void TForm3::btBewaarClick()
{
    SharedState &shared = Shared();
    if (shared.SpreadSaved) {
        ShowAlreadySaved();
        return;
    }
    for (int slot = 1; slot <= 9; ++slot)
        shared.SaveCards[slot] = CardField(m_edits[slot]->text());
    shared.SaveRemark = QStringLiteral("9-Kaart");
    if (FileExists(DayCardFile))
        shared.AlsoDayList = Platform::instance().confirm(
            QStringLiteral("Kopie"),
            QStringLiteral(
                "De 9-Kaart wordt bewaard in Orvalis.txt\nBewaar ook 3 middelste kaarten in Kelvaro.txt?"),
            Platform::Icon::Warning);
    SaveSpread();
    TVerleden *list = Windows().Verleden;
    if (list->isVisible()) {
        list->cbDrieK->setChecked(false);
        list->cbVijfK->setChecked(false);
        list->cbNegenK->setChecked(true);
        list->ApplyKindFilter();
    }
}

void TForm3::cbKruisClick()
{
    setButtonStates();
    ShowOrderHint();
    ApplyCrossLayout();
}

void TForm3::btVolgordeClick()
{
    NextOrder();
    setButtonStates();
}

void TForm3::LabelsClick()
{
    refreshLabelsByMode();
}

void TForm3::btWisselClick()
{
    setLabelMode(KeywordsMode);
    refreshKeywordLabels();
}

void TForm3::pictureClick(int slot)
{
    Windows().Form5->PickCard(m_edits[slot]->text());
}

void TForm3::btGoLijn5Click()
{
    SharedState &shared = Shared();
    QString nine;
    for (int lineSlot = 1; lineSlot <= 9; ++lineSlot)
        nine += m_edits[SquarePositionOfLineSlot[lineSlot]]->text();
    shared.NineCardsText = nine;
    for (int slot = 1; slot <= 9; ++slot)
        if (m_edits[slot]->text().isEmpty())
            m_edits[slot]->setText(QStringLiteral("0"));
    shared.NineWasSquare = !cross();
    shared.LastSpreadKind = 8;
    hide();
    Windows().Form2->show();
}

void TForm3::btHomeClick()
{
    cbKruis->setChecked(false);
    close();
}

void TForm3::openListOfNine(bool withFive)
{
    TVerleden *list = Windows().Verleden;
    list->RefreshList();
    list->cbDrieK->setChecked(false);
    list->cbVijfK->setChecked(withFive);
    list->cbNegenK->setChecked(true);
    list->ApplyKindFilter();
}

void TForm3::btOpenClick()
{
    if (!FileExists(ListFile)) {
        Platform::instance().message(QStringLiteral("Er zijn nog geen vragen bewaard!"));
        return;
    }
    openListOfNine(true);
}

void TForm3::btHelpClick()
{
    Windows().HelpInfo->ShowHelpAt(HelpHeading);
}

// --- Orders ----------------------------------------------------------------

void TForm3::NextOrder()
{
    const bool crossOn = cross();
    const NineOrderStep step = tessaly::NextOrder(orderIndex(), crossOn, texts());
    Shared().NineCardOrderIndex = step.index;
    for (int slot = 1; slot <= 9; ++slot)
        m_edits[slot]->setText(step.texts[slot]);
    btVolgorde->setText(OrderCaption(step.index));
    setOrderHint(StepHint(step.index, crossOn));
    if (crossOn)
        ApplyCrossLayout();
    else
        refreshLabelsByMode();
}

void TForm3::ShowOrderHint()
{
    const int index = orderIndex();
    if (const std::optional<QString> hint = ToggleHint(index, cross()))
        setOrderHint(*hint);
}

void TForm3::ApplyCrossLayout()
{
    const int index = orderIndex();
    const NineSlotFlags visible = VisibleSlots(cross(), index);
    for (int slot = 1; slot <= 9; ++slot) {
        m_edits[slot]->setVisible(visible[slot]);
        Image[slot]->setVisible(visible[slot]);
        Label[slot]->setVisible(visible[slot]);
    }
    m_edits[visible[1] ? 1 : 2]->setFocus();
    recount();
}

void TForm3::setButtonStates()
{
    const bool crossOn = cross();
    const bool saltire = crossOn && IsSaltireOrder(orderIndex());
    btHoeken->setEnabled(crossOn && !saltire);
    btMidde->setEnabled(saltire);
    btWissen->setEnabled(!saltire);
    btGoLijn5->setEnabled(!saltire);
    btVolgorde->setEnabled(!crossOn || orderIndex() <= CrossOrderCount);
}

void TForm3::refreshKeywordLabels()
{
    KeywordChoice &current = Shared().CurrentKeywords;
    for (int slot = 1; slot <= 9; ++slot) {
        RedrawKeywords(current, Platform::instance());
        setLabel(slot, SlotKeyword(m_cards[slot], current), Blue, false);
    }
    resetTheme();
}

void TForm3::refreshTitleLabels()
{
    const bool fengShui = orderIndex() == OrderI;
    for (int slot = 1; slot <= 9; ++slot)
        setLabel(slot, fengShui ? FengShuiWords[slot] : SlotTitle(m_cards[slot]), Qt::black, fengShui);
    resetTheme();
}

void TForm3::refreshLabelsByMode()
{
    if (labelMode() == KeywordsMode)
        refreshKeywordLabels();
    else
        refreshTitleLabels();
}

void TForm3::RelabelSlots()
{
    const KeywordChoice &current = Shared().CurrentKeywords;
    const bool fengShui = orderIndex() == OrderI;
    for (int slot = 1; slot <= 9; ++slot) {
        QLabel *label = Label[slot];
        if (labelMode() == KeywordsMode) {
            label->setText(SlotKeyword(m_cards[slot], current));
        } else {
            label->setText(fengShui ? FengShuiWords[slot] : SlotTitle(m_cards[slot]));
            QFont font = label->font();
            font.setBold(fengShui);
            label->setFont(font);
        }
    }
}

void TForm3::ResetOrder()
{
    Shared().NineCardOrderIndex = 1;
    btVolgorde->setText(OrderCaption(1));
    setOrderHint(OpenedEntryHint);
    // A cross left in F or G shows the plus again, with its buttons.
    setButtonStates();
    if (cross())
        ApplyCrossLayout();
}

// --- Hand-overs ------------------------------------------------------------

void TForm3::TakeCrossEntry(const QList<int> &cards)
{
    btWissenClick();
    if (cross()) {
        cbKruisClick();
    } else {
        cbKruis->setChecked(true);
    }
    resetTheme();
    SetTextColor(Label[5], Qt::black);
    constexpr std::array<int, 5> CrossSlots = {4, 5, 6, 2, 8};
    for (int i = 0; i < cards.size() && i < 5; ++i)
        m_edits[CrossSlots[i]]->setText(QString::number(cards[i]));
}

void TForm3::TakeSquareEntry(const QList<int> &cards)
{
    cbKruis->setChecked(false);
    resetTheme();
    SetTextColor(Label[5], Qt::black);
    for (int slot = 1; slot <= 9 && slot <= cards.size(); ++slot)
        m_edits[slot]->setText(QString::number(cards[slot - 1]));
}

void TForm3::FormShow()
{
    SharedState &shared = Shared();
    shared.NineCardOrderIndex = 1;
    btWissen->setEnabled(true);
    btVolgorde->setEnabled(true);
    btGoLijn5->setEnabled(true);
    btVolgorde->setText(OrderCaption(1));

    const TForm2 *line = Windows().Form2;
    if (shared.LineToNineCross) {
        for (const int corner : {1, 3, 7, 9})
            m_edits[corner]->clear();
        for (int card = 1; card <= 5; ++card)
            m_edits[SquarePositionOfLineSlot[card]]->setText(line->Edit(card)->text());
        cbKruis->setChecked(true);
        btHoeken->setEnabled(true);
        btMidde->setEnabled(false);
        setOrderHint(ResetHintCross);
    } else if (shared.LineToNineSquare || shared.LastSpreadKind == 9) {
        for (int slot = 1; slot <= 9; ++slot) {
            const int lineSlot = LineSlotAtSquarePosition[slot];
            m_edits[slot]->setText(shared.LineToNineSquare ? line->Edit(lineSlot)->text()
                                                           : QString::number(shared.MainSlotCards[lineSlot]));
        }
        cbKruis->setChecked(false);
        btHoeken->setEnabled(false);
        btMidde->setEnabled(false);
        setOrderHint(ResetHintSquare);
    } else {
        // The cards stay; order A's hint and buttons for the cross as it is.
        setButtonStates();
        setOrderHint(cross() ? ResetHintCross : ResetHintSquare);
    }

    shared.LineToNineCross = false;
    shared.LineToNineSquare = false;
    ApplyCrossLayout();
    resetTheme();
    SetTextColor(Label[5], Qt::black);

    if (shared.CarrySaved) {
        shared.SpreadSaved = true;
        shared.CarrySaved = false;
    }

    TVerleden *list = Windows().Verleden;
    list->cbDrieK->setChecked(false);
    list->cbVijfK->setChecked(true);
    list->cbNegenK->setChecked(true);
    list->ApplyKindFilter();
    shared.AlsoDayList = true;
    btWisselClick();
    shared.PairPickToA = -1;
    shared.PairPickToB = 0;
}

void TForm3::FormClose()
{
    cbKruis->setChecked(false);
}

bool TForm3::FormKeyDown(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Alt:
        Windows().Form5->ShowWithoutLookup();
        return true;
    case Qt::Key_End:
        openListOfNine(false);
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (auto *focused = qobject_cast<QPushButton *>(QApplication::focusWidget());
            focused && focused->window() == this) {
            focused->click();
            return true;
        }
        return false;
    case Qt::Key_Left:
    case Qt::Key_Right:
        for (int slot = 1; slot <= 9; ++slot) {
            if (m_edits[slot]->hasFocus()) {
                const int step = event->key() == Qt::Key_Right ? 1 : -1;
                m_edits[NextVisibleSlot(slot, step, cross(), orderIndex())]->setFocus();
                return true;
            }
        }
        return false;
    default:
        return SpreadWindow::FormKeyDown(event);
    }
}

bool TForm3::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == cbThema && event->type() == QEvent::FocusIn) {
        m_themeMemory = m_edits[5]->text();
    } else if (watched == btHome && (event->type() == QEvent::Enter || event->type() == QEvent::FocusIn)) {
        // Also on focus, so a keyboard user's screen reader says where the cards go.
        const QString hint = m_edits[1]->text().isEmpty() ? QStringLiteral("3k naar Home + Uittellen")
                                                          : QStringLiteral("9k naar Home + Bonuskaart");
        btHome->setToolTip(hint);
        btHome->setAccessibleDescription(hint);
    } else if (event->type() == QEvent::MouseButtonRelease) {
        for (int slot = 1; slot <= 9; ++slot) {
            if (watched == Image[slot] && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
                pictureClick(slot);
                return true;
            }
        }
    }
    return SpreadWindow::eventFilter(watched, event);
}

} // namespace tessaly
