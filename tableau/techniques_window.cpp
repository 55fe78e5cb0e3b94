#include "tableau/techniques_window.h"

#include "app/help_window.h"
#include "app/platform.h"
#include "app/window_set.h"
#include "combos/combination_window.h"
#include "tableau/grand_tableau_window.h"
#include "widgets/card_picker.h"
#include "widgets/controls.h"
#include "widgets/key_preview.h"

#include <QAbstractListModel>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace tessaly {

namespace {

// Outermost ring first.
constexpr std::array<Technique, TechniqueCount> RingOrder = {
    Technique::Significator, Technique::Near,    Technique::Lines, Technique::Diagonals,
    Technique::Knight,       Technique::Mirrors, Technique::Chain, Technique::Outcome};

constexpr int DashLength = 8;
constexpr int DashGap = 5;
constexpr QSize SwatchSize(24, 14);
const QString HelpTopic = QStringLiteral("- Technieken");

// Colours that look alike to some eyes also differ in their line: these
// techniques are dashed.
bool isDashed(Technique technique)
{
    return technique == Technique::Knight || technique == Technique::Mirrors || technique == Technique::Chain;
}

int ringWidth(Technique technique)
{
    return technique == Technique::Significator ? 6 : 4;
}

// One ring just inside rect.
void paintRing(QPainter &painter, const QRect &rect, Technique technique)
{
    const int width = ringWidth(technique);
    const QColor color = TTechnieken::TechniqueColor(technique);
    const int step = isDashed(technique) ? DashLength + DashGap : 0;
    const auto side = [&](int x, int y, int length, bool across) {
        const auto piece = [&](int at, int size) {
            painter.fillRect(across ? QRect(x + at, y, size, width) : QRect(x, y + at, width, size), color);
        };
        if (!step) {
            piece(0, length);
            return;
        }
        for (int at = 0; at < length; at += step)
            piece(at, std::min(DashLength, length - at));
    };
    side(rect.left(), rect.top(), rect.width(), true);
    side(rect.left(), rect.bottom() - width + 1, rect.width(), true);
    side(rect.left(), rect.top(), rect.height(), false);
    side(rect.right() - width + 1, rect.top(), rect.height(), false);
}

// A sample of a technique's ring for the legend and the headings; without
// a technique, an empty one that indents the lines under a heading.
QPixmap swatch(std::optional<Technique> technique)
{
    QPixmap pixmap(SwatchSize);
    pixmap.fill(Qt::transparent);
    if (technique) {
        QPainter painter(&pixmap);
        paintRing(painter, pixmap.rect(), *technique);
    }
    return pixmap;
}

} // namespace

// The reading as a list: each section's heading (bold, with its colour)
// followed by its lines, indented by an empty swatch.
class ReadingModel : public QAbstractListModel
{
public:
    ReadingModel(QObject *parent, const QFont &headingFont)
        : QAbstractListModel(parent)
        , m_headingFont(headingFont)
        , m_indent(swatch(std::nullopt))
    {
        for (int i = 0; i < TechniqueCount; ++i)
            m_swatches[i] = swatch(Technique(i));
    }

    void setReading(const TechniquesReading &reading)
    {
        beginResetModel();
        m_rows.clear();
        for (const ReadingSection &section : reading.sections) {
            m_rows.append({section.heading, true, section.technique, 0});
            for (const ReadingLine &line : section.lines)
                m_rows.append({line.text, false, section.technique, line.card});
        }
        endResetModel();
    }

    CardNumber cardAt(int row) const { return row >= 0 && row < m_rows.size() ? m_rows[row].card : 0; }

    int rowCount(const QModelIndex &parent = {}) const override
    {
        return parent.isValid() ? 0 : int(m_rows.size());
    }

    QVariant data(const QModelIndex &index, int role) const override
    {
        if (!index.isValid() || index.row() >= m_rows.size())
            return {};
        const Row &row = m_rows[index.row()];
        switch (role) {
        case Qt::DisplayRole:
            return row.text;
        case Qt::FontRole:
            return row.heading ? QVariant(m_headingFont) : QVariant();
        case Qt::DecorationRole:
            return row.heading ? m_swatches[int(row.technique)] : m_indent;
        case Qt::ToolTipRole:
            return row.card ? QStringLiteral("Klik: toon deze combinatie") : QVariant();
        default:
            return {};
        }
    }

