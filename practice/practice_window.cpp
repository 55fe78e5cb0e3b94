#include "practice/practice_window.h"

#include "app/help_window.h"
#include "app/platform.h"
#include "app/window_set.h"
#include "catalogue/card_picture.h"
#include "widgets/controls.h"
#include "widgets/key_preview.h"

#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QVBoxLayout>

namespace tessaly {

namespace {

const QColor RightColour(0, 128, 0);
const QColor WrongColour(192, 0, 0);
const QString HelpHeading = QStringLiteral("- Oefenen");
constexpr int WindowWidth = 700;
// Card pictures as answers, in device-independent pixels.
const QSize PictureSize(88, 147);

// Greedy line breaking: a push button does not wrap its caption.
QString wrapped(const QString &text, const QFontMetrics &metrics, int width)
{
    QStringList lines;
    QString line;
    for (const QString &word : text.split(u' ', Qt::SkipEmptyParts)) {
        const QString longer = line.isEmpty() ? word : line + u' ' + word;
        if (!line.isEmpty() && metrics.horizontalAdvance(longer) > width) {
            lines.append(line);
            line = word;
        } else {
            line = longer;
        }
    }
    lines.append(line);
    return lines.join(u'\n');
}

QLabel *makeLabel(QWidget *parent, const char *name, const QString &description = {})
{
    auto *label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    // Texts from the catalogue are shown as written, never as markup.
    label->setTextFormat(Qt::PlainText);
    label->setAccessibleDescription(description);
    return label;
}

void setLabelText(QLabel *label, const QString &text)
{
    label->setText(text);
    label->setAccessibleName(text);
}

QFrame *line(QWidget *parent)
{
    auto *frame = new QFrame(parent);
    frame->setFrameShape(QFrame::HLine);
    frame->setFrameShadow(QFrame::Sunken);
    return frame;
}

} // namespace

TOefenen::TOefenen(QWidget *parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("Oefenen"));
    setWindowTitle(QStringLiteral("Oefenen"));
    createControls();
    new KeyPreview(this, [this](QKeyEvent *event) { return FormKeyDown(event); });
}

