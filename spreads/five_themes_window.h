#pragma once

#include <QWidget>

class QPlainTextEdit;

namespace tessaly {

// The line of five read as five themes: love, work, money, the spiritual and
// the shadow side. Stands beside the line window, which closes it whenever
// its cards change.
class TForm6 : public QWidget
{
    Q_OBJECT

public:
    explicit TForm6(QWidget *parent = nullptr);

    // Fills the memo from the line's five cards and gives the focus back to
    // the line window, whose keys must keep working.
    void ThemeLines();

    QPlainTextEdit *Memo1 = nullptr;

protected:
    void showEvent(QShowEvent *event) override;
};

} // namespace tessaly
