#pragma once

#include <QWidget>

namespace tessaly {

// The three-card spread window.
class TForm4 : public QWidget
{
    Q_OBJECT

public:
    explicit TForm4(QWidget *parent = nullptr);
};

} // namespace tessaly
