#pragma once

#include "widgets/on_demand_window.h"

class QPlainTextEdit;

namespace tessaly {

// The line of five read as five themes: love, work, money, the spiritual and
// the shadow side. Stands beside the line window, which closes it whenever
// its cards change.
class TForm6 : public OnDemandWindow
{
    Q_OBJECT

public:
    explicit TForm6(QWidget *parent = nullptr);

    // Fills the memo from the line's five cards and gives the focus back to
    // the line window, whose keys must keep working.
    void ThemeLines();

    OnDemand<QPlainTextEdit> Memo1{this};

protected:
    void showEvent(QShowEvent *event) override;

private:
    void createControls() override;
};

} // namespace tessaly