    Qt::ItemFlags flags(const QModelIndex &index) const override
    {
        if (!index.isValid())
            return Qt::NoItemFlags;
        return m_rows[index.row()].heading ? Qt::ItemIsEnabled : Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    }

private:
    struct Row
    {
        QString text;
        bool heading;
        Technique technique;
        CardNumber card;
    };
    QList<Row> m_rows;
    QFont m_headingFont;
    std::array<QPixmap, TechniqueCount> m_swatches;
    QPixmap m_indent;
};

// Draws the frames over the tableau's pictures: one ring per technique a
// position takes part in, from the outside in. Lies over the whole tableau
// but lets every click and hint through.
class TechniqueFrameOverlay : public QWidget
{
public:
    explicit TechniqueFrameOverlay(TForm7 *tableau)
        : QWidget(tableau)
        , m_tableau(tableau)
    {
        setObjectName(QStringLiteral("TechniekKaders"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_NoSystemBackground);
        setFocusPolicy(Qt::NoFocus);
        setGeometry(tableau->rect());
        // The pictures shrink when themes or houses show.
        for (int p = 1; p <= TableauPositions; ++p)
            tableau->Plaatje[p]->installEventFilter(this);
        raise();
        show();
    }

    const std::array<TechniqueMask, TableauPositions + 1> &frames() const { return m_frames; }

    void setFrames(const std::array<TechniqueMask, TableauPositions + 1> &frames)
    {
        QRegion changed;
        for (int p = 1; p <= TableauPositions; ++p)
            if (frames[p] != m_frames[p])
                changed += pictureRect(p);
        m_frames = frames;
        if (!changed.isEmpty()) {
            raise();
            update(changed);
        }
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        for (int p = 1; p <= TableauPositions; ++p) {
            if (!m_frames[p])
                continue;
            QRect ring = pictureRect(p);
            for (Technique technique : RingOrder) {
                if (!(m_frames[p] & MaskOf(technique)))
                    continue;
                paintRing(painter, ring, technique);
                const int width = ringWidth(technique);
                ring.adjust(width, width, -width, -width);
            }
        }
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Resize || event->type() == QEvent::Move)
            update();
        return QWidget::eventFilter(watched, event);
    }

private:
    QRect pictureRect(int p) const { return m_tableau->Plaatje[p]->geometry(); }

    TForm7 *m_tableau;
    std::array<TechniqueMask, TableauPositions + 1> m_frames{};
};

TTechnieken::TTechnieken(TForm7 *tableau)
    : OnDemandWindow(tableau, Qt::Window)
    , m_tableau(tableau)
{
    setObjectName(QStringLiteral("Technieken"));
    setWindowTitle(QStringLiteral("Technieken"));
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(12);
    setFont(font);
    resize(470, 791);
    setMinimumSize(360, 480);
    m_layoutChanged.setSingleShot(true);
    m_layoutChanged.setInterval(0);
    connect(&m_layoutChanged, &QTimer::timeout, this, &TTechnieken::refresh);
    connect(tableau, &TForm7::layoutChanged, this, [this] {
        if (isVisible())
            m_layoutChanged.start();
    });
    tableau->installEventFilter(this);
    new KeyPreview(this, [this](QKeyEvent *event) { return FormKeyDown(event); });
}

