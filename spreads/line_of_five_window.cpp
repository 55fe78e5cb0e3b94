#include "spreads/line_of_five_window.h"

#include "app/help_window.h"
#include "app/platform.h"
#include "app/shared_state.h"
#include "app/text_file.h"
#include "app/window_set.h"
#include "catalogue/card_slots.h"
#include "combos/combination_window.h"
#include "combos/pair_key.h"
#include "print/print_buttons.h"
#include "saved/list_window.h"
#include "saved/save_spread.h"
#include "saved/saved_list.h"
#include "spreads/five_themes_window.h"
#include "spreads/nine_card_window.h"
#include "spreads/square_arrangement.h"
#include "spreads/three_card_window.h"
#include "widgets/card_entry.h"
#include "widgets/controls.h"
#include "widgets/gradient_panel.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
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

constexpr int ClientWidth = 678;
constexpr int CollapsedHeight = 212;
constexpr int ExpandedHeight = 392;
// The picture copy leaves out the row of edits and the button column.
constexpr int CaptureTopRow = 27;
constexpr int CaptureRightMargin = 106;
const QColor Blue(0, 0, 255);
const QColor Navy(0, 0, 128);
const QColor Olive(128, 128, 0);
const QColor Green(0, 128, 0);
const QColor Silver(192, 192, 192);
const QColor Cream(255, 251, 240);

// Left edge of line slot i (1..5); an extra card stands centred under the gap
// between the two line cards it is counted from.
constexpr int slotLeft(int i)
{
    return 12 + (i - 1) * 106;
}
constexpr int extraLeft(int slot)
{
    return slotLeft(slot - 5) + 53;
}
constexpr int LineTop = 30;
constexpr int ExtraTop = 216;
constexpr int RightColumn = 574;

void setCaption(QPushButton *button, const QString &caption, const QString &hint)
{
    button->setText(caption);
    button->setAccessibleName(caption);
    button->setToolTip(hint);
    button->setAccessibleDescription(hint);
}

} // namespace

TForm2::TForm2(QWidget *parent)
    : SpreadWindow(parent)
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(LineTitleText(LineTitle::Plain));
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(11);
    setFont(font);
    // The size setExpanded(false) gives once the controls are made.
    setFixedSize(ClientWidth, CollapsedHeight);
    // Room below for the extra cards and the five themes.
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.left() + (area.width() - ClientWidth) / 2,
             area.top() + std::max(0, (area.height() - ExpandedHeight - 151 - 80) / 2));
    }
}

