#include "saved/selection_window.h"

namespace tessaly {

TSelectie::TSelectie(QWidget *parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("Selectie"));
    setWindowTitle(QStringLiteral("Selectie"));
}

} // namespace tessaly
