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

private:
    std::array<QLineEdit *, 10> m_edits{};
};

} // namespace tessaly
