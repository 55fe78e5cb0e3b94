#pragma once

#include "app/spread_window.h"

#include <array>

class QLineEdit;

namespace tessaly {

// The nine-card cross and square window.
class TForm3 : public SpreadWindow
{
    Q_OBJECT

public:
    explicit TForm3(QWidget *parent = nullptr);

    // Entry field i (1..9) of the window's card slots.
    QLineEdit *Edit(int i) const { return m_edits[i]; }

    // An opened three- or five-card entry into a cleared cross: the middle
    // row, then the slots above and below the centre.
    void TakeCrossEntry(const QList<int> &cards);
    // An opened nine-card entry into the square.
    void TakeSquareEntry(const QList<int> &cards);
    // Back to order A, caption and hint included.
    void ResetOrder();
    // Sets the nine labels again by this window's label mode, without a new
    // keyword draw (the three-card window's label refresh).
    void RelabelSlots();

private:
    std::array<QLineEdit *, 10> m_edits{};
};

} // namespace tessaly
