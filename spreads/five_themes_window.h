#pragma once

#include <QWidget>

namespace tessaly {

// The five themes of the line of five window.
class TForm6 : public QWidget
{
    Q_OBJECT

public:
    explicit TForm6(QWidget *parent = nullptr);
};

} // namespace tessaly
