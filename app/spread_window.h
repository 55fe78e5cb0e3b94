#pragma once

#include "widgets/on_demand_window.h"

class QKeyEvent;

namespace tessaly {

// A window that takes turns with the main window: showing it hides the main
// window, closing it brings the main window back (whose show then takes the
// cards over). Esc ends the program; Home steps back to the main window
// without closing.
class SpreadWindow : public OnDemandWindow
{
    Q_OBJECT

public:
    explicit SpreadWindow(QWidget *parent = nullptr);

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

    virtual void FormShow() {}
    virtual void FormClose() {}
    // Keys seen before the focused control; true when used.
    virtual bool FormKeyDown(QKeyEvent *event);
};

} // namespace tessaly