void TTechnieken::createControls()
{
    auto *top = new QHBoxLayout;
    lbSignificator = new QLabel(QStringLiteral("&Significator:"), this);
    lbSignificator->setObjectName(QStringLiteral("lbSignificator"));
    cbSignificator = MakeCardPicker(this, QStringLiteral("cbSignificator"));
    SetComboName(cbSignificator, QStringLiteral("Significator"));
    cbSignificator->setCurrentIndex(m_significator - 1);
    cbSignificator->setMinimumWidth(150);
    lbSignificator->setBuddy(cbSignificator);
    connect(cbSignificator->lineEdit(), &QLineEdit::textEdited, this, &TTechnieken::pickerEdited);
    connect(cbSignificator, &QComboBox::activated, this, [this](int item) { SetSignificator(item + 1); });
    btHeer = new QPushButton(QStringLiteral("Heer"), this);
    btHeer->setObjectName(QStringLiteral("btHeer"));
    btHeer->setToolTip(QStringLiteral("Significator 28) Heer"));
    connect(btHeer, &QPushButton::clicked, this, [this] { SetSignificator(28); });
    btVrouw = new QPushButton(QStringLiteral("Vrouw"), this);
    btVrouw->setObjectName(QStringLiteral("btVrouw"));
    btVrouw->setToolTip(QStringLiteral("Significator 29) Vrouw"));
    connect(btVrouw, &QPushButton::clicked, this, [this] { SetSignificator(29); });
    top->addWidget(lbSignificator);
    top->addWidget(cbSignificator);
    top->addWidget(btHeer);
    top->addWidget(btVrouw);
    top->addStretch();

    lbKop = new QLabel(this);
    lbKop->setObjectName(QStringLiteral("lbKop"));
    lbKop->setWordWrap(true);
    QFont bold = font();
    bold.setBold(true);
    lbKop->setFont(bold);

    m_model = new ReadingModel(this, bold);
    lbxLezing = new QListView(this);
    lbxLezing->setObjectName(QStringLiteral("lbxLezing"));
    lbxLezing->setAccessibleName(QStringLiteral("Lezing"));
    lbxLezing->setModel(m_model);
    lbxLezing->setIconSize(SwatchSize);
    lbxLezing->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Pair texts are long: they wrap to the width of the window instead of
    // running out of sight sideways.
    lbxLezing->setWordWrap(true);
    lbxLezing->setUniformItemSizes(false);
    lbxLezing->setResizeMode(QListView::Adjust);
    lbxLezing->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    lbxLezing->setTextElideMode(Qt::ElideNone);
    connect(lbxLezing, &QListView::clicked, this,
            [this](const QModelIndex &index) { lookUpRow(index.row()); });
    lbxLezing->installEventFilter(this);

    auto *bottom = new QHBoxLayout;
    btKopieer = new QPushButton(QStringLiteral("Kopieer"), this);
    btKopieer->setObjectName(QStringLiteral("btKopieer"));
    btKopieer->setToolTip(QStringLiteral("Kopieer de hele lezing als tekst"));
    connect(btKopieer, &QPushButton::clicked, this, &TTechnieken::btKopieerClick);
    btHelp = new QPushButton(QStringLiteral("Help"), this);
    btHelp->setObjectName(QStringLiteral("btHelp"));
    connect(btHelp, &QPushButton::clicked, this, [] { Windows().HelpInfo->ShowHelpAt(HelpTopic); });
    btSluit = new QPushButton(QStringLiteral("Sluit"), this);
    btSluit->setObjectName(QStringLiteral("btSluit"));
    connect(btSluit, &QPushButton::clicked, this, &QWidget::close);
    for (QPushButton *button : {btHeer, btVrouw, btKopieer, btHelp, btSluit}) {
        button->setAutoDefault(false);
        button->setAccessibleName(button->text());
    }
    bottom->addWidget(btKopieer);
    bottom->addWidget(btHelp);
    bottom->addStretch();
    bottom->addWidget(btSluit);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(lbKop);
    layout->addWidget(createLegend());
    layout->addWidget(lbxLezing, 1);
    layout->addLayout(bottom);
    m_overlay = new TechniqueFrameOverlay(m_tableau);
}

QWidget *TTechnieken::createLegend()
{
    gbLegenda = new QGroupBox(QStringLiteral("Kaders op het tableau"), this);
    gbLegenda->setObjectName(QStringLiteral("gbLegenda"));
    gbLegenda->setAccessibleName(QStringLiteral("Legenda"));
    auto *grid = new QGridLayout(gbLegenda);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(3);
    constexpr int Rows = (TechniqueCount + 1) / 2;
    for (int i = 0; i < TechniqueCount; ++i) {
        const Technique technique = RingOrder[i];
        auto *colour = new QLabel(gbLegenda);
        colour->setPixmap(swatch(technique));
        auto *text = new QLabel(TechniqueLegend(technique), gbLegenda);
        text->setObjectName(QStringLiteral("lbLegenda%1").arg(i + 1));
        const int row = i % Rows;
        const int column = 2 * (i / Rows);
        grid->addWidget(colour, row, column);
        grid->addWidget(text, row, column + 1);
    }
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    return gbLegenda;
}

QColor TTechnieken::TechniqueColor(Technique technique)
{
    // Okabe and Ito's colours, told apart with every common kind of colour
    // blindness; black for the significator.
    switch (technique) {
    case Technique::Significator:
        return QColor(0, 0, 0);
    case Technique::Near:
        return QColor(230, 159, 0);
    case Technique::Lines:
        return QColor(86, 180, 233);
    case Technique::Diagonals:
        return QColor(0, 158, 115);
    case Technique::Knight:
        return QColor(213, 94, 0);
    case Technique::Mirrors:
        return QColor(204, 121, 167);
    case Technique::Chain:
        return QColor(0, 114, 178);
    case Technique::Outcome:
        return QColor(240, 228, 66);
    }
    return {};
}