void TForm2::createControls()
{
    m_background = new TGradientPanel(this);
    m_background->setColorFrom(Silver);
    m_background->setColorTo(Cream);
    m_background->setColorCount(24);
    auto button = [this](const char *name, const QString &caption, QRect geometry, const QString &hint = {}) {
        QPushButton *made = MakeButton(this, name, caption, geometry, hint);
        made->setAccessibleName(caption);
        made->setAccessibleDescription(hint);
        return made;
    };
    auto slotLabel = [this](int slot, QRect geometry) {
        auto *label = new QLabel(QStringLiteral("---"), this);
        label->setObjectName(QStringLiteral("Label%1").arg(slot));
        label->setGeometry(geometry);
        label->setAlignment(Qt::AlignCenter);
        label->setCursor(Qt::PointingHandCursor);
        label->setAccessibleDescription(QStringLiteral("Klik voor een ander trefwoord"));
        SetTextColor(label, Blue);
        label->installEventFilter(this);
        Label[slot] = label;
    };
    auto picture = [this](int slot, int left, int top) {
        auto *image = new CardPictureLabel(this);
        image->setObjectName(QStringLiteral("Image%1").arg(slot));
        image->setGeometry(left, top, 98, 148);
        Image[slot] = image;
    };
    auto pairButton = [&](int k, QRect geometry, int first) {
        btCom[k] = button(QStringLiteral("btCom%1").arg(k).toLatin1().constData(), QStringLiteral("."),
                          geometry, QStringLiteral("Combinatie %1 + %2").arg(first).arg(first + 1));
        btCom[k]->setFlat(true);
        btCom[k]->setAccessibleName(QStringLiteral("Combinatie kaart %1 en %2").arg(first).arg(first + 1));
        connect(btCom[k], &QPushButton::clicked, this, [this, first] { PairClick(first); });
    };

    // Created in reading order, which is the tab order.
    btWisit = button("btWisit", QStringLiteral("X"), {4, 4, 20, 20}, QStringLiteral("Wis 5 kaarten"));
    btWisit->setFlat(true);
    btWisit->setAccessibleName(QStringLiteral("Wis 5 kaarten"));
    SetBoldTextColor(btWisit, Qt::red);
    connect(btWisit, &QPushButton::clicked, this, &TForm2::btWisitClick);
    for (int i = 1; i <= 5; ++i) {
        m_edits[i] = CreateCardEntry(this, QStringLiteral("Edit%1").arg(i));
        m_edits[i]->setGeometry(slotLeft(i) + 33, 4, 32, 21);
        m_edits[i]->setAccessibleName(QStringLiteral("Kaart %1").arg(i));
        connect(m_edits[i], &QLineEdit::textChanged, this, [this, i] { LineSlotChange(i); });
        if (i < 5)
            pairButton(i, {slotLeft(i) + 94, 5, 16, 19}, i);
        picture(i, slotLeft(i), LineTop);
        slotLabel(i, {slotLeft(i) - 3, 181, 104, 16});
    }
    QFont bold = Label[3]->font();
    bold.setBold(true);
    Label[3]->setFont(bold);

    btRandom = button("btRandom", QStringLiteral("Rnd"), {RightColumn, 4, 40, 22},
                      QStringLiteral("Trek de Kaarten!"));
    connect(btRandom, &QPushButton::clicked, this, &TForm2::btRandomClick);
    btTheme = button("btTheme", QStringLiteral("Th"), {RightColumn + 42, 4, 38, 22},
                     QStringLiteral("Thema's bij 5-Kaart"));
    connect(btTheme, &QPushButton::clicked, this, &TForm2::btThemeClick);
    btHelp = button("btHelp", QStringLiteral("?"), {RightColumn + 82, 4, 20, 22}, QStringLiteral("Help"));
    SetBoldTextColor(btHelp, Blue);
    btHelp->setAccessibleName(QStringLiteral("Help"));
    connect(btHelp, &QPushButton::clicked, this, &TForm2::btHelpClick);
    btWissel = button("btWissel", QStringLiteral("Trefwoord"), {RightColumn, 28, 102, 22},
                      QStringLiteral("Willekeurig Trefwoord"));
    connect(btWissel, &QPushButton::clicked, this, &TForm2::btWisselClick);
    btKopie = button("btKopie", QStringLiteral("Copy Text"), {RightColumn, 52, 78, 22},
                     QStringLiteral("Kopieer Tekst naar Klembord"));
    connect(btKopie, &QPushButton::clicked, this, &TForm2::CopyText);
    btScreen = button("btScreen", QStringLiteral("*"), {RightColumn + 80, 52, 22, 22},
                      QStringLiteral("Kopieer Plaatjes naar het Klembord"));
    btScreen->setAccessibleName(QStringLiteral("Kopieer Plaatjes"));
    connect(btScreen, &QPushButton::clicked, this, &TForm2::btScreenClick);
    btBewaar = button("btBewaar", QStringLiteral("Bewaar"), {RightColumn, 76, 50, 22},
                      QStringLiteral("Bewaar 5K in de Lijst"));
    connect(btBewaar, &QPushButton::clicked, this, &TForm2::btBewaarClick);
    btOpen = button("btOpen", QStringLiteral("Lst"), {RightColumn + 52, 76, 50, 22},
                    QStringLiteral("Open de Bewaarlijst"));
    connect(btOpen, &QPushButton::clicked, this, &TForm2::btOpenClick);
    btVolg = button("btVolg", LineOrderPermutations[1].caption, {RightColumn, 100, 32, 22},
                    LineOrderPermutations[1].hint);
    connect(btVolg, &QPushButton::clicked, this, &TForm2::btVolgClick);
    btPlus = button("btPlus", QStringLiteral("+"), {RightColumn + 34, 100, 22, 22},
                    QStringLiteral("4 extra Kaarten"));
    SetBoldTextColor(btPlus, Navy);
    connect(btPlus, &QPushButton::clicked, this, &TForm2::ToggleExtras);
    bt3K = button("bt3K", QStringLiteral("<3"), {RightColumn + 57, 100, 22, 22},
                  QStringLiteral("1+2+3 naar 3-Kaarts venster"));
    SetBoldTextColor(bt3K, Qt::red);
    connect(bt3K, &QPushButton::clicked, this, &TForm2::bt3KClick);
    btGoNine = button("btGoNine", QStringLiteral(">9"), {RightColumn + 80, 100, 22, 22},
                      QStringLiteral("Neem 5K mee naar Kruislegging"));
    SetBoldTextColor(btGoNine, Qt::red);
    connect(btGoNine, &QPushButton::clicked, this, &TForm2::btGoNineClick);

    Labels = new QGroupBox(QStringLiteral("Labels"), this);
    Labels->setObjectName(QStringLiteral("Labels"));
    Labels->setAccessibleName(QStringLiteral("Labels"));
    Labels->setGeometry(RightColumn, 124, 102, 44);
    m_labelModes = MakeLabelModes(Labels, {QStringLiteral("Tit."), QStringLiteral("Tref.")},
                                  {{6, 20, 44, 19}, {52, 20, 50, 19}}, 1, [this] { LabelsClick(); });

    lbUitkomst = new QLabel(QStringLiteral("Opgeteld"), this);
    lbUitkomst->setObjectName(QStringLiteral("lbUitkomst"));
    lbUitkomst->setGeometry(RightColumn, 174, 102, 20);
    lbUitkomst->setAlignment(Qt::AlignCenter);
    lbUitkomst->setAutoFillBackground(true);
    QPalette result = lbUitkomst->palette();
    result.setColor(QPalette::Window, Silver);
    result.setColor(QPalette::WindowText, Olive);
    lbUitkomst->setPalette(result);
    lbUitkomst->setToolTip(QStringLiteral("5 Kaarten Uitgeteld"));
    lbUitkomst->setAccessibleName(QStringLiteral("Opgeteld"));
    lbUitkomst->setAccessibleDescription(QStringLiteral("5 Kaarten Uitgeteld"));

    // The lower area: the extra cards.
    for (int slot = 6; slot <= 9; ++slot) {
        picture(slot, extraLeft(slot), ExtraTop);
        slotLabel(slot, {extraLeft(slot) + 5, 367, 88, 16});
    }
    auto *heading = new QLabel(QStringLiteral("Schakelkaarten"), this);
    heading->setObjectName(QStringLiteral("Label10"));
    heading->setGeometry(RightColumn, ExtraTop, 102, 16);
    heading->setAlignment(Qt::AlignCenter);
    SetBoldTextColor(heading, Green);
    QFont underlined = heading->font();
    underlined.setUnderline(true);
    heading->setFont(underlined);
    Label[10] = heading;
    btWis4 = button("btWis4", QStringLiteral("X"), {RightColumn + 10, 238, 22, 21},
                    QStringLiteral("Wis extra kaarten"));
    btWis4->setFlat(true);
    SetBoldTextColor(btWis4, Qt::red);
    connect(btWis4, &QPushButton::clicked, this, &TForm2::btWis4Click);
    for (int slot = 6; slot <= 9; ++slot) {
        m_edits[slot] = CreateCardEntry(this, QStringLiteral("Edit%1").arg(slot));
        m_edits[slot]->setGeometry(RightColumn + 36, 238 + (slot - 6) * 26, 32, 21);
        m_edits[slot]->setAccessibleName(QStringLiteral("Schakelkaart %1").arg(slot - 5));
        connect(m_edits[slot], &QLineEdit::textChanged, this, [this, slot] { ExtraSlotChange(slot); });
        if (slot == 6) {
            btGoExtra = button("btGoExtra", QStringLiteral(">9"), {RightColumn + 72, 238, 24, 21},
                               QStringLiteral("Neem alles mee naar 9-Kaart"));
            SetBoldTextColor(btGoExtra, Qt::red);
            connect(btGoExtra, &QPushButton::clicked, this, &TForm2::btGoExtraClick);
        }
    }
    btReset = button("btReset", QStringLiteral("Reset"), {RightColumn + 16, 344, 70, 22},
                     QStringLiteral("Reset naar uitgeteld"));
    QPalette green = btReset->palette();
    green.setColor(QPalette::ButtonText, Green);
    btReset->setPalette(green);
    connect(btReset, &QPushButton::clicked, this, &TForm2::btResetClick);
    for (int k = 5; k <= 7; ++k)
        pairButton(k, {extraLeft(k + 1) + 95, 366, 14, 18}, k + 1);

    // The row of fields ends short of the column; the picture copy leaves it
    // out. The narrow face fits both captions in the room there is.
    const PrintButtons print = AddPrintButtons(this, {503, 4, 46, 21}, {551, 4, 21, 21}, [this] {
        const SharedState &shared = Shared();
        std::array<SlotView, 9> views;
        for (int slot = 1; slot <= 9; ++slot) {
            const CardNumber card = shared.LineCards[size_t(slot)];
            views[size_t(slot - 1)] = {card, CardCaption(card, Label[size_t(slot)]->text(),
                                                         SlotKeyword(card, shared.CurrentKeywords))};
        }
        LineFive line{};
        ExtraFour extras{};
        std::copy(shared.LineCards.begin() + 1, shared.LineCards.begin() + 6, line.begin());
        std::copy(shared.LineCards.begin() + 6, shared.LineCards.end(), extras.begin());
        return std::optional(FromJournal(
            LineOfFivePrint(views, shared.LineExpanded, LineResult(line, extras, shared.LineExpanded))));
    });
    for (QPushButton *made : {print.print, print.pdf}) {
        QFont narrow = made->font();
        narrow.setFamily(QStringLiteral("Liberation Sans Narrow"));
        made->setFont(narrow);
    }
    // They end the row of fields, so Tab reaches them there.
    setTabOrder(m_edits[5], print.print);
    setTabOrder(print.print, print.pdf);

    for (int slot = 1; slot <= 9; ++slot)
        showPicture(slot);
    setExpanded(false);
}

