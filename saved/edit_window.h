#pragma once

#include <QWidget>

namespace tessaly {

// The extended edit and restore of saved lines window.
class TBewerk : public QWidget
{
    Q_OBJECT

public:
    explicit TBewerk(QWidget *parent = nullptr);
};

} // namespace tessaly
