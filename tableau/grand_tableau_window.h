#pragma once

#include "app/spread_window.h"

namespace tessaly {

// The Grand Tableau of 36 positions window.
class TForm7 : public SpreadWindow
{
    Q_OBJECT

public:
    explicit TForm7(QWidget *parent = nullptr);
};

} // namespace tessaly
