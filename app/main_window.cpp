#include "app/main_window.h"

#include "app/copy_texts.h"
#include "app/help_window.h"
#include "app/platform.h"
#include "app/shared_state.h"
#include "app/text_file.h"
#include "app/window_set.h"
#include "catalogue/card_slots.h"
#include "catalogue/counting.h"
#include "practice/practice_window.h"
#include "print/print_buttons.h"
#include "saved/list_window.h"
#include "saved/save_spread.h"
#include "saved/saved_list.h"
#include "spreads/line_of_five_window.h"
#include "spreads/nine_card_window.h"
#include "spreads/three_card_window.h"
#include "tableau/grand_tableau_window.h"
#include "widgets/card_picker.h"
#include "widgets/controls.h"
#include "widgets/key_preview.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QToolTip>

namespace tessaly {

namespace {

constexpr int HintVisibleMs = 15000;
constexpr int CaptureTopRow = 29;
const QColor Blue(0, 0, 255);
const QColor Olive(128, 128, 0);
const QColor Purple(128, 0, 128);

// Hints stay up for fifteen seconds in every window, not the toolkit's
// default of a few seconds that depends on the text length.
class HintDuration : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::ToolTip || !watched->isWidgetType())
            return false;
        auto *widget = static_cast<QWidget *>(watched);
        if (widget->toolTip().isEmpty())
            return false;
        auto *help = static_cast<QHelpEvent *>(event);
        // Multi-line hints break their lines with CR, which a tooltip would run together.
        QToolTip::showText(help->globalPos(), widget->toolTip().replace(u'\r', u'\n'), widget, QRect(),
                           HintVisibleMs);
        return true;
    }
};

struct Place
{
    int left;
    int top;
};

// Pictures and labels of slots 1..10, row by row as the pyramid stands.
constexpr std::array<Place, 11> PicturePlaces = {{{0, 0},
                                                  {9, 32},
                                                  {117, 32},
                                                  {226, 32},
                                                  {334, 32},
                                                  {62, 198},
                                                  {171, 198},
                                                  {279, 198},
                                                  {117, 365},
                                                  {226, 365},
                                                  {171, 530}}};
constexpr std::array<Place, 11> LabelPlaces = {{{0, 0},
                                                {7, 180},
                                                {115, 180},
                                                {224, 180},
                                                {332, 180},
                                                {60, 347},
                                                {169, 347},
                                                {277, 347},
                                                {116, 513},
                                                {225, 513},
                                                {273, 660}}};
constexpr std::array<int, 4> OutsideTriangle = {4, 7, 9, 10};
// Left edges of pickers 1..3.
constexpr std::array<int, 4> PickerLefts = {0, 8, 116, 225};

int entryCard(const QLineEdit *edit)
{
    return ReadCardEntryText(edit->text()).card;
}

} // namespace

TForm1::TForm1(QWidget *parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Tessaly Studie vs 26.1"));
    setFixedSize(440, 687);
    setAutoFillBackground(true);
    QPalette lavender = palette();
    lavender.setColor(QPalette::Window, QColor(0xE6, 0xE6, 0xFA));
    setPalette(lavender);
    setCursor(Qt::PointingHandCursor);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(11);
    setFont(font);
    createControls();
    new KeyPreview(this, [this](QKeyEvent *event) { return FormKeyDown(event); });
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    FormCreate();
}

