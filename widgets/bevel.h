#pragma once

#include <QWidget>

namespace tessaly {

// A thin two-tone line in the button highlight and shadow colours, raised:
// the grid lines between the Grand Tableau's positions. Takes no input.
class TSMBevel : public QWidget
{
    Q_OBJECT

public:
    explicit TSMBevel(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace tessaly
