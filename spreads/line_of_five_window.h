#pragma once

#include "app/spread_window.h"

#include <array>

class QLineEdit;

namespace tessaly {

// The line of five with its four extra counted cards window.
class TForm2 : public SpreadWindow
{
    Q_OBJECT

public:
    explicit TForm2(QWidget *parent = nullptr);

    // Entry field i (1..9) of the window's card slots.
    QLineEdit *Edit(int i) const { return m_edits[i]; }

    // An opened five-card entry: slots 1..5 and their pictures.
    void TakeFiveEntry(const QList<int> &cards);
    // An opened nine-card entry into the expanded line, in the square
    // arrangement.
    void TakeNineEntry(const QList<int> &cards);
    // Back to order V1, caption and hint included.
    void ResetOrder();

private:
    std::array<QLineEdit *, 10> m_edits{};
};

} // namespace tessaly