bool TForm2::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
        for (int slot = 1; slot <= 9; ++slot)
            if (watched == Label[slot] &&
                Label[slot]->rect().contains(static_cast<QMouseEvent *>(event)->pos())) {
                LabelClick(slot);
                return true;
            }
    }
    return SpreadWindow::eventFilter(watched, event);
}

void TForm2::setExpanded(bool expanded)
{
    Shared().LineExpanded = expanded;
    setCaption(btPlus, expanded ? QStringLiteral("-") : QStringLiteral("+"),
               QStringLiteral("4 extra Kaarten"));
    btPlus->setAccessibleName(expanded ? QStringLiteral("Minder kaarten") : QStringLiteral("Meer kaarten"));
    const int height = expanded ? ExpandedHeight : CollapsedHeight;
    setFixedSize(ClientWidth, height);
    m_background->setGeometry(0, 0, ClientWidth, height);
    // Out of sight is also out of the tab order.
    for (int slot = 6; slot <= 9; ++slot) {
        m_edits[slot]->setVisible(expanded);
        Image[slot]->setVisible(expanded);
        Label[slot]->setVisible(expanded);
    }
    for (QWidget *control : {static_cast<QWidget *>(Label[10]), static_cast<QWidget *>(btWis4),
                             static_cast<QWidget *>(btGoExtra), static_cast<QWidget *>(btReset),
                             static_cast<QWidget *>(btCom[5]), static_cast<QWidget *>(btCom[6]),
                             static_cast<QWidget *>(btCom[7])})
        control->setVisible(expanded);
}

