#pragma once

#include <QWidget>

namespace tessaly {

// The Grand Tableau of 36 positions window.
class TForm7 : public QWidget
{
    Q_OBJECT

public:
    explicit TForm7(QWidget *parent = nullptr);
};

} // namespace tessaly