void TForm1::createControls()
{
    for (int k = 1; k <= 3; ++k) {
        QComboBox *box = MakeCardPicker(this, QStringLiteral("ComboBox%1").arg(k));
        box->setCurrentIndex(1);
        box->setGeometry(PickerLefts[k], 4, 103, 21);
        SetComboName(box, QStringLiteral("Kaart %1").arg(k));
        connect(box->lineEdit(), &QLineEdit::textEdited, this,
                [this, k](const QString &text) { pickerEdited(k, text); });
        connect(box, &QComboBox::activated, this, [this, k](int item) { ChooseSlotCard(k, item); });
        ComboBox[k] = box;
    }
    btGO =
        MakeButton(this, "btGO", QStringLiteral("Rnd"), {371, 4, 60, 22}, QStringLiteral("Trek de kaarten!"));
    connect(btGO, &QPushButton::clicked, this, &TForm1::DrawThree);

    for (int slot = 1; slot <= 10; ++slot) {
        auto *picture = new CardPictureLabel(this);
        picture->setObjectName(QStringLiteral("Image%1").arg(slot));
        picture->setGeometry(PicturePlaces[slot].left, PicturePlaces[slot].top, 98, 148);
        picture->setCursor(Qt::WhatsThisCursor);
        Image[slot] = picture;

        auto *label = new QLabel(this);
        label->setObjectName(QStringLiteral("Label%1").arg(slot));
        label->setGeometry(LabelPlaces[slot].left, LabelPlaces[slot].top, slot == 10 ? 140 : 103, 15);
        label->setAlignment(slot == 10 ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignCenter);
        SetTextColor(label, Blue);
        label->hide();
        Label[slot] = label;
    }
    Image[11] = new CardPictureLabel(this);
    Image[11]->setObjectName(QStringLiteral("Image11"));
    Image[11]->setGeometry(8, 549, 73, 110);
    Image[11]->setAccessibleDescription(QStringLiteral("Magic Card"));
    Image[11]->hide();

    lbMagCard = new QLabel(QStringLiteral("Magic Card"), this);
    lbMagCard->setObjectName(QStringLiteral("lbMagCard"));
    lbMagCard->setGeometry(8, 665, 160, 15);
    SetTextColor(lbMagCard, Olive);

    RadioGroup1 = new QGroupBox(QStringLiteral(" Labels "), this);
    RadioGroup1->setObjectName(QStringLiteral("RadioGroup1"));
    RadioGroup1->setGeometry(323, 532, 100, 85);
    m_labelModes = new QButtonGroup(this);
    const QStringList modes = {QStringLiteral("&Geen"), QStringLiteral("&Kaartnamen"),
                               QStringLiteral("&Trefwoorden")};
    for (int mode = 0; mode < modes.size(); ++mode) {
        auto *radio = new QRadioButton(modes[mode], RadioGroup1);
        radio->setGeometry(8, 18 + mode * 21, 88, 19);
        radio->setAccessibleName(QString(modes[mode]).remove(u'&'));
        m_labelModes->addButton(radio, mode);
    }
    m_labelModes->button(2)->setChecked(true);
    // Setting the mode from code runs the same handling as a click.
    connect(m_labelModes, &QButtonGroup::idToggled, this, [this](int, bool checked) {
        if (checked)
            RadioGroup1Click();
    });

    btRndTrefWoord = MakeButton(this, "btRndTrefWoord", QStringLiteral("Rnd.Trefwoord"), {323, 625, 100, 25});
    connect(btRndTrefWoord, &QPushButton::clicked, this, &TForm1::btRndTrefWoordClick);
    bt3kaart = MakeButton(this, "bt3kaart", QStringLiteral("3 Kaartjes"), {348, 426, 75, 25});
    connect(bt3kaart, &QPushButton::clicked, this, [] {
        Shared().LastSpreadKind = 3;
        Shared().ThreeFromMain = true;
        Windows().Form4->show();
    });
    btVijf = MakeButton(this, "btVijf", QStringLiteral("Lijn van 5"), {348, 457, 75, 25},
                        QStringLiteral("Kies andere Legvorm"));
    btVijf->setDefault(true);
    connect(btVijf, &QPushButton::clicked, this, [] {
        Shared().LastSpreadKind = 5;
        Windows().Form2->show();
    });
    btNegen = MakeButton(this, "btNegen", QStringLiteral("9 Vierkant"), {348, 488, 75, 25},
                         QStringLiteral("Kies andere Legvorm"));
    connect(btNegen, &QPushButton::clicked, this, [] {
        Shared().LastSpreadKind = 9;
        Windows().Form3->show();
    });
    cbDriehoek = new QCheckBox(QStringLiteral("Driehoek"), this);
    cbDriehoek->setObjectName(QStringLiteral("cbDriehoek"));
    cbDriehoek->setGeometry(28, 459, 80, 19);
    cbDriehoek->setToolTip(QStringLiteral("Driehoek van 6 kaarten"));
    cbDriehoek->setAccessibleName(cbDriehoek->text());
    cbDriehoek->setAccessibleDescription(cbDriehoek->toolTip());
    connect(cbDriehoek, &QCheckBox::toggled, this, &TForm1::cbDriehoekClick);
    btGrandT = MakeButton(this, "btGrandT", QStringLiteral("GrandTableau"), {20, 488, 90, 25});
    connect(btGrandT, &QPushButton::clicked, this, [] { Windows().Form7->show(); });
    btOpenen = MakeButton(this, "btOpenen", QStringLiteral("Open Lijst"), {28, 536, 75, 25},
                          QStringLiteral("Open de Bewaarlijst"));
    connect(btOpenen, &QPushButton::clicked, this, &TForm1::btOpenenClick);
    btBewaren = MakeButton(this, "btBewaren", QStringLiteral("Bewaar"), {28, 567, 75, 25},
                           QStringLiteral("Bewaar deze Legging"));
    connect(btBewaren, &QPushButton::clicked, this, &TForm1::btBewarenClick);
    bt10X = MakeButton(this, "bt10X", QStringLiteral("Kopieer"), {28, 598, 75, 25},
                       QStringLiteral("Kopieer tekst naar klembord"));
    connect(bt10X, &QPushButton::clicked, this, &TForm1::CopyText);
    btHelp = MakeButton(this, "btHelp", QStringLiteral("?"), {50, 629, 22, 22}, QStringLiteral("Help"));
    btHelp->setFlat(true);
    btHelp->setAccessibleName(QStringLiteral("Help"));
    QFont bold = btHelp->font();
    bold.setBold(true);
    bold.setPixelSize(14);
    btHelp->setFont(bold);
    QPalette purple = btHelp->palette();
    purple.setColor(QPalette::ButtonText, Purple);
    btHelp->setPalette(purple);
    connect(btHelp, &QPushButton::clicked, this, &TForm1::btHelpClick);
    btBigImg = MakeButton(this, "btBigImg", QStringLiteral("*"), {416, 660, 20, 20},
                          QStringLiteral("Kopieer Afbeelding naar Klembord"));
    btBigImg->setFlat(true);
    btBigImg->setAccessibleName(QStringLiteral("Kopieer Afbeelding"));
    connect(btBigImg, &QPushButton::clicked, this, &TForm1::CopyPicture);
    // In the free space above the spread buttons.
    btOefenen = MakeButton(this, "btOefenen", QStringLiteral("Oefenen"), {348, 395, 75, 25},
                           QStringLiteral("Oefen kaarten, trefwoorden, thema's en paren"));
    btOefenen->setAccessibleName(QStringLiteral("Oefenen"));
    connect(btOefenen, &QPushButton::clicked, this, [this] {
        TOefenen *practice = Oefenen();
        practice->show();
        practice->raise();
        practice->activateWindow();
    });

    // Left of the pyramid's third row, above "Driehoek".
    const PrintButtons print = AddPrintButtons(this, {20, 395, 90, 25}, {20, 426, 90, 25}, [this] {
        std::array<SlotView, 10> views;
        for (int slot = 1; slot <= 10; ++slot) {
            const CardNumber card = Shared().MainSlotCards[slot];
            const QString label = Label[slot]->isHidden() ? QString() : Label[slot]->text();
            views[size_t(slot - 1)] = {card, CardCaption(card, label, SlotKeyword[slot])};
        }
        return std::optional(FromJournal(DailySpreadPrint(views, cbDriehoek->isChecked(), MagicCard)));
    });
    btAfdrukken = print.print;
    btPdf = print.pdf;

    // Reading order: the top row, then down the window, left before right.
    QList<QWidget *> order = {ComboBox[1], ComboBox[2], ComboBox[3], btGO,     btAfdrukken, btOefenen, btPdf,
                              bt3kaart,    cbDriehoek,  btVijf,      btGrandT, btNegen,     btOpenen};
    for (QAbstractButton *mode : m_labelModes->buttons())
        order.append(mode);
    order.append({btBewaren, bt10X, btHelp, btRndTrefWoord, btBigImg});
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}