void TForm2::setTitle(LineTitle title)
{
    setWindowTitle(LineTitleText(title));
}

bool TForm2::readSlot(int slot)
{
    QLineEdit *edit = m_edits[slot];
    const QString before = edit->text();
    const CardNumber card = ReadCardEntry(edit);
    if (edit->text() != before)
        return false;
    Shared().LineCards[slot] = card;
    return true;
}

void TForm2::showPicture(int slot)
{
    Image[slot]->setCard(Shared().LineCards[slot]);
}

void TForm2::refreshLabel(int slot)
{
    const SharedState &shared = Shared();
    const CardNumber card = shared.LineCards[slot];
    Label[slot]->setText(labelMode() == 0 ? SlotTitle(card) : SlotKeyword(card, shared.CurrentKeywords));
}

void TForm2::LineSlotChange(int slot)
{
    if (!readSlot(slot))
        return;
    showPicture(slot);
    RecountExtras();
    Recount();
    SharedState &shared = Shared();
    RedrawKeywords(shared.CurrentKeywords, Platform::instance());
    refreshLabel(slot);
    shared.SpreadSaved = false;
    closeThemes();
}

void TForm2::ExtraSlotChange(int slot)
{
    if (!readSlot(slot))
        return;
    showPicture(slot);
    Recount();
    SharedState &shared = Shared();
    RedrawKeywords(shared.CurrentKeywords, Platform::instance());
    refreshLabel(slot);
    shared.SpreadSaved = false;
}

