#pragma once

#include "practice/practice_file.h"
#include "practice/practice_question.h"
#include "practice/practice_schedule.h"

#include <QWidget>

#include <array>
#include <optional>

class QComboBox;
class QGridLayout;
class QKeyEvent;
class QLabel;
class QPushButton;
class QSpinBox;

namespace tessaly {

// Practising cards, keywords, Grand Tableau themes and ordered pairs: the
// questions due today and a few new ones, answered with 1..4 or a click.
// Progress goes to Oefenlijst.txt after every answer. Esc closes this window
// only.
class TOefenen : public QWidget
{
    Q_OBJECT

public:
    explicit TOefenen(QWidget *parent = nullptr);

    // Answers the open question with option 1..4; nothing while the result
    // of the last answer is shown.
    void Answer(int option);
    // On to the next question after a result.
    void NextQuestion();

    QComboBox *cbOefening = nullptr;
    QSpinBox *edNieuw = nullptr;
    QLabel *lbVandaag = nullptr;
    QLabel *lbVraag = nullptr;
    std::array<QPushButton *, 4> btAntwoord{};
    QLabel *lbUitslag = nullptr;
    QPushButton *btVerder = nullptr;
    // Rows per exercise: seen, known, due today.
    std::array<std::array<QLabel *, 3>, 5> lbOverzicht{};
    QLabel *lbKaarten = nullptr;
    QLabel *lbParen = nullptr;
    QPushButton *btHelp = nullptr;
    QPushButton *btSluit = nullptr;

protected:
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void createControls();
    bool FormKeyDown(QKeyEvent *event);
    // Reads a changed file and reports damaged lines once.
    void readProgress();
    void reportDamagedLines();
    void startSession();
    void showQuestion();
    void showOption(int index);
    void showCounts();
    void resetAnswerLooks();
    void cbOefeningChange();
    void edNieuwChange(int count);
    QDate today() const;

    QGridLayout *m_answers = nullptr;
    PracticeStore m_store;
    PracticeSession m_session;
    QDate m_sessionDay;
    std::optional<PracticeQuestion> m_question;
    bool m_answered = false;
    bool m_placed = false;
    QPalette m_buttonPalette;
    QFont m_buttonFont;
};

} // namespace tessaly
