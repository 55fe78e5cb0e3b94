#pragma once

#include <QWidget>

namespace tessaly {

// The combination meanings of a card pair window.
class TForm5 : public QWidget
{
    Q_OBJECT

public:
    explicit TForm5(QWidget *parent = nullptr);
};

} // namespace tessaly