void TForm2::RecountExtras()
{
    closeThemes();
    SharedState &shared = Shared();
    if (shared.LineExpanded) {
        LineFive line{};
        std::copy(shared.LineCards.begin() + 1, shared.LineCards.begin() + 6, line.begin());
        const ExtraFour extras = CountExtras(line);
        for (int j = 0; j < 4; ++j)
            m_edits[6 + j]->setText(QString::number(extras[j]));
        for (int slot = 6; slot <= 9; ++slot)
            showPicture(slot);
        setTitle(LineTitle::Counted);
        RedrawKeywords(shared.CurrentKeywords, Platform::instance());
    } else {
        setTitle(LineTitle::Plain);
        for (int slot = 6; slot <= 9; ++slot)
            m_edits[slot]->setText(QStringLiteral("0"));
    }
    Recount();
}

void TForm2::Recount()
{
    const SharedState &shared = Shared();
    LineFive line{};
    ExtraFour extras{};
    std::copy(shared.LineCards.begin() + 1, shared.LineCards.begin() + 6, line.begin());
    std::copy(shared.LineCards.begin() + 6, shared.LineCards.end(), extras.begin());
    lbUitkomst->setText(CardTitle(LineResult(line, extras, shared.LineExpanded)));
}

void TForm2::ToggleExtras()
{
    const bool expand = !Shared().LineExpanded;
    setExpanded(expand);
    setTitle(expand ? LineTitle::Counted : LineTitle::Plain);
    Windows().Verleden->cbNegenK->setChecked(expand);
    RecountExtras();
}

int TForm2::labelMode() const
{
    return m_labelModes->checkedId();
}

void TForm2::setLabelMode(int mode)
{
    m_labelModes->button(mode)->setChecked(true);
}

void TForm2::ShowKeywordLabels()
{
    SharedState &shared = Shared();
    RedrawKeywords(shared.CurrentKeywords, Platform::instance());
    for (int slot = 1; slot <= 9; ++slot) {
        Label[slot]->setText(SlotKeyword(shared.LineCards[slot], shared.CurrentKeywords));
        RedrawKeywords(shared.CurrentKeywords, Platform::instance());
    }
}

void TForm2::ShowTitleLabels()
{
    for (int slot = 1; slot <= 9; ++slot)
        Label[slot]->setText(SlotTitle(Shared().LineCards[slot]));
    m_edits[1]->setFocus();
}

void TForm2::LabelsClick()
{
    const bool titles = labelMode() == 0;
    if (titles)
        ShowTitleLabels();
    else
        ShowKeywordLabels();
    const QColor color = titles ? QApplication::palette().color(QPalette::WindowText) : Blue;
    for (int slot = 1; slot <= 9; ++slot)
        SetTextColor(Label[slot], color);
}

