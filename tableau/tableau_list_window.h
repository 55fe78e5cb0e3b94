#pragma once

#include <QWidget>

namespace tessaly {

// The saved Grand Tableau list window.
class TForm8 : public QWidget
{
    Q_OBJECT

public:
    explicit TForm8(QWidget *parent = nullptr);
};

} // namespace tessaly
