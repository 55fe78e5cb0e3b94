#pragma once

#include "app/spread_window.h"

#include <array>

class QLineEdit;

namespace tessaly {

// The three-card spread window.
class TForm4 : public SpreadWindow
{
    Q_OBJECT

public:
    explicit TForm4(QWidget *parent = nullptr);

    // Entry field i (1..3) of the window's card slots.
    QLineEdit *Edit(int i) const { return m_edits[i]; }

private:
    std::array<QLineEdit *, 4> m_edits{};
};

} // namespace tessaly