void TForm2::LabelClick(int slot)
{
    const QString text = m_edits[slot]->text();
    bool number = false;
    const int card = text.toInt(&number);
    if (!number) {
        Platform::instance().message(NotANumberMessage(text));
        return;
    }
    // A slot holding 0 has no keywords to draw from.
    if (card < 1 || card > CardCount)
        return;
    SharedState &shared = Shared();
    QString keyword;
    do {
        keyword = CardKeyword(card, Platform::instance().below(KeywordsPerCard) + 1);
        shared.CurrentKeywords[card] = keyword;
    } while (keyword == Label[slot]->text());
    Label[slot]->setText(keyword);
}

void TForm2::PairClick(int first)
{
    Windows().Form5->LookUpSlots(m_edits[first]->text(), m_edits[first + 1]->text());
}

void TForm2::btRandomClick()
{
    Platform &platform = Platform::instance();
    std::array<CardNumber, 5> cards{};
    for (;;) {
        for (CardNumber &card : cards)
            card = platform.below(CardCount) + 1;
        std::array<CardNumber, 5> sorted = cards;
        std::sort(sorted.begin(), sorted.end());
        if (std::adjacent_find(sorted.begin(), sorted.end()) == sorted.end())
            break;
    }
    for (int i = 1; i <= 5; ++i)
        m_edits[i]->setText(QString::number(cards[i - 1]));
    m_edits[1]->setFocus();
    ShowKeywordLabels();
    Windows().Form6->hide();
}

void TForm2::btWisselClick()
{
    setLabelMode(1);
    ShowKeywordLabels();
}

void TForm2::CopyText()
{
    setLabelMode(1);
    if (Shared().LineExpanded)
        ToggleExtras();
    std::array<QString, 5> titles;
    std::array<QString, 5> labels;
    for (int i = 1; i <= 5; ++i) {
        titles[i - 1] = SlotTitle(Shared().LineCards[i]);
        labels[i - 1] = Label[i]->text();
    }
    Platform &platform = Platform::instance();
    Shared().CopyDate = platform.now();
    platform.setClipboardText(LineCopyText(titles, labels, lbUitkomst->text(), Shared().CopyDate.date()));
    m_edits[1]->setFocus();
}

void TForm2::btScreenClick()
{
    Platform &platform = Platform::instance();
    platform.setClipboardImage(platform.captureClient(this, CaptureTopRow, CaptureRightMargin));
}

void TForm2::btBewaarClick()
{
    SharedState &shared = Shared();
    if (shared.SpreadSaved) {
        ShowAlreadySaved();
        return;
    }
    if (shared.LineExpanded) {
        for (int position = 1; position <= 9; ++position)
            shared.SaveCards[position] = CardField(m_edits[LineSlotAtSquarePosition[position]]->text());
        shared.SaveRemark = QStringLiteral("5+4k");
    } else {
        QStringList names;
        for (int i = 1; i <= 5; ++i) {
            shared.SaveCards[i] = CardField(m_edits[i]->text());
            names.append(CardName(shared.LineCards[i]));
        }
        shared.SaveRemark = names.join(QStringLiteral(", "));
    }
    SaveSpread();
    if (Windows().Verleden->isVisible())
        presetListKinds(false, true, true);
}

void TForm2::btOpenClick()
{
    if (FileExists(ListFile))
        openList();
    else
        Platform::instance().message(QStringLiteral("Er zijn nog geen vragen bewaard!"));
}

void TForm2::openList()
{
    Windows().Verleden->RefreshList();
    presetListKinds(false, true, Shared().LineExpanded);
}

void TForm2::presetListKinds(bool three, bool five, bool nine)
{
    TVerleden *list = Windows().Verleden;
    {
        const QSignalBlocker blockThree(list->cbDrieK);
        const QSignalBlocker blockFive(list->cbVijfK);
        const QSignalBlocker blockNine(list->cbNegenK);
        list->cbDrieK->setChecked(three);
        list->cbVijfK->setChecked(five);
        list->cbNegenK->setChecked(nine);
    }
    list->ApplyKindFilter();
}

