#pragma once

#include <QWidget>

namespace tessaly {

// The card selection for the analysis window.
class TSelectie : public QWidget
{
    Q_OBJECT

public:
    explicit TSelectie(QWidget *parent = nullptr);
};

} // namespace tessaly