TForm1::~TForm1()
{
    delete m_oefenen;
}

TOefenen *TForm1::Oefenen()
{
    if (!m_oefenen)
        m_oefenen = new TOefenen;
    return m_oefenen;
}

void TForm1::FormCreate()
{
    static HintDuration *hints = nullptr;
    if (!hints && qApp) {
        hints = new HintDuration(qApp);
        qApp->installEventFilter(hints);
    }
    SharedState &shared = Shared();
    shared.LastSpreadKind = 3;
    shared.AlsoDayList = true;
    shared.ThreeFromMain = false;
}

void TForm1::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TForm1::FormShow()
{
    Platform::instance().seedFromClock();
    SharedState &shared = Shared();
    const WindowSet &windows = Windows();
    auto allFilled = [](std::initializer_list<const QLineEdit *> edits) {
        return std::all_of(edits.begin(), edits.end(),
                           [](const QLineEdit *edit) { return !edit->text().isEmpty(); });
    };

    if (shared.LastSpreadKind == 3) {
        const TForm4 *three = windows.Form4;
        // Fields never made are empty, as at the start: no need to make them.
        if (three->controlsMade() && allFilled({three->Edit(1), three->Edit(2), three->Edit(3)}))
            takeThreeCards(three->Edit(1), three->Edit(2), three->Edit(3));
        else
            DrawThree();
    }
    if (shared.LastSpreadKind == 5) {
        const TForm2 *line = windows.Form2;
        if (allFilled({line->Edit(1), line->Edit(2), line->Edit(3)}))
            takeThreeCards(line->Edit(1), line->Edit(2), line->Edit(3));
        else
            DrawThree();
    }
    const TForm3 *nine = windows.Form3;
    if (shared.LastSpreadKind == 8) {
        if (allFilled({nine->Edit(5), nine->Edit(2), nine->Edit(8)}))
            takeThreeCards(nine->Edit(4), nine->Edit(5), nine->Edit(6));
        else
            DrawThree();
    }
    if (shared.LastSpreadKind == 8 || shared.LastSpreadKind == 9) {
        if (allFilled({nine->Edit(5), nine->Edit(4), nine->Edit(2)}))
            takeNineSpreadBack();
        else
            DrawThree();
    }
    if (shared.CarrySaved) {
        shared.SpreadSaved = true;
        shared.CarrySaved = false;
    }
    windows.Verleden->ResetForMainShow();
}

