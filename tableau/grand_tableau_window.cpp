#include "tableau/grand_tableau_window.h"

#include "app/dutch_date.h"
#include "app/help_window.h"
#include "app/platform.h"
#include "app/text_file.h"
#include "app/window_set.h"
#include "combos/combination_window.h"
#include "print/print_buttons.h"
#include "tableau/tableau_list_window.h"
#include "tableau/tableau_techniques.h"
#include "tableau/techniques_window.h"
#include "widgets/bevel.h"
#include "widgets/controls.h"
#include "widgets/gradient_panel.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

namespace tessaly {

namespace {

constexpr int PictureWidth = 99;
constexpr int PictureHeight = 148;
constexpr int LabelledPictureHeight = 128;
constexpr int LabelHeight = 20;
constexpr int PanelWidth = 106;
constexpr int PanelHeight = 156;
constexpr int TopPanelHeight = 160;
constexpr int ColumnPitch = 107;
constexpr int RowPitch = 157;
constexpr int GridLeft = 7;
constexpr int GridTop = 8;
constexpr int Bottom = GridTop + 4 * RowPitch + PanelHeight - 4;

const QColor Wheat(245, 222, 179);
const QColor IndianRed(205, 92, 92);
const QColor Thistle(201, 179, 204);
const QColor Seashell(255, 245, 238);
const QColor BaseBlue(0, 0, 255);
const QColor HousePurple(128, 0, 128);
const QColor SharedGreen(0, 128, 0);
const QColor Yellow(255, 255, 0);

// Column (from 0) of position p on screen: the grid's, and the outcome's
// four positions under the middle columns. Its row is GridRow's for all 36.
int columnOf(int p)
{
    return IsGridPosition(p) ? GridColumn(p) : p - 33 + 2;
}

int panelLeft(int column)
{
    return GridLeft + column * ColumnPitch;
}

int pictureTop(int row)
{
    return GridTop + row * RowPitch;
}

QPushButton *flatCross(QWidget *parent, const char *name, const QColor &color, QRect geometry,
                       const QString &hint)
{
    QPushButton *button = MakeButton(parent, name, QStringLiteral("X"), geometry, hint);
    button->setFlat(true);
    QFont bold = button->font();
    bold.setBold(true);
    bold.setPixelSize(15);
    button->setFont(bold);
    QPalette palette = button->palette();
    palette.setColor(QPalette::ButtonText, color);
    button->setPalette(palette);
    button->setAccessibleName(hint);
    return button;
}

// Hints keep the carriage return of the texts; the toolkit breaks lines at
// a line feed only.
QString shownHint(QString hint)
{
    return hint.replace(u'\r', u'\n');
}

} // namespace

TForm7::TForm7(QWidget *parent)
    : SpreadWindow(parent)
{
    setObjectName(QStringLiteral("Form7"));
    setWindowTitle(QStringLiteral("Grand Tableau"));
    setFixedSize(870, 791);
    setAutoFillBackground(true);
    setBackground(Wheat);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(12);
    setFont(font);
    for (int p = 1; p <= TableauPositions; ++p)
        m_hints[p] = PositionHint(p, 0, HintForm::Placed);
    Technieken = new TTechnieken(this);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

// The techniques window reads the positions while it closes, so it goes
// while they still exist.
TForm7::~TForm7()
{
    delete Technieken;
    Technieken = nullptr;
}

void TForm7::createControls()
{
    createPositions();
    createButtons();
    // The hints as the layout gives them; the pictures start empty, as it does.
    for (int p = 1; p <= TableauPositions; ++p)
        showHint(p);
}

void TForm7::createPositions()
{
    // Grid lines first, so that panels and pictures lie over them.
    struct Line
    {
        int x, y, w, h;
    };
    const int rowsBottom = pictureTop(4) - 5;
    std::vector<Line> lines;
    for (int c = 1; c <= 7; ++c) {
        const bool besideFifthRow = c >= 2 && c <= 6;
        lines.push_back({panelLeft(c) - 1, 0, 2, (besideFifthRow ? Bottom : rowsBottom) + 2});
    }
    for (int r = 1; r <= 4; ++r)
        lines.push_back({GridLeft - 2, pictureTop(r) - 5, 8 * ColumnPitch + 2, 2});
    lines.push_back({panelLeft(2) - 1, Bottom, 4 * ColumnPitch + 1, 2});
    lines.push_back({GridLeft - 2, 0, 8 * ColumnPitch + 2, 2});
    lines.push_back({GridLeft - 2, 0, 2, rowsBottom + 2});
    lines.push_back({panelLeft(8) - 1, 0, 2, rowsBottom + 2});
    for (int i = 0; i < int(lines.size()); ++i) {
        auto *bevel = new TSMBevel(this);
        bevel->setObjectName(QStringLiteral("SMBevel%1").arg(i + 1));
        bevel->setGeometry(lines[i].x, lines[i].y, lines[i].w, lines[i].h);
    }

    QFont labelFont = font();
    labelFont.setPointSize(10);
    for (int p = 1; p <= TableauPositions; ++p) {
        const int left = panelLeft(columnOf(p));
        const int top = pictureTop(GridRow(p));
        auto *panel = new TGradientPanel(this);
        panel->setObjectName(QStringLiteral("gp%1").arg(p, 2, 10, QLatin1Char('0')));
        if (GridRow(p) == 0)
            panel->setGeometry(left, 0, PanelWidth, TopPanelHeight);
        else
            panel->setGeometry(left, top - 4, PanelWidth, PanelHeight);
        panel->setColorFrom(BaseBlue);
        panel->setColorTo(Yellow);
        panel->setColorCount(64);
        panel->setDirection(TDirection::TopToBottom);
        panel->hide();
        Kleuren[p] = panel;
    }
    for (int p = 1; p <= TableauPositions; ++p) {
        const int left = panelLeft(columnOf(p)) + 3;
        const int top = pictureTop(GridRow(p));
        auto *picture = new CardPictureLabel(this);
        picture->setObjectName(QStringLiteral("Image%1").arg(p));
        picture->setGeometry(left, top, PictureWidth, PictureHeight);
        // Room for the focus frame.
        picture->setInset(2);
        picture->setCursor(Qt::WhatsThisCursor);
        // Reachable by Tab and placed with Space or Enter, as by a click.
        picture->setFocusPolicy(Qt::TabFocus);
        picture->installEventFilter(this);
        Plaatje[p] = picture;

        auto *label = new QLabel(PositionThemeTitle(p), this);
        label->setObjectName(QStringLiteral("Label%1").arg(p));
        label->setGeometry(left - 3, top + LabelledPictureHeight, PanelWidth, LabelHeight);
        label->setAlignment(Qt::AlignCenter);
        label->setFont(labelFont);
        label->hide();
        Themaas[p] = label;
    }
}

void TForm7::createButtons()
{
    const int cornerTop = pictureTop(4);
    rdKlik = new QGroupBox(QStringLiteral("Klik op een Plek:"), this);
    rdKlik->setObjectName(QStringLiteral("rdKlik"));
    rdKlik->setGeometry(14, cornerTop + 2, 152, 70);
    m_clickModes = new QButtonGroup(this);
    rbPlaats = new QRadioButton(QStringLiteral("Plaats  Kaarten"), rdKlik);
    rbPlaats->setGeometry(10, 22, 136, 20);
    rbConnectie = new QRadioButton(QStringLiteral("Toon Connectie"), rdKlik);
    rbConnectie->setGeometry(10, 44, 136, 20);
    m_clickModes->addButton(rbPlaats, 0);
    m_clickModes->addButton(rbConnectie, 1);
    rbConnectie->setChecked(true);
    rbPlaats->setAccessibleName(QStringLiteral("Plaats Kaarten"));
    rbConnectie->setAccessibleName(rbConnectie->text());
    rdKlik->setAccessibleName(QStringLiteral("Klik op een Plek"));
    connect(m_clickModes, &QButtonGroup::idToggled, this, [this](int, bool checked) {
        if (checked)
            ClearConnections();
    });
    btCon =
        flatCross(this, "btCon", BaseBlue, {172, cornerTop + 30, 28, 28}, QStringLiteral("Wis Connectie"));
    connect(btCon, &QPushButton::clicked, this, &TForm7::ClearConnections);

    cbThema = new QCheckBox(QStringLiteral("Toon Thema"), this);
    cbThema->setObjectName(QStringLiteral("cbThema"));
    cbThema->setGeometry(20, cornerTop + 84, 140, 22);
    connect(cbThema, &QCheckBox::toggled, this, &TForm7::cbThemaClick);
    cbHuiz = new QCheckBox(QStringLiteral("Toon Huizen"), this);
    cbHuiz->setObjectName(QStringLiteral("cbHuiz"));
    cbHuiz->setGeometry(20, cornerTop + 110, 140, 22);
    connect(cbHuiz, &QCheckBox::toggled, this, &TForm7::cbHuizClick);
    for (QCheckBox *box : {cbThema, cbHuiz})
        box->setAccessibleName(box->text());

    const int right = panelLeft(6) + 6;
    btRandommie = MakeButton(this, "btRandommie", QStringLiteral("Random"), {right, cornerTop + 4, 96, 26});
    connect(btRandommie, &QPushButton::clicked, this, &TForm7::RandomTableau);
    btWis = flatCross(this, "btWis", Qt::red, {right + 102, cornerTop + 3, 28, 28},
                      QStringLiteral("Wis alle kaarten"));
    connect(btWis, &QPushButton::clicked, this, &TForm7::btWisClick);
    btOpenGT = MakeButton(this, "btOpenGT", QStringLiteral("Open Lijst"), {right, cornerTop + 38, 96, 26});
    connect(btOpenGT, &QPushButton::clicked, this, &TForm7::btOpenGTClick);
    btBewGT = MakeButton(this, "btBewGT", QStringLiteral("Bewaar"), {right + 102, cornerTop + 38, 96, 26});
    connect(btBewGT, &QPushButton::clicked, this, &TForm7::SaveTableau);
    btHlp = MakeButton(this, "btHlp", QStringLiteral("Help"), {right, cornerTop + 72, 96, 26});
    connect(btHlp, &QPushButton::clicked, this,
            [] { Windows().HelpInfo->ShowHelpAt(QStringLiteral("- Grand Tableau")); });
    btSluitprog =
        MakeButton(this, "btSluitprog", QStringLiteral("Sluit Tableau"), {right, cornerTop + 112, 198, 28});
    connect(btSluitprog, &QPushButton::clicked, this, &QWidget::close);
    for (QPushButton *button : {btRandommie, btOpenGT, btBewGT, btHlp, btSluitprog})
        button->setAccessibleName(button->text());

    btTechnieken =
        MakeButton(this, "btTechnieken", QStringLiteral("Technieken"), {right + 102, cornerTop + 72, 96, 26},
                   QStringLiteral("Lees het tableau voor een significator"));
    btTechnieken->setAccessibleName(btTechnieken->text());
    connect(btTechnieken, &QPushButton::clicked, this, [this] { Technieken->ShowBeside(); });

    // Under the connections' cross, beside the two check boxes; the narrow
    // face fits the caption in the corner's width.
    const PrintButtons print =
        AddPrintButtons(this, {167, cornerTop + 84, 52, 24}, {167, cornerTop + 110, 52, 24}, [this] {
            PrintedSpread spread = TableauPrint(TableauCards);
            // The technique reading is printed while its window is open.
            if (Technieken && Technieken->isVisible())
                spread = WithTechniques(spread, Technieken->Reading());
            spread.date = TableauDate(LayoutDate(), Platform::instance().now().date());
            return std::optional(spread);
        });
    QFont narrow = print.print->font();
    narrow.setFamily(QStringLiteral("Liberation Sans Narrow"));
    print.print->setFont(narrow);

    // Reading order: the grid row by row; the bottom row holds the click
    // modes, the last four positions and the buttons, then the rest follows.
    QList<QWidget *> order(Plaatje.begin() + 1, Plaatje.begin() + 33);
    order.append({rbPlaats, rbConnectie});
    order.append(QList<QWidget *>(Plaatje.begin() + 33, Plaatje.end()));
    order.append({btRandommie, btWis, btCon, btOpenGT, btBewGT, btHlp, btTechnieken, cbThema, print.print,
                  cbHuiz, print.pdf, btSluitprog});
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void TForm7::setBackground(const QColor &color)
{
    QPalette background = palette();
    background.setColor(QPalette::Window, color);
    setPalette(background);
}

bool TForm7::placingMode() const
{
    return rbPlaats->isChecked();
}

void TForm7::setPlacingMode(bool placing)
{
    (placing ? rbPlaats : rbConnectie)->setChecked(true);
}

void TForm7::setHint(int p, const QString &hint)
{
    m_hints[p] = hint;
    showHint(p);
}

void TForm7::showHint(int p)
{
    Plaatje[p]->setAccessibleDescription(shownHint(m_hints[p]));
    if (!cbHuiz->isChecked())
        Plaatje[p]->setToolTip(shownHint(m_hints[p]));
}

void TForm7::setPosition(int p, CardNumber card, const QString &text, bool picture, const QString &hint)
{
    TableauCards[p] = card;
    TableauTexts[p] = text;
    if (picture)
        Plaatje[p]->setCard(card);
    else
        Plaatje[p]->clearCard();
    setHint(p, hint);
    emit layoutChanged();
}

void TForm7::emptyPosition(int p)
{
    setPosition(p, 0, QString(), false, PositionHint(p, 0, HintForm::Placed));
}

void TForm7::EmptyPositions()
{
    for (int p = 1; p <= TableauPositions; ++p)
        emptyPosition(p);
}

void TForm7::PositionClick(int p)
{
    if (placingMode()) {
        PlaceCards(p);
        return;
    }
    showPanel(p, Kleuren[p]->ColorFrom());
    ConnectionPosition = p;
    ConnectionCard = TableauCards[p];
    if (p == 1)
        Platform::instance().message(QStringLiteral("1 + ") + QString::number(TableauCards[1]));
    ShowConnection();
}

void TForm7::PlaceCards(int p)
{
    Platform &platform = Platform::instance();
    PlacePosition = p;
    while (PlacePosition >= 1 && PlacePosition <= TableauPositions) {
        const int q = PlacePosition;
        const std::optional<QString> answer =
            platform.input(QStringLiteral("Kaartnummer positie: %1").arg(q),
                           QStringLiteral("(00 = Wissen) Numr.: "), QString());
        const QString typed = answer ? answer->trimmed() : QString();
        if (typed.isEmpty())
            return;
        if (typed == QLatin1String("00")) {
            emptyPosition(q);
            continue;
        }
        const std::optional<long long> number = ReadWholeNumber(typed);
        if (!number) {
            platform.message(QStringLiteral("'%1' is geen kaartnummer.").arg(typed));
            return;
        }
        if (*number < 1 || *number > CardCount)
            continue;
        const CardNumber card = CardNumber(*number);
        setPosition(q, card, TwoDigitNumber(card), true, PositionHint(q, card, HintForm::Placed));
        PlacePosition = q + 1;
    }
}

void TForm7::showPanel(int p, const QColor &color)
{
    Kleuren[p]->setColorFrom(color);
    Kleuren[p]->show();
}

void TForm7::ShowConnection()
{
    const CardNumber c = ConnectionCard;
    if (c < 1 || c > CardCount)
        return;
    showPanel(c, HousePurple);
    for (int q = 1; q <= TableauPositions; ++q)
        if (TableauCards[q] == ConnectionPosition)
            showPanel(q, SharedGreen);
}

void TForm7::ClearConnections()
{
    for (int p = 1; p <= TableauPositions; ++p) {
        Kleuren[p]->hide();
        Kleuren[p]->setColorFrom(BaseBlue);
    }
}

void TForm7::RandomTableau()
{
    setPlacingMode(false);
    ClearConnections();
    ApplyTableauLine(RandomTableauLine(Platform::instance()));
}

void TForm7::ApplyTableauLine(const QString &line)
{
    TableauLine = line;
    m_shownLine = line;
    const TableauRead read = ReadTableauLine(line);
    for (int p = 1; p <= TableauPositions; ++p) {
        const TableauField &field = read.fields[p];
        switch (field.kind) {
        case TableauField::Kind::Card:
            setPosition(p, field.card, field.text, true, PositionHint(p, field.card, HintForm::FromLine));
            break;
        case TableauField::Kind::Zero:
            setPosition(p, 0, field.text, true, PositionHint(p, 0, HintForm::FromLine));
            break;
        case TableauField::Kind::NoCard:
            emptyPosition(p);
            break;
        case TableauField::Kind::Unchanged:
            break;
        }
    }
    // One message for the whole line, however many fields are no card.
    if (read.badNumber)
        Platform::instance().message(QStringLiteral("Deze Kaart Bestaat Niet!"));
}

void TForm7::SaveTableau()
{
    Platform &platform = Platform::instance();
    const QString line = TableauLineText(platform.now().date(), TableauTexts);
    if (!platform.confirm(QStringLiteral("Bewaren"), QStringLiteral("Tableau Bewaren?"),
                          Platform::Icon::Question))
        return;
    if (!Windows().Form8->AppendEntry(line))
        return;
    m_shownLine = line;
    emit layoutChanged();
}

QString TForm7::LayoutDate() const
{
    return SavedLayoutDate(m_shownLine, TableauCards);
}

void TForm7::btWisClick()
{
    if (!Platform::instance().confirm(QStringLiteral("Wissen"), QStringLiteral("Alle Plaatjes Wissen?!"),
                                      Platform::Icon::Warning))
        return;
    setPlacingMode(true);
    setWindowTitle(QStringLiteral("Grand Tableau"));
    EmptyPositions();
    ClearConnections();
}

void TForm7::btOpenGTClick()
{
    // The cards stay as they are until an entry is opened: the layout on
    // screen keeps its connections and can still be saved.
    ClearConnections();
    Windows().Form8->ShowList();
}

void TForm7::setPictureHeight(int height)
{
    for (int p = 1; p <= TableauPositions; ++p)
        Plaatje[p]->resize(PictureWidth, height);
}

void TForm7::showLabels(bool houses)
{
    QFont labelFont = Themaas[1]->font();
    labelFont.setPointSize(houses ? 11 : 10);
    for (int p = 1; p <= TableauPositions; ++p) {
        Themaas[p]->setText(houses ? House(p) : PositionThemeTitle(p));
        Themaas[p]->setFont(labelFont);
        Themaas[p]->show();
    }
    setPictureHeight(LabelledPictureHeight);
}

void TForm7::hideLabels()
{
    setPictureHeight(PictureHeight);
    for (int p = 1; p <= TableauPositions; ++p)
        Themaas[p]->hide();
}

void TForm7::cbThemaClick()
{
    if (!cbThema->isChecked()) {
        hideLabels();
        return;
    }
    cbHuiz->setChecked(false);
    showLabels(false);
}

void TForm7::cbHuizClick()
{
    if (cbHuiz->isChecked()) {
        cbThema->setChecked(false);
        showLabels(true);
    } else {
        hideLabels();
    }
    // Houses take the hints away, so the labels can be read undisturbed.
    for (int p = 1; p <= TableauPositions; ++p) {
        Plaatje[p]->setToolTip(cbHuiz->isChecked() ? QString() : shownHint(m_hints[p]));
        Plaatje[p]->setCursor(cbHuiz->isChecked() ? Qt::ArrowCursor : Qt::WhatsThisCursor);
    }
}

bool TForm7::FormKeyDown(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Home:
        Windows().Form5->ShowWithoutLookup();
        return true;
    case Qt::Key_Control:
        ClearConnections();
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return PressFocusedButton(this);
    default:
        break;
    }
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))
        return SpreadWindow::FormKeyDown(event);
    const QString typed = event->text();
    if (typed == QLatin1String("g"))
        setBackground(Wheat);
    else if (typed == QLatin1String("r"))
        setBackground(IndianRed);
    else if (typed == QLatin1String("b"))
        setBackground(Thistle);
    else if (typed == QLatin1String("w"))
        setBackground(Seashell);
    else
        return SpreadWindow::FormKeyDown(event);
    return true;
}

bool TForm7::eventFilter(QObject *watched, QEvent *event)
{
    const auto at = std::find(Plaatje.begin() + 1, Plaatje.end(), watched);
    if (at == Plaatje.end())
        return SpreadWindow::eventFilter(watched, event);
    const int p = int(at - Plaatje.begin());
    if (event->type() == QEvent::MouseButtonRelease) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::LeftButton && Plaatje[p]->rect().contains(mouse->position().toPoint())) {
            PositionClick(p);
            return true;
        }
    } else if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter) {
            PositionClick(p);
            return true;
        }
    }
    return false;
}

} // namespace tessaly
