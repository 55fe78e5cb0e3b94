#pragma once

#include <QWidget>

namespace tessaly {

// The help text window.
class THelpInfo : public QWidget
{
    Q_OBJECT

public:
    explicit THelpInfo(QWidget *parent = nullptr);
};

} // namespace tessaly
