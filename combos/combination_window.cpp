#include "combos/combination_window.h"

#include "app/shared_state.h"

#include <QLineEdit>

namespace tessaly {

TForm5::TForm5(QWidget *parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("Form5"));
    setWindowTitle(QStringLiteral("Mogelijke Betekenissen van KaartCombinaties"));
    edKaart1 = new QLineEdit(this);
    edKaart1->setObjectName(QStringLiteral("edKaart1"));
    edKaart2 = new QLineEdit(this);
    edKaart2->setObjectName(QStringLiteral("edKaart2"));
}

void TForm5::LookUpPair()
{
    show();
}

void TForm5::LookUpCards(const QString &a, const QString &b)
{
    Shared().CurrentPairKey = a + u'+' + b;
    edKaart1->setText(a);
    edKaart2->setText(b);
    LookUpPair();
}

void TForm5::ShowWithoutLookup()
{
    show();
}

void TForm5::PickCard(const QString &slotText)
{
    SharedState &shared = Shared();
    if (!isActiveWindow())
        show();
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

} // namespace tessaly
