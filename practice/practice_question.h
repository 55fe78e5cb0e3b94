#pragma once

#include "catalogue/catalogue.h"
#include "practice/practice_items.h"

#include <QString>
#include <QStringList>

#include <array>

namespace tessaly {

class RandomSource;

struct PracticeOption
{
    // What is read out: a card as "NN) Titel", a text as written.
    QString text;
    // The card shown as a picture; 0 when the option is a text.
    CardNumber card = 0;
};

struct PracticeQuestion
{
    PracticeItem item;
    // The whole question, every card in it as "NN) Titel".
    QString text;
    std::array<PracticeOption, 4> options;
    int answer = 0; // index of the right option
};

// The question for item with four different options in random order. Texts
// come from the catalogue as it stands.
PracticeQuestion BuildQuestion(const PracticeItem &item, RandomSource &random);

// The keywords of card that name it on their own and that no other card has:
// the ones a question can show. The person keyword keeps its "*".
const QStringList &DistinctKeywords(CardNumber card);
// Card's description with every form of its name left out ("De … groeit").
QString MaskedDescription(CardNumber card);

} // namespace tessaly
