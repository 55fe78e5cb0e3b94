#include "spreads/three_card_window.h"

#include "app/platform.h"
#include "app/shared_state.h"
#include "app/text_file.h"
#include "app/window_set.h"
#include "catalogue/card_slots.h"
#include "catalogue/counting.h"
#include "combos/combination_window.h"
#include "print/print_buttons.h"
#include "saved/list_window.h"
#include "saved/save_spread.h"
#include "saved/saved_list.h"
#include "spreads/line_of_five_window.h"
#include "spreads/nine_card_window.h"
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
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

namespace tessaly {

namespace {

const QColor Blue(0, 0, 255);
const QColor Olive(128, 128, 0);
// The copied picture leaves out the row of entry fields and the button column.
constexpr int CaptureTopRow = 26;
constexpr int CaptureRightMargin = 110;
// Left edges of the three pictures.
constexpr std::array<int, 4> SlotLefts = {0, 8, 114, 220};
constexpr int PictureTop = 30;

} // namespace

TForm4::TForm4(QWidget *parent)
    : SpreadWindow(parent)
{
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(QStringLiteral("3 Dagkaartjes"));
    setFixedSize(459, 216);
    setCursor(Qt::PointingHandCursor);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(11);
    setFont(font);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void TForm4::createControls()
{
    m_background = new TGradientPanel(this);
    m_background->setGeometry(rect());
    m_background->setColorFrom(QColor(0xC0, 0xC0, 0xC0));
    m_background->setColorTo(QColor(0xFF, 0xFB, 0xF0));
    m_background->setColorCount(64);

    btWis3 =
        MakeButton(this, "btWis3", QStringLiteral("X"), {2, 4, 20, 21}, QStringLiteral("Wis alle kaarten"));
    btWis3->setFlat(true);
    SetBoldTextColor(btWis3, Qt::red);
    connect(btWis3, &QPushButton::clicked, this, &TForm4::btWis3Click);

    for (int i = 1; i <= 3; ++i) {
        const int left = SlotLefts[i];
        QLineEdit *edit = CreateCardEntry(this, QStringLiteral("Edit%1").arg(i));
        edit->setGeometry(left + 33, 4, 32, 21);
        edit->setAccessibleName(QStringLiteral("Kaart %1").arg(i));
        connect(edit, &QLineEdit::textChanged, this, [this, i] { EditChange(i); });
        m_edits[i] = edit;

        auto *picture = new CardPictureLabel(this);
        picture->setObjectName(QStringLiteral("Image%1").arg(i));
        picture->setGeometry(left, PictureTop, 98, 148);
        Image[i] = picture;

        auto *label = new QLabel(QStringLiteral("---"), this);
        label->setObjectName(QStringLiteral("Label%1").arg(i));
        label->setGeometry(left - 4, PictureTop + 150, 106, 15);
        label->setAlignment(Qt::AlignCenter);
        SetTextColor(label, Blue);
        Label[i] = label;
    }
    btCom1 = MakeButton(this, "btCom1", QStringLiteral("."), {98, 4, 24, 21},
                        QStringLiteral("Betekenis van kaart 1 + 2"));
    btCom2 = MakeButton(this, "btCom2", QStringLiteral("."), {204, 4, 24, 21},
                        QStringLiteral("Betekenis van kaart 2 + 3"));
    for (QPushButton *button : {btCom1, btCom2}) {
        button->setFlat(true);
        QFont bold = button->font();
        bold.setBold(true);
        bold.setPixelSize(14);
        button->setFont(bold);
    }
    btCom1->setAccessibleName(QStringLiteral("Combinatie kaart 1 en 2"));
    btCom2->setAccessibleName(QStringLiteral("Combinatie kaart 2 en 3"));
    connect(btCom1, &QPushButton::clicked, this, [this] { PairClick(1); });
    connect(btCom2, &QPushButton::clicked, this, [this] { PairClick(2); });

    lbUitkomst = new QLabel(QStringLiteral("Opgeteld"), this);
    lbUitkomst->setObjectName(QStringLiteral("lbUitkomst"));
    lbUitkomst->setGeometry(SlotLefts[2], PictureTop + 167, 98, 17);
    lbUitkomst->setAlignment(Qt::AlignCenter);
    lbUitkomst->setAutoFillBackground(true);
    QPalette silver = lbUitkomst->palette();
    silver.setColor(QPalette::Window, QColor(0xC0, 0xC0, 0xC0));
    silver.setColor(QPalette::WindowText, Olive);
    lbUitkomst->setPalette(silver);
    lbUitkomst->setCursor(Qt::WhatsThisCursor);
    lbUitkomst->setToolTip(QStringLiteral("3 Kaarten Uitgeteld"));
    lbUitkomst->setAccessibleName(QStringLiteral("Opgeteld"));

    constexpr int column = 349;
    constexpr int width = 102;
    btRandom = MakeButton(this, "btRandom", QStringLiteral("Rnd k1+k3"), {column, 4, width, 22},
                          QStringLiteral("Random kaart 1 + 3 = opgeteld kaart 2"));
    connect(btRandom, &QPushButton::clicked, this, &TForm4::btRandomClick);
    btWissel = MakeButton(this, "btWissel", QStringLiteral("Rnd Trefwoord"), {column, 30, width, 22},
                          QStringLiteral("Willekeurig Trefwoord"));
    connect(btWissel, &QPushButton::clicked, this, &TForm4::btWisselClick);

    Labels = new QGroupBox(QStringLiteral("Labels"), this);
    Labels->setObjectName(QStringLiteral("Labels"));
    Labels->setGeometry(column, 55, width, 58);
    m_labelModes =
        MakeLabelModes(Labels, {QStringLiteral("Titels"), QStringLiteral("Trefwoord")},
                       {{8, 17, width - 12, 18}, {8, 36, width - 12, 18}}, 1, [this] { LabelsClick(); });

    btKopie = MakeButton(this, "btKopie", QStringLiteral("Kopieer Tekst"), {column, 117, width, 22},
                         QStringLiteral("Kopieer naar Klembord"));
    connect(btKopie, &QPushButton::clicked, this, &TForm4::btKopieClick);
    btBewaar = MakeButton(this, "btBewaar", QStringLiteral("Bewaar"), {column, 143, 60, 22},
                          QStringLiteral("Bewaar in de Lijst"));
    connect(btBewaar, &QPushButton::clicked, this, &TForm4::btBewaarClick);
    btOpen = MakeButton(this, "btOpen", QStringLiteral("Lst"), {column + 64, 143, width - 64, 22},
                        QStringLiteral("Open Bewaarlijst"));
    connect(btOpen, &QPushButton::clicked, this, &TForm4::btOpenClick);
    btGo5 = MakeButton(this, "btGo5", QStringLiteral(">>5"), {column, 169, 60, 22},
                       QStringLiteral("Ga naar Lijn v 5 met 5 basiskaarten uit scherm 1"));
    SetBoldTextColor(btGo5, Qt::red);
    connect(btGo5, &QPushButton::clicked, this, &TForm4::btGo5Click);
    btScreen = MakeButton(this, "btScreen", QStringLiteral("*"), {437, 196, 20, 18},
                          QStringLiteral("Kopieer Plaatjes naar Klembord"));
    btScreen->setFlat(true);
    btScreen->setAccessibleName(QStringLiteral("Kopieer Plaatjes"));
    connect(btScreen, &QPushButton::clicked, this, &TForm4::btScreenClick);

    for (QPushButton *button : findChildren<QPushButton *>())
        button->setAccessibleDescription(button->toolTip());
    lbUitkomst->setAccessibleDescription(lbUitkomst->toolTip());

    // Under the column, outside the copied picture.
    const PrintButtons print =
        AddPrintButtons(this, {column, 194, 56, 20}, {column + 58, 194, 28, 20}, [this] {
            std::array<SlotView, 3> views;
            for (int i = 0; i < 3; ++i) {
                const CardNumber card = ThreeCards[size_t(i)];
                views[size_t(i)] = {card, CardCaption(card, Label[size_t(i + 1)]->text(),
                                                      SlotKeyword(card, Shared().CurrentKeywords))};
            }
            return std::optional(FromJournal(ThreeCardPrint(views, ThreeResult)));
        });

    // Reading order: the row of fields, then the column at the right.
    const QList<QWidget *> order = {btWis3,   Edit(1),     btCom1,    Edit(2), btCom2,   Edit(3),
                                    btRandom, btWissel,    Labels,    btKopie, btBewaar, btOpen,
                                    btGo5,    print.print, print.pdf, btScreen};
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);

    for (int i = 1; i <= 3; ++i)
        showPicture(i);
    Recount();
}

int TForm4::labelMode() const
{
    return m_labelModes->checkedId();
}

void TForm4::setLabelMode(int mode)
{
    m_labelModes->button(mode)->setChecked(true);
}

void TForm4::EditChange(int i)
{
    const CardEntry entry = ReadCardEntryText(Edit(i)->text());
    if (entry.clearField) {
        // Emptying the field runs this handler again for the empty text.
        Edit(i)->clear();
        return;
    }
    SharedState &shared = Shared();
    ThreeCards[i - 1] = entry.card;
    showPicture(i);
    Recount();
    RedrawKeywords(shared.CurrentKeywords, Platform::instance());
    Label[i]->setText(labelMode() == 1 ? SlotKeyword(entry.card, shared.CurrentKeywords)
                                       : SlotTitle(entry.card));
    shared.SpreadSaved = false;
}

void TForm4::showPicture(int i)
{
    Image[i]->setCard(ReadCardEntryText(Edit(i)->text()).card);
}

void TForm4::Recount()
{
    ThreeResult = countOut(ThreeCards[0] + ThreeCards[1] + ThreeCards[2]);
    lbUitkomst->setText(CardTitle(ThreeResult));
}

void TForm4::ShowKeywordLabels()
{
    SharedState &shared = Shared();
    Platform &random = Platform::instance();
    RedrawKeywords(shared.CurrentKeywords, random);
    Windows().Form3->RelabelSlots();
    // Each label takes its keyword from a fresh draw.
    for (int i = 1; i <= 3; ++i) {
        Label[i]->setText(SlotKeyword(ThreeCards[i - 1], shared.CurrentKeywords));
        RedrawKeywords(shared.CurrentKeywords, random);
    }
}

void TForm4::ShowTitleLabels()
{
    Windows().Form3->RelabelSlots();
    for (int i = 1; i <= 3; ++i)
        Label[i]->setText(SlotTitle(ThreeCards[i - 1]));
    Edit(1)->setFocus();
}

void TForm4::LabelsClick()
{
    const bool titles = labelMode() == 0;
    if (titles)
        ShowTitleLabels();
    else
        ShowKeywordLabels();
    const QColor color = titles ? QApplication::palette().color(QPalette::WindowText) : Blue;
    for (int i = 1; i <= 3; ++i)
        SetTextColor(Label[i], color);
}

void TForm4::btRandomClick()
{
    if (Edit(2)->text().isEmpty())
        Edit(2)->setText(QStringLiteral("0"));
    const CardNumber middle = ReadCardEntryText(Edit(2)->text()).card;
    const OuterCards outer = DrawOuterCards(middle, Platform::instance());
    Edit(1)->setText(QString::number(outer.first));
    Edit(3)->setText(QString::number(outer.third));
    ShowKeywordLabels();
    Edit(1)->setFocus();
}

void TForm4::btWisselClick()
{
    setLabelMode(1);
    ShowKeywordLabels();
}

void TForm4::PairClick(int first)
{
    Windows().Form5->LookUpSlots(Edit(first)->text(), Edit(first + 1)->text());
}

void TForm4::btKopieClick()
{
    setLabelMode(1);
    SharedState &shared = Shared();
    shared.CopyDate = Platform::instance().now();
    const ThreeTexts labels = {Label[1]->text(), Label[2]->text(), Label[3]->text()};
    Platform::instance().setClipboardText(
        ThreeCardCopyText(ThreeCards, labels, lbUitkomst->text(), shared.CopyDate.date()));
    Edit(1)->setFocus();
}

void TForm4::btScreenClick()
{
    QCoreApplication::processEvents();
    Platform &platform = Platform::instance();
    platform.setClipboardImage(platform.captureClient(this, CaptureTopRow, CaptureRightMargin));
}

void TForm4::btBewaarClick()
{
    SharedState &shared = Shared();
    if (shared.SpreadSaved) {
        ShowAlreadySaved();
        return;
    }
    const ThreeCardSave save = ThreeCardSaveValues({Edit(1)->text(), Edit(2)->text(), Edit(3)->text()});
    shared.SaveRemark = save.remark;
    for (int k = 1; k <= 3; ++k)
        shared.SaveCards[k] = save.cards[k - 1];
    SaveSpread();
    if (Windows().Verleden->isVisible())
        showThreeCardKinds();
}

void TForm4::showThreeCardKinds()
{
    TVerleden *list = Windows().Verleden;
    {
        // One filter run for the three boxes, not one per box.
        const QSignalBlocker three(list->cbDrieK);
        const QSignalBlocker five(list->cbVijfK);
        const QSignalBlocker nine(list->cbNegenK);
        list->cbDrieK->setChecked(true);
        list->cbVijfK->setChecked(false);
        list->cbNegenK->setChecked(false);
    }
    list->ApplyKindFilter();
}

void TForm4::openListOnThreeCards()
{
    Windows().Verleden->RefreshList();
    showThreeCardKinds();
}

void TForm4::btOpenClick()
{
    if (FileExists(ListFile))
        openListOnThreeCards();
    else
        Platform::instance().message(QStringLiteral("Er zijn nog geen vragen bewaard!"));
}

void TForm4::btGo5Click()
{
    Shared().LastSpreadKind = 4;
    hide();
    Windows().Form2->show();
}

void TForm4::btWis3Click()
{
    for (const int i : {2, 3, 1})
        Edit(i)->clear();
}

void TForm4::FormShow()
{
    SharedState &shared = Shared();
    for (int i = 1; i <= 3; ++i) {
        const QString text = shared.LastSpreadKind == 4 ? Windows().Form2->Edit(i)->text()
                                                        : QString::number(shared.MainSlotCards[i]);
        Edit(i)->setText(text);
    }
    for (int i = 1; i <= 3; ++i)
        showPicture(i);
    // The base class has seeded the draws already.
    setLabelMode(1);
    ShowKeywordLabels();
    if (shared.CarrySaved) {
        shared.SpreadSaved = true;
        shared.CarrySaved = false;
    }
    TVerleden *list = Windows().Verleden;
    for (QPushButton *button :
         {list->btBewHerst, list->btBewerk, list->btWisSel, list->btDubbel, list->btOpZoek, list->btZoek})
        button->setEnabled(true);
    list->btDubbel->setText(QStringLiteral("3Dubbel?"));
    list->btOpZoek->setText(QStringLiteral("Zoekop"));
    showThreeCardKinds();
    shared.AlsoDayList = true;
}

void TForm4::FormClose()
{
    Shared().LastSpreadKind = 3;
}

bool TForm4::FormKeyDown(QKeyEvent *event)
{
    // The focused control still gets these keys after the window has acted.
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
        for (int i = 1; i <= 3; ++i) {
            if (Edit(i)->hasFocus()) {
                const int next = event->key() == Qt::Key_Left ? (i + 1) % 3 + 1 : i % 3 + 1;
                Edit(next)->setFocus();
                return true;
            }
        }
        return false;
    case Qt::Key_Home:
        SpreadWindow::FormKeyDown(event);
        return false;
    case Qt::Key_End:
        openListOnThreeCards();
        return false;
    case Qt::Key_Alt:
        Windows().Form5->ShowWithoutLookup();
        return false;
    case Qt::Key_Delete:
        btWis3Click();
        return false;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return PressFocusedButton(this);
    default:
        return SpreadWindow::FormKeyDown(event);
    }
}

} // namespace tessaly
