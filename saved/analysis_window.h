#pragma once

#include <QWidget>

namespace tessaly {

// The analysis of the saved list window.
class TAnalyseBox : public QWidget
{
    Q_OBJECT

public:
    explicit TAnalyseBox(QWidget *parent = nullptr);
};

} // namespace tessaly