void TOefenen::createControls()
{
    auto *layout = new QVBoxLayout(this);

    auto *top = new QHBoxLayout;
    auto *exerciseCaption = new QLabel(QStringLiteral("&Oefening:"), this);
    cbOefening = new QComboBox(this);
    cbOefening->setObjectName(QStringLiteral("cbOefening"));
    SetComboName(cbOefening, QStringLiteral("Oefening"));
    cbOefening->addItem(QStringLiteral("Alle oefeningen"));
    for (const Exercise exercise : AllExercises)
        cbOefening->addItem(ExerciseTitle(exercise));
    exerciseCaption->setBuddy(cbOefening);
    connect(cbOefening, &QComboBox::currentIndexChanged, this, &TOefenen::cbOefeningChange);
    auto *newCaption = new QLabel(QStringLiteral("&Nieuw per dag:"), this);
    edNieuw = new QSpinBox(this);
    edNieuw->setObjectName(QStringLiteral("edNieuw"));
    edNieuw->setAccessibleName(QStringLiteral("Nieuw per dag"));
    edNieuw->setRange(0, MaximumNewPerDay);
    edNieuw->setValue(DefaultNewPerDay);
    // Written when the user has settled on a number, not at every digit.
    edNieuw->setKeyboardTracking(false);
    newCaption->setBuddy(edNieuw);
    connect(edNieuw, &QSpinBox::valueChanged, this, &TOefenen::edNieuwChange);
    top->addWidget(exerciseCaption);
    top->addWidget(cbOefening);
    top->addStretch();
    top->addWidget(newCaption);
    top->addWidget(edNieuw);
    layout->addLayout(top);

    lbVandaag = makeLabel(this, "lbVandaag", QStringLiteral("Vandaag"));
    layout->addWidget(lbVandaag);
    layout->addWidget(line(this));

    lbVraag = makeLabel(this, "lbVraag", QStringLiteral("Vraag"));
    // Until the first question, when the window is shown.
    lbVraag->setAccessibleName(QStringLiteral("Vraag"));
    lbVraag->setWordWrap(true);
    // It takes the focus with each new question, so a screen reader reads it
    // and a second Space does not answer.
    lbVraag->setFocusPolicy(Qt::StrongFocus);
    QFont question = lbVraag->font();
    question.setBold(true);
    question.setPointSizeF(question.pointSizeF() * 1.2);
    lbVraag->setFont(question);
    lbVraag->setMinimumHeight(QFontMetrics(question).height() * 2 + 8);
    layout->addWidget(lbVraag);

    m_answers = new QGridLayout;
    for (int i = 0; i < 4; ++i) {
        auto *button = new QPushButton(this);
        button->setObjectName(QStringLiteral("btAntwoord%1").arg(i + 1));
        button->setAccessibleName(QStringLiteral("Antwoord %1").arg(i + 1));
        button->setAutoDefault(false);
        // Room for the longest text, a description of three lines, so the
        // window keeps its size from question to question.
        button->setMinimumHeight(button->fontMetrics().lineSpacing() * 3 + 14);
        button->setStyleSheet(QStringLiteral("text-align: left; padding: 4px 10px;"));
        connect(button, &QPushButton::clicked, this, [this, i] { Answer(i + 1); });
        btAntwoord[std::size_t(i)] = button;
        m_answers->addWidget(button, i, 0);
    }
    m_buttonPalette = btAntwoord[0]->palette();
    m_buttonFont = btAntwoord[0]->font();
    layout->addLayout(m_answers);

    auto *result = new QHBoxLayout;
    lbUitslag = makeLabel(this, "lbUitslag", QStringLiteral("Uitslag"));
    lbUitslag->setWordWrap(true);
    QFont bold = lbUitslag->font();
    bold.setBold(true);
    lbUitslag->setFont(bold);
    lbUitslag->setMinimumHeight(QFontMetrics(bold).lineSpacing() * 3);
    lbUitslag->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    btVerder = MakeButton(this, "btVerder", QStringLiteral("&Verder"), {}, QStringLiteral("Spatie of Enter"));
    btVerder->setAccessibleName(QStringLiteral("Verder"));
    btVerder->setEnabled(false);
    connect(btVerder, &QPushButton::clicked, this, &TOefenen::NextQuestion);
    result->addWidget(lbUitslag, 1);
    result->addWidget(btVerder, 0, Qt::AlignTop);
    layout->addLayout(result);
    layout->addStretch(1);
    layout->addWidget(line(this));

    auto *overview = new QGridLayout;
    const QStringList heads = {QStringLiteral("Oefening"), QStringLiteral("gezien"), QStringLiteral("gekend"),
                               QStringLiteral("vandaag")};
    for (int column = 0; column < heads.size(); ++column) {
        auto *head = new QLabel(heads[column], this);
        head->setFont(bold);
        overview->addWidget(head, 0, column, column == 0 ? Qt::AlignLeft : Qt::AlignRight);
    }
    for (int row = 0; row < ExerciseCount; ++row) {
        overview->addWidget(new QLabel(ExerciseTitle(AllExercises[std::size_t(row)]), this), row + 1, 0);
        for (int column = 0; column < 3; ++column) {
            // Read on its own, a figure says what it counts.
            QLabel *cell = makeLabel(this, "",
                                     ExerciseTitle(AllExercises[std::size_t(row)]) + QStringLiteral(", ") +
                                         heads[column + 1]);
            cell->setObjectName(QStringLiteral("lbOverzicht%1%2").arg(row + 1).arg(column + 1));
            cell->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            lbOverzicht[std::size_t(row)][std::size_t(column)] = cell;
            overview->addWidget(cell, row + 1, column + 1);
        }
    }
    overview->setColumnStretch(0, 1);
    for (int column = 1; column <= 3; ++column)
        overview->setColumnMinimumWidth(column, 70);
    layout->addLayout(overview);

    auto *bottom = new QHBoxLayout;
    lbKaarten = makeLabel(this, "lbKaarten");
    lbParen = makeLabel(this, "lbParen");
    btHelp = MakeButton(this, "btHelp", QStringLiteral("Help"), {});
    connect(btHelp, &QPushButton::clicked, this, [] { Windows().HelpInfo->ShowHelpAt(HelpHeading); });
    btSluit = MakeButton(this, "btSluit", QStringLiteral("Sluit"), {});
    connect(btSluit, &QPushButton::clicked, this, &QWidget::close);
    for (QPushButton *button : {btHelp, btSluit})
        button->setAccessibleName(button->text());
    bottom->addWidget(lbKaarten);
    bottom->addSpacing(24);
    bottom->addWidget(lbParen);
    bottom->addStretch();
    bottom->addWidget(btHelp);
    bottom->addWidget(btSluit);
    layout->addLayout(bottom);

    setFixedSize(WindowWidth, sizeHint().height());
}