QString TTechnieken::TechniqueLegend(Technique technique)
{
    switch (technique) {
    case Technique::Significator:
        return QStringLiteral("Significator");
    case Technique::Near:
        return QStringLiteral("Dichtbij (afstand 1)");
    case Technique::Lines:
        return QStringLiteral("Boven, onder, links, rechts");
    case Technique::Diagonals:
        return QStringLiteral("Diagonalen");
    case Technique::Knight:
        return QStringLiteral("Paardensprong");
    case Technique::Mirrors:
        return QStringLiteral("Spiegels");
    case Technique::Chain:
        return QStringLiteral("Huizenketen");
    case Technique::Outcome:
        return QStringLiteral("Uitkomst");
    }
    return {};
}

void TTechnieken::ShowBeside()
{
    if (!m_placed) {
        m_placed = true;
        makeRoom();
        move(PlaceBeside(this, m_tableau));
    }
    show();
    raise();
    activateWindow();
}

void TTechnieken::makeRoom()
{
    // The tableau stands centred, which leaves neither side room for this
    // window on most screens; where both fit side by side, it moves over.
    const QScreen *screen = m_tableau->screen();
    if (!screen)
        return;
    const QRect free = screen->availableGeometry();
    // Room for a title bar on a low screen.
    resize(width(), std::min(height(), free.height() - 40));
    const QRect tableau = m_tableau->frameGeometry();
    const int own = frameGeometry().width();
    const int overRight = tableau.right() + BesideGap + own - free.right();
    if (overRight <= 0 || tableau.width() + BesideGap + own > free.width())
        return;
    m_tableau->move(std::max(free.left(), m_tableau->x() - overRight), m_tableau->y());
}

void TTechnieken::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    refresh();
}

void TTechnieken::closeEvent(QCloseEvent *event)
{
    m_layoutChanged.stop();
    m_overlay->setFrames({});
    QWidget::closeEvent(event);
}

bool TTechnieken::eventFilter(QObject *watched, QEvent *event)
{
    // The frames belong to the tableau on screen: leaving it closes them.
    if (watched == m_tableau && event->type() == QEvent::Hide && !event->spontaneous() && isVisible())
        close();
    // The tableau's own events must not make this window's controls.
    if (watched != m_tableau && watched == lbxLezing && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            lookUpRow(lbxLezing->currentIndex().row());
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

bool TTechnieken::FormKeyDown(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Escape:
        close();
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return PressFocusedButton(this);
    default:
        return false;
    }
}

void TTechnieken::SetSignificator(CardNumber card)
{
    if (card < 1 || card > CardCount)
        return;
    m_significator = card;
    if (cbSignificator->currentIndex() != card - 1) {
        QSignalBlocker block(cbSignificator);
        cbSignificator->setCurrentIndex(card - 1);
    }
    if (isVisible())
        refresh();
}

void TTechnieken::pickerEdited(const QString &typed)
{
    const int item = CompleteCardPicker(cbSignificator, typed, true);
    if (item >= 0) {
        SetSignificator(item + 1);
        return;
    }
    RevertCardPicker(cbSignificator, m_significator - 1);
}

TechniquesReading TTechnieken::Reading() const
{
    return ReadTechniques(m_tableau->TableauCards, m_significator, m_tableau->LayoutDate());
}

QString TTechnieken::ReadingText() const
{
    return tessaly::ReadingText(Reading());
}

const std::array<TechniqueMask, TableauPositions + 1> &TTechnieken::Frames() const
{
    return m_overlay->frames();
}

void TTechnieken::refresh()
{
    m_layoutChanged.stop();
    const TechniquesReading reading = Reading();
    lbKop->setText(reading.header);
    m_model->setReading(reading);
    m_overlay->setFrames(TechniqueFrames(m_tableau->TableauCards, m_significator));
}

void TTechnieken::lookUpRow(int row)
{
    const CardNumber card = m_model->cardAt(row);
    if (!card)
        return;
    Windows().Form5->LookUpCards(TwoDigitNumber(m_significator), TwoDigitNumber(card));
    // The reading keeps the keyboard, so the next line is one key away.
    activateWindow();
}

void TTechnieken::btKopieerClick()
{
    Platform::instance().setClipboardText(ReadingText());
}

} // namespace tessaly