void TForm1::btBewarenClick()
{
    SharedState &shared = Shared();
    if (shared.SpreadSaved) {
        ShowAlreadySaved();
        return;
    }
    QStringList names;
    for (int k = 1; k <= 3; ++k) {
        shared.SaveCards[k] = CardField(QString::number(shared.MainSlotCards[k]));
        names.append(CardName(shared.MainSlotCards[k]));
    }
    shared.SaveRemark = names.join(QStringLiteral(", "));
    SaveSpread();
}

void TForm1::btOpenenClick()
{
    if (FileExists(ListFile))
        Windows().Verleden->RefreshList();
    else
        Platform::instance().message(QStringLiteral("Er zijn nog geen vragen bewaard!"));
}

void TForm1::takeThreeCards(QLineEdit *first, QLineEdit *second, QLineEdit *third)
{
    const std::array<QLineEdit *, 3> sources = {first, second, third};
    for (int k = 1; k <= 3; ++k)
        SelectCard(k, entryCard(sources[k - 1]));
    ComboBox[1]->setFocus();
    ApplyLabelMode();
}

void TForm1::takeNineSpreadBack()
{
    const TForm3 *nine = Windows().Form3;
    if (nine->Edit(1)->text().isEmpty()) {
        // A cross without corners: its middle row becomes the daily spread.
        setLabelMode(2);
        takeThreeCards(nine->Edit(4), nine->Edit(5), nine->Edit(6));
        return;
    }
    static constexpr std::array<int, 9> fromField = {4, 5, 6, 2, 8, 1, 3, 7, 9};
    SharedState &shared = Shared();
    for (int slot = 1; slot <= 10; ++slot) {
        const CardNumber card = slot == 10 ? shared.NineSumCard : entryCard(nine->Edit(fromField[slot - 1]));
        shared.MainSlotCards[slot] = card;
        // The magic card keeps its value now, but the next choice counts it
        // from these cards, not from the pyramid that stood before.
        SlotDrawn[slot] = card;
        Image[slot]->setCard(card);
        if (slot <= 3 && card >= 1) {
            QSignalBlocker block(ComboBox[slot]);
            ComboBox[slot]->setCurrentIndex(card - 1);
            LastValidIndex[slot] = card - 1;
        }
    }
    shared.SpreadSaved = false;
    for (int slot = 1; slot <= 10; ++slot) {
        RedrawKeywords(shared.CurrentKeywords, Platform::instance());
        SlotName[slot] = CardTitle(shared.MainSlotCards[slot]);
        SlotKeyword[slot] = tessaly::SlotKeyword(shared.MainSlotCards[slot], shared.CurrentKeywords);
    }
    setLabelMode(0);
    ApplyLabelMode();
    Label[10]->setText(QStringLiteral("Bonuskaart"));
    SetTextColor(Label[10], Qt::red);
    Label[10]->show();
}

