#pragma once

#include <QWidget>

namespace tessaly {

// The nine-card cross and square window.
class TForm3 : public QWidget
{
    Q_OBJECT

public:
    explicit TForm3(QWidget *parent = nullptr);
};

} // namespace tessaly