void TForm2::fillEmpty(int first, int last)
{
    for (int slot = first; slot <= last; ++slot)
        if (m_edits[slot]->text().isEmpty())
            m_edits[slot]->setText(QStringLiteral("0"));
}

void TForm2::bt3KClick()
{
    fillEmpty(1, 5);
    SharedState &shared = Shared();
    shared.LastSpreadKind = 4;
    shared.ThreeFromMain = false;
    hide();
    Windows().Form4->show();
}

void TForm2::btGoNineClick()
{
    fillEmpty(1, 5);
    SharedState &shared = Shared();
    shared.LineToNineCross = true;
    shared.LineToNineSquare = false;
    shared.LastSpreadKind = 8;
    hide();
    Windows().Form3->show();
}

void TForm2::btGoExtraClick()
{
    fillEmpty(6, 9);
    SharedState &shared = Shared();
    shared.LineCardsText.clear();
    for (int slot = 1; slot <= 9; ++slot)
        shared.LineCardsText += m_edits[slot]->text();
    shared.LineToNineCross = false;
    shared.LineToNineSquare = true;
    shared.LastSpreadKind = 8;
    hide();
    Windows().Form3->show();
}

void TForm2::btThemeClick()
{
    TForm6 *themes = Windows().Form6;
    themes->show();
    themes->ThemeLines();
}

void TForm2::btHelpClick()
{
    Windows().HelpInfo->ShowHelpAt(QStringLiteral(" - Legvorm 'Lijn van 5':"));
}

void TForm2::btWisitClick()
{
    for (const int slot : {2, 3, 4, 5, 1})
        m_edits[slot]->clear();
    m_edits[1]->setFocus();
}

void TForm2::btVolgClick()
{
    SharedState &shared = Shared();
    shared.LineOrderIndex = NextLineOrderIndex(shared.LineOrderIndex);
    const LineOrder &order = LineOrderPermutations[shared.LineOrderIndex];
    std::array<QString, 4> extras;
    for (int slot = 6; slot <= 9; ++slot)
        extras[slot - 6] = m_edits[slot]->text();
    setCaption(btVolg, order.caption, order.hint);
    std::array<QString, 5> texts;
    for (int i = 1; i <= 5; ++i)
        texts[i - 1] = m_edits[i]->text();
    texts = MoveLineTexts(texts, shared.LineOrderIndex);
    for (int i = 1; i <= 5; ++i)
        m_edits[i]->setText(texts[i - 1]);
    // The extra cards stay those of the line as it stood before the step.
    for (int slot = 6; slot <= 9; ++slot)
        m_edits[slot]->setText(extras[slot - 6]);
}

void TForm2::btResetClick()
{
    for (const int slot : {7, 8, 9, 6})
        m_edits[slot]->clear();
    m_edits[6]->setFocus();
    RecountExtras();
}

void TForm2::btWis4Click()
{
    for (int slot = 6; slot <= 9; ++slot)
        m_edits[slot]->clear();
    m_edits[6]->setFocus();
    setTitle(LineTitle::ExtrasEmptied);
}

void TForm2::closeThemes()
{
    if (TForm6 *themes = Windows().Form6)
        themes->close();
}

void TForm2::TakeFiveEntry(const QList<int> &cards)
{
    for (int i = 1; i <= 5; ++i)
        m_edits[i]->setText(QString::number(cards[i - 1]));
    for (int i = 1; i <= 5; ++i)
        showPicture(i);
}

void TForm2::TakeNineEntry(const QList<int> &cards)
{
    for (int slot = 1; slot <= 9; ++slot)
        m_edits[slot]->setText(QString::number(cards[SquarePositionOfLineSlot[slot] - 1]));
    for (int slot = 1; slot <= 9; ++slot)
        showPicture(slot);
    setTitle(LineTitle::OpenedNine);
}

void TForm2::ResetOrder()
{
    Shared().LineOrderIndex = 0;
    setCaption(btVolg, LineOrderPermutations[1].caption, LineOrderPermutations[1].hint);
}