void TForm1::closeEvent(QCloseEvent *event)
{
    FormClose();
    event->accept();
    emit programEnds();
}

void TForm1::FormClose()
{
    // Failures are ignored: the program is ending and nothing depends on it.
    // A backup stays when a write of its list failed: then it may be the
    // only whole copy.
    DeleteBackupAtEnd(ListFile, ListBackup);
    DeleteBackupAtEnd(TableauListFile, TableauBackupFile);
}

bool TForm1::FormKeyDown(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Escape:
        close();
        return true;
    case Qt::Key_End:
        Windows().Verleden->OpenAllKinds();
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // The focused button takes Enter, as on any dialog; otherwise the
        // default button does.
        if (!PressFocusedButton(this))
            btVijf->click();
        return true;
    case Qt::Key_Left:
    case Qt::Key_Right:
        for (int k = 1; k <= 3; ++k) {
            if (ComboBox[k]->hasFocus()) {
                const int next = event->key() == Qt::Key_Left ? (k + 1) % 3 + 1 : k % 3 + 1;
                ComboBox[next]->setFocus();
                ComboBox[next]->lineEdit()->selectAll();
                return true;
            }
        }
        return false;
    default:
        return false;
    }
}

void TForm1::pickerEdited(int k, const QString &typed)
{
    ChooseSlotCard(k, CompleteCardPicker(ComboBox[k], typed));
}

void TForm1::SelectCard(int k, CardNumber card)
{
    const int item = card >= 1 && card <= CardCount ? card - 1 : -1;
    if (item >= 0) {
        QSignalBlocker block(ComboBox[k]);
        ComboBox[k]->setCurrentIndex(item);
    }
    ChooseSlotCard(k, item);
}

void TForm1::ChooseSlotCard(int k, int item)
{
    QComboBox *box = ComboBox[k];
    if (item < 0) {
        RevertCardPicker(box, LastValidIndex[k]);
    } else {
        Image[k]->show();
        refreshSlot(k, item + 1);
        RecountPyramid();
        LastValidIndex[k] = item;
    }
    Shared().SpreadSaved = false;
    ApplyLabelMode();
}

void TForm1::refreshSlot(int slot, CardNumber card)
{
    SharedState &shared = Shared();
    Image[slot]->setCard(card);
    shared.MainSlotCards[slot] = card;
    SlotDrawn[slot] = card;
    RedrawKeywords(shared.CurrentKeywords, Platform::instance());
    SlotName[slot] = CardTitle(card);
    SlotKeyword[slot] = tessaly::SlotKeyword(card, shared.CurrentKeywords);
    Label[slot]->setText(SlotName[slot]);
    Image[slot]->setToolTip(SlotKeyword[slot]);
    Image[slot]->setAccessibleDescription(SlotKeyword[slot]);
}

void TForm1::DrawThree()
{
    Platform &platform = Platform::instance();
    std::array<CardNumber, 3> cards{};
    do {
        for (CardNumber &card : cards)
            card = platform.below(CardCount) + 1;
    } while (cards[0] == cards[1] || cards[0] == cards[2] || cards[1] == cards[2]);
    for (int k = 1; k <= 3; ++k)
        SelectCard(k, cards[k - 1]);
    ComboBox[1]->setFocus();
    ApplyLabelMode();
}

void TForm1::RecountPyramid()
{
    SharedState &shared = Shared();
    PyramidSlots pyramid;
    for (int slot = 1; slot <= 10; ++slot)
        pyramid[slot - 1] = shared.MainSlotCards[slot];
    if (tessaly::RecountPyramid(pyramid)) {
        for (int slot = 4; slot <= 10; ++slot)
            refreshSlot(slot, pyramid[slot - 1]);
    }
    RecountMagicCard();
    BuildCopyTexts();
}

void TForm1::RecountMagicCard()
{
    PyramidSlots drawn;
    for (int slot = 1; slot <= 10; ++slot)
        drawn[slot - 1] = SlotDrawn[slot];
    MagicCard = tessaly::RecountMagicCard(drawn, cbDriehoek->isChecked());
    lbMagCard->setText(QStringLiteral("MC: ") + CardTitle(MagicCard));
    Image[11]->setCard(MagicCard);
}

