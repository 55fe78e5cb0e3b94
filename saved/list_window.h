#pragma once

#include <QWidget>

namespace tessaly {

// The saved-spread list window.
class TVerleden : public QWidget
{
    Q_OBJECT

public:
    explicit TVerleden(QWidget *parent = nullptr);
};

} // namespace tessaly
