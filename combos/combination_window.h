#pragma once

#include <QWidget>

class QLineEdit;

namespace tessaly {

// The combination meanings of a card pair window. A companion window: it
// stands beside the spread window that opened it and hides nothing.
class TForm5 : public QWidget
{
    Q_OBJECT

public:
    explicit TForm5(QWidget *parent = nullptr);

    // Shows the window and looks up Shared().CurrentPairKey; the caller has
    // put the key's two numbers into edKaart1 and edKaart2.
    void LookUpPair();
    // The pair buttons: a and b are two-digit card texts ("05", "16"); sets
    // the key and both fields, then looks the pair up.
    void LookUpCards(const QString &a, const QString &b);
    // Shows the window as it stands, without a lookup.
    void ShowWithoutLookup();
    // A nine-card picture click: the slot's text goes to the field whose turn
    // it is (PairPickToA / PairPickToB); nothing is looked up.
    void PickCard(const QString &slotText);

    QLineEdit *edKaart1 = nullptr;
    QLineEdit *edKaart2 = nullptr;
};

} // namespace tessaly
