#pragma once

#include "widgets/on_demand_window.h"

class QPlainTextEdit;
class QPushButton;

namespace tessaly {

// The help text window. Esc and "Sluiten" close this window only.
class THelpInfo : public OnDemandWindow
{
    Q_OBJECT

public:
    explicit THelpInfo(QWidget *parent = nullptr);

    // Shows the text from its start, nothing selected.
    void ShowHelp();
    // Shows the text with a topic heading selected and scrolled near the top.
    // The heading is found in the text, so the text may change freely.
    void ShowHelpAt(const QString &heading);

    OnDemand<QPlainTextEdit> Memo1{this};
    OnDemand<QPushButton> btSluiten{this};

protected:
    void showEvent(QShowEvent *event) override;

private:
    void createControls() override;
    void showCentred();
};

// The help text as shipped with the program.
QString HelpText();

} // namespace tessaly