QDate TOefenen::today() const
{
    return Platform::instance().now().date();
}

void TOefenen::showEvent(QShowEvent *event)
{
    if (!m_placed) {
        if (const QScreen *screen = QGuiApplication::primaryScreen()) {
            QRect frame = frameGeometry();
            frame.moveCenter(screen->availableGeometry().center());
            move(frame.topLeft());
        }
        m_placed = true;
    }
    QWidget::showEvent(event);
    if (event->spontaneous())
        return;
    readProgress();
    {
        QSignalBlocker block(edNieuw);
        edNieuw->setValue(m_store.progress().newPerDay);
    }
    startSession();
    showQuestion();
}

void TOefenen::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    // Back from an editor that changed the file: show its figures. A read
    // error waits for the next answer to be reported, or each message box
    // would activate the window again.
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && m_store.refresh())
        showCounts();
}

// Each damaged line once, whichever read found it.
void TOefenen::reportDamagedLines()
{
    const QString damaged = DamagedLinesMessage(m_store.takeNewlyDamaged());
    if (!damaged.isEmpty())
        Platform::instance().message(damaged);
}

void TOefenen::readProgress()
{
    QString error;
    if (!m_store.refresh(&error))
        Platform::instance().message(error + QStringLiteral(" Wat u nu oefent, wordt niet bewaard."));
    reportDamagedLines();
}

void TOefenen::startSession()
{
    m_sessionDay = today();
    const int choice = cbOefening->currentIndex();
    const std::optional<Exercise> only =
        choice > 0 ? std::optional(AllExercises[std::size_t(choice - 1)]) : std::nullopt;
    m_session.start(PlanDay(m_store.progress(), m_sessionDay, only));
    m_answered = false;
}

void TOefenen::resetAnswerLooks()
{
    for (QPushButton *button : btAntwoord) {
        button->setPalette(m_buttonPalette);
        button->setFont(m_buttonFont);
    }
}

void TOefenen::showOption(int index)
{
    QPushButton *button = btAntwoord[std::size_t(index)];
    const PracticeOption &option = m_question->options[std::size_t(index)];
    button->setAccessibleDescription(option.text);
    if (option.card > 0) {
        button->setIcon(QIcon(RenderCardPicture(option.card, PictureSize, devicePixelRatioF())));
        button->setIconSize(PictureSize);
        button->setText(QString::number(index + 1));
        return;
    }
    button->setIcon(QIcon());
    const QString prefix = QStringLiteral("%1.  ").arg(index + 1);
    const int room = WindowWidth - 60 - button->fontMetrics().horizontalAdvance(prefix);
    // An "&" in a text is shown, not taken as a shortcut.
    button->setText(prefix +
                    wrapped(option.text, button->fontMetrics(), room).replace(u'&', QStringLiteral("&&")));
}