void TForm1::BuildCopyTexts()
{
    Shared().CopyDate = Platform::instance().now();
    std::array<QString, 10> titles;
    std::array<QString, 10> keywords;
    for (int slot = 1; slot <= 10; ++slot) {
        titles[slot - 1] = SlotName[slot];
        keywords[slot - 1] = SlotKeyword[slot];
    }
    const CopyTexts texts =
        tessaly::BuildCopyTexts(titles, keywords, lbMagCard->text(), Shared().CopyDate.date());
    CopyTextFull = texts.full;
    CopyTextTriangle = texts.triangle;
}

int TForm1::labelMode() const
{
    return m_labelModes->checkedId();
}

void TForm1::setLabelMode(int mode)
{
    m_labelModes->button(mode)->setChecked(true);
}

void TForm1::ApplyLabelMode()
{
    const auto mode = MainLabelMode(labelMode());
    const bool triangle = cbDriehoek->isChecked();
    for (int slot = 1; slot <= 10; ++slot) {
        const SlotTexts texts = MainSlotTexts(mode, SlotName[slot], SlotKeyword[slot]);
        Label[slot]->setText(texts.label);
        Image[slot]->setToolTip(texts.hint);
        Image[slot]->setAccessibleDescription(texts.hint);
        Label[slot]->setVisible(MainLabelVisible(mode, slot, triangle));
    }
}

void TForm1::RadioGroup1Click()
{
    ApplyLabelMode();
    const QColor color = labelMode() == 2 ? Blue : QColor(Qt::black);
    for (int slot = 1; slot <= 10; ++slot)
        SetTextColor(Label[slot], color);
    BuildCopyTexts();
}

void TForm1::cbDriehoekClick()
{
    const bool triangle = cbDriehoek->isChecked();
    const bool labels = labelMode() != 0;
    for (const int slot : OutsideTriangle) {
        Image[slot]->setVisible(!triangle);
        Label[slot]->setVisible(!triangle && labels);
    }
    RecountMagicCard();
    // The copy texts carry the magic card line, which just changed.
    BuildCopyTexts();
}

void TForm1::btRndTrefWoordClick()
{
    setLabelMode(2);
    RelabelAllSlots();
    ApplyLabelMode();
}

void TForm1::RelabelAllSlots()
{
    SharedState &shared = Shared();
    for (int slot = 1; slot <= 10; ++slot) {
        const CardNumber card = shared.MainSlotCards[slot];
        SlotName[slot] = CardTitle(card);
        SlotKeyword[slot] = tessaly::SlotKeyword(card, shared.CurrentKeywords);
        Label[slot]->setText(SlotName[slot]);
        Image[slot]->setToolTip(SlotKeyword[slot]);
        Image[slot]->setAccessibleDescription(SlotKeyword[slot]);
        RedrawKeywords(shared.CurrentKeywords, Platform::instance());
    }
}

void TForm1::CopyText()
{
    setLabelMode(1);
    Platform::instance().setClipboardText(
        ClipboardCopyText(cbDriehoek->isChecked() ? CopyTextTriangle : CopyTextFull));
}

void TForm1::CopyPicture()
{
    const std::array<QWidget *, 17> controls = {
        btGO,   btOpenen,       btBewaren,   btGrandT, bt10X,     btHelp,      cbDriehoek, bt3kaart, btNegen,
        btVijf, btRndTrefWoord, RadioGroup1, btBigImg, lbMagCard, btAfdrukken, btPdf,      btOefenen};
    for (QWidget *control : controls)
        control->hide();
    Platform &platform = Platform::instance();
    if (platform.confirm(QStringLiteral("Lijst"), QStringLiteral("Ook de MagicCard Tonen?"),
                         Platform::Icon::Question)) {
        Image[11]->show();
        lbMagCard->show();
    }
    platform.setClipboardImage(platform.captureClient(this, CaptureTopRow, 0));
    for (QWidget *control : controls)
        control->show();
    Image[11]->hide();
    platform.message(QStringLiteral("Afbeelding is gekopieerd naar Klembord."));
}

void TForm1::btHelpClick()
{
    Windows().HelpInfo->ShowHelp();
}

} // namespace tessaly