void TForm2::FormShow()
{
    setExpanded(false);
    SharedState &shared = Shared();
    const WindowSet &windows = Windows();
    const int kind = shared.LastSpreadKind;
    if (kind == 8) {
        const TForm3 *nine = windows.Form3;
        for (int slot = 1; slot <= 9; ++slot)
            m_edits[slot]->setText(nine->Edit(SquarePositionOfLineSlot[slot])->text());
        if (shared.NineWasSquare) {
            if (shared.LineCardsText != shared.NineCardsText)
                setTitle(LineTitle::FromSquare);
            // The corners of the square are the extra cards: no recount.
            setExpanded(true);
        } else {
            setTitle(LineTitle::Plain);
        }
    } else if (kind == 4) {
        const TForm4 *three = windows.Form4;
        for (int i = 1; i <= 3; ++i) {
            if (three->Edit(i)->text().isEmpty())
                three->Edit(i)->setText(QStringLiteral("0"));
            m_edits[i]->setText(three->Edit(i)->text());
        }
        if (shared.ThreeFromMain) {
            m_edits[4]->setText(QString::number(shared.MainSlotCards[5]));
            m_edits[5]->setText(QString::number(shared.MainSlotCards[6]));
        }
    } else {
        static constexpr std::array<int, 5> mainSlots = {1, 2, 3, 5, 6};
        for (int i = 1; i <= 5; ++i)
            m_edits[i]->setText(QString::number(shared.MainSlotCards[mainSlots[i - 1]]));
    }
    for (int slot = 1; slot <= 9; ++slot)
        showPicture(slot);
    if (shared.CarrySaved) {
        shared.SpreadSaved = true;
        shared.CarrySaved = false;
    }
    TVerleden *list = windows.Verleden;
    for (QPushButton *b :
         {list->btBewHerst, list->btBewerk, list->btWisSel, list->btDubbel, list->btOpZoek, list->btZoek})
        b->setEnabled(true);
    list->btDubbel->setText(QStringLiteral("3Dubbel?"));
    list->btOpZoek->setText(QStringLiteral("Zoekop"));
    if (kind == 4 || kind == 5)
        setTitle(LineTitle::FromThreeCards);
    if (kind != 8)
        ResetOrder();
    Recount();
    ShowKeywordLabels();
    shared.AlsoDayList = true;
    setLabelMode(1);
    presetListKinds(false, true, kind == 8 && shared.LineExpanded);
}

void TForm2::FormClose()
{
    Shared().LastSpreadKind = 5;
    const WindowSet &windows = Windows();
    windows.Form5->close();
    windows.Form6->close();
}

bool TForm2::FormKeyDown(QKeyEvent *event)
{
    const int key = event->key();
    auto focusedSlot = [this](int first, int last) {
        for (int slot = first; slot <= last; ++slot)
            if (focusWidget() == m_edits[slot])
                return slot;
        return 0;
    };
    // Shift, Delete, End and Home reach the focused control after the window
    // has acted (a field deletes or moves its caret as always).
    switch (key) {
    case Qt::Key_Shift:
        // Holding Shift down must not flicker the window open and shut.
        if (!event->isAutoRepeat())
            ToggleExtras();
        return false;
    case Qt::Key_Delete:
        btWisitClick();
        return false;
    case Qt::Key_End:
        openList();
        return false;
    case Qt::Key_Home:
        SpreadWindow::FormKeyDown(event);
        return false;
    case Qt::Key_Left:
    case Qt::Key_Right:
        if (const int slot = focusedSlot(1, 5)) {
            const int next = key == Qt::Key_Left ? (slot + 3) % 5 + 1 : slot % 5 + 1;
            m_edits[next]->setFocus();
            return true;
        }
        return false;
    case Qt::Key_Up:
    case Qt::Key_Down:
        if (const int slot = focusedSlot(6, 9)) {
            const int next = key == Qt::Key_Up ? (slot - 6 + 3) % 4 + 6 : (slot - 6 + 1) % 4 + 6;
            m_edits[next]->setFocus();
            return true;
        }
        return false;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return PressFocusedButton(this);
    default:
        return SpreadWindow::FormKeyDown(event);
    }
}

} // namespace tessaly
