#pragma once

#include <QWidget>

namespace tessaly {

// The line of five with its four extra counted cards window.
class TForm2 : public QWidget
{
    Q_OBJECT

public:
    explicit TForm2(QWidget *parent = nullptr);
};

} // namespace tessaly