void TOefenen::showQuestion()
{
    resetAnswerLooks();
    setLabelText(lbUitslag, {});
    btVerder->setEnabled(false);
    const std::optional<PracticeItem> item = m_session.current();
    m_question.reset();
    if (item)
        m_question = BuildQuestion(*item, Platform::instance());
    setLabelText(lbVraag, m_question ? m_question->text
                                     : QStringLiteral("Er staan vandaag geen vragen meer open. Morgen is er "
                                                      "weer meer te oefenen."));
    const bool pictures = m_question && m_question->options[0].card > 0;
    for (int i = 0; i < 4; ++i) {
        QPushButton *button = btAntwoord[std::size_t(i)];
        m_answers->addWidget(button, pictures ? 0 : i, pictures ? i : 0);
        button->setEnabled(m_question.has_value());
        if (m_question) {
            showOption(i);
        } else {
            button->setIcon(QIcon());
            button->setText(QString());
            button->setAccessibleDescription(QString());
        }
    }
    lbVraag->setFocus();
    showCounts();
}

void TOefenen::showCounts()
{
    const PracticeProgress &progress = m_store.progress();
    setLabelText(lbVandaag, QStringLiteral("Vandaag: %1 te herhalen, %2 nieuw")
                                .arg(m_session.reviewsLeft(progress))
                                .arg(m_session.newLeft(progress)));
    for (int row = 0; row < ExerciseCount; ++row) {
        const ExerciseOverview overview = Overview(progress, AllExercises[std::size_t(row)], today());
        const std::array<int, 3> figures = {overview.seen, overview.known, overview.due};
        for (std::size_t column = 0; column < 3; ++column)
            setLabelText(lbOverzicht[std::size_t(row)][column], QString::number(figures[column]));
    }
    setLabelText(lbKaarten,
                 QStringLiteral("kaarten gekend: %1 van %2").arg(KnownCards(progress)).arg(CardCount));
    setLabelText(lbParen, QStringLiteral("paren gekend: %1 van 1.260").arg(KnownPairs(progress)));
}

void TOefenen::Answer(int option)
{
    if (!m_question || m_answered || option < 1 || option > 4)
        return;
    const int chosen = option - 1;
    const bool right = chosen == m_question->answer;
    QString error;
    if (!m_store.answer(m_question->item, right, today(), &error))
        Platform::instance().message(error + QStringLiteral(" Dit antwoord is niet bewaard."));
    reportDamagedLines();
    m_session.answered(right);
    m_answered = true;
    const QString answer = m_question->options[std::size_t(m_question->answer)].text;
    setLabelText(lbUitslag, right ? QStringLiteral("Goed") : QStringLiteral("Fout \u2014 ") + answer);
    SetTextColor(lbUitslag, right ? RightColour : WrongColour);
    SetBoldTextColor(btAntwoord[std::size_t(m_question->answer)], RightColour);
    if (!right)
        SetBoldTextColor(btAntwoord[std::size_t(chosen)], WrongColour);
    btVerder->setEnabled(true);
    btVerder->setFocus();
    showCounts();
}

void TOefenen::NextQuestion()
{
    if (!m_answered)
        return;
    m_answered = false;
    // A sitting that runs past midnight starts on the new day's questions.
    if (today() != m_sessionDay)
        startSession();
    showQuestion();
}

void TOefenen::cbOefeningChange()
{
    startSession();
    showQuestion();
}

void TOefenen::edNieuwChange(int count)
{
    QString error;
    if (!m_store.setNewPerDay(count, &error))
        Platform::instance().message(error + QStringLiteral(" De instelling is niet bewaard."));
    if (!m_answered) {
        startSession();
        showQuestion();
    }
}

bool TOefenen::FormKeyDown(QKeyEvent *event)
{
    const int key = event->key();
    if (key == Qt::Key_Escape) {
        close();
        return true;
    }
    // The settings take their own digits and Enter.
    // The window's own focus: keys reach it from its focused control.
    QWidget *focus = focusWidget();
    if (focus && (focus == edNieuw || edNieuw->isAncestorOf(focus) || focus == cbOefening ||
                  cbOefening->isAncestorOf(focus)))
        return false;
    if (key >= Qt::Key_1 && key <= Qt::Key_4) {
        Answer(key - Qt::Key_1 + 1);
        return true;
    }
    if (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter) {
        if (m_answered) {
            NextQuestion();
            return true;
        }
        // An answer button answers through its click.
        if (auto *button = qobject_cast<QPushButton *>(focus)) {
            button->click();
            return true;
        }
        return false;
    }
    return false;
}

} // namespace tessaly
